#include "Form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "AnchoredLabel.h"
#include "BoardView.h"
#include "DataPaths.h"
#include "Form2.h"
#include "InputFrm.h"
#include "LevelBar.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "ProgramState.h"
#include "SavedFiles.h"
#include "SoundPlayer.h"
#include "WebPages.h"

namespace velko {

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kClickSound = 76;
constexpr int kScoreTickMs = 40;

QImage cellPicture(const std::string& picture)
{
    return loadPicture(QStringLiteral(":/cells/") + QString::fromStdString(picture));
}

} // namespace

void centreOnScreen(QWidget* window)
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

ButtonContext gameButtons(SoundPlayer& sound)
{
    return ButtonContext{mediaFolder(), [&sound] { sound.playEffect(kClickSound); }};
}

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velko-lines-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/velko-lines-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/velko-lines-48@2x.png"), QSize(96, 96));
    icon.addFile(QStringLiteral(":/icons/velko-lines-32@2x.png"), QSize(64, 64));
    return icon;
}

Form1::Form1(SoundPlayer& sound, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), sound_(sound), game_(*this, random_)
{
    desktop_.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    desktop_.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    desktop_.startMove = [](QWidget* window) {
        if (QWindow* handle = window->windowHandle())
            handle->startSystemMove();
    };
    desktop_.endProgram = [] { QCoreApplication::quit(); };

    buttons_ = gameButtons(sound_);

    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setWindowIcon(programIcon());
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPointSizeF(9);
    setFont(windowFont);
    setAttribute(Qt::WA_OpaquePaintEvent);

    buildLabels();

    PictureBox0 = new BoardView(this);
    PictureBox0->setObjectName(QStringLiteral("PictureBox0"));
    PictureBox0->move(kBoardLeft, kBoardTop);
    PictureBox0->onMouseDown = [this](int button, int /*shift*/, float x, float y) {
        game_.pressBoard(button, x, y);
        runScoreClockWhileCounting();   // a line may have scored
    };

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setFixedSize(kCellSize, kCellSize);
    QPalette black = Picture2->palette();
    black.setColor(QPalette::Window, Qt::black);
    Picture2->setPalette(black);
    Picture2->setAutoFillBackground(true);
    // Clicks on the marker are clicks on the ball beneath it.
    Picture2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture2->hide();

    buildButtons();
    buildLevelBars();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kScoreTickMs);
    connect(Timer1, &QTimer::timeout, this, [this] {
        game_.tickScore();
        runScoreClockWhileCounting();
    });

    // The window sees every key first, whichever control has the focus.
    qApp->installEventFilter(this);

    Form_Load();
    centreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    setWindowTitle(SysInfo[1]);
    // The surface keeps as many pixels as the pictures drawn on it have.
    const int scale = pictureScale();
    surface_ = QImage(kWindowWidth * scale, kWindowHeight * scale, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(scale);
    surface_.fill(Qt::white);
    QPainter painter(&surface_);
    painter.drawImage(0, 0, loadPicture(mediaPath(QStringLiteral("back.gif"))));
}

void Form1::buildLabels()
{
    QFont scoreFont(QStringLiteral("Verdana"));
    scoreFont.setPointSizeF(15.75);
    scoreFont.setBold(true);

    // The shadow first, so that the score lies in front of it.
    Label1_1 = new AnchoredLabel(AnchoredLabel::Anchor::Centre, 559, 72, QColor(205, 183, 41), this);
    Label1_1->setObjectName(QStringLiteral("Label1_1"));
    Label1_1->setFont(scoreFont);
    Label1_1->setLabelText(QStringLiteral("0"));

    scoreFont.setItalic(true);
    Label1_0 = new AnchoredLabel(AnchoredLabel::Anchor::Centre, 557, 70, QColor(255, 222, 0), this);
    Label1_0->setObjectName(QStringLiteral("Label1_0"));
    Label1_0->setFont(scoreFont);
    Label1_0->setLabelText(QStringLiteral("0"));

    Label3 = new AnchoredLabel(AnchoredLabel::Anchor::LeftEdge, 556, 53, Qt::white, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setLabelText(QStringLiteral("4564646"));
}

KorvBut* Form1::addButton(const char* name, int left, int top, int width, int height)
{
    auto* button = new KorvBut(QString::fromLatin1(name), buttons_, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, height);
    button->setAttribute(Qt::WA_NoMousePropagation);
    return button;
}

void Form1::buildButtons()
{
    // Every button of the main window acts as soon as it is pressed, by any mouse button.
    connect(addButton("newgame", 526, 105, 72, 32), &KorvBut::MouseDown, this, [this] { newgame_MouseDown(); });
    connect(addButton("phbt", 526, 141, 72, 32), &KorvBut::MouseDown, this, [this] { ShowHighScores(buttons_); });
    connect(addButton("web", 515, 175, 93, 32), &KorvBut::MouseDown, this, [this] { web_MouseDown(); });
    connect(addButton("help", 536, 211, 52, 30), &KorvBut::MouseDown, this, [this] { help_MouseDown(); });
    connect(addButton("min", 597, 5, 8, 10), &KorvBut::MouseDown, this, [this] { showMinimized(); });
    connect(addButton("ex", 616, 5, 10, 10), &KorvBut::MouseDown, this, [this] { ex_MouseDown(); });
}

void Form1::buildLevelBars()
{
    Picture4_1 = new LevelBar(this);
    Picture4_1->setObjectName(QStringLiteral("Picture4_1"));
    Picture4_1->setGeometry(560, 436, 50, 10);
    Picture4_1->setAttribute(Qt::WA_NoMousePropagation);
    connect(Picture4_1, &LevelBar::levelChanged, this, [this](int level) { sound_.setMusicLevel(level); });

    Picture4_0 = new LevelBar(this);
    Picture4_0->setObjectName(QStringLiteral("Picture4_0"));
    Picture4_0->setGeometry(560, 460, 50, 10);
    Picture4_0->setAttribute(Qt::WA_NoMousePropagation);
    connect(Picture4_0, &LevelBar::levelChanged, this, [this](int level) { sound_.setEffectsLevel(level); });
}

void Form1::ApplyVolumeLevels(const VolumeLevels& levels)
{
    Picture4_0->setLevel(levels.effects);
    Picture4_1->setLevel(levels.music);
    sound_.setEffectsLevel(Picture4_0->level());
    sound_.setMusicLevel(Picture4_1->level());
    levelsKnown_ = true;
}

void Form1::newgame_MouseDown()
{
    // A running game is only thrown away on a clear Yes.
    if (gameRunning_ && ShowMessage(SysInfo[42], kStyleYesNo, buttons_) != kAnswerYes)
        return;
    Picture2->hide();
    levelsKnown_ = true;   // a game is played with the bars as the player sets them
    game_.kind = GameMode == 3 ? GameKind::Normal : GameKind::Challenge;
    game_.startGame();
    Label3->setLabelText(QString::number(HiScore[0].Points));
    sound_.startTune(tuneFor(random_.next()));
}

void Form1::ex_MouseDown()
{
    if (ShowMessage(SysInfo[15], kStyleYesNo, buttons_) == kAnswerYes)
        close();
}

void Form1::help_MouseDown()
{
    if (Edition == 1) {
        QString helpFile = applicationFolder() + QStringLiteral("/help.html");
        if (!QFileInfo::exists(helpFile))
            helpFile = applicationFolder() + QStringLiteral("/help.chm");
        desktop_.openUrl(QUrl::fromLocalFile(helpFile));
    } else {
        // This edition's help uncovers the picture under the board.
        PictureBox0->setVisible(PictureBox0->isHidden());
    }
}

void Form1::web_MouseDown()
{
    desktop_.openUrl(QUrl(QString::fromLatin1(Edition == 1 ? kProductPage : kMakerPage)));
}

void Form1::EndRun()
{
    if (runEnded_)
        return;
    runEnded_ = true;
    Timer1->stop();
    TellSaveProblem(SaveNow());
    sound_.shutDown();
    desktop_.endProgram();
}

QString Form1::SaveNow()
{
    // Before the start screen's choice the bars do not hold the player's levels yet:
    // saving them then would put 50 and 50 over the player's own.
    if (!levelsKnown_)
        return SaveHighScores();
    return SaveFiles(VolumeLevels{Picture4_0->level(), Picture4_1->level()});
}

void Form1::TellSaveProblem(const QString& problem)
{
    if (problem.isEmpty())
        return;
    if (endsQuietly_)
        qWarning("%s", qUtf8Printable(problem));   // no one is there to answer a dialog
    else
        ShowMessage(problem, 0, buttons_);
}

// --- the screen the game draws on ---

void Form1::drawCell(Cell cell, Colour colour)
{
    // Empty cells are chequered: I00 where column + row is even, I0 elsewhere.
    const QString picture = colour != Colour::Empty ? QStringLiteral("I%1").arg(NumberOf(colour))
                            : (cell.column + cell.row) % 2 == 0 ? QStringLiteral("I00")
                                                                : QStringLiteral("I0");
    PictureBox0->paintCell(cell.column * kCellSize, cell.row * kCellSize, picture);
}

void Form1::refreshBoard() { PictureBox0->refresh(); }

void Form1::showPreview(int slot, Colour colour)
{
    const PreviewPlace& place = kPreviewPlaces[slot];
    const QImage image = cellPicture(place.family + std::to_string(NumberOf(colour)));
    if (image.isNull())
        return;
    QPainter painter(&surface_);
    painter.drawImage(place.x, place.y, image);
}

void Form1::refreshWindow() { repaint(); }

void Form1::showMarker(Cell cell, Colour colour)
{
    Picture2->setPixmap(QPixmap::fromImage(cellPicture("T" + std::to_string(NumberOf(colour)))));
    Picture2->move(PictureBox0->x() + cell.column * kCellSize, PictureBox0->y() + cell.row * kCellSize);
    Picture2->raise();
    Picture2->show();
}

void Form1::hideMarker() { Picture2->hide(); }

void Form1::showEnding(Ending ending)
{
    const QString picture = ending == Ending::HighScore ? QStringLiteral("cmd.gif") : QStringLiteral("gameover.gif");
    PictureBox0->wipePicture(loadPicture(mediaPath(picture)));
}

void Form1::sleepMs(int ms) { desktop_.sleep(ms); }
void Form1::playSound(Sound sound)
{
    // The numbers of the effect files in the media folder.
    switch (sound) {
    case Sound::Select: sound_.playEffect(0); break;
    case Sound::NewGame: sound_.playEffect(11); break;
    case Sound::Refused: sound_.playEffect(12); break;
    case Sound::HighScore: sound_.playEffect(13); break;
    case Sound::GameOver: sound_.playEffect(14); break;
    case Sound::LinesRemoved: sound_.playEffect(15); break;
    case Sound::Step: sound_.playEffect(25); break;
    }
}
void Form1::stopMusic() { sound_.stopTune(); }
void Form1::setBoardEnabled(bool on) { PictureBox0->setEnabled(on); }

void Form1::setScoreTimer(bool on)
{
    gameRunning_ = on;
    runScoreClockWhileCounting();
}

void Form1::runScoreClockWhileCounting()
{
    // A clock with nothing left to count would wake the program 25 times a
    // second for nothing; at the end of a game the shown score stays where it stands.
    if (gameRunning_ && game_.shownScore < game_.score) {
        if (!Timer1->isActive())
            Timer1->start();
    } else {
        Timer1->stop();
    }
}

void Form1::showScore(std::int32_t points)
{
    const QString score = QString::number(points);
    Label1_0->setLabelText(score);
    Label1_1->setLabelText(score);
}

std::int32_t Form1::lowestHighScore() { return HiScore[7].Points; }

void Form1::newHighScore(std::int32_t score)
{
    RunNewHighScore(score, buttons_);
    // Saved at once, so a crash or a lost display later cannot take the record away.
    TellSaveProblem(SaveHighScores());
}

// --- the window's own events ---

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            if (!isMinimized())
                showMinimized();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging the bare picture with the left button alone moves the window.
    if (event->buttons() == Qt::LeftButton)
        desktop_.startMove(this);
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    const QRect board = PictureBox0->geometry();
    if (PictureBox0->isHidden() && p.x() > board.left() && p.y() > board.top()
        && p.x() < board.left() + board.width() && p.y() < board.top() + board.height())
        PictureBox0->show();
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        // The tune rests while the window is out of its normal state.
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
            sound_.pauseTune();
        else
            sound_.resumeTune();
    }
    QWidget::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    EndRun();
}

} // namespace velko
