#pragma once
// Reduces a picture to at most 256 colours for GIF: pictures with few colours
// keep them exactly; others get a median-cut palette, optionally with
// Floyd–Steinberg dithering so gradients stay smooth.

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace velko::pictures {

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;           // at most 256 colours
    std::vector<std::uint8_t> indices;   // width × height, row by row
};

IndexedPicture quantize(const QImage& image, bool dither);

}   // namespace velko::pictures
