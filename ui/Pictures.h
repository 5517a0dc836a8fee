#pragma once
// Loads the game's pictures at the density of the screen. On a screen with more
// than one device pixel to a logical pixel (150 %, 200 % scaling) the partner
// picture name@2x beside name is loaded instead, drawn at twice the size; a
// media set without it falls back to the ordinary picture. Either way the
// picture carries its device pixel ratio, so it is drawn at the same logical
// size and place: positions and sizes never change with the screen.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace velko {

// 2 when a screen of the desktop has a device pixel ratio above 1, else 1.
int pictureScale();

// Where the partner of a picture for `scale` would be: "medias/back@2x.gif"
// for "medias/back.gif", ":/cells/I1@2x" for ":/cells/I1"; the path itself for 1.
QString scaledPicturePath(const QString& path, int scale);

// The picture at `scale` if its partner can be read, else the picture itself
// (a null image when neither can).
QImage loadPicture(const QString& path, int scale = pictureScale());
QPixmap loadPixmap(const QString& path, int scale = pictureScale());

// The program icon, in each of its sizes.
QIcon programIcon();

}   // namespace velko
