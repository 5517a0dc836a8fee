// What stands in for the window frame: dragging, minimising, quitting, help
// and web, the hidden board, and the new-game question.

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "DataPaths.h"
#include "LevelBar.h"
#include "ProgramState.h"
#include "Sound.h"
#include "WebPages.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using ChromeTest = WindowTest;

void press(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

bool bothFilesWritten()
{
    return QFileInfo::exists(settingsFilePath()) && QFileInfo::exists(gameInfoFilePath());
}

// Everything the new-game question must leave alone.
struct GameSnapshot {
    Grid<std::int32_t> board;
    std::array<std::int32_t, 4> selection;
    std::array<std::int32_t, 3> preview;
    std::int32_t score;
    QString scoreText;
    QImage boardPixels;
    QImage windowPixels;
    bool clockRunning;
    bool markerShown;

    explicit GameSnapshot(Form1& window)
        : board(window.game().Board), selection(window.game().Sel), preview(window.game().NextColor),
          score(window.game().Score), scoreText(part<QLabel>(window, "Label1_0")->text()),
          boardPixels(boardOf(window)->image()), windowPixels(window.surface()),
          clockRunning(part<QTimer>(window, "Timer1")->isActive()),
          markerShown(part(window, "Picture2")->isVisible())
    {
    }

    bool operator==(const GameSnapshot& other) const
    {
        return board == other.board && selection == other.selection && preview == other.preview
               && score == other.score && scoreText == other.scoreText && boardPixels == other.boardPixels
               && windowPixels == other.windowPixels && clockRunning == other.clockRunning
               && markerShown == other.markerShown;
    }
};

// A running game with a selected ball and some score on the labels.
std::int32_t selectSomeBall(Form1& window)
{
    const Game& game = window.game();
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            if (game.Board[c][r] != 0) {
                clickCell(window, c, r);
                return c;
            }
    ADD_FAILURE() << "a new game has no ball";
    return -1;
}

TEST_F(ChromeTest, NoToTheNewGameQuestionLeavesTheGameExactlyAsItWas)
{
    auto window = startedWindow();
    // The clock keeps ticking while the question is open; with the score
    // fully counted up a tick changes nothing.
    window->game().Score = 4;
    for (int i = 0; i < 4; ++i)
        tick(part<QTimer>(*window, "Timer1"));
    const std::int32_t selected = selectSomeBall(*window);
    ASSERT_EQ(window->game().Sel[0], selected);
    const GameSnapshot before(*window);

    answerNextDialog(QStringLiteral("cmdno"));
    press(part(*window, "newgame"));

    EXPECT_TRUE(GameSnapshot(*window) == before);
    EXPECT_EQ(part<QLabel>(*window, "Label1_0")->text(), QStringLiteral("4"));
}

TEST_F(ChromeTest, YesToTheNewGameQuestionStartsAfresh)
{
    auto window = startedWindow();
    window->game().Score = 30;
    tick(part<QTimer>(*window, "Timer1"));
    selectSomeBall(*window);

    answerNextDialog(QStringLiteral("cmdyes"));
    press(part(*window, "newgame"));

    EXPECT_EQ(window->game().Score, 0);
    EXPECT_EQ(part<QLabel>(*window, "Label1_0")->text(), QStringLiteral("0"));
    EXPECT_EQ(window->game().Sel[0], kNoSelection);
    EXPECT_FALSE(part(*window, "Picture2")->isVisible());
    EXPECT_TRUE(part<QTimer>(*window, "Timer1")->isActive());
    expectBoardShowsGame(*window);
}

TEST_F(ChromeTest, YesToTheQuitQuestionWritesBothFilesAndEndsOnce)
{
    auto window = startedWindow();
    ASSERT_FALSE(bothFilesWritten());

    answerNextDialog(QStringLiteral("cmdyes"));
    press(part(*window, "ex"));

    EXPECT_TRUE(bothFilesWritten());
    EXPECT_EQ(log.programEnds, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(part<QTimer>(*window, "Timer1")->isActive());

    // Closing once more does not run the end of the run again.
    QFile::remove(settingsFilePath());
    window->close();
    window->EndRun();
    EXPECT_FALSE(QFileInfo::exists(settingsFilePath()));
    EXPECT_EQ(log.programEnds, 1);
}

TEST_F(ChromeTest, NoToTheQuitQuestionKeepsPlaying)
{
    auto window = startedWindow();
    answerNextDialog(QStringLiteral("cmdno"));
    press(part(*window, "ex"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(part<QTimer>(*window, "Timer1")->isActive());
    EXPECT_EQ(log.programEnds, 0);
    EXPECT_FALSE(QFileInfo::exists(settingsFilePath()));
}

TEST_F(ChromeTest, ClosingFromOutsideSavesTheLevelsAndTheTable)
{
    auto window = startedWindow();
    window->ApplyVolumeLevels(VolumeLevels{17, 23});
    window->close();
    EXPECT_TRUE(bothFilesWritten());
    EXPECT_EQ(log.programEnds, 1);
    const VolumeLevels saved = readSettings(settingsFilePath());
    EXPECT_EQ(saved.effects, 17);
    EXPECT_EQ(saved.music, 23);
}

TEST_F(ChromeTest, SpaceMinimisesFromAnywhereAndOtherKeysDoNothing)
{
    auto window = startedWindow();
    QTest::keyClick(part(*window, "newgame"), Qt::Key_A);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_FALSE(window->isMinimized());

    QTest::keyClick(part(*window, "newgame"), Qt::Key_Space);
    EXPECT_TRUE(window->isMinimized());

    window->showNormal();
    ASSERT_FALSE(window->isMinimized());
    QTest::keyClick(boardOf(*window), Qt::Key_Space);
    EXPECT_TRUE(window->isMinimized());
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(ChromeTest, TheTuneRestsWhileTheWindowIsMinimised)
{
    auto window = startedWindow();
    if (!MusicChan)
        GTEST_SKIP() << "no audio output here, so no tune to pause";
    ASSERT_EQ(Mix_PausedMusic(), 0);
    window->showMinimized();
    EXPECT_EQ(Mix_PausedMusic(), 1);
    window->showNormal();
    EXPECT_EQ(Mix_PausedMusic(), 0);
    window->showMaximized();
    EXPECT_EQ(Mix_PausedMusic(), 1);
    window->showNormal();
    EXPECT_EQ(Mix_PausedMusic(), 0);
}

TEST_F(ChromeTest, MinimiseButtonMinimises)
{
    auto window = startedWindow();
    press(part(*window, "min"));
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(ChromeTest, OnlyTheBareSurfaceWithTheLeftButtonAloneDrags)
{
    auto window = startedWindow();
    moveWithButtons(window.get(), QPoint(10, 300), Qt::RightButton);
    moveWithButtons(window.get(), QPoint(10, 300), Qt::LeftButton | Qt::RightButton);
    moveWithButtons(window.get(), QPoint(10, 300), Qt::NoButton);
    EXPECT_EQ(log.moves, 0);

    for (const char* name : {"PictureBox0", "Label1_0", "Label1_1", "Label3", "newgame", "ex", "Picture4_0"})
        moveWithButtons(part(*window, name), QPoint(2, 2), Qt::LeftButton);
    EXPECT_EQ(log.moves, 0);

    moveWithButtons(window.get(), QPoint(10, 300), Qt::LeftButton);
    EXPECT_EQ(log.moves, 1);
}

TEST_F(ChromeTest, FirstEditionOpensTheHelpFileAndTheProductPage)
{
    Edition = 1;
    auto window = startedWindow();
    press(part(*window, "help"));
    press(part(*window, "web"));

    ASSERT_EQ(log.openedUrls.size(), 2u);
    const QUrl help = log.openedUrls[0];
    EXPECT_TRUE(help.isLocalFile());
    const QString expected = QFileInfo::exists(applicationFolder() + "/help.html") ? applicationFolder() + "/help.html"
                                                                                   : applicationFolder() + "/help.chm";
    EXPECT_EQ(help.toLocalFile(), expected);
    EXPECT_EQ(log.openedUrls[1], QUrl(QString::fromLatin1(kProductPage)));
    EXPECT_TRUE(boardOf(*window)->isVisible());
}

TEST_F(ChromeTest, OtherEditionsToggleTheBoardAndOpenTheMakersPage)
{
    Edition = 2;
    auto window = startedWindow();
    press(part(*window, "web"));
    ASSERT_EQ(log.openedUrls.size(), 1u);
    EXPECT_EQ(log.openedUrls[0], QUrl(QString::fromLatin1(kMakerPage)));

    BoardView* board = boardOf(*window);
    press(part(*window, "help"));
    EXPECT_TRUE(board->isHidden());
    press(part(*window, "help"));
    EXPECT_FALSE(board->isHidden());
    press(part(*window, "help"));
    ASSERT_TRUE(board->isHidden());

    // Releases on the boundary or outside the board leave it hidden.
    for (QPoint outside : {QPoint(30, 200), QPoint(200, 38), QPoint(435, 200), QPoint(200, 443), QPoint(10, 10),
                           QPoint(500, 300)}) {
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, outside);
        EXPECT_TRUE(board->isHidden()) << outside.x() << ", " << outside.y();
    }
    QTest::mouseClick(window.get(), Qt::RightButton, Qt::NoModifier, QPoint(31, 39));
    EXPECT_FALSE(board->isHidden());

    press(part(*window, "help"));
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(434, 442));
    EXPECT_FALSE(board->isHidden());
    EXPECT_TRUE(log.openedUrls.size() == 1u);
}

} // namespace
} // namespace velko::test
