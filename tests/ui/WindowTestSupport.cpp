#include "WindowTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include "About.h"
#include "DataPaths.h"
#include "ProgramState.h"

namespace velko::test {

void WindowTest::SetUp()
{
    QFile::remove(settingsFilePath());
    QFile::remove(gameInfoFilePath());
    ASSERT_EQ(RunStartUp(applicationFolder() + QStringLiteral("/medias")), QString());
    Edition = 1;
    GameMode = 3;
}

void WindowTest::TearDown()
{
    QFile::remove(settingsFilePath());
    QFile::remove(gameInfoFilePath());
}

std::unique_ptr<Form1> WindowTest::makeWindow()
{
    auto window = std::make_unique<Form1>();
    Form1::Desktop& desktop = window->desktop();
    desktop.sleep = [this](int ms) { log.sleeps.push_back(ms); };
    desktop.openUrl = [this](const QUrl& url) { log.openedUrls.push_back(url); };
    desktop.startMove = [this](QWidget*) { ++log.moves; };
    desktop.endProgram = [this] { ++log.programEnds; };
    return window;
}

std::unique_ptr<Form1> WindowTest::startedWindow(std::uint8_t mode)
{
    auto window = makeWindow();
    GameMode = mode;
    window->newgame_MouseDown();
    window->show();
    return window;
}

BoardView* boardOf(Form1& window) { return part<BoardView>(window, "PictureBox0"); }

QImage cellPicture(const QString& name)
{
    const QImage picture(QStringLiteral(":/cells/") + name);
    EXPECT_FALSE(picture.isNull()) << "no cell picture " << name.toStdString();
    QImage cell(kCellSize, kCellSize, QImage::Format_RGB32);
    cell.fill(Qt::black);
    QPainter painter(&cell);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
    return cell;
}

QImage shownCell(BoardView& board, int column, int row)
{
    return board.grab(QRect(column * kCellSize, row * kCellSize, kCellSize, kCellSize))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QString boardPictureName(std::int32_t value, int column, int row)
{
    if (value < 1)
        return (column + row) % 2 == 0 ? QStringLiteral("I00") : QStringLiteral("I0");
    return QStringLiteral("I%1").arg(value);
}

void expectBoardShowsGame(Form1& window)
{
    BoardView* board = boardOf(window);
    ASSERT_NE(board, nullptr);
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row) {
            const std::int32_t value = window.game().Board[column][row];
            EXPECT_EQ(shownCell(*board, column, row), cellPicture(boardPictureName(value, column, row)))
                << "cell (" << column << ", " << row << ") does not show value " << value;
        }
}

void answerNextDialog(const QString& buttonName)
{
    auto* watcher = new QTimer;
    watcher->setInterval(0);
    QObject::connect(watcher, &QTimer::timeout, watcher, [watcher, buttonName] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        watcher->stop();
        watcher->deleteLater();
        QWidget* button = dialog->findChild<QWidget*>(buttonName);
        if (!button || !button->isVisible()) {
            ADD_FAILURE() << "the dialog has no visible button " << buttonName.toStdString();
            dialog->close();
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    });
    watcher->start();
}

NoDialogExpected::NoDialogExpected() : watcher_(new QTimer)
{
    watcher_->setInterval(0);
    QObject::connect(watcher_, &QTimer::timeout, watcher_, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "an unexpected dialog opened: " << dialog->objectName().toStdString();
            dialog->close();
        }
    });
    watcher_->start();
}

NoDialogExpected::~NoDialogExpected() { delete watcher_; }

void moveWithButtons(QWidget* widget, QPoint position, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(position), QPointF(widget->mapToGlobal(position)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void clickCell(Form1& window, int column, int row, Qt::MouseButton button)
{
    QTest::mouseClick(boardOf(window), button, Qt::NoModifier,
                      QPoint(column * kCellSize + kCellSize / 2, row * kCellSize + kCellSize / 2));
}

void tick(QObject* timer)
{
    auto* clock = qobject_cast<QTimer*>(timer);
    ASSERT_NE(clock, nullptr);
    ASSERT_TRUE(clock->isActive());
    QTimerEvent event(clock->timerId());
    QCoreApplication::sendEvent(clock, &event);
}

} // namespace velko::test
