#pragma once
// The strip along the top of every dialog: the stretched title picture, the
// small title icon, the white title text and the close button. The strip and
// the title text are handles that drag the dialog.

#include <QFont>
#include <QObject>
#include <QString>

#include "ImageButton.h"

class QLabel;

namespace velko {

// Drags a window by the widgets given as handles: moving over one of them with
// the left button alone held starts the system's own window move.
class CaptionDrag : public QObject {
    Q_OBJECT
public:
    explicit CaptionDrag(QWidget* window);
    void addHandle(QWidget* handle);

signals:
    void dragStarted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool started_ = false;   // a move of the window, by the current press
};

struct DialogTitle {
    QLabel* strip = nullptr;
    QLabel* icon = nullptr;
    QLabel* title = nullptr;
    ImageButton* ex = nullptr;
    CaptionDrag* drag = nullptr;
};

// Puts the strip on `client` (the window's inside, `window` the dialog that
// moves). The pictures are tbk.gif and tit.gif of the button picture folder;
// a missing picture just leaves its place empty.
DialogTitle buildDialogTitle(QWidget* window, QWidget* client, const QString& text, const QFont& titleFont, int exLeft,
                             const ButtonContext& buttons);

}   // namespace velko
