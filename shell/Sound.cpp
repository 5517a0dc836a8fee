// Sound effects and the background tune on SDL2_mixer.
//
// Every effect is loaded once at start-up and gets a group of three mixer
// channels tagged with its own number: at most three playbacks of one effect
// sound together, and a fourth replaces the one that has played longest.
// The tune is streamed from its file and loops until the game ends.
// No failure is ever reported: without a device or a file the game is silent.
//
// While nothing sounds (the tune paused or stopped, no effect playing) the
// output device is closed, so that a game nobody plays does not keep waking
// the processor: SDL's mixing thread runs as long as a device is open, even a
// paused one. The effects stay decoded in memory, and the next sound opens the
// device again before it plays; a tune that was paused is held at its place.

#include "Sound.h"

#include "RandomSource.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTimer>
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

constexpr int kSettleMs = 300;      // lets the last sound fade out of the device's buffers

bool outputOpen = false;             // sound is available for the run
bool asleep = false;                 // ... but its device is closed until the next sound
double heldTuneAt = -1;              // where the paused tune halted when the device closed
bool silenceCheckPending = false;
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

// Opens the device in exactly the format the effects were decoded for (SDL
// converts if the hardware differs), with three channels per effect.
bool openDevice()
{
    if (Mix_OpenAudioDevice(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames, nullptr, 0) != 0)
        return false;
    Mix_AllocateChannels(kEffectCount * kPlaybacksPerEffect);
    for (int i = 0; i < kEffectCount; ++i) {
        const int first = i * kPlaybacksPerEffect;
        Mix_GroupChannels(first, first + kPlaybacksPerEffect - 1, kEffects[i]);
    }
    Mix_VolumeMusic(mixerVolume(musicLevel));
    return true;
}

void loadEffects()
{
    for (int n : kEffects)
        Samples[n] = Mix_LoadWAV(localPath(QString::number(n) + QStringLiteral(".ogg")).constData());
}

// The device is open and ready for the next sound; false leaves the game silent.
bool wake()
{
    if (!outputOpen)
        return false;
    if (asleep && openDevice())
        asleep = false;
    return !asleep;
}

bool tuneSounding() { return MusicChan && heldTuneAt < 0 && Mix_PlayingMusic() && !Mix_PausedMusic(); }

// Looks again a little later whether everything has gone quiet. Only where an
// event loop runs; the check is repeated while an effect still sounds.
void checkSilenceSoon()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (silenceCheckPending || !app || QThread::currentThread() != app->thread())
        return;
    silenceCheckPending = true;
    QTimer::singleShot(kSettleMs, app, [] {
        silenceCheckPending = false;
        SleepIfSilent();
        if (outputOpen && !asleep && !tuneSounding())
            checkSilenceSoon();
    });
}

void freeEffects()
{
    if (!asleep)
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
    if (!openDevice()) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    outputOpen = true;
    asleep = false;
    heldTuneAt = -1;
    loadEffects();
    checkSilenceSoon();
}

void PlaySound(int n)
{
    if (!outputOpen || n < 0 || n >= static_cast<int>(Samples.size()) || !Samples[n] || !wake())
        return;
    int channel = Mix_GroupAvailable(n);
    if (channel < 0)
        channel = Mix_GroupOldest(n);
    if (channel < 0)
        return;
    Mix_HaltChannel(channel);
    Mix_Volume(channel, mixerVolume(effectsLevel));
    Mix_PlayChannel(channel, Samples[n], 0);
    if (!tuneSounding())
        checkSilenceSoon();
}

int EffectPlaybacks(int n)
{
    if (!outputOpen || asleep)
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
    heldTuneAt = -1;
    Mix_HaltMusic();
    // A stopped tune is never heard again: release it at once so that an
    // evening of games does not pile up open streams.
    Mix_FreeMusic(MusicChan);
    MusicChan = nullptr;
    checkSilenceSoon();
}

void PlayMusic(RandomSource& random)
{
    StopMusic();
    const float r = random.next();
    const int t = 4 - static_cast<int>(std::floor(5.0f * r));
    if (!wake())
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
    if (!MusicChan || heldTuneAt >= 0)
        return;
    Mix_PauseMusic();
    checkSilenceSoon();
}

void ResumeMusic()
{
    if (!MusicChan)
        return;
    if (heldTuneAt < 0) {
        Mix_ResumeMusic();
        return;
    }
    // The device slept: the tune starts again where it halted.
    if (!wake())
        return;
    Mix_VolumeMusic(mixerVolume(musicLevel));
    Mix_FadeInMusicPos(MusicChan, -1, 0, heldTuneAt);
    heldTuneAt = -1;
}

void SleepIfSilent()
{
    if (!outputOpen || asleep || tuneSounding() || Mix_Playing(-1) > 0)
        return;
    if (MusicChan && Mix_PausedMusic())
        heldTuneAt = std::max(0.0, Mix_GetMusicPosition(MusicChan));
    Mix_CloseAudio();
    asleep = true;
}

bool SoundAsleep() { return outputOpen && asleep; }

void SoundShutdown()
{
    StopMusic();
    if (!outputOpen)
        return;
    freeEffects();
    if (!asleep)
        Mix_CloseAudio();
    asleep = false;
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
