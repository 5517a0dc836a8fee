// The player's files against every failure a disk can give: each call of a
// save or a start-up fails in turn with each error (or the program is killed
// there), and afterwards each file is wholly old or wholly new, no temporary
// file outlives the next start, and the player is told. Also the merge of two
// copies of the game and the names kept from old Windows code pages.

#include "PlayerHome.h"

#include <QProcess>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>

using namespace velko;
using namespace velko::test;

namespace {

constexpr int kKilled = -1;   // the program dies at the failing call: nothing after it happens

// Lets calls through until the `failAt`-th, which fails with `error`.
class FaultyFiles : public FileLayer {
public:
    FaultyFiles(int failAt, int error) : failAt_(failAt), error_(error) {}
    bool hit() const { return calls_ > failAt_; }
    // Whether the failed call loses data unless the player hears of it (a
    // failed lock or clean-up does not).
    bool mustBeTold() const { return mustBeTold_; }
    int syncs = 0;   // syncs of a file's data or of a folder asked for

    int open(const char* p, int f, mode_t m) override
    {
        const bool lock = QByteArray(p).endsWith(kLockFileName);
        if (!pass(!lock))
            return -1;
        const int fd = FileLayer::open(p, f, m);
        if (fd >= 0 && (f & O_ACCMODE) == O_WRONLY)
            written_.insert(fd);
        return fd;
    }
    ssize_t read(int fd, void* b, size_t n) override { return pass(true) ? FileLayer::read(fd, b, n) : -1; }
    ssize_t write(int fd, const void* b, size_t n) override { return pass(true) ? FileLayer::write(fd, b, n) : -1; }
    int fstat(int fd, struct stat* s) override { return pass(true) ? FileLayer::fstat(fd, s) : -1; }
    int fdatasync(int fd) override { return ++syncs, pass(true) ? FileLayer::fdatasync(fd) : -1; }
    int fsync(int fd) override { return ++syncs, pass(true) ? FileLayer::fsync(fd) : -1; }
    // A failed close still lets go of the descriptor, as the system's does.
    int close(int fd) override
    {
        const bool written = written_.erase(fd) > 0;
        return pass(written) ? FileLayer::close(fd) : (FileLayer::close(fd), -1);
    }
    int rename(const char* a, const char* b) override { return pass(true) ? FileLayer::rename(a, b) : -1; }
    int unlink(const char* p) override { return pass(false) ? FileLayer::unlink(p) : -1; }
    int flock(int fd, int op) override { return pass(false) ? FileLayer::flock(fd, op) : -1; }

private:
    bool pass(bool losesData)
    {
        const int call = calls_++;
        if (call < failAt_ || (call > failAt_ && error_ != kKilled))
            return true;
        if (call == failAt_)
            mustBeTold_ = losesData;
        errno = error_ == kKilled ? EIO : error_;
        return false;
    }
    int failAt_;
    int error_;
    int calls_ = 0;
    bool mustBeTold_ = false;
    std::set<int> written_;
};

const QByteArray kCp1252Name = "Jos\xE9 M\xFCller";
const QByteArray kGbkName = "\xD5\xC5\xCE\xB0";

// A table saved by an older game: names in Windows-1252 and GBK among UTF-8 ones.
QByteArray oldTable()
{
    ScoreTable table = defaultScoreTable(QStringLiteral("Ana"), 45000.5);
    table[1].nameBytes = kCp1252Name;
    table[4].nameBytes = kGbkName;
    return formatGameInfo(table);
}
const QByteArray kOldLevels = " 7 \r\n 9 \r\n";

// A fresh home with both files as an older run left them.
class PlayerFolder : public PlayerHome {
protected:
    void SetUp() override
    {
        PlayerHome::SetUp();
        writeBytes(folder_ + "/gameinfo.cfg", oldTable());
        writeBytes(folder_ + "/mysetting.cfg", kOldLevels);
    }

    QStringList leftovers() const
    {
        QStringList entries = folderEntries(folder_);
        for (const char* kept : {".velko-lines.lock", "gameinfo.cfg", "mysetting.cfg"})
            entries.removeAll(QLatin1String(kept));
        return entries;
    }
};

const int kFaults[] = {ENOSPC, EIO, EACCES, EROFS, EFBIG, kKilled};

// Runs `attempt` with each call failing in turn with each error, until a run
// no longer reaches the failing call; `attempt` returns whether it did.
template <typename Attempt>
void ForEachFailingCall(bool withKill, Attempt attempt)
{
    for (const int fault : kFaults)
        for (int failAt = 0; withKill || fault != kKilled; ++failAt) {
            SCOPED_TRACE(testing::Message()
                         << (fault == kKilled ? "killed" : strerror(fault)) << " at call " << failAt);
            FaultyFiles files(failAt, fault);
            if (!attempt(files, fault))
                break;
        }
}

}   // namespace

TEST_F(PlayerFolder, EveryFailingCallOfASaveLeavesEachFileWholeAndIsTold)
{
    ForEachFailingCall(true, [&](FaultyFiles& files, int fault) {
        writeBytes(folder_ + "/gameinfo.cfg", oldTable());
        writeBytes(folder_ + "/mysetting.cfg", kOldLevels);
        loadHighScores();
        insertScore(scores, {QStringLiteral("Zoë"), 2000, 45123.25, {}});
        const QByteArray newTable = formatGameInfo(scores);
        const QString problem = saveFiles({20, 30}, files);
        if (!files.hit()) {
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
            EXPECT_EQ(files.syncs, 4);   // each file's data, then its folder, reach the disk
            EXPECT_EQ(fileBytes(folder_ + "/gameinfo.cfg"), newTable);
            return false;
        }
        const QByteArray table = fileBytes(folder_ + "/gameinfo.cfg");
        const QByteArray levels = fileBytes(folder_ + "/mysetting.cfg");
        EXPECT_TRUE(table == oldTable() || table == newTable) << table.toHex().toStdString();
        EXPECT_TRUE(levels == kOldLevels || levels == formatSettings({20, 30})) << levels.toStdString();
        if (fault != kKilled) {
            EXPECT_EQ(!problem.isEmpty(), files.mustBeTold()) << problem.toStdString();
            EXPECT_TRUE(!problem.isEmpty() || (table == newTable && levels == formatSettings({20, 30})));
        }
        loadHighScores();   // the next start
        EXPECT_EQ(leftovers(), QStringList());
        EXPECT_EQ(fileReadProblems(), QString());
        return true;
    });
}

TEST_F(PlayerFolder, AFileThatFailsToReadAtStartIsNeverReplaced)
{
    // A start-up killed writes nothing.
    ForEachFailingCall(false, [&](FaultyFiles& files, int) {
        loadHighScores(files);
        const VolumeLevels levels = loadVolumeLevels();
        const bool toldAtStart = !fileReadProblems().isEmpty();
        const QString problem = saveFiles(levels);
        EXPECT_EQ(fileBytes(folder_ + "/gameinfo.cfg"), oldTable());
        EXPECT_EQ(fileBytes(folder_ + "/mysetting.cfg"), kOldLevels);
        EXPECT_TRUE(!files.hit() || (toldAtStart == files.mustBeTold() && problem.isEmpty()))
            << toldAtStart << " " << problem.toStdString();
        return files.hit();
    });
    // Files that are no ordinary files: nothing blocks, the player is told, they stay.
    for (const char* name : {"gameinfo.cfg", "mysetting.cfg"}) {
        const QString path = folder_ + "/" + name;
        QFile::remove(path);
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        loadHighScores();
        loadVolumeLevels();
        EXPECT_TRUE(fileReadProblems().contains(QLatin1String(name))) << fileReadProblems().toStdString();
        EXPECT_EQ(saveFiles({3, 4}), QString());
        QFileInfo info(path);
        EXPECT_FALSE(info.isFile()) << name;
    }
}

// Names from old Windows code pages are shown in their own script; the saves
// keep their bytes (the fault and two-copies tests above and below).
TEST(StoredNames, OldCodePagesAreReadInTheirOwnScript)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"Ana", QStringLiteral("Ana")},
        {"Zo\xC3\xAB", QStringLiteral("Zoë")},
        {kCp1252Name, QStringLiteral("José Müller")},
        {kGbkName, QStringLiteral("张伟")},
        {"\x80 Euro", QStringLiteral("€ Euro")},
        {"\x81", QStringLiteral("\u0081")}};   // the last is undefined in Windows-1252
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodeStoredName(bytes), text) << bytes.toHex().toStdString();
}

// Two copies of the game on one folder, each adding a record: the file keeps both.
TEST_F(PlayerFolder, TwoCopiesEachKeepTheirRecord)
{
    QProcess first, second;
    for (QProcess* copy : {&first, &second}) {
        copy->start(QStringLiteral(VELKO_ADD_RECORD_TOOL),
                    {copy == &first ? QStringLiteral("Erste") : QStringLiteral("Zweite"),
                     copy == &first ? QStringLiteral("1500") : QStringLiteral("1200")});
        ASSERT_TRUE(copy->waitForReadyRead(10000));   // loaded the table
        EXPECT_EQ(copy->readLine(), QByteArray("loaded\n"));
    }
    for (QProcess* copy : {&second, &first}) {
        copy->write("save\n");
        copy->closeWriteChannel();
        ASSERT_TRUE(copy->waitForFinished(10000));
        EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
    }
    const ScoreTable table = parseGameInfo(fileBytes(folder_ + "/gameinfo.cfg"));
    EXPECT_EQ(table[0].name, QStringLiteral("Erste"));
    EXPECT_EQ(table[1].name, QStringLiteral("Zweite"));
    EXPECT_EQ(table[3].nameBytes, kCp1252Name);   // moved down two places, bytes unchanged
}
