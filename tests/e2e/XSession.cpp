#include "XSession.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

XSession::XSession()
{
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty()
        || QStandardPaths::findExecutable("import").isEmpty()) {
        error_ = "Xvfb, xdotool or ImageMagick's import is not installed";
        return;
    }
    for (int n = 91; n < 200; ++n) {
        if (QFile::exists(QString("/tmp/.X%1-lock").arg(n)) || QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
            continue;
        // No reset when a client leaves: a reset between two clients can make
        // the next one fail to connect.
        server_.start("Xvfb", {QString(":%1").arg(n), "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(5000))
            break;
        for (int i = 0; i < 50 && !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)); ++i)
            QThread::msleep(100);
        if (server_.state() == QProcess::Running && QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n))) {
            display_ = n;
            return;
        }
        server_.kill();
        server_.waitForFinished();
    }
    error_ = "no X server could be started";
}

XSession::~XSession()
{
    if (game_.state() != QProcess::NotRunning) {
        game_.kill();
        game_.waitForFinished();
    }
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(3000))
            server_.kill();
        server_.waitForFinished();
    }
}

QString XSession::run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString(":%1").arg(display_));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(timeoutMs);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool XSession::launch(const QString& program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString(":%1").arg(display_));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_DATA_HOME", dataHome_.path());
    env.insert("SDL_AUDIODRIVER", "dummy");
    game_.setProcessEnvironment(env);
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(program, {});
    return game_.waitForStarted(5000);
}

std::vector<QRect> XSession::gameWindows()
{
    std::vector<QRect> windows;
    const QStringList ids = run("xdotool", {"search", "--onlyvisible", "--class", "velko-lines"}).split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        const QStringList lines = run("xdotool", {"getwindowgeometry", "--shell", id}).split('\n', Qt::SkipEmptyParts);
        int x = 0, y = 0, w = 0, h = 0;
        for (const QString& line : lines) {
            const QString key = line.section('=', 0, 0), value = line.section('=', 1);
            if (key == "X") x = value.toInt();
            if (key == "Y") y = value.toInt();
            if (key == "WIDTH") w = value.toInt();
            if (key == "HEIGHT") h = value.toInt();
        }
        if (w > 1 && h > 1)
            windows.emplace_back(x, y, w, h);
    }
    return windows;
}

bool XSession::waitForWindow(int width, int height, QRect& found, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 200) {
        for (const QRect& r : gameWindows()) {
            if (std::abs(r.width() - width) <= 2 && std::abs(r.height() - height) <= 2) {
                found = r;
                return true;
            }
        }
        pause(200);
    }
    return false;
}

void XSession::click(int x, int y)
{
    run("xdotool", {"mousemove", QString::number(x), QString::number(y)});
    pause(100);
    run("xdotool", {"click", "1"});
}

QImage XSession::screenshot()
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString(":%1").arg(display_));
    process.setProcessEnvironment(env);
    process.start("import", {"-window", "root", "png:-"});
    process.waitForFinished(15000);
    return QImage::fromData(process.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

void XSession::pause(int ms) { QThread::msleep(ms); }

bool XSession::waitForExit(int timeoutMs, int& exitCode)
{
    if (!game_.waitForFinished(timeoutMs))
        return false;
    exitCode = game_.exitStatus() == QProcess::NormalExit ? game_.exitCode() : -1;
    return true;
}
