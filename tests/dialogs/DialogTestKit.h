#pragma once
// Shared by the dialog tests: mouse events sent straight to real widgets, a
// driver for modal dialogs, and one-colour pictures to tell faces apart.

#include <QtWidgets>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "DialogTitle.h"

namespace velko::test {

inline void mouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button,
                  Qt::MouseButtons held, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(widget, &event);
}
inline void press(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers keys = Qt::NoModifier)
{ mouse(widget, QEvent::MouseButtonPress, at, button, button, keys); }
inline void moveTo(QWidget* widget, QPointF at, Qt::MouseButtons held = Qt::NoButton)
{ mouse(widget, QEvent::MouseMove, at, Qt::NoButton, held); }
inline void release(QWidget* widget, QPointF at)
{ mouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
inline void click(QWidget* widget) { press(widget, {3, 3}); release(widget, {3, 3}); }

// A press dragged off the widget and released outside it.
inline void pressAndDragOff(QWidget* widget)
{
    press(widget, {3, 3});
    moveTo(widget, {widget->width() + 30.0, 3}, Qt::LeftButton);
    release(widget, {widget->width() + 30.0, 3});
}

// Runs `act` on the next modal dialog once it shows; a dialog the test leaves
// open is a failure and is closed, so one broken test cannot stall the run.
inline void whenModalShows(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no modal dialog is showing";
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

// The strip along the top of a dialog: where it and its close button sit, the
// title it shows, and that only the left button alone on it drags the dialog.
inline void checkTitleStrip(QDialog& dialog, int width, int exLeft, const QString& text)
{
    auto* strip = part(dialog, "titleStrip");
    auto* title = part<QLabel>(dialog, "title");
    EXPECT_EQ(strip->geometry(), QRect(0, -1, width, 22));
    EXPECT_EQ(part(dialog, "ex")->geometry(), QRect(exLeft, 5, 10, 10));
    EXPECT_EQ(title->text(), text);
    EXPECT_EQ(title->pos(), QPoint(25, 3));
    int drags = 0;
    const auto counter = QObject::connect(dialog.findChild<CaptionDrag*>(), &CaptionDrag::dragStarted,
                                          [&drags] { ++drags; });
    moveTo(strip, {50, 5}, Qt::RightButton);
    moveTo(strip, {50, 5}, Qt::LeftButton | Qt::RightButton);
    moveTo(title, {5, 5});
    EXPECT_EQ(drags, 0);
    moveTo(strip, {50, 5}, Qt::LeftButton);
    moveTo(strip, {52, 5}, Qt::LeftButton);   // one move of the window per press
    press(title, {5, 5});
    moveTo(title, {6, 5}, Qt::LeftButton);
    EXPECT_EQ(drags, 2);
    QObject::disconnect(counter);
}

// A one-pixel picture: JPEG through Qt, GIF spelled out since Qt cannot write
// it (a two-entry colour table and one LZW-coded pixel of entry 0).
inline void writeDot(const QString& path, const QColor& colour)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QImage jpeg(1, 1, QImage::Format_RGB32);
    jpeg.fill(colour);
    const char tail[] = "\0\0\0,\0\0\0\0\1\0\1\0\0\2\2\x44\1\0;";
    QByteArray gif = QByteArray("GIF89a\1\0\1\0\x80\0\0", 13) + char(colour.red())
                     + char(colour.green()) + char(colour.blue()) + QByteArray(tail, sizeof tail - 1);
    ASSERT_TRUE(path.endsWith(QLatin1String(".jpg")) ? jpeg.save(&file, "JPG", 100)
                                                     : file.write(gif) == gif.size());
}

} // namespace velko::test
