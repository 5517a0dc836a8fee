#include "ProgramState.h"

namespace velko {

std::array<QString, 100> SysInfo;
std::uint8_t Edition = 0;
std::uint8_t GameMode = 0;
ScoreTable HiScore;
QString InputName;
std::int32_t BoxResult = 0;

} // namespace velko
