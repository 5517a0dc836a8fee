// The board click: selecting a ball, moving it, and everything a move sets
// off. Plus the timer that counts the shown score up to the real one.
#include "Game.h"

#include <cmath>

namespace velko {

namespace {

// The cell under a pixel coordinate, or -1 when the click lies off the board.
// The pixel is rounded half to even first, as the board always has.
std::int32_t CellAt(float pixel)
{
    if (!(pixel > -1.0f && pixel < static_cast<float>(kBoardPixels)))
        return -1;   // also catches NaN
    const long rounded = std::lrint(pixel);
    if (rounded < 0 || rounded >= kBoardPixels)
        return -1;
    return static_cast<std::int32_t>(rounded / kCellSize);
}

} // namespace

void Game::PictureBox0_MouseDown(int Button, int /*Shift*/, float X, float Y)
{
    if (Button != kLeftButton) {
        screen_.playSound(12);
        if (Button == kRightButton)
            HidePic();
        return;
    }

    const std::int32_t column = CellAt(X);
    const std::int32_t row = CellAt(Y);
    if (column < 0 || row < 0)
        return;   // the board surface is exactly 9 cells wide and high

    if (Sel[0] == kNoSelection) {
        if (Board[column][row] == 0)
            return;
        screen_.playSound(0);
        Sel[0] = column;
        Sel[2] = row;
        ShowMarker(column, row);
        return;
    }

    if (Board[column][row] != 0) {
        screen_.playSound(0);
        HidePic();
        Sel[0] = column;
        Sel[2] = row;
        ShowMarker(column, row);
        return;
    }

    Sel[1] = column;
    Sel[3] = row;
    MakeMove();
}

// A ball is selected and an empty cell was chosen: try to carry it there.
void Game::MakeMove()
{
    const std::int32_t fromColumn = Sel[0], toColumn = Sel[1];
    const std::int32_t fromRow = Sel[2], toRow = Sel[3];

    // With the moving colour on the target, the flood recognises the target
    // as a ball it may join.
    Board[toColumn][toRow] = Board[fromColumn][fromRow];
    Reach = {};
    IsOK(fromColumn, fromRow);
    if (!Reach[toColumn][toRow]) {
        screen_.playSound(12);
        Board[toColumn][toRow] = 0;
        HidePic();
        return;
    }

    screen_.hideMarker();
    screen_.playSound(25);
    DongHua(fromColumn, fromRow, toColumn, toRow, kNone);
    ShowXY(toColumn, toRow, Board[toColumn][toRow]);
    screen_.refreshBoard();
    Board[fromColumn][fromRow] = 0;

    Visited = {};
    List1.clear();
    RealXiaoChu(toColumn, toRow);
    HideXiaoChu();
    HidePic();
    screen_.sleepMs(150);

    if (List1.empty()) {
        Zeng(3);
        ToThree();
    }
}

void Game::Timer1_Timer()
{
    if (ShownScore < Score) {
        ++ShownScore;
        screen_.setScoreLabels(std::to_string(ShownScore));
    }
}

} // namespace velko
