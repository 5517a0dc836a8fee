#pragma once
// A volume bar: a white 50 x 10 track whose orange fill is as wide as the level
// (1..50). Pressing or dragging with the left button alone sets the level.

#include <QWidget>

namespace velko {

class LevelBar : public QWidget {
    Q_OBJECT
public:
    explicit LevelBar(QWidget* parent = nullptr);

    int level() const { return level_; }
    void setLevel(int level);   // clamped to 1..50

    // The level for a pointer at x pixels from the bar's left edge:
    // clamped to 1..50, halves rounded to the even neighbour.
    static int levelAt(double x);

signals:
    void levelChanged(int level);   // only when the player sets it

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int level_ = 50;
};

}   // namespace velko
