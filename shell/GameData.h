#pragma once
// What the whole program shares for the run: the texts of sysinfo.txt, the
// edition, the high-score table, the kind of game chosen and the player's
// saved files. main() makes the one object and hands it to every window.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <utility>

#include "Game.h"
#include "SavedFiles.h"
#include "ScoreRecord.h"

namespace velko {

// The entries of the text table the game shows, by their number in sysinfo.txt.
enum class Text {
    DefaultPlayer = 0,   // the name in the first high-score table
    Title = 1,           // window and dialog captions
    NamesHeading = 6,    // the high-score columns
    PointsHeading = 7,
    DatesHeading = 8,
    NamePrompt = 13,       // asks a new record's name
    NamelessPlayer = 14,   // the name of a record left unnamed
    QuitQuestion = 15,
    HighScoresTitle = 26,
    NewGameQuestion = 42,    // asked before a running game is thrown away
    ContinueQuestion = 43,   // offers back the game left at the last run; %1 its points
};

struct GameData {
    std::array<QString, 100> texts;
    std::uint8_t edition = 0;   // 1 opens the product page and our own help
    GameKind kind = GameKind::Normal;
    ScoreTable highScores;
    SavedFiles savedFiles;
    // The window pictures as the start-up read them, by media file name: each
    // window takes its own when it is built, so the file is opened only once.
    std::map<QString, QByteArray> checkedPictures;

    const QString& text(Text entry) const { return texts[static_cast<std::size_t>(entry)]; }
    // The bytes of a picture the start-up read, given up to the window that
    // shows it; empty when there are none (the window reads the file then).
    QByteArray takePicture(const char* name)
    {
        auto kept = checkedPictures.extract(QLatin1String(name));
        return kept ? std::move(kept.mapped()) : QByteArray();
    }
};

}   // namespace velko
