// The 42 cell pictures: the exact bitmap form the game keeps them in, that Qt
// reads them from the files and the built-in resources alike, and that each
// one shows what its name promises.

#include "PictureFiles.h"

#include <QImage>
#include <gtest/gtest.h>
#include <cmath>

using namespace velko::test;

namespace {

constexpr int kCell = 45;

// The ball colours of the art direction, by ball value.
const QColor kBallColour[9] = {QColor(), QColor("#2F6FE4"), QColor("#36B24A"), QColor("#8E44AD"),
                               QColor("#20C4D8"), QColor("#F2D027"), QColor("#F28C28"),
                               QColor("#C9CED6"), QColor("#E03A3A")};

QImage cell(const QString& name) { return QImage(resourcesDir() + "/cells/" + name + ".bmp"); }

// Compares colours by their direction in RGB space (their hue and
// saturation), so that shading does not matter.
double chromaDistance(const QColor& a, const QColor& b) {
    auto norm = [](const QColor& c, double out[3]) {
        const double sum = c.red() + c.green() + c.blue() + 1.0;
        out[0] = c.red() / sum;
        out[1] = c.green() / sum;
        out[2] = c.blue() / sum;
    };
    double x[3], y[3];
    norm(a, x);
    norm(b, y);
    return std::hypot(x[0] - y[0], x[1] - y[1], x[2] - y[2]);
}

int nearestBall(const QColor& seen) {
    int best = 1;
    for (int v = 2; v <= 8; ++v)
        if (chromaDistance(seen, kBallColour[v]) < chromaDistance(seen, kBallColour[best])) best = v;
    return best;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

}  // namespace

TEST(CellPictures, EveryCellIsASixteenBitBitmapOfTheGameForm) {
    for (const QString& name : cellNames()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readAll(resourcesDir() + "/cells/" + name + ".bmp");
        ASSERT_GE(bytes.size(), 4182);
        ASSERT_LE(bytes.size(), 4194);
        // A file header, if present, says "BM", the file size and where the pixels start.
        int info = 0;
        int pixels = 40;
        if (bytes.startsWith("BM")) {
            EXPECT_EQ(le32(bytes, 2), quint32(bytes.size()));
            info = 14;
            pixels = int(le32(bytes, 10));
            EXPECT_EQ(pixels, 14 + 40);
        }
        EXPECT_EQ(le32(bytes, info + 0), 40u);        // information header size
        EXPECT_EQ(le32(bytes, info + 4), quint32(kCell));
        EXPECT_EQ(le32(bytes, info + 8), quint32(kCell));   // positive height: bottom-up rows
        EXPECT_EQ(le16(bytes, info + 12), 1u);        // planes
        EXPECT_EQ(le16(bytes, info + 14), 16u);       // bits per pixel
        EXPECT_EQ(le32(bytes, info + 16), 0u);        // no compression: 5-5-5
        ASSERT_GE(bytes.size(), pixels + 92 * kCell);
        // Every 45-pixel row takes 92 bytes; the top bit of every pixel is clear.
        int setTopBits = 0;
        for (int row = 0; row < kCell; ++row)
            for (int x = 0; x < kCell; ++x)
                if (le16(bytes, pixels + row * 92 + x * 2) & 0x8000) ++setTopBits;
        EXPECT_EQ(setTopBits, 0);
    }
}

TEST(CellPictures, QtReadsEveryCellFromTheFilesAndTheBuiltInResourcesAlike) {
    for (const QString& name : cellNames()) {
        SCOPED_TRACE(name.toStdString());
        const QImage fromFile = cell(name);
        ASSERT_FALSE(fromFile.isNull());
        EXPECT_EQ(fromFile.size(), QSize(kCell, kCell));
        const QImage built = QImage(":/cells/" + name);
        ASSERT_FALSE(built.isNull()) << "missing from the resource list";
        EXPECT_EQ(built.convertToFormat(QImage::Format_RGB32), fromFile.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(CellPictures, EmptyCellsAreGreyAndTheirTwoPatternsDiffer) {
    const QImage oneRing = cell("I0"), threeRings = cell("I00");
    for (const QImage* empty : {&oneRing, &threeRings}) {
        const QColor middle = averageAround(*empty, 22, 22, 20);
        EXPECT_LT(std::abs(middle.red() - middle.blue()), 24);
        EXPECT_LT(std::abs(middle.green() - middle.blue()), 24);
        EXPECT_GT(middle.lightness(), 100);
    }
    EXPECT_GT(meanDifference(oneRing, threeRings), 2.0);
    // The bevel: the top-left edge is lighter than the bottom-right one.
    EXPECT_GT(QColor(oneRing.pixel(20, 0)).lightness(), QColor(oneRing.pixel(20, 44)).lightness() + 20);
    EXPECT_GT(QColor(oneRing.pixel(0, 20)).lightness(), QColor(oneRing.pixel(44, 20)).lightness() + 20);
}

TEST(CellPictures, EveryBallShowsItsOwnColourInEveryFamily) {
    for (int value = 1; value <= 8; ++value) {
        SCOPED_TRACE(value);
        // The lower left of the ball body: away from the eyes and the highlight.
        EXPECT_EQ(nearestBall(averageAround(cell(QString("I%1").arg(value)), 15, 30, 2)), value);
        EXPECT_EQ(nearestBall(averageAround(cell(QString("T%1").arg(value)), 15, 30, 2)), value);
        for (const char* family : {"A", "B", "C"})
            EXPECT_EQ(nearestBall(averageAround(cell(QString("%1%2").arg(family).arg(value)), 17, 28, 1)), value)
                << family;
    }
}

TEST(CellPictures, TheSelectedBallStandsOutFromTheBallOnTheBoard) {
    for (int value = 1; value <= 8; ++value) {
        SCOPED_TRACE(value);
        const QImage lying = cell(QString("I%1").arg(value));
        const QImage selected = cell(QString("T%1").arg(value));
        EXPECT_GT(meanDifference(lying, selected), 10.0);
        // Brighter ball ...
        EXPECT_GT(averageAround(selected, 16, 30, 3).lightness(), averageAround(lying, 16, 30, 3).lightness());
        // ... inside a gold ring.
        const QColor ring = averageAround(selected, 22, 2, 0);
        EXPECT_GT(ring.red(), ring.blue() + 80);
        EXPECT_GT(ring.green(), ring.blue() + 40);
    }
}

TEST(CellPictures, PreviewPlacesHaveAWovenOrangeGroundAndTheirOwnRing) {
    const QColor ringColour[3] = {QColor("#1C2E7A"), QColor("#7B3FC4"), QColor("#C2187A")};
    const char* families[3] = {"A", "B", "C"};
    for (int value = 1; value <= 8; ++value) {
        for (int f = 0; f < 3; ++f) {
            SCOPED_TRACE(QString("%1%2").arg(families[f]).arg(value).toStdString());
            const QImage preview = cell(QString("%1%2").arg(families[f]).arg(value));
            const QColor ground = averageAround(preview, 4, 4, 2);
            EXPECT_GT(ground.red(), ground.green());
            EXPECT_GT(ground.green(), ground.blue());
            // The ring, averaged all round, is nearest to its family's colour.
            long r = 0, g = 0, b = 0, n = 0;
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x) {
                    const double d = std::hypot(x + 0.5 - 22.5, y + 0.5 - 22.5);
                    if (d < 18.5 || d > 20.5) continue;
                    const QRgb p = preview.pixel(x, y);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    ++n;
                }
            const QColor ring(int(r / n), int(g / n), int(b / n));
            auto distance = [&ring](const QColor& c) {
                return std::hypot(ring.red() - c.red(), ring.green() - c.green(), ring.blue() - c.blue());
            };
            int nearest = 0;
            for (int g2 = 1; g2 < 3; ++g2)
                if (distance(ringColour[g2]) < distance(ringColour[nearest])) nearest = g2;
            EXPECT_EQ(nearest, f);
        }
    }
}
