#pragma once
// Where every window of the game puts its controls, written once: the windows
// and dialogs place their controls from here, the picture tools draw their
// sockets and panels here, and the tests find every control at its place
// through the table at the end.
//
// Places are in pixels from the window's top left; in a dialog, from the top
// left inside its one-pixel frame (the dialog's own entry is the whole
// window, frame included). A control's x is its left edge, its right edge or
// its middle (to a pixel), as its anchor says. kFree marks what is not fixed:
// labels take the size of their text, and the message dialog's height and
// button row follow its text.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <array>

#include "MediaFiles.h"

namespace velko::layout {

enum class Window { Game, Start, Message, HighScores, NameEntry };
enum class Anchor { Left, Right, Centre };

constexpr int kFree = -1000;

struct Place {
    const char* name;   // the control's object name
    Anchor anchor;
    int x, y, width, height;
    const char* picture = nullptr;   // an image button's picture name in the media folder

    constexpr QPoint topLeft() const { return {x, y}; }
    constexpr QSize size() const { return {width, height}; }
    constexpr QRect rect() const { return {x, y, width, height}; }
    constexpr QPoint centre() const { return {x + width / 2, y + height / 2}; }
};

// --- The game window, on back.gif.
constexpr Place kGameWindow{"gameWindow", Anchor::Left, 0, 0, 640, 480};
constexpr Place kBoard{"board", Anchor::Left, 30, 38, 405, 405};
constexpr Place kMarker{"marker", Anchor::Left, kFree, kFree, 45, 45};   // over the picked-up ball
constexpr Place kNewGameButton{"newGameButton", Anchor::Left, 526, 105, 72, 32, media::kNewGameButton};
constexpr Place kScoresButton{"scoresButton", Anchor::Left, 526, 141, 72, 32, media::kScoresButton};
constexpr Place kWebButton{"webButton", Anchor::Left, 515, 175, 93, 32, media::kWebButton};
constexpr Place kHelpButton{"helpButton", Anchor::Left, 536, 211, 52, 30, media::kHelpButton};
constexpr Place kMinimiseButton{"minimiseButton", Anchor::Left, 597, 5, 8, 10, media::kMinimiseButton};
constexpr Place kCloseButton{"closeButton", Anchor::Left, 616, 5, 10, 10, media::kCloseButton};
constexpr Place kMusicBar{"musicBar", Anchor::Left, 560, 436, 50, 10};
constexpr Place kEffectsBar{"effectsBar", Anchor::Left, 560, 460, 50, 10};
constexpr Place kBestScore{"bestScore", Anchor::Left, 556, 53, kFree, kFree};
constexpr Place kScore{"score", Anchor::Centre, 557, 70, kFree, kFree};
constexpr Place kScoreShadow{"scoreShadow", Anchor::Centre, 559, 72, kFree, kFree};

// The three places of the next balls, each a cell's size, and the family of
// cell pictures each shows (A1 to A8 in the first, and so on).
struct PreviewPlace {
    int x, y;
    char family;
    constexpr QPoint topLeft() const { return {x, y}; }
};
constexpr std::array<PreviewPlace, 3> kPreviewPlaces{{{500, 248, 'A'}, {572, 317, 'B'}, {491, 370, 'C'}}};

// --- The start screen, on game.gif.
constexpr Place kStartScreen{"startScreen", Anchor::Left, 0, 0, 640, 480};
constexpr Place kNormalGameButton{"normalGameButton", Anchor::Left, 260, 300, 140, 45, media::kNormalGameButton};
constexpr Place kChallengeButton{"challengeButton", Anchor::Left, 260, 350, 140, 40, media::kChallengeGameButton};
constexpr Place kQuitButton{"quitButton", Anchor::Left, 260, 395, 140, 40, media::kQuitButton};

// --- Every dialog: a one-pixel frame around its inside, and along the top
// the title strip (tbk.gif stretched to the inside's width, one pixel above
// it), the title icon, the title and a close button.
constexpr int kDialogFrame = 1;
constexpr int insideWidth(const Place& dialog)
{
    return dialog.width - 2 * kDialogFrame;
}
constexpr int insideHeight(const Place& dialog)
{
    return dialog.height - 2 * kDialogFrame;
}
constexpr Place kTitleStrip{"titleStrip", Anchor::Left, 0, -1, kFree, 22};
constexpr Place kTitleIcon{"titleIcon", Anchor::Left, 4, 2, 16, 16};
constexpr Place kTitle{"title", Anchor::Left, 25, 3, kFree, kFree};
constexpr Place titleStripOf(const Place& dialog)
{
    Place strip = kTitleStrip;
    strip.width = insideWidth(dialog);
    return strip;
}
constexpr Place dialogCloseButton(int x)
{
    return {"closeButton", Anchor::Left, x, 5, 10, 10, media::kCloseButton};
}

// --- The message dialog: its height and the row of its answers follow the
// text, which wraps at the message's width. Before the text is in, its
// inside is kMessageFirstHeight high.
constexpr Place kMessageDialog{"messageDialog", Anchor::Left, 0, 0, 238, kFree};
constexpr int kMessageFirstHeight = 120;
constexpr Place kMessageCloseButton = dialogCloseButton(220);
constexpr Place kMessage{"message", Anchor::Left, 8, 28, 224, kFree};
constexpr Place kYesButton{"yesButton", Anchor::Left, 60, kFree, 23, 24, media::kYesButton};
constexpr Place kOkButton{"okButton", Anchor::Left, 97, kFree, 43, 24, media::kOkButton};
constexpr Place kNoButton{"noButton", Anchor::Left, 154, kFree, 23, 24, media::kNoButton};

// --- The high-score table: four columns, each held at its edge or centre.
constexpr Place kHighScoresDialog{"highScoreWindow", Anchor::Left, 0, 0, 343, 196};
constexpr Place kHighScoresCloseButton = dialogCloseButton(324);
constexpr Place kRanks{"ranks", Anchor::Centre, 22, 28, kFree, kFree};
constexpr Place kNames{"names", Anchor::Left, 48, 28, kFree, kFree};
constexpr Place kPoints{"points", Anchor::Right, 184, 28, kFree, kFree};
constexpr Place kDates{"dates", Anchor::Left, 200, 28, kFree, kFree};

// --- The name entry of a new record.
constexpr Place kNameEntryDialog{"nameEntry", Anchor::Left, 0, 0, 286, 123};
constexpr Place kNameEntryCloseButton = dialogCloseButton(268);
constexpr Place kNamePrompt{"prompt", Anchor::Left, 12, 32, kFree, kFree};
constexpr Place kNameField{"name", Anchor::Left, 12, 56, 260, 22};
constexpr Place kNameEntryOkButton{"okButton", Anchor::Left, 224, 88, 43, 24, media::kOkButton};

// The widest title strip of all the dialogs: tbk.gif is made this wide, so
// that it is only ever narrowed.
constexpr int kWidestTitleStrip =
    std::max({insideWidth(kMessageDialog), insideWidth(kHighScoresDialog), insideWidth(kNameEntryDialog)});

// Every window (its own entry first) and every control of it.
struct Entry {
    Window window;
    Place place;
};
constexpr Entry kAllPlaces[] = {
    {Window::Game, kGameWindow},
    {Window::Game, kBoard},
    {Window::Game, kMarker},
    {Window::Game, kNewGameButton},
    {Window::Game, kScoresButton},
    {Window::Game, kWebButton},
    {Window::Game, kHelpButton},
    {Window::Game, kMinimiseButton},
    {Window::Game, kCloseButton},
    {Window::Game, kMusicBar},
    {Window::Game, kEffectsBar},
    {Window::Game, kBestScore},
    {Window::Game, kScore},
    {Window::Game, kScoreShadow},
    {Window::Start, kStartScreen},
    {Window::Start, kNormalGameButton},
    {Window::Start, kChallengeButton},
    {Window::Start, kQuitButton},
    {Window::Message, kMessageDialog},
    {Window::Message, titleStripOf(kMessageDialog)},
    {Window::Message, kTitleIcon},
    {Window::Message, kTitle},
    {Window::Message, kMessageCloseButton},
    {Window::Message, kMessage},
    {Window::Message, kYesButton},
    {Window::Message, kOkButton},
    {Window::Message, kNoButton},
    {Window::HighScores, kHighScoresDialog},
    {Window::HighScores, titleStripOf(kHighScoresDialog)},
    {Window::HighScores, kTitleIcon},
    {Window::HighScores, kTitle},
    {Window::HighScores, kHighScoresCloseButton},
    {Window::HighScores, kRanks},
    {Window::HighScores, kNames},
    {Window::HighScores, kPoints},
    {Window::HighScores, kDates},
    {Window::NameEntry, kNameEntryDialog},
    {Window::NameEntry, titleStripOf(kNameEntryDialog)},
    {Window::NameEntry, kTitleIcon},
    {Window::NameEntry, kTitle},
    {Window::NameEntry, kNameEntryCloseButton},
    {Window::NameEntry, kNamePrompt},
    {Window::NameEntry, kNameField},
    {Window::NameEntry, kNameEntryOkButton},
};

}   // namespace velko::layout
