// The window and dialog tests share one QApplication and a throw-away per-user
// data folder; the offscreen screen and silent sound come with every test program.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Fonts.h"

int main(int argc, char** argv)
{
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko-lines"));
    velko::installFontSubstitutes();   // the faces the program itself uses
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
