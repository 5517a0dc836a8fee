#pragma once
// gameinfo.cfg: the eight high-score records, each a 2-byte little-endian name
// length, the name (UTF-8, or an old Windows code page in older files), 4-byte points and an 8-byte date (days since
// 30 December 1899), with nothing before, between or after them.

#include <QByteArray>
#include <QString>

#include "ScoreRecord.h"

namespace velko {

ScoreTable parseGameInfo(const QByteArray& bytes);
QByteArray formatGameInfo(const ScoreTable& table);
qint64 largestGameInfo();   // eight records of the longest names: all that is ever read

// A stored name as text: UTF-8 when the bytes are UTF-8, else the Windows code
// page of the player's language (decodeLegacyText()).
QString decodeStoredName(const QByteArray& bytes);
// The bytes a record's name is stored with: those it was read with, else its UTF-8.
QByteArray storedNameBytes(const ScoreRecord& record);

}   // namespace velko
