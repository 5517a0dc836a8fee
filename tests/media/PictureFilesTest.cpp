// Every picture the program loads: the cells, icon and cursor built into it,
// and the media pictures its windows and buttons show. Each is present, of
// the form and size the program expects, and shows what its name promises.

#include "PictureFiles.h"
#include "WindowLayout.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QVector3D>
#include <algorithm>
#include <array>
#include <cmath>

using namespace velko;
using namespace velko::test;

namespace {

QString sourceDir(const QString& sub)
{
    return QStringLiteral(VELKO_SOURCE_DIR "/") + sub;
}

QImage argb(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// The cell picture of a family (I lying, T selected, A, B, C in the preview places) and ball value.
QImage cell(const QString& family, int value)
{
    return argb(sourceDir("resources/cells/") + family + QString::number(value) + ".bmp");
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

// Which of the choices is nearest in colour to the 3 by 3 pixels around (x, y): by hue and
// saturation alone, whatever the shading.
int nearest(const QImage& image, int x, int y, const std::vector<QColor>& choices)
{
    const auto chroma = [](QColor c) {
        return QVector3D(c.red(), c.green(), c.blue()) / (c.red() + c.green() + c.blue() + 1);
    };
    QVector3D seen;
    for (int i = 0; i < 9; ++i)
        seen += chroma(image.pixel(x - 1 + i % 3, y - 1 + i / 3)) / 9;
    std::vector<float> distances;
    for (const QColor& choice : choices)
        distances.push_back((seen - chroma(choice)).length());
    return int(std::min_element(distances.begin(), distances.end()) - distances.begin());
}

}   // namespace

// Every ball shows its own colour lying on the board (I), selected (T) and in
// each of the three preview places (A, B, C), where it looks different in each.
TEST(CellPictures, EveryBallShowsItsOwnColourInEachFamily)
{
    const std::vector<QColor> balls = {"#2F6FE4", "#36B24A", "#8E44AD", "#20C4D8",
                                       "#F2D027", "#F28C28", "#C9CED6", "#E03A3A"};
    EXPECT_NE(cell("I", 0), cell("I0", 0));   // the empty place in its two patterns
    for (int value = 1; value <= 8; ++value) {
        for (const char* family : {"I", "T", "A", "B", "C"})   // sampled below the left eye, off every pattern
            EXPECT_EQ(nearest(cell(family, value), 18, 29, balls), value - 1) << family << value;
        const QImage a = cell("A", value), b = cell("B", value), c = cell("C", value);
        EXPECT_TRUE(a != b && b != c && c != a) << value;
    }
}

// The program's icons at their sizes, and the hand cursor's finger tip,
// centred on the hot spot (5, 0), the top row's only visible part.
TEST(IconsAndCursor, AreOfTheirSizesAndTheHandPointsFromItsHotSpot)
{
    for (int size : {48, 32, 256})
        EXPECT_EQ(argb(sourceDir("resources/icons/") + QString("velko-lines-%1.png").arg(size)).size(),
                  QSize(size, size));
    const QImage hand = argb(sourceDir("resources/cursors/hand.png"));
    ASSERT_EQ(hand.size(), QSize(32, 32));
    for (int x = 0; x < 32; ++x)
        EXPECT_EQ(qAlpha(hand.pixel(x, 0)) > 128, std::abs(x - 5) <= 1) << x;
}

TEST(MediaPictures, EveryWindowPictureIsAGifOfItsSize)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"game.gif", {640, 480}},     {"back.gif", {640, 480}}, {"cmd.gif", {405, 405}},
        {"gameover.gif", {405, 405}}, {"tit.gif", {16, 16}},
    };
    for (const auto& [name, size] : pictures)
        EXPECT_EQ(gif(name).size(), size) << name;
    EXPECT_NE(gif("cmd.gif"), gif("gameover.gif")) << "the two end pictures must differ";
    // The title strip is stretched to each dialog's width, never enlarged.
    const QImage strip = gif("tbk.gif");
    EXPECT_EQ(strip.height(), 22);
    EXPECT_GE(strip.width(), layout::kWidestTitleStrip);
}

TEST(MediaPictures, EveryButtonHasThreeGifStatesOfItsSizeHoverLighterAndPressedDarker)
{
    QStringList buttons;
    for (const auto& [window, button] : layout::kAllPlaces) {
        if (!button.picture || buttons.contains(button.picture))
            continue;
        buttons << button.picture;
        SCOPED_TRACE(button.picture);
        double lightness[3] = {};   // the mean grey of each face
        for (int state = 0; state < 3; ++state) {
            const QImage face = gif(QString("%1%2.gif").arg(button.picture).arg(state));
            EXPECT_EQ(face.size(), QSize(button.width, button.height)) << state;
            for (int i = 0, area = face.width() * face.height(); i < area; ++i)
                lightness[state] += qGray(face.pixel(i % face.width(), i / face.width())) / double(area);
        }
        EXPECT_GT(lightness[1], lightness[0] + 1.0);
        EXPECT_LT(lightness[2], lightness[0] - 1.0);
    }
    EXPECT_EQ(buttons.size(), 12);
}

// Every picture in resources/ is built into the program unchanged, the cells
// without their file ending, and every cell is a 16-bit bitmap 45 pixels
// square. Every picture but the large icon has a partner for screens of twice
// the density: name@2x beside name, twice as wide and high, showing the same
// picture (shrunk to 1x size it matches the 1x picture closely).
TEST(Pictures, AreBuiltInUnchangedAndHaveAPartnerOfTwiceTheirSizeShowingTheSame)
{
    int pairs = 0;
    for (const QString folder : {"resources/cells", "resources/icons", "resources/cursors", "medias"}) {
        const QStringList names = QDir(sourceDir(folder)).entryList({"*.gif", "*.bmp", "*.png"}, QDir::Files);
        for (const QString& name : names) {
            SCOPED_TRACE(name.toStdString());
            const QString path = sourceDir(folder) + "/" + name;
            const QImage picture = argb(path);
            ASSERT_FALSE(picture.isNull());
            if (folder.startsWith("resources/")) {
                const bool cell = folder.endsWith("cells");
                EXPECT_EQ(argb(":/" + folder.mid(10) + "/" + (cell ? QFileInfo(name).completeBaseName() : name)),
                          picture);
                QFile bytes(path);
                const int side = name.contains("@2x") ? 90 : 45;   // at twice the density, 90
                if (cell && bytes.open(QIODevice::ReadOnly))
                    expectBmp555(bytes.readAll(), side, side);
            }
            const QString oneXName = QString(name).remove("@2x");
            if (name != oneXName || name == "velko-lines-256.png") {
                EXPECT_TRUE(names.contains(oneXName)) << "a partner without its 1x picture";
                continue;
            }
            const QImage twoX = argb(QString(path).insert(path.lastIndexOf('.'), "@2x"));
            ASSERT_EQ(twoX.size(), picture.size() * 2);
            const QImage shrunk = twoX.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            double sum = 0;
            for (int i = 0, width = picture.width(); i < width * picture.height(); ++i) {
                const QRgb a = picture.pixel(i % width, i / width), b = shrunk.pixel(i % width, i / width);
                sum += std::abs(qGray(a) - qGray(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
            EXPECT_LT(sum / (picture.width() * picture.height()), 6.0);
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

using Seen = std::vector<std::array<double, 3>>;

// The colours of the pixels inside a disc, as the vision sees them: from sRGB
// to linear light, through the vision's matrix and back to sRGB (0-255).
Seen seenInDisc(const QImage& picture, const Vision& vision, QPointF centre, double radius)
{
    const auto linear = [](double s) { return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); };
    const auto srgb = [](double l) { return l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055; };
    Seen seen;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) > radius)
                continue;
            const QRgb p = picture.pixel(x, y);
            const double in[3] = {linear(qRed(p) / 255.0), linear(qGreen(p) / 255.0), linear(qBlue(p) / 255.0)};
            std::array<double, 3> out;
            for (int i = 0; i < 3; ++i) {
                const double l = vision.m[i][0] * in[0] + vision.m[i][1] * in[1] + vision.m[i][2] * in[2];
                out[size_t(i)] = 255 * srgb(std::clamp(l, 0.0, 1.0));
            }
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
                seen[value] = seenInDisc(cell(family, value), vision, {22.5, large ? 21.8 : 22}, large ? 18 : 14.8);
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
