#pragma once
// A drawing surface that is painted at several times the final size and shrunk
// by averaging, which gives every edge a smooth, even anti-aliasing. The
// painter works in final-size pixel units, so callers never think about the
// scale. The same drawing gives the picture for screens of twice the density
// while an OutputScale of 2 is in force: every canvas is then twice as wide and
// high in pixels, and the painter's units stay the 1x picture's pixels.

#include <QImage>
#include <QPainter>
#include <memory>

namespace velko::pictures {

class Canvas {
public:
    static constexpr int kDefaultScale = 4;

    Canvas(int width, int height, int scale = kDefaultScale);
    ~Canvas();

    QPainter& painter() { return *painter_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Ends the painting and returns the final-size picture (premultiplied ARGB).
    QImage finish();

    // How many pixels a final-size pixel unit has on the pictures now drawn: 1 or 2.
    static int outputScale();

private:
    friend class OutputScale;
    static int outputScale_;

    int width_;
    int height_;
    int scale_;
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

// While it lives, every canvas draws its picture `scale` times larger.
class OutputScale {
public:
    explicit OutputScale(int scale) : previous_(Canvas::outputScale_) { Canvas::outputScale_ = scale; }
    ~OutputScale() { Canvas::outputScale_ = previous_; }
    OutputScale(const OutputScale&) = delete;
    OutputScale& operator=(const OutputScale&) = delete;

private:
    int previous_;
};

// Averages every scale × scale block of a picture into one pixel.
QImage shrinkByAveraging(const QImage& big, int scale);

// Puts a finished picture (with alpha) over an opaque ground colour.
QImage flattenOnto(const QImage& picture, const QColor& ground);

}   // namespace velko::pictures
