// The sound module as the player hears it, and the sound files that come with
// the game. Each test picks SDL's audio driver before start-up: "disk" writes
// the mixed output to a file the test reads back, "dummy" mixes into nowhere,
// and a driver that does not exist stands for a machine without audio.

#include "RandomSource.h"
#include "Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

using namespace velko;
namespace fs = std::filesystem;

namespace {

const int kEffects[] = {0, 11, 12, 13, 14, 15, 20, 21, 24, 25, 76};
const QString kMedia = QStringLiteral(VELKO_MEDIAS_DIR);
const std::string kDiskFile = (fs::temp_directory_path() / ("velko-sound-" + std::to_string(getpid()) + ".raw")).string();

struct FixedRandom final : RandomSource {
    explicit FixedRandom(float r) : r(r) {}
    float next() override { return r; }
    float r;
};

// The loudest sample the disk driver writes over the next stretch of time; -1 if it writes none.
int peakOver(int milliseconds)
{
    const std::uintmax_t from = fs::file_size(kDiskFile);
    SDL_Delay(milliseconds);
    std::ifstream in(kDiskFile, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from - from % 4));   // whole stereo frames
    int peak = -1;
    for (std::int16_t s; in.read(reinterpret_cast<char*>(&s), sizeof s);)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// A shipped sound decoded for the mixer: 16-bit samples, left and right interleaved, at 44100 Hz.
struct Measured {
    double seconds = 0, rms = 0;
    int peak = 0;
};

Measured measure(const QString& name)
{
    const QString path = QStringLiteral(VELKO_SOURCE_DIR "/medias/%1.ogg").arg(name);
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(256) : QByteArray();
    // The file's own rate, in the Vorbis identification header: "\x01vorbis", version (4 bytes),
    // channels (1 byte), rate (4 bytes, little-endian; 44100 is 0xAC44).
    const int at = head.indexOf(QByteArray("\x01vorbis", 7));
    EXPECT_EQ(at < 0 ? QByteArray() : head.mid(at + 12, 4), QByteArray("\x44\xac\0\0", 4)) << name.toStdString();
    Measured m;
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    EXPECT_NE(chunk, nullptr) << name.toStdString() << " does not load";
    const auto* s = chunk ? reinterpret_cast<const std::int16_t*>(chunk->abuf) : nullptr;
    const std::size_t n = chunk ? chunk->alen / 2 : 0;
    for (std::size_t i = 0; i < n; ++i) {
        m.peak = std::max(m.peak, std::abs(static_cast<int>(s[i])));
        m.rms += static_cast<double>(s[i]) * s[i];
    }
    m.seconds = n / 2 / 44100.0;
    m.rms = n ? std::sqrt(m.rms / n) : 0;
    Mix_FreeChunk(chunk);
    return m;
}

class SoundTest : public ::testing::Test {
protected:
    static void start(const char* driver, const QString& media = kMedia)
    {
        setenv("SDL_AUDIODRIVER", driver, 1);
        setenv("SDL_DISKAUDIOFILE", kDiskFile.c_str(), 1);
        SetEffectsLevel(50);
        SetMusicLevel(50);
        SoundStartup(media);
    }
    void TearDown() override
    {
        SoundShutdown();
        std::remove(kDiskFile.c_str());
    }
};

class DiskOutput : public SoundTest {
protected:
    void SetUp() override
    {
        start("disk");
        ASSERT_NE(Samples[15], nullptr) << "the disk driver did not open";
    }
};

TEST_F(DiskOutput, AnEffectBreaksTheSilenceAndIsFarQuieterAtLevelOneThanAtFifty)
{
    EXPECT_EQ(peakOver(150), 0);
    PlaySound(13);
    const int loud = peakOver(700);
    EXPECT_GT(loud, 8000);
    Mix_HaltChannel(-1);
    SDL_Delay(100);
    SetEffectsLevel(1);
    PlaySound(13);
    const int soft = peakOver(700);
    EXPECT_GT(soft, 0);
    EXPECT_LT(soft * 20, loud);   // 2 % of full volume against 100 %
}

TEST_F(DiskOutput, AFourthQuickPlaybackOfOneEffectReplacesTheOldest)
{
    int first = -1;
    for (int i = 0; i < 3; ++i) {
        PlaySound(13);
        first = i == 0 ? Mix_GroupNewer(13) : first;
        SDL_Delay(15);   // the mixer tells playbacks apart by the millisecond they started
    }
    EXPECT_EQ(Mix_Playing(-1), 3);
    PlaySound(13);
    EXPECT_EQ(EffectPlaybacks(13), 3);
    EXPECT_EQ(Mix_GroupNewer(13), first) << "the playback that started first should be the one replaced";
    PlaySound(15);   // other effects keep their own channels
    EXPECT_EQ(EffectPlaybacks(15), 1);
    EXPECT_EQ(Mix_Playing(-1), 4);
}

TEST_F(DiskOutput, ATuneFollowsTheMusicBarAtOncePausesInSilenceResumesWhereItHaltedAndStopsForGood)
{
    FixedRandom random(0.1f);
    PlayMusic(random);
    ASSERT_NE(MusicChan, nullptr);
    EXPECT_GT(peakOver(400), 0);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    SetMusicLevel(25);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
    SetEffectsLevel(3);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2) << "the effects bar leaves the tune alone";
    PauseMusic();
    SDL_Delay(100);   // buffers already mixed drain out
    const double haltedAt = Mix_GetMusicPosition(MusicChan);
    EXPECT_EQ(peakOver(400), 0);
    EXPECT_NEAR(Mix_GetMusicPosition(MusicChan), haltedAt, 0.02);
    ResumeMusic();
    EXPECT_GT(peakOver(400), 0);
    const double now = Mix_GetMusicPosition(MusicChan);
    EXPECT_GT(now, haltedAt + 0.2);
    EXPECT_LT(now, haltedAt + 1.0) << "the tune should continue, not start again or skip ahead";
    StopMusic();
    EXPECT_EQ(MusicChan, nullptr);
    ResumeMusic();
    SDL_Delay(100);
    EXPECT_EQ(peakOver(400), 0);
}

TEST_F(DiskOutput, WithNothingSoundingTheDeviceSleepsAndTheNextEffectOrTheHeldTuneWakesIt)
{
    FixedRandom random(0.1f);
    PlayMusic(random);
    PlaySound(13);
    for (bool tuneResting : {false, true}) {
        SleepIfSilent();
        EXPECT_FALSE(SoundAsleep()) << (tuneResting ? "an effect" : "the tune") << " still sounds";
        PauseMusic();
    }
    Mix_HaltChannel(-1);
    const double heldAt = Mix_GetMusicPosition(MusicChan);
    SleepIfSilent();
    ASSERT_TRUE(SoundAsleep());
    EXPECT_EQ(peakOver(150), -1) << "a sleeping device writes nothing";
    PlaySound(13);   // heard at once, while the tune stays where it rests
    EXPECT_FALSE(SoundAsleep());
    EXPECT_EQ(EffectPlaybacks(13), 1);
    EXPECT_GT(peakOver(400), 8000);
    EXPECT_FALSE(Mix_PlayingMusic());
    Mix_HaltChannel(-1);
    SleepIfSilent();
    ASSERT_TRUE(SoundAsleep());
    ResumeMusic();
    EXPECT_GT(peakOver(400), 0);
    const double now = Mix_GetMusicPosition(MusicChan);
    EXPECT_GT(now, heldAt + 0.2);
    EXPECT_LT(now, heldAt + 1.0) << "the tune continues where it halted";
}

TEST_F(SoundTest, StartUpLoadsTheElevenEffectsShutDownFreesThemAndItStartsAgain)
{
    for (int run = 0; run < 2; ++run) {
        start("dummy");
        for (int n = 0; n < 100; ++n)
            EXPECT_EQ(Samples[n] != nullptr, std::count(std::begin(kEffects), std::end(kEffects), n) == 1) << n;
        PlaySound(25);
        EXPECT_EQ(EffectPlaybacks(25), 1);
        SoundShutdown();
        EXPECT_EQ(std::count(Samples.begin(), Samples.end(), nullptr), 100);
    }
}

TEST_F(SoundTest, TheRandomValuePicksTheTuneTheLowestValuesTheLastTune)
{
    start("dummy");
    const struct { float r; int tune; } cases[] = {{0.0f, 4}, {0.19f, 4}, {0.2f, 3}, {0.61f, 1}, {0.99999f, 0}};
    for (const auto& c : cases) {
        FixedRandom random(c.r);
        PlayMusic(random);
        ASSERT_NE(MusicChan, nullptr) << "r = " << c.r;
        // Each shipped tune has its own length, which tells them apart.
        Mix_Music* expected = Mix_LoadMUS(QFile::encodeName(kMedia + QStringLiteral("/back%1.ogg").arg(c.tune)).constData());
        EXPECT_DOUBLE_EQ(Mix_MusicDuration(MusicChan), Mix_MusicDuration(expected)) << "r = " << c.r;
        Mix_FreeMusic(expected);
    }
}

TEST_F(SoundTest, MissingFilesAndUnknownEffectNumbersAreSilentAndHarmless)
{
    QTemporaryDir dir;
    QFile::copy(kMedia + QStringLiteral("/0.ogg"), dir.filePath(QStringLiteral("0.ogg")));
    start("dummy", dir.path());
    for (int n : {11, 12, -1, 99, 100, 1000})
        PlaySound(n);
    EXPECT_EQ(Mix_Playing(-1), 0);
    PlaySound(0);
    EXPECT_EQ(Mix_Playing(-1), 1) << "the effects that did load still play";
    FixedRandom random(0.5f);   // back2, missing
    PlayMusic(random);
    EXPECT_EQ(MusicChan, nullptr);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(SoundTest, WithoutAnAudioDeviceEveryCallIsHarmlessAndTheLevelsStillWork)
{
    start("no-such-audio-driver");
    EXPECT_EQ(std::count(Samples.begin(), Samples.end(), nullptr), 100);
    FixedRandom random(0.5f);
    PlaySound(13);
    PlayMusic(random);
    EXPECT_EQ(MusicChan, nullptr);
    PauseMusic();
    ResumeMusic();
    StopMusic();
    SetMusicLevel(0);
    SetEffectsLevel(51);
    EXPECT_EQ(MusicLevel(), 1);
    EXPECT_EQ(EffectsLevel(), 50);
    SoundShutdown();
}

TEST_F(SoundTest, TheShippedSoundsAre44100HzAndTheTunesLongerAndQuieterThanEveryEffect)
{
    start("dummy");
    std::vector<Measured> effects;
    for (int n : kEffects)
        effects.push_back(measure(QString::number(n)));
    std::set<double> lengths;
    for (int t = 0; t < 5; ++t) {
        const Measured tune = measure(QStringLiteral("back%1").arg(t));
        EXPECT_GE(tune.seconds, 30.0) << "tune " << t;
        for (const Measured& effect : effects)
            EXPECT_TRUE(tune.peak < effect.peak && tune.rms < effect.rms) << "tune " << t << " is as loud as an effect";
        lengths.insert(tune.seconds);
    }
    EXPECT_EQ(lengths.size(), 5u) << "five different tunes";
}

} // namespace
