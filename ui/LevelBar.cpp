// A volume bar: pressing or dragging with the left button sets the level from
// the pointer's place on the white track; the orange fill shows it.

#include "LevelBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "Rounding.h"

namespace velko {

namespace {
constexpr int kTrackWidth = 50;
constexpr int kTrackHeight = 10;
const QColor kTrackColour(255, 255, 255);
const QColor kFillColour(209, 89, 30);
}   // namespace

LevelBar::LevelBar(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kTrackWidth, kTrackHeight);
}

void LevelBar::setLevel(int level)
{
    const int clamped = std::clamp(level, 1, kTrackWidth);
    if (clamped == level_)
        return;
    level_ = clamped;
    update();
}

int LevelBar::levelAt(double x)
{
    const double pinned = std::clamp(x, 1.0, static_cast<double>(kTrackWidth));
    return static_cast<int>(roundHalfToEven(pinned));
}

// Only the left button alone sets a level; a press keeps the mouse grabbed, so
// a drag past either end still arrives here and pins the level at 1 or 50.
static bool leftButtonAlone(const QMouseEvent* event)
{
    return event->buttons() == Qt::LeftButton;
}

void LevelBar::mousePressEvent(QMouseEvent* event)
{
    if (!leftButtonAlone(event) || event->button() != Qt::LeftButton)
        return;
    const int level = levelAt(event->position().x());
    setLevel(level);
    emit levelChanged(level_);
}

void LevelBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!leftButtonAlone(event))
        return;
    const int level = levelAt(event->position().x());
    setLevel(level);
    emit levelChanged(level_);
}

void LevelBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kTrackColour);
    painter.fillRect(QRect(0, 0, level_, height()), kFillColour);
}

}   // namespace velko
