#pragma once
// The pointing hand shown over every button: 32 × 32, black outline, white
// fill, index finger up, its tip at (5, 0), which is the hot spot.

#include <QImage>
#include <QPoint>

namespace velko::pictures {

constexpr int kCursorPixels = 32;
inline const QPoint kCursorHotSpot(5, 0);

QImage drawHandCursor();

}   // namespace velko::pictures
