#pragma once
// Mouse events as the game's handlers take them: buttons 1 left, 2 right,
// 4 middle, and keys 1 Shift, 2 Ctrl, 4 Alt, each summed when several are down.

#include <Qt>

namespace velko {

inline int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
           (buttons & Qt::MiddleButton ? 4 : 0);
}

inline int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0) +
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}   // namespace velko
