// A player's session on a real X server (Xvfb), driven by xdotool and
// photographed with ImageMagick's import: start a normal game from the start
// screen, gather five balls of one colour in a row with the mouse, see the
// scored line leave the screen, quit through the question and find both files
// saved; and a level set just before the program is killed is saved too.

#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include "GameOnScreen.h"
#include "files/PlayerHome.h"

using namespace velko;
using namespace velko::test;

namespace {

// A private X server with the game on it, and a normal game started from the game's start screen.
class RealGame : public GameOnScreen {
protected:
    void SetUp() override
    {
        // Xvfb picks a free display and names it. No reset when a client
        // leaves: it can make the next one fail to connect.
        server_.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        bool named = server_.waitForReadyRead(15000);
        const int display = server_.readLine().trimmed().toInt(&named);
        if (!named || QStandardPaths::findExecutable("xdotool").isEmpty() ||
            QStandardPaths::findExecutable("import").isEmpty())
            GTEST_SKIP() << "no X server: Xvfb, xdotool or ImageMagick's import missing";
        env_.insert("DISPLAY", QString(":%1").arg(display));
        env_.insert("QT_QPA_PLATFORM", "xcb");
        game_.setProcessChannelMode(QProcess::ForwardedChannels);
        startNormalGame();
    }
    void TearDown() override
    {
        GameOnScreen::TearDown();
        if (server_.state() != QProcess::NotRunning)
            server_.kill(), server_.waitForFinished();
    }

    QRect waitForWindow(const std::function<bool(QRect)>& fits, int timeoutMs = 15000) override
    {
        static const QRegularExpression geometry("X=(-?\\d+)\nY=(-?\\d+)\nWIDTH=(\\d+)\nHEIGHT=(\\d+)");
        for (int waited = 0; waited < timeoutMs; waited += 250, QThread::msleep(250)) {
            const QString shown = run(
                "xdotool", {"search", "--onlyvisible", "--class", "velko-lines", "getwindowgeometry", "--shell", "%@"});
            for (auto found = geometry.globalMatch(shown); found.hasNext();) {
                const QStringList at = found.next().capturedTexts();
                const QRect r(at[1].toInt(), at[2].toInt(), at[3].toInt(), at[4].toInt());
                if (r.width() > 1 && r.height() > 1 && fits(r))
                    return r;
            }
        }
        return {};
    }
    void click(QPoint at) override
    {
        run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "sleep", "0.1", "click", "1"});
    }
    QImage screenshot() override { return QImage::fromData(run("import", {"-window", "root", "png:-"}), "PNG"); }

    QProcess server_;
};

}   // namespace

TEST_F(RealGame, GatherALineSeeItLeaveTheScreenThenQuitSavesBothFiles)
{
    playUntilALineIsScored();
    if (!HasFatalFailure())
        quitAndAnswerYes();   // the question comes in the game's own dialog
}

// Ended from outside (a logout or `kill`): the run still saves, with the level just set.
TEST_F(RealGame, ALevelSetJustBeforeAKillIsSaved)
{
    click(window.topLeft() + QPoint(layout::kMusicBar.x + 19, layout::kMusicBar.centre().y()));   // near its 20th step
    QThread::msleep(300);
    game_.terminate();   // SIGTERM, as a logout or `kill` sends
    ASSERT_TRUE(game_.waitForFinished(10000)) << "the game did not end on SIGTERM";
    const VolumeLevels levels = parseSettings(fileBytes(dataFile("mysetting.cfg")));
    EXPECT_EQ(levels.effects, 50);
    EXPECT_TRUE(levels.music >= 10 && levels.music < 30) << levels.music;
}

// A game killed midway (a crash, a power cut) is offered back at the next start
// of its kind: Yes shows the same board, preview and score; after a quit it is
// offered again, and No starts a fresh game.
TEST_F(RealGame, AGameKilledMidwayIsTakenUpAsItStoodAndNoStartsAfresh)
{
    // The board, and the three preview places and the score as the screen shows them.
    const auto look = [this] {
        const Board board = settledBoard();
        QThread::msleep(2500);   // the shown score counts up to the score
        const QImage screen = screenshot();
        std::vector<QImage> places;
        for (const layout::PreviewPlace& preview : layout::kPreviewPlaces)
            places.push_back(screen.copy(QRect(window.topLeft() + preview.topLeft(), QSize(45, 45))));
        // The score and its shadow, centred where the layout puts them.
        const QPoint score = window.topLeft() + layout::kScore.topLeft();
        places.push_back(screen.copy(QRect(score.x() - 37, score.y() - 4, 90, 30)));
        return std::pair{board, places};
    };
    playMoves(6);
    const auto [board, places] = look();
    game_.kill();   // SIGKILL: nothing at the end of the run happens
    ASSERT_TRUE(game_.waitForFinished(10000));

    startNormalGame();
    ASSERT_TRUE(answerQuestion(layout::kYesButton)) << "the game left was not offered back";
    QThread::msleep(1000);
    const auto [boardAgain, placesAgain] = look();
    EXPECT_EQ(boardAgain, board);
    EXPECT_TRUE(placesAgain == places) << "the preview or the score differ";
    quitAndAnswerYes();
    if (HasFatalFailure())
        return;

    startNormalGame();
    ASSERT_TRUE(answerQuestion(layout::kNoButton)) << "the game left was not offered again";
    QThread::msleep(1000);
    const Board fresh = settledBoard();
    EXPECT_TRUE(81 - count(fresh, 0) >= 1 && 81 - count(fresh, 0) <= 3) << "a fresh game has its first balls only";
}
