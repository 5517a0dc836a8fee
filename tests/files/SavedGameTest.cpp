// The game in progress kept between runs: its file read back exactly, and
// every damaged, foreign or newer file told apart, set aside and never lost.

#include "PlayerHome.h"

#include <sys/stat.h>

using namespace velko;
using namespace velko::test;

namespace {

SavedGame aGame(GameKind kind = GameKind::Normal)
{
    SavedGame game;
    game.kind = kind;
    game.score = 1230;
    game.nextColours = {Colour::Green, Colour::Joker, Colour::Blue};
    for (int column = 0; column < kCells; ++column)
        game.board[column][(column * 4) % kCells] = static_cast<Colour>(column % 5 + 1);
    game.board[8][8] = Colour::Joker;
    if (kind == GameKind::Challenge)
        game.board[0][8] = Colour::Red, game.board[1][8] = Colour::Orange;
    return game;
}

using SavedGames = PlayerHome;

}   // namespace

TEST(SavedGameFile, AGameReadsBackExactlyAndEveryOtherFileIsToldApart)
{
    for (const GameKind kind : {GameKind::Normal, GameKind::Challenge}) {
        const QByteArray bytes = formatSavedGame(aGame(kind));
        const SavedGameRead read = parseSavedGame(bytes, kind);
        ASSERT_EQ(read.outcome, SavedGameRead::Read) << read.reason.toStdString();
        EXPECT_TRUE(read.game == aGame(kind));
        // Cut anywhere, it is damaged, never half a game.
        for (qsizetype cut = 0; cut < bytes.size(); ++cut)
            EXPECT_EQ(parseSavedGame(bytes.left(cut), kind).outcome, SavedGameRead::Damaged) << cut;
    }
    SavedGame bigScore = aGame(), negative = aGame(), foreignColour = aGame(), foreignNext = aGame();
    bigScore.score = INT32_MAX;
    negative.score = -3;
    foreignColour.board[4][4] = Colour::Red;   // the normal game deals no red
    foreignNext.nextColours[1] = Colour::Orange;
    QByteArray changed = formatSavedGame(aGame());
    changed[changed.indexOf("board") + 8] = '3';
    const std::tuple<const char*, QByteArray, SavedGameRead::Outcome> files[] = {
        {"highest score", formatSavedGame(bigScore), SavedGameRead::Read},
        {"negative score", formatSavedGame(negative), SavedGameRead::Damaged},
        {"a colour the game never deals", formatSavedGame(foreignColour), SavedGameRead::Damaged},
        {"a next colour it never deals", formatSavedGame(foreignNext), SavedGameRead::Damaged},
        {"a challenge game", formatSavedGame(aGame(GameKind::Challenge)), SavedGameRead::Damaged},
        {"a cell changed", changed, SavedGameRead::Damaged},
        {"a line more", formatSavedGame(aGame()) + "more\n", SavedGameRead::Damaged},
        {"a newer game", "velko-lines game 2\nwhatever it holds\n", SavedGameRead::Newer},
        {"no game", "velko-lines high scores\n", SavedGameRead::Damaged},
        {"empty", "", SavedGameRead::Damaged}};
    for (const auto& [what, bytes, outcome] : files) {
        const SavedGameRead read = parseSavedGame(bytes, GameKind::Normal);
        EXPECT_EQ(read.outcome, outcome) << what;
        EXPECT_EQ(read.reason.isEmpty(), outcome == SavedGameRead::Read) << what;
    }
}

TEST_F(SavedGames, AGameIsSavedPerKindReadBackAndRemoved)
{
    loadHighScores();
    EXPECT_EQ(saved.loadGame(GameKind::Normal).outcome, SavedGameRead::Missing);
    for (const GameKind kind : {GameKind::Normal, GameKind::Challenge})
        EXPECT_EQ(saved.saveGame(aGame(kind)).problem(), QString());
    for (const GameKind kind : {GameKind::Normal, GameKind::Challenge}) {
        const SavedGameRead read = saved.loadGame(kind);
        EXPECT_TRUE(read.outcome == SavedGameRead::Read && read.game == aGame(kind));
    }
    saved.removeGame(GameKind::Normal);
    EXPECT_EQ(saved.loadGame(GameKind::Normal).outcome, SavedGameRead::Missing);
    EXPECT_EQ(saved.loadGame(GameKind::Challenge).outcome, SavedGameRead::Read);
}

TEST_F(SavedGames, AnUnusableFileIsToldOnceAndKeptAsideAndTheNextStartIsClean)
{
    const QString path = folder_ + "/normal-game.sav";
    // A damaged file, a newer one, a folder and a FIFO in its place: none blocks or is lost.
    const std::function<void()> damages[] = {
        [&] { writeBytes(path, formatSavedGame(aGame()).replace("1230", "4230")); },
        [&] { writeBytes(path, "velko-lines game 9\n"); }, [&] { ASSERT_TRUE(QDir().mkdir(path)); },
        [&] { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0644), 0); }};
    for (const auto& damage : damages) {
        QFile::remove(path + ".damaged");
        QDir(path + ".damaged").removeRecursively();
        loadHighScores();
        damage();
        const SavedGameRead read = saved.loadGame(GameKind::Normal);
        EXPECT_NE(read.outcome, SavedGameRead::Read);
        EXPECT_TRUE(read.reason.contains(path) && read.reason.contains(".damaged")) << read.reason.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_TRUE(QFileInfo::exists(path + ".damaged"));
        EXPECT_EQ(saved.loadGame(GameKind::Normal).outcome, SavedGameRead::Missing);
    }
}
