#pragma once
// The main window: the board, the preview of the next balls, the score, the
// buttons and the volume bars on the 640 x 480 picture back.gif. It owns the
// running Game and is the screen the game draws on.

#include <QIcon>
#include <QImage>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "Game.h"
#include "KorvBut.h"
#include "RandomSource.h"
#include "SettingsFile.h"
#include "SoundPlayer.h"

class QLabel;
class QTimer;

namespace velko {

class AnchoredLabel;
class BoardView;
class LevelBar;

// Where the board lies on the window.
constexpr int kBoardLeft = 30;
constexpr int kBoardTop = 38;

// Window pixel positions of the three preview slots, and their picture family.
struct PreviewPlace { int x; int y; char family; };
constexpr PreviewPlace kPreviewPlaces[kPreviewSlots]{{500, 248, 'A'}, {572, 317, 'B'}, {491, 370, 'C'}};

class Form1 : public QWidget, public GameScreen {
    Q_OBJECT
public:
    // What the window asks of the desktop. Tests put recorders in their place.
    struct Desktop {
        std::function<void(int ms)> sleep;              // blocks the thread
        std::function<void(const QUrl&)> openUrl;       // help file and web pages
        std::function<void(QWidget* window)> startMove; // the system drags the window
        std::function<void()> endProgram;               // after the end of the run
    };

    // Plays through the given sound, which outlives the window.
    explicit Form1(SoundPlayer& sound, QWidget* parent = nullptr);
    ~Form1() override;

    Game& game() { return game_; }
    Desktop& desktop() { return desktop_; }
    const ButtonContext& buttons() const { return buttons_; }
    // The window's own surface: back.gif with the preview painted on it.
    const QImage& surface() const { return surface_; }

    // The new-game button: asks first while a game is running, then starts one.
    void newgame_MouseDown();
    // The stored volume levels onto both bars and into the sound.
    void ApplyVolumeLevels(const VolumeLevels& levels);
    // The end of the run, done once however the window goes: both files are
    // written, the sound is shut down and the program ends.
    void EndRun();
    // Saves both files now (only the table before the levels are read or a game starts);
    // returns what failed.
    QString SaveNow();
    // From now on a failed save is written to the error output, not shown:
    // the run is being ended from outside.
    void EndQuietly() { endsQuietly_ = true; }
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
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void buildLabels();
    void buildButtons();
    void buildLevelBars();
    KorvBut* addButton(const char* name, int left, int top, int width, int height);
    void TellSaveProblem(const QString& problem);
    void runScoreClockWhileCounting();

    void ex_MouseDown();
    void help_MouseDown();
    void web_MouseDown();

    SoundPlayer& sound_;
    SystemRandom random_;
    Game game_;
    Desktop desktop_;
    ButtonContext buttons_;
    QImage surface_;
    bool runEnded_ = false;
    bool levelsKnown_ = false;
    bool endsQuietly_ = false;
    bool gameRunning_ = false;

    BoardView* PictureBox0 = nullptr;
    QLabel* Picture2 = nullptr;
    AnchoredLabel* Label1_0 = nullptr;
    AnchoredLabel* Label1_1 = nullptr;
    AnchoredLabel* Label3 = nullptr;
    QTimer* Timer1 = nullptr;
    LevelBar* Picture4_0 = nullptr;   // effects
    LevelBar* Picture4_1 = nullptr;   // music
};

// What every button of the game takes: the media folder and the click.
ButtonContext gameButtons(SoundPlayer& sound);
// Puts a top-level window in the middle of the screen.
void centreOnScreen(QWidget* window);
// The program icon, in both its sizes.
QIcon programIcon();

} // namespace velko
