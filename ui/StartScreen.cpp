#include "StartScreen.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTimer>

#include "DataPaths.h"
#include "Fonts.h"
#include "GameData.h"
#include "ImageButton.h"
#include "Pictures.h"
#include "ScreenPlacement.h"

namespace velko {

StartScreen::StartScreen(GameData& data, const ButtonContext& buttons, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      buttons_(buttons)
{
    setObjectName(QLatin1String(layout::kStartScreen.name));
    setFixedSize(layout::kStartScreen.size());
    setWindowTitle(data.text(Text::Title));
    setFont(gameFont(QStringLiteral("Tahoma"), 9));
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Held in the picture's own palette of at most 256 colours: a quarter of
    // the memory of full colour, and the same pixels on the screen.
    picture_ = loadPicture(mediaPath(QLatin1String(media::kStartPicture)), data.takePicture(media::kStartPicture));
    if (picture_.colorCount() == 0) {
        const QImage palette = picture_.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        if (palette.convertToFormat(picture_.format()) == picture_)
            picture_ = palette;
    }

    addButton(layout::kNormalGameButton, StartChoice::NormalGame);
    addButton(layout::kChallengeButton, StartChoice::ChallengeGame);
    addButton(layout::kQuitButton, StartChoice::Quit);

    centreOnScreen(this);
}

void StartScreen::addButton(const layout::Place& place, StartChoice choice)
{
    // The same pictures and click as the buttons of the game window.
    ImageButton* button = placeButton(place, buttons_, this);
    connect(button, &ImageButton::pressed, this, [this, choice] { choose(choice); });
}

void StartScreen::choose(StartChoice choice)
{
    if (chosen_)
        return;
    chosen_ = true;
    // The start screen is never shown again: its picture goes at once.
    picture_ = QImage();
    // The choice is carried out once this press is over: what it starts may
    // ask the player something, and a dialog run inside the press of a button
    // whose window is going away brings the program down when it ends. The
    // screen is hidden, not closed (closing the last window would end the
    // program), and its window surface is given back before the game window
    // takes its own.
    QTimer::singleShot(0, this, [this, choice] {
        hide();
        destroy();
        emit chosen(choice);
    });
}

void StartScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);   // on a screen of another density
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, picture_);
}

void StartScreen::closeEvent(QCloseEvent* event)
{
    // Closed from outside before any choice: that is the quit choice.
    if (!chosen_)
        choose(StartChoice::Quit);
    event->accept();
}

}   // namespace velko
