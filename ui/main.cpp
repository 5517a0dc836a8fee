// Velko Lines: the start screen first, then the game window.

#include <QApplication>
#include <QMessageBox>

#include "About.h"
#include "DataPaths.h"
#include "Fonts.h"
#include "Form1.h"
#include "Sound.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko-lines"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko Lines"));
    QApplication::setWindowIcon(velko::programIcon());
    velko::installFontSubstitutes();

    const QString problem = velko::RunStartUp(velko::mediaFolder());
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
