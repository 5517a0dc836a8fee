#pragma once
// A random source that hands out the values a test wrote down.

#include "RandomSource.h"

#include <deque>
#include <initializer_list>

class ScriptedRandom final : public velko::RandomSource {
public:
    ScriptedRandom(std::initializer_list<float> values) : values_(values) {}
    float next() override
    {
        const float r = values_.front();
        values_.pop_front();
        return r;
    }

private:
    std::deque<float> values_;
};
