// A machine with no usable audio device: the game runs, silently.

#include "ScriptedRandom.h"
#include "Sound.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace velko;

TEST(NoAudioDevice, EveryCallIsHarmlessAndTheLevelsStillWork)
{
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    SoundStartup(QStringLiteral(VELKO_MEDIAS_DIR));
    for (Mix_Chunk* sample : Samples)
        EXPECT_EQ(sample, nullptr);

    ScriptedRandom random{0.5f, 0.25f};
    PlaySound(0);
    PlaySound(13);
    PlayMusic(random);
    EXPECT_EQ(MusicChan, nullptr);
    SetMusicLevel(20);
    SetEffectsLevel(30);
    EXPECT_EQ(MusicLevel(), 20);
    EXPECT_EQ(EffectsLevel(), 30);
    PauseMusic();
    ResumeMusic();
    StopMusic();
    PlayMusic(random);
    EXPECT_EQ(MusicChan, nullptr);
    SoundShutdown();
    SoundShutdown();
}
