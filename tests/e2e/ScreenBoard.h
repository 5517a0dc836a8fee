#pragma once
// Reads the 9 x 9 board off a screenshot: a cell is empty when it shows the
// empty-cell picture of its square, and holds a ball otherwise.

#include <QImage>
#include <QPoint>
#include <array>

class ScreenBoard {
public:
    // The empty-cell pictures I0 (one ring) and I00 (three rings).
    ScreenBoard(const QImage& oneRing, const QImage& threeRings);

    // boardOrigin: screen position of the board's top-left pixel.
    void read(const QImage& screen, QPoint boardOrigin);

    bool occupied(int column, int row) const { return occupied_[column][row]; }
    int balls() const;

private:
    bool looksLike(const QImage& screen, QPoint topLeft, const QImage& picture) const;

    QImage oneRing_, threeRings_;
    std::array<std::array<bool, 9>, 9> occupied_{};
};
