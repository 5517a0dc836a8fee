#pragma once
// Shared ground for the window tests: a main window whose desktop only takes
// notes, pictures to compare pixels with, and a hand for modal dialogs.

#include <QImage>
#include <QTimer>
#include <QString>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "BoardView.h"
#include "Form1.h"

namespace velko::test {

// What the main window asked of the desktop.
struct DesktopLog {
    std::vector<int> sleeps;
    std::vector<QUrl> openedUrls;
    int moves = 0;
    int programEnds = 0;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A main window with the recording desktop.
    std::unique_ptr<Form1> makeWindow();
    // A new game on the window, no question asked.
    std::unique_ptr<Form1> startedWindow(std::uint8_t mode = 3);

    DesktopLog log;
};

BoardView* boardOf(Form1& window);
template <typename T = QWidget>
T* part(QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control named " << name;
    return widget;
}

// The cell picture as the board shows it.
QImage cellPicture(const QString& name);
// What the board shows at cell (column, row) right now.
QImage shownCell(BoardView& board, int column, int row);
// The picture that shows a cell of this value at (column, row).
QString boardPictureName(std::int32_t value, int column, int row);
// Every cell on the screen shows the picture of its Board value.
void expectBoardShowsGame(Form1& window);

// Presses the named button of the next modal dialog once it is open.
void answerNextDialog(const QString& buttonName);

// While it lives, any modal dialog is a failure: it is noted and closed.
class NoDialogExpected {
public:
    NoDialogExpected();
    ~NoDialogExpected();
    NoDialogExpected(const NoDialogExpected&) = delete;
    NoDialogExpected& operator=(const NoDialogExpected&) = delete;

private:
    QTimer* watcher_;
};

// Sends a mouse move with these buttons held to the widget, as the system would.
void moveWithButtons(QWidget* widget, QPoint position, Qt::MouseButtons buttons);

// Clicks the left button at the middle of board cell (column, row).
void clickCell(Form1& window, int column, int row, Qt::MouseButton button = Qt::LeftButton);

// Sends the window's score timer one tick, the way the clock would.
void tick(QObject* timer);

} // namespace velko::test
