#include "Shapes.h"

#include "Palette.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace velko::pictures {

namespace pal = palette;

QColor mix(const QColor& a, const QColor& b, double amount)
{
    auto channel = [amount](int x, int y) { return int(std::lround(x + (y - x) * amount)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                  channel(a.alpha(), b.alpha()));
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

QFont captionFont(double pixelSize, bool bold)
{
    QFont font(pal::kFontFamily);
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(true);
    return font;
}

void paintContactShadow(QPainter& p, QPointF centre, double radius)
{
    const QPointF at = centre + QPointF(0.12 * radius, 0.88 * radius);
    QRadialGradient shade(at, 1.0);
    shade.setColorAt(0.0, QColor(0, 0, 0, 120));
    shade.setColorAt(0.6, QColor(0, 0, 0, 50));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(at);
    p.scale(0.95 * radius, 0.3 * radius);
    p.translate(-at);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(at, 1.0, 1.0);
    p.restore();
}

void paintEyes(QPainter& p, QPointF centre, double r, double lookX, double lookY, double scale)
{
    const double eyeY = centre.y() + 0.06 * r;
    const double spread = 0.29 * r * std::sqrt(scale);
    const double rx = 0.19 * r * scale, ry = 0.25 * r * scale;
    p.save();
    for (int side = -1; side <= 1; side += 2) {
        const QPointF eye(centre.x() + side * spread + lookX * 0.04 * r, eyeY);
        // A faint shade under the eye seats it in the ball.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawEllipse(eye + QPointF(0.02 * r, 0.05 * r), rx * 1.08, ry * 1.06);
        p.setBrush(QColor(255, 255, 255));
        p.setPen(QPen(withAlpha(pal::kInk, 200), std::max(0.35, 0.04 * r)));
        p.drawEllipse(eye, rx, ry);
        const QPointF pupil = eye + QPointF(lookX * 0.07 * r * scale, lookY * 0.1 * r * scale);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::kInk);
        p.drawEllipse(pupil, 0.105 * r * scale, 0.125 * r * scale);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(pupil + QPointF(-0.035 * r, -0.05 * r), 0.04 * r, 0.04 * r);
    }
    p.restore();
}

// The colour's own pattern on the ball's body, in the ball's units (r the
// radius). Drawn as a see-through shade or light, so the body's lighting still
// shows through it and the ball keeps its round, glossy look.
static void paintMark(QPainter& p, QPointF c, double r, int mark)
{
    if (mark == kNoMark)
        return;
    const QColor dark(0, 0, 0, 105);
    const QColor light(255, 255, 255, 150);
    auto at = [&](double x, double y) { return c + QPointF(x * r, y * r); };
    p.save();
    p.setPen(Qt::NoPen);
    // Spots leave the light spot at the top left and the eyes clear.
    const QPointF spots[] = {at(0.5, -0.58),  at(-0.72, 0.08), at(0.75, 0.12),
                             at(-0.42, 0.66), at(0.38, 0.7),   at(0.02, -0.86)};
    switch (mark) {
    case kDarkBands:
        p.setBrush(dark);
        for (double y : {-0.62, 0.0, 0.62})
            p.drawRect(QRectF(c.x() - r, c.y() + (y - 0.13) * r, 2 * r, 0.26 * r));
        break;
    case kLightSpots:
    case kDarkSpots:
        p.setBrush(mark == kLightSpots ? light : dark);
        for (const QPointF& spot : spots)
            p.drawEllipse(spot, 0.19 * r, 0.19 * r);
        break;
    case kLightStripes:
        // Lines of longitude: seen from the front, half ellipses between the poles.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(light, 0.22 * r));
        p.drawLine(at(0, -1), at(0, 1));
        p.drawEllipse(c, 0.62 * r, r);
        break;
    case kDarkSlants:
        p.setPen(QPen(dark, 0.24 * r));
        for (double d : {-1.2, -0.4, 0.4, 1.2})
            p.drawLine(at(d - 1.2, 1.2), at(d + 1.2, -1.2));
        break;
    case kLightRing:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(light, 0.24 * r));
        p.drawEllipse(c + QPointF(0, 0.05 * r), 0.66 * r, 0.66 * r);
        break;
    case kDarkRing:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(dark, 0.26 * r));
        p.drawEllipse(c, 0.84 * r, 0.84 * r);
        p.setPen(Qt::NoPen);
        p.setBrush(dark);
        p.drawEllipse(at(0, 0.62), 0.2 * r, 0.14 * r);
        break;
    case kJokerStar: paintStar(p, at(0, 0.6), 0.34 * r, 0.15 * r); break;
    default: break;
    }
    p.restore();
}

void paintBall(QPainter& p, QPointF c, double r, const BallLook& look)
{
    QColor base = look.colour;
    if (look.bright)
        base = mix(base, QColor(255, 255, 255), 0.22);
    const QColor white(255, 255, 255);
    const QColor deep = mix(base, QColor(0, 0, 0), look.joker ? 0.45 : 0.55);

    QPainterPath ball;
    ball.addEllipse(c, r, r);

    p.save();
    p.setPen(Qt::NoPen);
    // Body: light from the top left, falling off to a darker rim.
    QRadialGradient body(c + QPointF(-0.22 * r, -0.28 * r), 1.32 * r, c + QPointF(-0.42 * r, -0.5 * r));
    body.setColorAt(0.0, mix(base, white, look.bright ? 0.7 : 0.55));
    body.setColorAt(0.3, mix(base, white, 0.12));
    body.setColorAt(0.62, base);
    body.setColorAt(0.88, mix(base, deep, 0.7));
    body.setColorAt(1.0, deep);
    p.setBrush(body);
    p.drawPath(ball);

    p.setClipPath(ball);
    if (look.mark != kJokerStar)
        paintMark(p, c, r, look.mark);
    if (look.joker) {
        // The joker's rainbow sheen, soft enough to keep it silver.
        QConicalGradient rainbow(c, 30);
        const QColor hues[] = {QColor(255, 80, 80),   QColor(255, 200, 60), QColor(90, 220, 90), QColor(70, 200, 255),
                               QColor(120, 110, 255), QColor(230, 90, 230), QColor(255, 80, 80)};
        for (int i = 0; i < 7; ++i)
            rainbow.setColorAt(i / 6.0, withAlpha(hues[i], 62));
        p.setBrush(rainbow);
        p.drawPath(ball);
        QRadialGradient fade(c + QPointF(-0.3 * r, -0.35 * r), 0.9 * r);
        fade.setColorAt(0.0, QColor(255, 255, 255, 120));
        fade.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(fade);
        p.drawPath(ball);
    }
    // Light bounced back from the ground onto the lower right.
    QRadialGradient bounce(c + QPointF(0.38 * r, 0.62 * r), 0.75 * r);
    bounce.setColorAt(0.0, withAlpha(mix(base, white, 0.45), 130));
    bounce.setColorAt(1.0, withAlpha(mix(base, white, 0.45), 0));
    p.setBrush(bounce);
    p.drawPath(ball);
    if (look.mark == kJokerStar)
        paintMark(p, c, r, look.mark);
    p.setClipping(false);

    // Soft window highlight and a sharp specular dot.
    p.save();
    p.translate(c + QPointF(-0.36 * r, -0.5 * r));
    p.rotate(-35);
    QRadialGradient gloss(QPointF(0, 0), 0.34 * r);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 210));
    gloss.setColorAt(0.55, QColor(255, 255, 255, 90));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.scale(1.0, 0.62);
    p.setBrush(gloss);
    p.drawEllipse(QPointF(0, 0), 0.34 * r, 0.34 * r);
    p.restore();
    p.setBrush(QColor(255, 255, 255, 245));
    p.drawEllipse(c + QPointF(-0.42 * r, -0.52 * r), 0.085 * r, 0.085 * r);

    // A thin darker rim keeps the ball crisp against any ground.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(mix(deep, QColor(0, 0, 0), 0.35), 150), std::max(0.4, 0.05 * r)));
    p.drawEllipse(c, r - 0.025 * r, r - 0.025 * r);
    p.restore();

    if (look.eyes)
        paintEyes(p, c, r, look.lookX, look.lookY, look.eyeScale);
}

// A one-pixel bevel round a cell: light above and left, dark below and right.
// The painter has no pen.
static void paintBevel(QPainter& p, const QRectF& cell, const QColor& light, const QColor& dark)
{
    p.setBrush(light);
    p.drawRect(QRectF(cell.left(), cell.top(), cell.width() - 1, 1));
    p.drawRect(QRectF(cell.left(), cell.top(), 1, cell.height() - 1));
    p.setBrush(dark);
    p.drawRect(QRectF(cell.left() + 1, cell.bottom() - 1, cell.width() - 1, 1));
    p.drawRect(QRectF(cell.right() - 1, cell.top() + 1, 1, cell.height() - 1));
}

void paintCellGround(QPainter& p, const QRectF& cell, const QColor& grey)
{
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient face(cell.topLeft(), cell.bottomRight());
    face.setColorAt(0.0, mix(grey, QColor(255, 255, 255), 0.08));
    face.setColorAt(1.0, mix(grey, QColor(0, 0, 0), 0.06));
    p.setBrush(face);
    p.drawRect(cell);
    const QColor light = mix(grey, QColor(255, 255, 255), 0.35);
    const QColor dark = mix(grey, QColor(0, 0, 0), 0.3);
    paintBevel(p, cell, light, dark);
    p.restore();
}

void paintEngravedRing(QPainter& p, QPointF c, double radius, double width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kRingLight, width));
    p.drawEllipse(c + QPointF(0.6, 0.6), radius, radius);
    p.setPen(QPen(pal::kRingDark, width));
    p.drawEllipse(c, radius, radius);
    p.restore();
}

void paintWeaveGround(QPainter& p, const QRectF& cell)
{
    p.save();
    p.setClipRect(cell);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kWeaveGround);
    p.drawRect(cell);
    // A basket weave: 9-pixel blocks whose three strands alternate direction.
    const double block = 9.0;
    for (int by = 0; by * block < cell.height(); ++by) {
        for (int bx = 0; bx * block < cell.width(); ++bx) {
            const QRectF b(cell.left() + bx * block, cell.top() + by * block, block, block);
            const bool across = (bx + by) % 2 == 0;
            for (int s = 0; s < 3; ++s) {
                QRectF strand = across ? QRectF(b.left() + 0.5, b.top() + s * 3 + 0.5, block - 1, 2)
                                       : QRectF(b.left() + s * 3 + 0.5, b.top() + 0.5, 2, block - 1);
                QLinearGradient shade(strand.topLeft(), across ? strand.bottomLeft() : strand.topRight());
                shade.setColorAt(0.0, mix(pal::kWeaveGround, QColor(255, 255, 255), 0.18));
                shade.setColorAt(1.0, pal::kWeaveDark);
                p.setBrush(shade);
                p.drawRoundedRect(strand, 0.8, 0.8);
            }
        }
    }
    p.setClipping(false);
    const QColor light = mix(pal::kWeaveGround, QColor(255, 255, 255), 0.4);
    const QColor dark = mix(pal::kWeaveDark, QColor(0, 0, 0), 0.35);
    paintBevel(p, cell, light, dark);
    p.restore();
}

void paintColouredRing(QPainter& p, QPointF c, double radius, double width, const QColor& colour)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    // Shadow under the ring, the ring, then a highlight on its upper left.
    p.setPen(QPen(QColor(0, 0, 0, 90), width + 1.2));
    p.drawEllipse(c + QPointF(0.5, 0.8), radius, radius);
    QConicalGradient body(c, 135);
    body.setColorAt(0.0, mix(colour, QColor(255, 255, 255), 0.45));
    body.setColorAt(0.5, mix(colour, QColor(0, 0, 0), 0.35));
    body.setColorAt(1.0, mix(colour, QColor(255, 255, 255), 0.45));
    p.setPen(QPen(QBrush(body), width));
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(withAlpha(mix(colour, QColor(0, 0, 0), 0.55), 200), 0.6));
    p.drawEllipse(c, radius + width / 2, radius + width / 2);
    p.drawEllipse(c, radius - width / 2, radius - width / 2);
    p.restore();
}

void paintStar(QPainter& p, QPointF c, double outer, double inner, double rotation)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = (rotation - 90 + i * 36) * M_PI / 180.0;
        const double radius = (i % 2 == 0) ? outer : inner;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.save();
    QRadialGradient gold(c + QPointF(-0.2 * outer, -0.3 * outer), outer * 1.1);
    gold.setColorAt(0.0, pal::kGoldPale);
    gold.setColorAt(0.45, pal::kGold);
    gold.setColorAt(1.0, pal::kGoldDark);
    p.setBrush(gold);
    QPen rim(mix(pal::kGoldDark, QColor(0, 0, 0), 0.35), std::max(0.6, outer * 0.05));
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.drawPath(star);
    p.restore();
}

void paintPanel(QPainter& p, const QRectF& rect, double radius, const QColor& fill)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(rect.translated(1.5, 2), radius, radius);
    p.setBrush(pal::kPanelShadow);
    p.drawRoundedRect(rect, radius, radius);
    p.setBrush(pal::kPanelLight);
    p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    p.setBrush(fill);
    p.drawRoundedRect(rect.adjusted(2, 2, -2, -2), radius - 1.5, radius - 1.5);
    p.restore();
}

void paintWell(QPainter& p, const QRectF& rect, double radius, const QColor& fill)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kPanelLight);
    p.drawRoundedRect(rect, radius, radius);
    p.setBrush(pal::kPanelShadow);
    p.drawRoundedRect(rect.adjusted(0, 0, -1, -1), radius, radius);
    p.setBrush(fill);
    p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    p.restore();
}

static QPainterPath textPath(const QString& text, const QFont& font, QPointF baseline)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

static void paintSoftShadow(QPainter& p, const QPainterPath& path, double size)
{
    if (size <= 0)
        return;
    p.save();
    p.setBrush(Qt::NoBrush);
    const QPointF offset(size * 0.45, size * 0.6);
    for (int i = 5; i >= 1; --i) {
        QPen pen(QColor(0, 0, 0, 34), size * i / 2.5);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(path.translated(offset));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(path.translated(offset));
    p.restore();
}

void paintGoldText(QPainter& p, const QString& text, const QFont& font, QPointF baseline, double shadowSize)
{
    const QPainterPath path = textPath(text, font, baseline);
    const QRectF box = path.boundingRect();
    paintSoftShadow(p, path, shadowSize);
    p.save();
    QPen rim(QColor(0x4A, 0x30, 0x00), std::max(0.8, font.pixelSize() / 18.0));
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, pal::kGoldPale);
    gold.setColorAt(0.45, pal::kGold);
    gold.setColorAt(0.55, mix(pal::kGold, pal::kGoldDark, 0.35));
    gold.setColorAt(1.0, pal::kGoldDark);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(path);
    p.restore();
}

QPointF centredBaseline(const QString& text, const QFont& font, QPointF centre)
{
    const QPainterPath path = textPath(text, font, QPointF(0, 0));
    const QRectF box = path.boundingRect();
    return QPointF(centre.x() - box.center().x(), centre.y() - box.center().y());
}

void paintSolidText(QPainter& p, const QString& text, const QFont& font, QPointF baseline, const QColor& colour,
                    double shadowSize)
{
    const QPainterPath path = textPath(text, font, baseline);
    paintSoftShadow(p, path, shadowSize);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void paintBackdrop(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient deep(rect.topLeft(), rect.bottomLeft());
    deep.setColorAt(0.0, pal::kBackTop);
    deep.setColorAt(1.0, pal::kBackBottom);
    p.setBrush(deep);
    p.drawRect(rect);
    QRadialGradient light(rect.topLeft() + QPointF(rect.width() * 0.2, rect.height() * 0.05), rect.width() * 0.75);
    light.setColorAt(0.0, QColor(120, 150, 230, 46));
    light.setColorAt(1.0, QColor(120, 150, 230, 0));
    p.setBrush(light);
    p.drawRect(rect);
    p.restore();
}

}   // namespace velko::pictures
