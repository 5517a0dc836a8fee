#pragma once
// Reading the game's small text files: splitting them into lines and reading
// a line as a number, the way a player's hand-edited file is most likely written.

#include <QByteArray>
#include <QList>
#include <QString>

namespace velko {

// How a text's lines end.
enum class LineEnds {
    // At CR, at CR LF or at a lone LF, so files edited on Windows, old Macs
    // and Linux all read alike.
    Any,
    // As the file itself was written: a text with a CR LF anywhere ends lines
    // only at CR LF, so a lone LF or CR inside a line stays in it; one with
    // lone CRs only ends them at CR; one with no CR at all ends them at LF.
    AsWritten,
};

// Splits text into lines. A line end at the very end of the text does not
// start another, empty line. At most `maxLines` lines are returned; a leading
// UTF-8 byte-order mark is skipped.
QList<QByteArray> splitTextLines(const QByteArray& text, int maxLines, LineEnds ends = LineEnds::Any);

// Reads a line as a decimal number: an optional sign, digits with an optional
// fraction and exponent, spaces and tabs around it ignored. False for anything
// else, including numbers too large to hold.
bool readNumber(const QByteArray& line, double& value);

}   // namespace velko
