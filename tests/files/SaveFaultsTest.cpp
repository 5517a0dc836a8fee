// The player's files against every failure a disk can give: each call of a
// save or a start-up fails in turn with each error (or the program is killed
// there, or a write writes only half), and afterwards each file is wholly old
// or wholly new, no temporary file outlives the next start, and the player is
// told. Also what the player hears of a record that cannot be saved, the names
// kept from old Windows code pages, and real copies of the game: two saving at
// the same moment, and runs ended by signals.

#include "PlayerHome.h"

#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <vector>

using namespace velko;
using namespace velko::test;

namespace {

constexpr int kKilled = -1;       // the program dies at the failing call: nothing after it happens
constexpr int kShortWrite = -2;   // the write writes half of what it is asked, the next ones all
constexpr int kDiskFills = -3;    // the write writes half, and every later one finds the disk full

// Lets calls through until the `failAt`-th, which fails with `error`; for a
// short write, only writes are counted.
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
    ssize_t write(int fd, const void* b, size_t n) override
    {
        if (!shortens())
            return pass(true) ? FileLayer::write(fd, b, n) : -1;
        const int call = calls_++;
        if (call < failAt_ || (call > failAt_ && error_ == kShortWrite))
            return FileLayer::write(fd, b, n);
        if (call > failAt_)
            return errno = ENOSPC, -1;
        mustBeTold_ = error_ == kDiskFills;
        return FileLayer::write(fd, b, std::max<size_t>(1, n / 2));
    }
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
    int lstat(const char* p, struct stat* s) override { return pass(true) ? FileLayer::lstat(p, s) : -1; }
    ssize_t readlink(const char* p, char* b, size_t n) override
    {
        return pass(true) ? FileLayer::readlink(p, b, n) : -1;
    }
    int fchmod(int fd, mode_t m) override { return pass(true) ? FileLayer::fchmod(fd, m) : -1; }
    int fchown(int fd, uid_t u, gid_t g) override { return pass(false) ? FileLayer::fchown(fd, u, g) : -1; }

private:
    bool shortens() const { return error_ == kShortWrite || error_ == kDiskFills; }
    bool pass(bool losesData)
    {
        if (shortens())
            return true;
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

const int kFaults[] = {ENOSPC, EIO, EACCES, EROFS, EFBIG, kShortWrite, kDiskFills, kKilled};

const char* faultName(int fault)
{
    return fault == kKilled       ? "killed"
           : fault == kShortWrite ? "short write"
           : fault == kDiskFills  ? "disk fills"
                                  : strerror(fault);
}

// Runs `attempt` with each call failing in turn with each error, until a run
// no longer reaches the failing call; `attempt` returns whether it did.
template <typename Attempt>
void ForEachFailingCall(bool withKill, Attempt attempt)
{
    for (const int fault : kFaults)
        for (int failAt = 0; withKill || fault != kKilled; ++failAt) {
            SCOPED_TRACE(testing::Message() << faultName(fault) << " at call " << failAt);
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
            // A file the player is not told of is saved, whatever became of the other.
            EXPECT_TRUE(problem.contains("gameinfo.cfg") || table == newTable) << problem.toStdString();
            EXPECT_TRUE(problem.contains("mysetting.cfg") || levels == formatSettings({20, 30}));
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

// A table the game leaves alone (it could not be read at start-up, or it is
// read-only), or no folder at all: a run without a record says nothing more
// than its start did; a new record is said to be lost when it is made, once.
TEST_F(PlayerFolder, ARecordThatCannotBeSavedIsToldWhenItIsMadeAndOnlyThen)
{
    const QString table = folder_ + "/gameinfo.cfg";
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { QFile::remove(table), QDir(folder_).mkdir("gameinfo.cfg"); }, "could not be read"},
        {[&] { QFile::setPermissions(table, QFile::ReadOwner | QFile::ReadGroup); }, "is read-only"},
        {[&] { qunsetenv("XDG_DATA_HOME"), qunsetenv("HOME"); }, "XDG_DATA_HOME"}};
    for (const auto& [leaveAlone, why] : cases) {
        SCOPED_TRACE(why.toStdString());
        QDir(folder_).rmdir("gameinfo.cfg");
        writeBytes(table, oldTable());
        leaveAlone();
        loadHighScores();
        const QString toldAtStart = fileReadProblems();
        EXPECT_TRUE(toldAtStart.contains(why)) << toldAtStart.toStdString();
        EXPECT_EQ(saved.saveHighScores(scores).problem(), QString());
        EXPECT_EQ(saveFiles({20, 30}), QString());
        loadHighScores();   // the next run makes a record
        insertScore(scores, {QStringLiteral("Zoë"), 2000, 45123.25, {}});
        const QString told = saved.saveHighScores(scores).problem();
        EXPECT_TRUE(told.contains("record") && told.contains(why)) << told.toStdString();
        EXPECT_EQ(saved.saveHighScores(scores).problem(), QString());
        EXPECT_EQ(saveFiles({20, 30}), QString());
        if (QFileInfo(table).isFile()) {
            EXPECT_EQ(fileBytes(table), oldTable());
        }
    }
}

namespace {

// A copy of the game in its own process (tests/files/AddRecordTool.cpp).
class Copy : public QProcess {
public:
    explicit Copy(const QStringList& arguments) { start(QStringLiteral(VELKO_ADD_RECORD_TOOL), arguments); }
    // The next line it says, without its line end; empty once it has ended.
    QByteArray said()
    {
        while (!canReadLine() && waitForReadyRead(10000)) {}
        return readLine().trimmed();
    }
    void letGo() { write("go\n"); }
    void end(int signal) { ::kill(static_cast<pid_t>(processId()), signal); }
    // Whether it ended by itself (not killed by a signal) with `code`.
    bool endedWith(int code)
    {
        return waitForFinished(10000) && exitStatus() == QProcess::NormalExit && exitCode() == code;
    }
};

}   // namespace

// Two copies of the game on one folder save at the same moment: the second
// starts its save while the first, having read the table, waits to put its
// own in place. The folder's lock holds the second back until the first is
// done, so the second reads the first's record and the file keeps both.
TEST_F(PlayerFolder, TwoCopiesSavingAtOnceEachKeepTheirRecord)
{
    Copy first({"save", "Erste", "1500"}), second({"save", "Zweite", "1200"});
    ASSERT_EQ(first.said(), "loaded");
    ASSERT_EQ(second.said(), "loaded");
    first.letGo();
    ASSERT_EQ(first.said(), "locking");
    ASSERT_EQ(first.said(), "renaming");   // the first holds the lock and has read the table
    second.letGo();
    QByteArray secondAt = second.said();   // "locking": it waits for the lock
    first.letGo();
    EXPECT_TRUE(first.endedWith(0)) << first.readAllStandardError().toStdString();
    while (!secondAt.isEmpty() && secondAt != "renaming")
        secondAt = second.said();
    second.letGo();
    EXPECT_TRUE(second.endedWith(0)) << second.readAllStandardError().toStdString();
    const ScoreTable table = parseGameInfo(fileBytes(folder_ + "/gameinfo.cfg"));
    EXPECT_EQ(table[0].name, QStringLiteral("Erste"));
    EXPECT_EQ(table[1].name, QStringLiteral("Zweite"));
    EXPECT_EQ(table[3].nameBytes, kCp1252Name);   // moved down two places, bytes unchanged
}

// A kill, Ctrl+C or a closed terminal ends the run the normal way, with both
// files saved. A file-size limit does not end it: the signal it raises is
// ignored, and the write over the limit is an ordinary failed save, told the
// player, even when another signal comes while it fails.
TEST_F(PlayerFolder, EndSignalsSaveTheFilesAndAFileSizeLimitIsAFailedSave)
{
    constexpr int kNoLimit = 0;
    constexpr int kLimit = 64;   // mysetting.cfg fits, gameinfo.cfg does not
    const struct {
        std::vector<int> sent;   // sent once the run is waiting
        int limit;
        int duringFailure;   // sent while a write fails, or 0
    } cases[] = {{{SIGTERM}, kNoLimit, 0},          {{SIGINT}, kNoLimit, 0}, {{SIGHUP}, kNoLimit, 0},
                 {{SIGXFSZ, SIGTERM}, kNoLimit, 0}, {{SIGTERM}, kLimit, 0},  {{SIGTERM}, kLimit, SIGHUP}};
    for (const auto& run : cases) {
        SCOPED_TRACE(testing::Message() << strsignal(run.sent[0]) << ", limit " << run.limit);
        writeBytes(folder_ + "/gameinfo.cfg", oldTable());
        writeBytes(folder_ + "/mysetting.cfg", kOldLevels);
        QStringList arguments{"wait", "Zoë", "2000"};
        if (run.limit != kNoLimit)
            arguments << QString::number(run.limit);
        Copy copy(arguments);
        ASSERT_EQ(copy.said(), "waiting");
        for (const int signal : run.sent)
            copy.end(signal);
        if (run.limit != kNoLimit) {
            QByteArray at;
            while ((at = copy.said()) != "failing" && !at.isEmpty()) {}
            ASSERT_EQ(at, "failing");
            if (run.duringFailure != 0)
                copy.end(run.duringFailure);
            copy.letGo();
        }
        const bool fits = run.limit == kNoLimit;
        EXPECT_TRUE(copy.endedWith(fits ? 0 : 1)) << copy.exitStatus() << " " << copy.exitCode();
        const QString problem = QString::fromUtf8(copy.readAllStandardError());
        EXPECT_EQ(problem.contains("gameinfo.cfg"), !fits) << problem.toStdString();
        EXPECT_EQ(fileBytes(folder_ + "/mysetting.cfg"), formatSettings({7, 9}));
        const ScoreTable table = parseGameInfo(fileBytes(folder_ + "/gameinfo.cfg"));
        EXPECT_EQ(table[0].name == QStringLiteral("Zoë"), fits);
        EXPECT_EQ(fileBytes(folder_ + "/gameinfo.cfg") == oldTable(), !fits);
    }
}
