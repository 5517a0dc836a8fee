// Every window at its size and every control at its place, as the game's
// layout tables draw them. Labels that size to their text are checked at the
// edge or centre they keep.

#include "DialogFrame.h"
#include "Form2.h"
#include "InputFrm.h"
#include "MessageBox.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

enum Anchor { Box, LeftTop, RightTop, CentreTop };
struct Place {
    const char* name;
    Anchor anchor;
    int x, y, width, height;   // width/height 0: sized to its text
};

void expectPlaces(QWidget& client, const std::vector<Place>& places)
{
    for (const Place& p : places) {
        QWidget* w = part(client, p.name);
        if (!w)
            continue;
        const QRect g(w->mapTo(&client, QPoint(0, 0)), w->size());
        SCOPED_TRACE(p.name);
        switch (p.anchor) {
        case Box: EXPECT_EQ(g, QRect(p.x, p.y, p.width, p.height)); break;
        case LeftTop: EXPECT_EQ(g.topLeft(), QPoint(p.x, p.y)); break;
        case RightTop: EXPECT_EQ(QPoint(g.x() + g.width(), g.y()), QPoint(p.x, p.y)); break;
        case CentreTop:
            EXPECT_NEAR(g.x() + g.width() / 2.0, p.x, 1.0);
            EXPECT_EQ(g.y(), p.y);
            break;
        }
        if (p.anchor != Box && p.width > 0) {
            EXPECT_EQ(g.width(), p.width);
        }
    }
}

// Runs a modal dialog, hands it to `inspect` once it is up, then closes it.
template <typename Open, typename Inspect>
void whileOpen(Open open, Inspect inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialogFrame*>(QApplication::activeModalWidget());
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            seen = true;
            inspect(*dialog);
            dialog->close();
        }
    });
    open();
    EXPECT_TRUE(seen);
}

ButtonContext buttons() { return {mediaFolder(), {}}; }

void expectDialogFrame(DialogFrame& dialog, int clientWidth, int clientHeight)
{
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog.width(), clientWidth + 2) << "a one-pixel frame on each side";
    if (clientHeight > 0) {
        EXPECT_EQ(dialog.height(), clientHeight + 2);
    }
    EXPECT_EQ(dialog.client()->pos(), QPoint(1, 1));
}

const std::vector<Place> kTitleStrip(int width, int closeX)
{
    return {{"Image2", Box, 0, -1, width, 22}, {"Image4", Box, 4, 2, 16, 16},
            {"Label1_2", LeftTop, 25, 3, 0, 0}, {"ex", Box, closeX, 5, 10, 10}};
}

class LayoutTest : public WindowTest {};

TEST_F(LayoutTest, MainWindow)
{
    auto window = startedWindow();
    EXPECT_EQ(window->size(), QSize(640, 480));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    expectPlaces(*window, {
        {"Picture4_1", Box, 560, 436, 50, 10}, {"Picture4_0", Box, 560, 460, 50, 10},
        {"help", Box, 536, 211, 52, 30}, {"phbt", Box, 526, 141, 72, 32},
        {"newgame", Box, 526, 105, 72, 32}, {"ex", Box, 616, 5, 10, 10},
        {"min", Box, 597, 5, 8, 10}, {"PictureBox0", Box, 30, 38, 405, 405},
        {"web", Box, 515, 175, 93, 32}, {"Label3", LeftTop, 556, 53, 0, 0},
        {"Label1_0", CentreTop, 557, 70, 0, 0}, {"Label1_1", CentreTop, 559, 72, 0, 0}});
    EXPECT_EQ(part(*window, "Picture2")->size(), QSize(45, 45));
    // The score's shadow lies behind the score.
    const QObjectList& order = window->children();
    EXPECT_LT(order.indexOf(part(*window, "Label1_1")), order.indexOf(part(*window, "Label1_0")));
}

TEST_F(LayoutTest, StartScreen)
{
    SilentSound sound;
    Form1 form1(sound);
    About about(form1);
    EXPECT_EQ(about.size(), QSize(640, 480));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    expectPlaces(about, {{"ptms", Box, 260, 300, 140, 45}, {"tzms", Box, 260, 350, 140, 40},
                         {"tcyx", Box, 260, 395, 140, 40}});
}

TEST_F(LayoutTest, MessageDialog)
{
    whileOpen([] { ShowMessage(QStringLiteral("Start a new game?"), kStyleYesNo, buttons()); },
              [](DialogFrame& dialog) {
                  expectDialogFrame(dialog, 236, 0);
                  std::vector<Place> places = kTitleStrip(236, 220);
                  places.push_back({"Message", LeftTop, 8, 28, 224, 0});
                  expectPlaces(*dialog.client(), places);
                  const int top = part(*dialog.client(), "cmdyes")->y();
                  expectPlaces(*dialog.client(), {{"cmdyes", Box, 60, top, 23, 24},
                                                  {"cmdok", Box, 97, top, 43, 24},
                                                  {"cmdno", Box, 154, top, 23, 24}});
              });
}

TEST_F(LayoutTest, HighScoreWindow)
{
    whileOpen([] { ShowHighScores(buttons()); }, [](DialogFrame& dialog) {
        expectDialogFrame(dialog, 341, 194);
        std::vector<Place> places = kTitleStrip(341, 324);
        places.insert(places.end(), {{"Label4", LeftTop, 200, 28, 0, 0}, {"Label2", RightTop, 184, 28, 0, 0},
                                     {"Label3", LeftTop, 48, 28, 0, 0}, {"Label1_0", CentreTop, 22, 28, 0, 0}});
        expectPlaces(*dialog.client(), places);
        // Even the longest date of the table stays inside the window.
        QWidget* dates = part(*dialog.client(), "Label4");
        EXPECT_LE(dates->x() + dates->width(), 341);
    });
}

TEST_F(LayoutTest, NameEntry)
{
    whileOpen([] { RunNewHighScore(5000, buttons()); }, [](DialogFrame& dialog) {
        expectDialogFrame(dialog, 284, 121);
        std::vector<Place> places = kTitleStrip(284, 268);
        places.insert(places.end(), {{"Text1", Box, 12, 56, 260, 22}, {"cmdok", Box, 224, 88, 43, 24},
                                     {"Label2", LeftTop, 12, 32, 0, 0}});
        expectPlaces(*dialog.client(), places);
    });
}

} // namespace
} // namespace velko::test
