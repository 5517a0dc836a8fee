#include "ImageButton.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include "Pictures.h"

namespace velko {

namespace {

// The pointing hand of every button; the plain system hand when our own
// picture is not built in.
QCursor handCursor()
{
    const QPixmap hand = loadPixmap(QStringLiteral(":/cursors/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 5, 0);
}

}   // namespace

ImageButton::ImageButton(const QString& picture, const ButtonContext& context, QWidget* parent)
    : QWidget(parent),
      picture_(picture),
      context_(context)
{
    setMouseTracking(true);   // hover pictures need moves without a button down
    setCursor(handCursor());
    resize(210, 84);
}

QPixmap ImageButton::readFace(ButtonFace face, int scale) const
{
    // A GIF that is there but cannot be read gives no face: its JPEG is not taken instead.
    const QString base = context_.pictureFolder + QLatin1Char('/') + picture_ + QString::number(static_cast<int>(face));
    const QString gif = base + QStringLiteral(".gif");
    const QString path = QFile::exists(gif) ? gif : base + QStringLiteral(".jpg");
    const QImage picture = context_.pictures->picture(path, scale);
    return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
}

void ImageButton::showFace(ButtonFace face)
{
    // At the density of the button's screen; each face is read from disk the
    // first time it shows there, not on every move of the pointer.
    const std::pair<ButtonFace, int> key(face, pictureScale(*this));
    auto kept = faces_.find(key);
    if (kept == faces_.end())
        kept = faces_.emplace(key, readFace(face, key.second)).first;
    // Any failure leaves the face as it was: a missing or broken picture is no error.
    if (kept->second.isNull())
        return;
    face_ = kept->second;
    update();
}

bool ImageButton::isOverFace(const QPointF& at) const
{
    // The edges belong to the face: x == width() is still on it.
    return at.x() >= 0 && at.x() <= width() && at.y() >= 0 && at.y() <= height();
}

void ImageButton::mousePressEvent(QMouseEvent*)
{
    // A press holds the pointer until the release or until it leaves the face.
    holding_ = true;
    pressLost_ = false;
    // The press itself keeps the pointer with this button until the release.
    // Our own grab must go now: a dialog the window opens for this press
    // would get no mouse input while a button of the window holds the pointer.
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    const QPointer<ImageButton> self(this);
    if (context_.clickSound)
        context_.clickSound();
    emit pressed();
    // The window's handler may have run a dialog that took this button with it.
    if (!self)
        return;
    showFace(ButtonFace::Pressed);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    const Qt::MouseButtons held = event->buttons();
    if (isOverFace(event->position())) {
        showFace(held == Qt::LeftButton ? ButtonFace::Pressed : ButtonFace::Hover);
        // Keep hearing the pointer, so that leaving the face is noticed.
        if (isVisible() && QWidget::mouseGrabber() != this)
            grabMouse();
        holding_ = true;
        pressLost_ = false;
    } else {
        // A press slid onto another button of the window becomes that button's:
        // it shows pressed and takes the pointer, and the release is its own.
        if (held != Qt::NoButton)
            handOverTo(event);
        if (!holding_ && held != Qt::NoButton)
            return;   // a press already dragged off: the face no longer hears it
        showFace(ButtonFace::Normal);
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        holding_ = false;
        // A press dragged off the face is cancelled: its release is not ours.
        if (held != Qt::NoButton)
            pressLost_ = true;
    }
}

void ImageButton::handOverTo(QMouseEvent* event)
{
    QWidget* top = window();
    const QPoint inWindow = top->mapFromGlobal(event->globalPosition().toPoint());
    auto* other = qobject_cast<ImageButton*>(top->childAt(inWindow));
    if (!other || other == this || !other->isEnabled())
        return;
    const QPointF at = other->mapFromGlobal(event->globalPosition());
    QMouseEvent moved(QEvent::MouseMove, at, event->globalPosition(), Qt::NoButton, event->buttons(),
                      event->modifiers());
    QCoreApplication::sendEvent(other, &moved);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressLost_) {
        // The release of a press dragged off the face happens elsewhere.
        if (event->buttons() == Qt::NoButton)
            pressLost_ = false;
        return;
    }
    showFace(ButtonFace::Normal);
    // The handler may close the window holding this button: nothing after the emit.
    emit released();
}

void ImageButton::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showFace(ButtonFace::Normal);
}

void ImageButton::leaveEvent(QEvent* event)
{
    // Where the pointer cannot be grabbed, leaving is how the face hears that
    // the pointer went away; a held press is followed by its moves instead.
    if (holding_ && QGuiApplication::mouseButtons() == Qt::NoButton) {
        showFace(ButtonFace::Normal);
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        holding_ = false;
    }
    QWidget::leaveEvent(event);
}

void ImageButton::hideEvent(QHideEvent* event)
{
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    holding_ = false;
    QWidget::hideEvent(event);
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);   // a face of another screen's density
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawPixmap(0, 0, face_);
}

ImageButton* placeButton(const layout::Place& place, const ButtonContext& context, QWidget* window)
{
    auto* button = new ImageButton(QLatin1String(place.picture), context, window);
    button->setObjectName(QLatin1String(place.name));
    button->setGeometry(place.x, place.y == layout::kFree ? 0 : place.y, place.width, place.height);
    return button;
}

}   // namespace velko
