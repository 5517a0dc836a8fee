#pragma once
// Self-play: whole games of random legal moves against a recording screen,
// checking the game's promises after every turn. Used by the soak test and
// by the velko-soak tool.

#include <cstdint>
#include <string>
#include <vector>

namespace velko {

struct SelfPlaySummary {
    std::int64_t games = 0;
    std::int64_t turns = 0;            // board clicks of both kinds
    std::int64_t moves = 0;            // accepted moves
    std::int64_t lines = 0;            // runs of five or more found
    std::int64_t ballsRemoved = 0;     // removal list entries
    std::int64_t longRouteSteps = 0;   // steps beyond the route search's bound
    std::int32_t maxScore = 0;
    std::vector<std::string> faults;   // empty when every check held
};

// Plays `games` games, the even ones with five colours and the odd ones with
// eight, all from one seed. Stops early after the first few faults.
SelfPlaySummary playSelfGames(std::int64_t games, std::uint32_t seed);

std::string describeSummary(const SelfPlaySummary& summary);

}   // namespace velko
