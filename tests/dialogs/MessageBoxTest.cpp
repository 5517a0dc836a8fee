// The message dialog: which answers it offers, how it sizes itself to its
// text, and what every way of closing it answers.

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DialogTitle.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "ProgramState.h"
#include "TestPictures.h"

using namespace velko;
using namespace velko::test;

namespace {

constexpr int kTwips = 15;

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        buttons.pictureFolder = folder.path();
        buttons.clickSound = [this] { ++clicks; };
        SysInfo[1] = QStringLiteral("Velko Lines test");
        BoxResult = 0;
    }

    QTemporaryDir folder;
    ButtonContext buttons;
    int clicks = 0;
};

struct Shape {
    int messageHeight = 0;
    int outerHeight = 0;
    int buttonsTop = 0;
};

} // namespace

TEST_F(MessageBoxTest, AnOkDialogShowsOnlyOkAndAnswersSixteen)
{
    BoxResult = 64;
    whenModalShows([](QDialog& dialog) {
        auto* cmdok = part(dialog, "cmdok");
        EXPECT_TRUE(cmdok->isVisible());
        EXPECT_FALSE(part(dialog, "cmdyes")->isVisible());
        EXPECT_FALSE(part(dialog, "cmdno")->isVisible());
        EXPECT_EQ(cmdok->x(), 97);
        EXPECT_EQ(cmdok->size(), QSize(43, 24));
        click(cmdok);
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Game over."), 0, buttons), kAnswerOk);
    EXPECT_EQ(BoxResult, kAnswerOk);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MessageBoxTest, AYesNoDialogShowsYesAndNoAndAnswersYes)
{
    whenModalShows([](QDialog& dialog) {
        auto* cmdyes = part(dialog, "cmdyes");
        auto* cmdno = part(dialog, "cmdno");
        EXPECT_FALSE(part(dialog, "cmdok")->isVisible());
        EXPECT_TRUE(cmdno->isVisible());
        EXPECT_EQ(cmdyes->geometry(), QRect(60, cmdno->y(), 23, 24));
        EXPECT_EQ(cmdno->geometry(), QRect(154, cmdyes->y(), 23, 24));
        click(cmdyes);
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo, buttons), kAnswerYes);
}

TEST_F(MessageBoxTest, OnlyTheBitSixteenOfTheStyleAsksYesOrNo)
{
    whenModalShows([](QDialog& dialog) {
        EXPECT_TRUE(part(dialog, "cmdno")->isVisible());
        click(part(dialog, "cmdno"));
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo | 4 | 32, buttons), kAnswerNo);
    whenModalShows([](QDialog& dialog) {
        EXPECT_FALSE(part(dialog, "cmdno")->isVisible());
        click(part(dialog, "cmdok"));
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Note"), 4 | 32, buttons), kAnswerOk);
}

TEST_F(MessageBoxTest, EscAnswersNoInAYesNoDialogWhateverHasTheFocus)
{
    whenModalShows([](QDialog& dialog) { pressKey(part(dialog, "Message"), Qt::Key_Escape); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo, buttons), kAnswerNo);
}

TEST_F(MessageBoxTest, EscAnswersOkInAnOkDialog)
{
    whenModalShows([](QDialog& dialog) { pressKey(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Note"), 0, buttons), kAnswerOk);
}

TEST_F(MessageBoxTest, EnterAndOtherKeysDoNotAnswer)
{
    whenModalShows([](QDialog& dialog) {
        pressKey(&dialog, Qt::Key_Return);
        pressKey(&dialog, Qt::Key_Enter);
        pressKey(&dialog, Qt::Key_Space);
        pressKey(&dialog, Qt::Key_Y);
        EXPECT_TRUE(dialog.isVisible());
        click(part(dialog, "cmdyes"));
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo, buttons), kAnswerYes);
}

TEST_F(MessageBoxTest, TheCloseButtonAnswersNoOrOk)
{
    whenModalShows([](QDialog& dialog) { click(part(dialog, "ex")); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo, buttons), kAnswerNo);
    whenModalShows([](QDialog& dialog) { click(part(dialog, "ex")); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Note"), 0, buttons), kAnswerOk);
}

TEST_F(MessageBoxTest, AWindowManagerCloseAnswersLikeTheCloseButton)
{
    BoxResult = kAnswerYes;
    whenModalShows([](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo, buttons), kAnswerNo);
    whenModalShows([](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Note"), 0, buttons), kAnswerOk);
}

TEST_F(MessageBoxTest, APressDraggedOffAnAnswerLeavesTheDialogOpen)
{
    BoxResult = 0;
    whenModalShows([](QDialog& dialog) {
        auto* cmdyes = part(dialog, "cmdyes");
        press(cmdyes, {5, 5});
        moveTo(cmdyes, {60, 5}, Qt::LeftButton);
        release(cmdyes, {60, 5});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(BoxResult, 0);
        click(part(dialog, "cmdno"));
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo, buttons), kAnswerNo);
}

TEST_F(MessageBoxTest, TheDialogGrowsWithItsTextInTwips)
{
    auto shapeOf = [this](const QString& text) {
        Shape shape;
        whenModalShows([&shape](QDialog& dialog) {
            auto* message = part<QLabel>(dialog, "Message");
            EXPECT_EQ(message->geometry().topLeft(), QPoint(8, 28));
            EXPECT_EQ(message->width(), 224);
            EXPECT_EQ(dialog.width(), 236 + 2);
            shape.messageHeight = message->height();
            shape.outerHeight = dialog.height();
            shape.buttonsTop = part(dialog, "cmdok")->y();
            EXPECT_EQ(part(dialog, "cmdyes")->y(), shape.buttonsTop);
            EXPECT_EQ(part(dialog, "cmdno")->y(), shape.buttonsTop);
            click(part(dialog, "cmdok"));
        });
        ShowMessage(text, 0, buttons);
        return shape;
    };
    const Shape one = shapeOf(QStringLiteral("One short line."));
    const Shape four = shapeOf(QStringLiteral("First line.\nSecond line.\nThird line.\nFourth."));
    const Shape wrapped = shapeOf(QStringLiteral(
        "A message long enough to need more than one line at this width, so it wraps "
        "at the words and carries on."));
    EXPECT_GT(wrapped.messageHeight, one.messageHeight);

    const int lineHeight = QFontMetrics(QFont(QStringLiteral("Tahoma"), 9)).height();
    EXPECT_GE(one.messageHeight, lineHeight - 2);
    EXPECT_LT(one.messageHeight, 2 * lineHeight);
    EXPECT_GE(four.messageHeight, 4 * lineHeight - 2);
    EXPECT_LT(four.messageHeight, 5 * lineHeight);

    for (const Shape& shape : {one, four, wrapped}) {
        const int h = shape.messageHeight * kTwips;
        EXPECT_EQ(shape.outerHeight * kTwips, h + 990);
        // The buttons sit 100 twips under the message, to the nearest pixel.
        EXPECT_LE(std::abs(shape.buttonsTop * kTwips - (h + 520)), kTwips / 2);
    }
    EXPECT_EQ(four.buttonsTop - one.buttonsTop, four.messageHeight - one.messageHeight);
}

TEST_F(MessageBoxTest, TheTitleStripShowsTheGameNameAndItsPictures)
{
    ASSERT_TRUE(writeSolidGif(folder.filePath("tbk.gif"), 8, 4, QColor(10, 20, 120)));
    ASSERT_TRUE(writeSolidGif(folder.filePath("tit.gif"), 16, 16, QColor(230, 180, 20)));
    whenModalShows([](QDialog& dialog) {
        auto* strip = part<QLabel>(dialog, "Image2");
        EXPECT_EQ(strip->geometry(), QRect(0, -1, 236, 22));
        EXPECT_EQ(part(dialog, "Image4")->geometry(), QRect(4, 2, 16, 16));
        auto* title = part<QLabel>(dialog, "Label1_2");
        EXPECT_EQ(title->text(), SysInfo[1]);
        EXPECT_EQ(title->pos(), QPoint(25, 3));
        EXPECT_EQ(part(dialog, "ex")->geometry(), QRect(220, 5, 10, 10));
        // The small strip picture is stretched over the whole strip.
        const QImage seen = strip->grab().toImage();
        EXPECT_EQ(seen.pixelColor(230, 15), QColor(10, 20, 120));
        EXPECT_EQ(part<QLabel>(dialog, "Image4")->grab().toImage().pixelColor(8, 8),
                  QColor(230, 180, 20));
        click(part(dialog, "ex"));
    });
    ShowMessage(QStringLiteral("Note"), 0, buttons);
}

TEST_F(MessageBoxTest, TheTitleStripAndTitleDragTheDialogWithTheLeftButtonAlone)
{
    whenModalShows([](QDialog& dialog) {
        auto* drag = dialog.findChild<CaptionDrag*>();
        ASSERT_NE(drag, nullptr);
        int drags = 0;
        QObject::connect(drag, &CaptionDrag::dragStarted, [&drags] { ++drags; });
        moveTo(part(dialog, "Image2"), {50, 5}, Qt::RightButton);
        moveTo(part(dialog, "Image2"), {50, 5}, Qt::LeftButton | Qt::RightButton);
        moveTo(part(dialog, "Label1_2"), {5, 5});
        EXPECT_EQ(drags, 0);
        moveTo(part(dialog, "Image2"), {50, 5}, Qt::LeftButton);
        moveTo(part(dialog, "Label1_2"), {5, 5}, Qt::LeftButton);
        EXPECT_EQ(drags, 2);
        moveTo(part(dialog, "Message"), {5, 5}, Qt::LeftButton);
        EXPECT_EQ(drags, 2);
        click(part(dialog, "ex"));
    });
    ShowMessage(QStringLiteral("Note"), 0, buttons);
}

TEST_F(MessageBoxTest, TheDialogIsAFramedTopmostWindowCentredOnTheScreen)
{
    whenModalShows([](QDialog& dialog) {
        EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(dialog.isModal());
        const QRect screen = dialog.screen()->geometry();
        EXPECT_LE(std::abs(dialog.geometry().center().x() - screen.center().x()), 1);
        EXPECT_LE(std::abs(dialog.geometry().center().y() - screen.center().y()), 1);
        const QImage seen = dialog.grab().toImage();
        const int bottom = seen.height() - 1;
        // A one-pixel line all round, the light grey ground inside it.
        EXPECT_EQ(seen.pixelColor(0, bottom), QColor(Qt::black));
        EXPECT_EQ(seen.pixelColor(seen.width() - 1, bottom / 2), QColor(Qt::black));
        EXPECT_EQ(seen.pixelColor(seen.width() / 2, bottom), QColor(Qt::black));
        EXPECT_EQ(seen.pixelColor(1, bottom - 1), QColor(216, 216, 216));
        EXPECT_EQ(seen.pixelColor(seen.width() - 2, bottom - 1), QColor(216, 216, 216));
        click(part(dialog, "ex"));
    });
    ShowMessage(QStringLiteral("Note"), 0, buttons);
}

TEST_F(MessageBoxTest, OpensWithTheGamesOwnMediaWhateverOfItIsThere)
{
    buttons.pictureFolder = QStringLiteral(VELKO_MEDIAS_DIR);
    const bool haveStrip = QFile::exists(buttons.pictureFolder + QStringLiteral("/tbk.gif"));
    whenModalShows([haveStrip](QDialog& dialog) {
        EXPECT_EQ(part<QLabel>(dialog, "Image2")->pixmap().isNull(), !haveStrip);
        click(part(dialog, "cmdyes"));
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Quit?"), kStyleYesNo, buttons), kAnswerYes);
}
