#pragma once
// The files of the media folder that the game reads, named for what they are
// to the game: one table, so that a media author's file names and the code
// meet in one place. The sounds' files are the sound module's (EffectFiles.h).

namespace velko::media {

inline constexpr char kTextTable[] = "sysinfo.txt";
inline constexpr char kStartPicture[] = "game.gif";
inline constexpr char kWindowPicture[] = "back.gif";
inline constexpr char kTitleStrip[] = "tbk.gif";
inline constexpr char kTitleIcon[] = "tit.gif";
inline constexpr char kRecordPicture[] = "cmd.gif";   // wiped over the board after a new record
inline constexpr char kGameOverPicture[] = "gameover.gif";

// A button shows <name><face>.gif, or .jpg, face 0 normal, 1 hover, 2 pressed.
inline constexpr char kNewGameButton[] = "newgame";
inline constexpr char kScoresButton[] = "phbt";
inline constexpr char kWebButton[] = "web";
inline constexpr char kHelpButton[] = "help";
inline constexpr char kMinimiseButton[] = "min";
inline constexpr char kCloseButton[] = "ex";   // on the game window and every dialog
inline constexpr char kNormalGameButton[] = "ptms";
inline constexpr char kChallengeGameButton[] = "tzms";
inline constexpr char kQuitButton[] = "tcyx";
inline constexpr char kOkButton[] = "cmdok";
inline constexpr char kYesButton[] = "cmdyes";
inline constexpr char kNoButton[] = "cmdno";

// Beside the media folder: our help page, else an older set's help file.
inline constexpr char kHelpPage[] = "help.html";
inline constexpr char kOlderHelpFile[] = "help.chm";

}   // namespace velko::media
