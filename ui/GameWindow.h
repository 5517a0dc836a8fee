#pragma once
// The main window: the board, the preview of the next balls, the score, the
// buttons and the volume bars on the 640 x 480 picture back.gif. It owns the
// running Game and is the screen the game draws on.

#include <QImage>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>

#include "Game.h"
#include "GameData.h"
#include "ImageButton.h"
#include "MessageDialog.h"
#include "MinimiseWatch.h"
#include "RandomSource.h"
#include "SettingsFile.h"
#include "SoundPlayer.h"
#include "StartChoice.h"
#include "WindowLayout.h"

class QLabel;
class QTimer;

namespace velko {

class AnchoredLabel;
class BoardView;
class LevelBar;

class GameWindow : public QWidget, public GameScreen {
    Q_OBJECT
public:
    // What the window asks of the desktop. Tests put recorders in their place.
    struct Desktop {
        std::function<void(int ms)> sleep;                // blocks the thread
        std::function<bool(const QUrl&)> openUrl;         // help file and web pages; false when nothing opened it
        std::function<void(QWidget* window)> startMove;   // the system drags the window
        std::function<void()> endProgram;                 // after the end of the run
    };

    // Plays through the given sound and draws from the given random source,
    // both of which outlive the window.
    GameWindow(GameData& data, SoundPlayer& sound, RandomSource& random, QWidget* parent = nullptr);
    ~GameWindow() override;

    // The running game, for the tests that set up a board.
    Game& game() { return game_; }
    // Where the window's desktop actions go; tests replace them.
    Desktop& desktop() { return desktop_; }
    // The pictures and click of this window's buttons.
    const ButtonContext& buttons() const { return buttons_; }
    // The window's own surface: back.gif with the preview painted on it.
    const QImage& surface() const { return surface_; }

    // The start screen's choice. The stored volume levels go onto the bars
    // either way (on a quit, so that they are saved back unchanged); then a
    // game choice starts the first game of that kind and the window shows,
    // and the quit ends the run. A game of the chosen kind left at the last
    // run is offered back first, standing on the board; No starts a new game
    // in its place.
    void takeStartChoice(StartChoice choice);
    // The new-game button: asks first while a game is running, then starts one.
    void pressNewGame();
    // The stored volume levels onto both bars and into the sound.
    void applyVolumeLevels(const VolumeLevels& levels);
    // The end of the run, done once however the window goes: both files are
    // written, the sound is shut down and the program ends.
    void endRun();
    // Saves both files now (only the table before the levels are read or a game starts);
    // returns what failed.
    QString saveNow();
    // From now on a failed save is written to the error output, not shown:
    // the run is being ended from outside.
    void endQuietly() { endsQuietly_ = true; }
    // A game is under way: from a new game to its end. The score clock only
    // ticks while the shown score still counts up towards the score.
    bool gameRunning() const { return gameRunning_; }

    // --- the screen the game draws on ---
    void drawCell(Cell cell, Colour colour) override;
    void refreshBoard() override;
    void showPreview(int slot, Colour colour) override;
    void refreshWindow() override;
    void showMarker(Cell cell, Colour colour) override;
    void hideMarker() override;
    void showEnding(Ending ending) override;
    void sleepMs(int ms) override;
    void playSound(Sound sound) override;
    void stopMusic() override;
    void setBoardEnabled(bool on) override;
    void setScoreTimer(bool on) override;
    void showScore(std::int32_t score) override;
    std::int32_t lowestHighScore() override;
    void newHighScore(std::int32_t score) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void drawBackground();
    void buildLabels();
    void buildButtons();
    void buildLevelBars();
    ImageButton* addButton(const layout::Place& place);
    // The message dialog over this window, with the game's title.
    Answer tellPlayer(const QString& text, MessageButtons answers);
    void tellSaveProblem(const QString& problem);
    void runScoreClockWhileCounting();

    // Asks whether to take up the game left at the last run, now on the board;
    // No starts a new game in its place.
    void offerLeftGame(std::int32_t score);
    // A new game of the chosen kind, with its tune, kept on disk at once.
    void startNewGame();
    // Keeps the game in progress on disk once a turn is over, so that a quit,
    // a logout or a crash never loses it; a game that is over is removed.
    void keepGame();
    // Space and the minimise button: asks the window system to minimise the window.
    void minimise();
    // The quit button: ends the run once the player confirms.
    void pressQuit();
    // The help button: the help page in edition 1, else the board hides or shows.
    void pressHelp();
    // The web button: the product page in edition 1, else the maker's page.
    void pressWebPage();
    // Opens a help file or web page through the desktop, telling the player
    // in the message dialog when nothing could open it.
    void openForPlayer(const QUrl& url, const QString& what);

    GameData& data_;
    SoundPlayer& sound_;
    RandomSource& random_;
    Game game_;
    Desktop desktop_;
    ButtonContext buttons_;
    QImage surface_;
    bool runEnded_ = false;
    bool levelsKnown_ = false;
    bool endsQuietly_ = false;
    bool gameRunning_ = false;
    MinimiseWatch minimising_;            // the tune rests while the window is away
    std::optional<SavedGame> lastKept_;   // the game as last written to disk
    bool gameSaveFailureTold_ = false;

    BoardView* board_ = nullptr;
    QLabel* marker_ = nullptr;
    AnchoredLabel* score_ = nullptr;
    AnchoredLabel* scoreShadow_ = nullptr;
    AnchoredLabel* bestScore_ = nullptr;
    QTimer* scoreClock_ = nullptr;
    LevelBar* effectsBar_ = nullptr;   // effects
    LevelBar* musicBar_ = nullptr;     // music
};

// What every button of the game takes: the media folder and the click.
ButtonContext gameButtons(SoundPlayer& sound);

}   // namespace velko
