#pragma once
// One run of the game, from the start screen's choice to the end: the game
// played on the game window, what is kept on disk and when, the questions
// the player is asked, the record entry, and how the run ends (the quit, the
// window closed, a kill signal, a logout). The windows only show and report;
// this is where a press becomes a game act. The start choice and the game are
// in GameSession.cpp, what is saved and when in SessionSaving.cpp, the quit
// question and the end of the run in Quitting.cpp, and the help and web
// buttons in HelpAndWebPages.cpp.

#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "Game.h"
#include "GameData.h"
#include "GameWindow.h"
#include "RandomSource.h"
#include "SavedGame.h"
#include "SoundPlayer.h"
#include "StartChoice.h"
#include "StartScreen.h"

namespace velko {

class GameSession : public QObject {
    Q_OBJECT
public:
    // What the session asks of the desktop. Tests put recorders in their place.
    struct Desktop {
        std::function<bool(const QUrl&)> openUrl;   // help file and web pages; false when nothing opened it
        std::function<void()> endProgram;           // after the end of the run
    };
    // Plays through the given sound and draws from the given random source,
    // which outlive the session.
    GameSession(GameData& data, SoundPlayer& sound, RandomSource& random);
    ~GameSession() override;

    // Where the session's desktop actions go; tests replace them.
    Desktop& desktop() { return desktop_; }
    // The start screen, shown first.
    StartScreen& startScreen() { return startScreen_; }
    // Shows the start screen, then tells any problem the saved files had.
    void begin();

    // The game window, built on first need: after the start screen has let go
    // of its picture.
    GameWindow& window();
    // The running game, for the tests that set up a board.
    Game& game();
    // A game is under way: from a new game to its end.
    bool gameRunning() const { return gameRunning_; }

    // The start screen's choice. The stored volume levels go onto the bars
    // either way (on a quit, so that they are saved back unchanged); then a
    // game choice starts the first game of that kind and the window shows,
    // and the quit ends the run. A game of the chosen kind left at the last
    // run is offered back first, standing on the board; No starts a new game
    // in its place.
    void takeStartChoice(StartChoice choice);
    // The new-game button: asks first while a game is running, then starts one.
    void pressNewGame();
    // Saves both files now (only the table before the levels are read or a
    // game starts). This is what a logout asks for.
    Outcome saveNow();
    // The end of the run, done once however the window goes: both files are
    // written, the sound is shut down and the program ends.
    void endRun();
    // The run is ended from outside (a signal, the session manager): a failed
    // save goes to the error output, since no one is there to answer a dialog.
    void endFromOutside();

private:
    // The board was pressed: the game's turn, then the game kept on disk.
    void pressBoard(std::optional<Cell> cell, MouseButton button);
    // Asks whether to take up the game left at the last run, now on the board;
    // No starts a new game in its place.
    void offerLeftGame(std::int32_t score);
    // A new game of the chosen kind, with its tune, kept on disk at once.
    void startNewGame();
    // Keeps the game in progress on disk once a turn is over, so that a quit,
    // a logout or a crash never loses it; a game that is over is removed.
    void keepGame();
    // The quit button: ends the run once the player confirms.
    void pressQuit();
    // The help button: the help page in edition 1, else the board hides or shows.
    void pressHelp();
    // The web button: the product page in edition 1, else the maker's page.
    void pressWebPage();
    // Opens a help file or web page through the desktop, telling the player
    // in the message dialog when nothing could open it.
    void openForPlayer(const QUrl& url, const QString& what);
    // A final score that made the table: the name entry, then the table saved at once.
    void enterRecord(std::int32_t score);
    // A failed save, told to the player (or to the error output when the run ends from outside).
    void tellSaveProblem(const Outcome& saved);
    // The score clock counts the shown score up while a game runs, and rests
    // once it has caught up.
    void runScoreClockWhileCounting();

    GameData& data_;
    SoundPlayer& sound_;
    RandomSource& random_;
    Desktop desktop_;
    ButtonContext buttons_;   // the click and the pictures of every window and dialog of the run
    StartScreen startScreen_;
    std::unique_ptr<GameWindow> window_;
    std::unique_ptr<Game> game_;
    QTimer* scoreClock_ = nullptr;
    bool gameRunning_ = false;
    bool runEnded_ = false;
    bool levelsKnown_ = false;
    bool endsQuietly_ = false;
    std::optional<SavedGame> lastKept_;   // the game as last written to disk
    bool gameSaveFailureTold_ = false;
};

}   // namespace velko
