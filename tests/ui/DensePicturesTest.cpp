// The pictures at the screen's density. This runs twice: on an ordinary
// screen, and again with QT_SCALE_FACTOR=2, where every picture must come from
// its 2x partner and reach the screen pixel for pixel, at the same logical place.

#include "ImageButton.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using DensePictures = WindowTest;

TEST_F(DensePictures, APictureComesFromIts2xPartnerElseFromItself)
{
    // A media set with no 2x pictures: the 1x picture, drawn at its own size.
    QTemporaryDir plainSet;
    ASSERT_TRUE(QFile::copy(mediaPath("back.gif"), plainSet.filePath("back.gif")));
    // The picture, its size in pixels and its pixel ratio.
    const std::tuple<QString, QSize, qreal> loads[] = {
        {mediaPath("back.gif"), {1280, 960}, 2},
        {":/cells/I1", {90, 90}, 2},
        {":/cursors/hand.png", {64, 64}, 2},
        {plainSet.filePath("back.gif"), {640, 480}, 1},
    };
    for (const auto& [path, pixels, ratio] : loads) {
        const QImage picture = loadPicture(path, 2);
        EXPECT_EQ(picture.size(), pixels) << path.toStdString();
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << path.toStdString();
    }
    EXPECT_TRUE(loadPicture(plainSet.filePath("none.gif"), 2).isNull());
}

TEST_F(DensePictures, BoardCellsPreviewAndButtonFacesReachTheScreenAtItsDensity)
{
    const int scale = pictureScale();
    // The run at twice the density must really be one.
    EXPECT_EQ(scale, qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2") ? 2 : 1);
    const auto window = startedWindow();
    EXPECT_EQ(window->surface().size(), QSize(640, 480) * scale);
    BoardView* board = boardOf(*window);
    EXPECT_EQ(board->image().size(), QSize(405, 405) * scale);
    EXPECT_EQ(board->size(), QSize(405, 405));

    setBoard(*window, [](int column, int row) { return (column + row) % 9; });
    expectBoardShowsGame(*window, scale);
    // The next three balls, each at its place in the preview.
    const std::tuple<int, int, char> previews[] = {{500, 248, 'A'}, {572, 317, 'B'}, {491, 370, 'C'}};
    for (int slot = 0; slot < 3; ++slot) {
        const auto& [x, y, family] = previews[slot];
        const QString name = QStringLiteral("%1%2").arg(family).arg(numberOf(window->game().nextColours()[slot]));
        EXPECT_EQ(pixels(window.get()).copy(x * scale, y * scale, 45 * scale, 45 * scale), cellPicture(name, scale));
    }
    auto* button = part<ImageButton>(*window, "phbt");
    EXPECT_EQ(pixels(button), rgb(loadPicture(mediaPath("phbt0.gif"), scale)));

    // The curtain wipe covers the board from its second logical row down.
    const QImage end = loadPicture(mediaPath("gameover.gif"));
    board->wipePicture(end);
    const QRect belowTopRow(0, scale, 405 * scale, 404 * scale);
    EXPECT_EQ(pixels(board).copy(belowTopRow), rgb(end).copy(belowTopRow));

    clickCell(*window, 1, 0);   // selects the ball there: the marker lies over it
    EXPECT_EQ(part<QLabel>(*window, "marker")->pixmap().devicePixelRatio(), scale);
}

}   // namespace
}   // namespace velko::test
