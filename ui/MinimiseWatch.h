#pragma once
// Whether the player has put the game window away (minimised it) or brought it
// back, from what the window system reports. X11 reports the window's state.
// Wayland never tells a program that it was minimised or restored: there a
// minimise the game asked for, followed by the window losing its activation,
// means the window went away, and its next activation brings it back. A
// compositor that will not minimise (sway) keeps the window active, so nothing
// changes and the tune goes on.

#include <Qt>
#include <functional>

namespace velko {

class MinimiseWatch {
public:
    // `stateReported`: the window system reports minimised and restored states.
    explicit MinimiseWatch(bool stateReported) : stateReported_(stateReported) {}

    // Called with true when the window goes away, with false when it is back.
    std::function<void(bool away)> onChange;

    // Minimised, or out of its normal state (maximised, full screen): the tune rests.
    bool away() const { return minimised_ || enlarged_; }
    bool minimised() const { return minimised_; }

    // The game asks for the window to be minimised (Space, the minimise button).
    void minimiseAsked();
    // What the window system reports.
    void stateChanged(Qt::WindowStates states);
    void activationChanged(bool active);
    // A press or a key on the window: it is plainly there, so a minimise that
    // was refused is forgotten.
    void inputArrived();

private:
    // Applies a change and tells whether the window went away or came back.
    template <typename Change>
    void update(Change change);

    bool stateReported_;
    bool asked_ = false;   // a minimise asked for and not yet seen or refused
    bool minimised_ = false;
    bool enlarged_ = false;
};

}   // namespace velko
