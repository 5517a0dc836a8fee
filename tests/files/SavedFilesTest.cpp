// The files a player keeps between runs: loading at start-up, saving at the
// end, and replacing each file so that a failed write never tears it.
// Every test runs with its own home and data folder, never the real ones.

#include "AtomicFile.h"
#include "DataPaths.h"
#include "GameInfoFile.h"
#include "HighScores.h"
#include "ProgramState.h"
#include "SavedFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

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
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Points HOME and the data folder at a fresh temporary folder for one test.
class SavedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        savedHome_ = qgetenv("HOME");
        savedData_ = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral("data"))));
        folder_ = userDataFolder();
        ASSERT_TRUE(folder_.startsWith(home_.path())) << folder_.toStdString();
        ASSERT_TRUE(QDir(folder_).exists());
        SysInfo[0] = QStringLiteral("Meister");
        HiScore = ScoreTable();
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome_);
        qputenv("XDG_DATA_HOME", savedData_);
    }

    QTemporaryDir home_;
    QString folder_;

private:
    QByteArray savedHome_;
    QByteArray savedData_;
};

// Lets writes grow files only up to `bytes` while it lives, like a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace

TEST_F(SavedFiles, BothFilesLiveInThePlayersDataFolder)
{
    EXPECT_EQ(settingsFilePath(), folder_ + QStringLiteral("/mysetting.cfg"));
    EXPECT_EQ(gameInfoFilePath(), folder_ + QStringLiteral("/gameinfo.cfg"));
}

TEST_F(SavedFiles, FirstRunUsesDefaultsAndCreatesBothFiles)
{
    const double before = nowDateValue();
    LoadHiScoreTable();
    const double after = nowDateValue();
    const VolumeLevels levels = LoadVolumeLevels();
    EXPECT_EQ(levels.effects, 50);
    EXPECT_EQ(levels.music, 50);
    for (std::size_t i = 0; i < HiScore.size(); ++i) {
        EXPECT_EQ(HiScore[i].Name, QStringLiteral("Meister"));
        EXPECT_EQ(HiScore[i].Points, 1000 - 130 * static_cast<int>(i));
        EXPECT_GE(HiScore[i].When, before);
        EXPECT_LE(HiScore[i].When, after);
    }

    SaveFiles(levels);
    EXPECT_EQ(fileBytes(settingsFilePath()), QByteArray(" 50 \r\n 50 \r\n"));
    EXPECT_EQ(fileBytes(gameInfoFilePath()), formatGameInfo(HiScore));
    EXPECT_EQ(folderEntries(folder_), (QStringList{QStringLiteral("gameinfo.cfg"), QStringLiteral("mysetting.cfg")}));
}

TEST_F(SavedFiles, NextRunReadsBackWhatTheLastOneSaved)
{
    LoadHiScoreTable();
    HiScore[3] = {QStringLiteral("李娜 Müller "), 612, 45678.123456789};
    const ScoreTable saved = HiScore;
    SaveFiles({12, 37});

    HiScore = ScoreTable();
    SysInfo[0] = QStringLiteral("someone else");
    LoadHiScoreTable();
    for (std::size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(HiScore[i].Name, saved[i].Name);
        EXPECT_EQ(HiScore[i].Points, saved[i].Points);
        EXPECT_EQ(HiScore[i].When, saved[i].When);
    }
    const VolumeLevels levels = LoadVolumeLevels();
    EXPECT_EQ(levels.effects, 12);
    EXPECT_EQ(levels.music, 37);
}

TEST_F(SavedFiles, GameInfoIsWrittenEvenWhenTheSettingsCannotBe)
{
    // A folder where mysetting.cfg belongs makes its writing fail.
    ASSERT_TRUE(QDir(folder_).mkdir(QStringLiteral("mysetting.cfg")));
    LoadHiScoreTable();
    SaveFiles({5, 6});
    EXPECT_TRUE(QFileInfo(settingsFilePath()).isDir());
    EXPECT_EQ(fileBytes(gameInfoFilePath()), formatGameInfo(HiScore));
    const VolumeLevels levels = LoadVolumeLevels();
    EXPECT_EQ(levels.effects, 50);
    EXPECT_EQ(levels.music, 50);
}

TEST_F(SavedFiles, UnreadableGameInfoFallsBackToTheDefaultTable)
{
    ASSERT_TRUE(QDir(folder_).mkdir(QStringLiteral("gameinfo.cfg")));
    LoadHiScoreTable();
    EXPECT_EQ(HiScore[0].Name, QStringLiteral("Meister"));
    EXPECT_EQ(HiScore[7].Points, 90);
}

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingElse)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("gameinfo.cfg"));
    writeBytes(path, QByteArray(300, 'o'));
    ASSERT_TRUE(replaceFileAtomically(path, "new"));
    EXPECT_EQ(fileBytes(path), QByteArray("new"));
    EXPECT_EQ(folderEntries(folder.path()), QStringList{QStringLiteral("gameinfo.cfg")});
    ASSERT_TRUE(replaceFileAtomically(path, QByteArray()));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(AtomicFile, WriteThatFailsHalfwayLeavesTheOldFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("gameinfo.cfg"));
    const QByteArray old = formatGameInfo(defaultScoreTable(QStringLiteral("old"), 45000.0));
    writeBytes(path, old);

    bool written = true;
    {
        FileSizeLimit diskFull(40);   // the new file stops growing after 40 bytes
        written = replaceFileAtomically(path, QByteArray(4096, 'n'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_EQ(folderEntries(folder.path()), QStringList{QStringLiteral("gameinfo.cfg")}) << "no temporary file is left";

    // Once there is room again the file is replaced.
    EXPECT_TRUE(replaceFileAtomically(path, QByteArray(4096, 'n')));
    EXPECT_EQ(fileBytes(path), QByteArray(4096, 'n'));
}

TEST(AtomicFile, FailuresAreReportedNotThrown)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_FALSE(replaceFileAtomically(folder.filePath(QStringLiteral("no/such/folder/file.cfg")), "x"));
    const QString asFolder = folder.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkdir(asFolder));
    writeBytes(asFolder + QStringLiteral("/inside"), "keep");
    EXPECT_FALSE(replaceFileAtomically(asFolder, "x"));
    EXPECT_EQ(fileBytes(asFolder + QStringLiteral("/inside")), QByteArray("keep"));
    EXPECT_EQ(folderEntries(folder.path()), QStringList{QStringLiteral("taken")});
}
