#pragma once
// A label on the window's picture: transparent, as large as its text, and
// keeping its left edge or its centre in place when the text changes.

#include <QLabel>

namespace velko {

class AnchoredLabel : public QLabel {
    Q_OBJECT
public:
    enum class Anchor { LeftEdge, Centre };

    // anchorX is the left edge or the centre, top the top edge, in window pixels.
    AnchoredLabel(Anchor anchor, int anchorX, int top, const QColor& colour, QWidget* parent = nullptr);

    void setLabelText(const QString& text);

protected:
    // A label is no handle for dragging the window: its presses stop here.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToText();

    Anchor anchor_;
    int anchorX_;
    int top_;
};

}   // namespace velko
