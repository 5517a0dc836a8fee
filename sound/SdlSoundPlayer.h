#pragma once
// The game's sound on SDL2_mixer. Every failure is silent: without an audio
// device, or without a file, the game simply plays quietly. SDL's mixer is one
// per process, so there is one of these at a time.

#include "EffectFiles.h"
#include "SoundPlayer.h"

#include <QByteArray>
#include <QObject>
#include <array>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace velko {

class SdlSoundPlayer final : public SoundPlayer {
public:
    // Opens the output at 44100 Hz and loads the effects the game plays from mediaFolder/N.ogg.
    explicit SdlSoundPlayer(const QByteArray& mediaFolder);
    ~SdlSoundPlayer() override;

    void play(Sound sound) override;
    void startTune(int tune) override;
    void stopTune() override;
    void pauseTune() override;
    void resumeTune() override;
    void setEffectsLevel(int level) override { effectsLevel_ = clampLevel(level); }
    void setMusicLevel(int level) override;
    int effectsLevel() const override { return effectsLevel_; }
    int musicLevel() const override { return musicLevel_; }
    void shutDown() override;

    // With nothing sounding (the tune paused or stopped, no effect playing) the
    // output device is closed; the next sound opens it again before it plays.
    // The player checks this by itself a moment after the last sound where an
    // event loop runs.
    void sleepIfSilent();
    bool asleep() const { return open_ && asleep_; }
    // True while the output is open for the run (a device was found).
    bool open() const { return open_; }
    bool effectLoaded(Sound sound) const;
    // Playbacks of the sound's effect sounding now, at most three.
    int effectPlaybacks(Sound sound) const;
    // The tune of the running game, null when none.
    Mix_Music* tune() const { return tune_; }

private:
    bool openDevice();
    bool wake();
    bool tuneSounding() const;
    void checkSilenceSoon();

    QByteArray mediaFolder_;
    std::array<Mix_Chunk*, kEffectFileCount> effects_{};   // as kEffectFiles, null = nothing loaded
    Mix_Music* tune_ = nullptr;
    bool open_ = false;        // sound is available for the run
    bool asleep_ = false;      // ... but its device is closed until the next sound
    double heldTuneAt_ = -1;   // where the paused tune halted when the device closed
    bool silenceCheckPending_ = false;
    QObject lifetime_;   // a pending check ends with the player
    int effectsLevel_ = kHighestLevel;
    int musicLevel_ = kHighestLevel;
};

}   // namespace velko
