// The window and dialog tests share one QApplication and a throw-away per-user data folder.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Fonts.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko-lines"));
    velko::installFontSubstitutes();   // the faces the program itself uses
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
