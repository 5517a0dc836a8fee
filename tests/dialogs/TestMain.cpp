// The widgets under test need one application object for the whole run.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen screen cannot grab the mouse and says so on every grab; the
// buttons work the same without it, so that one remark is kept quiet.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.contains(QStringLiteral("does not support grabbing")))
        return;
    previousHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv)
{
    previousHandler = qInstallMessageHandler(quietHandler);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
