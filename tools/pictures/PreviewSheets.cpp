#include "PreviewSheets.h"

#include "ButtonPictures.h"
#include "CellPictureNames.h"
#include "MediaFiles.h"
#include "Palette.h"
#include "Shapes.h"
#include "WindowLayout.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <utility>

namespace velko::pictures {

namespace lay = layout;

namespace {

struct Sources {
    QString root;
    QImage cell(const QString& name) const { return QImage(root + "/resources/cells/" + name + ".bmp"); }
    QImage media(const QString& name) const { return QImage(root + "/medias/" + name); }
    // A button's face: 0 normal, 1 hover, 2 pressed.
    QImage face(const lay::Place& button, int state) const
    {
        return media(QString("%1%2.gif").arg(button.picture).arg(state));
    }
};

QImage mainWindow(const Sources& in)
{
    QImage window = in.media(media::kWindowPicture).convertToFormat(QImage::Format_RGB32);
    QPainter p(&window);
    const char* board[9] = {"..1......", ".....4...", "..8.....2", "....7....", ".3.......",
                            "......5..", "..6......", "...2....1", "5......3."};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const char v = board[r][c];
            p.drawImage(lay::kBoard.x + c * 45, lay::kBoard.y + r * 45,
                        in.cell(cellPictures::boardCell(c, r, v == '.' ? 0 : v - '0')));
        }
    p.drawImage(lay::kBoard.x + 4 * 45, lay::kBoard.y + 3 * 45, in.cell(cellPictures::pickedUpBall(7)));
    const int shown[] = {4, 8, 2};   // the next balls
    for (std::size_t slot = 0; slot < lay::kPreviewPlaces.size(); ++slot) {
        const lay::PreviewPlace& place = lay::kPreviewPlaces[slot];
        p.drawImage(place.topLeft(), in.cell(cellPictures::previewBall(place.family, shown[slot])));
    }
    const std::pair<lay::Place, int> buttons[] = {{lay::kNewGameButton, 1},  {lay::kScoresButton, 0},
                                                  {lay::kWebButton, 0},      {lay::kHelpButton, 2},
                                                  {lay::kMinimiseButton, 0}, {lay::kCloseButton, 0}};
    for (const auto& [button, state] : buttons)
        p.drawImage(button.topLeft(), in.face(button, state));
    QFont tahoma("DejaVu Sans");
    tahoma.setPixelSize(12);
    p.setFont(tahoma);
    p.setPen(Qt::white);
    p.drawText(lay::kBestScore.topLeft() + QPoint(0, 12), "4564646");
    QFont score("DejaVu Sans");
    score.setPixelSize(21);
    score.setBold(true);
    p.setFont(score);
    const QRect scoreBox(lay::kScore.x - 60, lay::kScore.y, 120, 25);
    p.setPen(palette::kScoreShadow);
    p.drawText(scoreBox.translated(2, 2), Qt::AlignHCenter | Qt::AlignTop, "1284");
    score.setItalic(true);
    p.setFont(score);
    p.setPen(palette::kScore);
    p.drawText(scoreBox, Qt::AlignHCenter | Qt::AlignTop, "1284");
    for (const auto& [bar, level] : {std::pair{lay::kMusicBar.rect(), 30}, std::pair{lay::kEffectsBar.rect(), 44}}) {
        p.fillRect(bar, Qt::white);
        p.fillRect(QRect(bar.topLeft(), QSize(level, bar.height())), QColor(209, 89, 30));
    }
    return window;
}

QImage startScreen(const Sources& in)
{
    QImage window = in.media(media::kStartPicture).convertToFormat(QImage::Format_RGB32);
    QPainter p(&window);
    p.drawImage(lay::kNormalGameButton.topLeft(), in.face(lay::kNormalGameButton, 1));
    p.drawImage(lay::kChallengeButton.topLeft(), in.face(lay::kChallengeButton, 0));
    p.drawImage(lay::kQuitButton.topLeft(), in.face(lay::kQuitButton, 0));
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
    p.drawImage(QRect(lay::kTitleStrip.x, lay::kTitleStrip.y, width, lay::kTitleStrip.height),
                in.media(media::kTitleStrip));
    p.drawImage(lay::kTitleIcon.topLeft(), in.media(media::kTitleIcon));
    QFont tahoma("DejaVu Sans");
    tahoma.setPixelSize(12);
    p.setFont(tahoma);
    p.setPen(Qt::white);
    p.drawText(lay::kTitle.topLeft() + QPoint(0, 12), "Velko Lines");
    p.drawImage(lay::kMessageCloseButton.topLeft(), in.face(lay::kMessageCloseButton, 0));
    p.setPen(Qt::black);
    p.drawText(QRect(lay::kMessage.x, lay::kMessage.y, width - 16, 60), Qt::TextWordWrap,
               "Do you want to quit Velko Lines?");
    // Both rows of answers at once, Yes and No above OK.
    p.drawImage(QPoint(lay::kYesButton.x, 60), in.face(lay::kYesButton, 1));
    p.drawImage(QPoint(lay::kNoButton.x, 60), in.face(lay::kNoButton, 0));
    p.drawImage(QPoint(lay::kOkButton.x, 90), in.face(lay::kOkButton, 0));
    return window;
}

// Every cell and every button, each at twice its size, on one sheet.
QImage catalogue(const Sources& in)
{
    QImage sheet(1000, 1000, QImage::Format_RGB32);
    sheet.fill(QColor(40, 44, 52));
    QPainter p(&sheet);
    QStringList cells{cellPictures::emptyCell(0, 1), cellPictures::emptyCell(0, 0)};
    for (int v = 1; v <= 8; ++v)
        cells << cellPictures::ball(v);
    for (int v = 1; v <= 8; ++v)
        cells << cellPictures::pickedUpBall(v);
    for (const char family : {'A', 'B', 'C'})
        for (int v = 1; v <= 8; ++v)
            cells << cellPictures::previewBall(family, v);
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
    p.drawImage(10, 10, in.media(media::kGameOverPicture));
    p.drawImage(425, 10, in.media(media::kRecordPicture));
    const QImage icon48(in.root + "/resources/icons/velko-lines-48.png");
    const QImage icon32(in.root + "/resources/icons/velko-lines-32.png");
    const QImage hand(in.root + "/resources/cursors/hand.png");
    p.drawImage(840, 10, icon48);
    p.drawImage(848, 70, icon32);
    p.drawImage(QRect(840, 110, 48, 48), in.media(media::kTitleIcon));
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
    ok &= dialog(in, lay::insideWidth(lay::kMessageDialog), lay::kMessageFirstHeight).save(folder + "/dialog.png");
    ok &= catalogue(in).save(folder + "/catalogue.png");
    ok &= smallPictures(in).save(folder + "/end-icon-cursor.png");
    return ok;
}

}   // namespace velko::pictures
