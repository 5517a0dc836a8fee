#pragma once
// The high-score window: rank, name, points and date of the eight best results.

#include "ImageButton.h"

namespace velko {

// Builds the window afresh from HiScore and shows it modally.
void showHighScores(const ButtonContext& buttons);

} // namespace velko
