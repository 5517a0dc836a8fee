// A player's session on a real X server (Xvfb), driven by xdotool and
// photographed with ImageMagick's import: start a normal game from the start
// screen, gather five balls of one colour in a row with the mouse, see the
// scored line leave the screen, quit through the question and find both files
// saved; and a level set just before the program is killed is saved too.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

#include "Places.h"
#include "files/PlayerHome.h"

using namespace velko;
using velko::test::fileBytes;
using velko::test::place;

namespace {

// A private X server with the game on it, started with a fresh data folder.
class XSession {
public:
    XSession()
    {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return;
        // Xvfb picks a free display and names it. No reset when a client
        // leaves: it can make the next one fail to connect.
        server_.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        bool named = server_.waitForReadyRead(15000);
        const int display = server_.readLine().trimmed().toInt(&named);
        display_ = named ? display : -1;
    }
    ~XSession()
    {
        for (QProcess* process : {&game_, &server_})
            if (process->state() != QProcess::NotRunning)
                process->kill(), process->waitForFinished();
    }
    bool started() const { return display_ >= 0; }
    QString dataFile(const char* name) const { return dataHome_.filePath(QString("velko-lines/") + name); }

    bool launch()
    {
        QProcessEnvironment env = environment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_DATA_HOME", dataHome_.path());
        env.insert("SDL_AUDIODRIVER", "dummy");
        game_.setProcessEnvironment(env);
        game_.setProcessChannelMode(QProcess::ForwardedChannels);
        game_.start(VELKO_GAME_EXE, {});
        return game_.waitForStarted(5000);
    }
    // The outer rectangles of the game's shown windows.
    std::vector<QRect> windows()
    {
        std::vector<QRect> found;
        QRect r;
        const QStringList lines = QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--class", "velko-lines",
                                                                    "getwindowgeometry", "--shell", "%@"}))
                                      .split('\n');
        for (const QString& line : lines) {
            const int value = line.section('=', 1).toInt();
            const QString key = line.section('=', 0, 0);
            key == "X"        ? r.moveLeft(value)
            : key == "Y"      ? r.moveTop(value)
            : key == "WIDTH"  ? r.setWidth(value)
            : key == "HEIGHT" ? r.setHeight(value)
                              : void();
            if (key == "SCREEN" && r.width() > 1 && r.height() > 1)
                found.push_back(r);
        }
        return found;
    }
    // Waits for a shown window that `fits`; a null rectangle if none comes.
    QRect waitForWindow(const std::function<bool(QRect)>& fits, int timeoutMs = 15000)
    {
        for (int waited = 0; waited < timeoutMs; waited += 250, QThread::msleep(250))
            for (const QRect& r : windows())
                if (fits(r))
                    return r;
        return {};
    }
    void click(QPoint at)
    {
        run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())});
        QThread::msleep(100);
        run("xdotool", {"click", "1"});
    }
    QImage screenshot()
    {
        return QImage::fromData(run("import", {"-window", "root", "png:-"}), "PNG")
            .convertToFormat(QImage::Format_RGB32);
    }
    // The exit code once the game ends within ten seconds, else nothing.
    std::optional<int> exitCode()
    {
        if (!game_.waitForFinished(10000))
            return std::nullopt;
        return game_.exitStatus() == QProcess::NormalExit ? game_.exitCode() : -1;
    }
    void terminate() { game_.terminate(); }   // SIGTERM, as a logout or `kill` sends

private:
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString(":%1").arg(display_));
        return env;
    }
    QByteArray run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        process.waitForFinished(15000);
        return process.readAllStandardOutput();
    }

    int display_ = -1;
    QProcess server_, game_;
    QTemporaryDir dataHome_;
};

// Starts the game and a normal game from its start screen; the game window's rectangle.
QRect startNormalGame(XSession& session)
{
    const auto fullSize = [](QRect r) { return std::abs(r.width() - 640) <= 2 && std::abs(r.height() - 480) <= 2; };
    if (!session.launch())
        return {};
    const QRect start = session.waitForWindow(fullSize);
    if (start.isNull())
        return {};
    QThread::msleep(500);
    const auto button = place("start", "ptms");
    session.click(start.topLeft() + QPoint(button.centreX(), button.centreY()));
    QThread::msleep(1500);
    return session.waitForWindow(fullSize);
}

// The board as the screen shows it, cell (column, row) at 9 * column + row:
// 0 empty, 1..8 a ball, -1 a cell that shows no cell picture.
using Board = std::array<int, 81>;

Board readBoard(const QImage& screen, QPoint origin)
{
    static const auto picture = [](const QString& name) {
        return QImage(VELKO_SOURCE_DIR "/resources/cells/" + name + ".bmp").convertToFormat(QImage::Format_RGB32);
    };
    // A few levels of colour rounding a pixel at most.
    const auto looksLike = [&](QPoint topLeft, const QImage& cell) {
        long difference = 0;
        for (int i = 0; i < 45 * 45; ++i) {
            const QRgb a = screen.pixel(topLeft + QPoint(i % 45, i / 45)), b = cell.pixel(i % 45, i / 45);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
        return !cell.isNull() && difference < 6L * 3 * 45 * 45;
    };
    Board board;
    for (int i = 0; i < 81; ++i) {
        const QPoint topLeft = origin + 45 * QPoint(i / 9, i % 9);
        board[i] = looksLike(topLeft, picture(i % 2 ? "I0" : "I00")) ? 0 : -1;
        for (int colour = 1; colour <= 8 && board[i] < 0; ++colour)
            if (looksLike(topLeft, picture(QString("I%1").arg(colour))))
                board[i] = colour;
    }
    return board;
}

int count(const Board& board, int value)
{
    return int(std::count(board.begin(), board.end(), value));
}

// The five cells the player fills: row 4, columns 2 to 6.
bool inLine(int cell)
{
    return cell % 9 == 4 && cell / 9 >= 2 && cell / 9 <= 6;
}

struct Move {
    int from, to, steps;
};

// A ball that `movable` accepts and an empty cell that `target` accepts,
// joined by empty cells with no diagonal steps.
std::optional<Move> findMove(const Board& board, const std::function<bool(int)>& movable,
                             const std::function<bool(int)>& target)
{
    for (int from = 0; from < 81; ++from) {
        if (board[from] <= 0 || !movable(from))
            continue;
        Board steps;
        steps.fill(-1);
        steps[from] = 0;
        std::vector<int> todo{from};
        for (size_t k = 0; k < todo.size(); ++k) {
            const int at = todo[k];
            if (steps[at] > 0 && target(at))
                return Move{from, at, steps[at]};
            for (const int next : {at + 9, at - 9, at % 9 < 8 ? at + 1 : -1, at % 9 ? at - 1 : -1})
                if (next >= 0 && next < 81 && board[next] == 0 && steps[next] < 0)
                    steps[next] = steps[at] + 1, todo.push_back(next);
        }
    }
    return std::nullopt;
}

// The player's next move towards five of one colour on the line (the joker,
// 7, fits any): clear a stranger off it, else bring a ball of the colour it
// holds most of, else move any ball to bring new ones.
std::optional<Move> nextMove(const Board& board)
{
    std::array<int, 9> score{};
    for (int i = 0; i < 81; ++i)
        score[std::max(board[i], 0)] += inLine(i) ? 10 : 1;
    int colour = 1;
    for (int k = 1; k <= 8; ++k)
        if (k != 7 && score[k] > score[colour])
            colour = k;
    const auto fits = [&](int cell) { return board[cell] == colour || board[cell] == 7; };
    const auto offLine = [](int cell) { return !inLine(cell); };
    if (auto clear = findMove(
            board, [&](int from) { return inLine(from) && !fits(from); }, offLine))
        return clear;
    if (auto fill = findMove(
            board, [&](int from) { return !inLine(from) && fits(from); }, inLine))
        return fill;
    return findMove(board, offLine, offLine);
}

// Five of one colour on the line, jokers filling in for any.
bool lineFull(const Board& board)
{
    int colour = 0;
    for (int i = 9 * 2 + 4; i <= 9 * 6 + 4; i += 9) {
        if (board[i] <= 0 || (board[i] != 7 && colour && board[i] != colour))
            return false;
        colour = board[i] == 7 ? colour : board[i];
    }
    return true;
}

}   // namespace

TEST(RealGame, GatherALineSeeItLeaveTheScreenThenQuitSavesBothFiles)
{
    XSession session;
    if (!session.started())
        GTEST_SKIP() << "no X server: Xvfb, xdotool or ImageMagick's import missing";
    const QRect window = startNormalGame(session);
    ASSERT_FALSE(window.isNull()) << "the game window never appeared";
    const auto board = place("main", "board");
    const QPoint origin = window.topLeft() + QPoint(board.x, board.y);
    Board shown = readBoard(session.screenshot(), origin);
    ASSERT_GE(81 - count(shown, 0), 1) << "a new game starts with balls on the board";
    ASSERT_LE(81 - count(shown, 0), 3);

    // Gather five of a colour on the line. The move that completes it must
    // leave the five cells empty on the screen; every other move that
    // removes nothing brings new balls.
    const auto centre = [&](int cell) { return origin + QPoint(cell / 9 * 45 + 22, cell % 9 * 45 + 22); };
    const auto newGame = place("main", "newgame");
    bool scored = false, newBalls = false;
    // The scripted player usually gathers its line in a dozen moves; when the
    // board fills up first, it takes a new game and tries again.
    for (int move = 0; move < 150 && !scored; ++move) {
        const std::optional<Move> next = nextMove(shown);
        ASSERT_TRUE(next) << "no ball can move";
        const int before = count(shown, 0);
        session.click(centre(next->from));
        QThread::msleep(200);
        session.click(centre(next->to));
        // The board once the move, the blink and the new balls are over: two
        // looks in a row alike, with a cell picture in every cell.
        QThread::msleep(600 + 75 * next->steps);
        shown = readBoard(session.screenshot(), origin);
        for (int look = 0; look < 30; ++look) {
            QThread::msleep(300);
            const Board again = readBoard(session.screenshot(), origin);
            if (again == shown && (count(shown, -1) == 0 || count(shown, -1) == 81))
                break;
            shown = again;
        }
        if (count(shown, -1) == 81) {   // the game is over: its end picture covers the board
            // A score good enough for the table asks a name first; its OK keeps the one offered.
            const QRect entry =
                session.waitForWindow([](QRect r) { return r.width() < 400 && r.height() < 300; }, 2000);
            if (!entry.isNull()) {
                const auto ok = place("nameentry", "cmdok");
                session.click(entry.topLeft() + QPoint(1 + ok.centreX(), 1 + ok.centreY()));
                QThread::msleep(500);
            }
            session.click(window.topLeft() + QPoint(newGame.centreX(), newGame.centreY()));
            QThread::msleep(1500);
            shown = readBoard(session.screenshot(), origin);
            continue;
        }
        ASSERT_EQ(count(shown, -1), 0) << "cells that show no cell picture after move " << move;
        if (count(shown, 0) < before) {
            newBalls = true;
            EXPECT_GT(shown[next->to], 0) << "the moved ball is not on its target";
        }
        if (inLine(next->to) && count(shown, 0) > before) {
            scored = true;
            for (int cell = 0; cell < 81; ++cell)
                EXPECT_TRUE(!inLine(cell) || shown[cell] == 0)
                    << "a ball of the scored line is still shown at " << cell;
        }
        EXPECT_FALSE(lineFull(shown)) << "a full line stays on the screen after move " << move;
    }
    EXPECT_TRUE(newBalls) << "no move brought new balls";
    EXPECT_TRUE(scored) << "no line of five was gathered";

    // Quit: the question comes in the game's own dialog; answer Yes.
    const auto quit = place("main", "ex");
    session.click(window.topLeft() + QPoint(quit.centreX(), quit.centreY()));
    const QRect dialog = session.waitForWindow([](QRect r) { return r.width() < 300 && r.height() < 300; });
    ASSERT_FALSE(dialog.isNull()) << "the quit question did not appear";
    QThread::msleep(300);
    // Yes sits inside the one-pixel frame, its bottom 7 pixels above the dialog's.
    const auto yes = place("message", "cmdyes");
    session.click(QPoint(dialog.x() + 1 + yes.centreX(), dialog.bottom() - 19));
    EXPECT_EQ(session.exitCode(), std::optional(0)) << "the game did not end well after Yes";
    EXPECT_EQ(fileBytes(session.dataFile("mysetting.cfg")), QByteArray(" 50 \r\n 50 \r\n"));
    // Eight whole records and nothing after them.
    const QByteArray scores = fileBytes(session.dataFile("gameinfo.cfg"));
    EXPECT_EQ(formatGameInfo(parseGameInfo(scores)), scores) << scores.toHex().toStdString();
}

// Ended from outside (a logout or `kill`): the run still saves, with the level just set.
TEST(RealGame, ALevelSetJustBeforeAKillIsSaved)
{
    XSession session;
    if (!session.started())
        GTEST_SKIP() << "no X server: Xvfb, xdotool or ImageMagick's import missing";
    const QRect window = startNormalGame(session);
    ASSERT_FALSE(window.isNull()) << "the game window never appeared";
    const auto music = place("main", "musicBar");
    session.click(window.topLeft() + QPoint(music.x + 19, music.centreY()));   // near its 20th step
    QThread::msleep(300);
    session.terminate();
    ASSERT_TRUE(session.exitCode()) << "the game did not end on SIGTERM";
    const VolumeLevels levels = parseSettings(fileBytes(session.dataFile("mysetting.cfg")));
    EXPECT_EQ(levels.effects, 50);
    EXPECT_TRUE(levels.music >= 10 && levels.music < 30) << levels.music;
}
