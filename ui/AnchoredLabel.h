#pragma once
// A label on the window's picture: transparent, as large as its text, and
// keeping its left edge or its centre in place when the text changes.

#include <QLabel>

#include "WindowLayout.h"

namespace velko {

class AnchoredLabel : public QLabel {
    Q_OBJECT
public:
    // Named and held at its place's left edge or centre and top, in window pixels.
    AnchoredLabel(const layout::Place& place, const QColor& colour, QWidget* parent = nullptr);

    void setLabelText(const QString& text);

protected:
    // A label is no handle for dragging the window: its presses stop here.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToText();

    layout::Place place_;
};

}   // namespace velko
