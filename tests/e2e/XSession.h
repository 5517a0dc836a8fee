#pragma once
// A private X server (Xvfb) with the game running on it, driven by xdotool and
// photographed with ImageMagick's import, the way a player's desktop would be.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

class XSession {
public:
    XSession();
    ~XSession();

    bool started() const { return display_ >= 0; }
    QString error() const { return error_; }

    // Starts the program with a fresh per-user data folder.
    bool launch(const QString& program);
    QString userDataFolder() const { return dataHome_.path() + "/velko-lines"; }

    // Top-level windows of the game that are shown, with their outer rectangles.
    std::vector<QRect> gameWindows();
    // Waits until a window satisfying the size test appears.
    bool waitForWindow(int width, int height, QRect& found, int timeoutMs = 15000);

    void click(int x, int y);
    QImage screenshot();
    void pause(int ms);

    bool waitForExit(int timeoutMs, int& exitCode);
    void sendTerminate() { game_.terminate(); }   // SIGTERM, as a logout or `kill` sends

private:
    QString run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

    int display_ = -1;
    QProcess server_;
    QProcess game_;
    QTemporaryDir dataHome_;
    QString error_;
};
