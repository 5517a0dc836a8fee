#include "SelfPlay.h"

#include <cstdlib>
#include <random>
#include <sstream>

#include "Game.h"
#include "RecordingScreen.h"

namespace velko {

namespace {

constexpr int kTurnLimit = 20000;
constexpr std::size_t kFaultLimit = 5;

struct Cell {
    std::int32_t column;
    std::int32_t row;
};

struct Move {
    Cell from;
    Cell to;
    std::int32_t distance;   // steps of the shortest route
};

// Steps from `from` to every cell over empty cells; -1 where unreachable.
Grid<std::int32_t> Distances(const Grid<std::int32_t>& board, Cell from)
{
    Grid<std::int32_t> distance;
    for (auto& column : distance)
        column.fill(-1);
    std::vector<Cell> queue{from};
    distance[from.column][from.row] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const Cell cell = queue[head];
        const Cell around[4] = {{cell.column - 1, cell.row}, {cell.column, cell.row - 1},
                                {cell.column + 1, cell.row}, {cell.column, cell.row + 1}};
        for (const Cell& next : around) {
            if (next.column < 0 || next.column >= kCells || next.row < 0 || next.row >= kCells)
                continue;
            if (board[next.column][next.row] != 0 || distance[next.column][next.row] >= 0)
                continue;
            distance[next.column][next.row] = distance[cell.column][cell.row] + 1;
            queue.push_back(next);
        }
    }
    return distance;
}

std::vector<Move> LegalMoves(const Grid<std::int32_t>& board)
{
    std::vector<Move> moves;
    for (std::int32_t c = 0; c < kCells; ++c)
        for (std::int32_t r = 0; r < kCells; ++r) {
            if (board[c][r] == 0)
                continue;
            const Grid<std::int32_t> distance = Distances(board, {c, r});
            for (std::int32_t tc = 0; tc < kCells; ++tc)
                for (std::int32_t tr = 0; tr < kCells; ++tr)
                    if (board[tc][tr] == 0 && distance[tc][tr] > 0)
                        moves.push_back({{c, r}, {tc, tr}, distance[tc][tr]});
        }
    return moves;
}

float Centre(std::int32_t cell) { return static_cast<float>(cell * kCellSize + kCellSize / 2); }

class SelfPlayer {
public:
    SelfPlayer(std::uint32_t seed, SelfPlaySummary& summary)
        : random_(seed), picker_(seed ^ 0x9e3779b9u), summary_(summary) {}

    void playGame(std::int64_t index)
    {
        RecordingScreen screen;
        Game game(screen, random_);
        game.GameMode = (index % 2 == 0) ? 3 : 0;
        game.StartGame();
        checkCells(game, index, 0);
        std::int64_t listed = 0;

        for (int turn = 1; screen.boardEnabled; ++turn) {
            if (turn > kTurnLimit) {
                fault(index, turn, "the game did not end");
                return;
            }
            if (summary_.faults.size() >= kFaultLimit)
                return;
            if (std::uniform_int_distribution<int>(0, 7)(picker_) == 0 && tryRefusedMove(game, screen, index, turn))
                continue;
            const std::vector<Move> moves = LegalMoves(game.Board);
            if (moves.empty()) {
                fault(index, turn, "no legal move on a running game");
                return;
            }
            const Move move = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(picker_)];
            const Grid<std::int32_t> before = game.Board;

            game.PictureBox0_MouseDown(kLeftButton, 0, Centre(move.from.column), Centre(move.from.row));
            screen.events.clear();
            game.PictureBox0_MouseDown(kLeftButton, 0, Centre(move.to.column), Centre(move.to.row));
            summary_.turns += 1;
            summary_.moves += 1;

            checkJourney(screen.events, before, move, index, turn);
            listed += static_cast<std::int64_t>(game.List1.size());
            summary_.ballsRemoved += static_cast<std::int64_t>(game.List1.size());
            checkCells(game, index, turn);
            if (static_cast<std::int64_t>(game.Score) != 3 * listed)
                fault(index, turn, "score " + std::to_string(game.Score) + " is not 3 x " + std::to_string(listed));
            if (game.Sel[0] != kNoSelection)
                fault(index, turn, "a ball is still selected after the move");
            screen.events.clear();
        }
        summary_.games += 1;
        summary_.lines += game.LinesFound;
        if (game.Score > summary_.maxScore)
            summary_.maxScore = game.Score;
        if (game.KongNum() > 3)
            fault(index, -1, "the game ended with more than three empty cells");
    }

private:
    // Picks a ball and an empty cell it cannot reach, if there is such a
    // pair, and checks that the move is refused without a trace on the board.
    bool tryRefusedMove(Game& game, RecordingScreen& screen, std::int64_t index, int turn)
    {
        std::vector<Move> refused;
        for (std::int32_t c = 0; c < kCells; ++c)
            for (std::int32_t r = 0; r < kCells; ++r) {
                if (game.Board[c][r] == 0)
                    continue;
                const Grid<std::int32_t> distance = Distances(game.Board, {c, r});
                for (std::int32_t tc = 0; tc < kCells; ++tc)
                    for (std::int32_t tr = 0; tr < kCells; ++tr)
                        if (game.Board[tc][tr] == 0 && distance[tc][tr] < 0)
                            refused.push_back({{c, r}, {tc, tr}, -1});
            }
        if (refused.empty())
            return false;
        const Move move = refused[std::uniform_int_distribution<std::size_t>(0, refused.size() - 1)(picker_)];
        const Grid<std::int32_t> before = game.Board;
        game.PictureBox0_MouseDown(kLeftButton, 0, Centre(move.from.column), Centre(move.from.row));
        screen.events.clear();
        game.PictureBox0_MouseDown(kLeftButton, 0, Centre(move.to.column), Centre(move.to.row));
        summary_.turns += 1;
        if (game.Board != before)
            fault(index, turn, "a refused move changed the board");
        if (screen.events != std::vector<std::string>{"sound 12", "marker off"})
            fault(index, turn, "a refused move did more than sound 12 and hide the marker");
        if (game.Sel[0] != kNoSelection)
            fault(index, turn, "a ball is still selected after a refused move");
        screen.events.clear();
        return true;
    }

    void fault(std::int64_t game, int turn, const std::string& what)
    {
        if (summary_.faults.size() < kFaultLimit)
            summary_.faults.push_back("game " + std::to_string(game) + " turn " + std::to_string(turn) + ": " + what);
    }

    void checkCells(const Game& game, std::int64_t index, int turn)
    {
        for (const auto& column : game.Board)
            for (const std::int32_t value : column)
                if (value < 0 || value > 8)
                    fault(index, turn, "cell value " + std::to_string(value));
        if (game.GameMode == 3)
            for (const auto& column : game.Board)
                for (const std::int32_t value : column)
                    if (value == 6 || value == 8)
                        fault(index, turn, "colour " + std::to_string(value) + " in a five-colour game");
    }

    // The ball must walk a shortest route of empty cells, one cell per frame,
    // and land on the target.
    void checkJourney(const std::vector<std::string>& events, const Grid<std::int32_t>& before, const Move& move,
                      std::int64_t index, int turn)
    {
        const std::int32_t colour = before[move.from.column][move.from.row];
        Cell at = move.from;
        int steps = 0;
        for (const std::string& event : events) {
            if (event == "sound 15" || event == "sleep 150")
                break;
            int c = 0, r = 0, v = 0;
            if (std::sscanf(event.c_str(), "draw %d %d %d", &c, &r, &v) != 3 || v == 0)
                continue;
            if (v != colour)
                fault(index, turn, "the moving ball changed colour");
            if (std::abs(c - at.column) + std::abs(r - at.row) != 1)
                fault(index, turn, "the ball jumped to " + std::to_string(c) + "," + std::to_string(r));
            const bool isTarget = c == move.to.column && r == move.to.row;
            if (c < 0 || c >= kCells || r < 0 || r >= kCells || (!isTarget && before[c][r] != 0))
                fault(index, turn, "the ball passed an occupied or off-board cell");
            at = {c, r};
            ++steps;
            if (isTarget)
                break;
        }
        if (at.column != move.to.column || at.row != move.to.row)
            fault(index, turn, "the ball did not arrive");
        else if (steps != move.distance)
            fault(index, turn, "journey of " + std::to_string(steps) + " steps, shortest is " +
                                   std::to_string(move.distance));
        if (move.distance > 47)
            summary_.longRouteSteps += move.distance - 47;
    }

    SystemRandom random_;
    std::mt19937 picker_;
    SelfPlaySummary& summary_;
};

} // namespace

SelfPlaySummary PlaySelfGames(std::int64_t games, std::uint32_t seed)
{
    SelfPlaySummary summary;
    SelfPlayer player(seed, summary);
    for (std::int64_t index = 0; index < games && summary.faults.size() < kFaultLimit; ++index)
        player.playGame(index);
    return summary;
}

std::string DescribeSummary(const SelfPlaySummary& summary)
{
    std::ostringstream text;
    text << "games " << summary.games << ", turns " << summary.turns << ", moves " << summary.moves << ", lines removed "
         << summary.lines << ", balls removed " << summary.ballsRemoved << ", max score " << summary.maxScore
         << ", long-route steps " << summary.longRouteSteps << ", faults " << summary.faults.size();
    return text.str();
}

} // namespace velko
