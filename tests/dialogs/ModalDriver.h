#pragma once
// Driving a modal dialog from a test: the test's actions run from the dialog's
// own event loop once it is up, and a dialog a broken test forgets to close is
// closed at the end so that one failure cannot stall the whole run.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "TestMouse.h"

namespace velko::test {

// Runs `act` on the modal dialog once the next modal dialog is showing.
inline void whenModalShows(std::function<void(QDialog& dialog)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog is showing";
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the test left the dialog open";
            dialog->done(-1);
        }
    });
}

template <class Widget = QWidget>
Widget* part(QDialog& dialog, const char* objectName)
{
    auto* found = dialog.findChild<Widget*>(QString::fromLatin1(objectName));
    EXPECT_NE(found, nullptr) << objectName;
    return found;
}

inline void pressKey(QWidget* target, Qt::Key key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
}

} // namespace velko::test
