#pragma once
// Where the program puts its controls on the pictures we draw: the window
// pictures leave room and draw sockets and panels exactly there.

#include <QPoint>
#include <QRect>
#include <array>

namespace velko::pictures::layout {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;

// Main window.
inline const QRect kBoard(30, 38, 405, 405);
inline const std::array<QPoint, 3> kPreview{QPoint(500, 248), QPoint(572, 317), QPoint(491, 370)};
inline const QPoint kBestLabel(556, 53);
constexpr int kScoreCentreX = 557;
constexpr int kScoreTop = 70;
inline const QRect kNewGame(526, 105, 72, 32);
inline const QRect kScores(526, 141, 72, 32);
inline const QRect kWeb(515, 175, 93, 32);
inline const QRect kHelp(536, 211, 52, 30);
inline const QRect kMinimise(597, 5, 8, 10);
inline const QRect kClose(616, 5, 10, 10);
inline const QRect kMusicBar(560, 436, 50, 10);
inline const QRect kEffectsBar(560, 460, 50, 10);

// Start screen.
inline const QRect kNormalGame(260, 300, 140, 45);
inline const QRect kChallenge(260, 350, 140, 40);
inline const QRect kQuit(260, 395, 140, 40);

// Dialog title strip: the strip is placed one pixel above the dialog's top,
// the title icon at (4, 2).
constexpr int kStripHeight = 22;
constexpr int kStripWidest = 341;
inline const QPoint kTitleIcon(4, 2);
constexpr int kTitleIconSize = 16;
constexpr int kStripTop = -1;

}   // namespace velko::pictures::layout
