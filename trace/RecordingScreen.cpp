#include "RecordingScreen.h"

namespace velko {

int traceNumberOf(Sound sound)
{
    switch (sound) {
    case Sound::Select: return 0;
    case Sound::NewGame: return 11;
    case Sound::Refused: return 12;
    case Sound::HighScore: return 13;
    case Sound::GameOver: return 14;
    case Sound::LinesRemoved: return 15;
    case Sound::Step: return 25;
    case Sound::Click: return 76;
    }
    return -1;
}

void RecordingScreen::note(const std::string& line)
{
    events.push_back(line);
    if (echo_)
        *echo_ << line << '\n';
}

void RecordingScreen::drawCell(Cell cell, Colour colour)
{
    note("draw " + std::to_string(cell.column) + ' ' + std::to_string(cell.row) + ' ' +
         std::to_string(numberOf(colour)));
}

void RecordingScreen::refreshBoard()
{
    note("refresh");
}

void RecordingScreen::showPreview(int slot, Colour colour)
{
    note("preview " + std::to_string(slot) + ' ' + std::to_string(numberOf(colour)));
}

void RecordingScreen::refreshWindow()
{
    note("refresh window");
}

void RecordingScreen::showMarker(Cell cell, Colour colour)
{
    markerShown = true;
    note("marker " + std::to_string(cell.column) + ' ' + std::to_string(cell.row) + ' ' +
         std::to_string(numberOf(colour)));
}

void RecordingScreen::hideMarker()
{
    markerShown = false;
    note("marker off");
}

void RecordingScreen::showEnding(Ending ending)
{
    note(ending == Ending::HighScore ? "wipe cmd.gif" : "wipe gameover.gif");
}

void RecordingScreen::sleepMs(int ms)
{
    note("sleep " + std::to_string(ms));
}

void RecordingScreen::playSound(Sound sound)
{
    note("sound " + std::to_string(traceNumberOf(sound)));
}

void RecordingScreen::stopMusic()
{
    note("music stop");
}

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

void RecordingScreen::showScore(std::int32_t score)
{
    setShownScore(score);
    note("label " + labels);
}

void RecordingScreen::newHighScore(std::int32_t score)
{
    note("highscore " + std::to_string(score));
}

}   // namespace velko
