// The image button: which picture it shows, when it clicks, and which of its
// presses reach the window as a release.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "KorvBut.h"
#include "TestMouse.h"
#include "TestPictures.h"

using namespace velko;
using namespace velko::test;

namespace {

const QColor kNormal(200, 30, 30);
const QColor kHover(30, 200, 30);
const QColor kPressed(30, 30, 200);

struct Event {
    int button, shift;
    float x, y;
};

class KorvButTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString file(const QString& name) const { return folder.filePath(name); }

    // Three GIF faces of distinct colours for the button "tst".
    void writeAllFaces(int width = 20, int height = 16)
    {
        ASSERT_TRUE(writeSolidGif(file("tst0.gif"), width, height, kNormal));
        ASSERT_TRUE(writeSolidGif(file("tst1.gif"), width, height, kHover));
        ASSERT_TRUE(writeSolidGif(file("tst2.gif"), width, height, kPressed));
    }

    std::unique_ptr<KorvBut> makeButton(int width = 20, int height = 16)
    {
        ButtonContext context;
        context.pictureFolder = folder.path();
        context.clickSound = [this] { ++clicks; };
        auto button = std::make_unique<KorvBut>("tst", context);
        button->resize(width, height);
        QObject::connect(button.get(), &KorvBut::MouseDown,
                         [this](int b, int s, float x, float y) { downs.push_back({b, s, x, y}); });
        QObject::connect(button.get(), &KorvBut::MouseUp,
                         [this](int b, int s, float x, float y) { ups.push_back({b, s, x, y}); });
        QObject::connect(button.get(), &KorvBut::MouseMove,
                         [this](int b, int s, float x, float y) { moves.push_back({b, s, x, y}); });
        button->show();
        return button;
    }

    static QColor faceAt(KorvBut& button, int x = 2, int y = 2)
    {
        return button.grab().toImage().pixelColor(x, y);
    }

    QTemporaryDir folder;
    int clicks = 0;
    std::vector<Event> downs, ups, moves;
};

} // namespace

TEST_F(KorvButTest, ShowsTheJpegWhenThereIsNoGif)
{
    ASSERT_TRUE(writeSolidJpeg(file("tst0.jpg"), 20, 16, kHover));
    auto button = makeButton();
    EXPECT_TRUE(closeTo(faceAt(*button), kHover));
}

TEST_F(KorvButTest, PrefersTheGifOverTheJpeg)
{
    ASSERT_TRUE(writeSolidJpeg(file("tst0.jpg"), 20, 16, kHover));
    ASSERT_TRUE(writeSolidGif(file("tst0.gif"), 20, 16, kNormal));
    auto button = makeButton();
    EXPECT_EQ(faceAt(*button), kNormal);
}

TEST_F(KorvButTest, ADamagedGifKeepsTheOldFaceAndDoesNotFallBackToTheJpeg)
{
    ASSERT_TRUE(writeSolidGif(file("tst0.gif"), 20, 16, kNormal));
    QFile broken(file("tst1.gif"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("GIF89a not really a picture");
    broken.close();
    ASSERT_TRUE(writeSolidJpeg(file("tst1.jpg"), 20, 16, kHover));
    auto button = makeButton();
    moveTo(button.get(), {5, 5});
    EXPECT_EQ(faceAt(*button), kNormal);
}

TEST_F(KorvButTest, AMissingPictureLeavesTheWindowColourAndTheButtonStillWorks)
{
    auto button = makeButton();
    EXPECT_EQ(faceAt(*button), button->palette().color(QPalette::Window));
    click(button.get());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs.size(), 1u);
    EXPECT_EQ(ups.size(), 1u);
}

TEST_F(KorvButTest, DrawsThePictureAtItsOwnSizeFromTheTopLeftCorner)
{
    ASSERT_TRUE(writeSolidGif(file("tst0.gif"), 6, 5, kNormal));
    auto button = makeButton(20, 16);
    EXPECT_EQ(faceAt(*button, 0, 0), kNormal);
    EXPECT_EQ(faceAt(*button, 5, 4), kNormal);
    EXPECT_EQ(faceAt(*button, 6, 4), button->palette().color(QPalette::Window));
    EXPECT_EQ(faceAt(*button, 5, 5), button->palette().color(QPalette::Window));
    EXPECT_EQ(faceAt(*button, 19, 15), button->palette().color(QPalette::Window));
}

TEST_F(KorvButTest, MovingOverTheFaceShowsHoverAndOnlyTheLeftButtonAloneShowsPressed)
{
    writeAllFaces();
    auto button = makeButton();
    EXPECT_EQ(faceAt(*button), kNormal);
    moveTo(button.get(), {5, 5});
    EXPECT_EQ(faceAt(*button), kHover);
    moveTo(button.get(), {6, 5}, Qt::LeftButton);
    EXPECT_EQ(faceAt(*button), kPressed);
    moveTo(button.get(), {7, 5}, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(faceAt(*button), kHover);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[1].button, 1);
    EXPECT_EQ(moves[2].button, 3);
    EXPECT_FLOAT_EQ(moves[2].x, 7.0f);
}

TEST_F(KorvButTest, TheEdgesBelongToTheFace)
{
    writeAllFaces();
    auto button = makeButton(20, 16);
    moveTo(button.get(), {20, 16});
    EXPECT_EQ(faceAt(*button), kHover);
    moveTo(button.get(), {21, 16});
    EXPECT_EQ(faceAt(*button), kNormal);
    moveTo(button.get(), {0, 0});
    EXPECT_EQ(faceAt(*button), kHover);
    moveTo(button.get(), {-1, 0});
    EXPECT_EQ(faceAt(*button), kNormal);
}

TEST_F(KorvButTest, ARightPressClicksReportsButtonTwoAndShowsPressed)
{
    writeAllFaces();
    auto button = makeButton();
    press(button.get(), {4, 3}, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, 2);
    EXPECT_EQ(downs[0].shift, 5);
    EXPECT_FLOAT_EQ(downs[0].x, 4.0f);
    EXPECT_FLOAT_EQ(downs[0].y, 3.0f);
    EXPECT_EQ(faceAt(*button), kPressed);
}

TEST_F(KorvButTest, ThePressedPictureComesOnlyAfterTheWindowHasHandledThePress)
{
    writeAllFaces();
    auto button = makeButton();
    QColor seenInHandler;
    int clicksInHandler = -1;
    QObject::connect(button.get(), &KorvBut::MouseDown, [&] {
        seenInHandler = faceAt(*button);
        clicksInHandler = clicks;
    });
    press(button.get(), {4, 4}, Qt::MiddleButton, Qt::ControlModifier);
    EXPECT_EQ(seenInHandler, kNormal);
    EXPECT_EQ(clicksInHandler, 1);   // the click sounds before the window acts
    EXPECT_EQ(downs[0].button, 4);
    EXPECT_EQ(downs[0].shift, 2);
    EXPECT_EQ(faceAt(*button), kPressed);
}

TEST_F(KorvButTest, AReleaseOverTheFaceShowsNormalAndReachesTheWindow)
{
    writeAllFaces();
    auto button = makeButton();
    press(button.get(), {4, 4});
    release(button.get(), {9, 8});
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].button, 1);
    EXPECT_FLOAT_EQ(ups[0].x, 9.0f);
    EXPECT_EQ(faceAt(*button), kNormal);
}

TEST_F(KorvButTest, APressDraggedOffAndReleasedOutsideIsCancelled)
{
    writeAllFaces();
    auto button = makeButton();
    press(button.get(), {4, 4});
    moveTo(button.get(), {10, 10}, Qt::LeftButton);
    moveTo(button.get(), {40, 10}, Qt::LeftButton);
    EXPECT_EQ(faceAt(*button), kNormal);
    moveTo(button.get(), {60, 30}, Qt::LeftButton);
    release(button.get(), {60, 30});
    EXPECT_TRUE(ups.empty());
    // The next press is a fresh one and is heard again.
    click(button.get());
    EXPECT_EQ(ups.size(), 1u);
}

TEST_F(KorvButTest, APressDraggedOffAndBackOnIsReleasedOnTheFace)
{
    writeAllFaces();
    auto button = makeButton();
    press(button.get(), {4, 4});
    moveTo(button.get(), {40, 10}, Qt::LeftButton);
    moveTo(button.get(), {8, 8}, Qt::LeftButton);
    EXPECT_EQ(faceAt(*button), kPressed);
    release(button.get(), {8, 8});
    EXPECT_EQ(ups.size(), 1u);
}

TEST_F(KorvButTest, AWindowMayDeleteTheButtonWhileHandlingItsPress)
{
    writeAllFaces();
    auto owned = makeButton();
    KorvBut* button = owned.release();
    QObject::connect(button, &KorvBut::MouseDown, [button] { delete button; });
    press(button, {4, 4});
    EXPECT_EQ(downs.size(), 1u);
}

TEST_F(KorvButTest, HoverHoldsThePointerAndAPressLetsItGoBeforeTheWindowActs)
{
    writeAllFaces();
    auto button = makeButton();
    moveTo(button.get(), {5, 5});
    EXPECT_EQ(QWidget::mouseGrabber(), button.get());
    // A dialog opened by the window for this press must get the mouse.
    QWidget* holderInHandler = button.get();
    QObject::connect(button.get(), &KorvBut::MouseDown,
                     [&holderInHandler] { holderInHandler = QWidget::mouseGrabber(); });
    press(button.get(), {5, 5});
    EXPECT_EQ(holderInHandler, nullptr);
    release(button.get(), {5, 5});
    moveTo(button.get(), {50, 5});
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(KorvButTest, LeavingTheFaceWithoutAButtonShowsNormal)
{
    writeAllFaces();
    auto button = makeButton();
    moveTo(button.get(), {5, 5});
    EXPECT_EQ(faceAt(*button), kHover);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button.get(), &leave);
    EXPECT_EQ(faceAt(*button), kNormal);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(KorvButTest, ThePointerOverTheFaceIsTheHandWithItsTipAsHotSpot)
{
    auto button = makeButton();
    const QCursor cursor = button->cursor();
    if (QFile::exists(QStringLiteral(":/cursors/hand.png"))) {
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), QPoint(5, 0));
        EXPECT_FALSE(cursor.pixmap().isNull());
    } else {
        EXPECT_EQ(cursor.shape(), Qt::PointingHandCursor);
    }
}
