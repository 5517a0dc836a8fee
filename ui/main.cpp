// Velko Lines: the start screen first, then the game window.

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>
#include <QTimer>

#include "About.h"
#include "DataPaths.h"
#include "Fonts.h"
#include "EndSignals.h"
#include "Form1.h"
#include "MessageBox.h"
#include "SavedFiles.h"
#include "Sound.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko-lines"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko Lines"));
    QApplication::setWindowIcon(velko::programIcon());
    velko::installFontSubstitutes();

    // A kill, Ctrl+C or a closed terminal ends the run the normal way, files saved.
    std::function<void()> endFromOutside = [] { QCoreApplication::quit(); };
    velko::catchEndSignals([&endFromOutside] { endFromOutside(); });

    const QString problem = velko::RunStartUp(velko::mediaFolder());
    if (!problem.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Velko Lines"), problem);
        velko::SoundShutdown();
        return 1;
    }

    velko::Form1 form1;
    velko::About about(form1);
    endFromOutside = [&form1, &about] {
        form1.EndQuietly();
        about.close();   // before a choice this is the start screen's quit, which reads the levels first
        form1.EndRun();
    };
    // Logging out: save when the session asks, end the run when the program is told to quit.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form1, [&form1](QSessionManager&) {
        if (const QString problem = form1.SaveNow(); !problem.isEmpty())
            qWarning("%s", qUtf8Printable(problem));
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form1, [&endFromOutside] { endFromOutside(); });
    about.show();
    if (const QString problems = velko::FileReadProblems(); !problems.isEmpty()) {
        QTimer::singleShot(0, &form1, [&form1, problems] {
            velko::ShowMessage(problems, 0, form1.buttons());
        });
    }
    return app.exec();
}
