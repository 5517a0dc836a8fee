#include "AnchoredLabel.h"

#include <QMouseEvent>

namespace velko {

AnchoredLabel::AnchoredLabel(Anchor anchor, int anchorX, int top, const QColor& colour, QWidget* parent)
    : QLabel(parent),
      anchor_(anchor),
      anchorX_(anchorX),
      top_(top)
{
    // No background of its own: the window's picture shows around the letters.
    setAutoFillBackground(false);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    setAlignment(anchor == Anchor::Centre ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
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
    const int left = anchor_ == Anchor::Centre ? anchorX_ - width() / 2 : anchorX_;
    move(left, top_);
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
