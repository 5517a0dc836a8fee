#pragma once
// Writes the cell pictures in the form the game keeps them: a Windows bitmap
// file with a 40-byte information header, 16 bits per pixel (5 bits each of
// red, green and blue, top bit clear), rows bottom-up, padded to 4 bytes.

#include <QByteArray>
#include <QImage>

namespace velko::pictures {

// dither: spread the rounding to 5 bits over a 4 × 4 ordered pattern, which
// keeps the balls' gradients smooth at 32 levels per channel.
QByteArray encodeBmp555(const QImage& image, bool dither);

}   // namespace velko::pictures
