#pragma once
// The start screen: the picture game.gif with three buttons, the normal game,
// the challenge game and quit. Start-up happens before it is shown.

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "KorvBut.h"

namespace velko {

class Form1;

// The program's start-up from its media folder: reads the text table into
// SysInfo and Edition, loads the high-score table and checks the two window
// pictures. Returns an empty string when all is well, else what is wrong and
// with which file. The sound is loaded apart, once the start screen shows.
QString RunStartUp(const QString& mediaFolder);

class About : public QWidget {
    Q_OBJECT
public:
    explicit About(Form1& mainWindow, QWidget* parent = nullptr);
    // The main window is asked for only when a choice is made, so that the
    // start screen can show before the main window is built.
    About(std::function<Form1&()> mainWindow, const ButtonContext& buttons, QWidget* parent = nullptr);

    // "aa" normal game, "bb" challenge game, "cc" quit.
    void ChooseMode(const QString& code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addButton(const char* name, int top, int height, const char* code);
    void letGoOfTheScreen();

    std::function<Form1&()> form1_;
    ButtonContext buttons_;
    QImage picture_;
    bool chosen_ = false;
};

} // namespace velko
