#pragma once
// The pictures the windows show: the start screen, the main window's
// background, the two end-of-game pictures and the dialogs' title strip and
// title icon.

#include <QImage>

namespace velko::pictures {

QImage drawStartScreen();                    // game.gif, 640 × 480
QImage drawMainBackground();                 // back.gif, 640 × 480
QImage drawEndPicture(bool newRecord);       // cmd.gif / gameover.gif, 405 × 405
QImage drawTitleStrip();                     // tbk.gif, 341 × 22
QImage drawTitleIcon(const QImage& strip);   // tit.gif, 16 × 16, on the strip's colours

}   // namespace velko::pictures
