#pragma once
// The game's one rounding rule, to the nearest whole number with halves to the
// even one (2.5 -> 2, 3.5 -> 4): for the pixel of a click on the board, the
// level a volume bar is clicked to, and the numbers in the game's text files.

#include <cmath>

namespace velko {

// std::nearbyint rounds in the current rounding mode, and the game never
// leaves the default one: to nearest, halves to even.
inline float roundHalfToEven(float value)
{
    return std::nearbyint(value);
}
inline double roundHalfToEven(double value)
{
    return std::nearbyint(value);
}

}   // namespace velko
