// Loading effects and tunes, the choice of tune, and every way a file can be
// missing or broken: the game must simply go quiet. Runs on SDL's dummy driver.

#include "ScriptedRandom.h"
#include "Sound.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace velko;

namespace {

const int kEffects[] = {0, 11, 12, 13, 14, 15, 20, 21, 24, 25, 76};

QString shippedMedia() { return QStringLiteral(VELKO_MEDIAS_DIR); }

double tuneLength(int t)
{
    Mix_Music* music = Mix_LoadMUS(QFile::encodeName(shippedMedia() + QStringLiteral("/back%1.ogg").arg(t)).constData());
    if (!music)
        return -1.0;
    const double length = Mix_MusicDuration(music);
    Mix_FreeMusic(music);
    return length;
}

class SoundFiles : public ::testing::Test {
protected:
    // No real device: SDL's dummy driver mixes into nowhere at real speed.
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { SoundShutdown(); }

    // A media folder holding only the given shipped effects.
    QString folderWith(std::initializer_list<const char*> files)
    {
        for (const char* file : files)
            QFile::copy(shippedMedia() + QLatin1Char('/') + QLatin1String(file), dir.filePath(QLatin1String(file)));
        return dir.path();
    }

    void writeGarbage(const char* file)
    {
        QFile out(dir.filePath(QLatin1String(file)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("OggS but not really a sound at all, just a damaged file");
    }

    QTemporaryDir dir;
};

TEST_F(SoundFiles, StartUpLoadsTheElevenEffectsAndNothingElse)
{
    SoundStartup(shippedMedia());
    for (int n = 0; n < 100; ++n) {
        const bool expected = std::find(std::begin(kEffects), std::end(kEffects), n) != std::end(kEffects);
        EXPECT_EQ(Samples[n] != nullptr, expected) << "effect " << n;
    }
}

TEST_F(SoundFiles, TheTuneIsChosenFromTheRandomValue)
{
    SoundStartup(shippedMedia());
    // t = 4 - floor(5 r): the lowest values pick the last tune.
    const struct { float r; int tune; } cases[] = {
        {0.0f, 4}, {0.19f, 4}, {0.2f, 3}, {0.5f, 2}, {0.61f, 1}, {0.8f, 0}, {0.99999f, 0},
    };
    for (const auto& c : cases) {
        ScriptedRandom random{c.r};
        PlayMusic(random);
        ASSERT_NE(MusicChan, nullptr) << "r = " << c.r;
        // Each shipped tune has its own length, which tells them apart.
        EXPECT_DOUBLE_EQ(Mix_MusicDuration(MusicChan), tuneLength(c.tune)) << "r = " << c.r;
    }
}

TEST_F(SoundFiles, AMissingOrDamagedEffectLeavesItsSlotEmptyAndPlaysNothing)
{
    const QString folder = folderWith({"0.ogg", "15.ogg"});
    writeGarbage("12.ogg");
    SoundStartup(folder);
    EXPECT_NE(Samples[0], nullptr);
    EXPECT_NE(Samples[15], nullptr);
    EXPECT_EQ(Samples[12], nullptr);
    EXPECT_EQ(Samples[11], nullptr);

    PlaySound(12);
    PlaySound(11);
    EXPECT_EQ(Mix_Playing(-1), 0);
    PlaySound(0);
    EXPECT_EQ(Mix_Playing(-1), 1) << "the effects that did load still play";
}

TEST_F(SoundFiles, AMissingOrDamagedTuneMeansNoMusic)
{
    const QString folder = folderWith({"0.ogg"});
    writeGarbage("back2.ogg");
    SoundStartup(folder);
    ScriptedRandom random{0.5f, 0.9f};
    PlayMusic(random);   // back2, damaged
    EXPECT_EQ(MusicChan, nullptr);
    PlayMusic(random);   // back0, missing
    EXPECT_EQ(MusicChan, nullptr);
    EXPECT_FALSE(Mix_PlayingMusic());
    PauseMusic();
    ResumeMusic();
    StopMusic();
    SetMusicLevel(10);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(SoundFiles, EffectNumbersOutsideTheTableAreIgnored)
{
    SoundStartup(shippedMedia());
    PlaySound(-1);
    PlaySound(99);
    PlaySound(100);
    PlaySound(1000);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundFiles, CallsBeforeStartUpAndAfterShutDownDoNothing)
{
    ScriptedRandom random{0.5f, 0.5f};
    PlaySound(0);
    PlayMusic(random);
    EXPECT_EQ(MusicChan, nullptr);
    PauseMusic();
    ResumeMusic();
    StopMusic();

    SoundStartup(shippedMedia());
    ASSERT_NE(Samples[0], nullptr);
    SoundShutdown();
    for (Mix_Chunk* sample : Samples)
        EXPECT_EQ(sample, nullptr);
    PlaySound(0);
    PlayMusic(random);
    EXPECT_EQ(MusicChan, nullptr);
    SoundShutdown();
}

TEST_F(SoundFiles, TheModuleCanBeStartedAgainAfterShutDown)
{
    for (int run = 0; run < 3; ++run) {
        SoundStartup(shippedMedia());
        ASSERT_NE(Samples[25], nullptr) << "run " << run;
        PlaySound(25);
        EXPECT_EQ(EffectPlaybacks(25), 1);
        SoundShutdown();
    }
}

TEST_F(SoundFiles, LevelsStayWithinOneToFiftyAndOutliveTheOutput)
{
    SetEffectsLevel(0);
    EXPECT_EQ(EffectsLevel(), 1);
    SetEffectsLevel(51);
    EXPECT_EQ(EffectsLevel(), 50);
    SetMusicLevel(-7);
    EXPECT_EQ(MusicLevel(), 1);
    SetMusicLevel(33);
    SetEffectsLevel(17);
    SoundStartup(shippedMedia());
    EXPECT_EQ(MusicLevel(), 33);
    EXPECT_EQ(EffectsLevel(), 17);
    SetMusicLevel(50);
    SetEffectsLevel(50);
}

TEST_F(SoundFiles, AnEveningOfGamesKeepsOnlyOneTuneOpen)
{
    SoundStartup(shippedMedia());
    for (int game = 0; game <= 40; ++game) {
        ScriptedRandom random{static_cast<float>(game % 5) / 5.0f};
        PlayMusic(random);
        ASSERT_NE(MusicChan, nullptr);
        if (game % 2)
            StopMusic();   // game over before the next one
    }
    EXPECT_NE(MusicChan, nullptr);
    EXPECT_TRUE(Mix_PlayingMusic());
}

} // namespace
