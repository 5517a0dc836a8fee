#pragma once
// The main window: the board, the preview of the next balls, the score, the
// buttons and the volume bars on the 640 x 480 picture back.gif. It is the
// screen the game draws on, and reports the player's presses; the session
// (GameSession) plays the game on it.

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "Game.h"
#include "GameData.h"
#include "ImageButton.h"
#include "MessageDialog.h"
#include "MinimiseWatch.h"
#include "SettingsFile.h"
#include "SoundPlayer.h"
#include "WindowLayout.h"

class QLabel;

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
        std::function<void(QWidget* window)> startMove;   // the system drags the window
    };

    // Plays through the given sound, which outlives the window; its buttons,
    // dialogs and pictures share `buttons` with the rest of the run.
    GameWindow(GameData& data, SoundPlayer& sound, const ButtonContext& buttons, QWidget* parent = nullptr);
    ~GameWindow() override;

    // Where the window's desktop actions go; tests replace them.
    Desktop& desktop() { return desktop_; }
    // The pictures and click of this window's buttons.
    const ButtonContext& buttons() const { return buttons_; }
    // The window's own surface: back.gif with the preview painted on it.
    const QImage& surface() const { return surface_; }

    // The volume levels onto both bars and into the sound.
    void applyVolumeLevels(const VolumeLevels& levels);
    // The levels the bars show now.
    VolumeLevels volumeLevels() const;
    // The best score of the table, above the score.
    void showBestScore();
    // The help of the other editions: the board hides, or shows again.
    void toggleBoard();
    // Asks or tells the player in the message dialog over this window, with the game's title.
    Answer tellPlayer(const QString& text, MessageButtons answers);

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

signals:
    // What the player did, and what the game asked for that the window does
    // not do itself; the session answers each.
    void boardPressed(std::optional<velko::Cell> cell, velko::MouseButton button);
    void newGamePressed();
    void quitPressed();
    void helpPressed();
    void webPagePressed();
    void scoreTimerSwitched(bool on);
    void recordMade(std::int32_t score);
    // The window is closing, however it was closed.
    void closing();

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
    // Space and the minimise button: asks the window system to minimise the window.
    void minimise();

    GameData& data_;
    SoundPlayer& sound_;
    Desktop desktop_;
    ButtonContext buttons_;
    QImage surface_;
    MinimiseWatch minimising_;   // the tune rests while the window is away

    BoardView* board_ = nullptr;
    QLabel* marker_ = nullptr;
    AnchoredLabel* score_ = nullptr;
    AnchoredLabel* scoreShadow_ = nullptr;
    AnchoredLabel* bestScore_ = nullptr;
    LevelBar* effectsBar_ = nullptr;   // effects
    LevelBar* musicBar_ = nullptr;     // music
};

// What every button of the game takes: the media folder, the click and a
// fresh store of pictures for the run.
ButtonContext gameButtons(SoundPlayer& sound);

}   // namespace velko
