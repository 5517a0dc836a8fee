#pragma once
// The start screen: the picture game.gif with three buttons, the normal game,
// the challenge game and quit. Start-up happens before it shows.

#include <QImage>
#include <QWidget>

#include "GameData.h"

namespace velko {

enum class StartChoice { NormalGame, ChallengeGame, Quit };

class StartScreen : public QWidget {
    Q_OBJECT
public:
    explicit StartScreen(const GameData& data, QWidget* parent = nullptr);

    // The player's choice, taken once; the screen closes after reporting it.
    void choose(StartChoice choice);

signals:
    // Reported once: a button, or closing the screen from outside (Quit).
    void chosen(StartChoice choice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addButton(const char* name, int top, int height, StartChoice choice);

    QImage picture_;
    bool chosen_ = false;
};

} // namespace velko
