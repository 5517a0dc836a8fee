// velko-soak: plays many games of random legal moves and checks every turn.
// Usage: velko-soak [--games N] [--seed S]
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "SelfPlay.h"

int main(int argc, char** argv)
{
    long long games = 1000;
    unsigned long seed = 1;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        char* end = nullptr;
        if (std::strcmp(argv[i], "--games") == 0 && hasValue) {
            games = std::strtoll(argv[++i], &end, 10);
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            seed = std::strtoul(argv[++i], &end, 10);
        } else {
            std::cerr << "usage: velko-soak [--games N] [--seed S]\n";
            return 2;
        }
        if (end == nullptr || *end != '\0' || games < 0) {
            std::cerr << "velko-soak: '" << argv[i] << "' is not a number\n";
            return 2;
        }
    }
    const velko::SelfPlaySummary summary = velko::playSelfGames(games, static_cast<std::uint32_t>(seed));
    std::cout << velko::describeSummary(summary) << '\n';
    for (const std::string& fault : summary.faults)
        std::cout << "fault: " << fault << '\n';
    return summary.faults.empty() ? 0 : 1;
}
