#pragma once
// The faces the game's windows ask for, and where they are missing, the nearest
// faces Debian brings.

#include <QFont>
#include <QString>

namespace velko {

// The game's windows ask for Tahoma, Verdana and SimSun by name. Where those
// are not installed, these are the nearest faces Debian brings: a condensed
// humanist sans for Tahoma (so the dates of the high-score table still fit),
// Vera's descendant for Verdana, and a face with Chinese glyphs for SimSun so
// names typed in any script show.
void installFontSubstitutes();

// A face by family name at a size in points (fractions of a point kept).
QFont gameFont(const QString& family, double points);

}   // namespace velko
