// mysetting.cfg: the two volume levels in their print form, and what a
// damaged or hand-edited file reads as.

#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velko;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

TEST(SettingsFile, DefaultLevelsArePrintedAsTwelveBytes)
{
    const QByteArray bytes = formatSettings(VolumeLevels());
    EXPECT_EQ(bytes, QByteArray(" 50 \r\n 50 \r\n"));
}

TEST(SettingsFile, EveryLevelSurvivesTheRoundTrip)
{
    for (int effects = 1; effects <= 50; ++effects) {
        const int music = 51 - effects;
        const QByteArray bytes = formatSettings({effects, music});
        const QList<QByteArray> lines = bytes.split('\n');
        ASSERT_EQ(lines.size(), 3);
        EXPECT_EQ(lines[0], " " + QByteArray::number(effects) + " \r");
        EXPECT_EQ(lines[1], " " + QByteArray::number(music) + " \r");
        const VolumeLevels back = parseSettings(bytes);
        EXPECT_EQ(back.effects, effects);
        EXPECT_EQ(back.music, music);
    }
}

TEST(SettingsFile, LevelsOutsideTheBarAreClampedWhenWritten)
{
    EXPECT_EQ(formatSettings({0, 51}), formatSettings({1, 50}));
    EXPECT_EQ(formatSettings({-7, 1000}), formatSettings({1, 50}));
}

TEST(SettingsFile, FractionalLevelsRoundHalvesToEven)
{
    const struct { const char* text; int effects; int music; } cases[] = {
        {"2.5\r\n3.5\r\n", 2, 4}, {"10.5\r\n11.5\r\n", 10, 12}, {"37.49\r\n37.51\r\n", 37, 38},
        {"1.5\r\n0.5\r\n", 2, 1}, {"49.5\r\n50.5\r\n", 50, 50}, {" 2e1 \r\n\t+7\t\r\n", 20, 7},
    };
    for (const auto& c : cases) {
        const VolumeLevels levels = parseSettings(c.text);
        EXPECT_EQ(levels.effects, c.effects) << c.text;
        EXPECT_EQ(levels.music, c.music) << c.text;
    }
}

TEST(SettingsFile, LevelsOutsideOneToFiftyAreClampedWhenRead)
{
    const struct { const char* text; int effects; int music; } cases[] = {
        {"0\r\n51\r\n", 1, 50}, {"-3\r\n99999999\r\n", 1, 50}, {"0.4\r\n-0.5\r\n", 1, 1},
        {"1e300\r\n-1e300\r\n", 50, 1}, {"65536\r\n32768\r\n", 50, 50},
    };
    for (const auto& c : cases) {
        const VolumeLevels levels = parseSettings(c.text);
        EXPECT_EQ(levels.effects, c.effects) << c.text;
        EXPECT_EQ(levels.music, c.music) << c.text;
    }
}

TEST(SettingsFile, MissingOrUnreadableLevelsFallBackToFifty)
{
    const struct { QByteArray text; int effects; int music; } cases[] = {
        {"", 50, 50}, {"\r\n", 50, 50}, {" 20 \r\n", 20, 50}, {" 20 ", 20, 50},
        {"loud\r\n 7 \r\n", 50, 7}, {" 7 \r\nquiet\r\n", 7, 50}, {"\r\n 9 \r\n", 50, 9},
        {"1 2\r\n3,5\r\n", 50, 50}, {QByteArray("1\0\r\n2\r\n", 7), 50, 2},
        {"nan\r\ninf\r\n", 50, 50}, {"\xFF\xFE" "3\0\r\0", 50, 50},
    };
    for (const auto& c : cases) {
        const VolumeLevels levels = parseSettings(c.text);
        EXPECT_EQ(levels.effects, c.effects) << c.text.toHex().toStdString();
        EXPECT_EQ(levels.music, c.music) << c.text.toHex().toStdString();
    }
}

TEST(SettingsFile, LinuxAndOldMacLineEndsAreRead)
{
    for (const char* text : {" 12 \n 34 \n", " 12 \r 34 \r", " 12 \r\n 34"}) {
        const VolumeLevels levels = parseSettings(text);
        EXPECT_EQ(levels.effects, 12) << text;
        EXPECT_EQ(levels.music, 34) << text;
    }
}

TEST(SettingsFile, MissingFileGivesFiftyAndFifty)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const VolumeLevels levels = readSettings(folder.filePath(QStringLiteral("mysetting.cfg")));
    EXPECT_EQ(levels.effects, 50);
    EXPECT_EQ(levels.music, 50);
}

TEST(SettingsFile, WrittenFileIsReadBackByTheNextRun)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("mysetting.cfg"));
    writeBytes(path, "old content that is longer than the new one\r\n");
    ASSERT_TRUE(writeSettings(path, {50, 37}));
    EXPECT_EQ(fileBytes(path), QByteArray(" 50 \r\n 37 \r\n"));
    const VolumeLevels levels = readSettings(path);
    EXPECT_EQ(levels.effects, 50);
    EXPECT_EQ(levels.music, 37);
}

TEST(SettingsFile, HugeFileIsReadOnlyAsFarAsTheLevels)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("mysetting.cfg"));
    writeBytes(path, " 8 \r\n 9" + QByteArray(1 << 20, ' ') + "x\r\n");
    const VolumeLevels spaces = readSettings(path);
    EXPECT_EQ(spaces.effects, 8);
    EXPECT_EQ(spaces.music, 50) << "a second line cut short by the size limit is not read as a level";

    writeBytes(path, " 8 \r\n 9 \r\n" + QByteArray(1 << 20, 'z'));
    const VolumeLevels tail = readSettings(path);
    EXPECT_EQ(tail.effects, 8);
    EXPECT_EQ(tail.music, 9);
}
