#pragma once
// The names of the built-in cell pictures, 45 x 45 each, among the program's
// resources under :/cells/: the two empty cells of the chequered board, a
// ball of each colour, the picked-up ball under the marker, and a ball in
// each of the three preview places. The picture tool writes them under these
// names; the board, the preview and the tests read them back. Colours go by
// their number, 1 to 8.

#include <QString>

namespace velko::cellPictures {

// The empty cell: I00 where column + row is even, I0 elsewhere.
inline QString emptyCell(int column, int row)
{
    return (column + row) % 2 == 0 ? QStringLiteral("I00") : QStringLiteral("I0");
}
inline QString ball(int colour)
{
    return QStringLiteral("I%1").arg(colour);
}
// What a board cell shows: its ball, or the empty cell when `colour` is 0.
inline QString boardCell(int column, int row, int colour)
{
    return colour > 0 ? ball(colour) : emptyCell(column, row);
}
inline QString pickedUpBall(int colour)
{
    return QStringLiteral("T%1").arg(colour);
}
// A ball in the preview place of the family 'A', 'B' or 'C'.
inline QString previewBall(char family, int colour)
{
    return QStringLiteral("%1%2").arg(QLatin1Char(family)).arg(colour);
}

}   // namespace velko::cellPictures
