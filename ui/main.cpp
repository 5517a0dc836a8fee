// Velko Lines: the start screen first, then the game window; the session
// (GameSession) runs the game between them.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <malloc.h>
#include <utility>

#include "DataPaths.h"
#include "EndSignals.h"
#include "Fonts.h"
#include "GameData.h"
#include "GameLog.h"
#include "GameSession.h"
#include "Pictures.h"
#include "SoundPlayer.h"
#include "StartUp.h"

namespace {

// Runs a piece of work once, right after a window has painted its first frame.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget& window, std::function<void()> work) : work_(std::move(work))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && work_) {
            watched->removeEventFilter(this);
            // Queued: the frame is painted and on the screen before the work starts.
            QTimer::singleShot(0, this, std::exchange(work_, nullptr));
        }
        return false;
    }

private:
    std::function<void()> work_;
};

}   // namespace

int main(int argc, char* argv[])
{
    // Pictures, window surfaces and decoded sounds are large blocks that come
    // and go (the start screen's go for good): each gets its own mapping, so
    // that what is freed goes back to the system at once instead of staying
    // in the heap.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko-lines"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko Lines"));
    QApplication::setWindowIcon(velko::programIcon());
    velko::installFontSubstitutes();

    // A kill, Ctrl+C or a closed terminal ends the run the normal way, files saved.
    std::function<void()> endFromOutside = [] { QCoreApplication::quit(); };
    velko::catchEndSignals([&endFromOutside] { endFromOutside(); });

    velko::GameData data;
    if (const velko::Outcome started = velko::runStartUp(velko::mediaFolder(), data); !started.done()) {
        QMessageBox::critical(nullptr, QStringLiteral("Velko Lines"), started.problem());
        return 1;
    }
    // Every caption is the text table's title alone, with nothing added by the desktop.
    QApplication::setApplicationDisplayName(data.text(velko::Text::Title));

    // The start screen shows first, silent; the sound module (SDL and its
    // decoders) is loaded behind it, long before a player can choose. Without
    // the module the game plays quietly.
    velko::GameSound sound;
    velko::SystemRandom random;
    velko::GameSession session(data, sound, random);
    const AfterFirstFrame readyTheSound(session.startScreen(), [&sound] {
        QString problem;
        sound.use(velko::loadSoundModule(velko::soundModulePath(), velko::mediaFolder(), &problem));
        if (sound.silent())
            qCWarning(velko::gameLog, "Playing without sound: %s", qUtf8Printable(problem));
    });
    endFromOutside = [&session] { session.endFromOutside(); };
    session.begin();
    return app.exec();
}
