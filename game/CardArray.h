#pragma once

#include "GameError.h"
#include "Int16.h"

#include <array>

namespace duomira {

// One 16-bit value per card. The arrays have a spare slot 24 that play never
// touches; any index outside 0..24 is a subscript error, never a stray access.
class CardArray {
public:
    static constexpr int kSize = 25;

    Int16& operator[](int index) { return values_[checked(index)]; }
    Int16 operator[](int index) const { return values_[checked(index)]; }

private:
    static std::size_t checked(int index) {
        if (index < 0 || index >= kSize) {
            throw GameError(GameErrorKind::SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index);
    }

    std::array<Int16, kSize> values_{};
};

} // namespace duomira
