#pragma once
// Drags a window by the widgets given as handles: the game window by its bare
// picture, a dialog by its title strip. The first move with the left button
// alone held after a press hands the window to the system's own move (on
// Wayland the compositor's), once per press: moves queued before the system
// took over must not start another after the button is up, which would leave
// the window following the pointer.

#include <QObject>
#include <functional>

class QWidget;

namespace velko {

class WindowDrag : public QObject {
    Q_OBJECT
public:
    using StartMove = std::function<void(QWidget* window)>;
    // `startMove` hands the window to the system; tests put a recorder in its place.
    explicit WindowDrag(QWidget* window, StartMove startMove = systemMove);
    void addHandle(QWidget* handle);

    // The window system's own move of the window, with the pointer.
    static void systemMove(QWidget* window);

signals:
    void dragStarted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    StartMove startMove_;
    bool started_ = false;   // a move of the window, by the current press
};

}   // namespace velko
