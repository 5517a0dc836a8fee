#include "SelfPlay.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>

#include "Game.h"
#include "RecordingScreen.h"

namespace velko {

namespace {

constexpr int kTurnLimit = 20000;
constexpr std::size_t kFaultLimit = 5;

struct Move {
    Cell from;
    Cell to;
    std::int32_t distance;   // steps of the shortest route
};

// Steps from `from` to every cell over empty cells; -1 where unreachable.
Grid<std::int32_t> distancesFrom(const Grid<Colour>& board, Cell from)
{
    Grid<std::int32_t> distance;
    for (auto& column : distance)
        column.fill(-1);
    std::vector<Cell> queue{from};
    distance[from.column][from.row] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const Cell cell = queue[head];
        const Cell around[4] = {{cell.column - 1, cell.row},
                                {cell.column, cell.row - 1},
                                {cell.column + 1, cell.row},
                                {cell.column, cell.row + 1}};
        for (const Cell& next : around) {
            if (next.column < 0 || next.column >= kCells || next.row < 0 || next.row >= kCells)
                continue;
            if (board[next.column][next.row] != Colour::Empty || distance[next.column][next.row] >= 0)
                continue;
            distance[next.column][next.row] = distance[cell.column][cell.row] + 1;
            queue.push_back(next);
        }
    }
    return distance;
}

// The empty cells split into regions joined orthogonally. A ball may go to
// every cell of the regions that touch it, and to no other.
struct Regions {
    Grid<std::int32_t> label;               // region of an empty cell, -1 on a ball
    std::vector<std::vector<Cell>> cells;   // the cells of each region

    explicit Regions(const Grid<Colour>& board)
    {
        for (auto& column : label)
            column.fill(-1);
        for (std::int32_t c = 0; c < kCells; ++c)
            for (std::int32_t r = 0; r < kCells; ++r) {
                if (board[c][r] != Colour::Empty || label[c][r] >= 0)
                    continue;
                const std::int32_t id = static_cast<std::int32_t>(cells.size());
                cells.emplace_back();
                std::vector<Cell>& region = cells.back();
                region.push_back({c, r});
                label[c][r] = id;
                for (std::size_t head = 0; head < region.size(); ++head) {
                    const Cell at = region[head];
                    const Cell around[4] = {{at.column - 1, at.row},
                                            {at.column, at.row - 1},
                                            {at.column + 1, at.row},
                                            {at.column, at.row + 1}};
                    for (const Cell& next : around)
                        if (next.column >= 0 && next.column < kCells && next.row >= 0 && next.row < kCells &&
                            board[next.column][next.row] == Colour::Empty && label[next.column][next.row] < 0) {
                            label[next.column][next.row] = id;
                            region.push_back(next);
                        }
                }
            }
    }

    // The regions next to a ball, each once.
    std::vector<std::int32_t> touching(Cell ball) const
    {
        std::vector<std::int32_t> ids;
        const Cell around[4] = {{ball.column - 1, ball.row},
                                {ball.column, ball.row - 1},
                                {ball.column + 1, ball.row},
                                {ball.column, ball.row + 1}};
        for (const Cell& next : around) {
            if (next.column < 0 || next.column >= kCells || next.row < 0 || next.row >= kCells)
                continue;
            const std::int32_t id = label[next.column][next.row];
            if (id >= 0 && std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
        }
        return ids;
    }
};

std::vector<Cell> ballsOn(const Grid<Colour>& board)
{
    std::vector<Cell> balls;
    for (std::int32_t c = 0; c < kCells; ++c)
        for (std::int32_t r = 0; r < kCells; ++r)
            if (board[c][r] != Colour::Empty)
                balls.push_back({c, r});
    return balls;
}

// A run of five balls in a row, a column or a diagonal that share a colour,
// the joker matching every colour, as its first cell and colours; none if
// there is none. Jokers alone make no line.
std::optional<std::string> runOfFive(const Grid<Colour>& board)
{
    static constexpr int kDirections[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            for (const auto& d : kDirections) {
                if (!onBoard({c + 4 * d[0], r + 4 * d[1]}))
                    continue;
                Colour shared = Colour::Joker;
                bool run = true;
                for (int i = 0; i < 5 && run; ++i) {
                    const Colour colour = board[c + i * d[0]][r + i * d[1]];
                    if (colour == Colour::Empty ||
                        (colour != Colour::Joker && shared != Colour::Joker && colour != shared))
                        run = false;
                    else if (colour != Colour::Joker)
                        shared = colour;
                }
                if (!run || shared == Colour::Joker)
                    continue;
                std::string text = std::to_string(c) + "," + std::to_string(r) + ":";
                for (int i = 0; i < 5; ++i)
                    text += " " + std::to_string(numberOf(board[c + i * d[0]][r + i * d[1]]));
                return text;
            }
    return std::nullopt;
}

class SelfPlayer {
public:
    SelfPlayer(std::uint32_t seed, SelfPlaySummary& summary)
        : random_(seed),
          picker_(seed ^ 0x9e3779b9u),
          summary_(summary)
    {}

    void playGame(std::int64_t index)
    {
        RecordingScreen screen;
        Game game(screen, random_);
        game.setKind(index % 2 == 0 ? GameKind::Normal : GameKind::Challenge);
        game.startGame();
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
            Move move{};
            if (!pickMove(game.board(), true, move)) {
                fault(index, turn, "no legal move on a running game");
                return;
            }
            const Grid<Colour> before = game.board();

            game.press(move.from, MouseButton::Left);
            screen.events.clear();
            game.press(move.to, MouseButton::Left);
            summary_.turns += 1;
            summary_.moves += 1;

            checkJourney(screen.events, before, move, index, turn);
            listed += static_cast<std::int64_t>(game.removals().size());
            summary_.ballsRemoved += static_cast<std::int64_t>(game.removals().size());
            checkCells(game, index, turn);
            if (static_cast<std::int64_t>(game.score()) != 3 * listed)
                fault(index, turn, "score " + std::to_string(game.score()) + " is not 3 x " + std::to_string(listed));
            if (game.selection())
                fault(index, turn, "a ball is still selected after the move");
            screen.events.clear();
        }
        summary_.games += 1;
        summary_.lines += game.linesFound();
        if (game.score() > summary_.maxScore)
            summary_.maxScore = game.score();
        if (game.emptyCellCount() > 3)
            fault(index, -1, "the game ended with more than three empty cells");
    }

private:
    // A random ball and a random empty cell that it can reach (or, with
    // `reachable` false, cannot reach). False when there is no such pair.
    bool pickMove(const Grid<Colour>& board, bool reachable, Move& move)
    {
        const Regions regions(board);
        std::vector<Cell> balls = ballsOn(board);
        std::shuffle(balls.begin(), balls.end(), picker_);
        for (const Cell& ball : balls) {
            const std::vector<std::int32_t> near = regions.touching(ball);
            std::vector<std::int32_t> chosen;
            for (std::int32_t id = 0; id < static_cast<std::int32_t>(regions.cells.size()); ++id)
                if ((std::find(near.begin(), near.end(), id) != near.end()) == reachable)
                    chosen.push_back(id);
            std::size_t targets = 0;
            for (const std::int32_t id : chosen)
                targets += regions.cells[id].size();
            if (targets == 0)
                continue;
            std::size_t pick = std::uniform_int_distribution<std::size_t>(0, targets - 1)(picker_);
            for (const std::int32_t id : chosen) {
                if (pick < regions.cells[id].size()) {
                    move.from = ball;
                    move.to = regions.cells[id][pick];
                    break;
                }
                pick -= regions.cells[id].size();
            }
            move.distance = reachable ? distancesFrom(board, move.from)[move.to.column][move.to.row] : -1;
            return true;
        }
        return false;
    }

    // Picks a ball and an empty cell it cannot reach, if there is such a
    // pair, and checks that the move is refused without a trace on the board.
    bool tryRefusedMove(Game& game, RecordingScreen& screen, std::int64_t index, int turn)
    {
        Move move{};
        if (!pickMove(game.board(), false, move))
            return false;
        const Grid<Colour> before = game.board();
        game.press(move.from, MouseButton::Left);
        screen.events.clear();
        game.press(move.to, MouseButton::Left);
        summary_.turns += 1;
        if (game.board() != before)
            fault(index, turn, "a refused move changed the board");
        if (screen.events != std::vector<std::string>{"sound 12", "marker off"})
            fault(index, turn, "a refused move did more than sound 12 and hide the marker");
        if (game.selection())
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
        for (const auto& column : game.board())
            for (const Colour colour : column)
                if (numberOf(colour) < 0 || numberOf(colour) > 8)
                    fault(index, turn, "cell value " + std::to_string(numberOf(colour)));
        if (game.kind() == GameKind::Normal)
            for (const auto& column : game.board())
                for (const Colour colour : column)
                    if (colour == Colour::Orange || colour == Colour::Red)
                        fault(index, turn, "colour " + std::to_string(numberOf(colour)) + " in a five-colour game");
        if (const std::optional<std::string> run = runOfFive(game.board()))
            fault(index, turn, "a run of five is left on the board: " + *run);
    }

    // The ball must walk a shortest route of empty cells, one cell per frame,
    // and land on the target.
    void checkJourney(const std::vector<std::string>& events, const Grid<Colour>& before, const Move& move,
                      std::int64_t index, int turn)
    {
        const int colour = numberOf(before[move.from.column][move.from.row]);
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
            if (c < 0 || c >= kCells || r < 0 || r >= kCells || (!isTarget && before[c][r] != Colour::Empty))
                fault(index, turn, "the ball passed an occupied or off-board cell");
            at = {c, r};
            ++steps;
            if (isTarget)
                break;
        }
        if (at.column != move.to.column || at.row != move.to.row)
            fault(index, turn, "the ball did not arrive");
        else if (steps != move.distance)
            fault(index, turn,
                  "journey of " + std::to_string(steps) + " steps, shortest is " + std::to_string(move.distance));
        if (move.distance > 47)
            summary_.longRouteSteps += move.distance - 47;
    }

    SystemRandom random_;
    std::mt19937 picker_;
    SelfPlaySummary& summary_;
};

}   // namespace

SelfPlaySummary playSelfGames(std::int64_t games, std::uint32_t seed)
{
    SelfPlaySummary summary;
    SelfPlayer player(seed, summary);
    for (std::int64_t index = 0; index < games && summary.faults.size() < kFaultLimit; ++index)
        player.playGame(index);
    return summary;
}

std::string describeSummary(const SelfPlaySummary& summary)
{
    std::ostringstream text;
    text << "games " << summary.games << ", turns " << summary.turns << ", moves " << summary.moves
         << ", lines removed " << summary.lines << ", balls removed " << summary.ballsRemoved << ", max score "
         << summary.maxScore << ", long-route steps " << summary.longRouteSteps << ", faults " << summary.faults.size();
    return text.str();
}

}   // namespace velko
