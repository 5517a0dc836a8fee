#include "GameSession.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QSessionManager>

#include "GameLog.h"
#include "MessageDialog.h"

namespace velko {

namespace {

constexpr int kScoreTickMs = 40;

}   // namespace

GameSession::GameSession(GameData& data, SoundPlayer& sound, RandomSource& random)
    : data_(data),
      sound_(sound),
      random_(random),
      buttons_(gameButtons(sound)),
      startScreen_(data, buttons_)
{
    desktop_.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    desktop_.endProgram = [] { QCoreApplication::quit(); };
    connect(&startScreen_, &StartScreen::chosen, this, &GameSession::takeStartChoice);

    scoreClock_ = new QTimer(this);
    scoreClock_->setObjectName(QStringLiteral("scoreClock"));
    scoreClock_->setInterval(kScoreTickMs);
    connect(scoreClock_, &QTimer::timeout, this, [this] {
        game_->tickScore();
        runScoreClockWhileCounting();
    });

    // Logging out: save when the session manager asks, end the run when the
    // program is told to quit.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        if (const Outcome saved = saveNow(); !saved.done())
            qCWarning(gameLog, "%s", qUtf8Printable(saved.problem()));
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { endFromOutside(); });
}

GameSession::~GameSession() = default;

void GameSession::begin()
{
    startScreen_.show();
    if (const QString problems = data_.savedFiles.readProblems(); !problems.isEmpty()) {
        QTimer::singleShot(0, &startScreen_, [this, problems] {
            showMessage(&startScreen_, data_.text(Text::Title), problems, MessageButtons::Ok, buttons_);
        });
    }
}

GameWindow& GameSession::window()
{
    if (!window_) {
        window_ = std::make_unique<GameWindow>(data_, sound_, buttons_);
        game_ = std::make_unique<Game>(*window_, random_);
        GameWindow* window = window_.get();
        connect(window, &GameWindow::boardPressed, this, &GameSession::pressBoard);
        connect(window, &GameWindow::newGamePressed, this, &GameSession::pressNewGame);
        connect(window, &GameWindow::quitPressed, this, &GameSession::pressQuit);
        connect(window, &GameWindow::helpPressed, this, &GameSession::pressHelp);
        connect(window, &GameWindow::webPagePressed, this, &GameSession::pressWebPage);
        connect(window, &GameWindow::recordMade, this, &GameSession::enterRecord);
        connect(window, &GameWindow::closing, this, &GameSession::endRun);
        connect(window, &GameWindow::scoreTimerSwitched, this, [this](bool on) {
            gameRunning_ = on;
            runScoreClockWhileCounting();
        });
    }
    return *window_;
}

Game& GameSession::game()
{
    window();
    return *game_;
}

void GameSession::takeStartChoice(StartChoice choice)
{
    GameWindow& shown = window();
    shown.applyVolumeLevels(data_.savedFiles.loadVolumeLevels());
    levelsKnown_ = true;
    if (choice == StartChoice::Quit) {
        shown.close();
        endRun();
        return;
    }
    data_.kind = choice == StartChoice::NormalGame ? GameKind::Normal : GameKind::Challenge;
    const SavedGameRead left = data_.savedFiles.loadGame(data_.kind);
    if (left.outcome != SavedGameRead::Read) {
        startNewGame();
        shown.show();
        if (left.outcome != SavedGameRead::Missing)
            shown.tellPlayer(left.reason, MessageButtons::Ok);   // the file is kept aside, so this is told once
        return;
    }
    // The game left at the last run stands on the board while the player is asked.
    shown.hideMarker();
    game_->resumeGame(left.game.kind, left.game.board, left.game.nextColours, left.game.score);
    shown.showBestScore();
    lastKept_ = left.game;
    shown.show();
    offerLeftGame(left.game.score);
}

void GameSession::offerLeftGame(std::int32_t score)
{
    QString question = data_.text(Text::ContinueQuestion);
    if (question.isEmpty())
        question = QStringLiteral("Continue the game you left (%1 points)?");
    if (question.contains(QLatin1String("%1")))
        question = question.arg(QLocale::system().toString(score));
    if (window().tellPlayer(question, MessageButtons::YesNo) == Answer::Yes)
        sound_.startTune(tuneFor(random_.next()));
    else
        startNewGame();   // which takes the left game's place on disk
}

void GameSession::pressBoard(std::optional<Cell> cell, MouseButton button)
{
    game_->press(cell, button);
    runScoreClockWhileCounting();   // a line may have scored
    keepGame();                     // the board is still: the turn is over
}

void GameSession::pressNewGame()
{
    // A running game is only thrown away on a clear Yes.
    if (gameRunning_ && window().tellPlayer(data_.text(Text::NewGameQuestion), MessageButtons::YesNo) != Answer::Yes)
        return;
    startNewGame();
}

void GameSession::startNewGame()
{
    GameWindow& shown = window();
    shown.hideMarker();
    levelsKnown_ = true;   // a game is played with the bars as the player sets them
    game_->setKind(data_.kind);
    game_->startGame();
    shown.showBestScore();
    sound_.startTune(tuneFor(random_.next()));
    keepGame();
}

void GameSession::runScoreClockWhileCounting()
{
    // A clock with nothing left to count would wake the program 25 times a
    // second for nothing; at the end of a game the shown score stays where it stands.
    if (gameRunning_ && game_->shownScore() < game_->score()) {
        if (!scoreClock_->isActive())
            scoreClock_->start();
    } else {
        scoreClock_->stop();
    }
}

}   // namespace velko
