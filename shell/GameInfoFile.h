#pragma once
// gameinfo.cfg: the eight high-score records, each a 2-byte little-endian name
// length, the UTF-8 name, 4-byte points and an 8-byte date (days since
// 30 December 1899), with nothing before, between or after them.

#include <QByteArray>
#include <QString>

#include "ProgramState.h"

namespace velko {

ScoreTable parseGameInfo(const QByteArray& bytes);
QByteArray formatGameInfo(const ScoreTable& table);
bool readGameInfo(const QString& path, ScoreTable& table);   // false when there is no such file
bool writeGameInfo(const QString& path, const ScoreTable& table);   // replaces the file atomically

} // namespace velko
