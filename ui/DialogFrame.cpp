#include "DialogFrame.h"

#include <QKeyEvent>
#include <QPainter>

#include "ScreenPlacement.h"
#include "WindowLayout.h"

namespace velko {

namespace {
const QColor kDialogGround(216, 216, 216);
const QColor kFrameLine(0, 0, 0);
constexpr int kFrame = layout::kDialogFrame;
}   // namespace

DialogFrame::DialogFrame(int clientWidth, int clientHeight, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      client_(new QWidget(this))
{
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kDialogGround);
    setPalette(ground);
    setAutoFillBackground(true);
    client_->move(kFrame, kFrame);
    client_->resize(clientWidth, clientHeight);
    setFixedSize(clientWidth + 2 * kFrame, clientHeight + 2 * kFrame);
}

void DialogFrame::setClientHeight(int height)
{
    client_->resize(client_->width(), height);
    setFixedSize(client_->width() + 2 * kFrame, height + 2 * kFrame);
}

int DialogFrame::exec()
{
    centreOnScreen(this);
    return QDialog::exec();
}

void DialogFrame::keyPressEvent(QKeyEvent* event)
{
    // No button is a default button here, and no other key does anything.
    if (event->key() == Qt::Key_Escape)
        reject();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        enterPressed();
}

void DialogFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kFrameLine);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}   // namespace velko
