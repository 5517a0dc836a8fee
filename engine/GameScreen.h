#pragma once
// What the rules need from the outside world: the board surface, the window
// surface beside it, the clock, the loudspeaker and the shell. The main window
// implements it; tests implement it with a recorder that never really sleeps.

#include <cstdint>
#include <string>

namespace velko {

class GameScreen {
public:
    virtual ~GameScreen() = default;

    // Paints a 45 x 45 cell picture ("I00", "I3", ...) with its top-left corner
    // at board pixel (x, y). Nothing shows until refreshBoard().
    virtual void paintCell(int x, int y, const std::string& picture) = 0;
    virtual void refreshBoard() = 0;

    // Paints a preview picture ("A5", "B1", ...) at window pixel (x, y).
    // Nothing shows until refreshWindow().
    virtual void paintPreview(int x, int y, const std::string& picture) = 0;
    virtual void refreshWindow() = 0;

    // The selection marker over board cell (column, row), showing picture "T1".."T8".
    virtual void showMarker(int column, int row, const std::string& picture) = 0;
    virtual void hideMarker() = 0;

    // The curtain wipe of an end picture from the media folder ("gameover.gif", "cmd.gif").
    virtual void wipePicture(const std::string& fileName) = 0;

    // Blocks for the given time after a refresh; input waits meanwhile.
    virtual void sleepMs(int ms) = 0;

    virtual void playSound(int effect) = 0;
    virtual void stopMusic() = 0;

    virtual void setBoardEnabled(bool on) = 0;
    virtual void setScoreTimer(bool on) = 0;
    // Both score labels, the score and its shadow, show this text.
    virtual void setScoreLabels(const std::string& text) = 0;

    // Points of the eighth and lowest entry of the high-score table.
    virtual std::int32_t lowestHighScore() = 0;
    // The name entry and insertion for a final score that made the table.
    virtual void newHighScore(std::int32_t score) = 0;
};

} // namespace velko
