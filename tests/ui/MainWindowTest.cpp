// The main window during play: its layout, the selection marker, a whole move
// on the real window, the preview beside the board and the counting score.

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "DataPaths.h"
#include "KorvBut.h"
#include "LevelBar.h"
#include "ProgramState.h"
#include "Sound.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using MainWindowTest = WindowTest;

// Clears the board and puts the given balls on it, drawn, nothing selected.
void setBoard(Form1& window, const std::vector<std::array<int, 3>>& balls)
{
    Game& game = window.game();
    game.Board = {};
    for (const auto& [column, row, value] : balls)
        game.Board[column][row] = value;
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            game.ShowXY(c, r, game.Board[c][r]);
    game.HidePic();
    boardOf(window)->refresh();
}

TEST_F(MainWindowTest, WindowIsABorderlessPictureWithEveryControlInItsPlace)
{
    auto window = makeWindow();
    EXPECT_EQ(window->size(), QSize(640, 480));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), SysInfo[1]);
    EXPECT_FALSE(window->windowIcon().isNull());

    const struct { const char* name; QRect place; } layout[] = {
        {"PictureBox0", {30, 38, 405, 405}}, {"newgame", {526, 105, 72, 32}}, {"phbt", {526, 141, 72, 32}},
        {"web", {515, 175, 93, 32}},         {"help", {536, 211, 52, 30}},    {"min", {597, 5, 8, 10}},
        {"ex", {616, 5, 10, 10}},            {"Picture4_1", {560, 436, 50, 10}},
        {"Picture4_0", {560, 460, 50, 10}},
    };
    for (const auto& control : layout) {
        QWidget* widget = part(*window, control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), control.place) << control.name;
    }
    for (const char* name : {"newgame", "phbt", "web", "help", "min", "ex"})
        EXPECT_NE(part<KorvBut>(*window, name), nullptr) << name;
    EXPECT_EQ(part(*window, "Picture2")->size(), QSize(45, 45));
    EXPECT_TRUE(part(*window, "Picture2")->isHidden());

    auto* timer = part<QTimer>(*window, "Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 40);
    EXPECT_FALSE(timer->isActive());

    // The window's face is back.gif.
    const QImage back(mediaPath(QStringLiteral("back.gif")));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(window->surface().copy(0, 0, back.width(), back.height()), back.convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowTest, ScoreLabelsHaveTheirFontsAndColours)
{
    auto window = makeWindow();
    auto* score = part<QLabel>(*window, "Label1_0");
    auto* shadow = part<QLabel>(*window, "Label1_1");
    auto* best = part<QLabel>(*window, "Label3");
    ASSERT_TRUE(score && shadow && best);

    EXPECT_EQ(score->font().family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(score->font().pointSizeF(), 15.75);
    EXPECT_TRUE(score->font().bold());
    EXPECT_TRUE(score->font().italic());
    EXPECT_TRUE(shadow->font().bold());
    EXPECT_FALSE(shadow->font().italic());
    EXPECT_EQ(score->palette().color(QPalette::WindowText), QColor(255, 222, 0));
    EXPECT_EQ(shadow->palette().color(QPalette::WindowText), QColor(205, 183, 41));
    EXPECT_EQ(best->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(best->font().family(), QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(best->font().pointSizeF(), 9.0);
    EXPECT_EQ(best->geometry().topLeft(), QPoint(556, 53));

    // The shadow lies behind the score: the score is the later sibling.
    const QObjectList& children = window->children();
    EXPECT_LT(children.indexOf(shadow), children.indexOf(score));
}

TEST_F(MainWindowTest, NewGameSetsBestScoreAndStartsTheClock)
{
    HiScore[0].Points = 4321;
    auto window = startedWindow();
    EXPECT_EQ(part<QLabel>(*window, "Label3")->text(), QStringLiteral("4321"));
    EXPECT_EQ(part<QLabel>(*window, "Label3")->geometry().topLeft(), QPoint(556, 53));
    EXPECT_TRUE(part<QTimer>(*window, "Timer1")->isActive());
    EXPECT_TRUE(boardOf(*window)->isEnabled());
    EXPECT_EQ(part<QLabel>(*window, "Label1_0")->text(), QStringLiteral("0"));
    EXPECT_EQ(part<QLabel>(*window, "Label1_1")->text(), QStringLiteral("0"));
    EXPECT_EQ(window->game().GameMode, 3);
    expectBoardShowsGame(*window);
}

TEST_F(MainWindowTest, ClickOnBallSelectsItAndLaysTheMarkerOverIt)
{
    auto window = startedWindow();
    setBoard(*window, {{{4, 6, 3}}, {{0, 0, 5}}});

    clickCell(*window, 4, 6);

    EXPECT_EQ(window->game().Sel[0], 4);
    EXPECT_EQ(window->game().Sel[2], 6);
    auto* marker = part<QLabel>(*window, "Picture2");
    ASSERT_NE(marker, nullptr);
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->geometry(), QRect(30 + 4 * 45, 38 + 6 * 45, 45, 45));
    EXPECT_EQ(marker->pixmap().toImage().convertToFormat(QImage::Format_RGB32), cellPicture(QStringLiteral("T3")));

    // A click on the marker reaches the ball beneath: another ball takes the selection.
    clickCell(*window, 0, 0);
    EXPECT_EQ(window->game().Sel[0], 0);
    EXPECT_EQ(marker->geometry().topLeft(), QPoint(30, 38));
    EXPECT_EQ(marker->pixmap().toImage().convertToFormat(QImage::Format_RGB32), cellPicture(QStringLiteral("T5")));

    // The right button ends the selection and takes the marker away.
    clickCell(*window, 0, 0, Qt::RightButton);
    EXPECT_EQ(window->game().Sel[0], kNoSelection);
    EXPECT_FALSE(marker->isVisible());
}

TEST_F(MainWindowTest, MoveEndsWithTheBallDrawnInItsNewCell)
{
    auto window = startedWindow();
    setBoard(*window, {{{1, 1, 2}}});

    clickCell(*window, 1, 1);
    clickCell(*window, 6, 7);

    const Game& game = window->game();
    EXPECT_EQ(game.Board[6][7], 2);
    EXPECT_EQ(shownCell(*boardOf(*window), 6, 7), cellPicture(QStringLiteral("I2")));
    EXPECT_FALSE(part(*window, "Picture2")->isVisible());
    // The three previewed balls came, and everything drawn matches the game.
    int balls = 0;
    for (const auto& column : game.Board)
        for (std::int32_t value : column)
            balls += value != 0;
    EXPECT_EQ(balls, 4);
    expectBoardShowsGame(*window);
    // The turn waited through the desktop, never really.
    EXPECT_FALSE(log.sleeps.empty());
    EXPECT_NE(std::find(log.sleeps.begin(), log.sleeps.end(), 150), log.sleeps.end());
}

TEST_F(MainWindowTest, PreviewShowsTheNextColoursAtTheirThreePlaces)
{
    auto window = startedWindow(0);
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const Game& game = window->game();
    for (int slot = 0; slot < 3; ++slot) {
        const PreviewSlot& place = kPreviewSlots[slot];
        const QString name = QStringLiteral("%1%2").arg(QChar(place.family).toUpper()).arg(game.NextColor[slot]);
        EXPECT_EQ(shown.copy(place.x, place.y, kCellSize, kCellSize), cellPicture(name)) << "slot " << slot;
    }
    EXPECT_EQ(kPreviewSlots[0].x, 500);
    EXPECT_EQ(kPreviewSlots[1].y, 317);
    EXPECT_EQ(kPreviewSlots[2].x, 491);

    // After a move that removes nothing the new preview is what the window shows.
    setBoard(*window, {{{8, 8, 1}}});
    clickCell(*window, 8, 8);
    clickCell(*window, 0, 0);
    const QImage after = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int slot = 0; slot < 3; ++slot) {
        const PreviewSlot& place = kPreviewSlots[slot];
        const QString name = QStringLiteral("%1%2").arg(QChar(place.family).toUpper()).arg(game.NextColor[slot]);
        EXPECT_EQ(after.copy(place.x, place.y, kCellSize, kCellSize), cellPicture(name)) << "slot " << slot;
    }
}

TEST_F(MainWindowTest, ScoreLabelsCountUpOnTicksAndStayCentred)
{
    auto window = startedWindow();
    auto* score = part<QLabel>(*window, "Label1_0");
    auto* shadow = part<QLabel>(*window, "Label1_1");
    QTimer* timer = part<QTimer>(*window, "Timer1");
    const auto centre = [](QLabel* label) { return label->x() + label->width() / 2.0; };

    EXPECT_NEAR(centre(score), 557, 1.0);
    EXPECT_NEAR(centre(shadow), 559, 1.0);
    EXPECT_EQ(score->y(), 70);
    EXPECT_EQ(shadow->y(), 72);
    const int oneDigitWidth = score->width();

    window->game().Score = 12;
    tick(timer);
    EXPECT_EQ(score->text(), QStringLiteral("1"));
    EXPECT_EQ(shadow->text(), QStringLiteral("1"));
    for (int i = 0; i < 20; ++i)
        tick(timer);
    EXPECT_EQ(score->text(), QStringLiteral("12"));
    EXPECT_EQ(shadow->text(), QStringLiteral("12"));
    EXPECT_GT(score->width(), oneDigitWidth);
    EXPECT_NEAR(centre(score), 557, 1.0);
    EXPECT_NEAR(centre(shadow), 559, 1.0);

    window->game().Score = 1000;
    window->game().ShownScore = 995;
    for (int i = 0; i < 5; ++i)
        tick(timer);
    EXPECT_EQ(score->text(), QStringLiteral("1000"));
    EXPECT_NEAR(centre(score), 557, 1.0);
    EXPECT_NEAR(centre(shadow), 559, 1.0);
    EXPECT_GE(score->width(), score->fontMetrics().horizontalAdvance(QStringLiteral("1000")));
}

TEST_F(MainWindowTest, LevelBarsDriveTheSoundLevels)
{
    auto window = startedWindow();
    auto* effects = part<LevelBar>(*window, "Picture4_0");
    auto* music = part<LevelBar>(*window, "Picture4_1");
    ASSERT_TRUE(effects && music);

    window->ApplyVolumeLevels(VolumeLevels{12, 34});
    EXPECT_EQ(effects->level(), 12);
    EXPECT_EQ(music->level(), 34);
    EXPECT_EQ(EffectsLevel(), 12);
    EXPECT_EQ(MusicLevel(), 34);

    QTest::mousePress(effects, Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    QTest::mouseRelease(effects, Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    EXPECT_EQ(EffectsLevel(), effects->level());
    EXPECT_EQ(MusicLevel(), 34);
    QTest::mousePress(music, Qt::LeftButton, Qt::NoModifier, QPoint(40, 5));
    QTest::mouseRelease(music, Qt::LeftButton, Qt::NoModifier, QPoint(40, 5));
    EXPECT_EQ(MusicLevel(), music->level());
    EXPECT_NE(MusicLevel(), 34);
}

} // namespace
} // namespace velko::test
