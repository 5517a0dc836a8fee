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

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;

}   // namespace

ButtonContext gameButtons(SoundPlayer& sound)
{
    return ButtonContext{mediaFolder(), [&sound] { sound.play(Sound::Click); }};
}

GameWindow::GameWindow(GameData& data, SoundPlayer& sound, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      data_(data),
      sound_(sound),
      minimising_(!onWayland())
{
    desktop_.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    desktop_.startMove = WindowDrag::systemMove;

    buttons_ = gameButtons(sound_);
    // The tune rests while the window is away.
    minimising_.onChange = [this](bool away) { away ? sound_.pauseTune() : sound_.resumeTune(); };

    setObjectName(QStringLiteral("gameWindow"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setFont(gameFont(QStringLiteral("Tahoma"), 9));
    setAttribute(Qt::WA_OpaquePaintEvent);

    buildLabels();
    // Dragging the bare picture with the left button alone moves the window.
    (new WindowDrag(this, [this](QWidget* window) { desktop_.startMove(window); }))->addHandle(this);

    board_ = new BoardView(this);
    board_->setObjectName(QStringLiteral("board"));
    board_->move(kBoardLeft, kBoardTop);
    board_->onMouseDown = [this](std::optional<Cell> cell, MouseButton button) { emit boardPressed(cell, button); };

    marker_ = new QLabel(this);
    marker_->setObjectName(QStringLiteral("marker"));
    marker_->setFixedSize(kCellSize, kCellSize);
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
    surface_ = QImage(kWindowWidth * scale, kWindowHeight * scale, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(scale);
    surface_.fill(Qt::white);
    QPainter painter(&surface_);
    painter.drawImage(0, 0, loadPicture(mediaPath(QLatin1String(media::kWindowPicture))));
}

void GameWindow::buildLabels()
{
    QFont scoreFont = gameFont(QStringLiteral("Verdana"), 15.75);
    scoreFont.setBold(true);

    // The shadow first, so that the score lies in front of it.
    scoreShadow_ = new AnchoredLabel(AnchoredLabel::Anchor::Centre, 559, 72, QColor(205, 183, 41), this);
    scoreShadow_->setObjectName(QStringLiteral("scoreShadow"));
    scoreShadow_->setFont(scoreFont);
    scoreShadow_->setLabelText(QStringLiteral("0"));

    scoreFont.setItalic(true);
    score_ = new AnchoredLabel(AnchoredLabel::Anchor::Centre, 557, 70, QColor(255, 222, 0), this);
    score_->setObjectName(QStringLiteral("score"));
    score_->setFont(scoreFont);
    score_->setLabelText(QStringLiteral("0"));

    bestScore_ = new AnchoredLabel(AnchoredLabel::Anchor::LeftEdge, 556, 53, Qt::white, this);
    bestScore_->setObjectName(QStringLiteral("bestScore"));
    bestScore_->setLabelText(QStringLiteral("4564646"));
}

ImageButton* GameWindow::addButton(const char* name, int left, int top, int width, int height)
{
    auto* button = new ImageButton(QString::fromLatin1(name), buttons_, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, height);
    button->setAttribute(Qt::WA_NoMousePropagation);
    return button;
}

void GameWindow::buildButtons()
{
    // Every button of the main window acts as soon as it is pressed, by any mouse button.
    connect(addButton(media::kNewGameButton, 526, 105, 72, 32), &ImageButton::pressed, this,
            [this] { emit newGamePressed(); });
    connect(addButton(media::kScoresButton, 526, 141, 72, 32), &ImageButton::pressed, this,
            [this] { showHighScores(this, data_, buttons_); });
    connect(addButton(media::kWebButton, 515, 175, 93, 32), &ImageButton::pressed, this,
            [this] { emit webPagePressed(); });
    connect(addButton(media::kHelpButton, 536, 211, 52, 30), &ImageButton::pressed, this,
            [this] { emit helpPressed(); });
    connect(addButton(media::kMinimiseButton, 597, 5, 8, 10), &ImageButton::pressed, this, [this] { minimise(); });
    connect(addButton(media::kCloseButton, 616, 5, 10, 10), &ImageButton::pressed, this,
            [this] { emit quitPressed(); });
}

void GameWindow::buildLevelBars()
{
    musicBar_ = new LevelBar(this);
    musicBar_->setObjectName(QStringLiteral("musicBar"));
    musicBar_->setGeometry(560, 436, 50, 10);
    musicBar_->setAttribute(Qt::WA_NoMousePropagation);
    connect(musicBar_, &LevelBar::levelChanged, this, [this](int level) { sound_.setMusicLevel(level); });

    effectsBar_ = new LevelBar(this);
    effectsBar_->setObjectName(QStringLiteral("effectsBar"));
    effectsBar_->setGeometry(560, 460, 50, 10);
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
    // Empty cells are chequered: I00 where column + row is even, I0 elsewhere.
    const QString picture = colour != Colour::Empty             ? QStringLiteral("I%1").arg(numberOf(colour))
                            : (cell.column + cell.row) % 2 == 0 ? QStringLiteral("I00")
                                                                : QStringLiteral("I0");
    board_->paintCell(cell.column * kCellSize, cell.row * kCellSize, picture);
}

void GameWindow::refreshBoard()
{
    board_->refresh();
}

void GameWindow::showPreview(int slot, Colour colour)
{
    const PreviewPlace& place = kPreviewPlaces[slot];
    const QImage image =
        cellPicture(QString::fromStdString(place.family + std::to_string(numberOf(colour))), pictureScale());
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
        QPixmap::fromImage(cellPicture(QStringLiteral("T%1").arg(numberOf(colour)), pictureScale(*this))));
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
    board_->wipePicture(loadPicture(mediaPath(picture)));
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
