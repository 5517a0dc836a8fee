#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"
#include "WindowLayout.h"
#include "WindowPictures.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace velko::pictures {

namespace pal = palette;
namespace lay = layout;

namespace {

// The gold-edged, bevelled frame around the board's place.
void paintBoardFrame(QPainter& p, const QRectF& board)
{
    const QRectF outer = board.adjusted(-10, -10, 10, 10);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(outer.translated(3, 4), 9, 9);
    // Gold rim, lit from the top left.
    QLinearGradient gold(outer.topLeft(), outer.bottomRight());
    gold.setColorAt(0.0, pal::kGoldPale);
    gold.setColorAt(0.35, pal::kGold);
    gold.setColorAt(1.0, pal::kGoldDark);
    p.setBrush(gold);
    p.drawRoundedRect(outer, 9, 9);
    p.setBrush(mix(pal::kGoldDark, QColor(0, 0, 0), 0.4));
    p.drawRoundedRect(outer.adjusted(2.5, 2.5, -2.5, -2.5), 7, 7);
    // Bevel: light on the upper left, shadow on the lower right.
    const QRectF bevel = outer.adjusted(3.5, 3.5, -3.5, -3.5);
    QLinearGradient slope(bevel.topLeft(), bevel.bottomRight());
    slope.setColorAt(0.0, pal::kPanelLight);
    slope.setColorAt(0.5, pal::kPanel);
    slope.setColorAt(1.0, pal::kPanelShadow);
    p.setBrush(slope);
    p.drawRoundedRect(bevel, 6, 6);
    p.setBrush(pal::kPanel);
    p.drawRect(board.adjusted(-4.5, -4.5, 4.5, 4.5));
    // A dark seam right round the board and the ground under it.
    p.setBrush(pal::kPanelShadow);
    p.drawRect(board.adjusted(-1, -1, 1, 1));
    p.setBrush(pal::kWell);
    p.drawRect(board);
    p.restore();
}

// What lies under the board: seen when the board is put aside.
void paintUnderBoard(QPainter& p, const QRectF& board)
{
    p.save();
    p.setClipRect(board);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int i = 1; i < 9; ++i) {
        p.drawLine(QPointF(board.left() + i * 45 + 0.5, board.top()),
                   QPointF(board.left() + i * 45 + 0.5, board.bottom()));
        p.drawLine(QPointF(board.left(), board.top() + i * 45 + 0.5),
                   QPointF(board.right(), board.top() + i * 45 + 0.5));
    }
    const QFont heading = captionFont(26);
    paintGoldText(p, "How to play", heading,
                  centredBaseline("How to play", heading, QPointF(board.center().x(), board.top() + 70)), 2);
    const QFont body = captionFont(13, false);
    const char* lines[] = {
        "Click a ball to pick it up,",         "then click an empty cell to send it there.",
        "It travels only along free cells.",   "",
        "Line up five or more of one colour",  "in a row, a column or a diagonal",
        "and they vanish: 3 points a ball.",   "",
        "Each move that clears nothing",       "brings three new balls, shown beside the board.",
        "The silver ball fits every colour.",  "",
        "Click here to bring the board back.",
    };
    double y = board.top() + 120;
    for (const char* text : lines) {
        if (*text) {
            const QString line = QString::fromUtf8(text);
            paintSolidText(p, line, body, centredBaseline(line, body, QPointF(board.center().x(), y)), pal::kText, 1.2);
        }
        y += 20;
    }
    p.restore();
}

void paintSocket(QPainter& p, const QPoint& place)
{
    const QRectF cell(place, QSizeF(45, 45));
    const QRectF rim = cell.adjusted(-3, -3, 3, 3);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(rim.translated(1.5, 2), 7, 7);
    QLinearGradient gold(rim.topLeft(), rim.bottomRight());
    gold.setColorAt(0.0, pal::kGold);
    gold.setColorAt(1.0, pal::kGoldDark);
    p.setBrush(gold);
    p.drawRoundedRect(rim, 7, 7);
    p.setBrush(pal::kPanelShadow);
    p.drawRoundedRect(rim.adjusted(1.5, 1.5, -1.5, -1.5), 5.5, 5.5);
    p.setBrush(pal::kWell);
    p.drawRect(cell);
    // An empty ring waits in the socket until the first balls are shown.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(pal::kPanelLight, 200), 2.0));
    p.drawEllipse(cell.center(), 16, 16);
    p.restore();
}

QPainterPath notePath(QPointF at)
{
    // A quaver: head, stem and flag.
    QPainterPath note;
    note.addEllipse(QPointF(at.x() - 2.2, at.y() + 3.6), 2.8, 2.1);
    note.addRect(QRectF(at.x() - 0.1, at.y() - 6.5, 1.4, 10.2));
    QPainterPath flag;
    flag.moveTo(at.x() + 1.3, at.y() - 6.5);
    flag.cubicTo(at.x() + 2.5, at.y() - 3.5, at.x() + 5.5, at.y() - 3.5, at.x() + 4.5, at.y() + 0.5);
    flag.cubicTo(at.x() + 4.8, at.y() - 2.2, at.x() + 3.0, at.y() - 3.5, at.x() + 1.3, at.y() - 3.8);
    flag.closeSubpath();
    return note.united(flag);
}

void paintSpeaker(QPainter& p, QPointF at)
{
    QPainterPath body;
    body.moveTo(at.x() - 6, at.y() - 2.2);
    body.lineTo(at.x() - 3.5, at.y() - 2.2);
    body.lineTo(at.x() + 0.5, at.y() - 5.5);
    body.lineTo(at.x() + 0.5, at.y() + 5.5);
    body.lineTo(at.x() - 3.5, at.y() + 2.2);
    body.lineTo(at.x() - 6, at.y() + 2.2);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kGold);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    QPen wave(pal::kGold, 1.2);
    wave.setCapStyle(Qt::RoundCap);
    p.setPen(wave);
    p.drawArc(QRectF(at.x() - 2, at.y() - 3.5, 7, 7), -50 * 16, 100 * 16);
    p.drawArc(QRectF(at.x() - 3.5, at.y() - 6.5, 13, 13), -50 * 16, 100 * 16);
    p.setPen(Qt::NoPen);
}

void paintLevelPanel(QPainter& p)
{
    const QRectF panel(522, 426, 106, 52);
    paintPanel(p, panel, 8, pal::kPanel);
    for (const QRect& bar : {lay::kMusicBar.rect(), lay::kEffectsBar.rect()})
        paintWell(p, QRectF(bar).adjusted(-2, -2, 2, 2), 2, pal::kPanelShadow);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kGold);
    p.drawPath(notePath(QPointF(544, lay::kMusicBar.rect().center().y() + 0.5)));
    paintSpeaker(p, QPointF(546, lay::kEffectsBar.rect().center().y() + 0.5));
    p.restore();
}

void paintScorePanel(QPainter& p)
{
    // One panel holds the scores and the buttons; the buttons sit on its flat fill.
    const QRectF panel(482, 40, 150, 203);
    paintPanel(p, panel, 10, pal::kPanel);
    const QRectF well(490, 47, 134, 52);
    paintWell(p, well, 6, pal::kWell);
    const QFont best = captionFont(10);
    QPainterPath caption;
    caption.addText(QPointF(0, 0), best, "BEST");
    const double right = lay::kBestScore.x - 6;
    paintSolidText(p, "BEST", best, QPointF(right - caption.boundingRect().right(), 64), pal::kGold, 0);
    // A thin gold rule between the best score and the score.
    QLinearGradient rule(QPointF(well.left() + 8, 0), QPointF(well.right() - 8, 0));
    rule.setColorAt(0.0, withAlpha(pal::kGold, 0));
    rule.setColorAt(0.5, withAlpha(pal::kGold, 150));
    rule.setColorAt(1.0, withAlpha(pal::kGold, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(rule);
    p.drawRect(QRectF(well.left() + 8, 68, well.width() - 16, 1));
}

}   // namespace

QImage drawMainBackground()
{
    Canvas canvas(lay::kGameWindow.width, lay::kGameWindow.height);
    QPainter& p = canvas.painter();
    paintBackdrop(p, QRectF(lay::kGameWindow.rect()));

    // The game's name where a title bar would be.
    const QFont title = captionFont(17);
    paintGoldText(p, "Velko Lines", title, QPointF(30, 21), 1.5);

    paintBoardFrame(p, QRectF(lay::kBoard.rect()));
    paintUnderBoard(p, QRectF(lay::kBoard.rect()));

    // The small panel behind the minimise and close buttons.
    paintPanel(p, QRectF(590, 0, 43, 20), 5, pal::kPanel);

    paintScorePanel(p);
    for (const lay::PreviewPlace& place : lay::kPreviewPlaces)
        paintSocket(p, place.topLeft());
    const QFont next = captionFont(12);
    paintSolidText(p, "NEXT", next, centredBaseline("NEXT", next, QPointF(598, 272)), pal::kGold, 1);
    paintLevelPanel(p);

    const QFont hint = captionFont(11, false);
    paintSolidText(p, "Line up five of a colour", hint, QPointF(30, 470), pal::kTextSoft, 0);
    return canvas.finish();
}

}   // namespace velko::pictures
