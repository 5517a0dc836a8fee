#pragma once
// The 45 × 45 cell pictures built into the game: empty cells (I0, I00), balls
// on the board (I1..I8), the selected ball (T1..T8) and the three preview
// places (A, B, C with 1..8).

#include <QImage>
#include <QString>
#include <vector>

namespace velko::pictures {

constexpr int kCellPixels = 45;

struct NamedPicture {
    QString name;
    QImage image;
};

QImage drawEmptyCell(int rings);                // 1 ring: I0, 3 rings: I00
QImage drawBoardBall(int value);                // I1..I8
QImage drawSelectedBall(int value);             // T1..T8
QImage drawPreviewBall(char slot, int value);   // slot 'A', 'B' or 'C'

// All 42, in the order I0, I00, I1..I8, T1..T8, A1..A8, B1..B8, C1..C8.
std::vector<NamedPicture> drawAllCells();

}   // namespace velko::pictures
