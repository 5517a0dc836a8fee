#pragma once
// What the game asks of its sound: effects on its events, a looping tune
// during a game, and the two volume levels of the bars. The player that
// really sounds lives in the sound module (velko-sound.so), loaded once the
// start screen shows; until then, or when it cannot be loaded, the game plays
// quietly through a silent player.

#include "Sound.h"

#include <QString>
#include <algorithm>
#include <memory>

namespace velko {

// Levels run 1..50; the volume is twice the level, in percent.
constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 50;
inline int clampLevel(int level)
{
    return std::clamp(level, kLowestLevel, kHighestLevel);
}

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Plays the sound once at the effects level, over whatever sounds.
    virtual void play(Sound sound) = 0;
    // Stops the old tune and loops backN.ogg from its start at the music level.
    virtual void startTune(int tune) = 0;
    virtual void stopTune() = 0;
    // Holds the tune where it is.
    virtual void pauseTune() = 0;
    // A paused tune continues where it halted; a stopped one stays silent.
    virtual void resumeTune() = 0;
    virtual void setEffectsLevel(int level) = 0;
    // The playing tune follows at once.
    virtual void setMusicLevel(int level) = 0;
    virtual int effectsLevel() const = 0;
    virtual int musicLevel() const = 0;
    // Ends all output and lets go of the effects; the end of the run.
    virtual void shutDown() = 0;
};

// The tune of a new game from a draw r in [0, 1): the lowest draws pick the last tune.
int tuneFor(float r);

// Plays nothing and keeps the levels.
class SilentSound : public SoundPlayer {
public:
    void play(Sound) override {}
    void startTune(int) override {}
    void stopTune() override {}
    void pauseTune() override {}
    void resumeTune() override {}
    void setEffectsLevel(int level) override { effects_ = clampLevel(level); }
    void setMusicLevel(int level) override { music_ = clampLevel(level); }
    int effectsLevel() const override { return effects_; }
    int musicLevel() const override { return music_; }
    void shutDown() override {}

private:
    int effects_ = kHighestLevel;
    int music_ = kHighestLevel;
};

// The sound of the run: silent until a real player is put in, which then
// takes over the levels set so far.
class GameSound final : public SoundPlayer {
public:
    void use(std::unique_ptr<SoundPlayer> player);
    bool silent() const { return !player_; }

    void play(Sound sound) override { now().play(sound); }
    void startTune(int tune) override { now().startTune(tune); }
    void stopTune() override { now().stopTune(); }
    void pauseTune() override { now().pauseTune(); }
    void resumeTune() override { now().resumeTune(); }
    void setEffectsLevel(int level) override { now().setEffectsLevel(level); }
    void setMusicLevel(int level) override { now().setMusicLevel(level); }
    int effectsLevel() const override { return now().effectsLevel(); }
    int musicLevel() const override { return now().musicLevel(); }
    void shutDown() override { now().shutDown(); }

private:
    SoundPlayer& now() { return player_ ? *player_ : static_cast<SoundPlayer&>(quiet_); }
    const SoundPlayer& now() const { return player_ ? *player_ : static_cast<const SoundPlayer&>(quiet_); }

    SilentSound quiet_;
    std::unique_ptr<SoundPlayer> player_;
};

// The sound module's file name, and what it exports: a C function that opens
// the output, loads the effects from the media folder and returns a player
// the caller owns.
constexpr const char* kSoundModuleFile = "velko-sound.so";
constexpr const char* kOpenSoundFunction = "velko_open_sound";
using OpenSoundFunction = SoundPlayer* (*)(const char* mediaFolder);

// Loads the sound module from modulePath and opens its player on mediaFolder;
// nullptr (and the reason in *problem) when the module cannot be loaded.
std::unique_ptr<SoundPlayer> loadSoundModule(const QString& modulePath, const QString& mediaFolder,
                                             QString* problem = nullptr);

}   // namespace velko
