#pragma once

#include <cstdint>

namespace velmora {

// The model computes on 32-bit integers. A temperature or pH typed on the panel can be any
// 32-bit value, so where a product or a running sum could leave that range it wraps as two's
// complement (as the integer registers of the machine do) instead of being undefined.

constexpr std::int32_t wrapAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t wrapSub(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

constexpr std::int32_t wrapMul(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

constexpr std::int32_t wrapNeg(std::int32_t a)
{
    return wrapSub(0, a);
}

constexpr std::int32_t wrapAbs(std::int32_t a)
{
    return a < 0 ? wrapNeg(a) : a;
}

// Division truncating toward zero. The one quotient that does not fit, the lowest value
// divided by -1, wraps like every other result.
constexpr std::int32_t wrapDiv(std::int32_t a, std::int32_t b)
{
    return b == -1 ? wrapNeg(a) : a / b;
}

} // namespace velmora
