#pragma once
// The window of every dialog of the game: no title bar, a thin one-pixel
// frame, the light grey ground, always on top, centred on the screen, and a
// fixed size. The controls sit on client(), whose origin is inside the frame.
// Every dialog belongs to a window: it stays above that window and goes with
// it, also on Wayland, whose compositor places it and ignores "on top".

#include <QDialog>

namespace velko {

class DialogFrame : public QDialog {
    Q_OBJECT
public:
    // `owner` is the window the dialog belongs to.
    DialogFrame(int clientWidth, int clientHeight, QWidget* owner);

    QWidget* client() const { return client_; }
    void setClientHeight(int height);

    // Centres the dialog on its screen and runs it modally.
    int exec() override;

protected:
    // Esc and Enter (either Enter key) are the only keys a dialog may care
    // about; the others do nothing. Esc does what a close from the window
    // manager does, reject(), which each dialog answers like its close button.
    virtual void enterPressed() {}

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* client_;
};

}   // namespace velko
