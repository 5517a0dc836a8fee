// The high-score window: four columns that line up, rebuilt at every opening.

#include <QLabel>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "DialogTitle.h"
#include "Form2.h"
#include "HighScores.h"
#include "ModalDriver.h"
#include "ProgramState.h"

using namespace velko;
using namespace velko::test;

namespace {

struct Columns {
    QStringList ranks, names, points, dates;
    QRect pointsBox, namesBox, datesBox, ranksBox;
};

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        buttons.pictureFolder = folder.path();
        SysInfo[6] = QStringLiteral("Who");
        SysInfo[7] = QStringLiteral("Points");
        SysInfo[8] = QStringLiteral("When");
        SysInfo[26] = QStringLiteral("Best results");
        const double day = toDateValue(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
        for (std::size_t i = 0; i < HiScore.size(); ++i)
            HiScore[i] = ScoreRec{QStringLiteral("Player %1").arg(i), std::int32_t(8000 - 990 * i),
                                  day - double(i)};
    }

    // Opens the window, reads its columns and closes it with its close button.
    Columns open()
    {
        Columns seen;
        whenModalShows([&seen](QDialog& dialog) {
            auto lines = [&dialog](const char* name) {
                return part<QLabel>(dialog, name)->text().split(QLatin1Char('\n'));
            };
            seen.ranks = lines("Label1_0");
            seen.names = lines("Label3");
            seen.points = lines("Label2");
            seen.dates = lines("Label4");
            seen.ranksBox = part(dialog, "Label1_0")->geometry();
            seen.namesBox = part(dialog, "Label3")->geometry();
            seen.pointsBox = part(dialog, "Label2")->geometry();
            seen.datesBox = part(dialog, "Label4")->geometry();
            click(part(dialog, "ex"));
        });
        ShowHighScores(buttons);
        return seen;
    }

    QTemporaryDir folder;
    ButtonContext buttons;
};

} // namespace

TEST_F(Form2Test, ListsHeadingsThenRankNamePointsAndDateOfEveryEntry)
{
    const Columns seen = open();
    ASSERT_EQ(seen.ranks.size(), 9);
    ASSERT_EQ(seen.names.size(), 9);
    ASSERT_EQ(seen.points.size(), 9);
    ASSERT_EQ(seen.dates.size(), 9);
    EXPECT_EQ(seen.ranks[0], QString());
    EXPECT_EQ(seen.names[0], SysInfo[6]);
    EXPECT_EQ(seen.points[0], SysInfo[7]);
    EXPECT_EQ(seen.dates[0], SysInfo[8]);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(seen.ranks[i + 1], QStringLiteral("%1.").arg(i + 1));
        EXPECT_EQ(seen.names[i + 1], HiScore[i].Name);
        EXPECT_EQ(seen.points[i + 1], QString::number(HiScore[i].Points));
        EXPECT_EQ(seen.dates[i + 1], generalDateText(HiScore[i].When));
        EXPECT_FALSE(seen.dates[i + 1].isEmpty());
    }
}

TEST_F(Form2Test, TheColumnsKeepTheirEdges)
{
    const Columns seen = open();
    EXPECT_EQ(seen.namesBox.topLeft(), QPoint(48, 28));
    EXPECT_EQ(seen.datesBox.topLeft(), QPoint(200, 28));
    EXPECT_EQ(seen.pointsBox.top(), 28);
    EXPECT_EQ(seen.pointsBox.x() + seen.pointsBox.width(), 184);
    EXPECT_EQ(seen.ranksBox.top(), 28);
    EXPECT_LE(std::abs(2 * seen.ranksBox.x() + seen.ranksBox.width() - 2 * 22), 1);
}

TEST_F(Form2Test, PointsOfEveryWidthEndAtTheSameRightEdge)
{
    HiScore[0].Points = 123456780;
    HiScore[3].Points = 0;
    HiScore[7].Points = -50;
    const Columns wide = open();
    EXPECT_EQ(wide.pointsBox.x() + wide.pointsBox.width(), 184);

    for (auto& entry : HiScore)
        entry.Points = 10;
    const Columns narrow = open();
    EXPECT_EQ(narrow.pointsBox.x() + narrow.pointsBox.width(), 184);
    EXPECT_LT(narrow.pointsBox.width(), wide.pointsBox.width());

    // And inside the column every line is drawn flush right: the last inked
    // pixel of each line stands in the same place.
    HiScore[0].Points = 90000;
    HiScore[1].Points = 900;
    HiScore[2].Points = 0;
    std::vector<int> rightmost;
    whenModalShows([&rightmost](QDialog& dialog) {
        auto* points = part<QLabel>(dialog, "Label2");
        const QImage image = points->grab().toImage();
        const int lineHeight = image.height() / 9;
        const QColor ground = image.pixelColor(0, image.height() - 1);
        for (int line = 1; line <= 3; ++line) {
            int right = -1;
            for (int y = line * lineHeight; y < (line + 1) * lineHeight; ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) != ground)
                        right = std::max(right, x);
            rightmost.push_back(right);
        }
        click(part(dialog, "ex"));
    });
    ShowHighScores(buttons);
    ASSERT_EQ(rightmost.size(), 3u);
    EXPECT_GT(rightmost[0], 0);
    EXPECT_EQ(rightmost[0], rightmost[1]);
    EXPECT_EQ(rightmost[1], rightmost[2]);
}

TEST_F(Form2Test, ASecondOpeningShowsTheSameNineLines)
{
    const Columns first = open();
    const Columns second = open();
    EXPECT_EQ(first.ranks, second.ranks);
    EXPECT_EQ(first.names, second.names);
    EXPECT_EQ(first.points, second.points);
    EXPECT_EQ(first.dates, second.dates);
    EXPECT_EQ(second.names.size(), 9);
}

TEST_F(Form2Test, ADateThatIsNotARealOneShowsEmpty)
{
    HiScore[2].When = std::numeric_limits<double>::quiet_NaN();
    const Columns seen = open();
    ASSERT_EQ(seen.dates.size(), 9);
    EXPECT_EQ(seen.dates[3], QString());
    EXPECT_FALSE(seen.dates[2].isEmpty());
    EXPECT_FALSE(seen.dates[4].isEmpty());
}

TEST_F(Form2Test, TheTitleAndTheCloseButton)
{
    whenModalShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.size(), QSize(341 + 2, 194 + 2));
        EXPECT_EQ(part<QLabel>(dialog, "Label1_2")->text(), SysInfo[26]);
        EXPECT_EQ(part(dialog, "Image2")->geometry(), QRect(0, -1, 341, 22));
        EXPECT_EQ(part(dialog, "ex")->geometry(), QRect(324, 5, 10, 10));
        // A press on the close button dragged away does not close.
        press(part(dialog, "ex"), {3, 3});
        moveTo(part(dialog, "ex"), {30, 30}, Qt::LeftButton);
        release(part(dialog, "ex"), {30, 30});
        EXPECT_TRUE(dialog.isVisible());
        click(part(dialog, "ex"));
        EXPECT_FALSE(dialog.isVisible());
    });
    ShowHighScores(buttons);
}

TEST_F(Form2Test, TheRankColumnDragsTheWindowLikeTheTitle)
{
    whenModalShows([](QDialog& dialog) {
        auto* drag = dialog.findChild<CaptionDrag*>();
        ASSERT_NE(drag, nullptr);
        int drags = 0;
        QObject::connect(drag, &CaptionDrag::dragStarted, [&drags] { ++drags; });
        moveTo(part(dialog, "Label1_0"), {3, 20}, Qt::LeftButton);
        moveTo(part(dialog, "Label1_2"), {3, 3}, Qt::LeftButton);
        moveTo(part(dialog, "Label3"), {3, 20}, Qt::LeftButton);
        EXPECT_EQ(drags, 2);
        click(part(dialog, "ex"));
    });
    ShowHighScores(buttons);
}
