// Every window at its size and every control at its place, as the layout
// lists them; the frameless, topmost dialogs inside their one-pixel frame.

#include "DialogFrame.h"
#include "HighScoreWindow.h"
#include "MessageDialog.h"
#include "NameEntryDialog.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryWindowAndDialogAsTheLayoutSays)
{
    auto session = startedSession();
    GameWindow& window = session->window();
    expectPlaces(layout::Window::Game, window, window);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    // The score's shadow lies behind the score.
    const QObjectList& order = window.children();
    EXPECT_LT(order.indexOf(part(window, "scoreShadow")), order.indexOf(part(window, "score")));
    StartScreen& start = session->startScreen();
    expectPlaces(layout::Window::Start, start, start);
    EXPECT_TRUE(start.windowFlags() & Qt::FramelessWindowHint);

    const ButtonContext buttons{mediaFolder(), {}};
    const std::pair<layout::Window, std::function<void()>> dialogs[] = {
        {layout::Window::Message,
         [&] { showMessage(&window, "Velko", "Start a new game?", MessageButtons::YesNo, buttons); }},
        {layout::Window::HighScores, [&] { showHighScores(&window, data, buttons); }},
        {layout::Window::NameEntry, [&] { enterNewRecord(&window, 5000, data, buttons); }}};
    for (const auto& [which, open] : dialogs) {
        const auto watcher = onDialogs([which = which](QDialog& shown) {
            const std::string name = shown.objectName().toStdString();
            auto& dialog = static_cast<DialogFrame&>(shown);
            EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint) << name;
            EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint) << name;
            EXPECT_EQ(dialog.client()->pos(), QPoint(1, 1)) << name;
            EXPECT_LE((dialog.geometry().center() - dialog.screen()->geometry().center()).manhattanLength(), 2);
            expectPlaces(which, dialog, *dialog.client());
            dialog.close();
        });
        open();
    }
}

}   // namespace
}   // namespace velko::test
