#include <gtest/gtest.h>

#include <limits>

#include "BoardGeometry.h"

namespace velko {
namespace {

TEST(BoardGeometry, PixelsRoundHalfToEvenAndClicksOffTheBoardGiveNoCell)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Pixel, and the cell index it lies in; -1 off the board.
    const std::pair<float, int> cases[] = {{0.0f, 0},   {-0.5f, 0},   {-0.6f, -1},  {-1.0f, -1}, {22.5f, 0},
                                           {44.5f, 0},  {44.6f, 1},   {45.5f, 1},   {89.5f, 2},  {404.4f, 8},
                                           {404.5f, 8}, {404.6f, -1}, {405.0f, -1}, {1e9f, -1},  {-1e9f, -1},
                                           {nan, -1},   {inf, -1},    {-inf, -1}};
    for (const auto& [pixel, index] : cases) {
        const std::optional<Cell> none;
        EXPECT_EQ(cellIndexAt(pixel), index) << pixel;
        EXPECT_EQ(cellAt(pixel, 200.0f), index < 0 ? none : Cell({index, 4})) << pixel;
        EXPECT_EQ(cellAt(200.0f, pixel), index < 0 ? none : Cell({4, index})) << pixel;
    }
}

}   // namespace
}   // namespace velko
