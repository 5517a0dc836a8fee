#pragma once
// Small single-colour pictures written for the tests, so that the buttons and
// dialogs can be checked by the colour they show.

#include <QColor>
#include <QString>

namespace velko::test {

// A GIF of one colour; Qt reads GIF but cannot write it, so this writes it itself.
bool writeSolidGif(const QString& path, int width, int height, const QColor& colour);
bool writeSolidJpeg(const QString& path, int width, int height, const QColor& colour);

// True when the two colours differ by at most `tolerance` in each channel
// (JPEG does not keep colours exactly).
bool closeTo(const QColor& seen, const QColor& wanted, int tolerance = 12);

} // namespace velko::test
