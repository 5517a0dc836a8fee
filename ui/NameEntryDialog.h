#pragma once
// The name entry for a new high score.

#include <cstdint>

#include "ImageButton.h"

namespace velko {

// Asks the player's name (InputName, SysInfo(14) when left empty) and puts the
// score into HiScore at its rank, dated now.
void enterNewRecord(std::int32_t score, const ButtonContext& buttons);

} // namespace velko
