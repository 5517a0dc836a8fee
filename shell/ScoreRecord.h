#pragma once
// One entry of the high-score table, and the table of eight.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace velko {

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

}   // namespace velko
