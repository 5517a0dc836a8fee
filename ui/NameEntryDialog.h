#pragma once
// The name entry for a new high score.

#include <cstdint>

#include "GameData.h"
#include "ImageButton.h"

namespace velko {

// Asks the player's name over `owner` (the nameless player's name when left
// empty) and puts the score into the high-score table at its rank, dated now.
void enterNewRecord(QWidget* owner, std::int32_t score, GameData& data, const ButtonContext& buttons);

}   // namespace velko
