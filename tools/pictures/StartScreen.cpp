#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"
#include "WindowLayout.h"
#include "WindowPictures.h"

#include <QRadialGradient>

namespace velko::pictures {

namespace pal = palette;
namespace lay = layout;

namespace {

struct Ball {
    double x, y, radius;
    int value;
};

// Balls around the title, all peeking at it.
const Ball kBalls[] = {
    {50, 60, 27, 1},   {596, 56, 24, 8},  {118, 178, 17, 5}, {530, 178, 20, 2}, {96, 318, 34, 6}, {548, 326, 30, 3},
    {175, 425, 22, 4}, {476, 436, 20, 5}, {40, 440, 15, 2},  {608, 424, 17, 7}, {40, 220, 12, 4}, {610, 232, 13, 1},
};

void paintFaintRings(QPainter& p)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    const struct {
        double x, y, r;
    } rings[] = {{320, 150, 250}, {320, 150, 200}, {60, 440, 140}, {600, 40, 110}};
    for (const auto& ring : rings) {
        p.setPen(QPen(QColor(140, 170, 255, 16), 10));
        p.drawEllipse(QPointF(ring.x, ring.y), ring.r, ring.r);
    }
    p.restore();
}

}   // namespace

QImage drawStartScreen()
{
    Canvas canvas(lay::kStartScreen.width, lay::kStartScreen.height);
    QPainter& p = canvas.painter();
    const QRectF window(lay::kStartScreen.rect());
    paintBackdrop(p, window);
    paintFaintRings(p);

    // A warm glow behind the title.
    QRadialGradient glow(QPointF(320, 135), 260);
    glow.setColorAt(0.0, QColor(110, 150, 255, 40));
    glow.setColorAt(1.0, QColor(110, 150, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(window);

    for (const Ball& ball : kBalls) {
        BallLook look;
        look.colour = pal::kBall[size_t(ball.value)];
        look.joker = ball.value == pal::kJoker;
        look.mark = ball.value;
        look.lookX = ball.x < 320 ? 0.8 : -0.8;
        look.lookY = ball.y > 200 ? -0.9 : 0.3;
        paintContactShadow(p, QPointF(ball.x, ball.y), ball.radius);
        paintBall(p, QPointF(ball.x, ball.y), ball.radius, look);
    }

    const QFont title = captionFont(74);
    paintGoldText(p, "Velko Lines", title, centredBaseline("Velko Lines", title, QPointF(320, 118)), 5);
    const QFont subtitle = captionFont(17, false);
    const QString line = "Line up five balls of a colour";
    paintSolidText(p, line, subtitle, centredBaseline(line, subtitle, QPointF(320, 176)), pal::kTextSoft, 1.5);

    // Five balls in a row: the whole game in one picture.
    for (int i = 0; i < 5; ++i) {
        const QPointF at(320 + (i - 2) * 34, 228);
        BallLook look;
        look.colour = pal::kBall[4];
        look.mark = 4;
        look.lookX = (i - 2) * 0.35;
        look.lookY = -0.5;
        paintContactShadow(p, at, 14);
        paintBall(p, at, 14.5, look);
    }

    // The clear panel that holds the three buttons.
    const QRect first = lay::kNormalGameButton.rect(), last = lay::kQuitButton.rect();
    const QRectF panel(first.left() - 16, first.top() - 14, first.width() + 32, last.bottom() + 1 - first.top() + 28);
    paintPanel(p, panel, 12, pal::kPanel);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(pal::kGoldDark, 170), 1.0));
    p.drawRoundedRect(panel.adjusted(-3.5, -3.5, 3.5, 3.5), 15, 15);
    return canvas.finish();
}

}   // namespace velko::pictures
