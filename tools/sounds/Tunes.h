#pragma once
// The five background tunes: gentle pentatonic melodies over simple chords,
// each in its own key and tempo, rendered as seamless loops.

#include "PcmBuffer.h"

#include <vector>

namespace velko::sounds {

struct Tune {
    int number;   // the file is back<number>.ogg
    double bpm;
    PcmBuffer sound;
};

std::vector<Tune> renderTunes();

}   // namespace velko::sounds
