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

class RecordingScreen final : public GameScreen {
public:
    // Events go to the list below and, when given, to the stream as they happen.
    explicit RecordingScreen(std::ostream* echo = nullptr) : echo_(echo) {}

    void paintCell(int x, int y, const std::string& picture) override;
    void refreshBoard() override;
    void paintPreview(int x, int y, const std::string& picture) override;
    void refreshWindow() override;
    void showMarker(int column, int row, const std::string& picture) override;
    void hideMarker() override;
    void wipePicture(const std::string& fileName) override;
    void sleepMs(int ms) override;
    void playSound(int effect) override;
    void stopMusic() override;
    void setBoardEnabled(bool on) override;
    void setScoreTimer(bool on) override;
    void setScoreLabels(const std::string& text) override;
    std::int32_t lowestHighScore() override { return lowestHighScore_; }
    void newHighScore(std::int32_t score) override;

    // Set up by the scenario: the points of the eighth high-score entry.
    void setLowestHighScore(std::int32_t points) { lowestHighScore_ = points; }
    void setRecording(bool on) { recording_ = on; }

    // A picture as the game asked for it, with its pixel corner.
    struct Picture {
        int x;
        int y;
        std::string picture;
    };

    std::vector<std::string> events;
    std::vector<Picture> pictures;   // board cells
    std::vector<Picture> previews;   // preview slots beside the board
    bool boardEnabled = true;
    bool timerOn = true;
    bool markerShown = false;
    std::string labels = "0";
    std::int64_t sleptMs = 0;

private:
    void note(const std::string& line);

    std::ostream* echo_;
    std::int32_t lowestHighScore_ = 90;
    bool recording_ = true;
};

} // namespace velko
