// The name entry of a new high score: what name it gives back, and where the
// score lands in the table.

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "HighScores.h"
#include "InputFrm.h"
#include "ModalDriver.h"
#include "ProgramState.h"

using namespace velko;
using namespace velko::test;

namespace {

class InputFrmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        buttons.pictureFolder = folder.path();
        SysInfo[1] = QStringLiteral("Velko Lines test");
        SysInfo[13] = QStringLiteral("Your name, please:");
        SysInfo[14] = QStringLiteral("Nobody");
        HiScore = defaultScoreTable(QStringLiteral("Velko"), toDateValue(QDateTime(
                                                                 QDate(2020, 1, 2), QTime(3, 4, 5))));
    }

    // Opens the name entry for `score`, types `typed` and leaves by the button `leaveBy`.
    void enterName(std::int32_t score, const QString& typed, const char* leaveBy)
    {
        whenModalShows([typed, leaveBy](QDialog& dialog) {
            auto* box = part<QLineEdit>(dialog, "Text1");
            EXPECT_TRUE(box->text().isEmpty());
            QTest::keyClicks(box, typed);
            click(part(dialog, leaveBy));
        });
        RunNewHighScore(score, buttons);
    }

    QTemporaryDir folder;
    ButtonContext buttons;
};

} // namespace

TEST_F(InputFrmTest, TheDialogAsksWithThePromptOfTheTextTable)
{
    whenModalShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.size(), QSize(284 + 2, 121 + 2));
        EXPECT_EQ(part<QLabel>(dialog, "Label1_2")->text(), SysInfo[1]);
        auto* prompt = part<QLabel>(dialog, "Label2");
        EXPECT_EQ(prompt->text(), SysInfo[13]);
        EXPECT_EQ(prompt->pos(), QPoint(12, 32));
        EXPECT_EQ(part(dialog, "Text1")->geometry(), QRect(12, 56, 260, 22));
        EXPECT_EQ(part(dialog, "cmdok")->geometry(), QRect(224, 88, 43, 24));
        EXPECT_EQ(part(dialog, "ex")->geometry(), QRect(268, 5, 10, 10));
        click(part(dialog, "cmdok"));
    });
    RunNewHighScore(500, buttons);
}

TEST_F(InputFrmTest, AnEmptyNameBecomesTheDefaultName)
{
    const double before = nowDateValue();
    enterName(91, QString(), "cmdok");
    EXPECT_EQ(InputName, SysInfo[14]);
    EXPECT_EQ(HiScore[7].Name, SysInfo[14]);
    EXPECT_EQ(HiScore[7].Points, 91);
    EXPECT_GE(HiScore[7].When, before - 1e-6);
    EXPECT_LE(HiScore[7].When, nowDateValue() + 1e-6);
    EXPECT_EQ(HiScore[6].Name, QStringLiteral("Velko"));
}

TEST_F(InputFrmTest, TheNameIsKeptExactlyAsTypedWithItsSpaces)
{
    enterName(1001, QStringLiteral("  Ann Lee "), "cmdok");
    EXPECT_EQ(InputName, QStringLiteral("  Ann Lee "));
    EXPECT_EQ(HiScore[0].Name, QStringLiteral("  Ann Lee "));
    EXPECT_EQ(HiScore[0].Points, 1001);
    EXPECT_EQ(HiScore[1].Points, 1000);
}

TEST_F(InputFrmTest, TheCloseButtonKeepsTheTypedNameToo)
{
    enterName(1000, QStringLiteral("Bo"), "ex");
    EXPECT_EQ(InputName, QStringLiteral("Bo"));
    // An older entry with equal points stays above the new one.
    EXPECT_EQ(HiScore[0].Name, QStringLiteral("Velko"));
    EXPECT_EQ(HiScore[1].Name, QStringLiteral("Bo"));
}

TEST_F(InputFrmTest, AWindowManagerCloseKeepsTheTypedName)
{
    whenModalShows([](QDialog& dialog) {
        part<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("Zoë"));
        dialog.close();
    });
    RunNewHighScore(600, buttons);
    EXPECT_EQ(InputName, QStringLiteral("Zoë"));
}

TEST_F(InputFrmTest, EscAndEnterDoNotCloseTheNameEntry)
{
    whenModalShows([](QDialog& dialog) {
        auto* box = part<QLineEdit>(dialog, "Text1");
        QTest::keyClicks(box, QStringLiteral("Kim"));
        pressKey(box, Qt::Key_Escape);
        pressKey(box, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        click(part(dialog, "cmdok"));
    });
    RunNewHighScore(600, buttons);
    EXPECT_EQ(InputName, QStringLiteral("Kim"));
}

TEST_F(InputFrmTest, NamesInAnyScriptAreKept)
{
    whenModalShows([](QDialog& dialog) {
        part<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("王小明"));
        click(part(dialog, "cmdok"));
    });
    RunNewHighScore(700, buttons);
    EXPECT_EQ(InputName, QStringLiteral("王小明"));
}

TEST_F(InputFrmTest, ANameLongerThanTheBoxAllowsIsCutAtTheLimit)
{
    const QString typed = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    enterName(800, typed, "cmdok");
    ASSERT_GT(InputName.size(), 0);
    EXPECT_LT(InputName.size(), typed.size());
    EXPECT_EQ(InputName, typed.left(InputName.size()));
    EXPECT_EQ(InputName.size(), 24);
}
