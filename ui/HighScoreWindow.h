#pragma once
// The high-score window: rank, name, points and date of the eight best results.

#include "GameData.h"
#include "ImageButton.h"

namespace velko {

// Builds the window afresh from the high-score table and shows it modally over `owner`.
void showHighScores(QWidget* owner, const GameData& data, const ButtonContext& buttons);

}   // namespace velko
