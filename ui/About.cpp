#include "About.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QPainter>
#include <QTimer>

#include "DataPaths.h"
#include "Form1.h"
#include "KorvBut.h"
#include "Pictures.h"
#include "ProgramState.h"
#include "SavedFiles.h"
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

QString RunStartUp(const QString& mediaFolder)
{
    if (QString problem = pictureProblem(mediaFolder, QStringLiteral("game.gif")); !problem.isEmpty())
        return problem;

    const QString textPath = mediaFolder + QStringLiteral("/sysinfo.txt");
    TextTable table;
    if (const QString problem = readTextTable(textPath, table); !problem.isEmpty())
        return QStringLiteral("The text table sysinfo.txt cannot be used: %1\n(%2)").arg(problem, textPath);
    SysInfo = table.texts;
    Edition = table.edition;

    LoadHiScoreTable();

    return pictureProblem(mediaFolder, QStringLiteral("back.gif"));
}

About::About(Form1& mainWindow, QWidget* parent)
    : About([&mainWindow]() -> Form1& { return mainWindow; }, mainWindow.buttons(), parent)
{
}

About::About(std::function<Form1&()> mainWindow, const ButtonContext& buttons, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), form1_(std::move(mainWindow)), buttons_(buttons)
{
    setObjectName(QStringLiteral("about"));
    setFixedSize(640, 480);
    setWindowIcon(programIcon());
    setWindowTitle(SysInfo[1]);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPointSizeF(9);
    setFont(windowFont);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Held in the picture's own palette of at most 256 colours: a quarter of
    // the memory of full colour, and the same pixels on the screen.
    picture_ = loadPicture(mediaPath(QStringLiteral("game.gif")));
    if (picture_.colorCount() == 0) {
        const QImage palette = picture_.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        if (palette.convertToFormat(picture_.format()) == picture_)
            picture_ = palette;
    }

    addButton("ptms", 300, 45, "aa");
    addButton("tzms", 350, 40, "bb");
    addButton("tcyx", 395, 40, "cc");

    centreOnScreen(this);
}

void About::addButton(const char* name, int top, int height, const char* code)
{
    // The same pictures and click as the buttons of the game window.
    auto* button = new KorvBut(QString::fromLatin1(name), buttons_, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(260, top, 140, height);
    const QString choice = QString::fromLatin1(code);
    connect(button, &KorvBut::MouseDown, this, [this, choice] { ChooseMode(choice); });
}

void About::ChooseMode(const QString& code)
{
    if (chosen_)
        return;
    const bool game = code == QLatin1String("aa") || code == QLatin1String("bb");
    const bool quit = code == QLatin1String("cc");
    if (game || quit) {
        chosen_ = true;
        letGoOfTheScreen();   // before the main window takes its memory
    }
    Form1& form1 = form1_();
    form1.ApplyVolumeLevels(LoadVolumeLevels());
    if (game) {
        GameMode = code == QLatin1String("aa") ? kNormalGame : kChallengeGame;
        form1.newgame_MouseDown();
        form1.show();
        close();
    } else if (quit) {
        form1.close();
        form1.EndRun();
        close();
    }
}

void About::letGoOfTheScreen()
{
    // The start screen is never shown again: its picture and, once the event
    // in hand is over, its window surface are given back before the game
    // window takes its own.
    picture_ = QImage();
    QTimer::singleShot(0, this, [this] { destroy(); });
}

void About::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, picture_);
}

void About::closeEvent(QCloseEvent* event)
{
    // Closed from outside before any choice: that is the quit choice.
    if (!chosen_)
        ChooseMode(QStringLiteral("cc"));
    event->accept();
}

} // namespace velko
