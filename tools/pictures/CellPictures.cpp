#include "CellPictures.h"

#include "Canvas.h"
#include "CellPictureNames.h"
#include "Palette.h"
#include "Shapes.h"

#include <QRadialGradient>

namespace velko::pictures {

namespace pal = palette;

namespace {

const QRectF kCell(0, 0, kCellPixels, kCellPixels);
const QPointF kBallCentre(22.5, 21.8);
constexpr double kBallRadius = 18.0;   // the ball fills about 80 % of the cell

BallLook lookOf(int value)
{
    BallLook look;
    look.colour = pal::kBall[size_t(value)];
    look.joker = value == pal::kJoker;
    look.mark = value;
    // Each colour glances a little differently, so the board looks alive.
    static const double glance[9] = {0, -0.6, 0.5, 0.0, -0.3, 0.6, 0.0, -0.5, 0.35};
    look.lookX = glance[value];
    return look;
}

}   // namespace

QImage drawEmptyCell(int rings)
{
    Canvas canvas(kCellPixels, kCellPixels);
    QPainter& p = canvas.painter();
    paintCellGround(p, kCell, pal::kCellGrey);
    const QPointF centre(22.5, 22.5);
    if (rings >= 3) {
        paintEngravedRing(p, centre, 5.0, 1.3);
        paintEngravedRing(p, centre, 10.5, 1.3);
        paintEngravedRing(p, centre, 16.0, 1.3);
    } else {
        paintEngravedRing(p, centre, 13.0, 1.9);
    }
    return canvas.finish();
}

QImage drawBoardBall(int value)
{
    Canvas canvas(kCellPixels, kCellPixels);
    QPainter& p = canvas.painter();
    paintCellGround(p, kCell, pal::kCellGrey);
    paintContactShadow(p, kBallCentre, kBallRadius);
    paintBall(p, kBallCentre, kBallRadius, lookOf(value));
    return canvas.finish();
}

QImage drawSelectedBall(int value)
{
    Canvas canvas(kCellPixels, kCellPixels);
    QPainter& p = canvas.painter();
    // A warm, gold-lit ground so the selection stands out at once.
    paintCellGround(p, kCell, mix(pal::kCellGrey, pal::kGold, 0.35));
    QRadialGradient glow(QPointF(22.5, 22.5), 24);
    glow.setColorAt(0.0, withAlpha(pal::kGoldPale, 0));
    glow.setColorAt(0.62, withAlpha(pal::kGoldPale, 0));
    glow.setColorAt(0.82, withAlpha(pal::kGold, 210));
    glow.setColorAt(1.0, withAlpha(pal::kGold, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(QRectF(1, 1, 43, 43));
    paintContactShadow(p, kBallCentre, kBallRadius);
    BallLook look = lookOf(value);
    look.bright = true;
    look.lookY = -0.9;   // eyes wide, looking up at the player
    paintBall(p, kBallCentre, kBallRadius, look);
    // The gold outline ring.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kGoldDark, 3.2));
    p.drawEllipse(QPointF(22.5, 22.3), 19.8, 19.8);
    p.setPen(QPen(pal::kGold, 2.0));
    p.drawEllipse(QPointF(22.5, 22.3), 19.8, 19.8);
    p.setPen(QPen(withAlpha(pal::kGoldPale, 220), 0.8));
    p.drawArc(QRectF(22.5 - 19.8, 22.3 - 19.8, 39.6, 39.6), 60 * 16, 110 * 16);
    return canvas.finish();
}

QImage drawPreviewBall(char slot, int value)
{
    const QColor ring = slot == 'A' ? pal::kRingA : slot == 'B' ? pal::kRingB : pal::kRingC;
    Canvas canvas(kCellPixels, kCellPixels);
    QPainter& p = canvas.painter();
    paintWeaveGround(p, kCell);
    const QPointF centre(22.5, 22.5);
    // A dark seat inside the ring, so the ball stands clear of the weave.
    QRadialGradient seat(centre, 18.5);
    seat.setColorAt(0.0, mix(ring, QColor(0, 0, 0), 0.3));
    seat.setColorAt(1.0, mix(ring, QColor(0, 0, 0), 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(seat);
    p.drawEllipse(centre, 18.5, 18.5);
    paintColouredRing(p, centre, 19.5, 3.6, ring);
    const QPointF ballCentre(22.5, 22.0);
    paintContactShadow(p, ballCentre, 14.5);
    paintBall(p, ballCentre, 14.8, lookOf(value));
    return canvas.finish();
}

std::vector<NamedPicture> drawAllCells()
{
    std::vector<NamedPicture> cells;
    cells.push_back({cellPictures::emptyCell(0, 1), drawEmptyCell(1)});
    cells.push_back({cellPictures::emptyCell(0, 0), drawEmptyCell(3)});
    for (int v = 1; v <= 8; ++v)
        cells.push_back({cellPictures::ball(v), drawBoardBall(v)});
    for (int v = 1; v <= 8; ++v)
        cells.push_back({cellPictures::pickedUpBall(v), drawSelectedBall(v)});
    for (char slot : {'A', 'B', 'C'})
        for (int v = 1; v <= 8; ++v)
            cells.push_back({cellPictures::previewBall(slot, v), drawPreviewBall(slot, v)});
    return cells;
}

}   // namespace velko::pictures
