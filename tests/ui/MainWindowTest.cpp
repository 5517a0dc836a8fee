// The main window during play: the selection marker, a whole move, the
// counting score and the end of a game; the preview is drawn with the
// pictures at the screen's density (DensePicturesTest).

#include "ScriptedRandom.h"
#include "WindowTestSupport.h"

namespace velko::test {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, AClickedBallWearsTheMarkerAndAMoveDrawsItInItsNewCellAndBringsThePreviewedBalls)
{
    auto session = startedSession();
    setBoard(*session, [](int c, int r) { return c == 4 && r == 6 ? 3 : c + r == 0 ? 5 : 0; });
    auto* marker = part<QLabel>(*session, "marker");
    for (auto [column, row, mark] : {std::tuple{0, 0, "T5"}, {4, 6, "T3"}}) {
        clickCell(*session, column, row);
        ASSERT_TRUE(session->game().selection());
        EXPECT_EQ(session->game().selection()->from, (Cell{column, row}));
        EXPECT_TRUE(marker->isVisible());
        EXPECT_EQ(marker->geometry(), QRect(30 + column * 45, 38 + row * 45, 45, 45));
        EXPECT_EQ(rgb(marker->pixmap().toImage()), cellPicture(mark));
    }
    clickCell(*session, 6, 7);   // the purple ball walks there
    EXPECT_EQ(session->game().board()[6][7], Colour::Purple);
    EXPECT_FALSE(session->game().selection() || marker->isVisible());
    EXPECT_EQ(session->game().emptyCellCount(), kCells * kCells - 5);
    expectBoardShowsGame(*session);
    EXPECT_NE(std::find(sleeps.begin(), sleeps.end(), 150), sleeps.end());   // waits through the desktop
    clickCell(*session, 0, 0);
    clickCell(*session, 0, 0, Qt::RightButton);   // ends the selection
    EXPECT_FALSE(session->game().selection() || marker->isVisible());
}

TEST_F(MainWindowTest, AScoredLineLeavesTheScreenOnceTheClickIsHandledAndAfterAnExpose)
{
    auto session = startedSession();
    // Four blue balls in row 2 and a fifth at (4, 6): moving it into the gap scores the row.
    setBoard(*session, [](int c, int r) { return (r == 2 && c != 4 && c < 5) || (c == 4 && r == 6) ? 1 : 0; });
    QCoreApplication::processEvents();
    clickCell(*session, 4, 6);
    clickCell(*session, 4, 2);
    ASSERT_EQ(session->game().emptyCellCount(), kCells * kCells);
    // What the window system holds for the window, not a fresh paint of it.
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        GameWindow& window = session->window();
        return rgb(window.screen()->grabWindow(window.winId()).toImage()).copy(layout::kBoard.rect());
    };
    for (const char* when : {"after the click", "after an expose"}) {
        const QImage shown = onScreen();
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(shown.copy(column * 45, 2 * 45, 45, 45), cellPicture(cellPictures::emptyCell(column, 2)))
                << when << ", column " << column;
        session->window().hide();
        session->window().show();
    }
}

TEST_F(MainWindowTest, ScoreCountsUpAPointATickCentredAndTheClockRestsOnceTheScoreIsReached)
{
    // The new game, with every ball purple and no joker, and its tune; then
    // the new balls of the move that removes nothing go to (8, 8), (8, 7) and
    // (7, 8), clear of the line, and the next preview.
    const auto cell = [](int index) { return (8 - index + 0.5f) / 9; };
    ScriptedRandom scripted;
    for (int draw = 0; draw < 3 * 4 + 3 * 2 + 1; ++draw)
        scripted.add(0.4f);
    scripted.add({cell(8), cell(8), cell(8), cell(7), cell(7), cell(8)});
    for (int draw = 0; draw < 3 * 2; ++draw)
        scripted.add(0.4f);
    random = &scripted;
    auto session = startedSession();
    QTimer* clock = part<QTimer>(*session, "scoreClock");
    EXPECT_FALSE(clock->isActive()) << "nothing to count at 0";
    EXPECT_EQ(clock->interval(), 40) << "a point every 40 ms";
    const auto expectShown = [&](int points) {
        for (const layout::Place& place : {layout::kScore, layout::kScoreShadow}) {
            auto* label = part<QLabel>(*session, place.name);
            EXPECT_EQ(label->text(), QString::number(points));
            EXPECT_NEAR(label->x() + label->width() / 2.0, place.x, 1.0) << points;
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        }
    };
    // Four in row 0 and a fifth to move in: a line of five, 15 points each time;
    // then a move that removes nothing.
    const auto fourAndOne = [](int c, int r) { return (r == 0 && c < 4) || (c == 8 && r == 8) ? 2 : 0; };
    for (auto [to, points] : {std::pair{4, 15}, {4, 30}, {7, 30}}) {
        setBoard(*session, fourAndOne);
        clickCell(*session, 8, 8);
        clickCell(*session, to, to == 4 ? 0 : 7);
        ASSERT_EQ(session->game().score(), points);
        EXPECT_EQ(clock->isActive(), to == 4) << points;
        tick(clock, to == 4 ? 15 : 0);
        EXPECT_FALSE(clock->isActive()) << points;
        expectShown(points);
        EXPECT_TRUE(session->gameRunning());
    }
    EXPECT_EQ(scripted.remaining(), 0u);
    // Any board click sets the clock going; a wider score stays centred.
    session->game().setScore(1000, session->game().shownScore());
    clickCell(*session, 0, 0, Qt::RightButton);
    tick(clock, 970);
    expectShown(1000);
}

TEST_F(MainWindowTest, LastMoveWipesTheEndPictureAndStopsTheGame)
{
    for (bool highScore : {false, true}) {
        data.highScores[7].points =
            highScore ? -1 : data.highScores[7].points;   // -1: even a score of 0 makes the table
        auto session = startedSession();
        // Full, no line of five, empty only at (8, 7), (7, 8) and (8, 8):
        // moving (6, 8) right leaves no room for three new balls.
        setBoard(*session, [](int c, int r) { return c + r >= 15 ? 0 : (c + 3 * r) % 6 + 1; });
        BoardView* board = boardOf(*session);
        const QImage before = pixels(board);
        // The name is typed into the entry: its spaces are the name's, not the game window's.
        auto answer = onDialogs(highScore ? ownedBy(&session->window(),
                                                    [](QDialog& dialog) {
                                                        QTest::keyClicks(part(dialog, "name"), "Al Bo");
                                                        press(part(dialog, "okButton"));
                                                    })
                                          : nullptr);
        clickCell(*session, 6, 8);
        clickCell(*session, 7, 8);
        const QImage end(mediaPath(QString::fromLatin1(highScore ? "cmd.gif" : "gameover.gif")));
        ASSERT_EQ(end.size(), QSize(kBoardPixels, kBoardPixels));
        QImage wiped = before;   // the end picture from row 1 down
        QPainter(&wiped).drawImage(QPoint(0, 1), rgb(end), QRect(0, 1, kBoardPixels, kBoardPixels - 1));
        EXPECT_EQ(pixels(board), wiped) << highScore;
        EXPECT_FALSE(session->gameRunning() || part<QTimer>(*session, "scoreClock")->isActive() || board->isEnabled());
        EXPECT_EQ(session->game().emptyCellCount(), 3);
        EXPECT_FALSE(QFile::exists(savedGamePath(GameKind::Normal))) << "a game over is nothing to take up again";
        EXPECT_FALSE(session->window().isMinimized());
        const auto entered = [](const ScoreRecord& record) { return record.name == "Al Bo" && record.points == 0; };
        EXPECT_EQ(std::any_of(data.highScores.begin(), data.highScores.end(), entered), highScore);
        // The dead board takes no clicks; a new game asks nothing.
        clickCell(*session, 0, 0);
        EXPECT_FALSE(session->game().selection());
        answer = onDialogs();
        press(part(*session, "newGameButton"));
        EXPECT_TRUE(session->gameRunning() && board->isEnabled());
        EXPECT_GE(session->game().emptyCellCount(), 78);
        expectBoardShowsGame(*session);
    }
}

}   // namespace velko::test
