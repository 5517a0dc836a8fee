#pragma once
// A drawing surface that is painted at several times the final size and shrunk
// by averaging, which gives every edge a smooth, even anti-aliasing. The
// painter works in final-size pixel units, so callers never think about the
// scale.

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

private:
    int width_;
    int height_;
    int scale_;
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

// Averages every scale × scale block of a picture into one pixel.
QImage shrinkByAveraging(const QImage& big, int scale);

// Puts a finished picture (with alpha) over an opaque ground colour.
QImage flattenOnto(const QImage& picture, const QColor& ground);

}  // namespace velko::pictures
