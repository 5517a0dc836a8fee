#pragma once
// The game in progress, kept between runs so that a quit, a logout, a power
// cut or a crash never loses it: one small text file per game kind beside the
// two player files, written after every turn.
//
//   velko-lines game 1        what the file is, and its version
//   kind normal               or challenge
//   score 1230
//   next 2 3 7                the three previewed colours
//   board                     nine rows, the top one first, one character a
//   .....1...                 cell from the left: '.' empty, 1..8 a ball
//   ...
//   check 5e2a                a checksum of everything above, to tell a damaged file

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "Game.h"

namespace velko {

struct SavedGame {
    GameKind kind = GameKind::Normal;
    Grid<Colour> board{};
    std::array<Colour, kPreviewSlots> nextColours{};
    std::int32_t score = 0;

    bool operator==(const SavedGame& other) const
    {
        return kind == other.kind && board == other.board && nextColours == other.nextColours && score == other.score;
    }
};

struct SavedGameRead {
    enum Outcome { Missing, Read, Damaged, Newer } outcome = Missing;
    SavedGame game;
    QString reason;   // what is wrong with a damaged or newer file
};

// The file's name for a game kind.
QByteArray savedGameFileName(GameKind kind);
// Everything the game reads of such a file.
constexpr qint64 kLargestSavedGame = 4096;

QByteArray formatSavedGame(const SavedGame& game);
// Reads a file meant for `kind`: a file of another kind, with a colour that
// kind never deals, cut short, changed by hand or by a failing disk is
// damaged; one of a later version of the game is newer.
SavedGameRead parseSavedGame(const QByteArray& bytes, GameKind kind);

}   // namespace velko
