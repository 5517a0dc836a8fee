// The image button: which picture it shows, when it clicks, and which of its
// presses reach the window as a release.

#include <QSignalSpy>

#include "ImageButton.h"
#include "WindowTestSupport.h"

using namespace velko;
using namespace velko::test;

namespace {

const QColor kNormal(200, 30, 30), kHover(30, 200, 30), kPressed(30, 30, 200);

class ImageButtonTest : public ::testing::Test {
protected:
    QString file(const char* name) const { return folder.filePath(QLatin1String(name)); }

    std::unique_ptr<ImageButton> makeButton(bool withFaces = true)
    {
        for (const auto& [name, colour] :
             {std::pair{"tst0.gif", kNormal}, {"tst1.gif", kHover}, {"tst2.gif", kPressed}})
            if (withFaces)
                writeDot(file(name), colour);
        context = ButtonContext{folder.path(), [this] { ++clicks; }};
        auto button = std::make_unique<ImageButton>("tst", context);
        button->resize(20, 16);
        QObject::connect(button.get(), &ImageButton::pressed, [this] { heard.push_back("down"); });
        QObject::connect(button.get(), &ImageButton::released, [this] { heard.push_back("up"); });
        button->show();
        return button;
    }

    static QColor faceAt(ImageButton& button, int x = 0, int y = 0) { return button.grab().toImage().pixelColor(x, y); }

    QTemporaryDir folder;
    ButtonContext context;   // the last button's
    int clicks = 0;
    QStringList heard;   // what reached the window: "down", "up"
};

}   // namespace

TEST_F(ImageButtonTest, TheFaceIsTheGifElseTheJpegElseTheWindowColourAndTheButtonWorksEither)
{
    auto bare = makeButton(false);
    EXPECT_EQ(faceAt(*bare, 5, 5), bare->palette().color(QPalette::Window));
    press(bare.get());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(heard, QStringList({"down", "up"}));
    writeDot(file("tst0.jpg"), kHover);
    const QColor jpeg = faceAt(*makeButton(false));   // drawn at its own size; JPEG keeps colours only nearly
    EXPECT_LE(std::max({std::abs(jpeg.red() - kHover.red()), std::abs(jpeg.green() - kHover.green()),
                        std::abs(jpeg.blue() - kHover.blue())}),
              12);
    writeDot(file("tst0.gif"), kNormal);
    auto button = makeButton(false);
    EXPECT_EQ(faceAt(*button), kNormal);
    EXPECT_EQ(faceAt(*button, 1, 1), button->palette().color(QPalette::Window));
    // A damaged hover GIF keeps the old face; its JPEG is not taken instead.
    QFile broken(file("tst1.gif"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("GIF89a broken") > 0);
    broken.close();
    writeDot(file("tst1.jpg"), kPressed);
    moveTo(button.get(), {5, 5});
    EXPECT_EQ(faceAt(*button), kNormal);
}

TEST_F(ImageButtonTest, MovesShowHoverOnTheFaceEdgesIncludedAndPressedOnlyForTheLeftButtonAlone)
{
    auto button = makeButton();
    EXPECT_EQ(faceAt(*button), kNormal);
    // Where the pointer moves, with which buttons held, and the face then shown.
    const std::tuple<QPointF, Qt::MouseButtons, QColor> steps[] = {{{5, 5}, {}, kHover},
                                                                   {{6, 5}, Qt::LeftButton, kPressed},
                                                                   {{7, 5}, Qt::LeftButton | Qt::RightButton, kHover},
                                                                   {{20, 16}, {}, kHover},
                                                                   {{21, 16}, {}, kNormal},
                                                                   {{0, 0}, {}, kHover},
                                                                   {{-1, 0}, {}, kNormal}};
    for (const auto& [at, held, face] : steps) {
        moveTo(button.get(), at, held);
        EXPECT_EQ(faceAt(*button), face) << at.x() << "," << at.y();
    }
    // Each face is read once in a run: a picture replaced on disk afterwards is
    // not seen, not even by a button made later with the same context (a dialog
    // opened again). Only a context of its own reads the disk again.
    writeDot(file("tst1.gif"), kPressed);
    moveTo(button.get(), {5, 5});
    EXPECT_EQ(faceAt(*button), kHover);
    for (const auto& [buttons, face] : {std::pair{context, kHover}, {ButtonContext{folder.path(), {}}, kPressed}}) {
        ImageButton later("tst", buttons);
        later.resize(20, 16);
        later.show();
        moveTo(&later, {5, 5});
        EXPECT_EQ(faceAt(later), face);
    }
}

TEST_F(ImageButtonTest, APressClicksThenTellsTheWindowThenShowsPressedIfTheButtonIsStillThere)
{
    for (const Qt::MouseButton mouseButton : {Qt::RightButton, Qt::MiddleButton}) {
        auto button = makeButton();
        heard.clear();
        clicks = 0;
        QColor faceInHandler;
        QObject::connect(button.get(), &ImageButton::pressed, [&] {
            EXPECT_EQ(clicks, 1);
            faceInHandler = faceAt(*button);
        });
        pressAt(button.get(), {4, 3}, mouseButton);
        EXPECT_EQ(faceInHandler, kNormal);
        EXPECT_EQ(heard, QStringList("down"));
        EXPECT_EQ(faceAt(*button), kPressed);
    }
    // The window may even delete the button while handling its press.
    ImageButton* doomed = makeButton().release();
    QObject::connect(doomed, &ImageButton::pressed, [doomed] { delete doomed; });
    pressAt(doomed, {4, 4});
    EXPECT_EQ(heard.size(), 2);
}

TEST_F(ImageButtonTest, HoverHoldsThePointerUntilAPressOrLeavingLetsItGo)
{
    auto button = makeButton();
    moveTo(button.get(), {5, 5});
    EXPECT_EQ(QWidget::mouseGrabber(), button.get());
    // A dialog opened by the window for this press must get the mouse.
    QObject::connect(button.get(), &ImageButton::pressed, [] { EXPECT_EQ(QWidget::mouseGrabber(), nullptr); });
    press(button.get());
    moveTo(button.get(), {50, 5});
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    moveTo(button.get(), {5, 5});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button.get(), &leave);
    EXPECT_EQ(faceAt(*button), kNormal);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    const QCursor hand = button->cursor();   // the hand, with its tip as hot spot
    EXPECT_TRUE(hand.shape() == Qt::PointingHandCursor || hand.hotSpot() == QPoint(5, 0));
}

TEST_F(ImageButtonTest, APressSlidOntoAnotherButtonBecomesThatButtonsPressAndItsRelease)
{
    // Two buttons side by side, as Yes and No: `first` at x 0..20, `second` at 40..60.
    QWidget window;
    window.resize(80, 20);
    auto first = makeButton(), second = makeButton();
    for (auto& [button, left] : {std::pair{first.get(), 0}, {second.get(), 40}}) {
        button->setParent(&window);
        button->move(left, 0);
    }
    window.show();
    QSignalSpy firstUps(first.get(), &ImageButton::released), secondUps(second.get(), &ImageButton::released);
    const auto holder = [&] { return QWidget::mouseGrabber() ? QWidget::mouseGrabber() : first.get(); };
    // Moves are in the window's pixels; they reach the button that holds the
    // pointer, as the window system sends them, else the pressed one.
    // The faces of both buttons after the slide (Normal, Hover, Pressed) and the releases each got;
    // only a release over a face reaches the window, and each press is a fresh one.
    const auto letter = [](const QColor& face) {
        return face == kNormal ? 'N' : face == kHover ? 'H' : face == kPressed ? 'P' : '?';
    };
    const std::tuple<const char*, std::vector<int>, Qt::MouseButtons, std::string> cases[] = {
        {"onto the other", {50}, Qt::LeftButton, "NP01"},
        {"onto the other with both buttons", {50}, Qt::LeftButton | Qt::RightButton, "NH01"},
        {"onto the other and off", {50, 70}, Qt::LeftButton, "NN00"},
        {"onto the other and back", {50, 30, 5}, Qt::LeftButton, "PN10"},
        {"off between them", {30}, Qt::LeftButton, "NN00"}};
    for (const auto& [path, slide, held, after] : cases) {
        firstUps.clear();
        secondUps.clear();
        pressAt(first.get(), {5, 5});
        for (int x : slide)
            moveTo(holder(), holder()->mapFrom(&window, QPointF(x, 5)), held);
        std::string seen{letter(faceAt(*first)), letter(faceAt(*second))};
        release(holder(), holder()->mapFrom(&window, QPointF(slide.back(), 5)));
        EXPECT_EQ(seen + std::to_string(firstUps.count()) + std::to_string(secondUps.count()), after) << path;
        EXPECT_EQ(faceAt(*first), kNormal) << path << ": a release leaves the face normal";
        moveTo(&window, {75, 15});   // the pointer rests outside both
        if (QWidget::mouseGrabber())
            QWidget::mouseGrabber()->releaseMouse();
    }
}
