#include "PcmBuffer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velko::sounds {

namespace {

double toDb(double linear)
{
    return 20.0 * std::log10(std::max(linear, 1e-12));
}
double fromDb(double db)
{
    return std::pow(10.0, db / 20.0);
}

// Schroeder's reverberator: four parallel combs into two allpasses.
class Room {
public:
    Room()
    {
        static constexpr std::array<int, 4> combLengths = {1557, 1617, 1491, 1422};
        static constexpr std::array<int, 2> allpassLengths = {556, 441};
        for (int i = 0; i < 4; ++i)
            combs_[i].assign(combLengths[i], 0.0);
        for (int i = 0; i < 2; ++i)
            allpasses_[i].assign(allpassLengths[i], 0.0);
    }

    double process(double in)
    {
        double sum = 0.0;
        for (int i = 0; i < 4; ++i) {
            auto& line = combs_[i];
            std::size_t& at = combAt_[i];
            const double out = line[at];
            damped_[i] = out * 0.75 + damped_[i] * 0.25;   // darker tail
            line[at] = in + damped_[i] * 0.80;
            at = (at + 1) % line.size();
            sum += out;
        }
        double out = sum * 0.25;
        for (int i = 0; i < 2; ++i) {
            auto& line = allpasses_[i];
            std::size_t& at = allpassAt_[i];
            const double delayed = line[at];
            line[at] = out + delayed * 0.5;
            out = delayed - out * 0.5;
            at = (at + 1) % line.size();
        }
        return out;
    }

private:
    std::array<std::vector<double>, 4> combs_;
    std::array<std::size_t, 4> combAt_{};
    std::array<double, 4> damped_{};
    std::array<std::vector<double>, 2> allpasses_;
    std::array<std::size_t, 2> allpassAt_{};
};

}   // namespace

PcmBuffer::PcmBuffer(double seconds, bool looping)
    : samples_(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0f),
      looping_(looping)
{}

void PcmBuffer::addNote(Timbre timbre, double note, double start, double held, double gain)
{
    const double frequency = midiToHz(note);
    const long first = std::lround(start * kSampleRate);
    const long count = static_cast<long>(std::ceil(ringTime(timbre, held) * kSampleRate));
    const long size = static_cast<long>(samples_.size());
    for (long i = 0; i < count; ++i) {
        long at = first + i;
        if (looping_)
            at = ((at % size) + size) % size;
        else if (at < 0 || at >= size)
            continue;
        samples_[at] += static_cast<float>(gain * voice(timbre, frequency, static_cast<double>(i) / kSampleRate, held));
    }
}

void PcmBuffer::addRoom(double wet)
{
    Room room;
    const std::size_t size = samples_.size();
    std::vector<double> reverb(size, 0.0);
    if (looping_) {
        // Run the loop through twice and keep the second pass: its start then
        // carries the reverb tail of the loop's own end.
        for (std::size_t i = 0; i < size; ++i)
            room.process(samples_[i]);
        for (std::size_t i = 0; i < size; ++i)
            reverb[i] = room.process(samples_[i]);
    } else {
        for (std::size_t i = 0; i < size; ++i)
            reverb[i] = room.process(samples_[i]);
    }
    for (std::size_t i = 0; i < size; ++i)
        samples_[i] = static_cast<float>(samples_[i] + wet * reverb[i]);
}

void PcmBuffer::fadeTail(double seconds)
{
    const std::size_t size = samples_.size();
    const std::size_t fade = std::min<std::size_t>(size, static_cast<std::size_t>(seconds * kSampleRate));
    for (std::size_t i = 0; i < fade; ++i) {
        const double x = static_cast<double>(i) / fade;
        samples_[size - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(3.141592653589793 * x));
    }
}

double PcmBuffer::peakDbfs() const
{
    double peak = 0.0;
    for (float s : samples_)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return toDb(peak);
}

double PcmBuffer::rmsDbfs() const
{
    double sum = 0.0;
    for (float s : samples_)
        sum += static_cast<double>(s) * s;
    return toDb(std::sqrt(sum / std::max<std::size_t>(samples_.size(), 1)));
}

void PcmBuffer::scale(double factor)
{
    for (float& s : samples_)
        s = static_cast<float>(s * factor);
}

void PcmBuffer::scaleToPeak(double dbfs)
{
    scale(fromDb(dbfs - peakDbfs()));
}

void PcmBuffer::scaleToRms(double dbfs, double peakCeilingDbfs)
{
    scale(fromDb(dbfs - rmsDbfs()));
    if (peakDbfs() > peakCeilingDbfs)
        scaleToPeak(peakCeilingDbfs);
}

}   // namespace velko::sounds
