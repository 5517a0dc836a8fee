// Every window at its size and every control at its place, as places.txt
// lists them; the frameless, topmost dialogs inside their one-pixel frame.

#include "DialogFrame.h"
#include "HighScoreWindow.h"
#include "MessageDialog.h"
#include "NameEntryDialog.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryWindowAndDialogAsThePlacesTableSays)
{
    auto session = startedSession();
    GameWindow& window = session->window();
    expectPlaces("main", window, window);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    // The score's shadow lies behind the score.
    const QObjectList& order = window.children();
    EXPECT_LT(order.indexOf(part(window, "scoreShadow")), order.indexOf(part(window, "score")));
    StartScreen& start = session->startScreen();
    expectPlaces("start", start, start);
    EXPECT_TRUE(start.windowFlags() & Qt::FramelessWindowHint);

    const ButtonContext buttons{mediaFolder(), {}};
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"message", [&] { showMessage(&window, "Velko", "Start a new game?", MessageButtons::YesNo, buttons); }},
        {"highscores", [&] { showHighScores(&window, data, buttons); }},
        {"nameentry", [&] { enterNewRecord(&window, 5000, data, buttons); }}};
    for (const auto& [name, open] : dialogs) {
        const auto watcher = onDialogs([name = name](QDialog& shown) {
            auto& dialog = static_cast<DialogFrame&>(shown);
            EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint) << name;
            EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint) << name;
            EXPECT_EQ(dialog.client()->pos(), QPoint(1, 1)) << name;
            EXPECT_LE((dialog.geometry().center() - dialog.screen()->geometry().center()).manhattanLength(), 2);
            expectPlaces(name, dialog, *dialog.client());
            dialog.close();
        });
        open();
    }
}

}   // namespace
}   // namespace velko::test
