// The widgets under test need one application object for the whole run.
#include <QApplication>
#include <gtest/gtest.h>

#include "Fonts.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velko::installFontSubstitutes();   // the faces the program itself uses
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
