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

#include "About.h"
#include "BoardView.h"
#include "DataPaths.h"
#include "Form1.h"
#include "LevelBar.h"
#include "ProgramState.h"
#include "SoundPlayer.h"
#include "WebPages.h"

namespace velko::test {

// A sound that notes what the game asks of it: "effect 76", "tune 3", "stop",
// "pause", "resume", "shut down".
struct RecordingSound final : SilentSound {
    void playEffect(int effect) override { heard.push_back("effect " + std::to_string(effect)); }
    void startTune(int tune) override { heard.push_back("tune " + std::to_string(tune)); }
    void stopTune() override { heard.push_back("stop"); }
    void pauseTune() override { heard.push_back("pause"); }
    void resumeTune() override { heard.push_back("resume"); }
    void shutDown() override { heard.push_back("shut down"); }
    std::vector<std::string> heard;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TearDown();
        ASSERT_EQ(RunStartUp(mediaFolder()), QString());
    }
    void TearDown() override
    {
        QFile::remove(settingsFilePath());
        QFile::remove(gameInfoFilePath());
    }
    std::unique_ptr<Form1> makeWindow()
    {
        auto window = std::make_unique<Form1>(sound);
        window->desktop() = {[this](int ms) { sleeps.push_back(ms); }, [this](const QUrl& url) { urls.push_back(url); },
                             [](QWidget*) {}, [this] { ++programEnds; }};
        return window;
    }
    // A new game on the shown window, no question asked.
    std::unique_ptr<Form1> startedWindow(std::uint8_t mode = 3)
    {
        auto window = makeWindow();
        GameMode = mode;
        window->newgame_MouseDown();
        window->show();
        return window;
    }
    static bool bothFilesWritten() { return QFile::exists(settingsFilePath()) && QFile::exists(gameInfoFilePath()); }

    RecordingSound sound;
    std::vector<int> sleeps;
    std::vector<QUrl> urls;
    int programEnds = 0;
};

template <typename T = QWidget>
T* part(QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control named " << name;
    return widget;
}
inline BoardView* boardOf(Form1& window) { return part<BoardView>(window, "PictureBox0"); }
inline QTimer* clockOf(Form1& window) { return part<QTimer>(window, "Timer1"); }
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
inline void setBoard(Form1& window, const std::function<int(int, int)>& value)
{
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            window.game().drawCell({column, row}, window.game().board[column][row] = ColourNumbered(value(column, row)));
    window.game().dropSelection();
    boardOf(window)->refresh();
}

// Every cell on the screen shows the picture of its Board value.
inline void expectBoardShowsGame(Form1& window)
{
    const QImage shown = pixels(boardOf(window));
    for (int c = 0; c < kCells * kCells; ++c) {
        const int column = c / kCells, row = c % kCells, value = NumberOf(window.game().board[column][row]);
        const QString name = value > 0 ? QStringLiteral("I%1").arg(value) : QString(c % 2 ? "I0" : "I00");
        EXPECT_EQ(shown.copy(column * 45, row * 45, 45, 45), cellPicture(name)) << column << ", " << row;
    }
}

inline void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center()); }
inline void clickCell(Form1& window, int column, int row, Qt::MouseButton button = Qt::LeftButton)
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
