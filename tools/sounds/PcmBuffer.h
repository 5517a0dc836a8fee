#pragma once
// A mono sound being rendered: notes are added into it, then it is levelled.
// A looping buffer wraps every note's tail around into its start, so the last
// sample flows into the first without a gap or a click.

#include "Instruments.h"

#include <cstddef>
#include <vector>

namespace velko::sounds {

constexpr int kSampleRate = 44100;

class PcmBuffer {
public:
    PcmBuffer(double seconds, bool looping);

    // Adds a note of MIDI pitch `note` at `start` seconds, written `held` seconds long.
    void addNote(Timbre timbre, double note, double start, double held, double gain);

    // A small room around the sound; a looping buffer gets a reverb that wraps too.
    void addRoom(double wet);

    // A one-shot sound closes softly to exact silence over its last moments.
    void fadeTail(double seconds);

    void scaleToPeak(double dbfs);
    void scaleToRms(double dbfs, double peakCeilingDbfs);

    double peakDbfs() const;
    double rmsDbfs() const;
    double seconds() const { return static_cast<double>(samples_.size()) / kSampleRate; }
    const std::vector<float>& samples() const { return samples_; }

private:
    void scale(double factor);

    std::vector<float> samples_;
    bool looping_;
};

}   // namespace velko::sounds
