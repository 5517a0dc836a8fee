#include "PreviewSheets.h"

#include "ButtonPictures.h"
#include "Palette.h"
#include "Shapes.h"
#include "WindowLayout.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace velko::pictures {

namespace lay = layout;

namespace {

struct Sources {
    QString root;
    QImage cell(const QString& name) const { return QImage(root + "/resources/cells/" + name + ".bmp"); }
    QImage media(const QString& name) const { return QImage(root + "/medias/" + name); }
};

QImage mainWindow(const Sources& in)
{
    QImage window = in.media("back.gif").convertToFormat(QImage::Format_RGB32);
    QPainter p(&window);
    const char* board[9] = {"..1......", ".....4...", "..8.....2", "....7....", ".3.......",
                            "......5..", "..6......", "...2....1", "5......3."};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const char v = board[r][c];
            const QString name = v == '.' ? ((c + r) % 2 == 0 ? "I00" : "I0") : QString("I%1").arg(v);
            p.drawImage(lay::kBoard.left() + c * 45, lay::kBoard.top() + r * 45, in.cell(name));
        }
    p.drawImage(lay::kBoard.left() + 4 * 45, lay::kBoard.top() + 3 * 45, in.cell("T7"));
    p.drawImage(lay::kPreview[0], in.cell("A4"));
    p.drawImage(lay::kPreview[1], in.cell("B8"));
    p.drawImage(lay::kPreview[2], in.cell("C2"));
    const struct {
        const char* name;
        QRect at;
        int state;
    } buttons[] = {{"newgame", lay::kNewGame, 1}, {"phbt", lay::kScores, 0},  {"web", lay::kWeb, 0},
                   {"help", lay::kHelp, 2},       {"min", lay::kMinimise, 0}, {"ex", lay::kClose, 0}};
    for (const auto& b : buttons)
        p.drawImage(b.at.topLeft(), in.media(QString("%1%2.gif").arg(b.name).arg(b.state)));
    QFont tahoma("DejaVu Sans");
    tahoma.setPixelSize(12);
    p.setFont(tahoma);
    p.setPen(Qt::white);
    p.drawText(QPoint(lay::kBestLabel.x(), lay::kBestLabel.y() + 12), "4564646");
    QFont score("DejaVu Sans");
    score.setPixelSize(21);
    score.setBold(true);
    p.setFont(score);
    const QRect scoreBox(lay::kScoreCentreX - 60, lay::kScoreTop, 120, 25);
    p.setPen(palette::kScoreShadow);
    p.drawText(scoreBox.translated(2, 2), Qt::AlignHCenter | Qt::AlignTop, "1284");
    score.setItalic(true);
    p.setFont(score);
    p.setPen(palette::kScore);
    p.drawText(scoreBox, Qt::AlignHCenter | Qt::AlignTop, "1284");
    for (const auto& [bar, level] : {std::pair{lay::kMusicBar, 30}, std::pair{lay::kEffectsBar, 44}}) {
        p.fillRect(bar, Qt::white);
        p.fillRect(QRect(bar.topLeft(), QSize(level, bar.height())), QColor(209, 89, 30));
    }
    return window;
}

QImage startScreen(const Sources& in)
{
    QImage window = in.media("game.gif").convertToFormat(QImage::Format_RGB32);
    QPainter p(&window);
    p.drawImage(lay::kNormalGame.topLeft(), in.media("ptms1.gif"));
    p.drawImage(lay::kChallenge.topLeft(), in.media("tzms0.gif"));
    p.drawImage(lay::kQuit.topLeft(), in.media("tcyx0.gif"));
    return window;
}

QImage dialog(const Sources& in, int width, int height)
{
    QImage window(width + 2, height + 2, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter p(&window);
    p.translate(1, 1);
    p.fillRect(QRect(0, 0, width, height), palette::kDialogGrey);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(0, lay::kStripTop, width, lay::kStripHeight), in.media("tbk.gif"));
    p.drawImage(lay::kTitleIcon, in.media("tit.gif"));
    QFont tahoma("DejaVu Sans");
    tahoma.setPixelSize(12);
    p.setFont(tahoma);
    p.setPen(Qt::white);
    p.drawText(QPoint(25, 15), "Velko Lines");
    p.drawImage(QPoint(width - 16, 5), in.media("ex0.gif"));
    p.setPen(Qt::black);
    p.drawText(QRect(8, 28, width - 16, 60), Qt::TextWordWrap, "Do you want to quit Velko Lines?");
    p.drawImage(QPoint(60, 60), in.media("cmdyes1.gif"));
    p.drawImage(QPoint(154, 60), in.media("cmdno0.gif"));
    p.drawImage(QPoint(97, 90), in.media("cmdok0.gif"));
    return window;
}

// Every cell and every button, each at twice its size, on one sheet.
QImage catalogue(const Sources& in)
{
    QImage sheet(1000, 1000, QImage::Format_RGB32);
    sheet.fill(QColor(40, 44, 52));
    QPainter p(&sheet);
    QStringList cells{"I0", "I00"};
    for (const char* family : {"I", "T", "A", "B", "C"})
        for (int v = 1; v <= 8; ++v)
            cells << QString("%1%2").arg(family).arg(v);
    int x = 10, y = 10;
    for (const QString& name : cells) {
        p.drawImage(QRect(x, y, 90, 90), in.cell(name));
        x += 96;
        if (x + 90 > 1000) {
            x = 10;
            y += 96;
        }
    }
    y += 100;
    x = 10;
    for (const ButtonDesign& design : allButtonDesigns()) {
        for (int state = 0; state < 3; ++state) {
            const QImage face = in.media(QString("%1%2.gif").arg(design.name).arg(state));
            const QSize big = face.size() * 2;
            if (x + big.width() > 990) {
                x = 10;
                y += 96;
            }
            p.drawImage(QRect(QPoint(x, y), big), face);
            x += big.width() + 8;
        }
        x += 10;
    }
    return sheet;
}

QImage smallPictures(const Sources& in)
{
    QImage sheet(900, 430, QImage::Format_RGB32);
    sheet.fill(QColor(90, 96, 110));
    QPainter p(&sheet);
    p.drawImage(10, 10, in.media("gameover.gif"));
    p.drawImage(425, 10, in.media("cmd.gif"));
    const QImage icon48(in.root + "/resources/icons/velko-lines-48.png");
    const QImage icon32(in.root + "/resources/icons/velko-lines-32.png");
    const QImage hand(in.root + "/resources/cursors/hand.png");
    p.drawImage(840, 10, icon48);
    p.drawImage(848, 70, icon32);
    p.drawImage(QRect(840, 110, 48, 48), in.media("tit.gif"));
    p.drawImage(QRect(836, 170, 64, 64), hand);
    p.drawImage(842, 250, hand);
    p.fillRect(QRect(838, 300, 40, 40), Qt::white);
    p.drawImage(842, 304, hand);
    return sheet;
}

}   // namespace

bool writePreviewSheets(const QString& sourceRoot, const QString& folder)
{
    QDir().mkpath(folder);
    const Sources in{sourceRoot};
    bool ok = true;
    ok &= mainWindow(in).save(folder + "/main-window.png");
    ok &= startScreen(in).save(folder + "/start-screen.png");
    ok &= dialog(in, 236, 120).save(folder + "/dialog.png");
    ok &= catalogue(in).save(folder + "/catalogue.png");
    ok &= smallPictures(in).save(folder + "/end-icon-cursor.png");
    return ok;
}

}   // namespace velko::pictures
