#include "ScreenBoard.h"

#include <cstdlib>

ScreenBoard::ScreenBoard(const QImage& oneRing, const QImage& threeRings)
    : oneRing_(oneRing.convertToFormat(QImage::Format_RGB32)), threeRings_(threeRings.convertToFormat(QImage::Format_RGB32))
{
}

bool ScreenBoard::looksLike(const QImage& screen, QPoint topLeft, const QImage& picture) const
{
    long difference = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = screen.pixel(topLeft.x() + x, topLeft.y() + y), b = picture.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    // A few levels of colour rounding per pixel at most.
    return difference < 6L * 3 * picture.width() * picture.height();
}

void ScreenBoard::read(const QImage& screen, QPoint boardOrigin)
{
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r) {
            const QImage& empty = (c + r) % 2 == 0 ? threeRings_ : oneRing_;
            occupied_[c][r] = !looksLike(screen, boardOrigin + QPoint(c * 45, r * 45), empty);
        }
}

int ScreenBoard::balls() const
{
    int n = 0;
    for (const auto& column : occupied_)
        for (bool cell : column)
            n += cell;
    return n;
}
