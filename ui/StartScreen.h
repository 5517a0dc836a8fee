#pragma once
// The start screen: the picture game.gif with three buttons, the normal game,
// the challenge game and quit. Start-up happens before it shows.

#include <QImage>
#include <QWidget>

#include "GameData.h"
#include "ImageButton.h"
#include "StartChoice.h"

namespace velko {

class StartScreen : public QWidget {
    Q_OBJECT
public:
    // The buttons take the game's pictures and click from `buttons`.
    StartScreen(GameData& data, const ButtonContext& buttons, QWidget* parent = nullptr);

    // The player's choice, taken once. Once the event in hand is over the
    // screen hides, gives back its picture and window surface (it never
    // shows again) and reports the choice.
    void choose(StartChoice choice);

signals:
    // Reported once: a button, or closing the screen from outside (Quit).
    void chosen(StartChoice choice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addButton(const layout::Place& place, StartChoice choice);

    ButtonContext buttons_;
    QImage picture_;
    bool chosen_ = false;
};

}   // namespace velko
