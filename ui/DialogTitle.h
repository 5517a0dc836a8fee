#pragma once
// The strip along the top of every dialog: the stretched title picture, the
// small title icon, the white title text and the close button. The strip and
// the title text are handles that drag the dialog.

#include <QFont>
#include <QObject>
#include <QString>

#include "ImageButton.h"
#include "WindowDrag.h"

class QLabel;

namespace velko {

struct DialogTitle {
    QLabel* strip = nullptr;
    QLabel* icon = nullptr;
    QLabel* title = nullptr;
    ImageButton* closeButton = nullptr;
    WindowDrag* drag = nullptr;
};

// Puts the strip on `client` (the window's inside, `window` the dialog that
// moves), with the dialog's close button at its place. The pictures are
// tbk.gif and tit.gif of the button picture folder; a missing picture just
// leaves its place empty.
DialogTitle buildDialogTitle(QWidget* window, QWidget* client, const QString& text, const QFont& titleFont,
                             const layout::Place& closeButton, const ButtonContext& buttons);

}   // namespace velko
