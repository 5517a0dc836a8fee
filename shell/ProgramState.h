#pragma once
// The program-wide state that every window reads, alive for the whole run.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace velko {

// One entry of the high-score table.
struct ScoreRecord {
    QString name;
    std::int32_t points = 0;
    double when = 0.0;   // days since 30 December 1899, the fraction is the time of day
    // The name's bytes as gameinfo.cfg held them, written back unchanged (a
    // name from an old Windows code page keeps its bytes); empty for a record
    // made in this run, whose name is stored as UTF-8.
    QByteArray nameBytes;
};
using ScoreTable = std::array<ScoreRecord, 8>;   // index 0 is the best

extern std::array<QString, 100> SysInfo;   // the text table of sysinfo.txt
extern std::uint8_t Edition;               // selects what help and web do
extern std::uint8_t GameMode;              // 3 normal game, 0 challenge game
extern ScoreTable HiScore;
extern QString InputName;                  // the name typed in the name entry
extern std::int32_t BoxResult;             // answer of the last message dialog

} // namespace velko
