#pragma once
// The image button behind every button of the game: its face is a picture from
// the media folder, <picture>0 normal, <picture>1 hover, <picture>2 pressed
// (GIF, else JPEG). It clicks when pressed and hands its mouse events to its
// window.

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "PictureCache.h"
#include "WindowLayout.h"

namespace velko {

// What a button takes from the window that creates it.
struct ButtonContext {
    QString pictureFolder;              // where <picture><state>.gif / .jpg live
    std::function<void()> clickSound;   // played on every press; may be empty
    // The pictures already read, shared by every copy of the context: the
    // windows and the dialogs of a run read each picture once between them.
    std::shared_ptr<PictureCache> pictures = std::make_shared<PictureCache>();
};

// The three faces of a button; the number is the one in the picture's file name.
enum class ButtonFace { Normal = 0, Hover = 1, Pressed = 2 };

class ImageButton : public QWidget {
    Q_OBJECT
public:
    ImageButton(const QString& picture, const ButtonContext& context, QWidget* parent = nullptr);

    QString picture() const { return picture_; }
    // Shows the picture <picture><face>, read from the folder the first time it shows at
    // the screen's density in the run; a missing or broken picture leaves the face as it was.
    void showFace(ButtonFace face);

signals:
    // A press on the face by any mouse button, after the click is heard.
    void pressed();
    // The release of a press that stayed on the face, or came onto it from
    // another button of the window.
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString picture_;
    ButtonContext context_;
    QPixmap face_;
    std::map<std::pair<ButtonFace, int>, QPixmap> faces_;   // by face and density; null: it could not be read
    bool holding_ = false;                                  // the pointer is ours: over the face, or pressed on it
    bool pressLost_ = false;                                // a press was dragged off the face; its release is not ours

    // The face's picture from the folder at the density, null when it cannot be read.
    QPixmap readFace(ButtonFace face, int scale) const;
    bool isOverFace(const QPointF& at) const;
    // Passes a move with a mouse button held on to the button of the same
    // window under the pointer, if there is one.
    void handOverTo(QMouseEvent* event);
};

// A button of a window as the layout names and places it (a row the layout
// leaves free is the window's to set).
ImageButton* placeButton(const layout::Place& place, const ButtonContext& context, QWidget* window);

}   // namespace velko
