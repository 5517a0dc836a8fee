#include "Canvas.h"
#include "CellPictures.h"
#include "Palette.h"
#include "Shapes.h"
#include "WindowPictures.h"

#include <QRadialGradient>

namespace velko::pictures {

namespace pal = palette;

namespace {

constexpr int kBoardPixels = 9 * kCellPixels;

// A game board late in play; a fixed pattern so every run draws the same.
const char* const kLateBoard[9] = {
    "1.38..26.", "4.2.51.8.", ".63..4.12", "2..871.5.", ".5.2..36.", "81..4.2.7", ".2.36..18", "5.1..82..", "3.4.6.1.5",
};

void paintLateBoard(QPainter& p)
{
    const QImage empty[2] = {drawEmptyCell(3), drawEmptyCell(1)};
    QImage balls[9];
    for (int v = 1; v <= 8; ++v)
        balls[v] = drawBoardBall(v);
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const char c = kLateBoard[row][column];
            const QImage& cell = c == '.' ? empty[(column + row) % 2] : balls[c - '0'];
            p.drawImage(QRectF(column * kCellPixels, row * kCellPixels, kCellPixels, kCellPixels), cell);
        }
    }
}

}   // namespace

QImage drawEndPicture(bool newRecord)
{
    Canvas canvas(kBoardPixels, kBoardPixels);
    QPainter& p = canvas.painter();
    const QRectF all(0, 0, kBoardPixels, kBoardPixels);
    paintLateBoard(p);
    // Dim the board, darkest at the edges.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(pal::kBackBottom, 140));
    p.drawRect(all);
    QRadialGradient vignette(all.center(), 290);
    vignette.setColorAt(0.0, withAlpha(pal::kBackTop, 40));
    vignette.setColorAt(1.0, withAlpha(pal::kBackBottom, 200));
    p.setBrush(vignette);
    p.drawRect(all);

    const QRectF banner(32, 128, 341, 150);
    paintPanel(p, banner, 16, withAlpha(pal::kPanel, 235));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kGold, 1.5));
    p.drawRoundedRect(banner.adjusted(-4, -4, 4, 4), 19, 19);
    p.setPen(Qt::NoPen);

    const QString headline = newRecord ? "New record!" : "Game over";
    const QFont big = captionFont(newRecord ? 44 : 48);
    paintGoldText(p, headline, big, centredBaseline(headline, big, QPointF(202.5, 184)), 3);
    const QFont small = captionFont(15, false);
    const QString line = newRecord ? "Your name goes on the score table" : "Press New game to play again";
    paintSolidText(p, line, small, centredBaseline(line, small, QPointF(202.5, 232)), pal::kText, 1.2);

    if (newRecord) {
        paintStar(p, QPointF(48, 120), 22, 10, -12);
        paintStar(p, QPointF(362, 128), 17, 7.5, 14);
        paintStar(p, QPointF(340, 290), 12, 5.5, 5);
    }
    // Three balls peek over the bottom of the banner.
    const int colours[3] = {newRecord ? 5 : 1, newRecord ? 8 : 4, newRecord ? 2 : 3};
    for (int i = 0; i < 3; ++i) {
        const QPointF at(162.5 + i * 40, 300);
        BallLook look;
        look.colour = pal::kBall[size_t(colours[i])];
        look.mark = colours[i];
        look.lookX = (i - 1) * 0.6;
        look.lookY = -1.0;
        paintContactShadow(p, at, 15);
        paintBall(p, at, 16, look);
    }
    return flattenOnto(canvas.finish(), pal::kBackBottom);
}

}   // namespace velko::pictures
