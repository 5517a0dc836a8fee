#include "StartScreen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

#include "DataPaths.h"
#include "GameWindow.h"
#include "ImageButton.h"
#include "Pictures.h"
#include "ProgramState.h"
#include "SavedFiles.h"
#include "Sound.h"
#include "TextTable.h"

namespace velko {

namespace {

constexpr std::uint8_t kNormalGame = 3;      // five colours and the joker
constexpr std::uint8_t kChallengeGame = 0;   // eight colours

QString pictureProblem(const QString& mediaFolder, const QString& fileName)
{
    // The picture's header is enough here: the windows decode it when they are built.
    const QString path = mediaFolder + QLatin1Char('/') + fileName;
    if (QImageReader(path).canRead())
        return {};
    return QStringLiteral("The picture %1 is missing or cannot be read.\n(%2)").arg(fileName, path);
}

} // namespace

QString runStartUp(const QString& mediaFolder)
{
    if (QString problem = pictureProblem(mediaFolder, QStringLiteral("game.gif")); !problem.isEmpty())
        return problem;

    const QString textPath = mediaFolder + QStringLiteral("/sysinfo.txt");
    TextTable table;
    if (const QString problem = readTextTable(textPath, table); !problem.isEmpty())
        return QStringLiteral("The text table sysinfo.txt cannot be used: %1\n(%2)").arg(problem, textPath);
    SysInfo = table.texts;
    Edition = table.edition;

    loadHighScores();

    return pictureProblem(mediaFolder, QStringLiteral("back.gif"));
}

StartScreen::StartScreen(GameWindow& mainWindow, QWidget* parent)
    : StartScreen([&mainWindow]() -> GameWindow& { return mainWindow; }, parent)
{
}

StartScreen::StartScreen(std::function<GameWindow&()> mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), gameWindow_(std::move(mainWindow))
{
    setObjectName(QStringLiteral("startScreen"));
    setFixedSize(640, 480);
    setWindowIcon(programIcon());
    // The caption is the text table's title alone, with nothing added by the desktop.
    QGuiApplication::setApplicationDisplayName(SysInfo[1]);
    setWindowTitle(SysInfo[1]);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPointSizeF(9);
    setFont(windowFont);
    setAttribute(Qt::WA_OpaquePaintEvent);

    picture_ = loadPicture(mediaPath(QStringLiteral("game.gif")));

    addButton("ptms", 300, 45, "aa");
    addButton("tzms", 350, 40, "bb");
    addButton("tcyx", 395, 40, "cc");

    centreOnScreen(this);
}

void StartScreen::addButton(const char* name, int top, int height, const char* code)
{
    // The same pictures and click as the buttons of the game window.
    auto* button = new ImageButton(QString::fromLatin1(name), gameButtons(), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(260, top, 140, height);
    const QString choice = QString::fromLatin1(code);
    connect(button, &ImageButton::pressed, this, [this, choice] { ChooseMode(choice); });
}

void StartScreen::ChooseMode(const QString& code)
{
    if (chosen_)
        return;
    GameWindow& gameWindow = gameWindow_();
    gameWindow.applyVolumeLevels(loadVolumeLevels());
    if (code == QLatin1String("aa") || code == QLatin1String("bb")) {
        chosen_ = true;
        GameMode = code == QLatin1String("aa") ? kNormalGame : kChallengeGame;
        gameWindow.pressNewGame();
        gameWindow.show();
        close();
    } else if (code == QLatin1String("cc")) {
        chosen_ = true;
        gameWindow.close();
        gameWindow.endRun();
        close();
    }
}

void StartScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, picture_);
}

void StartScreen::closeEvent(QCloseEvent* event)
{
    // Closed from outside before any choice: that is the quit choice.
    if (!chosen_)
        ChooseMode(QStringLiteral("cc"));
    event->accept();
}

} // namespace velko
