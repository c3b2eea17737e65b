#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <random>
#include <stdexcept>
#include <vector>

namespace duomira::test {

// Hands out a fixed list of values; running past its end is a test fault.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    void seedFromClock() override { ++seeds; }
    float next() override {
        if (position_ >= values_.size()) {
            throw std::logic_error("scripted random values exhausted");
        }
        return values_[position_++];
    }
    std::size_t drawn() const { return position_; }
    int seeds = 0;

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

// A reproducible stream of values in [0, 1) for tests over many deals.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void seedFromClock() override {}
    float next() override { return static_cast<float>(engine_() >> 8U) / 16777216.0F; }

private:
    std::mt19937 engine_;
};

// The value u that makes the deal draw the number n (0..23).
inline float drawFor(int n) {
    return (static_cast<float>(n) + 0.5F) / 23.9F;
}

// A script dealing number n to card n: card c then shows picture c mod 12.
inline std::vector<float> identityDeal() {
    std::vector<float> values;
    for (int n = 0; n < 24; ++n) {
        values.push_back(drawFor(n));
    }
    return values;
}

} // namespace duomira::test
