#include "RandomSource.h"

#include <chrono>

namespace duomira {

void ClockRandomSource::seedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

float ClockRandomSource::next() {
    // 24 random bits scaled by 2^-24 are exact in a float and never reach 1,
    // which a float distribution cannot promise after rounding.
    constexpr float kScale = 1.0F / 16777216.0F;
    return static_cast<float>(engine_() >> 8U) * kScale;
}

} // namespace duomira
