#pragma once

#include "GameError.h"
#include "RandomSource.h"

#include <random>
#include <stdexcept>
#include <vector>

namespace duomira::test {

// Draws a fixed list of values over and over or, with no list, from a seeded
// engine; counts the draws and the seedings, and can fail as the game does.
struct TestRandom : RandomSource {
    explicit TestRandom(std::vector<float> list) : values(std::move(list)) {}
    explicit TestRandom(unsigned seed) : engine(seed) {}
    void seedFromClock() override { ++seeds; }
    float next() override {
        if (failing)
            throw GameError(GameErrorKind::Overflow);
        if (!values.empty() && drawn > 100000) // a deal without end fails, not hangs
            throw std::runtime_error("a hundred thousand draws from the list");
        ++drawn;
        return values.empty() ? static_cast<float>(engine() >> 8U) / 16777216.0F
                              : values.at((drawn - 1) % values.size());
    }

    std::vector<float> values;
    std::mt19937 engine;
    std::size_t drawn = 0;
    int seeds = 0;
    bool failing = false;
};

// The value that makes the deal draw number n (0..23).
inline float drawFor(int n) {
    return (static_cast<float>(n) + 0.5F) / 23.9F;
}

// Deals number n to card n: card c shows picture c mod 12, its partner is c + 12.
inline std::vector<float> identityDeal() {
    std::vector<float> values;
    for (int n = 0; n < 24; ++n)
        values.push_back(drawFor(n));
    return values;
}

} // namespace duomira::test
