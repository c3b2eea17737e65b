#pragma once

#include <cstdint>
#include <random>

namespace duomira {

// Where the deal gets its randomness: values u with 0 <= u < 1 in single
// precision. Tests feed fixed sequences through the same interface.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

class ClockRandomSource final : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

} // namespace duomira
