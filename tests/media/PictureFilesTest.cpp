// Every picture the program loads: the cells, icon and cursor built into it,
// and the media pictures its windows and buttons show. Each is present, of
// the form and size the program expects, and shows what its name promises.

#include "PictureFiles.h"
#include "Places.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cmath>

using namespace velko::test;

namespace {

QImage argb(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// A picture in resources/, checked to be of the given size.
QImage resource(const QString& file, QSize size)
{
    const QImage picture = argb(sourceDir("resources/") + file);
    EXPECT_EQ(picture.size(), size) << file.toStdString();
    return picture;
}

// The empty place in two patterns, then each ball lying (I), selected (T) and in the preview places (A, B, C).
QStringList cellNames()
{
    QStringList names{"I0", "I00"};
    for (const char* family : {"I", "T", "A", "B", "C"})
        for (int value = 1; value <= 8; ++value)
            names << QString("%1%2").arg(family).arg(value);
    return names;
}

// A media picture, checked to be a real GIF that Qt reads.
QImage gif(const QString& name)
{
    QImageReader reader(sourceDir("medias/") + name);
    EXPECT_EQ(reader.format(), "gif") << name.toStdString();   // by its contents, not its name
    const QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << name.toStdString() << ": " << reader.errorString().toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage cell(const QString& name)
{
    return argb(sourceDir("resources/cells/") + name + ".bmp");
}

// The average colour of the pixels (x, y) of a picture for which inside(x, y) holds.
template <typename Inside>
QColor average(const QImage& image, Inside inside)
{
    long sum[3] = {}, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!inside(x, y))
                continue;
            const QRgb p = image.pixel(x, y);
            sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), ++n;
        }
    return n ? QColor(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)) : QColor();
}

QColor around(const QImage& image, int x, int y, int half)
{
    return average(image, [=](int px, int py) { return std::abs(px - x) <= half && std::abs(py - y) <= half; });
}

// Which of the choices is nearest in colour; by hue and saturation alone,
// whatever the shading, unless the shading counts.
int nearest(const QColor& seen, std::initializer_list<QColor> choices, bool shadingCounts = false)
{
    auto chroma = [=](const QColor& c) {
        const double sum = shadingCounts ? 1.0 : c.red() + c.green() + c.blue() + 1.0;
        return std::array<double, 3>{c.red() / sum, c.green() / sum, c.blue() / sum};
    };
    const auto s = chroma(seen);
    int best = -1, index = 0;
    double bestDistance = 1e9;
    for (const QColor& choice : choices) {
        const auto c = chroma(choice);
        const double distance = std::hypot(s[0] - c[0], s[1] - c[1], s[2] - c[2]);
        if (distance < bestDistance)
            bestDistance = distance, best = index;
        ++index;
    }
    return best;
}

int channelGap(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

double meanLightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

}   // namespace

TEST(CellPictures, All42AreSixteenBitBitmaps)
{
    for (const QString& name : cellNames()) {
        SCOPED_TRACE(name.toStdString());
        expectBmp555(readAll(sourceDir("resources/cells/") + name + ".bmp"), 45, 45);
    }
}

TEST(BuiltInPictures, AreEveryPictureInResourcesUnchanged)
{
    int pictures = 0;
    for (const QString folder : {"cells", "icons", "cursors"})
        for (const QFileInfo& file : QDir(sourceDir("resources/") + folder).entryInfoList(QDir::Files)) {
            // The cells are built in without their file ending.
            const QString name = folder == "cells" ? file.completeBaseName() : file.fileName();
            const QImage picture = argb(file.filePath());
            EXPECT_FALSE(picture.isNull()) << name.toStdString();
            EXPECT_EQ(argb(":/" + folder + "/" + name), picture) << name.toStdString();
            ++pictures;
        }
    EXPECT_EQ(pictures, 42 * 2 + 5 + 2);   // the cells and the cursor at two densities, the icons
}

TEST(CellPictures, EachShowsWhatItsNameSays)
{
    // Empty places: grey, lit from the top left, in two different patterns.
    const QImage oneRing = cell("I0"), threeRings = cell("I00");
    for (const QImage& empty : {oneRing, threeRings}) {
        const QColor middle = around(empty, 22, 22, 20);
        EXPECT_LT(std::max(std::abs(middle.red() - middle.blue()), std::abs(middle.green() - middle.blue())), 24);
        EXPECT_GT(middle.lightness(), 100);
        EXPECT_GT(QColor(empty.pixel(20, 0)).lightness(), QColor(empty.pixel(20, 44)).lightness() + 20);
        EXPECT_GT(QColor(empty.pixel(0, 20)).lightness(), QColor(empty.pixel(44, 20)).lightness() + 20);
    }
    EXPECT_NE(oneRing, threeRings);
    // Every ball shows its own colour on the board (I), selected (T) and in
    // each of the three preview places (A, B, C).
    const std::initializer_list<QColor> balls = {"#2F6FE4", "#36B24A", "#8E44AD", "#20C4D8",
                                                 "#F2D027", "#F28C28", "#C9CED6", "#E03A3A"};
    const std::initializer_list<QColor> previewRings = {"#1C2E7A", "#7B3FC4", "#C2187A"};
    auto onRing = [](int x, int y) { return std::abs(std::hypot(x - 22.0, y - 22.0) - 19.5) <= 1.0; };
    for (int value = 1; value <= 8; ++value) {
        SCOPED_TRACE(value);
        const QImage lying = cell(QString("I%1").arg(value)), selected = cell(QString("T%1").arg(value));
        // Sampled below the left eye, where no ball's pattern lies.
        EXPECT_EQ(nearest(around(lying, 18, 29, 1), balls), value - 1);
        EXPECT_EQ(nearest(around(selected, 18, 29, 1), balls), value - 1);
        // The selected ball is brighter, inside a gold ring.
        EXPECT_GT(around(selected, 16, 30, 3).lightness(), around(lying, 16, 30, 3).lightness());
        const QColor gold = selected.pixel(22, 2);
        EXPECT_GT(gold.red(), gold.blue() + 80);
        EXPECT_GT(gold.green(), gold.blue() + 40);
        // A preview place has a woven orange ground and a ring of its own colour.
        for (int place = 0; place < 3; ++place) {
            const QImage preview = cell(QString("%1%2").arg(QChar("ABC"[place])).arg(value));
            EXPECT_EQ(nearest(around(preview, 18, 28, 1), balls), value - 1) << place;
            const QColor ground = around(preview, 4, 4, 2);
            EXPECT_TRUE(ground.red() > ground.green() && ground.green() > ground.blue()) << place;
            EXPECT_EQ(nearest(average(preview, onRing), previewRings, true), place);
        }
    }
}

TEST(ProgramIcon, IsACyanBallOnAGoldStarAt48And32PixelsAndOneLargeSize)
{
    for (int size : {48, 32, 256}) {
        const QString name = QString("velko-lines-%1.png").arg(size);
        const QImage icon = resource("icons/" + name, {size, size});
        // A cyan ball on a gold star, on a clear ground.
        const QRgb star = icon.pixel(size / 2, size / 12 + 1), ball = icon.pixel(size * 3 / 8, size * 3 / 4);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_GT(qAlpha(star), 200) << size;
        EXPECT_GT(qRed(star), qBlue(star) + 60) << size;
        EXPECT_GT(std::min(qGreen(ball), qBlue(ball)), qRed(ball) + 40) << size;
    }
}

TEST(HandCursor, IsA32PixelHandWithItsFingerTipAtTheHotSpot)
{
    const QImage hand = resource("cursors/hand.png", {32, 32});
    // The finger tip, centred on (5, 0), is the top row's only visible part:
    // a dark outline, white inside.
    for (int x = 0; x < 32; ++x)
        EXPECT_EQ(qAlpha(hand.pixel(x, 0)) > 128, std::abs(x - 5) <= 1) << x;
    EXPECT_LT(qGray(hand.pixel(5, 0)), 80);
    EXPECT_EQ(qAlpha(hand.pixel(5, 6)), 255);
    EXPECT_GT(qGray(hand.pixel(5, 6)), 220);
}

TEST(MediaPictures, EveryWindowPictureIsAGifOfItsSize)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"game.gif", {640, 480}},     {"back.gif", {640, 480}}, {"cmd.gif", {405, 405}},
        {"gameover.gif", {405, 405}}, {"tit.gif", {16, 16}},
    };
    for (const auto& [name, size] : pictures)
        EXPECT_EQ(gif(name).size(), size) << name;
    // The title strip is stretched to each dialog's width, never enlarged; so
    // stretched it matches the close button at its right end (the strip sits a
    // pixel above the dialog) and the title icon at (4, 2).
    const QImage strip = gif("tbk.gif");
    EXPECT_EQ(strip.height(), 22);
    for (const Place& ex : places())
        if (ex.control == "ex" && ex.window != "main") {
            const int width = place(qPrintable(ex.window), "titleStrip").width;
            EXPECT_GE(strip.width(), width);
            EXPECT_LE(channelGap(gif("ex0.gif").pixel(0, 0), strip.scaled(width, 22).pixel(ex.x, 6)), 24) << width;
        }
    EXPECT_LE(channelGap(gif("tit.gif").pixel(0, 0), strip.pixel(4, 3)), 12);
    EXPECT_NE(gif("cmd.gif"), gif("gameover.gif")) << "the two end pictures must differ";
}

TEST(MediaPictures, EveryButtonHasThreeGifStatesOfItsSizeThatBlendInWhereItSits)
{
    // Each button face at its first place in the table: on its window's
    // picture, or on the dialogs' grey.
    QStringList buttons;
    for (const Place& button : places()) {
        if (buttons.contains(button.control) || !QFile::exists(sourceDir("medias/") + button.control + "0.gif"))
            continue;
        buttons << button.control;
        SCOPED_TRACE(button.control.toStdString());
        QImage face[3];
        for (int state = 0; state < 3; ++state) {
            face[state] = gif(QString("%1%2.gif").arg(button.control).arg(state));
            EXPECT_EQ(face[state].size(), QSize(button.width, button.height)) << state;
        }
        // Hover is lighter and pressed darker than normal.
        EXPECT_GT(meanLightness(face[1]), meanLightness(face[0]) + 1.0);
        EXPECT_LT(meanLightness(face[2]), meanLightness(face[0]) - 1.0);
        const QString window = button.window == "main" ? "back.gif" : button.window == "start" ? "game.gif" : "";
        const QImage ground = window.isEmpty() ? QImage() : gif(window);
        for (QPoint corner : {QPoint(0, 0), QPoint(button.width - 1, 0)}) {
            const QRgb under =
                ground.isNull() ? qRgb(216, 216, 216) : ground.pixel(QPoint(button.x, button.y) + corner);
            EXPECT_LE(channelGap(face[0].pixel(corner), under), ground.isNull() ? 8 : 24) << corner.x();
        }
    }
    EXPECT_EQ(buttons.size(), 12);
}

// Every picture but the large icon has a partner for screens of twice the
// density: name@2x beside name, twice as wide and high, showing the same
// picture (shrunk to 1x size it matches the 1x picture closely).
TEST(PicturesAt2x, EveryPictureHasAPartnerOfTwiceItsSizeShowingTheSame)
{
    int pairs = 0;
    for (const char* folder : {"resources/cells", "resources/icons", "resources/cursors", "medias"}) {
        const QStringList names = QDir(sourceDir(folder)).entryList({"*.gif", "*.bmp", "*.png"}, QDir::Files);
        for (const QString& name : names) {
            SCOPED_TRACE(name.toStdString());
            const QString oneXName = QString(name).remove("@2x");
            if (name != oneXName || name == "velko-lines-256.png") {
                EXPECT_TRUE(names.contains(oneXName)) << "a partner without its 1x picture";
                continue;
            }
            const QString path = sourceDir(folder) + "/" + name;
            const QImage oneX = argb(path), twoX = argb(QString(path).insert(path.lastIndexOf('.'), "@2x"));
            ASSERT_FALSE(oneX.isNull());
            ASSERT_EQ(twoX.size(), oneX.size() * 2);
            const QImage shrunk = twoX.scaled(oneX.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            double sum = 0;
            for (int y = 0; y < oneX.height(); ++y)
                for (int x = 0; x < oneX.width(); ++x) {
                    const QRgb a = oneX.pixel(x, y), b = shrunk.pixel(x, y);
                    sum += std::abs(qGray(a) - qGray(b)) + std::abs(qAlpha(a) - qAlpha(b));
                }
            EXPECT_LT(sum / (oneX.width() * oneX.height()), 6.0);
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 42 + 2 + 1 + 6 + 12 * 3);   // cells, icons, cursor, window pictures, button faces
}

namespace {

// How a picture looks in grey and to players without one kind of cone
// (Machado, Oliveira and Fernandes 2009, full severity), as linear-RGB matrices.
struct Vision {
    const char* name;
    double m[3][3];
};
constexpr Vision kVisions[] = {
    {"grey", {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}},
    {"protan", {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
    {"deutan", {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
    {"tritan", {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
};

double toLinear(int v)
{
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}
double toSrgb(double l)
{
    l = std::clamp(l, 0.0, 1.0);
    return 255.0 * (l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055);
}

using Seen = std::vector<std::array<double, 3>>;

// The colours of the pixels inside a disc, as the vision sees them.
Seen seenInDisc(const QImage& picture, const Vision& vision, QPointF centre, double radius)
{
    Seen seen;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) > radius)
                continue;
            const QRgb p = picture.pixel(x, y);
            const double in[3] = {toLinear(qRed(p)), toLinear(qGreen(p)), toLinear(qBlue(p))};
            std::array<double, 3> out;
            for (int i = 0; i < 3; ++i)
                out[size_t(i)] = toSrgb(vision.m[i][0] * in[0] + vision.m[i][1] * in[1] + vision.m[i][2] * in[2]);
            seen.push_back(out);
        }
    return seen;
}

}   // namespace

// The eight balls differ in more than hue: in grey and in each simulated
// colour blindness, every two balls of a family differ clearly in at least
// a quarter of the ball's pixels. A pixel differs clearly when the two seen
// colours lie 40 or more apart (Euclidean, 0-255 sRGB; in grey, a step of 23
// grey levels).
TEST(CellPictures, TheEightBallsDifferInGreyAndToColourBlindPlayers)
{
    // Balls lying or selected fill a larger disc than those in the preview places.
    for (const char* family : {"I", "T", "A", "B", "C"})
        for (const Vision& vision : kVisions) {
            const bool large = *family == 'I' || *family == 'T';
            Seen seen[9];
            for (int value = 1; value <= 8; ++value)
                seen[value] = seenInDisc(cell(QString("%1%2").arg(family).arg(value)), vision,
                                         {22.5, large ? 21.8 : 22}, large ? 18 : 14.8);
            for (int a = 1; a <= 8; ++a)
                for (int b = a + 1; b <= 8; ++b) {
                    int differ = 0;
                    for (size_t i = 0; i < seen[a].size(); ++i) {
                        const auto &x = seen[a][i], &y = seen[b][i];
                        differ += std::hypot(x[0] - y[0], x[1] - y[1], x[2] - y[2]) >= 40.0;
                    }
                    const double share = double(differ) / double(seen[a].size());
                    EXPECT_GE(share, 0.25) << family << a << " and " << family << b << " in " << vision.name;
                }
        }
}
