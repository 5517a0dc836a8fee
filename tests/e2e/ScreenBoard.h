#pragma once
// Reads the 9 x 9 board off a screenshot: each cell shows either the
// empty-cell picture of its square or one of the eight ball pictures.

#include <QImage>
#include <QPoint>
#include <array>

class ScreenBoard {
public:
    static constexpr int kUnknown = -1;   // a cell that shows none of the pictures

    // pictures[0] and [9]: the empty cells I0 (one ring) and I00 (three
    // rings); pictures[1..8]: the balls I1..I8.
    explicit ScreenBoard(const std::array<QImage, 10>& pictures);

    // boardOrigin: screen position of the board's top-left pixel.
    void read(const QImage& screen, QPoint boardOrigin);

    // 0 empty, 1..8 a ball of that colour, kUnknown anything else.
    int at(int column, int row) const { return cells_[column][row]; }
    bool occupied(int column, int row) const { return cells_[column][row] != 0; }
    int balls() const;

private:
    bool looksLike(const QImage& screen, QPoint topLeft, const QImage& picture) const;

    std::array<QImage, 10> pictures_;
    std::array<std::array<int, 9>, 9> cells_{};
};
