#include "BoardView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "BoardGeometry.h"
#include "PictureCache.h"
#include "Pictures.h"

namespace velko {

BoardView::BoardView(PictureCache& pictures, QWidget* parent)
    : QWidget(parent),
      pictures_(pictures),
      scale_(pictureScale()),
      image_(kBoardPixels * scale_, kBoardPixels * scale_, QImage::Format_RGB32)
{
    image_.setDevicePixelRatio(scale_);
    image_.fill(Qt::black);
    setFixedSize(kBoardPixels, kBoardPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the board is the board's alone, even while it takes no clicks.
    setAttribute(Qt::WA_NoMousePropagation);
}

void BoardView::paintCell(int x, int y, const QString& picture)
{
    const QImage cell = pictures_.cell(picture, scale_);
    if (cell.isNull())
        return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, cell);
    // What the surface keeps reaches the screen by the time the player can act
    // again, even when no refresh follows (the cells emptied by a removal).
    update(QRectF(QPointF(x, y), cell.deviceIndependentSize()).toAlignedRect());
}

void BoardView::copyPictureRow(const QImage& picture, int sourceRow, int boardRow)
{
    // Rows are logical: on a dense surface one row is scale_ rows of pixels.
    if (sourceRow < 0 || sourceRow * scale_ >= picture.height() || boardRow < 0 || boardRow * scale_ >= image_.height())
        return;   // past an edge: nothing to copy
    const int width = std::min(picture.width(), image_.width());
    for (int line = 0; line < scale_; ++line)
        std::memcpy(image_.scanLine(boardRow * scale_ + line), picture.constScanLine(sourceRow * scale_ + line),
                    static_cast<size_t>(width) * sizeof(QRgb));
}

void BoardView::wipePicture(const QImage& picture)
{
    if (picture.isNull())
        return;
    QImage source = picture.convertToFormat(QImage::Format_RGB32);
    // A picture of another density is brought to the surface's pixels first.
    if (picture.devicePixelRatio() != scale_)
        source = source.scaled(source.size() * (scale_ / picture.devicePixelRatio()), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
    for (int y1 = kBoardPixels; y1 >= 1; --y1) {
        copyPictureRow(source, y1, y1);
        for (int n = y1 - 1; n >= 1; --n)
            copyPictureRow(source, y1, n);
        refresh();
    }
}

void BoardView::refresh()
{
    repaint();
}

void BoardView::paintEvent(QPaintEvent*)
{
    // Every expose shows the kept drawing as it is now, clipped to the exposed
    // part, and smoothly on a screen of another density than the surface's.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, image_);
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!onMouseDown)
        return;
    const MouseButton button = event->button() == Qt::LeftButton    ? MouseButton::Left
                               : event->button() == Qt::RightButton ? MouseButton::Right
                                                                    : MouseButton::Other;
    onMouseDown(cellAt(static_cast<float>(event->position().x()), static_cast<float>(event->position().y())), button);
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}
void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

}   // namespace velko
