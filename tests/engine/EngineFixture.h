#pragma once
// A game on a recording screen with scripted random values, and helpers to
// lay out boards and read back what the screen saw.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "Game.h"
#include "RecordingScreen.h"
#include "ScriptedRandom.h"

namespace velko {

inline std::ostream& operator<<(std::ostream& out, const Cell& cell)
{
    return out << '(' << cell.column << ',' << cell.row << ')';
}

using Rows = std::vector<std::string>;
using Events = std::vector<std::string>;

// The random value that picks outcome `value` of "n - floor(n * r)", in the middle of its range.
inline float Pick(int n, int value)
{
    return (static_cast<float>(n - value) + 0.5f) / static_cast<float>(n);
}
// The value that picks board index i from "8 - floor(9 * r)".
inline float Index(int i)
{
    return Pick(9, i + 1);
}

// An empty board with one ball of colour 3.
inline Rows BallAt(Cell cell)
{
    Rows rows(kCells, std::string(kCells, '.'));
    rows[cell.row][cell.column] = '3';
    return rows;
}

class EngineTest : public ::testing::Test {
protected:
    RecordingScreen screen;
    ScriptedRandom random;
    Game game{screen, random};

    // Nine strings of nine characters, row 0 first; '.' is empty.
    void setBoard(const Rows& rows)
    {
        for (int row = 0; row < kCells; ++row)
            for (int column = 0; column < kCells; ++column)
                game.board[column][row] =
                    rows[row].at(column) == '.' ? Colour::Empty : ColourNumbered(rows[row][column] - '0');
    }

    // Left clicks on the ball and then on the target; returns the events of the move click only.
    Events move(Cell from, Cell to)
    {
        for (const Cell cell : {from, to}) {
            screen.events.clear();
            game.pressBoard(kLeftButton, cell.column * kCellSize + 20.0f, cell.row * kCellSize + 20.0f);
        }
        return screen.events;
    }

    // The cells the ball was drawn on during a move, target last: the ball
    // drawings that come before the line blink and the pause after the move.
    static std::vector<Cell> journey(const Events& events)
    {
        std::vector<Cell> cells;
        for (const std::string& event : events) {
            if (event == "sound 15" || event == "sleep 150")
                break;
            int c = 0, r = 0, v = 0;
            if (std::sscanf(event.c_str(), "draw %d %d %d", &c, &r, &v) == 3 && v != 0)
                cells.push_back({c, r});
        }
        return cells;
    }
};

}   // namespace velko
