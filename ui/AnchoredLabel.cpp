#include "AnchoredLabel.h"

#include <QMouseEvent>

namespace velko {

AnchoredLabel::AnchoredLabel(const layout::Place& place, const QColor& colour, QWidget* parent)
    : QLabel(parent),
      place_(place)
{
    setObjectName(QLatin1String(place.name));
    // No background of its own: the window's picture shows around the letters.
    setAutoFillBackground(false);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    const Qt::Alignment across = place.anchor == layout::Anchor::Centre  ? Qt::AlignHCenter
                                 : place.anchor == layout::Anchor::Right ? Qt::AlignRight
                                                                         : Qt::AlignLeft;
    setAlignment(across | Qt::AlignTop);
    fitToText();
}

void AnchoredLabel::setLabelText(const QString& text)
{
    setText(text);
    fitToText();
}

void AnchoredLabel::fitToText()
{
    adjustSize();
    const int left = place_.anchor == layout::Anchor::Centre  ? place_.x - width() / 2
                     : place_.anchor == layout::Anchor::Right ? place_.x - width()
                                                              : place_.x;
    move(left, place_.y);
}

void AnchoredLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}
void AnchoredLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}
void AnchoredLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

}   // namespace velko
