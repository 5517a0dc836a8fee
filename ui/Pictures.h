#pragma once
// Loads the game's pictures at the density of the screen. On a screen with more
// than one device pixel to a logical pixel (150 %, 200 % scaling) the partner
// picture name@2x beside name is loaded instead, drawn at twice the size, but
// only when it belongs to the picture: exactly twice its size and not older
// than it. A media author who replaces back.gif and keeps our back@2x.gif sees
// their own picture, scaled up smoothly; so does a media set with no partners.
// Either way the picture carries its device pixel ratio, so it is drawn at the
// same logical size and place: positions and sizes never change with the screen.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

class QWidget;

namespace velko {

// 2 when a screen of the desktop has a device pixel ratio above 1, else 1:
// the density of the surfaces that keep the game's drawing.
int pictureScale();
// The density of the screen `widget` is on now: 2 or 1.
int pictureScale(const QWidget& widget);

// Where the partner of a picture for `scale` would be: "medias/back@2x.gif"
// for "medias/back.gif", ":/cells/I1@2x" for ":/cells/I1"; the path itself for 1.
QString scaledPicturePath(const QString& path, int scale);

// The picture at `scale`: its partner when that belongs to it, else the
// picture itself scaled smoothly (a null image when it cannot be read).
QImage loadPicture(const QString& path, int scale = pictureScale());
// The same for a picture whose file has been read already: `bytes` stand for
// the file at `path`, which is not opened again.
QImage loadPicture(const QString& path, const QByteArray& bytes, int scale = pictureScale());
QPixmap loadPixmap(const QString& path, int scale = pictureScale());

// The program icon, in each of its sizes.
QIcon programIcon();

}   // namespace velko
