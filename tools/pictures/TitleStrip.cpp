#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"
#include "WindowLayout.h"
#include "WindowPictures.h"

#include <QLinearGradient>

namespace velko::pictures {

namespace pal = palette;
namespace lay = layout;

QImage drawTitleStrip()
{
    const int w = lay::kWidestTitleStrip;
    const int h = lay::kTitleStrip.height;
    Canvas canvas(w, h);
    QPainter& p = canvas.painter();
    p.setPen(Qt::NoPen);
    // Light at the left where the title is, settling to the panel colour at the
    // right, where the close button sits on it.
    QLinearGradient across(QPointF(0, 0), QPointF(w, 0));
    across.setColorAt(0.0, pal::kPanelLight);
    across.setColorAt(0.08, pal::kPanelLight);
    across.setColorAt(0.55, mix(pal::kPanelLight, pal::kPanel, 0.75));
    across.setColorAt(0.85, pal::kPanel);
    across.setColorAt(1.0, pal::kPanel);
    p.setBrush(across);
    p.drawRect(QRectF(0, 0, w, h));
    // A soft sheen on the top rows and a gold line along the bottom.
    QLinearGradient sheen(QPointF(0, 1), QPointF(0, 5));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 50));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRect(QRectF(0, 1, w, 4));
    p.setBrush(pal::kPanelShadow);
    p.drawRect(QRectF(0, h - 2, w, 1));
    p.setBrush(pal::kGoldDark);
    p.drawRect(QRectF(0, h - 1, w, 1));
    return flattenOnto(canvas.finish(), pal::kPanel);
}

QImage drawTitleIcon(const QImage& strip)
{
    const int size = lay::kTitleIcon.width;
    // The icon's ground is the strip itself at the icon's place.
    const int at = Canvas::outputScale();
    const QImage ground =
        strip.copy(lay::kTitleIcon.x * at, (lay::kTitleIcon.y - lay::kTitleStrip.y) * at, size * at, size * at);
    Canvas canvas(size, size, 8);
    QPainter& p = canvas.painter();
    BallLook look;
    look.colour = pal::kBall[4];
    look.lookY = -0.6;
    look.eyeScale = 1.45;
    paintContactShadow(p, QPointF(8, 7.6), 6.6);
    paintBall(p, QPointF(8, 7.6), 6.8, look);
    QImage icon = ground.convertToFormat(QImage::Format_RGB32);
    QPainter onto(&icon);
    onto.drawImage(0, 0, canvas.finish());
    onto.end();
    return icon;
}

}   // namespace velko::pictures
