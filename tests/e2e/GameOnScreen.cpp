#include "GameOnScreen.h"

#include <QThread>
#include <map>

#include "files/PlayerHome.h"

namespace velko::test {

namespace {

// The five cells the player fills: row 4, columns 2 to 6.
bool inLine(int cell)
{
    return cell % 9 == 4 && cell / 9 >= 2 && cell / 9 <= 6;
}

// A ball that `movable` accepts and an empty cell that `target` accepts,
// joined by empty cells with no diagonal steps.
std::optional<Move> findMove(const Board& board, const std::function<bool(int)>& movable,
                             const std::function<bool(int)>& target)
{
    for (int from = 0; from < 81; ++from) {
        if (board[from] <= 0 || !movable(from))
            continue;
        std::map<int, int> steps{{from, 0}};   // the cells reached, and in how many steps
        std::vector<int> todo{from};
        for (size_t k = 0; k < todo.size(); ++k) {
            const int at = todo[k];
            if (steps[at] > 0 && target(at))
                return Move{from, at, steps[at]};
            for (const int next : {at + 9, at - 9, at % 9 < 8 ? at + 1 : -1, at % 9 ? at - 1 : -1})
                if (next >= 0 && next < 81 && board[next] == 0 && !steps.count(next))
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
    const auto stranger = [&](int cell) { return inLine(cell) && !fits(cell); };
    const auto fitting = [&](int cell) { return !inLine(cell) && fits(cell); };
    if (auto clear = findMove(board, stranger, offLine))
        return clear;
    if (auto fill = findMove(board, fitting, inLine))
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

const QImage& cellPicture(const QString& name, int scale)
{
    static std::map<QString, QImage> pictures;   // each cell picture read from disk once
    const QString file = name + (scale > 1 ? "@2x" : "");
    QImage& picture = pictures[file];
    if (picture.isNull())
        picture = QImage(VELKO_SOURCE_DIR "/resources/cells/" + file + ".bmp");
    return picture;
}

double pictureDifference(const QImage& screen, QPoint topLeft, const QImage& picture)
{
    if (picture.isNull())
        return 255;
    long difference = 0;
    const int side = picture.width();
    for (int i = 0; i < side * side; ++i) {
        const QRgb a = screen.pixel(topLeft + QPoint(i % side, i / side)), b = picture.pixel(i % side, i / side);
        difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
    return double(difference) / (3.0 * side * side);
}

Board readBoard(const QImage& screen, QPoint origin, int scale)
{
    // A cell shows a picture when its pixels are, on average, a few levels of colour rounding from it.
    const auto shows = [&](int cell, const QString& name) {
        const QPoint topLeft = origin + 45 * scale * QPoint(cell / 9, cell % 9);
        return pictureDifference(screen, topLeft, cellPicture(name, scale)) < 6;
    };
    Board board;
    for (int i = 0; i < 81; ++i) {
        board[i] = shows(i, cellPictures::emptyCell(i / 9, i % 9)) ? 0 : -1;
        for (int colour = 1; colour <= 8 && board[i] < 0; ++colour)
            board[i] = shows(i, cellPictures::ball(colour)) ? colour : -1;
    }
    return board;
}

int count(const Board& board, int value)
{
    return int(std::count(board.begin(), board.end(), value));
}

void GameOnScreen::TearDown()
{
    if (game_.state() != QProcess::NotRunning)
        game_.kill(), game_.waitForFinished();
}

QByteArray GameOnScreen::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = env_;
    environment.remove("WAYLAND_DEBUG");   // the protocol log is the game's alone
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(15000);
    return process.readAllStandardOutput();
}

void GameOnScreen::startNormalGame()
{
    env_.insert("XDG_DATA_HOME", dataHome_.path());
    env_.insert("SDL_AUDIODRIVER", "dummy");
    game_.setProcessEnvironment(env_);
    game_.start(VELKO_GAME_EXE, {});
    const auto fullSize = [](QRect r) { return std::abs(r.width() - 640) <= 2 && std::abs(r.height() - 480) <= 2; };
    ASSERT_TRUE(game_.waitForStarted(5000)) << "the game did not start";
    const QRect start = waitForWindow(fullSize);
    ASSERT_FALSE(start.isNull()) << "the start screen never appeared";
    QThread::msleep(500);
    click(start.topLeft() + layout::kNormalGameButton.centre());
    QThread::msleep(1500);
    window = waitForWindow(fullSize);
    ASSERT_FALSE(window.isNull()) << "the game window never appeared";
}

Board GameOnScreen::settledBoard()
{
    const QPoint origin = scale_ * (window.topLeft() + layout::kBoard.topLeft());
    Board seen = readBoard(screenshot(), origin, scale_);
    for (int look = 0; look < 30; ++look) {
        QThread::msleep(300);
        const Board again = readBoard(screenshot(), origin, scale_);
        if (again == seen && (count(seen, -1) == 0 || count(seen, -1) == 81))
            break;
        seen = again;
    }
    return seen;
}

Board GameOnScreen::make(const Move& move)
{
    const QPoint origin = window.topLeft() + layout::kBoard.topLeft();
    const auto centre = [&](int cell) { return origin + QPoint(cell / 9 * 45 + 22, cell % 9 * 45 + 22); };
    click(centre(move.from));
    QThread::msleep(200);
    click(centre(move.to));
    // The board once the move, the blink and the new balls are over.
    QThread::msleep(600 + 75 * move.steps);
    return settledBoard();
}

Board GameOnScreen::playMoves(int moves)
{
    Board shown = settledBoard();
    for (int move = 0; move < moves; ++move) {
        const std::optional<Move> next = nextMove(shown);
        if (!next)
            break;
        shown = make(*next);
    }
    return shown;
}

void GameOnScreen::playUntilALineIsScored()
{
    Board shown = settledBoard();
    ASSERT_GE(81 - count(shown, 0), 1) << "a new game starts with balls on the board";
    ASSERT_LE(81 - count(shown, 0), 3);

    // Gather five of a colour on the line. The move that completes it must
    // leave the five cells empty on the screen; every other move that
    // removes nothing brings new balls.
    bool scored = false, newBalls = false;
    // The scripted player usually gathers its line in a dozen moves; when the
    // board fills up first, it takes a new game and tries again.
    for (int move = 0; move < 150 && !scored; ++move) {
        const std::optional<Move> next = nextMove(shown);
        ASSERT_TRUE(next) << "no ball can move";
        const int before = count(shown, 0);
        shown = make(*next);
        if (count(shown, -1) == 81) {   // the game is over: its end picture covers the board
            // A score good enough for the table asks a name first; its OK keeps the one offered.
            const QRect entry = waitForWindow([](QRect r) { return r.width() < 400 && r.height() < 300; }, 2000);
            if (!entry.isNull()) {
                click(entry.topLeft() + QPoint(1, 1) + layout::kNameEntryOkButton.centre());
                QThread::msleep(500);
            }
            clickControl(layout::kNewGameButton);
            QThread::msleep(1500);
            shown = settledBoard();
            continue;
        }
        ASSERT_EQ(count(shown, -1), 0) << "cells that show no cell picture after move " << move;
        newBalls = newBalls || count(shown, 0) < before;
        EXPECT_TRUE(count(shown, 0) >= before || shown[next->to] > 0) << "the moved ball is not on its target";
        scored = inLine(next->to) && count(shown, 0) > before;
        for (int cell = 0; cell < 81 && scored; ++cell)
            EXPECT_TRUE(!inLine(cell) || shown[cell] == 0) << "a ball of the scored line is still shown at " << cell;
        EXPECT_FALSE(lineFull(shown)) << "a full line stays on the screen after move " << move;
    }
    EXPECT_TRUE(newBalls) << "no move brought new balls";
    EXPECT_TRUE(scored) << "no line of five was gathered";
}

void GameOnScreen::clickControl(const layout::Place& control)
{
    click(window.topLeft() + control.centre());
}

QRect GameOnScreen::waitForQuestion(int timeoutMs)
{
    return waitForWindow([](QRect r) { return r.width() < 300 && r.height() < 300; }, timeoutMs);
}

bool GameOnScreen::answerQuestion(const layout::Place& button)
{
    const QRect dialog = waitForQuestion();
    if (dialog.isNull())
        return false;
    QThread::msleep(300);
    // The buttons sit inside the one-pixel frame, their bottoms 7 pixels above the dialog's.
    click(QPoint(dialog.x() + 1 + button.centre().x(), dialog.bottom() - 19));
    return true;
}

void GameOnScreen::quitAndAnswerYes()
{
    clickControl(layout::kCloseButton);
    ASSERT_TRUE(answerQuestion(layout::kYesButton)) << "the quit question did not appear";
    EXPECT_TRUE(game_.waitForFinished(10000) && game_.exitStatus() == QProcess::NormalExit && game_.exitCode() == 0)
        << "the game did not end well after Yes: state " << game_.state() << ", exit status " << game_.exitStatus()
        << ", code " << game_.exitCode();
    EXPECT_EQ(fileBytes(dataFile("mysetting.cfg")), QByteArray(" 50 \r\n 50 \r\n"));
    // Eight whole records and nothing after them.
    const QByteArray scores = fileBytes(dataFile("gameinfo.cfg"));
    EXPECT_EQ(formatGameInfo(parseGameInfo(scores)), scores) << scores.toHex().toStdString();
}

}   // namespace velko::test
