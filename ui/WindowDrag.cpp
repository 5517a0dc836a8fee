#include "WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace velko {

WindowDrag::WindowDrag(QWidget* window, StartMove startMove)
    : QObject(window),
      window_(window),
      startMove_(std::move(startMove))
{}

void WindowDrag::addHandle(QWidget* handle)
{
    handle->installEventFilter(this);
}

void WindowDrag::systemMove(QWidget* window)
{
    if (QWindow* handle = window->windowHandle())
        handle->startSystemMove();
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        started_ = false;
    if (event->type() == QEvent::MouseMove && !started_ &&
        static_cast<QMouseEvent*>(event)->buttons() == Qt::LeftButton) {
        started_ = true;
        if (QWidget* holder = QWidget::mouseGrabber())
            holder->releaseMouse();
        emit dragStarted();
        startMove_(window_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}   // namespace velko
