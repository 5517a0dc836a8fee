// The sound files that come with the game: all present, Ogg Vorbis at
// 44100 Hz, effects short and clean, tunes long, quieter than the effects and
// looping without a click.

#include "Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

QString shipped(const QString& file) { return QStringLiteral(VELKO_SOURCE_DIR "/medias/") + file; }

// The sample rate from the Vorbis identification header of an Ogg file.
long vorbisRate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(256);
    const int at = head.indexOf(QByteArray("\x01vorbis", 7));
    if (at < 0 || head.size() < at + 16)
        return -1;
    // packet type, "vorbis", version (4 bytes), channels (1 byte), rate (4 bytes, little-endian)
    const auto* rate = reinterpret_cast<const unsigned char*>(head.constData() + at + 12);
    return rate[0] | (rate[1] << 8) | (rate[2] << 16) | (static_cast<long>(rate[3]) << 24);
}

// A sound decoded to the mixer's 16-bit stereo format.
struct Decoded {
    std::vector<std::int16_t> samples;   // interleaved left, right
    double seconds = 0.0;

    int peak() const
    {
        int p = 0;
        for (std::int16_t s : samples)
            p = std::max(p, std::abs(static_cast<int>(s)));
        return p;
    }
    double rmsDbfs() const
    {
        double sum = 0.0;
        for (std::int16_t s : samples)
            sum += static_cast<double>(s) * s;
        return 20.0 * std::log10(std::sqrt(sum / samples.size()) / 32768.0);
    }
    double peakDbfs() const { return 20.0 * std::log10(peak() / 32768.0); }
    double averageStep() const
    {
        double sum = 0.0;
        for (std::size_t i = 2; i < samples.size(); i += 2)
            sum += std::abs(samples[i] - samples[i - 2]);
        return sum / (samples.size() / 2.0);
    }
};

class ShippedSounds : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0);
        int frequency = 0, channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&frequency, &format, &channels);
        ASSERT_EQ(frequency, 44100);
        ASSERT_EQ(format, AUDIO_S16SYS);
        ASSERT_EQ(channels, 2);
    }
    static void TearDownTestSuite()
    {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    static bool decode(const QString& path, Decoded& out)
    {
        Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
        if (!chunk)
            return false;
        const auto* data = reinterpret_cast<const std::int16_t*>(chunk->abuf);
        out.samples.assign(data, data + chunk->alen / 2);
        out.seconds = chunk->alen / 4.0 / 44100.0;
        Mix_FreeChunk(chunk);
        return true;
    }
};

const int kEffects[] = {0, 11, 12, 13, 14, 15, 20, 21, 24, 25, 76};

TEST_F(ShippedSounds, EveryEffectIsAShortCleanOggAt44100Hz)
{
    for (int n : kEffects) {
        const QString path = shipped(QString::number(n) + QStringLiteral(".ogg"));
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(QFile::exists(path));
        EXPECT_EQ(vorbisRate(path), 44100);
        Decoded sound;
        ASSERT_TRUE(decode(path, sound));
        EXPECT_GE(sound.seconds, 0.05);
        EXPECT_LE(sound.seconds, 1.2);
        EXPECT_LT(sound.peak(), 32767) << "clipped";
        EXPECT_NEAR(sound.peakDbfs(), -3.0, 1.5);
        // It starts and ends close to silence: no click at either end.
        EXPECT_LT(std::abs(sound.samples.front()), 1200);
        EXPECT_LT(std::abs(sound.samples.back()), 1200);
    }
}

TEST_F(ShippedSounds, TheFanfareIsTheBrightestEffect)
{
    // Brightness as the average size of a step between neighbouring samples
    // relative to the loudness: high partials make big steps.
    auto brightness = [](const Decoded& d) {
        double sum = 0.0;
        for (std::int16_t s : d.samples)
            sum += std::abs(static_cast<int>(s));
        return d.averageStep() / (sum / d.samples.size());
    };
    Decoded fanfare;
    ASSERT_TRUE(decode(shipped(QStringLiteral("13.ogg")), fanfare));
    for (int n : {11, 14, 15, 20, 21, 24}) {
        Decoded other;
        ASSERT_TRUE(decode(shipped(QString::number(n) + QStringLiteral(".ogg")), other));
        EXPECT_GT(brightness(fanfare), brightness(other)) << "effect " << n;
    }
}

TEST_F(ShippedSounds, FiveTunesOfHalfAMinuteOrMoreThatLoopWithoutAClick)
{
    std::vector<double> lengths;
    for (int t = 0; t < 5; ++t) {
        const QString path = shipped(QStringLiteral("back%1.ogg").arg(t));
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(QFile::exists(path));
        EXPECT_EQ(vorbisRate(path), 44100);

        Mix_Music* stream = Mix_LoadMUS(QFile::encodeName(path).constData());
        ASSERT_NE(stream, nullptr);
        const double length = Mix_MusicDuration(stream);
        Mix_FreeMusic(stream);
        EXPECT_GE(length, 30.0);
        EXPECT_LE(length, 60.0);
        lengths.push_back(length);

        Decoded tune;
        ASSERT_TRUE(decode(path, tune));
        EXPECT_LT(tune.peakDbfs(), -3.0);
        EXPECT_NEAR(tune.rmsDbfs(), -20.0, 3.0);
        // Across the seam the wave moves no more than it usually does from one sample to the next.
        const int seam = std::abs(tune.samples.front() - tune.samples[tune.samples.size() - 2]);
        EXPECT_LT(seam, 4.0 * tune.averageStep() + 50.0);
    }
    std::sort(lengths.begin(), lengths.end());
    EXPECT_EQ(std::adjacent_find(lengths.begin(), lengths.end()), lengths.end()) << "five different tunes";
}

TEST_F(ShippedSounds, TheTunesAreQuieterThanTheEffects)
{
    Decoded chime, tune;
    ASSERT_TRUE(decode(shipped(QStringLiteral("15.ogg")), chime));
    ASSERT_TRUE(decode(shipped(QStringLiteral("back0.ogg")), tune));
    EXPECT_LT(tune.peak(), chime.peak());
    EXPECT_LT(tune.rmsDbfs(), chime.rmsDbfs());
}

TEST_F(ShippedSounds, AllTheSoundsTogetherStaySmall)
{
    qint64 total = 0;
    for (int n : kEffects)
        total += QFile(shipped(QString::number(n) + QStringLiteral(".ogg"))).size();
    for (int t = 0; t < 5; ++t)
        total += QFile(shipped(QStringLiteral("back%1.ogg").arg(t))).size();
    EXPECT_GT(total, 0);
    EXPECT_LT(total, 5 * 1024 * 1024);
}

} // namespace
