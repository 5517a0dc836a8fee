#include "EngineFixture.h"

#include <set>

namespace velko {
namespace {

class LineRemoval : public EngineTest {
protected:
    // Runs the line check as a move's arrival does (fresh marks, empty list)
    // and checks what any removal must do: 3 points an entry, the listed
    // cells emptied and nothing else touched. The blink is in the golden traces.
    void arrive(Cell at, std::size_t entries, std::size_t distinct)
    {
        Grid<Colour> after = game.board;
        game.score = 0;
        game.marked = {};
        game.removals.clear();
        game.collectLinesThrough(at);
        game.blinkAndRemove();
        ASSERT_EQ(game.removals.size(), entries);
        std::set<std::pair<int, int>> cells;
        for (const Cell cell : game.removals) {
            cells.insert({cell.column, cell.row});
            after[cell.column][cell.row] = Colour::Empty;
        }
        EXPECT_EQ(cells.size(), distinct);
        EXPECT_EQ(game.score, 3 * static_cast<std::int32_t>(entries));
        EXPECT_EQ(game.board, after);
    }
};

TEST_F(LineRemoval, ListsAndScoresOfTheLinesThroughTheArrivingBall)
{
    struct Run {
        int column, row, dc, dr;
        std::string balls;
    };   // '.' leaves a cell as it is
    struct Case {
        std::vector<Run> runs;
        Cell at;
        std::size_t entries, distinct;
        std::vector<std::string> list;
    };
    const Case cases[] = {
        {{{2, 4, 1, 0, "2222"}}, {5, 4}, 0, 0, {}},
        {{{2, 4, 1, 0, "11111"}}, {6, 4}, 5, 5, {"64", "54", "44", "34", "24"}},
        {{{0, 3, 0, 1, "55555"}}, {0, 5}, 5, 5, {"07", "06", "05", "04", "03"}},
        {{{0, 8, 1, 0, "333333333"}}, {0, 8}, 9, 9, {"48", "38", "28", "18", "08", "58", "68", "78", "88"}},
        {{{0, 4, 1, -1, "22222"}}, {2, 2}, 5, 5, {"40", "31", "22", "13", "04"}},
        {{{4, 8, 1, -1, "66666"}}, {6, 6}, 5, 5, {"84", "75", "66", "57", "48"}},
        {{{4, 0, 1, 1, "33333"}}, {8, 4}, 5, 5, {"84", "73", "62", "51", "40"}},
        {{{6, 8, 1, -1, "444"}, {4, 1, 1, -1, "44"}}, {7, 7}, 0, 0, {}},       // no wrap past the edge
        {{{0, 1, 1, 0, "22227"}}, {0, 1}, 5, 5, {}},                           // the joker goes along
        {{{2, 6, 1, 0, "44744"}}, {4, 6}, 10, 5, {}},                          // joker arriving in the gap
        {{{4, 4, 0, 0, "7"}, {0, 0, 0, 0, "1"}}, {4, 4}, 0, 0, {}},            // joker with no neighbours
        {{{2, 4, 1, 0, "11111"}, {2, 2, 1, 1, "11.11"}}, {4, 4}, 10, 9, {}},   // row and diagonal crossing
        {{{0, 3, 1, 0, "77777"}}, {2, 3}, 0, 0, {}},                           // jokers alone make no line
        {{{0, 3, 1, 0, "777778"}}, {5, 3}, 6, 6, {}},
        {{{1, 1, 1, 1, "11117"}}, {5, 5}, 5, 5, {}},   // the joker hands the check to a diagonal neighbour
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(::testing::Message() << "case " << i);
        game.board = {};
        for (const Run& run : cases[i].runs)
            for (int j = 0; j < static_cast<int>(run.balls.size()); ++j)
                if (run.balls[j] != '.')
                    game.board[run.column + run.dc * j][run.row + run.dr * j] = ColourNumbered(run.balls[j] - '0');
        arrive(cases[i].at, cases[i].entries, cases[i].distinct);
        if (!cases[i].list.empty()) {
            std::vector<std::string> listed;
            for (const Cell cell : game.removals)
                listed.push_back(std::to_string(cell.column) + std::to_string(cell.row));
            EXPECT_EQ(listed, cases[i].list);
        }
    }
}

TEST_F(LineRemoval, JokerChainsListFarMoreThan255Entries)
{
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            game.board[c][r] = ((c + r) % 2 == 0) ? Colour::Joker : Colour::Blue;
    game.collectLinesThrough({4, 4});
    EXPECT_GT(game.removals.size(), 255u);
    arrive({4, 4}, game.removals.size(), 81);
}

}   // namespace
}   // namespace velko
