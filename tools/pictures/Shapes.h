#pragma once
// Drawing helpers shared by every picture of the game: the glossy ball with
// its eyes, the grey cell ground, engraved rings, the woven preview ground,
// the gold star, panels and gold lettering. Coordinates are final pixels.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace velko::pictures {

struct BallLook {
    QColor colour;
    bool bright = false;   // the selected ball: lighter and livelier
    bool joker = false;    // silver with a rainbow sheen
    bool eyes = true;
    double lookX = 0.0;   // where the pupils look, -1..1
    double lookY = -0.6;
    double eyeScale = 1.0;   // larger eyes keep tiny balls readable
    // The colour's own pattern (see BallMark), so that a ball is known by more
    // than its hue; 0 for none.
    int mark = 0;
};

// The eight patterns, by ball value. Each is lighter or darker than the ball
// it is drawn on, so the eight balls stay apart in grey and to players who
// see some colours alike.
enum BallMark {
    kNoMark = 0,
    kDarkBands = 1,      // blue: dark bands round the ball
    kLightSpots = 2,     // green: light spots
    kLightStripes = 3,   // purple: light stripes from pole to pole
    kDarkSpots = 4,      // cyan: dark spots
    kDarkSlants = 5,     // yellow: dark slanting stripes
    kLightRing = 6,      // orange: a light ring round the middle
    kJokerStar = 7,      // silver joker: a gold star
    kDarkRing = 8,       // red: a dark ring and a dark middle, like a target
};

// Mixes two colours; amount 0 gives a, 1 gives b.
QColor mix(const QColor& a, const QColor& b, double amount);
QColor withAlpha(const QColor& c, int alpha);

QFont captionFont(double pixelSize, bool bold = true);

void paintContactShadow(QPainter& p, QPointF centre, double radius);
void paintBall(QPainter& p, QPointF centre, double radius, const BallLook& look);
void paintEyes(QPainter& p, QPointF centre, double radius, double lookX, double lookY, double scale = 1.0);

// The grey square of an empty cell with its one-pixel bevel.
void paintCellGround(QPainter& p, const QRectF& cell, const QColor& grey);
// A groove cut into the cell, lit from the top left.
void paintEngravedRing(QPainter& p, QPointF centre, double radius, double width);
// The orange woven ground of the preview places, with its bevel.
void paintWeaveGround(QPainter& p, const QRectF& cell);
// A raised ring of one colour with a highlight (the preview rings).
void paintColouredRing(QPainter& p, QPointF centre, double radius, double width, const QColor& c);

void paintStar(QPainter& p, QPointF centre, double outer, double inner, double rotationDegrees = 0);

// A bevelled panel: flat fill, a light upper edge and a dark lower edge.
void paintPanel(QPainter& p, const QRectF& rect, double radius, const QColor& fill);
// A recessed field: dark fill with shadow above, light below.
void paintWell(QPainter& p, const QRectF& rect, double radius, const QColor& fill);

// Lettering in gold with a dark rim and a soft shadow, placed by its baseline.
void paintGoldText(QPainter& p, const QString& text, const QFont& font, QPointF baseline, double shadowSize);
// Lettering centred on a point, in gold (above) or any solid colour with a shadow.
QPointF centredBaseline(const QString& text, const QFont& font, QPointF centre);
void paintSolidText(QPainter& p, const QString& text, const QFont& font, QPointF baseline, const QColor& colour,
                    double shadowSize);

// The deep background gradient with a soft light from the top left.
void paintBackdrop(QPainter& p, const QRectF& rect);

}   // namespace velko::pictures
