// The real program and the player's files, drawn offscreen: a file that is a
// FIFO never stalls the start, and a table from an older game survives a start
// and a kill byte for byte.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The game started with its own data folder, then ended by SIGTERM after a while.
struct GameEnd {
    bool endedBySignal = false;   // exited on SIGTERM within the time
    int exitCode = -1;
};

GameEnd startThenTerminate(const QString& dataHome)
{
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("XDG_DATA_HOME", dataHome);
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(VELKO_GAME_EXE), {});
    GameEnd run;
    if (!game.waitForStarted(5000))
        return run;
    QThread::msleep(2000);   // past the start-up and its reading of the files
    game.terminate();
    run.endedBySignal = game.waitForFinished(10000);
    if (!run.endedBySignal)
        game.kill(), game.waitForFinished();
    run.exitCode = game.exitCode();
    return run;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A record as gameinfo.cfg holds it.
QByteArray record(const QByteArray& name, qint32 points)
{
    QByteArray out;
    out.append(char(name.size() & 0xFF)).append(char(name.size() >> 8)).append(name);
    for (int i = 0; i < 4; ++i)
        out.append(char((points >> (8 * i)) & 0xFF));
    return out.append("\x00\x00\x00\x00\x00\xF0\xE5\x40", 8);   // day 45000
}

} // namespace

TEST(ProgramFiles, AFifoInPlaceOfEitherFileNeverStallsTheStart)
{
    for (const char* name : {"gameinfo.cfg", "mysetting.cfg"}) {
        SCOPED_TRACE(name);
        QTemporaryDir home;
        ASSERT_TRUE(QDir(home.path()).mkpath("velko-lines"));
        const QString fifo = home.filePath(QStringLiteral("velko-lines/") + name);
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        const GameEnd run = startThenTerminate(home.path());
        EXPECT_TRUE(run.endedBySignal) << "the game stalled";
        EXPECT_EQ(run.exitCode, 0);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));   // left as it was
    }
}

TEST(ProgramFiles, NamesFromOldCodePagesSurviveAStartAndAKillByteForByte)
{
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("velko-lines"));
    QByteArray table = record("Jos\xE9 M\xFC" "ller", 900) + record("\xD5\xC5\xCE\xB0", 800);
    for (int i = 0; i < 6; ++i)
        table += record("Ana", 700 - 100 * i);
    const QString path = home.filePath(QStringLiteral("velko-lines/gameinfo.cfg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(table) == table.size());
    file.close();
    const GameEnd run = startThenTerminate(home.path());
    EXPECT_TRUE(run.endedBySignal);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(fileBytes(path).toHex().toStdString(), table.toHex().toStdString());
    EXPECT_EQ(fileBytes(home.filePath(QStringLiteral("velko-lines/mysetting.cfg"))), QByteArray(" 50 \r\n 50 \r\n"));
}
