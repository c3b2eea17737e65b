#pragma once

#include "GameError.h"
#include "Int16.h"

#include <array>
#include <cstddef>

namespace duomira {

// The element of a control array of count elements: an index outside it is
// the game's subscript error, never a stray access.
inline std::size_t subscript(int index, int count) {
    if (index < 0 || index >= count)
        throw GameError(GameErrorKind::SubscriptOutOfRange);
    return static_cast<std::size_t>(index);
}

// One 16-bit value per card. The arrays have a spare slot 24 that play never
// touches; any index outside 0..24 is a subscript error, never a stray access.
class CardArray {
public:
    static constexpr int kSize = 25;

    Int16& operator[](int index) { return values_[subscript(index, kSize)]; }
    Int16 operator[](int index) const { return values_[subscript(index, kSize)]; }

private:
    std::array<Int16, kSize> values_{};
};

} // namespace duomira
