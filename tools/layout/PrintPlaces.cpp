// velko-places: the layout table as text, for the scripts that drive the real
// game with xdotool (the leak check and the benchmarks), so that they click
// where the windows put their controls instead of keeping numbers of their own.
// Each line: window control x y width height ("-" where the layout leaves it free),
// x by the control's anchor (left edge, right edge or middle).

#include <cstdio>

#include "WindowLayout.h"

int main()
{
    using namespace velko::layout;
    const auto windowName = [](Window window) {
        switch (window) {
        case Window::Game: return "game";
        case Window::Start: return "start";
        case Window::Message: return "message";
        case Window::HighScores: return "highscores";
        case Window::NameEntry: return "nameentry";
        }
        return "?";
    };
    for (const Entry& entry : kAllPlaces) {
        const Place& p = entry.place;
        std::printf("%s %s", windowName(entry.window), p.name);
        for (const int value : {p.x, p.y, p.width, p.height}) {
            if (value == kFree)
                std::printf(" -");
            else
                std::printf(" %d", value);
        }
        std::printf("\n");
    }
    return 0;
}
