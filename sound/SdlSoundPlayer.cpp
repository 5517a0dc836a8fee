// The game's sound on SDL2_mixer.
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

#include "SdlSoundPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <cmath>

namespace velko {

namespace {

// Only the effects of kEffectFiles are loaded. The media also ship 20.ogg,
// 21.ogg and 24.ogg, which no event of the game plays: they are not decoded,
// so they take no memory.
constexpr int kPlaybacksPerEffect = 3;

// The place of the sound in kEffectFiles, and so in the player's effects; -1 if it has none.
int effectIndex(Sound sound)
{
    for (int i = 0; i < kEffectFileCount; ++i)
        if (kEffectFiles[i].sound == sound)
            return i;
    return -1;
}

constexpr int kRate = 44100;
// Mixed in stereo: the game's own effects are mono and play from the centre,
// while a tune or effect made in stereo keeps its left and right. SDL spreads
// the mix over the speakers the device has.
constexpr int kChannels = 2;
constexpr int kBufferFrames = 512;   // about 12 ms: a click is heard with the press

constexpr int kSettleMs = 300;   // lets the last sound fade out of the device's buffers

// A level 1..50 is a volume of 2 x level percent of the mixer's full scale.
int mixerVolume(int level)
{
    return static_cast<int>(std::lround(2.0 * level * MIX_MAX_VOLUME / 100.0));
}

}   // namespace

SdlSoundPlayer::SdlSoundPlayer(const QByteArray& mediaFolder) : mediaFolder_(mediaFolder)
{
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
    open_ = true;
    for (int i = 0; i < kEffectFileCount; ++i) {
        const QByteArray file = mediaFolder_ + '/' + QByteArray::number(kEffectFiles[i].number) + ".ogg";
        effects_[i] = Mix_LoadWAV(file.constData());
    }
    checkSilenceSoon();
}

SdlSoundPlayer::~SdlSoundPlayer()
{
    shutDown();
}

// Opens the device in exactly the format the effects were decoded for (SDL
// converts if the hardware differs), with three channels per effect.
bool SdlSoundPlayer::openDevice()
{
    if (Mix_OpenAudioDevice(kRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames, nullptr, 0) != 0)
        return false;
    Mix_AllocateChannels(kEffectFileCount * kPlaybacksPerEffect);
    for (int i = 0; i < kEffectFileCount; ++i) {
        const int first = i * kPlaybacksPerEffect;
        Mix_GroupChannels(first, first + kPlaybacksPerEffect - 1, kEffectFiles[i].number);
    }
    Mix_VolumeMusic(mixerVolume(musicLevel_));
    return true;
}

// The device is open and ready for the next sound; false leaves the game silent.
bool SdlSoundPlayer::wake()
{
    if (!open_)
        return false;
    if (asleep_ && openDevice())
        asleep_ = false;
    return !asleep_;
}

bool SdlSoundPlayer::tuneSounding() const
{
    return tune_ && heldTuneAt_ < 0 && Mix_PlayingMusic() && !Mix_PausedMusic();
}

// Looks again a little later whether everything has gone quiet. Only where an
// event loop runs; the check is repeated while an effect still sounds.
void SdlSoundPlayer::checkSilenceSoon()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (silenceCheckPending_ || !app || QThread::currentThread() != app->thread())
        return;
    silenceCheckPending_ = true;
    QTimer::singleShot(kSettleMs, &lifetime_, [this] {
        silenceCheckPending_ = false;
        sleepIfSilent();
        if (open_ && !asleep_ && !tuneSounding())
            checkSilenceSoon();
    });
}

bool SdlSoundPlayer::effectLoaded(Sound sound) const
{
    const int i = effectIndex(sound);
    return i >= 0 && effects_[i];
}

void SdlSoundPlayer::play(Sound sound)
{
    if (!effectLoaded(sound) || !wake())
        return;
    const int group = effectFileNumber(sound);
    int channel = Mix_GroupAvailable(group);
    if (channel < 0)
        channel = Mix_GroupOldest(group);
    if (channel < 0)
        return;
    Mix_HaltChannel(channel);
    Mix_Volume(channel, mixerVolume(effectsLevel_));
    Mix_PlayChannel(channel, effects_[effectIndex(sound)], 0);
    if (!tuneSounding())
        checkSilenceSoon();
}

int SdlSoundPlayer::effectPlaybacks(Sound sound) const
{
    const int i = effectIndex(sound);
    if (!open_ || asleep_ || i < 0)
        return 0;
    int playing = 0;
    for (int c = i * kPlaybacksPerEffect; c < (i + 1) * kPlaybacksPerEffect; ++c)
        playing += Mix_Playing(c);
    return playing;
}

void SdlSoundPlayer::stopTune()
{
    if (!tune_)
        return;
    heldTuneAt_ = -1;
    Mix_HaltMusic();
    // A stopped tune is never heard again: release it at once so that an
    // evening of games does not pile up open streams.
    Mix_FreeMusic(tune_);
    tune_ = nullptr;
    checkSilenceSoon();
}

void SdlSoundPlayer::startTune(int tune)
{
    stopTune();
    if (!wake())
        return;
    tune_ = Mix_LoadMUS((mediaFolder_ + "/back" + QByteArray::number(tune) + ".ogg").constData());
    if (!tune_)
        return;
    Mix_VolumeMusic(mixerVolume(musicLevel_));
    if (Mix_PlayMusic(tune_, -1) != 0) {
        Mix_FreeMusic(tune_);
        tune_ = nullptr;
        return;
    }
    Mix_VolumeMusic(mixerVolume(musicLevel_));
}

void SdlSoundPlayer::pauseTune()
{
    if (!tune_ || heldTuneAt_ >= 0)
        return;
    Mix_PauseMusic();
    checkSilenceSoon();
}

void SdlSoundPlayer::resumeTune()
{
    if (!tune_)
        return;
    if (heldTuneAt_ < 0) {
        Mix_ResumeMusic();
        return;
    }
    // The device slept: the tune starts again where it halted.
    if (!wake())
        return;
    Mix_VolumeMusic(mixerVolume(musicLevel_));
    Mix_FadeInMusicPos(tune_, -1, 0, heldTuneAt_);
    heldTuneAt_ = -1;
}

void SdlSoundPlayer::sleepIfSilent()
{
    if (!open_ || asleep_ || tuneSounding() || Mix_Playing(-1) > 0)
        return;
    if (tune_ && Mix_PausedMusic())
        heldTuneAt_ = std::max(0.0, Mix_GetMusicPosition(tune_));
    Mix_CloseAudio();
    asleep_ = true;
}

void SdlSoundPlayer::setMusicLevel(int level)
{
    musicLevel_ = clampLevel(level);
    if (tune_)
        Mix_VolumeMusic(mixerVolume(musicLevel_));
}

void SdlSoundPlayer::shutDown()
{
    stopTune();
    if (!open_)
        return;
    if (!asleep_)
        Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : effects_) {
        if (chunk)
            Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    if (!asleep_)
        Mix_CloseAudio();
    asleep_ = false;
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

}   // namespace velko

// What the program looks up in the loaded module.
extern "C" __attribute__((visibility("default"))) velko::SoundPlayer* velko_open_sound(const char* mediaFolder)
{
    return new velko::SdlSoundPlayer(QByteArray(mediaFolder));
}
