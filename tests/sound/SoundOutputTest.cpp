// What the player actually hears: the mixed output of the sound module,
// captured through SDL's disk audio driver.

#include "DiskOutput.h"
#include "ScriptedRandom.h"
#include "Sound.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>
#include <thread>

using namespace velko;

namespace {

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

class SoundOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        disk = new DiskOutput;
        SoundStartup(QStringLiteral(VELKO_MEDIAS_DIR));
    }
    static void TearDownTestSuite()
    {
        SoundShutdown();
        delete disk;
        disk = nullptr;
    }
    void SetUp() override
    {
        ASSERT_NE(Samples[15], nullptr) << "the disk driver did not open";
        SetEffectsLevel(50);
        SetMusicLevel(50);
    }
    void TearDown() override
    {
        StopMusic();
        Mix_HaltChannel(-1);
        pause(60);
    }
    static DiskOutput* disk;
};

DiskOutput* SoundOutput::disk = nullptr;

TEST_F(SoundOutput, IsSilentUntilSomethingPlaysThenAnEffectIsHeard)
{
    EXPECT_EQ(DiskOutput::peak(disk->listen(150)), 0);
    PlaySound(15);
    EXPECT_GT(DiskOutput::peak(disk->listen(400)), 8000);
}

TEST_F(SoundOutput, TheLowestEffectsLevelIsFarQuieterThanTheHighest)
{
    PlaySound(13);
    const int loud = DiskOutput::peak(disk->listen(700));
    pause(700);   // let the fanfare end
    SetEffectsLevel(1);
    PlaySound(13);
    const int soft = DiskOutput::peak(disk->listen(700));
    EXPECT_GT(soft, 0);
    // Level 1 is a volume of 2 %, level 50 of 100 %.
    EXPECT_LT(soft * 20, loud);
}

TEST_F(SoundOutput, AFourthQuickPlaybackOfOneEffectReplacesTheOldest)
{
    std::set<int> channels;
    int first = -1;
    for (int i = 0; i < 3; ++i) {
        PlaySound(13);
        const int newest = Mix_GroupNewer(13);
        if (i == 0)
            first = newest;
        channels.insert(newest);
        pause(15);
    }
    EXPECT_EQ(channels.size(), 3u);
    EXPECT_EQ(EffectPlaybacks(13), 3);

    PlaySound(13);
    EXPECT_EQ(EffectPlaybacks(13), 3);
    EXPECT_EQ(Mix_GroupNewer(13), first) << "the playback that started first should be the one replaced";
    // Other effects keep their own channels.
    PlaySound(15);
    EXPECT_EQ(EffectPlaybacks(15), 1);
    EXPECT_EQ(EffectPlaybacks(13), 3);
}

TEST_F(SoundOutput, EffectsPlayAtTwiceTheLevelInPercentOfFullVolume)
{
    SetEffectsLevel(25);
    PlaySound(0);
    EXPECT_EQ(Mix_Volume(Mix_GroupNewer(0), -1), MIX_MAX_VOLUME / 2);
    SetEffectsLevel(50);
    PlaySound(0);
    EXPECT_EQ(Mix_Volume(Mix_GroupNewer(0), -1), MIX_MAX_VOLUME);
}

TEST_F(SoundOutput, ATuneLoopsAndTheMusicBarChangesItAtOnceButTheEffectsBarDoesNot)
{
    ScriptedRandom random{0.5f};
    PlayMusic(random);
    ASSERT_NE(MusicChan, nullptr);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_GT(DiskOutput::peak(disk->listen(300)), 0);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);

    SetMusicLevel(25);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
    SetEffectsLevel(3);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
}

TEST_F(SoundOutput, APausedTuneIsSilentAndContinuesFromWhereItHalted)
{
    ScriptedRandom random{0.1f};
    PlayMusic(random);
    ASSERT_NE(MusicChan, nullptr);
    EXPECT_GT(DiskOutput::peak(disk->listen(400)), 0);

    PauseMusic();
    pause(100);   // buffers already mixed drain out
    const double haltedAt = Mix_GetMusicPosition(MusicChan);
    EXPECT_EQ(DiskOutput::peak(disk->listen(400)), 0);
    EXPECT_NEAR(Mix_GetMusicPosition(MusicChan), haltedAt, 0.02);

    ResumeMusic();
    EXPECT_GT(DiskOutput::peak(disk->listen(400)), 0);
    const double now = Mix_GetMusicPosition(MusicChan);
    EXPECT_GT(now, haltedAt + 0.2);
    EXPECT_LT(now, haltedAt + 1.0) << "the tune should continue, not start again or skip ahead";
}

TEST_F(SoundOutput, AStoppedTuneStaysSilentOnResume)
{
    ScriptedRandom random{0.7f};
    PlayMusic(random);
    ASSERT_NE(MusicChan, nullptr);
    pause(200);
    StopMusic();
    EXPECT_EQ(MusicChan, nullptr);
    ResumeMusic();
    pause(100);
    EXPECT_EQ(DiskOutput::peak(disk->listen(400)), 0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(SoundOutput, ANewGameReplacesTheTuneOfTheLastOne)
{
    ScriptedRandom random{0.0f, 0.99f, 0.3f};
    for (int game = 0; game < 3; ++game) {
        PlayMusic(random);
        ASSERT_NE(MusicChan, nullptr);
        EXPECT_TRUE(Mix_PlayingMusic());
    }
    EXPECT_GT(DiskOutput::peak(disk->listen(300)), 0);
}

} // namespace
