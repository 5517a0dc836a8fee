#include "ScreenBoard.h"

#include <cstdlib>

ScreenBoard::ScreenBoard(const std::array<QImage, 10>& pictures)
{
    for (std::size_t i = 0; i < pictures.size(); ++i)
        pictures_[i] = pictures[i].convertToFormat(QImage::Format_RGB32);
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
            const QPoint topLeft = boardOrigin + QPoint(c * 45, r * 45);
            cells_[c][r] = kUnknown;
            if (looksLike(screen, topLeft, pictures_[(c + r) % 2 == 0 ? 9 : 0])) {
                cells_[c][r] = 0;
                continue;
            }
            for (int colour = 1; colour <= 8 && cells_[c][r] == kUnknown; ++colour)
                if (looksLike(screen, topLeft, pictures_[colour]))
                    cells_[c][r] = colour;
        }
}

int ScreenBoard::balls() const
{
    int n = 0;
    for (const auto& column : cells_)
        for (int cell : column)
            n += cell != 0;
    return n;
}
