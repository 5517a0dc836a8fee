#pragma once
// The game's sound effects: the rules' events and the click of a picture button.

namespace velko {

enum class Sound { Select, Step, Refused, LinesRemoved, NewGame, GameOver, HighScore, Click };

}   // namespace velko
