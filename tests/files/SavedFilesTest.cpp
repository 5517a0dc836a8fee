// The files a player keeps between runs: mysetting.cfg's two volume levels,
// where the player's folder is, and loading and saving both files in it,
// through links and with their permissions. Every test that saves runs
// with its own home and data folder, never the real ones.

#include "PlayerHome.h"

#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// The data folder from the environment: XDG_DATA_HOME counts only as an
// absolute path, as the XDG rules say, and so does HOME; the folder keeps the
// environment's bytes, UTF-8 or not (the fixture puts both variables back).
TEST_F(PlayerFiles, ThePlayersFolderComesFromAbsolutePathsOnly)
{
    const std::tuple<const char*, const char*, QByteArray> cases[] = {{"/x/data", "/h", "/x/data/velko-lines"},
                                                                      {"data", "/h", "/h/.local/share/velko-lines"},
                                                                      {"./data", "/h", "/h/.local/share/velko-lines"},
                                                                      {"", "/h", "/h/.local/share/velko-lines"},
                                                                      {"/x/data", "h", "/x/data/velko-lines"},
                                                                      {"data", "h", ""},
                                                                      {"/x/\xff\xfe", "/h", "/x/\xff\xfe/velko-lines"},
                                                                      {"", "/h\xff", "/h\xff/.local/share/velko-lines"},
                                                                      {"", "", ""}};
    for (const auto& [data, home, folder] : cases) {
        qputenv("XDG_DATA_HOME", data);
        qputenv("HOME", home);
        EXPECT_EQ(playerFolder(), folder) << data << " " << home;
    }
}

// A saved file that is a symbolic link (kept by a dotfile manager, say) stays
// one: the file it leads to is replaced, in its own folder, and keeps its
// permissions; one that leads nowhere yet is made. A save killed half-way
// left its temporary file beside the file: the next start removes it, and
// only it.
TEST_F(PlayerFiles, ALinkedFileStaysALinkAndItsFileKeepsItsPermissions)
{
    const QString dots = home_.filePath("dots");
    ASSERT_TRUE(QDir().mkpath(dots + "/deeper"));
    const QString notOurs = QString(kTemporaryPrefix) + "notes.txt.1.0";
    writeBytes(dots + '/' + notOurs, "another file's");
    const QString settings = folder_ + "/mysetting.cfg";
    // The links, each as (where it is, what it says), and the file they lead to with its permissions.
    const struct {
        std::vector<std::pair<QString, QString>> links;
        QString file;
        int mode;   // 0: there is no file yet
    } cases[] = {
        {{{settings, "../../dots/mysetting.cfg"}}, dots + "/mysetting.cfg", 0600},
        {{{settings, dots + "/deeper/hop"}, {dots + "/deeper/hop", "../mysetting.cfg"}}, dots + "/mysetting.cfg", 0664},
        {{{settings, "../../dots/not-yet"}}, dots + "/not-yet", 0},
        {{}, settings, 0604}};
    for (const auto& [links, file, mode] : cases) {
        SCOPED_TRACE(file.toStdString());
        for (const QString& path : {settings, dots + "/deeper/hop", dots + "/mysetting.cfg", dots + "/not-yet"})
            QFile::remove(path);
        for (const auto& [path, target] : links)
            ASSERT_EQ(symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);
        if (mode != 0) {
            writeBytes(file, " 7 \r\n 9 \r\n");
            ASSERT_EQ(chmod(QFile::encodeName(file).constData(), static_cast<mode_t>(mode)), 0);
        }
        const QString killed = QFileInfo(file).path() + '/' + kTemporaryPrefix + QFileInfo(file).fileName() + ".99.0";
        writeBytes(killed, "half");
        loadHighScores();
        EXPECT_FALSE(QFile::exists(killed));
        EXPECT_EQ(pairOf(loadVolumeLevels()), mode != 0 ? std::pair(7, 9) : std::pair(50, 50));
        EXPECT_EQ(saveFiles({20, 30}), QString());
        EXPECT_EQ(fileBytes(file), formatSettings({20, 30}));
        for (const auto& [path, target] : links)
            EXPECT_EQ(QFile(path).symLinkTarget(),
                      QFileInfo(QFileInfo(path).absolutePath(), target).absoluteFilePath());
        struct stat info {};
        ASSERT_EQ(stat(QFile::encodeName(file).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, static_cast<mode_t>(mode != 0 ? mode : info.st_mode & 07777));
        EXPECT_EQ(folderEntries(dots).filter(kTemporaryPrefix), QStringList(notOurs));
    }
    // Links that lead round in a circle are no file: the save says so.
    ASSERT_EQ(symlink("circle-b", QFile::encodeName(dots + "/circle-a").constData()), 0);
    ASSERT_EQ(symlink("circle-a", QFile::encodeName(dots + "/circle-b").constData()), 0);
    const QString problem = replacePlayerFile(systemFiles(), QFile::encodeName(dots), "circle-a", "x").problem();
    EXPECT_TRUE(problem.contains("followed")) << problem.toStdString();
}

// A replaced file keeps its owner and group as far as the game may set them:
// both when it runs as root, else a group the player belongs to.
TEST_F(PlayerFiles, AReplacedFileKeepsItsOwnerAndGroup)
{
    uid_t owner = geteuid();
    gid_t group = getegid();
    std::vector<gid_t> groups(64);
    groups.resize(std::size_t(std::max(0, getgroups(int(groups.size()), groups.data()))));
    if (owner == 0)
        owner = group = 65534;   // nobody, nogroup
    else if (const auto other = std::find_if(groups.begin(), groups.end(), [&](gid_t g) { return g != group; });
             other != groups.end())
        group = *other;
    else
        GTEST_SKIP() << "no other owner or group to keep";
    const QByteArray settings = QFile::encodeName(folder_ + "/mysetting.cfg");
    writeBytes(folder_ + "/mysetting.cfg", " 7 \r\n 9 \r\n");
    ASSERT_EQ(chown(settings.constData(), owner, group), 0);
    loadHighScores();
    EXPECT_EQ(saveFiles({20, 30}), QString());
    struct stat info {};
    ASSERT_EQ(stat(settings.constData(), &info), 0);
    EXPECT_TRUE(info.st_uid == owner && info.st_gid == group) << info.st_uid << ":" << info.st_gid;
    EXPECT_EQ(fileBytes(folder_ + "/mysetting.cfg"), formatSettings({20, 30}));
}

// A file its owner made read-only stays as it is, and the player hears it
// once: at the start when it was read-only then, else at the first save.
TEST_F(PlayerFiles, AReadOnlyFileIsLeftAsItIsAndThePlayerToldOnce)
{
    for (const char* name : {"mysetting.cfg", "gameinfo.cfg"})
        for (const bool fromTheStart : {true, false}) {
            SCOPED_TRACE(testing::Message() << name << (fromTheStart ? " from the start" : " during the run"));
            const QString path = folder_ + "/" + name;
            QFile::remove(folder_ + "/mysetting.cfg"), QFile::remove(folder_ + "/gameinfo.cfg");
            writeBytes(path, "kept");
            const auto makeReadOnly = [&] { QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup); };
            if (fromTheStart)
                makeReadOnly();
            loadHighScores();
            const VolumeLevels levels = loadVolumeLevels();
            makeReadOnly();
            insertScore(scores, {QStringLiteral("Zoë"), 2000, 45123.25, {}});
            const QString told = fromTheStart ? fileReadProblems() : saveFiles(levels);
            EXPECT_TRUE(told.contains(path) && told.contains("read-only") && told.contains("as it is"))
                << told.toStdString();
            if (fromTheStart)
                saveFiles(levels);
            // The other file is saved by that first save all the same, and not said to have failed.
            const bool table = QByteArray(name) == "gameinfo.cfg";
            EXPECT_FALSE(told.contains(table ? "mysetting.cfg" : "gameinfo.cfg")) << told.toStdString();
            EXPECT_EQ(fileBytes(folder_ + (table ? "/mysetting.cfg" : "/gameinfo.cfg")),
                      table ? formatSettings(levels) : formatGameInfo(scores));
            EXPECT_FALSE(saveFiles(levels).contains(name));   // never twice
            EXPECT_EQ(fileBytes(path), QByteArray("kept"));
        }
}
