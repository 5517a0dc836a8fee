#pragma once
// Shared ground for the window and dialog tests: a game window whose desktop
// only takes notes, mouse events sent straight to real widgets, hands for
// modal dialogs, pictures to compare with, and every control's place.

#include <QTest>
#include <QtWidgets>
#include <functional>
#include <gtest/gtest.h>

#include "BoardGeometry.h"
#include "BoardView.h"
#include "CellPictureNames.h"
#include "DataPaths.h"
#include "DialogTitle.h"
#include "GameData.h"
#include "GameSession.h"
#include "GameWindow.h"
#include "GifWriter.h"
#include "LevelBar.h"
#include "Pictures.h"
#include "SoundPlayer.h"
#include "StartScreen.h"
#include "StartUp.h"
#include "WebPages.h"
#include "WindowLayout.h"

namespace velko::test {

// A sound that notes what the game asks of it: "click", "new game", "tune 3",
// "pause", "resume", "shut down".
struct RecordingSound final : SilentSound {
    void play(Sound sound) override { heard.push_back(nameOf(sound)); }
    void startTune(int tune) override { heard.push_back("tune " + std::to_string(tune)); }
    void pauseTune() override { heard.push_back("pause"); }
    void resumeTune() override { heard.push_back("resume"); }
    void shutDown() override { heard.push_back("shut down"); }
    std::vector<std::string> heard;

    static std::string nameOf(Sound sound)   // in the order of the Sound values
    {
        const char* const names[] = {"select",   "step",      "refused",    "lines removed",
                                     "new game", "game over", "high score", "click"};
        return names[static_cast<int>(sound)];
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TearDown();
        ASSERT_EQ(runStartUp(mediaFolder(), data).problem(), QString());
    }
    void TearDown() override
    {
        QFile::remove(settingsFilePath());
        QFile::remove(gameInfoFilePath());
        for (const GameKind kind : {GameKind::Normal, GameKind::Challenge})
            QFile::remove(savedGamePath(kind));
    }
    static QString savedGamePath(GameKind kind)
    {
        return userDataFolder() + '/' + QString::fromLatin1(savedGameFileName(kind));
    }
    // A session whose game window is built, their desktops only taking notes.
    std::unique_ptr<GameSession> makeSession()
    {
        auto session = std::make_unique<GameSession>(data, sound, *random);
        session->window().desktop() = {[this](int ms) { sleeps.push_back(ms); }, [this](QWidget*) { ++windowMoves; }};
        session->desktop() = {[this](const QUrl& url) {
                                  urls.push_back(url);
                                  return opens;
                              },
                              [this] { ++programEnds; }};
        return session;
    }
    // A new game on the shown window, no question asked.
    std::unique_ptr<GameSession> startedSession(GameKind kind = GameKind::Normal)
    {
        auto session = makeSession();
        data.kind = kind;
        session->pressNewGame();
        session->window().show();
        return session;
    }
    static bool bothFilesWritten() { return QFile::exists(settingsFilePath()) && QFile::exists(gameInfoFilePath()); }

    GameData data;
    RecordingSound sound;
    // The windows draw from a seeded source, so every run deals alike; a test
    // that needs particular balls scripts them instead.
    SystemRandom seeded{20261207u};
    RandomSource* random = &seeded;
    std::vector<int> sleeps;
    std::vector<QUrl> urls;
    bool opens = true;   // what the desktop answers to an open
    int programEnds = 0;
    int windowMoves = 0;   // moves of the window handed to the desktop
};

template <typename T = QWidget>
T* part(QObject& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control named " << name;
    return widget;
}
// A control of the session's game window, or the session's own score clock.
template <typename T = QWidget>
T* part(GameSession& session, const char* name)
{
    if (T* found = session.findChild<T*>(QString::fromLatin1(name)))
        return found;
    return part<T>(session.window(), name);
}
inline BoardView* boardOf(GameSession& session)
{
    return part<BoardView>(session.window(), "board");
}
inline QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}
inline QImage pixels(QWidget* widget)
{
    return rgb(widget->grab().toImage());
}

// Every control of the window at its place in the layout, found by its name
// (the window by its own); `inside` is what the places count from (a
// dialog's inside, within its frame).
inline void expectPlaces(layout::Window which, QWidget& window, QWidget& inside)
{
    int checked = 0;
    for (const auto& [inWindow, p] : layout::kAllPlaces) {
        if (inWindow != which)
            continue;
        SCOPED_TRACE(window.objectName().toStdString() + ' ' + p.name);
        QWidget* w = window.objectName() == QLatin1String(p.name) ? &window : part(window, p.name);
        if (!w)
            continue;
        const QRect g(w == &window ? QPoint() : w->mapTo(&inside, QPoint()), w->size());
        const double x = p.anchor == layout::Anchor::Right    ? g.x() + g.width()
                         : p.anchor == layout::Anchor::Centre ? g.x() + g.width() / 2.0
                                                              : g.x();
        for (auto [seen, wanted, slack] : {std::tuple{x, p.x, p.anchor == layout::Anchor::Centre ? 1.0 : 0.0},
                                           {g.y(), p.y, 0.0},
                                           {g.width(), p.width, 0.0},
                                           {g.height(), p.height, 0.0}})
            if (wanted != layout::kFree) {
                EXPECT_NEAR(seen, wanted, slack);
            }
        ++checked;
    }
    EXPECT_GT(checked, 0) << window.objectName().toStdString();
}

// The cell picture at the given density, as the board shows it.
inline QImage cellPicture(const QString& name, int scale = 1)
{
    return rgb(loadPicture(QStringLiteral(":/cells/") + name, scale));
}

// Fills the board with value(column, row), drawn, nothing selected.
inline void setBoard(GameSession& session, const std::function<int(int, int)>& value)
{
    Grid<Colour> board{};
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            session.window().drawCell({column, row}, board[column][row] = colourNumbered(value(column, row)));
    session.game().setBoard(board);
    session.game().dropSelection();
    boardOf(session)->refresh();
}

// Every cell on the screen shows the picture of its Board value.
inline void expectBoardShowsGame(GameSession& session, int scale = 1)
{
    const QImage shown = pixels(boardOf(session));
    const int cell = kCellSize * scale;
    for (int c = 0; c < kCells * kCells; ++c) {
        const int column = c / kCells, row = c % kCells, value = numberOf(session.game().board()[column][row]);
        EXPECT_EQ(shown.copy(column * cell, row * cell, cell, cell),
                  cellPicture(cellPictures::boardCell(column, row, value), scale))
            << column << ", " << row;
    }
}

// A full click in the middle of a control, through Qt's test driver.
inline void press(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}
inline void clickCell(GameSession& session, int column, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(boardOf(session), button, Qt::NoModifier, QPoint(column * 45 + 22, row * 45 + 22));
}

// Single mouse events sent straight to a widget, at a point of its own.
inline void mouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                  Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(widget, &event);
}
inline void pressAt(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    mouse(widget, QEvent::MouseButtonPress, at, button, button, keys);
}
inline void moveTo(QWidget* widget, QPointF at, Qt::MouseButtons held = Qt::NoButton)
{
    mouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}
inline void release(QWidget* widget, QPointF at)
{
    mouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// A press dragged off the widget and released outside it.
inline void pressAndDragOff(QWidget* widget)
{
    pressAt(widget, {3, 3});
    moveTo(widget, {widget->width() + 30.0, 3}, Qt::LeftButton);
    release(widget, {widget->width() + 30.0, 3});
}

// While the returned watcher lives, each modal dialog that shows is handed to
// `act`; one that `act` leaves open, or any at all when there is no act, is a
// failure and is closed, so one broken test cannot stall the run.
inline std::unique_ptr<QTimer> onDialogs(std::function<void(QDialog&)> act = {})
{
    auto watcher = std::make_unique<QTimer>();
    QObject::connect(watcher.get(), &QTimer::timeout, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && act)
            act(*dialog);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << "dialog " << dialog->objectName().toStdString() << " left open";
            dialog->done(-1);
        }
    });
    watcher->start(0);
    return watcher;
}
// The act of answering a dialog with a full click on the named button.
inline std::function<void(QDialog&)> pressing(const char* button)
{
    return [button](QDialog& dialog) { press(part(dialog, button)); };
}

// The act, on a dialog that must belong to `owner`: a child of it, and a
// window the window system keeps with it (on Wayland its xdg parent).
inline std::function<void(QDialog&)> ownedBy(QWidget* owner, std::function<void(QDialog&)> act)
{
    return [owner, act](QDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), owner) << dialog.objectName().toStdString();
        EXPECT_EQ(dialog.windowHandle()->transientParent(), owner->windowHandle()) << dialog.objectName().toStdString();
        act(dialog);
    };
}

// The title a dialog shows, and that only the left button alone on its
// title strip drags the dialog, once a press.
inline void checkTitleStrip(QDialog& dialog, const QString& text)
{
    auto* strip = part(dialog, "titleStrip");
    auto* title = part<QLabel>(dialog, "title");
    EXPECT_EQ(title->text(), text);
    int drags = 0;
    const auto counter =
        QObject::connect(dialog.findChild<WindowDrag*>(), &WindowDrag::dragStarted, [&drags] { ++drags; });
    moveTo(strip, {50, 5}, Qt::RightButton);
    moveTo(strip, {50, 5}, Qt::LeftButton | Qt::RightButton);
    moveTo(title, {5, 5});
    EXPECT_EQ(drags, 0);
    moveTo(strip, {50, 5}, Qt::LeftButton);
    moveTo(strip, {52, 5}, Qt::LeftButton);
    pressAt(title, {5, 5});
    moveTo(title, {6, 5}, Qt::LeftButton);
    EXPECT_EQ(drags, 2);
    QObject::disconnect(counter);
}

// Ticks of the running score clock, the way the clock sends them; it must
// still be running before each of them.
inline void tick(QTimer* clock, int times = 1)
{
    while (times-- > 0) {
        ASSERT_TRUE(clock->isActive()) << times + 1 << " ticks still to come";
        QTimerEvent event(clock->timerId());
        QCoreApplication::sendEvent(clock, &event);
    }
}

// A one-pixel picture, as a JPEG or GIF by its name's ending.
inline void writeDot(const QString& path, const QColor& colour)
{
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(colour);
    QFile file(path);
    const QByteArray gif = pictures::encodeGif(dot, false);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(path.endsWith(QLatin1String(".jpg")) ? dot.save(&file, "JPG", 100) : file.write(gif) == gif.size());
}

}   // namespace velko::test
