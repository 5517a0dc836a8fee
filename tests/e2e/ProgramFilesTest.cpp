// The real program and the player's files, drawn offscreen and ended by
// SIGTERM: a FIFO in place of either file never stalls the start and is left
// as it was, and a table from an older game survives byte for byte.

#include "files/PlayerHome.h"

#include <QProcess>
#include <QThread>
#include <sys/stat.h>

using namespace velko;
using namespace velko::test;

TEST(ProgramFiles, AFifoNeverStallsTheStartAndNamesFromOldCodePagesSurviveByteForByte)
{
    ScoreTable scores = defaultScoreTable(QStringLiteral("Ana"), 45000);
    scores[0].nameBytes = "Jos\xE9 M\xFCller";
    scores[1].nameBytes = "\xD5\xC5\xCE\xB0";
    const QByteArray table = formatGameInfo(scores);
    // The file put in place (a FIFO, or the old table), and what mysetting.cfg holds after.
    const struct {
        const char* name;
        bool fifo;
        QByteArray settingsAfter;
    } cases[] = {{"gameinfo.cfg", true, " 50 \r\n 50 \r\n"},
                 {"mysetting.cfg", true, {}},
                 {"gameinfo.cfg", false, " 50 \r\n 50 \r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << (c.fifo ? " as a FIFO" : ""));
        QTemporaryDir home;
        ASSERT_TRUE(QDir(home.path()).mkpath("velko-lines"));
        const QString path = home.filePath(QStringLiteral("velko-lines/") + c.name);
        if (c.fifo)
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else
            writeBytes(path, table);
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.insert("XDG_DATA_HOME", home.path());
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(VELKO_GAME_EXE), {});
        ASSERT_TRUE(game.waitForStarted(5000));
        QThread::msleep(2000);   // past the start-up and its reading of the files
        game.terminate();
        EXPECT_TRUE(game.waitForFinished(10000)) << "the game stalled";   // if not, it is killed at the loop's end
        EXPECT_EQ(game.exitCode(), 0);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(S_ISFIFO(info.st_mode), c.fifo);   // left as it was
        if (!c.fifo)
            EXPECT_EQ(fileBytes(path).toHex().toStdString(), table.toHex().toStdString());
        if (!c.settingsAfter.isEmpty())
            EXPECT_EQ(fileBytes(home.filePath(QStringLiteral("velko-lines/mysetting.cfg"))), c.settingsAfter);
    }
}
