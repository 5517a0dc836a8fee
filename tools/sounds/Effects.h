#pragma once
// The game's eleven sound effects, each rendered from notes.

#include "PcmBuffer.h"

#include <vector>

namespace velko::sounds {

struct Effect {
    int number;   // the file is number.ogg
    PcmBuffer sound;
};

std::vector<Effect> renderEffects();

}   // namespace velko::sounds
