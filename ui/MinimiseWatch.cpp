#include "MinimiseWatch.h"

namespace velko {

template <typename Change>
void MinimiseWatch::update(Change change)
{
    const bool before = away();
    change();
    if (away() != before && onChange)
        onChange(away());
}

void MinimiseWatch::minimiseAsked()
{
    asked_ = true;
}

void MinimiseWatch::stateChanged(Qt::WindowStates states)
{
    update([&] {
        // Maximised and full-screen states come from the compositor everywhere;
        // a minimised state only where the window system reports it.
        enlarged_ = states & (Qt::WindowMaximized | Qt::WindowFullScreen);
        if (stateReported_)
            minimised_ = states & Qt::WindowMinimized;
    });
}

void MinimiseWatch::activationChanged(bool active)
{
    if (stateReported_)
        return;
    update([&] {
        if (active)
            asked_ = minimised_ = false;
        else if (asked_)
            minimised_ = true;
    });
}

void MinimiseWatch::inputArrived()
{
    if (!minimised_)
        asked_ = false;
}

}   // namespace velko
