#pragma once
// The game's own message dialog: a text, then OK, or Yes and No.

#include <QString>

#include "ImageButton.h"

namespace velko {

// Which answers the dialog offers, and which one the player gave.
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Shows the dialog modally over `owner`, the window it belongs to, captioned
// `title`, and returns the player's answer. Closing it any other way answers
// OK in an OK dialog and No in a Yes/No one.
Answer showMessage(QWidget* owner, const QString& title, const QString& text, MessageButtons answers,
                   const ButtonContext& buttons);

}   // namespace velko
