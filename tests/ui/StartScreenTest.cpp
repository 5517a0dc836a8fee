// The start screen and the start-up before it: the three choices, and the
// clear report of a broken media folder.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "About.h"
#include "DataPaths.h"
#include "KorvBut.h"
#include "LevelBar.h"
#include "ProgramState.h"
#include "Sound.h"
#include "SettingsFile.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using StartScreenTest = WindowTest;

void press(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

TEST_F(StartScreenTest, StartScreenIsABorderlessPictureWithThreeButtons)
{
    auto window = makeWindow();
    About about(*window);
    EXPECT_EQ(about.size(), QSize(640, 480));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.windowTitle(), SysInfo[1]);
    EXPECT_EQ(about.windowTitle(), window->windowTitle());
    EXPECT_FALSE(about.windowIcon().isNull());
    const struct { const char* name; QRect place; } layout[] = {
        {"ptms", {260, 300, 140, 45}}, {"tzms", {260, 350, 140, 40}}, {"tcyx", {260, 395, 140, 40}}};
    for (const auto& control : layout) {
        auto* button = part<KorvBut>(about, control.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), control.place) << control.name;
    }
}

TEST_F(StartScreenTest, NormalGameStartsFiveColoursWithTheStoredLevels)
{
    ASSERT_TRUE(writeSettings(settingsFilePath(), VolumeLevels{7, 9}));
    auto window = makeWindow();
    About about(*window);
    about.show();

    press(part(about, "ptms"));

    EXPECT_EQ(GameMode, 3);
    EXPECT_EQ(window->game().GameMode, 3);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(part<QTimer>(*window, "Timer1")->isActive());
    EXPECT_EQ(part<LevelBar>(*window, "Picture4_0")->level(), 7);
    EXPECT_EQ(part<LevelBar>(*window, "Picture4_1")->level(), 9);
    EXPECT_EQ(EffectsLevel(), 7);
    EXPECT_EQ(MusicLevel(), 9);
    EXPECT_EQ(log.programEnds, 0);
    expectBoardShowsGame(*window);
}

TEST_F(StartScreenTest, ChallengeGameStartsEightColours)
{
    GameMode = 3;
    auto window = makeWindow();
    About about(*window);
    about.show();

    press(part(about, "tzms"));

    EXPECT_EQ(GameMode, 0);
    EXPECT_EQ(window->game().GameMode, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(part<QTimer>(*window, "Timer1")->isActive());
}

TEST_F(StartScreenTest, QuitWritesBothFilesAndEndsTheProgram)
{
    auto window = makeWindow();
    About about(*window);
    about.show();

    press(part(about, "tcyx"));

    EXPECT_TRUE(QFileInfo::exists(settingsFilePath()));
    EXPECT_TRUE(QFileInfo::exists(gameInfoFilePath()));
    EXPECT_EQ(log.programEnds, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(part<QTimer>(*window, "Timer1")->isActive());
}

// A media folder holding copies of the files start-up reads.
class BrokenMediaTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"sysinfo.txt", "game.gif", "back.gif"})
            ASSERT_TRUE(QFile::copy(mediaPath(QString::fromLatin1(name)), folder.filePath(QString::fromLatin1(name))))
                << name;
    }
    void writeText(const QByteArray& bytes)
    {
        QFile file(folder.filePath(QStringLiteral("sysinfo.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QString startUp() { return RunStartUp(folder.path()); }

    QTemporaryDir folder;
};

TEST_F(BrokenMediaTest, CompleteFolderStartsAndFillsTheTexts)
{
    SysInfo[1].clear();
    EXPECT_EQ(startUp(), QString());
    EXPECT_FALSE(SysInfo[1].isEmpty());
}

TEST_F(BrokenMediaTest, MissingTextTableIsReportedByName)
{
    QFile::remove(folder.filePath(QStringLiteral("sysinfo.txt")));
    EXPECT_TRUE(startUp().contains(QStringLiteral("sysinfo.txt")));
}

TEST_F(BrokenMediaTest, ShortTextTableIsReportedByName)
{
    writeText("1\r\n00Player\r\n01Velko Lines\r\n");
    EXPECT_TRUE(startUp().contains(QStringLiteral("sysinfo.txt")));
}

TEST_F(BrokenMediaTest, BadEditionLineIsReportedByName)
{
    QByteArray lines = "x\r\n";
    for (int i = 0; i < 75; ++i)
        lines += "00text\r\n";
    writeText(lines);
    EXPECT_TRUE(startUp().contains(QStringLiteral("sysinfo.txt")));

    lines.replace(0, 1, "300");
    writeText(lines);
    EXPECT_TRUE(startUp().contains(QStringLiteral("sysinfo.txt")));

    lines.replace(0, 3, "2");
    writeText(lines);
    EXPECT_EQ(startUp(), QString());
    EXPECT_EQ(Edition, 2);
}

TEST_F(BrokenMediaTest, MissingWindowPicturesAreReportedByName)
{
    QFile::remove(folder.filePath(QStringLiteral("back.gif")));
    EXPECT_TRUE(startUp().contains(QStringLiteral("back.gif")));
    QFile::remove(folder.filePath(QStringLiteral("game.gif")));
    EXPECT_TRUE(startUp().contains(QStringLiteral("game.gif")));
}

TEST_F(BrokenMediaTest, UnreadablePictureIsReportedByName)
{
    QFile picture(folder.filePath(QStringLiteral("game.gif")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly | QIODevice::Truncate));
    picture.write("not a picture");
    picture.close();
    EXPECT_TRUE(startUp().contains(QStringLiteral("game.gif")));
}

} // namespace
} // namespace velko::test
