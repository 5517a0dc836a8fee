// What stands in for the window frame (the two questions, closing,
// minimising, the edition-2 web page and hidden board), the start screen, and
// the clear report of a broken media folder.

#include "WindowTestSupport.h"

namespace velko::test {

using ChromeTest = WindowTest;

TEST_F(ChromeTest, NewGameQuestionNoLeavesEverythingYesStartsAfresh)
{
    for (bool yes : {false, true}) {
        auto session = startedSession();
        Game& game = session->game();
        game.setScore(4, game.shownScore());
        clickCell(*session, 0, 0, Qt::RightButton);
        tick(part<QTimer>(*session, "scoreClock"), 4);   // fully counted up: the clock rests during the question
        setBoard(*session, [](int c, int r) { return c == r ? c % 6 + 1 : 0; });
        clickCell(*session, 2, 2);
        auto* score = part<QLabel>(*session, "score");
        const auto snapshot = [&] {
            return std::tuple{game.board(),
                              game.selection(),
                              game.nextColours(),
                              game.score(),
                              score->text(),
                              boardOf(*session)->image(),
                              session->window().surface(),
                              session->gameRunning(),
                              part(*session, "marker")->isVisible()};
        };
        const auto before = snapshot();
        const auto answer = onDialogs(ownedBy(&session->window(), pressing(yes ? "yesButton" : "noButton")));
        press(part(*session, "newGameButton"));
        EXPECT_EQ(snapshot() == before, !yes);
        EXPECT_EQ(score->text(), QString::fromLatin1(yes ? "0" : "4"));
        EXPECT_EQ(!game.selection(), yes);
    }
}

// Yes to the quit question, which ends the run with both files written, is
// played through by the end-to-end tests.
TEST_F(ChromeTest, QuitNoKeepsPlayingClosingFromOutsideSavesTheLevelsOnce)
{
    auto session = startedSession();
    {
        const auto answer = onDialogs(ownedBy(&session->window(), pressing("noButton")));
        press(part(*session, "closeButton"));
    }
    EXPECT_TRUE(!bothFilesWritten() && programEnds == 0 && session->window().isVisible() && session->gameRunning());
    session->window().applyVolumeLevels(VolumeLevels{17, 23});
    session->window().close();
    const VolumeLevels saved = readSettings(settingsFilePath());
    EXPECT_TRUE(bothFilesWritten() && saved.effects == 17 && saved.music == 23);
    QFile::remove(settingsFilePath());
    session->endRun();   // the end of the run happens once
    EXPECT_FALSE(QFile::exists(settingsFilePath()));
    EXPECT_EQ(programEnds, 1);
}

TEST_F(ChromeTest, ALogoutBeforeTheStartChoiceSavesTheTableButLeavesTheLevelsNotYetRead)
{
    ASSERT_TRUE(writeSettings(settingsFilePath(), VolumeLevels{7, 9}));
    auto session = makeSession();
    EXPECT_EQ(session->saveNow().problem(), QString());   // what the session's save asks
    const VolumeLevels kept = readSettings(settingsFilePath());
    EXPECT_TRUE(kept.effects == 7 && kept.music == 9 && QFile::exists(gameInfoFilePath()));
}

TEST_F(ChromeTest, DraggingTheBackgroundWithTheLeftButtonAloneMovesTheWindowOncePerPress)
{
    auto session = startedSession();
    const auto drag = [&](Qt::MouseButtons held, int moves) {
        mouse(&session->window(), QEvent::MouseButtonPress, {470, 460}, Qt::LeftButton, held);
        for (int step = 1; step <= moves; ++step)
            moveTo(&session->window(), {470.0 + step, 460}, held);
    };
    // The buttons held, the moves made, and how often the window moves.
    const std::tuple<Qt::MouseButtons, int, int> drags[] = {{Qt::LeftButton, 5, 1},
                                                            {Qt::LeftButton, 1, 1},
                                                            {Qt::RightButton, 3, 0},
                                                            {Qt::LeftButton | Qt::RightButton, 3, 0}};
    for (const auto& [held, moves, windowMovesSeen] : drags) {
        windowMoves = 0;
        drag(held, moves);
        EXPECT_EQ(windowMoves, windowMovesSeen) << int(held) << " " << moves;
    }
}

TEST_F(ChromeTest, SpaceAndTheMinimiseButtonMinimiseAndRestTheTune)
{
    auto session = startedSession();
    QTest::keyClick(part(*session, "newGameButton"), Qt::Key_A);
    EXPECT_FALSE(session->window().isMinimized());
    for (QWidget* target : {part(*session, "newGameButton"), static_cast<QWidget*>(boardOf(*session)),
                            part(*session, "minimiseButton")}) {
        target->objectName() == "minimiseButton" ? press(target) : QTest::keyClick(target, Qt::Key_Space);
        EXPECT_TRUE(session->window().isMinimized()) << target->objectName().toStdString();
        EXPECT_EQ(sound.heard.back(), "pause");
        session->window().showNormal();
        EXPECT_EQ(sound.heard.back(), "resume");
    }
}

TEST_F(ChromeTest, OtherEditionsOpenTheMakersPageAndHelpHidesTheBoardTillAReleaseInsideIt)
{
    data.edition = 2;
    auto session = startedSession();
    press(part(*session, "webButton"));
    // With no address set for the build, the page about the game in our own help.
    QUrl about = QUrl::fromLocalFile(applicationFolder() + "/help.html");
    about.setFragment("about");
    EXPECT_EQ(urls, std::vector{about});
    QFile help(about.toLocalFile());
    EXPECT_TRUE(help.open(QIODevice::ReadOnly) && help.readAll().contains("id=\"about\""));
    // With nothing on the desktop to open it, the player is told which page failed.
    opens = false;
    QString told;
    const auto answer = onDialogs([&told](QDialog& dialog) {
        told = part<QLabel>(dialog, "message")->text().remove(QChar(0x200B));   // the long path's breaks
        press(part(dialog, "okButton"));
    });
    press(part(*session, "webButton"));
    EXPECT_TRUE(told.contains(QDir::toNativeSeparators(about.toLocalFile()))) << told.toStdString();
    BoardView* board = boardOf(*session);
    press(part(*session, "helpButton"));
    press(part(*session, "helpButton"));
    EXPECT_FALSE(board->isHidden());   // the second press brings it back
    // Releases on the boundary or outside leave it hidden; any button one pixel inside restores it.
    const std::tuple<QPoint, Qt::MouseButton, bool> releases[] = {
        {{30, 200}, Qt::LeftButton, false},  {{200, 38}, Qt::LeftButton, false}, {{435, 200}, Qt::LeftButton, false},
        {{200, 443}, Qt::LeftButton, false}, {{31, 39}, Qt::RightButton, true},  {{434, 442}, Qt::LeftButton, true}};
    press(part(*session, "helpButton"));
    for (const auto& [at, button, restores] : releases) {
        EXPECT_TRUE(board->isHidden());
        QTest::mouseClick(&session->window(), button, Qt::NoModifier, at);
        EXPECT_EQ(board->isHidden(), !restores) << at.x() << ", " << at.y();
        if (restores)
            press(part(*session, "helpButton"));
    }
}

// X11 reports minimised and restored states; Wayland reports neither, only
// that the window lost or got its activation, and Qt takes a minimise it
// asked for back at once. Events: A the game asks to minimise, m n x the
// state reported (minimised, normal, maximised), d a deactivation, a an
// activation, i a press or key on the window. Heard: + away, - back.
TEST(MinimiseWatch, TheTuneRestsWhileTheWindowIsAwayOnX11AndOnWayland)
{
    const std::tuple<bool, const char*, const char*, bool> cases[] = {
        {true, "Amn", "+-", false},  {true, "xn", "+-", false},       {true, "Am", "+", true},
        {true, "Ad", "", false},     {false, "Amnda", "+-", false},   {false, "Amn", "", false},
        {false, "Amnid", "", false}, {false, "Amnd", "+", true},      {false, "xn", "+-", false},
        {false, "dAn", "", false},   {false, "Amndxna", "+-", false}, {false, "Amdm", "+", true}};
    for (const auto& [x11, events, heard, minimised] : cases) {
        MinimiseWatch watch(x11);
        std::string told;
        watch.onChange = [&told](bool away) { told += away ? '+' : '-'; };
        for (const char* e = events; *e; ++e) {
            switch (*e) {
            case 'A': watch.minimiseAsked(); break;
            case 'm': watch.stateChanged(Qt::WindowMinimized); break;
            case 'n': watch.stateChanged(Qt::WindowNoState); break;
            case 'x': watch.stateChanged(Qt::WindowMaximized); break;
            case 'd': watch.activationChanged(false); break;
            case 'a': watch.activationChanged(true); break;
            case 'i': watch.inputArrived(); break;
            }
        }
        EXPECT_EQ(told, heard) << (x11 ? "X11 " : "Wayland ") << events;
        EXPECT_EQ(watch.minimised(), minimised) << (x11 ? "X11 " : "Wayland ") << events;
    }
}

class StartScreenTest : public WindowTest {
protected:
    // The session's start screen: a full click on `button`, `act` answering
    // what it asks; the screen is gone after.
    void chooseAtStart(GameSession& session, const char* button, std::function<void(QDialog&)> act = {})
    {
        StartScreen& start = session.startScreen();
        start.show();
        const auto answer = onDialogs(std::move(act));
        press(part(start, button));
        QCoreApplication::processEvents();   // the choice is carried out once the press is over
        EXPECT_FALSE(start.isVisible()) << button;
    }
};

TEST_F(StartScreenTest, ButtonsStartFiveOrEightColoursOrEndTheProgramWithBothFilesWritten)
{
    for (auto [button, mode] : {std::pair{"normalGameButton", 3}, {"challengeButton", 0}, {"quitButton", -1}}) {
        TearDown();
        ASSERT_TRUE(mode < 0 || writeSettings(settingsFilePath(), VolumeLevels{7, 9}));
        data.highScores[0].points = 4321;
        data.kind = mode == 0 ? GameKind::Normal : GameKind::Challenge;
        auto session = makeSession();
        sound.heard.clear();
        chooseAtStart(*session, button);
        EXPECT_EQ(sound.heard.front(), "click") << "the button's click";
        // A new game sounds and starts a tune; the quit shuts the sound down.
        const std::string& last = sound.heard.back();
        EXPECT_TRUE(mode < 0 ? last == "shut down" : last.rfind("tune ", 0) == 0 && last.size() == 6) << last;
        EXPECT_EQ(std::count(sound.heard.begin(), sound.heard.end(), "new game"), mode < 0 ? 0 : 1);
        EXPECT_EQ(programEnds, mode < 0 ? 1 : 0) << button;
        EXPECT_TRUE(mode >= 0 || bothFilesWritten());
        EXPECT_EQ(session->window().isVisible() && session->gameRunning(), mode >= 0);
        if (mode < 0)
            continue;
        EXPECT_TRUE(session->game().kind() == (mode == 3 ? GameKind::Normal : GameKind::Challenge));
        EXPECT_EQ(part<QLabel>(*session, "bestScore")->text(), QStringLiteral("4321"));
        EXPECT_TRUE(part<LevelBar>(*session, "effectsBar")->level() == 7 && sound.effectsLevel() == 7 &&
                    sound.musicLevel() == 9);
        // Each bar sets its own level.
        QTest::mouseClick(part(*session, "musicBar"), Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
        QTest::mouseClick(part(*session, "effectsBar"), Qt::LeftButton, Qt::NoModifier, QPoint(12, 5));
        EXPECT_TRUE(sound.musicLevel() == 30 && sound.effectsLevel() == 12);
        expectBoardShowsGame(*session);
    }
}

// The start screen's quit when nothing can be saved: the player is told, and
// the program then ends well, closing every window as Qt's quit does.
TEST_F(StartScreenTest, AQuitWhoseSaveFailsIsToldAndTheProgramEndsWell)
{
    QTemporaryDir home;
    QFile blocker(home.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker.fileName() + "/data"));
    ASSERT_FALSE(runStartUp(mediaFolder(), data).done() && data.savedFiles.readProblems().isEmpty());
    auto session = makeSession();
    session->desktop().endProgram = [this] {
        ++programEnds;
        QApplication::closeAllWindows();
    };
    QString told;
    chooseAtStart(*session, "quitButton", [&told](QDialog& dialog) {
        told = part<QLabel>(dialog, "message")->text();
        press(part(dialog, "okButton"));
    });
    qputenv("XDG_DATA_HOME", dataHome);
    EXPECT_TRUE(told.contains("Nothing could be saved")) << told.toStdString();
    EXPECT_EQ(programEnds, 1);
}

// A game left running (a crash, a kill, a quit) is offered back when its kind
// is chosen again: Yes takes it up as it stood, No (or a damaged file, which is
// told and kept aside) starts afresh in its place.
TEST_F(StartScreenTest, AGameLeftRunningIsOfferedBackYesTakesItUpNoStartsAfresh)
{
    const auto choose = [this](std::function<void(QDialog&)> act) {
        auto session = makeSession();
        chooseAtStart(*session, "normalGameButton", act ? ownedBy(&session->window(), act) : act);
        return session;
    };
    {
        auto left = choose(nullptr);
        setBoard(*left, [](int c, int r) { return c == 4 && r == 6 ? 3 : c + r == 0 ? 5 : 0; });
        clickCell(*left, 4, 6);
        clickCell(*left, 6, 7);      // a turn: the ball moves and three new balls come
        left->game().setScore(27);   // as if lines had scored before
        clickCell(*left, 0, 0);
        clickCell(*left, 0, 1);
        ASSERT_EQ(left->game().score(), 27);
    }   // the program dies here, without the end of its run
    const SavedGame kept = data.savedFiles.loadGame(GameKind::Normal).game;
    QString asked;
    auto taken = choose([&asked](QDialog& dialog) {
        asked = part<QLabel>(dialog, "message")->text();
        press(part(dialog, "yesButton"));
    });
    EXPECT_EQ(asked, "Continue the game you left (27 points)?");
    EXPECT_TRUE(taken->game().board() == kept.board && taken->game().nextColours() == kept.nextColours &&
                taken->game().score() == 27 && taken->game().shownScore() == 27 && taken->gameRunning());
    EXPECT_EQ(sound.heard.back().rfind("tune ", 0), 0u) << "a tune starts";
    taken.reset();
    auto fresh = choose(pressing("noButton"));
    EXPECT_TRUE(fresh->game().score() == 0 && fresh->game().emptyCellCount() >= 78);
    EXPECT_EQ(data.savedFiles.loadGame(GameKind::Normal).game.board, fresh->game().board())
        << "the new game in its place";
    fresh.reset();
    // A damaged file is told once and kept aside; a new game starts.
    QFile damaged(savedGamePath(GameKind::Normal));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("velko-lines game 1\nkind normal\n") > 0);
    damaged.close();
    QString told;
    auto afresh = choose([&told](QDialog& dialog) {
        told = part<QLabel>(dialog, "message")->text().remove(QChar(0x200B));
        press(part(dialog, "okButton"));
    });
    EXPECT_TRUE(told.contains(savedGamePath(GameKind::Normal)) && told.contains(".damaged")) << told.toStdString();
    EXPECT_TRUE(afresh->gameRunning() && afresh->game().score() == 0);
    QFile::remove(savedGamePath(GameKind::Normal) + ".damaged");
}

TEST_F(StartScreenTest, BrokenMediaFolderIsReportedByName)
{
    const QByteArray table = "2\r\n" + QByteArray("00text\r\n").repeated(75);   // edition 2 and enough texts
    // A file gone, unusable or no picture; the last folder is whole and starts, in edition 2.
    const std::pair<const char*, QByteArray> damages[] = {
        {"sysinfo.txt", {}}, {"back.gif", {}}, {"game.gif", "not a picture"}, {"sysinfo.txt", table}};
    for (const auto& [name, contents] : damages) {
        QTemporaryDir folder;
        for (const char* file : {"sysinfo.txt", "game.gif", "back.gif"})
            ASSERT_TRUE(QFile::copy(mediaPath(QString::fromLatin1(file)), folder.filePath(QString::fromLatin1(file))));
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(contents.isEmpty() ? file.remove() : file.open(QIODevice::WriteOnly) && file.write(contents) > 0);
        file.close();
        GameData started;
        const QString report = runStartUp(folder.path(), started).problem();
        const bool whole = contents.startsWith('2');
        EXPECT_EQ(report.contains(QString::fromLatin1(name)), !whole) << name << ": " << contents.left(9).constData();
        EXPECT_TRUE(!whole || (report.isEmpty() && started.edition == 2)) << report.toStdString();
    }
}

}   // namespace velko::test
