// The message dialog: which answers it offers, how it sizes itself to its
// text, and what every way of closing it answers.

#include "MessageDialog.h"
#include "WindowTestSupport.h"

using namespace velko;
using namespace velko::test;

namespace {

class MessageDialogTest : public ::testing::Test {
protected:
    // Shows a message offering `answers`, lets `act` handle it and gives back the answer.
    Answer answer(MessageButtons answers, std::function<void(QDialog&)> act, const QString& text = "Quit?")
    {
        const auto watcher = onDialogs(std::move(act));
        return showMessage(nullptr, title, text, answers, {folder.path(), [this] { ++clicks; }});
    }

    QString title = QStringLiteral("Velko Lines test");
    QTemporaryDir folder;
    int clicks = 0;
};

}   // namespace

TEST_F(MessageDialogTest, AYesNoQuestionOffersYesAndNoAndEachButtonGivesItsAnswer)
{
    // The answers offered, the button pressed and the answer it gives.
    const std::tuple<MessageButtons, const char*, Answer> cases[] = {{MessageButtons::Ok, "okButton", Answer::Ok},
                                                                     {MessageButtons::YesNo, "yesButton", Answer::Yes},
                                                                     {MessageButtons::YesNo, "noButton", Answer::No}};
    for (const auto& [answers, button, given] : cases) {
        const bool yesNo = answers == MessageButtons::YesNo;
        EXPECT_EQ(answer(answers,
                         [&, pressed = button](QDialog& dialog) {
                             for (const QString offered : {"okButton", "yesButton", "noButton"})
                                 EXPECT_EQ(part(dialog, qPrintable(offered))->isVisible(),
                                           yesNo != (offered == "okButton"));
                             checkTitleStrip(dialog, title);
                             press(part(dialog, pressed));
                         }),
                  given);
    }
    EXPECT_EQ(clicks, 3);
}

TEST_F(MessageDialogTest, OnlyEscTheCloseButtonOrTheWindowManagerCloseWithoutAnAnswer)
{
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& dialog) { QTest::keyClick(part(dialog, "message"), Qt::Key_Escape); },
        [](QDialog& dialog) { press(part(dialog, "closeButton")); }, [](QDialog& dialog) { dialog.close(); }};
    for (const auto& way : ways) {
        const auto act = [&way](QDialog& dialog) {
            // A press on an answer released outside it does nothing (keys: the dialogs' key table).
            pressAndDragOff(part(dialog, part(dialog, "yesButton")->isVisible() ? "yesButton" : "okButton"));
            EXPECT_TRUE(dialog.isVisible());
            way(dialog);
        };
        for (const auto& [answers, expected] :
             {std::pair{MessageButtons::YesNo, Answer::No}, {MessageButtons::Ok, Answer::Ok}})
            EXPECT_EQ(answer(answers, act), expected);
    }
}

TEST_F(MessageDialogTest, TheDialogGrowsWithItsTextAndKeepsTheAnswersUnderIt)
{
    const int line = QFontMetrics(QFont(QStringLiteral("Tahoma"), 9)).height();
    const struct {
        const char* text;
        int minHeight, maxHeight;
    } cases[] = {{"", 0, 1},
                 {"One short line.", line - 2, 2 * line},
                 {"First line.\nSecond line.\nThird line.\nFourth.", 4 * line - 2, 5 * line},
                 {"A message long enough to need more than one line at this width, so it "
                  "wraps at the words and carries on.",
                  2 * line - 2, 5 * line},
                 // Media texts are plain text, never markup.
                 {"Say <b>Yes</b><br>or <i>No</i>", line - 2, 2 * line},
                 // A long path breaks at its slashes, an overlong name anywhere.
                 {"The help could not be opened: the file /home/player-with-a-long-name/.local/share/velko-lines/"
                  "aFolderNameMuchTooLongToFitOnOneLineOfThisMessage/help.html is missing.",
                  4 * line - 2, 8 * line}};
    for (const auto& c : cases) {
        answer(
            MessageButtons::Ok,
            [&c](QDialog& dialog) {
                auto* message = part<QLabel>(dialog, "message");
                const int height = message->height();
                // Every line fits the message's width: nothing is cut at its edge.
                const int width = layout::kMessage.width;
                EXPECT_LE(message->fontMetrics()
                              .boundingRect(QRect(0, 0, width, 5000), Qt::TextWordWrap, message->text())
                              .width(),
                          width)
                    << c.text;
                EXPECT_EQ(message->text().remove(QChar(0x200B)), QString::fromUtf8(c.text));
                EXPECT_GE(height, c.minHeight);
                EXPECT_LT(height, c.maxHeight);
                EXPECT_EQ(dialog.height(), height + 66);   // 990 twips around the text
                for (const char* button : {"okButton", "yesButton", "noButton"})
                    EXPECT_EQ(part(dialog, button)->y(), height + 35) << button;   // 520 twips below its top, rounded
                press(part(dialog, "okButton"));
            },
            QString::fromUtf8(c.text));
    }
}
