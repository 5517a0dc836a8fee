// The turn's animation on a real display: a game window plays real turns with
// the desktop's real sleep, and every frame's drawing time (what comes on top
// of its 75 ms) is noted: the ball's steps, the blink of a scored line, the
// pops of the new balls, and the 405-row wipe of the end picture. Each is
// measured with the window shown, then with it out of sight (on sway: moved to
// another workspace, where it gets no frame callbacks; elsewhere: minimised).
// Usage: velko-animation-bench [TURNS]   (run by bench/run-wayland-bench.sh)

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "DataPaths.h"
#include "GameData.h"
#include "GameWindow.h"
#include "RandomSource.h"
#include "SoundPlayer.h"
#include "StartUp.h"

using namespace velko;

namespace {

// A game window, with its game, that notes for every sleep of the animation
// how long the drawing since the previous one took.
class TimedWindow : public GameWindow {
public:
    TimedWindow(GameData& data, SoundPlayer& sound, RandomSource& random)
        : GameWindow(data, sound, gameButtons(sound)),
          game_(*this, random)
    {}
    Game& game() { return game_; }

    void beginTurn()
    {
        frames.clear();
        clock_.start();
        lastWake_ = 0;
    }
    // Milliseconds since the last sleep ended.
    double sinceLastWake() const { return clock_.nsecsElapsed() / 1e6 - lastWake_; }

    void sleepMs(int ms) override
    {
        frames.push_back(sinceLastWake());
        GameWindow::sleepMs(ms);
        lastWake_ = clock_.nsecsElapsed() / 1e6;
    }
    void refreshBoard() override
    {
        ++refreshes;
        GameWindow::refreshBoard();
    }

    std::vector<double> frames;   // drawing time before each sleep of the turn, ms
    int refreshes = 0;

private:
    Game game_;
    QElapsedTimer clock_;
    double lastWake_ = 0;
};

struct Figures {
    std::vector<double> step, blink, pops, wipe;   // ms of drawing: per frame, per frame, per turn, per wipe
};

double mean(const std::vector<double>& v)
{
    double sum = 0;
    for (const double x : v)
        sum += x;
    return v.empty() ? 0 : sum / double(v.size());
}
double most(const std::vector<double>& v)
{
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// An empty board but for the given balls (column, row, colour), drawn and shown.
void setBoard(TimedWindow& window, std::initializer_list<std::array<int, 3>> balls)
{
    Game& game = window.game();
    Grid<Colour> board{};
    for (const auto& [column, row, colour] : balls)
        board[column][row] = colourNumbered(colour);
    game.setBoard(board);
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            window.drawCell({column, row}, board[column][row]);
    game.dropSelection();
    window.refreshBoard();
    QApplication::processEvents();
}

void pressCell(TimedWindow& window, int column, int row)
{
    window.game().press(Cell{column, row}, MouseButton::Left);
    QApplication::processEvents();
}

// Plays `turns` turns of each kind and notes the drawing times.
Figures measure(TimedWindow& window, int turns)
{
    Figures figures;
    for (int turn = 0; turn < turns; ++turn) {
        // A ball walks 8 cells up and completes a row of five: steps, then the blink.
        setBoard(window, {{0, 0, 1}, {1, 0, 1}, {2, 0, 1}, {3, 0, 1}, {4, 8, 1}});
        pressCell(window, 4, 8);
        window.beginTurn();
        pressCell(window, 4, 0);
        // The sleeps: one a step (the ball stops beside its target), four blinks, the pause.
        const std::vector<double> scoring = window.frames;
        if (scoring.size() > 5) {
            const auto blinks = scoring.end() - 5;
            figures.step.insert(figures.step.end(), scoring.begin() + 1, blinks);   // the first also finds the way
            figures.blink.insert(figures.blink.end(), blinks, blinks + 4);
        }

        // A ball walks 8 cells along the bottom row and scores nothing: steps,
        // the pause, then three new balls pop up (two sleeps and three refreshes each).
        setBoard(window, {{0, 8, 2}});
        pressCell(window, 0, 8);
        window.beginTurn();
        pressCell(window, 8, 8);
        const std::vector<double> plain = window.frames;
        if (plain.size() > 6) {
            double popDrawing = window.sinceLastWake();   // the last pop's last refresh and the preview
            for (auto frame = plain.end() - 6; frame != plain.end(); ++frame)
                popDrawing += *frame;
            figures.pops.push_back(popDrawing);
        }
    }
    // The end picture, wiped in over the board row by row: 405 refreshes, no sleep.
    for (int turn = 0; turn < std::max(1, turns / 2); ++turn) {
        setBoard(window, {});
        QElapsedTimer wipe;
        wipe.start();
        window.showEnding(Ending::GameOver);
        figures.wipe.push_back(wipe.nsecsElapsed() / 1e6);
    }
    return figures;
}

void print(const char* how, const Figures& f)
{
    std::printf("%s: ball step: 75 ms + %.2f ms drawing (mean of %zu, max %.2f); "
                "blink: 75 ms + %.2f ms (max %.2f); three new balls: 450 ms + %.2f ms (max %.2f); "
                "end-picture wipe, 405 rows: %.1f ms (%.3f ms a row, max %.1f ms)\n",
                how, mean(f.step), f.step.size(), most(f.step), mean(f.blink), most(f.blink), mean(f.pops),
                most(f.pops), mean(f.wipe), mean(f.wipe) / 405, most(f.wipe));
    std::fflush(stdout);
}

// Out of sight: on sway, the window goes to a workspace of its own that no
// output shows; elsewhere it is minimised.
void hide(TimedWindow& window)
{
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK")) {
        QProcess swaymsg;
        swaymsg.start(QStringLiteral("swaymsg"), {QStringLiteral("[pid=%1] move container to workspace out-of-sight")
                                                      .arg(QCoreApplication::applicationPid())});
        swaymsg.waitForFinished();
    } else {
        window.showMinimized();
    }
    for (int i = 0; i < 20; ++i, QThread::msleep(25))
        QApplication::processEvents();
}

}   // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko-lines"));
    const int turns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    GameData data;
    const QString problem = runStartUp(mediaFolder(), data).problem();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "velko-animation-bench: %s\n", qUtf8Printable(problem));
        return 1;
    }
    SilentSound sound;
    SystemRandom random;
    TimedWindow window(data, sound, random);
    window.game().setKind(GameKind::Normal);
    window.game().startGame();
    window.show();
    // Shown and drawn once before the clock starts.
    for (int i = 0; i < 40; ++i, QThread::msleep(25))
        QApplication::processEvents();
    std::printf("platform %s, device pixel ratio %.1f\n", qUtf8Printable(QGuiApplication::platformName()),
                window.devicePixelRatioF());
    print("window shown", measure(window, turns));
    hide(window);
    print("window out of sight", measure(window, turns));
    return 0;
}
