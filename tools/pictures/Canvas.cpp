#include "Canvas.h"

namespace velko::pictures {

int Canvas::outputScale_ = 1;

int Canvas::outputScale()
{
    return outputScale_;
}

Canvas::Canvas(int width, int height, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      big_(width * scale * outputScale_, height * scale * outputScale_, QImage::Format_ARGB32_Premultiplied)
{
    big_.fill(Qt::transparent);
    painter_ = std::make_unique<QPainter>(&big_);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->scale(scale * outputScale_, scale * outputScale_);
}

Canvas::~Canvas() = default;

QImage Canvas::finish()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    return shrinkByAveraging(big_, scale_);
}

QImage shrinkByAveraging(const QImage& big, int scale)
{
    const QImage source = big.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = source.width() / scale;
    const int height = source.height() / scale;
    QImage small(width, height, QImage::Format_ARGB32_Premultiplied);
    const int samples = scale * scale;
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < scale; ++sy) {
                const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y * scale + sy));
                for (int sx = 0; sx < scale; ++sx) {
                    const QRgb p = in[x * scale + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            const int half = samples / 2;
            out[x] = qRgba((r + half) / samples, (g + half) / samples, (b + half) / samples, (a + half) / samples);
        }
    }
    return small;
}

QImage flattenOnto(const QImage& picture, const QColor& ground)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(ground);
    QPainter p(&flat);
    p.drawImage(0, 0, picture);
    p.end();
    return flat;
}

}   // namespace velko::pictures
