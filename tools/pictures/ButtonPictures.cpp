#include "ButtonPictures.h"

#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"
#include "WindowLayout.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>

namespace velko::pictures {

namespace pal = palette;
namespace lay = layout;

std::vector<ButtonDesign> allButtonDesigns()
{
    const QColor dark = pal::kPanel;
    const QColor grey = pal::kDialogGrey;
    // Each face is made to the size of the button's place.
    const auto button = [](const lay::Place& place, const char* caption, ButtonSymbol symbol, const QColor& ground,
                           double captionPixels = 13) {
        return ButtonDesign{place.picture, place.size(), caption, symbol, ground, captionPixels};
    };
    return {
        button(lay::kNewGameButton, "New game", ButtonSymbol::Caption, dark),
        button(lay::kScoresButton, "Scores", ButtonSymbol::Caption, dark),
        button(lay::kWebButton, "Website", ButtonSymbol::Caption, dark),
        button(lay::kHelpButton, "Help", ButtonSymbol::Caption, dark),
        button(lay::kMinimiseButton, "", ButtonSymbol::Bar, dark),
        button(lay::kCloseButton, "", ButtonSymbol::Cross, dark),
        button(lay::kNormalGameButton, "Normal game", ButtonSymbol::Caption, dark, 19),
        button(lay::kChallengeButton, "Challenge", ButtonSymbol::Caption, dark, 19),
        button(lay::kQuitButton, "Quit", ButtonSymbol::Caption, dark, 19),
        button(lay::kOkButton, "OK", ButtonSymbol::Caption, grey),
        button(lay::kYesButton, "Yes", ButtonSymbol::Caption, grey, 11),
        button(lay::kNoButton, "No", ButtonSymbol::Caption, grey, 11),
    };
}

namespace {

struct StateColours {
    QColor top, bottom, border, caption;
};

StateColours coloursFor(int state)
{
    const QColor white(255, 255, 255), black(0, 0, 0);
    switch (state) {
    case 1:   // hover: lighter, the gold brighter
        return {mix(pal::kPanelLight, white, 0.18), mix(pal::kPanel, pal::kPanelLight, 0.45), pal::kGold,
                pal::kGoldPale};
    case 2:   // pressed: darker, sunk
        return {mix(pal::kPanel, black, 0.3), mix(pal::kPanel, pal::kPanelShadow, 0.2), pal::kGoldDark,
                mix(pal::kGold, pal::kGoldDark, 0.3)};
    default:
        return {mix(pal::kPanelLight, pal::kPanel, 0.15), mix(pal::kPanel, pal::kPanelShadow, 0.3),
                mix(pal::kGoldDark, pal::kPanel, 0.25), pal::kGold};
    }
}

// Captions are narrowed a little, like a condensed face, so that they can be
// large on small buttons.
constexpr double kCaptionSqueeze = 0.86;

// The largest bold caption that fits the face with a small margin.
QFont fittingFont(const QString& caption, double wanted, const QSizeF& face)
{
    const double room = face.width() - std::min(10.0, face.width() * 0.12);
    for (double pixels = wanted; pixels > 6; pixels -= 0.5) {
        const QFont font = captionFont(pixels);
        QPainterPath path;
        path.addText(QPointF(0, 0), font, caption);
        if (path.boundingRect().width() * kCaptionSqueeze <= room)
            return font;
    }
    return captionFont(6);
}

// The caption's outline, narrowed and centred on the face.
QPainterPath captionPath(const QString& caption, const QFont& font, QPointF centre)
{
    QPainterPath text;
    text.addText(QPointF(0, 0), font, caption);
    const QRectF box = text.boundingRect();
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(kCaptionSqueeze, 1.0);
    place.translate(-box.center().x(), -box.center().y());
    return place.map(text);
}

}   // namespace

QImage drawButton(const ButtonDesign& design, int state)
{
    const int w = design.size.width();
    const int h = design.size.height();
    Canvas canvas(w, h);
    QPainter& p = canvas.painter();
    p.setPen(Qt::NoPen);
    p.setBrush(design.ground);
    p.drawRect(QRectF(0, 0, w, h));

    const bool tiny = h <= 12;
    const bool pressed = state == 2;
    // The face leaves one pixel at the lower right for its shadow; pressing
    // moves it into that pixel.
    const QRectF face = pressed ? QRectF(1, 1, w - 1, h - 1) : QRectF(0, 0, w - 1, h - 1);
    const double radius = tiny ? 2.0 : h / 4.0;
    const StateColours colours = coloursFor(state);

    if (!pressed) {
        p.setBrush(QColor(0, 0, 0, design.ground.lightness() > 128 ? 90 : 150));
        p.drawRoundedRect(face.translated(1, 1), radius, radius);
    }
    // Dark rim, then the gradient body.
    p.setBrush(pal::kPanelShadow);
    p.drawRoundedRect(face, radius, radius);
    const QRectF body = face.adjusted(tiny ? 0.6 : 1, tiny ? 0.6 : 1, tiny ? -0.6 : -1, tiny ? -0.6 : -1);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, colours.top);
    fill.setColorAt(1.0, colours.bottom);
    p.setBrush(fill);
    p.drawRoundedRect(body, radius - 0.8, radius - 0.8);
    if (!tiny) {
        // Gloss on the upper half and a thin gold edge.
        QPainterPath bodyPath;
        bodyPath.addRoundedRect(body, radius - 0.8, radius - 0.8);
        p.save();
        p.setClipPath(bodyPath);
        QLinearGradient gloss(body.topLeft(), QPointF(body.left(), body.center().y()));
        gloss.setColorAt(0.0, QColor(255, 255, 255, pressed ? 20 : 60));
        gloss.setColorAt(1.0, QColor(255, 255, 255, pressed ? 0 : 12));
        p.setBrush(gloss);
        p.drawRect(QRectF(body.left(), body.top(), body.width(), body.height() / 2));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colours.border, 1.0));
        p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius - 1.2, radius - 1.2);
        p.setPen(Qt::NoPen);
    }

    const QPointF centre = face.center();
    switch (design.symbol) {
    case ButtonSymbol::Caption: {
        const QFont font = fittingFont(design.caption, design.captionPixels, face.size());
        const QPainterPath text = captionPath(design.caption, font, centre + QPointF(0, 0.2));
        p.setBrush(QColor(0, 0, 0, 170));
        p.drawPath(text.translated(0.8, 0.9));
        p.setBrush(colours.caption);
        p.drawPath(text);
        break;
    }
    case ButtonSymbol::Bar: {
        const QRectF bar(face.left() + 1.5, face.bottom() - 4, face.width() - 3, 2);
        p.setBrush(colours.caption);
        p.drawRect(bar);
        break;
    }
    case ButtonSymbol::Cross: {
        QPen pen(colours.caption, 1.6);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        const double inset = 2.3;
        p.drawLine(QPointF(face.left() + inset, face.top() + inset),
                   QPointF(face.right() - inset, face.bottom() - inset));
        p.drawLine(QPointF(face.right() - inset, face.top() + inset),
                   QPointF(face.left() + inset, face.bottom() - inset));
        break;
    }
    }
    return flattenOnto(canvas.finish(), design.ground);
}

}   // namespace velko::pictures
