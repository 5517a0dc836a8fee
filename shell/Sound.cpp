// Sound effects and the background tune on SDL2_mixer.
//
// Every effect is loaded once at start-up and gets a group of three mixer
// channels tagged with its own number: at most three playbacks of one effect
// sound together, and a fourth replaces the one that has played longest.
// The tune is streamed from its file and loops until the game ends.
// No failure is ever reported: without a device or a file the game is silent.

#include "Sound.h"

#include "RandomSource.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>
#include <algorithm>
#include <cmath>

namespace velko {

std::array<Mix_Chunk*, 100> Samples{};
Mix_Music* MusicChan = nullptr;

namespace {

constexpr int kEffects[] = {0, 11, 12, 13, 14, 15, 20, 21, 24, 25, 76};
constexpr int kEffectCount = sizeof(kEffects) / sizeof(kEffects[0]);
constexpr int kPlaybacksPerEffect = 3;

constexpr int kRate = 44100;
constexpr int kBufferFrames = 512;   // about 12 ms: a click is heard with the press

bool outputOpen = false;
QString mediaDir;
int effectsLevel = 50;
int musicLevel = 50;

int clampLevel(int level) { return std::clamp(level, 1, 50); }

// A level 1..50 is a volume of 2 x level percent of the mixer's full scale.
int mixerVolume(int level)
{
    return static_cast<int>(std::lround(2.0 * level * MIX_MAX_VOLUME / 100.0));
}

QByteArray localPath(const QString& file)
{
    return QFile::encodeName(mediaDir + QLatin1Char('/') + file);
}

void loadEffects()
{
    Mix_AllocateChannels(kEffectCount * kPlaybacksPerEffect);
    for (int i = 0; i < kEffectCount; ++i) {
        const int n = kEffects[i];
        const int first = i * kPlaybacksPerEffect;
        Mix_GroupChannels(first, first + kPlaybacksPerEffect - 1, n);
        Samples[n] = Mix_LoadWAV(localPath(QString::number(n) + QStringLiteral(".ogg")).constData());
    }
}

void freeEffects()
{
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : Samples) {
        if (chunk)
            Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
}

} // namespace

void SoundStartup(const QString& mediaFolder)
{
    if (outputOpen)
        return;
    mediaDir = mediaFolder;
    // The game never asks SDL for events, so SDL must not take over Ctrl+C
    // and kill requests: they would go unanswered.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    outputOpen = true;
    loadEffects();
}

void PlaySound(int n)
{
    if (!outputOpen || n < 0 || n >= static_cast<int>(Samples.size()) || !Samples[n])
        return;
    int channel = Mix_GroupAvailable(n);
    if (channel < 0)
        channel = Mix_GroupOldest(n);
    if (channel < 0)
        return;
    Mix_HaltChannel(channel);
    Mix_Volume(channel, mixerVolume(effectsLevel));
    Mix_PlayChannel(channel, Samples[n], 0);
}

int EffectPlaybacks(int n)
{
    if (!outputOpen)
        return 0;
    for (int i = 0; i < kEffectCount; ++i) {
        if (kEffects[i] != n)
            continue;
        int playing = 0;
        for (int c = i * kPlaybacksPerEffect; c < (i + 1) * kPlaybacksPerEffect; ++c)
            playing += Mix_Playing(c);
        return playing;
    }
    return 0;
}

void StopMusic()
{
    if (!MusicChan)
        return;
    Mix_HaltMusic();
    // A stopped tune is never heard again: release it at once so that an
    // evening of games does not pile up open streams.
    Mix_FreeMusic(MusicChan);
    MusicChan = nullptr;
}

void PlayMusic(RandomSource& random)
{
    StopMusic();
    const float r = random.next();
    const int t = 4 - static_cast<int>(std::floor(5.0f * r));
    if (!outputOpen)
        return;
    MusicChan = Mix_LoadMUS(localPath(QStringLiteral("back%1.ogg").arg(t)).constData());
    if (!MusicChan)
        return;
    Mix_VolumeMusic(mixerVolume(musicLevel));
    if (Mix_PlayMusic(MusicChan, -1) != 0) {
        Mix_FreeMusic(MusicChan);
        MusicChan = nullptr;
        return;
    }
    Mix_VolumeMusic(mixerVolume(musicLevel));
}

void PauseMusic()
{
    if (MusicChan)
        Mix_PauseMusic();
}

void ResumeMusic()
{
    if (MusicChan)
        Mix_ResumeMusic();
}

void SoundShutdown()
{
    StopMusic();
    if (!outputOpen)
        return;
    freeEffects();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    outputOpen = false;
}

int EffectsLevel() { return effectsLevel; }

void SetEffectsLevel(int level) { effectsLevel = clampLevel(level); }

int MusicLevel() { return musicLevel; }

void SetMusicLevel(int level)
{
    musicLevel = clampLevel(level);
    if (MusicChan)
        Mix_VolumeMusic(mixerVolume(musicLevel));
}

} // namespace velko
