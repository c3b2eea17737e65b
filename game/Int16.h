#pragma once

#include "GameError.h"

#include <cstdint>
#include <limits>

namespace duomira {

// The game counts in 16-bit signed integers that never wrap: a result outside
// -32768..32767 is an overflow error instead.
using Int16 = std::int16_t;

constexpr Int16 toInt16(long long value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        throw GameError(GameErrorKind::Overflow);
    }
    return static_cast<Int16>(value);
}

constexpr Int16 add16(Int16 a, Int16 b) {
    return toInt16(static_cast<long long>(a) + b);
}
constexpr Int16 mul16(Int16 a, Int16 b) {
    return toInt16(static_cast<long long>(a) * b);
}
constexpr Int16 increment16(Int16 value) {
    return add16(value, 1);
}

} // namespace duomira
