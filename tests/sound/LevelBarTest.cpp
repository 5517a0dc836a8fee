// The volume bar as the player drives it: presses and drags on a real widget.

#include "LevelBar.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

using velko::LevelBar;

namespace {

void send(LevelBar& bar, QEvent::Type type, double x, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(x, 5.0);
    QMouseEvent event(type, local, bar.mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&bar, &event);
}

void press(LevelBar& bar, double x, Qt::MouseButton button = Qt::LeftButton)
{
    send(bar, QEvent::MouseButtonPress, x, button, button);
}

void drag(LevelBar& bar, double x, Qt::MouseButtons held = Qt::LeftButton)
{
    send(bar, QEvent::MouseMove, x, Qt::NoButton, held);
}

class LevelBarTest : public ::testing::Test {
protected:
    LevelBarTest() : changes(&bar, &LevelBar::levelChanged) { bar.show(); }
    LevelBar bar;
    QSignalSpy changes;
};

TEST_F(LevelBarTest, APressSetsTheLevelRoundingHalvesToEven)
{
    press(bar, 2.5);
    EXPECT_EQ(bar.level(), 2);
    press(bar, 3.5);
    EXPECT_EQ(bar.level(), 4);
    press(bar, 17.4);
    EXPECT_EQ(bar.level(), 17);
    press(bar, 17.6);
    EXPECT_EQ(bar.level(), 18);
    ASSERT_EQ(changes.count(), 4);
    EXPECT_EQ(changes.at(0).at(0).toInt(), 2);
    EXPECT_EQ(changes.at(3).at(0).toInt(), 18);
}

TEST_F(LevelBarTest, TheEndsOfTheBarPinTheLevel)
{
    press(bar, 0.0);
    EXPECT_EQ(bar.level(), 1);
    drag(bar, 70.0);   // dragged past the right end
    EXPECT_EQ(bar.level(), 50);
    drag(bar, -30.0);  // and past the left end
    EXPECT_EQ(bar.level(), 1);
    drag(bar, 49.5);
    EXPECT_EQ(bar.level(), 50);
    EXPECT_EQ(changes.count(), 4);
}

TEST_F(LevelBarTest, DraggingWithTheLeftButtonFollowsThePointer)
{
    press(bar, 10.0);
    for (int x = 11; x <= 30; ++x) {
        drag(bar, x);
        EXPECT_EQ(bar.level(), x);
    }
    EXPECT_EQ(changes.count(), 21);
}

TEST_F(LevelBarTest, MovingWithoutAButtonChangesNothing)
{
    bar.setLevel(20);
    drag(bar, 40.0, Qt::NoButton);
    drag(bar, 5.0, Qt::NoButton);
    EXPECT_EQ(bar.level(), 20);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(LevelBarTest, OnlyTheLeftButtonAloneCounts)
{
    bar.setLevel(20);
    press(bar, 40.0, Qt::RightButton);
    press(bar, 40.0, Qt::MiddleButton);
    drag(bar, 40.0, Qt::RightButton);
    drag(bar, 40.0, Qt::LeftButton | Qt::RightButton);
    send(bar, QEvent::MouseButtonPress, 40.0, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(bar.level(), 20);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(LevelBarTest, SettingTheLevelInCodeClampsItAndIsNotAPlayerChange)
{
    bar.setLevel(0);
    EXPECT_EQ(bar.level(), 1);
    bar.setLevel(99);
    EXPECT_EQ(bar.level(), 50);
    bar.setLevel(23);
    EXPECT_EQ(bar.level(), 23);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(LevelBarTest, TheOrangeFillIsAsWideAsTheLevelOnAWhiteTrack)
{
    EXPECT_EQ(bar.size(), QSize(50, 10));
    const QColor orange(209, 89, 30);
    for (int level : {1, 23, 50}) {
        bar.setLevel(level);
        const QImage image = bar.grab().toImage();
        for (int x = 0; x < 50; ++x)
            for (int y : {0, 9})
                ASSERT_EQ(image.pixelColor(x, y), x < level ? orange : QColor(Qt::white))
                    << "level " << level << " at " << x << "," << y;
    }
}

TEST(LevelBarRule, LevelForAPointerPosition)
{
    EXPECT_EQ(LevelBar::levelAt(2.5), 2);
    EXPECT_EQ(LevelBar::levelAt(3.5), 4);
    EXPECT_EQ(LevelBar::levelAt(0.0), 1);
    EXPECT_EQ(LevelBar::levelAt(0.99), 1);
    EXPECT_EQ(LevelBar::levelAt(1.5), 2);
    EXPECT_EQ(LevelBar::levelAt(49.5), 50);
    EXPECT_EQ(LevelBar::levelAt(70.0), 50);
    EXPECT_EQ(LevelBar::levelAt(-5.0), 1);
}

} // namespace

int main(int argc, char** argv)
{
    // Test discovery runs this program outside CTest's environment too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
