#pragma once
// Plays a written scenario against the game with a recording screen: board
// set-ups, scripted random values, clicks, timer ticks and state dumps. The
// events come out one per line as they happen.

#include <istream>
#include <ostream>

namespace velko {

// Exit statuses of a scenario run.
constexpr int kScenarioDone = 0;
constexpr int kScenarioBadLine = 2;
constexpr int kScenarioRandomExhausted = 3;

int runScenario(std::istream& in, std::ostream& out);

}   // namespace velko
