#include "ProgramIcon.h"

#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"

namespace velko::pictures {

QImage drawProgramIcon(int size)
{
    // Small icons are drawn at a higher multiple, so their few pixels are exact averages.
    Canvas canvas(size, size, size <= 64 ? 8 : 4);
    QPainter& p = canvas.painter();
    const double s = size;
    paintStar(p, QPointF(s / 2, s * 0.53), s * 0.5, s * 0.25);
    const QPointF ballCentre(s / 2, s * 0.56);
    BallLook look;
    look.colour = palette::kBall[4];
    look.lookY = -0.7;
    look.eyeScale = size <= 32 ? 1.3 : size <= 48 ? 1.15 : 1.0;
    paintContactShadow(p, ballCentre, s * 0.27);
    paintBall(p, ballCentre, s * 0.28, look);
    return canvas.finish();
}

}   // namespace velko::pictures
