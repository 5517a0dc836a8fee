// Additive voices with smooth envelopes: every attack takes a few milliseconds
// and every note fades to silence, so nothing clicks.

#include "Instruments.h"

#include <algorithm>
#include <cmath>

namespace velko::sounds {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double partial(double frequency, double t)
{
    return std::sin(kTwoPi * frequency * t);
}

// A raised-cosine rise over the first `attack` seconds.
double rise(double t, double attack)
{
    if (t >= attack)
        return 1.0;
    return 0.5 - 0.5 * std::cos(3.141592653589793 * t / attack);
}

// A raised-cosine fall to zero between `from` and `from + length`.
double fall(double t, double from, double length)
{
    if (t <= from)
        return 1.0;
    if (t >= from + length)
        return 0.0;
    return 0.5 + 0.5 * std::cos(3.141592653589793 * (t - from) / length);
}

// Decaying voices get a final gentle close so they end exactly at zero.
double decayingEnd(Timbre timbre, double t, double held)
{
    const double end = ringTime(timbre, held);
    return fall(t, end - 0.02, 0.02);
}

double marimba(double f, double t)
{
    const double decay = 0.35 * std::pow(440.0 / f, 0.35);
    return rise(t, 0.003) * (std::exp(-t / decay) * partial(f, t) + 0.22 * std::exp(-t / 0.04) * partial(3.93 * f, t) +
                             0.08 * std::exp(-t / 0.02) * partial(9.2 * f, t));
}

double bell(double f, double t)
{
    static constexpr double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.43};
    static constexpr double levels[] = {1.0, 0.45, 0.30, 0.16, 0.10};
    static constexpr double decays[] = {0.9, 0.55, 0.35, 0.2, 0.12};
    double sum = 0.0;
    for (int k = 0; k < 5; ++k)
        sum += levels[k] * std::exp(-t / decays[k]) * partial(ratios[k] * f, t);
    return rise(t, 0.002) * sum * 0.6;
}

double pluck(double f, double t)
{
    double sum = 0.0;
    for (int k = 1; k <= 8; ++k) {
        if (k * f > 12000.0)
            break;
        sum += std::exp(-t * (2.5 + 1.6 * k)) / k * partial(k * f, t);
    }
    return rise(t, 0.004) * sum * 0.7;
}

double pad(double f, double t, double held)
{
    const double body = partial(f, t) + partial(f * 1.004, t) + partial(f * 0.996, t) + 0.25 * partial(2.0 * f, t);
    return rise(t, 0.45) * fall(t, held, 0.8) * body * 0.3;
}

double bass(double f, double t, double held)
{
    const double body = partial(f, t) + 0.3 * partial(2.0 * f, t) * std::exp(-t / 0.15);
    return rise(t, 0.012) * (0.6 + 0.4 * std::exp(-t / 0.3)) * fall(t, held, 0.12) * body * 0.8;
}

double brass(double f, double t, double held)
{
    const double vibrato = 0.004 * std::sin(kTwoPi * 5.5 * t) * rise(t, 0.15);
    double sum = 0.0;
    for (int k = 1; k <= 10; ++k) {
        if (k * f > 14000.0)
            break;
        sum += partial(k * f * (1.0 + vibrato), t) / (0.6 + 0.5 * k);
    }
    return rise(t, 0.018) * (0.75 + 0.25 * std::exp(-t / 0.1)) * fall(t, held, 0.12) * sum * 0.35;
}

double buzz(double f, double t, double held)
{
    double sum = 0.0;
    for (int k = 1; k <= 7; ++k)
        sum += partial(k * f, t) / (k * k) * (k % 2 ? 1.0 : 0.5);
    return rise(t, 0.006) * fall(t, held, 0.04) * sum;
}

double tick(double f, double t)
{
    return rise(t, 0.0015) * (std::exp(-t / 0.012) * partial(f, t) + 0.4 * std::exp(-t / 0.006) * partial(2.7 * f, t));
}

}   // namespace

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

double ringTime(Timbre timbre, double held)
{
    switch (timbre) {
    case Timbre::Marimba: return 1.2;
    case Timbre::Bell: return 2.5;
    case Timbre::Pluck: return 1.6;
    case Timbre::Pad: return held + 0.8;
    case Timbre::Bass: return held + 0.12;
    case Timbre::Brass: return held + 0.12;
    case Timbre::Buzz: return held + 0.04;
    case Timbre::Tick: return 0.06;
    }
    return held;
}

double voice(Timbre timbre, double frequency, double t, double held)
{
    if (t < 0.0 || t >= ringTime(timbre, held))
        return 0.0;
    switch (timbre) {
    case Timbre::Marimba: return marimba(frequency, t) * decayingEnd(timbre, t, held);
    case Timbre::Bell: return bell(frequency, t) * decayingEnd(timbre, t, held);
    case Timbre::Pluck: return pluck(frequency, t) * decayingEnd(timbre, t, held);
    case Timbre::Pad: return pad(frequency, t, held);
    case Timbre::Bass: return bass(frequency, t, held);
    case Timbre::Brass: return brass(frequency, t, held);
    case Timbre::Buzz: return buzz(frequency, t, held);
    case Timbre::Tick: return tick(frequency, t) * decayingEnd(timbre, t, held);
    }
    return 0.0;
}

}   // namespace velko::sounds
