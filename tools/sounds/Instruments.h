#pragma once
// The timbres of our sound set: each one is a pure function of time, so a note
// sounds the same wherever and however often it is rendered.

namespace velko::sounds {

enum class Timbre {
    Marimba,   // wooden bar: a warm fundamental and a quickly fading overtone
    Bell,      // inharmonic partials that ring on
    Pluck,     // plucked string: bright attack, soft tail
    Pad,       // slow swell of detuned sines, held as long as the note
    Bass,      // round low tone
    Brass,     // bright, many harmonics, for fanfares
    Buzz,      // dull low hum for a refusal
    Tick,      // tiny woody knock
};

// The note's value t seconds after its onset; held is the note's written length.
double voice(Timbre timbre, double frequency, double t, double held);

// How long after its onset a note of this timbre still sounds, in seconds.
double ringTime(Timbre timbre, double held);

// Frequency in hertz of a MIDI note number (69 = A 440 Hz).
double midiToHz(double note);

}   // namespace velko::sounds
