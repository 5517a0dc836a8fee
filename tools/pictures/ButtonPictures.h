#pragma once
// The faces of the game's image buttons: for every button three pictures,
// <name>0 normal, <name>1 hover and <name>2 pressed, made to the button's
// exact size and to the colour of the ground it sits on.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace velko::pictures {

enum class ButtonSymbol { Caption, Bar, Cross };

struct ButtonDesign {
    QString name;   // the button's picture name in the media folder
    QSize size;
    QString caption;   // for ButtonSymbol::Caption
    ButtonSymbol symbol;
    QColor ground;               // the colour around the rounded corners
    double captionPixels = 13;   // wanted caption size; shrunk only if it must
};

// Every button of the game.
std::vector<ButtonDesign> allButtonDesigns();

// state: 0 normal, 1 hover, 2 pressed.
QImage drawButton(const ButtonDesign& design, int state);

}   // namespace velko::pictures
