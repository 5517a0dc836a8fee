#pragma once
// A screen with no window: it writes down every drawing, sound, pause and
// switch the game asks for, one line per event, and never really sleeps.
// Lines read "sound 25", "draw 4 4 0", "refresh", "sleep 75", "marker 4 4 1",
// "marker off", "preview 0 5", "refresh window", "wipe cmd.gif", "music stop",
// "board off", "timer off", "label 15", "highscore 500".

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "GameScreen.h"

namespace velko {

// The number a sound effect has in the trace.
int traceNumberOf(Sound sound);

class RecordingScreen final : public GameScreen {
public:
    // Events go to the list below and, when given, to the stream as they happen.
    explicit RecordingScreen(std::ostream* echo = nullptr) : echo_(echo) {}

    void drawCell(Cell cell, Colour colour) override;
    void refreshBoard() override;
    void showPreview(int slot, Colour colour) override;
    void refreshWindow() override;
    void showMarker(Cell cell, Colour colour) override;
    void hideMarker() override;
    void showEnding(Ending ending) override;
    void sleepMs(int ms) override;
    void playSound(Sound sound) override;
    void stopMusic() override;
    void setBoardEnabled(bool on) override;
    void setScoreTimer(bool on) override;
    void showScore(std::int32_t score) override;
    std::int32_t lowestHighScore() override { return lowestHighScore_; }
    void newHighScore(std::int32_t score) override;

    // Set up by the scenario: the points of the eighth high-score entry.
    void setLowestHighScore(std::int32_t points) { lowestHighScore_ = points; }
    // Sets the score the labels show without an event.
    void setShownScore(std::int32_t score) { labels = std::to_string(score); }

    std::vector<std::string> events;
    bool boardEnabled = true;
    bool timerOn = true;
    bool markerShown = false;
    std::string labels = "0";

private:
    void note(const std::string& line);

    std::ostream* echo_;
    std::int32_t lowestHighScore_ = 90;
};

}   // namespace velko
