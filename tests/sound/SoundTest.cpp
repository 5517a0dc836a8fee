// The game's sound as the player hears it, and the sound files that come with
// the game. Each test picks SDL's audio driver before start-up: "disk" writes
// the mixed output to a file the test reads back, "dummy" mixes into nowhere,
// and a driver that does not exist stands for a machine without audio.

#include "SdlSoundPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <tuple>
#include <unistd.h>
#include <vector>

using namespace velko;
namespace fs = std::filesystem;

namespace {

// Every sound of the game and the shipped file it plays.
const std::pair<Sound, const char*> kSoundFiles[] = {
    {Sound::Select, "0.ogg"},        {Sound::Step, "25.ogg"},    {Sound::Refused, "12.ogg"},
    {Sound::LinesRemoved, "15.ogg"}, {Sound::NewGame, "11.ogg"}, {Sound::GameOver, "14.ogg"},
    {Sound::HighScore, "13.ogg"},    {Sound::Click, "76.ogg"},
};
const int kShippedEffects[] = {0, 11, 12, 13, 14, 15, 20, 21, 24, 25, 76};
const QString kMedia = QStringLiteral(VELKO_MEDIAS_DIR);
const std::string kDiskFile =
    (fs::temp_directory_path() / ("velko-sound-" + std::to_string(getpid()) + ".raw")).string();

// The stereo frames (left, right) the disk driver writes over the next stretch of time.
std::vector<std::array<std::int16_t, 2>> framesOver(int milliseconds)
{
    const std::uintmax_t from = fs::file_size(kDiskFile);
    SDL_Delay(milliseconds);
    std::ifstream in(kDiskFile, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from - from % 4));   // whole frames
    std::vector<std::array<std::int16_t, 2>> frames;
    for (std::array<std::int16_t, 2> f; in.read(reinterpret_cast<char*>(f.data()), sizeof f);)
        frames.push_back(f);
    return frames;
}

// The loudest sample of one side (0 left, 1 right) of the frames; -1 if there are none.
int peakOf(const std::vector<std::array<std::int16_t, 2>>& frames, int side)
{
    int peak = -1;
    for (const auto& f : frames)
        peak = std::max(peak, std::abs(static_cast<int>(f[side])));
    return peak;
}

// The loudest sample the disk driver writes over the next stretch of time; -1 if it writes none.
int peakOver(int milliseconds)
{
    const auto frames = framesOver(milliseconds);
    return std::max(peakOf(frames, 0), peakOf(frames, 1));
}

// Writes a 16-bit stereo WAV file at the mixer's rate: half a second of a
// square wave on the left, silence on the right.
void writeLeftOnlyWav(const QString& path)
{
    constexpr std::uint32_t kFrames = 22050, kBytes = kFrames * 4;
    const auto u32 = [](std::uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [](std::int16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    QByteArray wav = "RIFF" + u32(36 + kBytes) + "WAVEfmt " + u32(16) + u16(1) + u16(2) + u32(44100) + u32(44100 * 4) +
                     u16(4) + u16(16) + "data" + u32(kBytes);
    for (std::uint32_t i = 0; i < kFrames; ++i)
        wav += u16((i / 50) % 2 ? 10000 : -10000) + u16(0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size()) << path.toStdString();
}

// A shipped sound as the mixer decodes it, in 16-bit samples at the mixer's
// rate: its length in seconds, its loudest sample and its mean loudness.
std::array<double, 3> measure(const QString& name)
{
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(kMedia + "/" + name + ".ogg").constData());
    EXPECT_NE(chunk, nullptr) << name.toStdString() << " does not load";
    const auto* s = chunk ? reinterpret_cast<const std::int16_t*>(chunk->abuf) : nullptr;
    const std::size_t n = chunk ? chunk->alen / 2 : 0;
    double peak = 0, sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        peak = std::max(peak, std::abs(double(s[i])));
        sum += double(s[i]) * s[i];
    }
    int rate = 1, channels = 1;
    Mix_QuerySpec(&rate, nullptr, &channels);
    Mix_FreeChunk(chunk);
    return {double(n) / channels / rate, peak, n ? std::sqrt(sum / n) : 0};
}

class SoundTest : public ::testing::Test {
protected:
    void start(const char* driver, const QString& media = kMedia)
    {
        setenv("SDL_AUDIODRIVER", driver, 1);
        setenv("SDL_DISKAUDIOFILE", kDiskFile.c_str(), 1);
        sound.reset();
        sound = std::make_unique<SdlSoundPlayer>(QFile::encodeName(media));
    }
    void TearDown() override
    {
        sound.reset();
        fs::remove(kDiskFile);
    }
    double tuneAt() const { return Mix_GetMusicPosition(sound->tune()); }

    std::unique_ptr<SdlSoundPlayer> sound;
};

TEST_F(SoundTest, AFourthQuickPlaybackOfOneEffectReplacesTheOldest)
{
    start("dummy");
    int first = -1;
    for (int i = 0; i < 3; ++i) {
        sound->play(Sound::HighScore);
        first = i == 0 ? Mix_GroupNewer(13) : first;   // the channels are tagged with the file's number
        SDL_Delay(15);   // the mixer tells playbacks apart by the millisecond they started
    }
    EXPECT_EQ(Mix_Playing(-1), 3);
    sound->play(Sound::HighScore);
    EXPECT_EQ(sound->effectPlaybacks(Sound::HighScore), 3);
    EXPECT_EQ(Mix_GroupNewer(13), first) << "the playback that started first should be the one replaced";
    sound->play(Sound::LinesRemoved);   // other effects keep their own channels
    EXPECT_EQ(sound->effectPlaybacks(Sound::LinesRemoved), 1);
    EXPECT_EQ(Mix_Playing(-1), 4);
}

// The tune holds its place while paused, the silent device sleeps, an effect
// wakes it without the tune and sounds far quieter at level one than at fifty,
// and the tune goes on where it halted, deaf to the effects bar.
TEST_F(SoundTest, TheSilentDeviceSleepsAnEffectWakesItAtItsLevelAndTheTuneResumesWhereItHalted)
{
    start("disk");
    ASSERT_TRUE(sound->effectLoaded(Sound::LinesRemoved)) << "the disk driver did not open";
    sound->startTune(4);
    ASSERT_NE(sound->tune(), nullptr);
    EXPECT_GT(peakOver(500), 0);
    sound->play(Sound::HighScore);
    for (const char* still : {"the tune", "an effect"}) {
        sound->sleepIfSilent();
        EXPECT_FALSE(sound->asleep()) << still << " still sounds";
        sound->pauseTune();
    }
    Mix_HaltChannel(-1);
    SDL_Delay(100);   // buffers already mixed drain out
    const double haltedAt = tuneAt();
    EXPECT_EQ(peakOver(400), 0);
    sound->sleepIfSilent();
    ASSERT_TRUE(sound->asleep());
    sound->play(Sound::HighScore);   // heard at once, while the tune stays where it rests
    EXPECT_EQ(sound->effectPlaybacks(Sound::HighScore), 1);
    const int loud = peakOver(700);
    EXPECT_GT(loud, 8000);
    Mix_HaltChannel(-1);
    SDL_Delay(100);
    sound->setEffectsLevel(1);
    sound->play(Sound::HighScore);
    const int soft = peakOver(700);
    EXPECT_GT(soft, 0);
    EXPECT_LT(soft * 20, loud);   // 2 % of full volume against 100 %
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_NEAR(tuneAt(), haltedAt, 0.02);
    Mix_HaltChannel(-1);
    sound->sleepIfSilent();
    ASSERT_TRUE(sound->asleep());
    sound->resumeTune();
    EXPECT_GT(peakOver(400), 0);
    EXPECT_GT(tuneAt(), haltedAt + 0.2);
    EXPECT_LT(tuneAt(), haltedAt + 1.0) << "the tune should continue, not start again or skip ahead";
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME) << "the effects bar, now at 1, leaves the tune";
    sound->stopTune();
    EXPECT_EQ(sound->tune(), nullptr);
    sound->resumeTune();
    SDL_Delay(100);
    EXPECT_EQ(peakOver(400), 0);
}

// The mixer plays in stereo: the shipped mono effects sound alike on both
// sides, while a stereo effect or tune made for the left stays on the left.
TEST_F(SoundTest, MonoEffectsPlayCentredAndStereoMediaKeepTheirSides)
{
    QTemporaryDir media;
    QFile::copy(kMedia + QStringLiteral("/13.ogg"), media.filePath(QStringLiteral("13.ogg")));
    writeLeftOnlyWav(media.filePath(QStringLiteral("11.ogg")));   // effects load whatever format the file holds
    writeLeftOnlyWav(media.filePath(QStringLiteral("left.wav")));
    start("disk", media.path());
    ASSERT_TRUE(sound->effectLoaded(Sound::NewGame) && sound->effectLoaded(Sound::HighScore))
        << "the disk driver did not open";
    Mix_Music* leftTune = Mix_LoadMUS(QFile::encodeName(media.filePath(QStringLiteral("left.wav"))).constData());
    ASSERT_NE(leftTune, nullptr) << Mix_GetError();
    // What plays, and whether it is heard on the left only (else equally on both sides).
    const std::pair<std::function<void()>, bool> cases[] = {
        {[this] { sound->play(Sound::HighScore); }, false},
        {[this] { sound->play(Sound::NewGame); }, true},
        {[leftTune] { Mix_PlayMusic(leftTune, 0); }, true},
    };
    for (const auto& [play, leftOnly] : cases) {
        SCOPED_TRACE(leftOnly ? "left only" : "mono");
        play();
        const auto frames = framesOver(400);
        Mix_HaltChannel(-1), Mix_HaltMusic();
        SDL_Delay(100);   // buffers already mixed drain out
        EXPECT_GT(peakOf(frames, 0), 5000);
        if (leftOnly)
            EXPECT_EQ(peakOf(frames, 1), 0);
        else
            EXPECT_TRUE(std::all_of(frames.begin(), frames.end(), [](const auto& f) { return f[0] == f[1]; }));
    }
    Mix_FreeMusic(leftTune);
}

// With no tune, the player puts the device to sleep by itself on the event
// loop once a click has sounded out, and the next click wakes it.
TEST_F(SoundTest, AfterAClickWithNoTuneTheDeviceSleepsByItselfAndTheNextClickWakesIt)
{
    int argc = 1;
    char name[] = "sound_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    start("disk");
    ASSERT_TRUE(sound->effectLoaded(Sound::Click)) << "the disk driver did not open";
    // Nothing sounds after start-up: the first look puts the device to sleep.
    ASSERT_TRUE(QTest::qWaitFor([this] { return sound->asleep(); }, 10000));
    sound->play(Sound::Click);
    EXPECT_FALSE(sound->asleep());
    ASSERT_TRUE(QTest::qWaitFor([this] { return sound->asleep(); }, 10000)) << "the device stays awake";
    EXPECT_EQ(peakOver(150), -1) << "a sleeping device writes nothing";
}

// Each sound plays its own file: with only that file in the media folder,
// only that sound loads.
TEST_F(SoundTest, EachSoundLoadsItsOwnFile)
{
    for (const auto& [played, file] : kSoundFiles) {
        SCOPED_TRACE(file);
        QTemporaryDir media;
        ASSERT_TRUE(QFile::copy(kMedia + '/' + QLatin1String(file), media.filePath(QLatin1String(file))));
        start("dummy", media.path());
        for (const auto& [other, otherFile] : kSoundFiles)
            EXPECT_EQ(sound->effectLoaded(other), other == played) << otherFile;
    }
}

// A missing device harms nothing, the levels still work, and the player starts again after a shut-down.
TEST_F(SoundTest, OnlyLoadedEffectsPlayAndMissingFilesOrDeviceAreHarmless)
{
    std::set<Sound> all;
    for (const auto& [sound, file] : kSoundFiles)
        all.insert(sound);
    // The audio driver, the media folder, the effects that load, and whether a device opens.
    const std::tuple<const char*, QString, std::set<Sound>, bool> cases[] = {
        {"dummy", kMedia, all, true},
        {"no-such-audio-driver", kMedia, {}, false},
        {"dummy", kMedia, all, true},
    };
    for (const auto& [driver, media, loaded, device] : cases) {
        SCOPED_TRACE(std::string(driver) + " " + media.toStdString());
        start(driver, media);
        EXPECT_EQ(sound->open(), device);
        for (const Sound s : all) {
            EXPECT_EQ(sound->effectLoaded(s), loaded.count(s) == 1) << static_cast<int>(s);
            sound->play(s);
        }
        sound->startTune(2);
        EXPECT_EQ(sound->tune() != nullptr, media == kMedia && device);
        if (device) {   // the mixer's own state exists only with a device
            EXPECT_EQ(Mix_Playing(-1), int(loaded.size()));
            EXPECT_EQ(Mix_PlayingMusic() != 0, media == kMedia);
        }
        sound->pauseTune(), sound->resumeTune(), sound->stopTune();
        sound->setMusicLevel(0);
        sound->setEffectsLevel(51);
        EXPECT_EQ(sound->musicLevel(), 1);
        EXPECT_EQ(sound->effectsLevel(), 50);
        sound->shutDown();
        for (const Sound s : all)
            EXPECT_FALSE(sound->effectLoaded(s)) << static_cast<int>(s);
    }
}

TEST_F(SoundTest, TheRandomValuePicksTheTuneTheLowestValuesTheLastTune)
{
    start("dummy");
    const std::pair<float, int> cases[] = {{0.0f, 4}, {0.19f, 4}, {0.2f, 3}, {0.61f, 1}, {0.99999f, 0}};
    for (const auto& [r, tune] : cases) {
        SCOPED_TRACE(r);
        EXPECT_EQ(tuneFor(r), tune);
        sound->startTune(tuneFor(r));
        ASSERT_NE(sound->tune(), nullptr);
        // Each shipped tune has its own length, which tells them apart.
        Mix_Music* expected =
            Mix_LoadMUS(QFile::encodeName(kMedia + QStringLiteral("/back%1.ogg").arg(tune)).constData());
        EXPECT_DOUBLE_EQ(Mix_MusicDuration(sound->tune()), Mix_MusicDuration(expected));
        Mix_FreeMusic(expected);
    }
}

TEST_F(SoundTest, TheGamePlaysQuietlyUntilTheModuleIsLoadedWhichThenTakesOverTheLevels)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    GameSound game;
    QString problem;
    game.use(loadSoundModule(QStringLiteral("/no/such/folder/velko-sound.so"), kMedia, &problem));
    EXPECT_TRUE(game.silent());
    EXPECT_FALSE(problem.isEmpty());
    game.setMusicLevel(7);
    game.setEffectsLevel(60);
    game.play(Sound::HighScore);
    game.startTune(4);
    EXPECT_EQ(game.effectsLevel(), 50);

    game.use(loadSoundModule(QStringLiteral(VELKO_SOUND_MODULE), kMedia, &problem));
    ASSERT_FALSE(game.silent()) << problem.toStdString();
    EXPECT_EQ(game.musicLevel(), 7);
    EXPECT_EQ(game.effectsLevel(), 50);
    // The module's player sounds through the one mixer of the process.
    game.play(Sound::HighScore);
    EXPECT_EQ(Mix_Playing(-1), 1);
    game.startTune(4);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 18) << "14 % of the mixer's 128";
    game.shutDown();
}

TEST_F(SoundTest, TheFiveShippedTunesDifferLastHalfAMinuteAndAreQuieterThanEveryEffect)
{
    start("dummy");
    std::vector<std::array<double, 3>> effects;
    for (int n : kShippedEffects)
        effects.push_back(measure(QString::number(n)));
    std::set<double> lengths;
    for (int t = 0; t < 5; ++t) {
        const auto [seconds, peak, rms] = measure(QStringLiteral("back%1").arg(t));
        EXPECT_GE(seconds, 30.0) << "tune " << t;
        for (const auto& [effectSeconds, effectPeak, effectRms] : effects)
            EXPECT_TRUE(peak < effectPeak && rms < effectRms) << "tune " << t << " is as loud as an effect";
        lengths.insert(seconds);
    }
    EXPECT_EQ(lengths.size(), 5u) << "five different tunes";
}

}   // namespace
