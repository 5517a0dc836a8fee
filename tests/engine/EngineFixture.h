#pragma once
// A game on a recording screen with scripted random values, and helpers to
// lay out boards and read back what the screen saw.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Game.h"
#include "RecordingScreen.h"
#include "ScriptedRandom.h"

namespace velko {

struct CellPos {
    int column;
    int row;
    bool operator==(const CellPos& other) const { return column == other.column && row == other.row; }
};

inline std::ostream& operator<<(std::ostream& out, const CellPos& cell)
{
    return out << '(' << cell.column << ',' << cell.row << ')';
}

class EngineTest : public ::testing::Test {
protected:
    RecordingScreen screen;
    ScriptedRandom random;
    Game game{screen, random};

    // Nine strings of nine characters, row 0 first; '.' is empty.
    void setBoard(const std::vector<std::string>& rows)
    {
        ASSERT_EQ(rows.size(), 9u);
        for (int row = 0; row < kCells; ++row) {
            ASSERT_EQ(rows[row].size(), 9u);
            for (int column = 0; column < kCells; ++column) {
                const char c = rows[row][column];
                game.Board[column][row] = c == '.' ? 0 : c - '0';
            }
        }
    }

    void clickCell(int column, int row, int button = kLeftButton)
    {
        game.PictureBox0_MouseDown(button, 0, static_cast<float>(column * kCellSize + 20),
                                   static_cast<float>(row * kCellSize + 20));
    }

    // Selects the ball and sends it to the target; returns the events of the move click only.
    std::vector<std::string> move(CellPos from, CellPos to)
    {
        clickCell(from.column, from.row);
        screen.events.clear();
        clickCell(to.column, to.row);
        return screen.events;
    }

    std::size_t count(const std::string& event) const
    {
        return static_cast<std::size_t>(std::count(screen.events.begin(), screen.events.end(), event));
    }

    // The cells the ball was drawn on during a move, target last: the ball
    // drawings that come before the line blink and the pause after the move.
    static std::vector<CellPos> journey(const std::vector<std::string>& events)
    {
        std::vector<CellPos> cells;
        for (const std::string& event : events) {
            if (event == "sound 15" || event == "sleep 150")
                break;
            int c = 0, r = 0, v = 0;
            if (std::sscanf(event.c_str(), "draw %d %d %d", &c, &r, &v) == 3 && v != 0)
                cells.push_back({c, r});
        }
        return cells;
    }

    int emptyCells() const
    {
        int empty = 0;
        for (const auto& column : game.Board)
            for (const auto value : column)
                empty += value == 0;
        return empty;
    }
};

} // namespace velko
