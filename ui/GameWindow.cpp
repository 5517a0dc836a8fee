#include "GameWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include "AnchoredLabel.h"
#include "BoardGeometry.h"
#include "BoardView.h"
#include "CellPictureNames.h"
#include "DataPaths.h"
#include "Fonts.h"
#include "HighScoreWindow.h"
#include "LevelBar.h"
#include "MediaFiles.h"
#include "MessageDialog.h"
#include "PictureCache.h"
#include "Pictures.h"
#include "ScreenPlacement.h"
#include "SoundPlayer.h"
#include "WindowDrag.h"

namespace velko {

namespace {

static_assert(layout::kPreviewPlaces.size() == kPreviewSlots);

}   // namespace

ButtonContext gameButtons(SoundPlayer& sound)
{
    return ButtonContext{mediaFolder(), [&sound] { sound.play(Sound::Click); }};
}

GameWindow::GameWindow(GameData& data, SoundPlayer& sound, const ButtonContext& buttons, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      data_(data),
      sound_(sound),
      buttons_(buttons),
      minimising_(!onWayland())
{
    desktop_.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    desktop_.startMove = WindowDrag::systemMove;

    // The tune rests while the window is away.
    minimising_.onChange = [this](bool away) { away ? sound_.pauseTune() : sound_.resumeTune(); };

    setObjectName(QLatin1String(layout::kGameWindow.name));
    setFixedSize(layout::kGameWindow.size());
    setFont(gameFont(QStringLiteral("Tahoma"), 9));
    setAttribute(Qt::WA_OpaquePaintEvent);

    buildLabels();
    // Dragging the bare picture with the left button alone moves the window.
    (new WindowDrag(this, [this](QWidget* window) { desktop_.startMove(window); }))->addHandle(this);

    board_ = new BoardView(*buttons_.pictures, this);
    board_->setObjectName(QLatin1String(layout::kBoard.name));
    board_->move(layout::kBoard.topLeft());
    board_->onMouseDown = [this](std::optional<Cell> cell, MouseButton button) { emit boardPressed(cell, button); };

    marker_ = new QLabel(this);
    marker_->setObjectName(QLatin1String(layout::kMarker.name));
    marker_->setFixedSize(layout::kMarker.size());
    QPalette black = marker_->palette();
    black.setColor(QPalette::Window, Qt::black);
    marker_->setPalette(black);
    marker_->setAutoFillBackground(true);
    // Clicks on the marker are clicks on the ball beneath it.
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker_->hide();

    buildButtons();
    buildLevelBars();

    // The window sees every key first, whichever control has the focus.
    qApp->installEventFilter(this);

    drawBackground();
    centreOnScreen(this);
}

GameWindow::~GameWindow() = default;

void GameWindow::drawBackground()
{
    setWindowTitle(data_.text(Text::Title));
    // The surface keeps as many pixels as the pictures drawn on it have.
    const int scale = pictureScale();
    surface_ = QImage(layout::kGameWindow.size() * scale, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(scale);
    surface_.fill(Qt::white);
    QPainter painter(&surface_);
    painter.drawImage(
        0, 0,
        loadPicture(mediaPath(QLatin1String(media::kWindowPicture)), data_.takePicture(media::kWindowPicture), scale));
}

void GameWindow::buildLabels()
{
    QFont scoreFont = gameFont(QStringLiteral("Verdana"), 15.75);
    scoreFont.setBold(true);

    // The shadow first, so that the score lies in front of it.
    scoreShadow_ = new AnchoredLabel(layout::kScoreShadow, QColor(205, 183, 41), this);
    scoreShadow_->setFont(scoreFont);
    scoreShadow_->setLabelText(QStringLiteral("0"));

    scoreFont.setItalic(true);
    score_ = new AnchoredLabel(layout::kScore, QColor(255, 222, 0), this);
    score_->setFont(scoreFont);
    score_->setLabelText(QStringLiteral("0"));

    bestScore_ = new AnchoredLabel(layout::kBestScore, Qt::white, this);
    bestScore_->setLabelText(QStringLiteral("4564646"));
}

ImageButton* GameWindow::addButton(const layout::Place& place)
{
    ImageButton* button = placeButton(place, buttons_, this);
    button->setAttribute(Qt::WA_NoMousePropagation);
    return button;
}

void GameWindow::buildButtons()
{
    // Every button of the main window acts as soon as it is pressed, by any mouse button.
    connect(addButton(layout::kNewGameButton), &ImageButton::pressed, this, [this] { emit newGamePressed(); });
    connect(addButton(layout::kScoresButton), &ImageButton::pressed, this,
            [this] { showHighScores(this, data_, buttons_); });
    connect(addButton(layout::kWebButton), &ImageButton::pressed, this, [this] { emit webPagePressed(); });
    connect(addButton(layout::kHelpButton), &ImageButton::pressed, this, [this] { emit helpPressed(); });
    connect(addButton(layout::kMinimiseButton), &ImageButton::pressed, this, [this] { minimise(); });
    connect(addButton(layout::kCloseButton), &ImageButton::pressed, this, [this] { emit quitPressed(); });
}

void GameWindow::buildLevelBars()
{
    musicBar_ = new LevelBar(this);
    musicBar_->setObjectName(QLatin1String(layout::kMusicBar.name));
    musicBar_->setGeometry(layout::kMusicBar.rect());
    musicBar_->setAttribute(Qt::WA_NoMousePropagation);
    connect(musicBar_, &LevelBar::levelChanged, this, [this](int level) { sound_.setMusicLevel(level); });

    effectsBar_ = new LevelBar(this);
    effectsBar_->setObjectName(QLatin1String(layout::kEffectsBar.name));
    effectsBar_->setGeometry(layout::kEffectsBar.rect());
    effectsBar_->setAttribute(Qt::WA_NoMousePropagation);
    connect(effectsBar_, &LevelBar::levelChanged, this, [this](int level) { sound_.setEffectsLevel(level); });
}

void GameWindow::applyVolumeLevels(const VolumeLevels& levels)
{
    effectsBar_->setLevel(levels.effects);
    musicBar_->setLevel(levels.music);
    sound_.setEffectsLevel(effectsBar_->level());
    sound_.setMusicLevel(musicBar_->level());
}

VolumeLevels GameWindow::volumeLevels() const
{
    return VolumeLevels{effectsBar_->level(), musicBar_->level()};
}

void GameWindow::showBestScore()
{
    bestScore_->setLabelText(QString::number(data_.highScores[0].points));
}

void GameWindow::toggleBoard()
{
    board_->setVisible(board_->isHidden());
}

void GameWindow::minimise()
{
    minimising_.minimiseAsked();
    showMinimized();
}

Answer GameWindow::tellPlayer(const QString& text, MessageButtons answers)
{
    return showMessage(this, data_.text(Text::Title), text, answers, buttons_);
}

// --- the screen the game draws on ---

void GameWindow::drawCell(Cell cell, Colour colour)
{
    board_->paintCell(cell.column * kCellSize, cell.row * kCellSize,
                      cellPictures::boardCell(cell.column, cell.row, numberOf(colour)));
}

void GameWindow::refreshBoard()
{
    board_->refresh();
}

void GameWindow::showPreview(int slot, Colour colour)
{
    const layout::PreviewPlace& place = layout::kPreviewPlaces[static_cast<std::size_t>(slot)];
    const QImage image =
        buttons_.pictures->cell(cellPictures::previewBall(place.family, numberOf(colour)), pictureScale());
    if (image.isNull())
        return;
    QPainter painter(&surface_);
    painter.drawImage(place.x, place.y, image);
    // Shown at once on refreshWindow(), and in any case before the next input.
    update(QRectF(QPointF(place.x, place.y), image.deviceIndependentSize()).toAlignedRect());
}

void GameWindow::refreshWindow()
{
    repaint();
}

void GameWindow::showMarker(Cell cell, Colour colour)
{
    // At the density of the screen the window is on now.
    marker_->setPixmap(
        QPixmap::fromImage(buttons_.pictures->cell(cellPictures::pickedUpBall(numberOf(colour)), pictureScale(*this))));
    marker_->move(board_->x() + cell.column * kCellSize, board_->y() + cell.row * kCellSize);
    marker_->raise();
    marker_->show();
}

void GameWindow::hideMarker()
{
    marker_->hide();
}

void GameWindow::showEnding(Ending ending)
{
    const QLatin1String picture(ending == Ending::HighScore ? media::kRecordPicture : media::kGameOverPicture);
    board_->wipePicture(buttons_.pictures->picture(mediaPath(picture), pictureScale()));
}

void GameWindow::sleepMs(int ms)
{
    desktop_.sleep(ms);
}
void GameWindow::playSound(Sound sound)
{
    sound_.play(sound);
}
void GameWindow::stopMusic()
{
    sound_.stopTune();
}
void GameWindow::setBoardEnabled(bool on)
{
    board_->setEnabled(on);
}

void GameWindow::setScoreTimer(bool on)
{
    emit scoreTimerSwitched(on);
}

void GameWindow::showScore(std::int32_t points)
{
    const QString score = QString::number(points);
    score_->setLabelText(score);
    scoreShadow_->setLabelText(score);
}

std::int32_t GameWindow::lowestHighScore()
{
    return data_.highScores[7].points;
}

void GameWindow::newHighScore(std::int32_t score)
{
    emit recordMade(score);
}

// --- the window's own events ---

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool ours = watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
    if (ours && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress))
        minimising_.inputArrived();
    if (ours && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        if (!minimising_.minimised())
            minimise();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::paintEvent(QPaintEvent*)
{
    // Every expose shows the kept drawing as it is now, clipped to the exposed
    // part, and smoothly on a screen of another density than the surface's.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, surface_);
}

void GameWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    const QRect board = board_->geometry();
    if (board_->isHidden() && p.x() > board.left() && p.y() > board.top() && p.x() < board.left() + board.width() &&
        p.y() < board.top() + board.height())
        board_->show();
}

void GameWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        minimising_.stateChanged(windowState());
    else if (event->type() == QEvent::ActivationChange)
        minimising_.activationChanged(isActiveWindow());
    QWidget::changeEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closing();
}

}   // namespace velko
