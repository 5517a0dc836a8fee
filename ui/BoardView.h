#pragma once
// The board surface board_: 405 x 405 pixels that keep their drawing in a
// persistent image. Cells and the end-of-game curtain are drawn into the image;
// the screen shows them at once on refresh(), and in any case by the time the
// program waits for input again, and on every expose.

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "Game.h"
#include "PictureCache.h"

namespace velko {

class BoardView : public QWidget {
    Q_OBJECT
public:
    // Draws the cell pictures kept in `pictures`, which outlives the view.
    explicit BoardView(PictureCache& pictures, QWidget* parent = nullptr);

    // Paints the cell picture :/cells/<picture> at its own size, top-left at (x, y).
    void paintCell(int x, int y, const QString& picture);
    // The curtain wipe: the picture grows from the bottom edge upwards, its
    // boundary row stretched to the top; row 0 is never written.
    void wipePicture(const QImage& picture);
    // Shows what has been drawn, at once.
    void refresh();

    const QImage& image() const { return image_; }

    // The turn driver: the cell under the pressed button, none past the board's last pixel.
    std::function<void(std::optional<Cell> cell, MouseButton button)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void copyPictureRow(const QImage& picture, int sourceRow, int boardRow);

    PictureCache& pictures_;
    int scale_;   // pixels to a logical pixel on the surface: 1, or 2 on a dense screen
    QImage image_;
};

}   // namespace velko
