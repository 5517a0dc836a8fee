#pragma once
// Sound effects and the background tune. Every failure is silent: without an
// audio device, or without a file, the game simply plays quietly.

#include <QString>
#include <array>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace velko {

class RandomSource;

extern std::array<Mix_Chunk*, 100> Samples;   // index = effect number, nullptr = nothing loaded
extern Mix_Music* MusicChan;                  // the tune of the running game, nullptr when none

// Opens the output at 44100 Hz and loads the eleven effects from mediaFolder/N.ogg.
void SoundStartup(const QString& mediaFolder);
void PlaySound(int n);                          // effect n at the effects level
int EffectPlaybacks(int n);                     // playbacks of effect n sounding now, at most three
void PlayMusic(RandomSource& random);           // stops the old tune, loops backT.ogg
void StopMusic();
void PauseMusic();
void ResumeMusic();                             // a stopped tune stays silent
void SoundShutdown();

// With nothing sounding (the tune paused or stopped, no effect playing) the
// output device is closed; the next sound opens it again before it plays. The
// module checks this by itself a moment after the last sound where an event
// loop runs.
void SleepIfSilent();
bool SoundAsleep();

// Levels 1..50; the volume is twice the level, in percent.
int EffectsLevel();
void SetEffectsLevel(int level);
int MusicLevel();
void SetMusicLevel(int level);                  // changes the playing tune at once

} // namespace velko
