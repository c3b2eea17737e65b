#pragma once

#include <cstdint>

namespace duomira::soak {

struct SoakSettings {
    std::uint64_t events = 0;
    std::uint32_t seed = 0;
};

// SOAK_EVENTS (20,000 when unset) and SOAK_SEED (a fresh one when unset) from
// the environment. Throws std::invalid_argument for a value that is no number.
SoakSettings readSettings();

} // namespace duomira::soak
