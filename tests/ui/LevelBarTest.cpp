// The volume bar as the player drives it: presses and drags on a real widget.

#include <QSignalSpy>

#include "WindowTestSupport.h"

using velko::LevelBar;

namespace {

class LevelBarTest : public ::testing::Test {
protected:
    LevelBarTest() : changes(&bar, &LevelBar::levelChanged) { bar.show(); }
    LevelBar bar;
    QSignalSpy changes;
};

TEST_F(LevelBarTest, OnlyTheLeftButtonAloneSetsTheLevelHalvesRoundToEvenAndTheEndsPinIt)
{
    const auto press = QEvent::MouseButtonPress, move = QEvent::MouseMove;
    const Qt::MouseButton none = Qt::NoButton, left = Qt::LeftButton, right = Qt::RightButton;
    // The event, where and with which buttons, and the level it sets; level 0:
    // the event is ignored, the level stays and no change is signalled.
    const std::tuple<QEvent::Type, double, Qt::MouseButton, Qt::MouseButtons, int> steps[] = {
        {press, 2.5, left, left, 2},
        {press, 3.5, left, left, 4},
        {move, 17.4, none, left, 17},
        {move, 17.6, none, left, 18},
        {press, 0.0, left, left, 1},
        {move, 70.0, none, left, 50},
        {move, -30.0, none, left, 1},
        {move, 49.5, none, left, 50},
        {move, 20.0, none, none, 0},
        {press, 20.0, right, right, 0},
        {press, 20.0, Qt::MiddleButton, Qt::MiddleButton, 0},
        {move, 20.0, none, right, 0},
        {move, 20.0, none, left | right, 0},
        {press, 20.0, left, left | right, 0}};
    for (const auto& [type, x, button, held, level] : steps) {
        SCOPED_TRACE(testing::Message() << "at " << x << " held " << int(held));
        const int before = bar.level();
        velko::test::mouse(&bar, type, {x, 5.0}, button, held);
        EXPECT_EQ(bar.level(), level ? level : before);
        ASSERT_EQ(changes.count(), level ? 1 : 0);
        EXPECT_EQ(changes.isEmpty() ? 0 : changes.takeFirst().at(0).toInt(), level);
    }
}

TEST_F(LevelBarTest, ALevelSetInCodeIsClampedIsNotAPlayerChangeAndFillsThatManyColumnsOrange)
{
    const QColor orange(209, 89, 30);
    for (const auto& [set, level] : {std::pair{0, 1}, {23, 23}, {99, 50}}) {
        bar.setLevel(set);
        EXPECT_EQ(bar.level(), level);
        const QImage image = bar.grab().toImage();
        for (int x = 0; x < 50; ++x)
            for (int y : {0, 9})
                ASSERT_EQ(image.pixelColor(x, y), x < level ? orange : QColor(Qt::white))
                    << "level " << level << " at " << x << "," << y;
    }
    EXPECT_EQ(changes.count(), 0);
}

}   // namespace
