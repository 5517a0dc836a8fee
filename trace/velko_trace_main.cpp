// velko-trace: reads a scenario on standard input and prints what the game
// does, one event per line, with no window and no real waiting.
#include <iostream>

#include "ScenarioRunner.h"

int main()
{
    std::ios::sync_with_stdio(false);
    const int status = velko::runScenario(std::cin, std::cout);
    std::cout.flush();
    return status;
}
