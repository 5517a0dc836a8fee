#pragma once
// One game of Velko Lines: the 9 x 9 board and every rule of a turn. The
// fields and acts keep the names the game's code has always used (pinyin
// among them: Zeng "add", XiaoChu "remove", DongHua "animate", CeBu "count
// steps", ...). Everything runs synchronously on the caller's thread; the
// animations draw, refresh and sleep through the GameScreen.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "GameScreen.h"
#include "RandomSource.h"

namespace velko {

constexpr int kCells = 9;       // columns and rows
constexpr int kCellSize = 45;   // pixels of one cell
constexpr int kBoardPixels = kCells * kCellSize;
constexpr std::int32_t kJoker = 7;
constexpr std::int32_t kNoSelection = 255;
constexpr std::int32_t kNoRoute = 50;

// Mouse buttons as the board click receives them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// Direction codes of a step.
enum Direction : std::int32_t { kNone = 0, kLeft = 1, kUp = 2, kRight = 3, kDown = 4 };

// Window pixel positions of the three preview slots.
struct PreviewSlot { int x; int y; char family; };
constexpr std::array<PreviewSlot, 3> kPreviewSlots{{{500, 248, 'a'}, {572, 317, 'b'}, {491, 370, 'c'}}};

// A 9 x 9 table indexed [column][row], row 0 at the top.
template <typename T>
using Grid = std::array<std::array<T, kCells>, kCells>;

class Game {
public:
    Game(GameScreen& screen, RandomSource& random);

    // --- state of the running game ---
    Grid<std::int32_t> Board{};   // 0 empty, 1..8 a ball, 7 the joker
    Grid<bool> Visited{};         // scratch marks of floods and the joker spread
    Grid<bool> Reach{};           // result of a flood
    // from-column, to-column, from-row, to-row; from-column 255 = nothing selected
    std::array<std::int32_t, 4> Sel{kNoSelection, 0, 0, 0};
    std::array<std::int32_t, 2> FloodStart{};   // column, row of the selected ball
    std::int32_t BallCount = 0;
    Grid<std::int32_t> StepMemo{};   // route-length search memory
    std::int32_t BestSteps = 0;      // route-length search bound
    std::array<std::int32_t, 3> NextColor{1, 1, 1};
    std::int32_t Score = 0;
    std::int32_t ShownScore = 0;     // the number the score labels show
    std::uint8_t GameMode = 3;       // 3 normal game (5 colours), 0 challenge (8)
    // The removal list: one entry per cell to remove, column digit then row
    // digit ("34" = column 3, row 4). Entries may repeat.
    std::vector<std::string> List1;

    // The four direction scores (left, up, right, down) of the last step
    // choice, and whether that step had to follow the breadth-first route
    // because no score came below kNoRoute.
    std::array<std::int32_t, 4> StepScores{kNoRoute, kNoRoute, kNoRoute, kNoRoute};
    bool StepByLongRoute = false;
    // Runs of five or more found by the line check since the game began.
    std::int64_t LinesFound = 0;

    // --- cells and pictures ---
    void ShowXY(std::int32_t X, std::int32_t Y, std::int32_t iColor);
    std::uint8_t KongNum() const;   // empty cells
    void HidePic();
    void ShowPic(const std::string& PicName);

    // --- the turn ---
    void PictureBox0_MouseDown(int Button, int Shift, float X, float Y);
    void Timer1_Timer();

    // --- new balls ---
    std::uint8_t LuanNum(std::uint8_t temNum);
    void DsGe();
    void ToThree();
    void Zeng(std::uint8_t X);

    // --- path search ---
    bool IsOK(std::int32_t temX, std::int32_t temY);
    bool AreLJ(std::int32_t X, std::int32_t Y, std::int32_t fx);
    bool CeShi(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t fx);
    std::int32_t CeBu(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t BuShu);
    // The direction of the next step from (x, y), arrived by fx, towards the target.
    std::int32_t ChooseStep(std::int32_t x, std::int32_t y, std::int32_t fx, std::int32_t tx, std::int32_t ty);

    // --- move animation ---
    void DongHua(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t fx);

    // --- lines and scoring ---
    void RealXiaoChu(std::int32_t X, std::int32_t Y);
    void XiaoChu(std::int32_t X, std::int32_t Y);
    void HideXiaoChu();

    // --- a new game: fresh board, first balls, preview, score 0, timer and
    // board on, the new-game sound. The window asks the question before it and
    // shows the best score and starts the tune after it.
    void StartGame();

private:
    // floor(n * r) for a fresh random r, worked out in single precision.
    std::int32_t DrawBelow(std::int32_t n);
    // A random board index 0..8.
    std::int32_t RandomIndex();
    void ShowMarker(std::int32_t X, std::int32_t Y);
    void MakeMove();
    void GameOver();

    GameScreen& screen_;
    RandomSource& random_;
};

} // namespace velko
