#pragma once
// medias/sysinfo.txt: the edition number on the first line, then the game's
// 75 texts, each behind a two-character prefix that the game drops. The file
// is UTF-8, or for a media set made for the older Windows program the Windows
// code page of the player's language (decodeLegacyText()).

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "Outcome.h"

namespace velko {

struct TextTable {
    std::uint8_t edition = 0;
    std::array<QString, 100> texts;   // 0..74 from the file, 75..99 stay empty
};

// Both fill `table`, or fail with a sentence saying what is wrong with the
// file, for the start-up error box.
Outcome parseTextTable(const QByteArray& bytes, TextTable& table);
Outcome readTextTable(const QString& path, TextTable& table);

}   // namespace velko
