// The yardstick for the game's start-up and memory: the smallest Qt Widgets
// program that shows a 640 x 480 window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("velko-lines");
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
