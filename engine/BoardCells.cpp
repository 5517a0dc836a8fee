// Drawing single cells, counting the empty ones, and the two pictures that
// cover the board: the selection marker and the end-of-game wipe.
#include "Game.h"

namespace velko {

void Game::ShowXY(std::int32_t X, std::int32_t Y, std::int32_t iColor)
{
    std::string picture;
    if (iColor < 1)
        picture = (((X + Y) & 1) == 0) ? "I00" : "I0";   // the chequered empty cell
    else
        picture = "I" + std::to_string(iColor);
    screen_.paintCell(X * kCellSize, Y * kCellSize, picture);
}

std::uint8_t Game::KongNum() const
{
    std::uint8_t empty = 0;
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            if (Board[column][row] == 0)
                ++empty;
    return empty;
}

void Game::HidePic()
{
    Sel = {kNoSelection, 0, 0, 0};
    screen_.hideMarker();
}

void Game::ShowPic(const std::string& PicName)
{
    screen_.wipePicture(PicName);
}

void Game::ShowMarker(std::int32_t X, std::int32_t Y)
{
    screen_.showMarker(X, Y, "T" + std::to_string(Board[X][Y]));
}

} // namespace velko
