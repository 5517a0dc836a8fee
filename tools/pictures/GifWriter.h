#pragma once
// A small GIF encoder (GIF89a, one image, a 256-entry global colour table,
// LZW-compressed data), enough for the game's still pictures.

#include "ColourQuantizer.h"

#include <QByteArray>
#include <QImage>

namespace velko::pictures {

QByteArray encodeGif(const IndexedPicture& picture);
QByteArray encodeGif(const QImage& image, bool dither);

}   // namespace velko::pictures
