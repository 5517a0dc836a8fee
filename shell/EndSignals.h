#pragma once
// The signals that end a run from outside (kill, Ctrl+C, a closed terminal or
// a logout) become an ordinary call on the event loop, so the run still ends
// the normal way and the player's files are saved.

#include <functional>

namespace velko {

// Catches SIGTERM, SIGINT and SIGHUP and calls `onEnd` from the event loop
// (a QCoreApplication must exist). SIGXFSZ is ignored, so a file-size limit is
// an ordinary write error of the save rather than the end of the program.
void catchEndSignals(std::function<void()> onEnd);

}   // namespace velko
