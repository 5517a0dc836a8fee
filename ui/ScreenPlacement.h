#pragma once
// Where the game's windows open: every one of them in the middle of the screen.

class QWidget;

namespace velko {

// Puts a top-level window in the middle of the screen it is on (the first
// screen before it has one), clear of the desktop's panels.
void centreOnScreen(QWidget* window);

}   // namespace velko
