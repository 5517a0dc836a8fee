#pragma once
// The game's own message dialog: a text, then OK, or Yes and No.

#include <QString>

#include "ImageButton.h"

namespace velko {

constexpr int kStyleYesNo = 16;
constexpr int kAnswerNo = 8;
constexpr int kAnswerOk = 16;
constexpr int kAnswerYes = 64;

// Shows the dialog modally and returns 64 Yes, 8 No or 16 OK (also kept in BoxResult).
int showMessage(const QString& text, int style, const ButtonContext& buttons);

} // namespace velko
