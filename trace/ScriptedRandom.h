#pragma once
// A random source that hands out exactly the values it was given, in order.

#include <deque>
#include <initializer_list>
#include <stdexcept>

#include "RandomSource.h"

namespace velko {

struct RandomExhausted : std::runtime_error {
    RandomExhausted() : std::runtime_error("random exhausted") {}
};

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : queue_(values) {}

    void add(float value) { queue_.push_back(value); }
    void add(std::initializer_list<float> values) { queue_.insert(queue_.end(), values); }
    std::size_t remaining() const { return queue_.size(); }
    std::size_t drawn() const { return drawn_; }

    // Throws RandomExhausted when the script has run out.
    float next() override
    {
        if (queue_.empty())
            throw RandomExhausted();
        const float value = queue_.front();
        queue_.pop_front();
        ++drawn_;
        return value;
    }

private:
    std::deque<float> queue_;
    std::size_t drawn_ = 0;
};

}   // namespace velko
