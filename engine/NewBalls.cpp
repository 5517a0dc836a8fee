// New balls: the colour draw, the preview beside the board, and the arrival
// of the previewed balls on random empty cells, or the end of the game when
// no room is left for them.
#include "Game.h"

namespace velko {

std::uint8_t Game::LuanNum(std::uint8_t temNum)
{
    const std::int32_t colours = temNum;
    std::int32_t value = colours - DrawBelow(colours);
    if (value == kJoker)
        value = colours - DrawBelow(colours);   // the second draw stands, joker or not
    // One chance in twelve turns any ball into the joker, in either game.
    if (12 - DrawBelow(12) == 6)
        value = kJoker;
    return static_cast<std::uint8_t>(value);
}

void Game::DsGe()
{
    BallCount = 0;
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            if (Board[column][row] != 0)
                ++BallCount;
}

void Game::ToThree()
{
    const std::uint8_t colours = static_cast<std::uint8_t>(8 - GameMode);
    for (std::size_t slot = 0; slot < kPreviewSlots.size(); ++slot) {
        NextColor[slot] = LuanNum(colours);
        const PreviewSlot& place = kPreviewSlots[slot];
        const char letter = static_cast<char>(place.family - 'a' + 'A');
        screen_.paintPreview(place.x, place.y, letter + std::to_string(NextColor[slot]));
    }
    screen_.refreshWindow();
}

void Game::Zeng(std::uint8_t X)
{
    const std::int32_t wanted = X < 3 ? X : 3;   // only three balls are ever previewed
    std::int32_t empty = KongNum();
    if (empty <= wanted) {
        GameOver();
        return;
    }

    DsGe();
    std::array<std::array<std::int32_t, 2>, 3> placed{};
    std::int32_t i = 0;
    do {
        const std::int32_t column = RandomIndex();
        const std::int32_t row = RandomIndex();
        if (Board[column][row] == 0) {
            const std::int32_t colour = NextColor[i];
            Board[column][row] = colour;
            placed[i] = {column, row};
            ++i;
            ShowXY(column, row, colour);
            screen_.refreshBoard();
            screen_.sleepMs(75);
            ShowXY(column, row, 0);
            screen_.refreshBoard();
            screen_.sleepMs(75);
            ShowXY(column, row, colour);
            screen_.refreshBoard();
            Visited = {};
        }
        empty = KongNum();
    } while (81 - empty < BallCount + wanted);

    List1.clear();
    for (std::int32_t n = 0; n < wanted; ++n)
        RealXiaoChu(placed[n][0], placed[n][1]);
    HideXiaoChu();
}

// No room for the next balls: the game is over. The board stays as it is
// under the end picture.
void Game::GameOver()
{
    screen_.setScoreTimer(false);
    const bool newHighScore = Score > screen_.lowestHighScore();
    screen_.setBoardEnabled(false);
    screen_.stopMusic();
    screen_.playSound(newHighScore ? 13 : 14);
    ShowPic(newHighScore ? "cmd.gif" : "gameover.gif");
    if (newHighScore)
        screen_.newHighScore(Score);
}

} // namespace velko
