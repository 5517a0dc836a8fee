// Each tune is composed by a seeded random walk over its key's pentatonic
// scale, in four-bar phrases (a theme, an answer, the theme varied, a close),
// over a four-chord progression of pad, bass and light plucked arpeggios.
// Fixed seeds make every rendering identical.

#include "Tunes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace velko::sounds {

namespace {

struct Chord {
    int root;   // semitones above the key's tonic
    bool minor;
};

struct TuneStyle {
    int number;
    int tonic;   // MIDI note of the melody's home note
    bool minorKey;
    double bpm;
    int bars;                         // a multiple of four
    std::vector<Chord> progression;   // one chord per bar, repeated
    Timbre lead;
    bool arpeggio;
    std::uint32_t seed;
};

struct NoteEvent {
    double beat;     // onset, in beats from the start of the loop
    double length;   // in beats
    int pitch;
};

class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }

private:
    std::mt19937 engine_;
};

bool inScale(int pitchClass, bool minorKey)
{
    static constexpr int major[] = {0, 2, 4, 7, 9};
    static constexpr int minor[] = {0, 3, 5, 7, 10};
    const int* scale = minorKey ? minor : major;
    return std::find(scale, scale + 5, pitchClass) != scale + 5;
}

bool inChord(int pitch, int tonic, const Chord& chord)
{
    const int pc = ((pitch - tonic - chord.root) % 12 + 12) % 12;
    return pc == 0 || pc == (chord.minor ? 3 : 4) || pc == 7;
}

// Rhythms of one bar in eighth notes; a negative length is a rest.
const std::vector<std::vector<int>>& barRhythms()
{
    static const std::vector<std::vector<int>> rhythms = {
        {2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 4}, {4, 2, 2}, {1, 1, 2, 2, 2}, {2, 2, 4}, {3, 3, 2}, {2, -2, 2, 2},
    };
    return rhythms;
}

const std::vector<std::vector<int>>& closingRhythms()
{
    static const std::vector<std::vector<int>> rhythms = {{6, -2}, {2, 4, -2}, {8}, {4, 4}};
    return rhythms;
}

class Composer {
public:
    explicit Composer(const TuneStyle& style) : style_(style), dice_(style.seed)
    {
        for (int p = style.tonic - 5; p <= style.tonic + 14; ++p)
            if (inScale(((p - style.tonic) % 12 + 12) % 12, style.minorKey))
                pitches_.push_back(p);
        at_ = homeIndex();
    }

    std::vector<NoteEvent> melody()
    {
        const std::vector<NoteEvent> theme = phrase(0, false);
        const std::vector<NoteEvent> answer = phrase(4, false);
        const std::vector<NoteEvent> close = phrase(12, true);
        std::vector<NoteEvent> all;
        const int phrases = style_.bars / 4;
        for (int p = 0; p < phrases; ++p) {
            std::vector<NoteEvent> part;
            if (p == phrases - 1)
                part = close;
            else if (p % 4 == 1)
                part = answer;
            else if (p % 4 == 3)
                part = phrase(4 * p, false);
            else
                part = theme;
            // Phrases were written for their own place; move each to bar 4p.
            const double shift = 16.0 * p - std::floor(part.front().beat / 16.0) * 16.0;
            for (NoteEvent n : part) {
                n.beat += shift;
                // A repeated phrase keeps its shape but agrees with the chords under it.
                all.push_back(fitToChord(n));
            }
        }
        return all;
    }

private:
    int homeIndex() const
    {
        return static_cast<int>(std::find(pitches_.begin(), pitches_.end(), style_.tonic) - pitches_.begin());
    }

    const Chord& chordAt(double beat) const
    {
        const int bar = static_cast<int>(beat / 4.0) % style_.bars;
        return style_.progression[bar % style_.progression.size()];
    }

    NoteEvent fitToChord(NoteEvent n) const
    {
        const bool strong = std::fmod(n.beat, 2.0) == 0.0;
        if (!strong || inChord(n.pitch, style_.tonic, chordAt(n.beat)))
            return n;
        // Step to the nearest scale note that belongs to the chord.
        for (int d = 1; d < 4; ++d)
            for (int sign : {-1, 1}) {
                const int p = n.pitch + sign * d;
                if (p >= style_.tonic - 5 && p <= style_.tonic + 14 &&
                    inScale(((p - style_.tonic) % 12 + 12) % 12, style_.minorKey) &&
                    inChord(p, style_.tonic, chordAt(n.beat))) {
                    n.pitch = p;
                    return n;
                }
            }
        return n;
    }

    void walk()
    {
        static constexpr int steps[] = {-2, -1, -1, 0, 1, 1, 2, -1, 1};
        int step = steps[dice_.below(9)];
        // Far from home the tune leans back towards it, like a singer would.
        const int away = at_ - homeIndex();
        if (std::abs(away) > 2 && away * step > 0 && dice_.below(3) != 0)
            step = -step;
        at_ += step;
        if (at_ < 1)
            at_ = 1 + dice_.below(2);
        if (at_ > static_cast<int>(pitches_.size()) - 2)
            at_ = static_cast<int>(pitches_.size()) - 2 - dice_.below(2);
    }

    std::vector<NoteEvent> phrase(int firstBar, bool closing)
    {
        std::vector<NoteEvent> notes;
        for (int bar = 0; bar < 4; ++bar) {
            const bool last = bar == 3;
            const auto& rhythms = last ? closingRhythms() : barRhythms();
            const std::vector<int>& rhythm = rhythms[dice_.below(static_cast<int>(rhythms.size()))];
            double beat = 4.0 * (firstBar + bar);
            for (std::size_t i = 0; i < rhythm.size(); ++i) {
                const int eighths = std::abs(rhythm[i]);
                if (rhythm[i] > 0) {
                    walk();
                    int pitch = pitches_[at_];
                    const bool finalNote = last && (i + 1 == rhythm.size() || rhythm[i + 1] < 0);
                    if (finalNote && closing) {
                        at_ = homeIndex();
                        pitch = style_.tonic;
                    }
                    notes.push_back({beat, eighths / 2.0, pitch});
                }
                beat += eighths / 2.0;
            }
        }
        return notes;
    }

    const TuneStyle& style_;
    Dice dice_;
    std::vector<int> pitches_;
    int at_ = 0;
};

// The chord tone of `pitchClass` placed inside [low, low + 11].
int voiceIn(int pitchClass, int low)
{
    int p = low + ((pitchClass - low) % 12 + 12) % 12;
    return p;
}

PcmBuffer render(const TuneStyle& style)
{
    const double beatSeconds = 60.0 / style.bpm;
    PcmBuffer sound(style.bars * 4 * beatSeconds, true);

    for (const NoteEvent& n : Composer(style).melody())
        sound.addNote(style.lead, n.pitch, n.beat * beatSeconds, n.length * beatSeconds * 0.9, 0.42);

    for (int bar = 0; bar < style.bars; ++bar) {
        const Chord& chord = style.progression[bar % style.progression.size()];
        const int root = style.tonic % 12 + chord.root;
        const int tones[] = {root, root + (chord.minor ? 3 : 4), root + 7};
        const double start = bar * 4 * beatSeconds;
        for (int tone : tones)
            sound.addNote(Timbre::Pad, voiceIn(tone, 53), start, 4 * beatSeconds, 0.16);
        const int bass = voiceIn(root, 36);
        sound.addNote(Timbre::Bass, bass, start, 1.6 * beatSeconds, 0.42);
        sound.addNote(Timbre::Bass, bass + (bass + 7 > 48 ? -5 : 7), start + 2 * beatSeconds, 1.6 * beatSeconds, 0.32);
        if (style.arpeggio) {
            const int pattern[] = {0, 1, 2, 1};
            for (int e = 0; e < 8; e += 2) {
                const int tone = voiceIn(tones[pattern[e / 2]], 60);
                sound.addNote(Timbre::Pluck, tone, start + (e + 1) * 0.5 * beatSeconds, 0.4 * beatSeconds, 0.12);
            }
        }
    }
    sound.addRoom(0.3);
    sound.scaleToRms(-20.0, -4.0);
    return sound;
}

std::vector<TuneStyle> styles()
{
    const Chord I{0, false}, ii{2, true}, iii{4, true}, IV{5, false}, V{7, false}, vi{9, true};
    const Chord i{0, true}, III{3, false}, VI{8, false}, VII{10, false};
    return {
        {0, 72, false, 96, 16, {I, vi, IV, V}, Timbre::Marimba, true, 1101},
        {1, 67, false, 84, 16, {I, V, vi, IV}, Timbre::Pluck, false, 2202},
        {2, 69, true, 108, 20, {i, VI, III, VII}, Timbre::Marimba, true, 3303},
        {3, 65, false, 90, 16, {I, iii, IV, V}, Timbre::Bell, false, 4404},
        {4, 74, false, 116, 24, {I, vi, ii, V}, Timbre::Pluck, true, 5505},
    };
}

}   // namespace

std::vector<Tune> renderTunes()
{
    std::vector<Tune> tunes;
    for (const TuneStyle& style : styles())
        tunes.push_back({style.number, style.bpm, render(style)});
    return tunes;
}

}   // namespace velko::sounds
