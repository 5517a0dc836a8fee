#pragma once
// What the rules need from the outside world: the board, the preview beside
// it, the selection marker, the clock, the loudspeaker and the score display.
// The main window implements it; tests implement it with a recorder that
// never really sleeps.

#include <cstdint>

#include "Board.h"
#include "Sound.h"

namespace velko {

// How a game ended: the picture that wipes over the board.
enum class Ending { GameOver, HighScore };

class GameScreen {
public:
    virtual ~GameScreen() = default;

    // Draws one board cell: a ball of the colour, or the empty cell. Nothing
    // shows until refreshBoard().
    virtual void drawCell(Cell cell, Colour colour) = 0;
    // Shows every cell drawn since the last refresh.
    virtual void refreshBoard() = 0;

    // Draws the colour of preview slot 0..2. Nothing shows until refreshWindow().
    virtual void showPreview(int slot, Colour colour) = 0;
    // Shows the window around the board as last drawn.
    virtual void refreshWindow() = 0;

    // Puts the selection marker, a highlighted ball of the colour, over the cell.
    virtual void showMarker(Cell cell, Colour colour) = 0;
    // Takes the selection marker away.
    virtual void hideMarker() = 0;

    // Wipes the end picture over the board.
    virtual void showEnding(Ending ending) = 0;

    // Blocks for the given time after a refresh; input waits meanwhile.
    virtual void sleepMs(int ms) = 0;

    // Plays a sound effect.
    virtual void playSound(Sound sound) = 0;
    // Stops the tune.
    virtual void stopMusic() = 0;

    // Lets the board take clicks, or not.
    virtual void setBoardEnabled(bool on) = 0;
    // Starts or stops the timer that counts the shown score up.
    virtual void setScoreTimer(bool on) = 0;
    // Shows the score in both score labels, the score and its shadow.
    virtual void showScore(std::int32_t score) = 0;

    // Points of the eighth and lowest entry of the high-score table.
    virtual std::int32_t lowestHighScore() = 0;
    // The name entry and insertion for a final score that made the table.
    virtual void newHighScore(std::int32_t score) = 0;
};

}   // namespace velko
