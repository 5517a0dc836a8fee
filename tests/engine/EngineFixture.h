#pragma once
// A game on a recording screen with scripted random values.

#include <gtest/gtest.h>

#include <algorithm>

#include "Game.h"
#include "RecordingScreen.h"
#include "ScriptedRandom.h"

namespace velko {

using Events = std::vector<std::string>;

// The random value that picks outcome `value` of "n - floor(n * r)", in the middle of its range.
inline float pick(int n, int value)
{
    return (static_cast<float>(n - value) + 0.5f) / static_cast<float>(n);
}
// The value that picks board index i from "8 - floor(9 * r)".
inline float boardIndex(int i)
{
    return pick(9, i + 1);
}

class EngineTest : public ::testing::Test {
protected:
    RecordingScreen screen;
    ScriptedRandom random;
    Game game{screen, random};
};

}   // namespace velko
