#pragma once
// The rules of the high-score table and the dates it keeps.

#include <QDateTime>
#include <QString>
#include <cstdint>

#include "ScoreRecord.h"

namespace velko {

// Eight entries named `name`, 1000 points down to 90 in steps of 130, all dated `now`.
ScoreTable defaultScoreTable(const QString& name, double now);
// A score makes the table when it beats the eighth entry; equal is not enough.
bool qualifies(const ScoreTable& table, std::int32_t points);
// Puts the record in at its rank (an older entry with equal points stays above)
// and drops the eighth. Returns the index it landed at.
int insertScore(ScoreTable& table, const ScoreRecord& record);

// Dates as the table stores them: days since 30 December 1899, local time.
double toDateValue(const QDateTime& moment);
QDateTime fromDateValue(double when);   // invalid for NaN or out-of-range values
double nowDateValue();
// Short date and long time, the time left out at exactly midnight; empty for a
// date that is not a real one.
QString generalDateText(double when);

}   // namespace velko
