#pragma once
// Reading the game's small text files: splitting them into lines and reading
// a line as a number, the way a player's hand-edited file is most likely written.

#include <QByteArray>
#include <QList>
#include <QString>

namespace velko {

// Splits text into lines. A line ends at CR, at CR LF or at a lone LF (so
// files edited on Windows, old Macs and Linux all read alike). A line end at
// the very end of the text does not start another, empty line. At most
// `maxLines` lines are returned; a leading UTF-8 byte-order mark is skipped.
QList<QByteArray> splitTextLines(const QByteArray& text, int maxLines);

// Reads a line as a decimal number: an optional sign, digits with an optional
// fraction and exponent, spaces and tabs around it ignored. False for anything
// else, including numbers too large to hold.
bool readNumber(const QByteArray& line, double& value);

// Rounds to the nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
double roundHalfToEven(double value);

} // namespace velko
