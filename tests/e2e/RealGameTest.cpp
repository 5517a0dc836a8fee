// A player's session on a real X server: start a normal game from the start
// screen, make moves with the mouse until the board changes by more than the
// move itself, quit through the question, and find both files saved.

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "ScreenBoard.h"
#include "XSession.h"

namespace {

const QPoint kBoardOffset(30, 38);     // the board inside the main window
const QPoint kNormalGame(330, 322);    // the normal-game button on the start screen
const QPoint kQuit(621, 10);           // the quit button of the main window

QImage cellPicture(const char* name)
{
    return QImage(QString(VELKO_SOURCE_DIR "/resources/cells/%1.bmp").arg(name));
}

// Reads gameinfo.cfg as eight records and tells whether it ends right after them.
bool holdsExactlyEightRecords(const QByteArray& bytes)
{
    qsizetype at = 0;
    for (int record = 0; record < 8; ++record) {
        if (at + 2 > bytes.size())
            return false;
        const int nameLength = static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
        at += 2 + nameLength + 4 + 8;
    }
    return at == bytes.size();
}

} // namespace

TEST(RealGame, PlayMovesThenQuitSavesBothFiles)
{
    XSession session;
    if (!session.started())
        GTEST_SKIP() << session.error().toStdString();
    const QImage oneRing = cellPicture("I0"), threeRings = cellPicture("I00");
    ASSERT_FALSE(oneRing.isNull());
    ASSERT_FALSE(threeRings.isNull());

    ASSERT_TRUE(session.launch(VELKO_GAME_EXE));
    QRect start;
    ASSERT_TRUE(session.waitForWindow(640, 480, start)) << "the start screen never appeared";
    session.pause(500);
    session.click(start.x() + kNormalGame.x(), start.y() + kNormalGame.y());
    session.pause(1500);

    QRect window;
    ASSERT_TRUE(session.waitForWindow(640, 480, window)) << "the main window never appeared";
    const QPoint origin = window.topLeft() + kBoardOffset;
    ScreenBoard board(oneRing, threeRings);
    board.read(session.screenshot(), origin);
    ASSERT_GE(board.balls(), 1) << "a new game starts with balls on the board";
    ASSERT_LE(board.balls(), 3);

    // Move a ball to a neighbouring empty cell (always reachable) until the
    // board shows more than the move: new balls arrived or a line went away.
    bool changed = false;
    for (int attempt = 0; attempt < 5 && !changed; ++attempt) {
        int fromC = -1, fromR = -1, toC = -1, toR = -1;
        for (int c = 0; c < 9 && toC < 0; ++c)
            for (int r = 0; r < 9 && toC < 0; ++r) {
                if (!board.occupied(c, r))
                    continue;
                const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (const auto& s : steps) {
                    const int nc = c + s[0], nr = r + s[1];
                    if (nc >= 0 && nc < 9 && nr >= 0 && nr < 9 && !board.occupied(nc, nr)) {
                        fromC = c, fromR = r, toC = nc, toR = nr;
                        break;
                    }
                }
            }
        ASSERT_GE(toC, 0) << "no ball with an empty neighbour";
        const int before = board.balls();
        session.click(origin.x() + fromC * 45 + 22, origin.y() + fromR * 45 + 22);
        session.pause(300);
        session.click(origin.x() + toC * 45 + 22, origin.y() + toR * 45 + 22);
        session.pause(2500);
        board.read(session.screenshot(), origin);
        changed = board.balls() != before;
        if (changed && board.balls() > before) {
            EXPECT_TRUE(board.occupied(toC, toR)) << "the moved ball is not on its target";
        }
    }
    EXPECT_TRUE(changed) << "no move brought new balls or removed a line";

    // Quit: the question comes in the game's own dialog; answer Yes.
    session.click(window.x() + kQuit.x(), window.y() + kQuit.y());
    QRect dialog;
    for (int waited = 0; waited < 10000 && dialog.isNull(); waited += 250) {
        session.pause(250);
        for (const QRect& r : session.gameWindows())
            if (r.width() < 300 && r.height() < 300)
                dialog = r;
    }
    ASSERT_FALSE(dialog.isNull()) << "the quit question did not appear";
    session.pause(300);
    // Yes sits 60 pixels from the dialog's left edge, its bottom 7 pixels above the dialog's.
    session.click(dialog.x() + 1 + 60 + 11, dialog.bottom() - 19);
    int exitCode = -1;
    ASSERT_TRUE(session.waitForExit(10000, exitCode)) << "the game did not end after Yes";
    EXPECT_EQ(exitCode, 0);

    QFile settings(session.userDataFolder() + "/mysetting.cfg");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray(" 50 \r\n 50 \r\n"));
    QFile scores(session.userDataFolder() + "/gameinfo.cfg");
    ASSERT_TRUE(scores.open(QIODevice::ReadOnly));
    EXPECT_TRUE(holdsExactlyEightRecords(scores.readAll()));
}

// Ended from outside (a logout or `kill`): the run still saves, with the level just set.
TEST(RealGame, ALevelSetJustBeforeAKillIsSaved)
{
    XSession session;
    if (!session.started())
        GTEST_SKIP() << session.error().toStdString();
    ASSERT_TRUE(session.launch(VELKO_GAME_EXE));
    QRect start;
    ASSERT_TRUE(session.waitForWindow(640, 480, start)) << "the start screen never appeared";
    session.pause(300);
    session.click(start.x() + kNormalGame.x(), start.y() + kNormalGame.y());
    session.pause(1000);
    QRect window;
    ASSERT_TRUE(session.waitForWindow(640, 480, window)) << "the main window never appeared";
    session.click(window.x() + 560 + 19, window.y() + 436 + 5);   // the music bar, near its 20th step
    session.pause(300);
    session.sendTerminate();
    int exitCode = -1;
    ASSERT_TRUE(session.waitForExit(10000, exitCode)) << "the game did not end on SIGTERM";
    QFile settings(session.userDataFolder() + "/mysetting.cfg");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = settings.readAll().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], " 50 \r");
    EXPECT_NE(lines[1], " 50 \r");
    EXPECT_TRUE(lines[1].startsWith(" 2") || lines[1].startsWith(" 1")) << lines[1].toStdString();
}
