#pragma once
// What the whole program shares for the run: the texts of sysinfo.txt, the
// edition, the high-score table, the kind of game chosen and the player's
// saved files. main() makes the one object and hands it to every window.

#include <QString>
#include <array>
#include <cstdint>

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

    const QString& text(Text entry) const { return texts[static_cast<std::size_t>(entry)]; }
};

}   // namespace velko
