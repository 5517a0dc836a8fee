#pragma once
// Where the game's windows open: every one of them in the middle of the
// screen. On Wayland the compositor places windows itself (a dialog centred on
// the window it belongs to), so the game leaves placement to it there.

class QWidget;

namespace velko {

// Whether the game runs on Wayland, whose compositor places windows itself and
// never tells a program that it was minimised.
bool onWayland();

// Puts a top-level window in the middle of the screen it is on (the first
// screen before it has one), clear of the desktop's panels. Does nothing where
// the compositor places windows.
void centreOnScreen(QWidget* window);

}   // namespace velko
