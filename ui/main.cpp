// Velko Lines: the start screen first, then the game window.

#include <QApplication>
#include <QMessageBox>

#include "About.h"
#include "DataPaths.h"
#include "Form1.h"
#include "Sound.h"

int main(int argc, char* argv[])
{
    // The sound library would otherwise catch Ctrl+C and kill requests and
    // leave them unanswered, as the game never asks it for events.
    if (qEnvironmentVariableIsEmpty("SDL_NO_SIGNAL_HANDLERS"))
        qputenv("SDL_NO_SIGNAL_HANDLERS", "1");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko-lines"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko Lines"));
    QApplication::setWindowIcon(velko::programIcon());

    const QString problem = velko::RunStartUp(velko::applicationFolder() + QStringLiteral("/medias"));
    if (!problem.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Velko Lines"), problem);
        velko::SoundShutdown();
        return 1;
    }

    velko::Form1 form1;
    velko::About about(form1);
    about.show();
    return app.exec();
}
