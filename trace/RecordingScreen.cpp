#include "RecordingScreen.h"

#include "Game.h"

namespace velko {

namespace {

// "I00" and "I0" are the empty cell; "I5", "T5", "A5" carry colour 5.
std::string ColourOf(const std::string& picture)
{
    if (picture == "I00" || picture == "I0")
        return "0";
    return picture.substr(1);
}

int PreviewSlotAt(int x, int y)
{
    for (std::size_t slot = 0; slot < kPreviewSlots.size(); ++slot)
        if (kPreviewSlots[slot].x == x && kPreviewSlots[slot].y == y)
            return static_cast<int>(slot);
    return -1;
}

} // namespace

void RecordingScreen::note(const std::string& line)
{
    if (!recording_)
        return;
    events.push_back(line);
    if (echo_)
        *echo_ << line << '\n';
}

void RecordingScreen::paintCell(int x, int y, const std::string& picture)
{
    if (recording_)
        pictures.push_back({x, y, picture});
    note("draw " + std::to_string(x / kCellSize) + ' ' + std::to_string(y / kCellSize) + ' ' + ColourOf(picture));
}

void RecordingScreen::refreshBoard() { note("refresh"); }

void RecordingScreen::paintPreview(int x, int y, const std::string& picture)
{
    if (recording_)
        previews.push_back({x, y, picture});
    note("preview " + std::to_string(PreviewSlotAt(x, y)) + ' ' + ColourOf(picture));
}

void RecordingScreen::refreshWindow() { note("refresh window"); }

void RecordingScreen::showMarker(int column, int row, const std::string& picture)
{
    markerShown = true;
    note("marker " + std::to_string(column) + ' ' + std::to_string(row) + ' ' + ColourOf(picture));
}

void RecordingScreen::hideMarker()
{
    markerShown = false;
    note("marker off");
}

void RecordingScreen::wipePicture(const std::string& fileName) { note("wipe " + fileName); }

void RecordingScreen::sleepMs(int ms)
{
    sleptMs += ms;
    note("sleep " + std::to_string(ms));
}

void RecordingScreen::playSound(int effect) { note("sound " + std::to_string(effect)); }

void RecordingScreen::stopMusic() { note("music stop"); }

void RecordingScreen::setBoardEnabled(bool on)
{
    boardEnabled = on;
    note(on ? "board on" : "board off");
}

void RecordingScreen::setScoreTimer(bool on)
{
    timerOn = on;
    note(on ? "timer on" : "timer off");
}

void RecordingScreen::setScoreLabels(const std::string& text)
{
    labels = text;
    note("label " + text);
}

void RecordingScreen::newHighScore(std::int32_t score) { note("highscore " + std::to_string(score)); }

} // namespace velko
