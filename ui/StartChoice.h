#pragma once
// What the player picks on the start screen.

namespace velko {

enum class StartChoice { NormalGame, ChallengeGame, Quit };

}   // namespace velko
