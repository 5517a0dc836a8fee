#pragma once
// Shared ground for the window tests: a main window whose desktop only takes
// notes, pixel pictures to compare with, and a hand for modal dialogs.

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "StartScreen.h"
#include "BoardView.h"
#include "DataPaths.h"
#include "GameWindow.h"
#include "LevelBar.h"
#include "GameData.h"
#include "StartUp.h"
#include "Sound.h"
#include "WebPages.h"

namespace velko::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TearDown();
        ASSERT_EQ(runStartUp(mediaFolder(), data), QString());
    }
    void TearDown() override
    {
        QFile::remove(settingsFilePath());
        QFile::remove(gameInfoFilePath());
    }
    std::unique_ptr<GameWindow> makeWindow()
    {
        auto window = std::make_unique<GameWindow>(data);
        window->desktop() = {[this](int ms) { sleeps.push_back(ms); }, [this](const QUrl& url) { urls.push_back(url); return opens; },
                             [this](QWidget*) { ++windowMoves; }, [this] { ++programEnds; }};
        return window;
    }
    // A new game on the shown window, no question asked.
    std::unique_ptr<GameWindow> startedWindow(GameKind kind = GameKind::Normal)
    {
        auto window = makeWindow();
        data.kind = kind;
        window->pressNewGame();
        window->show();
        return window;
    }
    static bool bothFilesWritten() { return QFile::exists(settingsFilePath()) && QFile::exists(gameInfoFilePath()); }

    GameData data;
    std::vector<int> sleeps;
    std::vector<QUrl> urls;
    bool opens = true;   // what the desktop answers to an open
    int programEnds = 0;
    int windowMoves = 0;   // moves of the window handed to the desktop
};

template <typename T = QWidget>
T* part(QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control named " << name;
    return widget;
}
inline BoardView* boardOf(GameWindow& window) { return part<BoardView>(window, "board"); }
inline QTimer* clockOf(GameWindow& window) { return part<QTimer>(window, "scoreClock"); }
inline QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
inline QImage pixels(QWidget* widget) { return rgb(widget->grab().toImage()); }

// The cell picture as the board shows it: on black.
inline QImage cellPicture(const QString& name)
{
    const QImage picture(QStringLiteral(":/cells/") + name);
    EXPECT_FALSE(picture.isNull()) << "no cell picture " << name.toStdString();
    QImage cell(kCellSize, kCellSize, QImage::Format_RGB32);
    cell.fill(Qt::black);
    QPainter(&cell).drawImage(0, 0, picture);
    return cell;
}

// Fills the board with value(column, row), drawn, nothing selected.
inline void setBoard(GameWindow& window, const std::function<int(int, int)>& value)
{
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            window.game().drawCell({column, row}, window.game().board[column][row] = ColourNumbered(value(column, row)));
    window.game().dropSelection();
    boardOf(window)->refresh();
}

// Every cell on the screen shows the picture of its Board value.
inline void expectBoardShowsGame(GameWindow& window)
{
    const QImage shown = pixels(boardOf(window));
    for (int c = 0; c < kCells * kCells; ++c) {
        const int column = c / kCells, row = c % kCells, value = NumberOf(window.game().board[column][row]);
        const QString name = value > 0 ? QStringLiteral("I%1").arg(value) : QString(c % 2 ? "I0" : "I00");
        EXPECT_EQ(shown.copy(column * 45, row * 45, 45, 45), cellPicture(name)) << column << ", " << row;
    }
}

inline void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center()); }
inline void clickCell(GameWindow& window, int column, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(boardOf(window), button, Qt::NoModifier, QPoint(column * 45 + 22, row * 45 + 22));
}

// While the watcher lives, modal dialogs get the named button pressed; with
// no button named, any dialog is a failure: noted and closed.
inline std::unique_ptr<QTimer> answerDialogs(const char* button = nullptr)
{
    auto watcher = std::make_unique<QTimer>();
    QObject::connect(watcher.get(), &QTimer::timeout, [button] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            QWidget* target = button ? dialog->findChild<QWidget*>(QString::fromLatin1(button)) : nullptr;
            if (target && target->isVisible())
                return press(target);
            ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
            dialog->close();
        }
    });
    watcher->start(0);
    return watcher;
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

} // namespace velko::test
