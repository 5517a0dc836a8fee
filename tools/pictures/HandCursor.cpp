#include "HandCursor.h"

#include "Canvas.h"

#include <QPainterPath>

namespace velko::pictures {

QImage drawHandCursor()
{
    Canvas canvas(kCursorPixels, kCursorPixels);
    QPainter& p = canvas.painter();

    // The outline runs on pixel centres (x.5), so the one-pixel line stays sharp.
    QPainterPath hand;
    hand.moveTo(3.5, 15.5);
    hand.lineTo(3.5, 2.5);
    hand.cubicTo(3.5, -0.2, 7.5, -0.2, 7.5, 2.5);   // finger tip at (5, 0)
    hand.lineTo(7.5, 10.5);
    hand.cubicTo(7.5, 8.5, 11.5, 8.5, 11.5, 10.5);      // middle finger knuckle
    hand.cubicTo(11.5, 9.0, 15.5, 9.0, 15.5, 11.5);     // ring finger knuckle
    hand.cubicTo(15.5, 10.0, 19.5, 10.0, 19.5, 12.5);   // little finger knuckle
    hand.lineTo(19.5, 19.5);
    hand.cubicTo(19.5, 22.0, 18.0, 23.5, 17.5, 25.5);   // heel of the hand
    hand.lineTo(6.5, 25.5);
    hand.cubicTo(5.5, 23.0, 2.5, 21.5, 1.0, 18.0);   // thumb side
    hand.cubicTo(0.0, 15.5, 2.0, 14.5, 3.5, 15.5);   // thumb tip
    hand.closeSubpath();

    QPainterPath cuff;
    cuff.addRect(QRectF(6.5, 25.5, 11, 5));

    QPen outline(Qt::black, 1.0);
    outline.setJoinStyle(Qt::RoundJoin);
    outline.setCapStyle(Qt::RoundCap);
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawPath(cuff);
    p.drawPath(hand);
    // Finger creases.
    p.drawLine(QPointF(7.5, 10.5), QPointF(7.5, 14.5));
    p.drawLine(QPointF(11.5, 10.5), QPointF(11.5, 14.0));
    p.drawLine(QPointF(15.5, 11.5), QPointF(15.5, 14.0));
    return canvas.finish();
}

}   // namespace velko::pictures
