// The pictures at the screen's density. This runs twice: on an ordinary
// screen, and again with QT_SCALE_FACTOR=2, where every picture must come from
// its 2x partner and reach the screen pixel for pixel, at the same logical place.

#include "ImageButton.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using DensePictures = WindowTest;

TEST_F(DensePictures, APictureComesFromIts2xPartnerOnlyWhenThePartnerBelongsToIt)
{
    // Our pictures and their partners.
    for (const auto& [path, pixels] : {std::pair{mediaPath("back.gif"), QSize(1280, 960)},
                                       {":/cells/I1", {90, 90}},
                                       {":/cursors/hand.png", {64, 64}}}) {
        const QImage picture = loadPicture(path, 2);
        EXPECT_EQ(picture.size(), pixels) << path.toStdString();
        EXPECT_EQ(picture.devicePixelRatio(), 2) << path.toStdString();
    }
    // A media author's back.gif (here our start picture) beside our back@2x.gif:
    // the partner is used only when it is twice the size and not older.
    const QDateTime now = QDateTime::currentDateTime();
    const std::tuple<const char*, const char*, QDateTime, bool> sets[] = {
        {nullptr, nullptr, {}, false},                            // no partner at all
        {"back@2x.gif", "back.gif", now.addSecs(-3600), false},   // the author's picture is newer
        {"back@2x.gif", "back.gif", now, true},
        {"phbt0@2x.gif", "back.gif", now, false}};   // not twice the size
    for (const auto& [partner, picture, partnerTime, used] : sets) {
        QTemporaryDir set;
        ASSERT_TRUE(QFile::copy(mediaPath(picture ? picture : "game.gif"), set.filePath("back.gif")));
        if (partner) {
            ASSERT_TRUE(QFile::copy(mediaPath(partner), set.filePath("back@2x.gif")));
            QFile file(set.filePath("back@2x.gif"));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                        file.setFileTime(partnerTime, QFileDevice::FileModificationTime));
        }
        const QImage loaded = loadPicture(set.filePath("back.gif"), 2);
        const QImage plain(set.filePath("back.gif"));
        const QImage expected = used ? QImage(set.filePath("back@2x.gif"))
                                     : plain.scaled(1280, 960, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(loaded.devicePixelRatio(), 2) << (partner ? partner : "none");
        EXPECT_EQ(rgb(loaded), rgb(expected)) << (partner ? partner : "none") << " used " << used;
    }
    QTemporaryDir empty;
    EXPECT_TRUE(loadPicture(empty.filePath("none.gif"), 2).isNull());
}

TEST_F(DensePictures, BoardCellsPreviewAndButtonFacesReachTheScreenAtItsDensity)
{
    const int scale = pictureScale();
    // The run at twice the density must really be one.
    EXPECT_EQ(scale, qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2") ? 2 : 1);
    const auto session = startedSession();
    EXPECT_EQ(session->window().surface().size(), QSize(640, 480) * scale);
    BoardView* board = boardOf(*session);
    EXPECT_EQ(board->image().size(), QSize(405, 405) * scale);
    EXPECT_EQ(board->size(), QSize(405, 405));

    setBoard(*session, [](int column, int row) { return (column + row) % 9; });
    expectBoardShowsGame(*session, scale);
    // The next three balls, each at its place in the preview.
    for (int slot = 0; slot < 3; ++slot) {
        const auto& [x, y, family] = layout::kPreviewPlaces[std::size_t(slot)];
        const QString name = QStringLiteral("%1%2").arg(family).arg(numberOf(session->game().nextColours()[slot]));
        EXPECT_EQ(pixels(&session->window()).copy(x * scale, y * scale, 45 * scale, 45 * scale),
                  cellPicture(name, scale));
    }
    auto* button = part<ImageButton>(*session, "scoresButton");
    EXPECT_EQ(pixels(button), rgb(loadPicture(mediaPath("phbt0.gif"), scale)));

    // The curtain wipe covers the board from its second logical row down.
    const QImage end = loadPicture(mediaPath("gameover.gif"));
    board->wipePicture(end);
    const QRect belowTopRow(0, scale, 405 * scale, 404 * scale);
    EXPECT_EQ(pixels(board).copy(belowTopRow), rgb(end).copy(belowTopRow));

    clickCell(*session, 1, 0);   // selects the ball there: the marker lies over it
    EXPECT_EQ(part<QLabel>(*session, "marker")->pixmap().devicePixelRatio(), scale);
}

}   // namespace
}   // namespace velko::test
