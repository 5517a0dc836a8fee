#pragma once
// Which file of the media folder each of the game's sounds plays: the sound
// numbered n is the file n.ogg. The one place that knows these numbers.

#include "Sound.h"

namespace velko {

struct EffectFile {
    Sound sound;
    int number;   // the file is number.ogg
};

inline constexpr EffectFile kEffectFiles[] = {
    {Sound::Select, 0},    {Sound::NewGame, 11},      {Sound::Refused, 12}, {Sound::HighScore, 13},
    {Sound::GameOver, 14}, {Sound::LinesRemoved, 15}, {Sound::Step, 25},    {Sound::Click, 76},
};
inline constexpr int kEffectFileCount = sizeof(kEffectFiles) / sizeof(kEffectFiles[0]);

// The number of the file the sound plays.
constexpr int effectFileNumber(Sound sound)
{
    for (const EffectFile& file : kEffectFiles)
        if (file.sound == sound)
            return file.number;
    return -1;
}

}   // namespace velko
