#pragma once

#include <cstdint>

namespace velmora {

// The one source of chance of the model: a 32-bit linear congruential generator. It starts
// at state 0 and is never seeded, so every launch draws the same sequence; the order in
// which the model draws is part of its behaviour.
struct Random
{
    std::uint32_t state = 0;

    // A uniform integer in [0, n). Every call advances the state, also when n <= 0, which
    // gives 0.
    std::int32_t randomBelow(std::int32_t n)
    {
        state = state * 134775813u + 1u;
        if (n <= 0) {
            return 0;
        }
        return static_cast<std::int32_t>((std::uint64_t{state} * static_cast<std::uint32_t>(n)) >> 32);
    }
};

} // namespace velmora
