// Linked into every test program: widgets draw offscreen and sound goes to
// SDL's silent driver unless the caller chose otherwise.
#include <cstdlib>

namespace {
const bool environmentSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();
}
