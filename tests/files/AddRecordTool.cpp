// One copy of the game for the tests that need a real process. It loads the
// table, adds a record under NAME with POINTS and then, by MODE:
//   save   says "loaded", waits for a line and saves the table the way the game
//          does after the name entry; it says "locking" before it takes the
//          folder's lock and "renaming" before gameinfo.cfg goes into place, and
//          waits there for a line, so the test can hold it at that moment.
//   wait   says "waiting" and saves both files, as the game's end does, when a
//          signal ends the run; a LIMIT sets the largest file it may write. A
//          write that fails says "failing" and waits there for a line.
// The exit code is 0 when the save succeeded, 1 when it was reported as failed.
#include <QCoreApplication>

#include <cerrno>

#include <cstdio>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <utility>

#include "EndSignals.h"
#include "HighScores.h"
#include "SavedFiles.h"

namespace {

void say(const char* line)
{
    std::cout << line << std::endl;
}

void waitForLine()
{
    std::string line;
    std::getline(std::cin, line);
}

// The system's calls, with the moments a test waits for.
class TalkingFiles : public velko::FileLayer {
public:
    explicit TalkingFiles(bool holdAtRename) : holdAtRename_(holdAtRename) {}
    int flock(int fd, int operation) override
    {
        say("locking");
        return FileLayer::flock(fd, operation);
    }
    int rename(const char* from, const char* to) override
    {
        if (holdAtRename_ && QByteArray(to).endsWith("/gameinfo.cfg")) {
            say("renaming");
            waitForLine();
        }
        return FileLayer::rename(from, to);
    }
    ssize_t write(int fd, const void* buffer, size_t size) override
    {
        const ssize_t wrote = FileLayer::write(fd, buffer, size);
        if (wrote < 0 && !holdAtRename_) {
            const int error = errno;
            say("failing");
            waitForLine();
            errno = error;
        }
        return wrote;
    }

private:
    bool holdAtRename_;   // else it holds at a failed write
};

int finish(const QString& problem)
{
    std::fputs(qPrintable(problem), stderr);
    return problem.isEmpty() ? 0 : 1;
}

}   // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const std::string mode = argv[1];
    if (argc == 5) {
        const rlimit limit{static_cast<rlim_t>(std::atoll(argv[4])), static_cast<rlim_t>(std::atoll(argv[4]))};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    velko::SavedFiles saved;
    velko::ScoreTable scores;
    saved.loadHighScores(scores, QStringLiteral("Meister"));
    const velko::ScoreRecord record{QString::fromUtf8(argv[2]), std::atoi(argv[3]), velko::nowDateValue(), {}};
    TalkingFiles files(mode == "save");
    if (mode == "save") {
        say("loaded");
        waitForLine();
        velko::insertScore(scores, record);
        return finish(saved.saveHighScores(scores, files).problem());
    }
    velko::insertScore(scores, record);
    bool ended = false;   // as the game's window, the run ends once
    velko::catchEndSignals([&] {
        if (!std::exchange(ended, true))
            app.exit(finish(saved.saveFiles({7, 9}, scores, files).problem()));
    });
    say("waiting");
    return app.exec();
}
