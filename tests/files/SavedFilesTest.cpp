// The files a player keeps between runs: mysetting.cfg's two volume levels,
// and loading and saving both files in the player's own folder. Every test that saves runs
// with its own home and data folder, never the real ones.

#include "PlayerHome.h"

using namespace velko;
using namespace velko::test;

namespace {

std::pair<int, int> pairOf(const VolumeLevels& levels)
{
    return {levels.effects, levels.music};
}

using PlayerFiles = PlayerHome;

}   // namespace

TEST(SettingsFile, LevelsArePrintedOnePerLineAndReadRoundedClampedOrFifty)
{
    EXPECT_EQ(formatSettings({7, 42}), QByteArray(" 7 \r\n 42 \r\n"));
    EXPECT_EQ(formatSettings({0, 51}), formatSettings({1, 50}));
    for (int effects = 1; effects <= 50; ++effects)
        EXPECT_EQ(pairOf(parseSettings(formatSettings({effects, 51 - effects}))), std::pair(effects, 51 - effects));
    // What the file holds, and the effects and music levels read from it.
    const std::tuple<QByteArray, int, int> cases[] = {
        {"2.5\r\n3.5\r\n", 2, 4},
        {"37.49\r\n37.51\r\n", 37, 38},
        {"49.5\r\n50.5\r\n", 50, 50},
        {" 2e1 \r\n\t+7\t\r\n", 20, 7},
        {"0\r\n51\r\n", 1, 50},
        {"nan\r\n99999999\r\n", 50, 50},
        {"0.4\r\n-0.5\r\n", 1, 1},
        {"1e300\r\n-1e300\r\n", 50, 1},
        {"", 50, 50},
        {" 20 ", 20, 50},
        {"loud\r\n 7 \r\n", 50, 7},
        {" 7 \r\nquiet\r\n", 7, 50},
        {QByteArray("1\0\r\n2\r\n", 7), 50, 2},
        {" 12 \r 34", 12, 34},   // any line end: the texts' test splits them
    };
    for (const auto& [text, effects, music] : cases)
        EXPECT_EQ(pairOf(parseSettings(text)), std::pair(effects, music)) << text.toHex().toStdString();
    // A huge file is read only as far as the levels.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("mysetting.cfg"));
    writeBytes(path, " 8 \r\n 9" + QByteArray(1 << 20, ' ') + "x\r\n");
    EXPECT_EQ(pairOf(readSettings(path)), std::pair(8, 50));   // a line cut short by the size limit is no level
    writeBytes(path, " 8 \r\n 9 \r\n" + QByteArray(1 << 20, 'z'));
    EXPECT_EQ(pairOf(readSettings(path)), std::pair(8, 9));
}

TEST_F(PlayerFiles, FirstRunUsesDefaultsAndCreatesBothFiles)
{
    const double before = toDateValue(QDateTime::currentDateTime());
    loadHighScores();
    const double after = toDateValue(QDateTime::currentDateTime());
    EXPECT_TRUE(scores[0].when >= before && scores[0].when <= after) << scores[0].when;
    EXPECT_EQ(formatGameInfo(scores), formatGameInfo(defaultScoreTable(QStringLiteral("Meister"), scores[0].when)));
    saveFiles(loadVolumeLevels());
    EXPECT_EQ(fileBytes(folder_ + "/mysetting.cfg"), QByteArray(" 50 \r\n 50 \r\n"));
    EXPECT_EQ(fileBytes(folder_ + "/gameinfo.cfg"), formatGameInfo(scores));
    EXPECT_EQ(folderEntries(folder_), (QStringList{".velko-lines.lock", "gameinfo.cfg", "mysetting.cfg"}));
    writeBytes(gameInfoFilePath(), "");   // an existing but empty file is an empty table
    loadHighScores();
    EXPECT_EQ(formatGameInfo(scores), formatGameInfo(ScoreTable()));
}

TEST_F(PlayerFiles, GameInfoIsWrittenEvenWhenTheSettingsCannotBe)
{
    ASSERT_TRUE(QDir(folder_).mkdir(QStringLiteral("mysetting.cfg")));   // its writing must fail
    loadHighScores();
    saveFiles({5, 6});
    EXPECT_EQ(fileBytes(gameInfoFilePath()), formatGameInfo(scores));
    EXPECT_EQ(pairOf(loadVolumeLevels()), std::pair(50, 50));
}
