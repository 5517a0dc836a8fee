#include "BoardView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "Game.h"
#include "MouseCodes.h"

namespace velko {

BoardView::BoardView(QWidget* parent)
    : QWidget(parent), image_(kBoardPixels, kBoardPixels, QImage::Format_RGB32)
{
    image_.fill(Qt::black);
    setFixedSize(kBoardPixels, kBoardPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the board is the board's alone, even while it takes no clicks.
    setAttribute(Qt::WA_NoMousePropagation);
}

void BoardView::paintCell(int x, int y, const QString& picture)
{
    const QImage cell(QStringLiteral(":/cells/") + picture);
    if (cell.isNull())
        return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, cell);
    // What the surface keeps reaches the screen by the time the player can act
    // again, even when no refresh follows (the cells emptied by a removal).
    update(QRect(x, y, cell.width(), cell.height()));
}

void BoardView::copyPictureRow(const QImage& picture, int sourceRow, int boardRow)
{
    if (sourceRow < 0 || sourceRow >= picture.height() || boardRow < 0 || boardRow >= image_.height())
        return;   // past an edge: nothing to copy
    const int width = std::min(picture.width(), image_.width());
    std::memcpy(image_.scanLine(boardRow), picture.constScanLine(sourceRow),
                static_cast<size_t>(width) * sizeof(QRgb));
}

void BoardView::wipePicture(const QImage& picture)
{
    if (picture.isNull())
        return;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    for (int y1 = kBoardPixels; y1 >= 1; --y1) {
        copyPictureRow(source, y1, y1);
        for (int n = y1 - 1; n >= 1; --n)
            copyPictureRow(source, y1, n);
        refresh();
    }
}

void BoardView::refresh() { repaint(); }

void BoardView::paintEvent(QPaintEvent* event)
{
    // Every expose shows the kept drawing as it is now.
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (onMouseDown)
        onMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                    static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}

void BoardView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void BoardView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

} // namespace velko
