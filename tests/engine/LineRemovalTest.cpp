#include "EngineFixture.h"

#include <set>

namespace velko {
namespace {

class LineRemoval : public EngineTest {
protected:
    // One batch as a move runs it: fresh marks, empty list, check, remove.
    void checkArrival(int column, int row)
    {
        game.Visited = {};
        game.List1.clear();
        game.RealXiaoChu(column, row);
        game.HideXiaoChu();
    }

    std::vector<std::string> list() const { return game.List1; }

    std::size_t distinctCells() const
    {
        return std::set<std::string>(game.List1.begin(), game.List1.end()).size();
    }

    void put(const std::string& cells, int row, int firstColumn = 0)
    {
        for (std::size_t i = 0; i < cells.size(); ++i)
            game.Board[firstColumn + static_cast<int>(i)][row] = cells[i] == '.' ? 0 : cells[i] - '0';
    }
};

using List = std::vector<std::string>;

TEST_F(LineRemoval, FourInALineIsNothing)
{
    put("2222", 4, 2);
    checkArrival(5, 4);
    EXPECT_TRUE(game.List1.empty());
    EXPECT_TRUE(screen.events.empty()) << "no sound and no pause";
    EXPECT_EQ(game.Score, 0);
}

TEST_F(LineRemoval, RowOfFiveIsListedColumnDigitFirstFromTheFarEnd)
{
    put("11111", 4, 2);
    checkArrival(6, 4);
    EXPECT_EQ(list(), (List{"64", "54", "44", "34", "24"}));
    EXPECT_EQ(game.Score, 15);
    EXPECT_EQ(game.KongNum(), 81);
}

TEST_F(LineRemoval, ColumnZeroEntriesKeepTheirLeadingZero)
{
    for (int row = 3; row <= 7; ++row)
        game.Board[0][row] = 5;
    checkArrival(0, 5);
    EXPECT_EQ(list(), (List{"07", "06", "05", "04", "03"}));
    EXPECT_EQ(game.KongNum(), 81) << "each entry reads back as column 0";
}

TEST_F(LineRemoval, FullRowOfNineScores27)
{
    put("333333333", 8);
    checkArrival(0, 8);
    EXPECT_EQ(list(), (List{"48", "38", "28", "18", "08", "58", "68", "78", "88"}));
    EXPECT_EQ(game.Score, 27);
}

TEST_F(LineRemoval, BothDiagonalsAreFoundUpToTheBoardEdge)
{
    for (int j = 0; j <= 4; ++j)
        game.Board[j][4 - j] = 2;   // running up-right, ending in the top edge
    checkArrival(2, 2);
    EXPECT_EQ(list(), (List{"40", "31", "22", "13", "04"}));

    for (int j = 4; j <= 8; ++j)
        game.Board[j][12 - j] = 6;   // the short diagonal in the bottom-right corner
    checkArrival(6, 6);
    EXPECT_EQ(list(), (List{"84", "75", "66", "57", "48"}));

    for (int j = 4; j <= 8; ++j)
        game.Board[j][j - 4] = 3;   // running down-right from the top edge
    checkArrival(8, 4);
    EXPECT_EQ(list(), (List{"84", "73", "62", "51", "40"}));
}

TEST_F(LineRemoval, DiagonalDoesNotWrapPastTheEdge)
{
    // Three balls at the foot of the diagonal through (7,7), and two at the
    // top-right that a row index taken modulo 9 would join to them.
    game.Board[6][8] = 4;
    game.Board[7][7] = 4;
    game.Board[8][6] = 4;
    game.Board[4][1] = 4;
    game.Board[5][0] = 4;
    checkArrival(7, 7);
    EXPECT_TRUE(game.List1.empty());
}

TEST_F(LineRemoval, BallCompletingFourAndAJokerTakesTheJokerAlong)
{
    put("22227", 1, 0);
    checkArrival(0, 1);
    EXPECT_EQ(game.List1.size(), 5u);
    EXPECT_EQ(game.Score, 15);
    EXPECT_EQ(game.Board[4][1], 0) << "the joker goes with its line";
}

TEST_F(LineRemoval, JokerInTheGapListsTheRowTwice)
{
    put("44744", 6, 2);
    checkArrival(4, 6);
    EXPECT_EQ(game.List1.size(), 10u);
    EXPECT_EQ(distinctCells(), 5u);
    EXPECT_EQ(game.Score, 30);
    EXPECT_EQ(game.KongNum(), 81);
}

TEST_F(LineRemoval, LoneJokerListsNothing)
{
    game.Board[4][4] = kJoker;
    game.Board[0][0] = 1;
    checkArrival(4, 4);
    EXPECT_TRUE(game.List1.empty());
    EXPECT_TRUE(screen.events.empty());
}

TEST_F(LineRemoval, RowAndDiagonalCrossingAtTheBall)
{
    put("11111", 4, 2);   // row 4, columns 2..6
    for (int j = 0; j <= 8; ++j)
        if (j != 4 && j >= 2 && j <= 6)
            game.Board[j][j] = 1;   // the down-right diagonal through (4,4)
    checkArrival(4, 4);
    EXPECT_EQ(game.List1.size(), 10u);
    EXPECT_EQ(distinctCells(), 9u);
    EXPECT_EQ(game.Score, 30);
    EXPECT_EQ(game.KongNum(), 81);
}

TEST_F(LineRemoval, FiveJokersCountOnlyForAnOrdinaryBallOnTheirLine)
{
    put("77777", 3, 0);
    checkArrival(2, 3);   // a joker arrives among jokers: they only hand the check on
    EXPECT_TRUE(game.List1.empty());

    game.Board[5][3] = 8;
    checkArrival(5, 3);
    EXPECT_EQ(game.List1.size(), 6u);
    EXPECT_EQ(game.Score, 18);
}

TEST_F(LineRemoval, JokerHandsTheCheckToDiagonalNeighbours)
{
    // A blue diagonal of four ending next to the arriving joker's up-left corner.
    for (int j = 1; j <= 4; ++j)
        game.Board[j][j] = 1;
    game.Board[5][5] = kJoker;
    checkArrival(5, 5);
    EXPECT_EQ(game.List1.size(), 5u);
    EXPECT_EQ(game.Board[5][5], 0);
}

TEST_F(LineRemoval, RemovalBlinksTwiceThenEmptiesWithoutARefresh)
{
    put("11111", 0, 0);
    checkArrival(0, 0);
    std::vector<std::string> expected{"sound 15"};
    for (int pass = 0; pass < 4; ++pass) {
        for (const std::string& entry : game.List1)
            expected.push_back(std::string("draw ") + entry[0] + ' ' + entry[1] + ' ' + (pass % 2 ? "1" : "0"));
        expected.push_back("refresh");
        expected.push_back("sleep 75");
    }
    for (const std::string& entry : game.List1)
        expected.push_back(std::string("draw ") + entry[0] + ' ' + entry[1] + " 0");
    EXPECT_EQ(screen.events, expected);
}

TEST_F(LineRemoval, RemovalListHasNoLengthLimit)
{
    // 300 entries of the same cell: far past what an 8-bit count could pass.
    game.Board[3][3] = 2;
    game.List1.assign(300, "33");
    game.HideXiaoChu();
    EXPECT_EQ(game.Score, 900);
    EXPECT_EQ(count("draw 3 3 0"), 2u * 300u + 300u);
    EXPECT_EQ(game.Board[3][3], 0);
}

TEST_F(LineRemoval, JokerChainsCanListEveryLineOfTheBoard)
{
    // A board packed with jokers and one colour: the spread reaches every ball
    // and the list grows far beyond 255 entries without harm.
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            game.Board[c][r] = ((c + r) % 2 == 0) ? kJoker : 1;
    checkArrival(4, 4);
    EXPECT_GT(game.List1.size(), 255u);
    EXPECT_EQ(game.Score, 3 * static_cast<std::int32_t>(game.List1.size()));
    EXPECT_EQ(game.KongNum(), 81);
}

} // namespace
} // namespace velko
