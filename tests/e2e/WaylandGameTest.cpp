// The same player's session on Wayland: a headless sway (started by
// tests/wayland/start-sway.sh, as an unprivileged user when we are root), our
// virtual pointer for the mouse, wtype for the keys and grim for the
// screenshots. The game plays a line of five, asks its quit question in a
// dialog tied to the game window, goes on after Esc and saves both files
// after Yes; its window follows a drag by its background; and on a screen of
// twice the density it draws its dense pictures.

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <set>

#include "GameOnScreen.h"
#include "files/PlayerHome.h"

using namespace velko;
using namespace velko::test;

namespace {

class WaylandGame : public GameOnScreen {
protected:
    void SetUp() override { startOn(1, "1024x768"); }
    void startOn(int scale, const QString& mode)
    {
        startCompositor(scale, mode);
        if (!IsSkipped() && !HasFatalFailure())
            startNormalGame();
    }
    void TearDown() override
    {
        GameOnScreen::TearDown();
        if (sway_.state() != QProcess::NotRunning) {
            sway_.terminate();   // the script ends sway and removes its folder
            if (!sway_.waitForFinished(10000))
                sway_.kill(), sway_.waitForFinished();
        }
    }

    // Starts sway with its output at `scale`, `mode` pixels, and points the game and the tools at it.
    void startCompositor(int scale, const QString& mode)
    {
        for (const char* tool : {"sway", "swaymsg", "grim", "wtype", "setpriv"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << "no Wayland test: " << tool << " is missing";
        if (!QFileInfo(VELKO_VIRTUAL_POINTER).isExecutable())
            GTEST_SKIP() << "no Wayland test: our virtual pointer was not built (no libwayland-dev)";
        sway_.start(VELKO_SOURCE_DIR "/tests/wayland/start-sway.sh", {QString::number(scale), mode});
        QString display, ipc;
        while ((display.isEmpty() || ipc.isEmpty()) && sway_.waitForReadyRead(15000))
            while (sway_.canReadLine()) {
                const QString line = QString::fromUtf8(sway_.readLine()).trimmed();
                if (line.startsWith("WAYLAND_DISPLAY="))
                    display = line.section('=', 1);
                else if (line.startsWith("SWAYSOCK="))
                    ipc = line.section('=', 1);
            }
        if (display.isEmpty() || ipc.isEmpty())
            GTEST_SKIP() << "no Wayland test: sway did not start: " << sway_.readAllStandardError().toStdString();
        scale_ = scale;
        env_.remove("DISPLAY");
        env_.insert("WAYLAND_DISPLAY", display);
        env_.insert("SWAYSOCK", ipc);
        env_.insert("XDG_RUNTIME_DIR", runtime_.path());   // ours, mode 0700; the sockets are named by path
        env_.insert("QT_QPA_PLATFORM", "wayland");
        // The game's side of the protocol, to see which window its dialogs belong to.
        env_.insert("WAYLAND_DEBUG", "client");
        game_.setStandardErrorFile(protocolLog());
    }
    QString protocolLog() const { return runtime_.filePath("game-protocol.log"); }

    QRect waitForWindow(const std::function<bool(QRect)>& fits, int timeoutMs = 15000) override
    {
        for (int waited = 0;; waited += 250) {
            for (const QRect& r : shownWindows())
                if (fits(r))
                    return r;
            if (waited >= timeoutMs)
                return {};
            QThread::msleep(250);
        }
    }
    // The rectangles of the game's shown windows in sway's tree.
    std::vector<QRect> shownWindows()
    {
        std::vector<QRect> shown;
        std::function<void(const QJsonObject&)> visit = [&](const QJsonObject& node) {
            if (node["pid"].toInteger() == game_.processId() && node["visible"].toBool()) {
                const QJsonObject r = node["rect"].toObject();
                shown.emplace_back(r["x"].toInt(), r["y"].toInt(), r["width"].toInt(), r["height"].toInt());
            }
            for (const char* children : {"nodes", "floating_nodes"})
                for (const QJsonValue child : node[children].toArray())
                    visit(child.toObject());
        };
        visit(QJsonDocument::fromJson(run("swaymsg", {"-r", "-t", "get_tree"})).object());
        return shown;
    }
    void point(const QStringList& commands) { run(VELKO_VIRTUAL_POINTER, commands); }
    void click(QPoint at) override
    {
        point({"move", QString::number(at.x()), QString::number(at.y()), "sleep", "100", "down", "up"});
    }
    QImage screenshot() override { return QImage::fromData(run("grim", {"-"}), "PNG"); }
    // wtype brings a new keyboard each time: the game gets half a second to take it before the key.
    void pressKey(const char* key) { run("wtype", {"-s", "500", "-k", key}); }

    QProcess sway_;
    QTemporaryDir runtime_;
};

// The toplevels of the game's protocol log that are alive at its end, in the order they were made.
std::vector<int> liveToplevels(const QByteArray& log)
{
    static const QRegularExpression made("-> xdg_surface@\\d+\\.get_toplevel\\(new id xdg_toplevel@(\\d+)\\)"),
        gone("-> xdg_toplevel@(\\d+)\\.destroy\\(\\)");
    std::vector<int> live;
    for (const QByteArray& line : log.split('\n')) {
        const QString text = QString::fromUtf8(line);
        if (const auto m = made.match(text); m.hasMatch())
            live.push_back(m.captured(1).toInt());
        else if (const auto g = gone.match(text); g.hasMatch())
            live.erase(std::remove(live.begin(), live.end(), g.captured(1).toInt()), live.end());
    }
    return live;
}

// The parents the game gave its toplevels in this part of its protocol log.
std::set<int> parentsSet(const QByteArray& log)
{
    static const QRegularExpression parent("-> xdg_toplevel@\\d+\\.set_parent\\(xdg_toplevel@(\\d+)\\)");
    std::set<int> parents;
    for (auto m = parent.globalMatch(QString::fromUtf8(log)); m.hasNext();)
        parents.insert(m.next().captured(1).toInt());
    return parents;
}

}   // namespace

TEST_F(WaylandGame, GatherALineThenQuitAfterEscGoesOnAndYesSavesBothFiles)
{
    playUntilALineIsScored();
    if (HasFatalFailure())
        return;
    const QByteArray logBefore = fileBytes(protocolLog());
    const std::vector<int> live = liveToplevels(logBefore);
    ASSERT_FALSE(live.empty()) << "the game made no toplevel window";

    // The quit question is tied to the game window: Wayland has no other way
    // to keep it in front of the window and let the compositor place it.
    clickControl(layout::kCloseButton);
    ASSERT_FALSE(waitForQuestion().isNull()) << "the quit question did not appear";
    EXPECT_EQ(parentsSet(fileBytes(protocolLog()).mid(logBefore.size())), std::set<int>{live.back()})
        << "the quit question's toplevel was not given the game window (xdg_toplevel@" << live.back()
        << ") as its parent";

    // Esc is No: the question goes, the game goes on.
    pressKey("Escape");
    bool gone = false;
    for (int look = 0; look < 20 && !gone; ++look, QThread::msleep(250))
        gone = waitForQuestion(0).isNull();
    ASSERT_TRUE(gone) << "Esc left the quit question open";
    QThread::msleep(500);
    ASSERT_EQ(game_.state(), QProcess::Running) << "Esc ended the game";

    // Space asks the compositor to minimise the window; sway will not, and
    // the game goes on: the quit button still answers.
    const qsizetype logBeforeSpace = fileBytes(protocolLog()).size();
    pressKey("space");
    QThread::msleep(500);
    EXPECT_TRUE(fileBytes(protocolLog()).mid(logBeforeSpace).contains(".set_minimized()"))
        << "Space did not ask to minimise the window";
    quitAndAnswerYes();
}

// The window asks the compositor to move it when its background is dragged,
// and a dialog when its title strip is.
TEST_F(WaylandGame, DraggedByItsBackgroundOrItsTitleStripAWindowFollows)
{
    // The first motion with the button down hands the drag to sway, which
    // moves the window with the pointer from there on.
    const auto drag = [this](QPoint from, QPoint by) {
        const QPoint start = from + QPoint(5, 5);
        const auto to = [](QPoint p) { return QStringList{"move", QString::number(p.x()), QString::number(p.y())}; };
        point(to(from) + QStringList{"sleep", "100", "down"} + to(start) + QStringList{"sleep", "300"} +
              to(start + by / 2) + to(start + by) + QStringList{"sleep", "100", "up"});
    };
    // Where sway picks the pointer up depends on when the move request reaches it: a few pixels either way.
    const auto near = [](QRect r, QRect before, QPoint by) {
        return r.size() == before.size() && (r.topLeft() - (before.topLeft() + by)).manhattanLength() <= 12;
    };
    const QPoint by(-60, 40);
    drag(window.topLeft() + QPoint(470, 20), by);
    const QRect moved = waitForWindow([&](QRect r) { return near(r, window, by); }, 8000);
    ASSERT_FALSE(moved.isNull()) << "the window did not follow the drag from (" << window.x() << ", " << window.y()
                                 << ")";
    window = moved;
    clickControl(layout::kCloseButton);
    const QRect question = waitForQuestion();
    ASSERT_FALSE(question.isNull()) << "the quit question did not appear";
    drag(question.topLeft() + QPoint(120, 8), -by);
    EXPECT_FALSE(waitForWindow([&](QRect r) { return near(r, question, -by); }, 8000).isNull())
        << "the quit question did not follow the drag of its title strip";
    pressKey("Escape");
}

// On an output of scale 2 the board is drawn with the dense cell pictures,
// pixel for pixel, not with the plain ones enlarged.
class DenseWaylandGame : public WaylandGame {
protected:
    void SetUp() override { startOn(2, "2048x1536"); }
};

TEST_F(DenseWaylandGame, TheBoardShowsTheDenseCellPictures)
{
    const Board shown = settledBoard();   // read against the @2x pictures
    ASSERT_EQ(count(shown, -1), 0) << "cells that show no dense cell picture";
    EXPECT_GE(81 - count(shown, 0), 1);
    // One empty cell says it.
    const int cell = int(std::find(shown.begin(), shown.end(), 0) - shown.begin());
    ASSERT_LT(cell, 81);
    const QImage screen = screenshot();
    const QString name = cellPictures::emptyCell(cell / 9, cell % 9);
    const QPoint topLeft = 2 * (window.topLeft() + layout::kBoard.topLeft() + 45 * QPoint(cell / 9, cell % 9));
    EXPECT_LT(pictureDifference(screen, topLeft, cellPicture(name, 2)),
              pictureDifference(screen, topLeft, cellPicture(name, 1).scaled(90, 90)))
        << "cell " << cell << " looks more like the plain picture enlarged";
}
