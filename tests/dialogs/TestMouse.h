#pragma once
// Mouse events handed straight to a widget, with the buttons held and the keys down.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace velko::test {

inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button,
                      Qt::MouseButtons held, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    sendMouse(widget, QEvent::MouseButtonPress, at, button, button, keys);
}

inline void moveTo(QWidget* widget, QPointF at, Qt::MouseButtons held = Qt::NoButton)
{
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}

inline void release(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// A full left click in the middle of the widget.
inline void click(QWidget* widget)
{
    const QPointF middle(widget->width() / 2.0, widget->height() / 2.0);
    press(widget, middle);
    release(widget, middle);
}

} // namespace velko::test
