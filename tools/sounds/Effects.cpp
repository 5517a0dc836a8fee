// Effects are short, soft and clean; they all peak a little below -3 dBFS so
// that encoding can never push them into clipping.

#include "Effects.h"

#include "EffectFiles.h"

namespace velko::sounds {

namespace {

constexpr double kEffectPeakDbfs = -3.3;

PcmBuffer finish(PcmBuffer sound, double room)
{
    if (room > 0.0)
        sound.addRoom(room);
    sound.fadeTail(0.015);
    sound.scaleToPeak(kEffectPeakDbfs);
    return sound;
}

// 0: a ball is picked up: a soft high wooden click.
PcmBuffer selectClick()
{
    PcmBuffer s(0.09, false);
    s.addNote(Timbre::Marimba, 91, 0.0, 0.05, 1.0);
    s.addNote(Timbre::Tick, 103, 0.0, 0.02, 0.25);
    return finish(s, 0.0);
}

// 25: one step of a moving ball: a tiny tick, light enough to repeat every 75 ms.
PcmBuffer stepTick()
{
    PcmBuffer s(0.055, false);
    s.addNote(Timbre::Tick, 98, 0.0, 0.02, 1.0);
    return finish(s, 0.0);
}

// 15: lines vanish: a bright chime rising through a major chord.
PcmBuffer removalChime()
{
    PcmBuffer s(0.95, false);
    const double notes[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i)
        s.addNote(Timbre::Bell, notes[i], 0.055 * i, 0.3, 0.8 - 0.08 * i);
    s.addNote(Timbre::Marimba, 72, 0.0, 0.2, 0.35);
    return finish(s, 0.25);
}

// 11: a new game: a short cheerful pentatonic jingle.
PcmBuffer newGameJingle()
{
    PcmBuffer s(0.85, false);
    const double notes[] = {72, 74, 76, 79, 84};
    const double at[] = {0.0, 0.09, 0.18, 0.27, 0.40};
    for (int i = 0; i < 5; ++i)
        s.addNote(Timbre::Marimba, notes[i], at[i], 0.1, i == 4 ? 1.0 : 0.8);
    s.addNote(Timbre::Bell, 88, 0.40, 0.2, 0.25);
    s.addNote(Timbre::Bass, 48, 0.40, 0.25, 0.35);
    return finish(s, 0.2);
}

// 13: a new high score: the brightest sound of the game, a brass fanfare
// climbing to a held chord with bells on top.
PcmBuffer highScoreFanfare()
{
    PcmBuffer s(1.2, false);
    s.addNote(Timbre::Brass, 67, 0.00, 0.11, 0.7);
    s.addNote(Timbre::Brass, 72, 0.12, 0.11, 0.7);
    s.addNote(Timbre::Brass, 76, 0.24, 0.11, 0.7);
    for (double note : {72.0, 76.0, 79.0, 84.0})
        s.addNote(Timbre::Brass, note, 0.38, 0.62, 0.45);
    s.addNote(Timbre::Bell, 96, 0.38, 0.4, 0.35);
    s.addNote(Timbre::Bell, 100, 0.50, 0.4, 0.3);
    s.addNote(Timbre::Bell, 103, 0.62, 0.4, 0.3);
    return finish(s, 0.2);
}

// 14: the game is over: a slow falling phrase ending low.
PcmBuffer gameOverFall()
{
    PcmBuffer s(1.2, false);
    const double notes[] = {79, 76, 74, 72, 67};
    for (int i = 0; i < 5; ++i)
        s.addNote(Timbre::Pluck, notes[i], 0.16 * i, 0.15, 0.9);
    s.addNote(Timbre::Pad, 60, 0.64, 0.25, 0.5);
    s.addNote(Timbre::Pad, 55, 0.64, 0.25, 0.4);
    return finish(s, 0.25);
}

// 12: a refused move: a dull, low, short buzz.
PcmBuffer refusedBuzz()
{
    PcmBuffer s(0.2, false);
    s.addNote(Timbre::Buzz, 43, 0.0, 0.15, 1.0);
    s.addNote(Timbre::Buzz, 43.3, 0.0, 0.15, 0.6);
    return finish(s, 0.0);
}

// 76: an image button is pressed: a short rounded click.
PcmBuffer buttonClick()
{
    PcmBuffer s(0.07, false);
    s.addNote(Timbre::Marimba, 81, 0.0, 0.04, 1.0);
    s.addNote(Timbre::Tick, 93, 0.0, 0.02, 0.4);
    return finish(s, 0.0);
}

// 20, 21, 24: spare effects that no sound of the game plays: short pleasant tones.
PcmBuffer spareTone(double note)
{
    PcmBuffer s(0.45, false);
    s.addNote(Timbre::Bell, note, 0.0, 0.3, 1.0);
    s.addNote(Timbre::Marimba, note - 12, 0.0, 0.3, 0.4);
    return finish(s, 0.15);
}

}   // namespace

std::vector<Effect> renderEffects()
{
    std::vector<Effect> effects;
    effects.push_back({effectFileNumber(Sound::Select), selectClick()});
    effects.push_back({effectFileNumber(Sound::NewGame), newGameJingle()});
    effects.push_back({effectFileNumber(Sound::Refused), refusedBuzz()});
    effects.push_back({effectFileNumber(Sound::HighScore), highScoreFanfare()});
    effects.push_back({effectFileNumber(Sound::GameOver), gameOverFall()});
    effects.push_back({effectFileNumber(Sound::LinesRemoved), removalChime()});
    effects.push_back({20, spareTone(76)});
    effects.push_back({21, spareTone(79)});
    effects.push_back({24, spareTone(81)});
    effects.push_back({effectFileNumber(Sound::Step), stepTick()});
    effects.push_back({effectFileNumber(Sound::Click), buttonClick()});
    return effects;
}

}   // namespace velko::sounds
