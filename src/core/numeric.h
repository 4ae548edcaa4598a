// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Saturation constants and the one safe way to turn a double into an integer.
#include <cmath>
#include <cstdint>
#include <limits>

namespace zelvo {

// Guarded divisions by zero return these instead of infinities.
inline constexpr double DOUBLE_BIG = 1.7976931348623157e308;
inline constexpr float FLOAT_BIG = 3.4028235e38f;
// Smallest normal values, used by the chart interaction as division guards.
inline constexpr double DOUBLE_TINY = 2.2250738585072014e-308;
inline constexpr float FLOAT_TINY = 1.1754944e-38f;

// Truncation toward zero that saturates at the type's range; NaN gives 0.
// A plain cast of 1.8e308 to int is undefined behaviour, and saturated values
// reach pixel and index conversions routinely.
template <typename Int>
constexpr Int saturatingTrunc(double v)
{
    static_assert(std::numeric_limits<Int>::is_integer);
    if (v != v)
        return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<Int>::max());
    if (v <= lo)
        return std::numeric_limits<Int>::min();
    if (v >= hi)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(v);
}

// A sum of pixel coordinates that saturates at the int range: a marker or
// label next to a point near the range's edge must not overflow.
template <typename... Ints>
constexpr int sumSaturated(Ints... terms)
{
    static_assert(sizeof...(Ints) <= 4);
    const std::int64_t s = (std::int64_t{0} + ... + static_cast<std::int64_t>(terms));
    constexpr std::int64_t lo = std::numeric_limits<int>::min();
    constexpr std::int64_t hi = std::numeric_limits<int>::max();
    return static_cast<int>(s < lo ? lo : s > hi ? hi : s);
}

constexpr int toInt(double v) { return saturatingTrunc<int>(v); }
constexpr std::int16_t toInt16(double v) { return saturatingTrunc<std::int16_t>(v); }
constexpr std::int64_t toInt64(double v) { return saturatingTrunc<std::int64_t>(v); }

// Nearest integer, halves to even, saturating (the rounding of a 16-bit
// conversion in the forms run-time and of lrint in the default mode).
inline std::int16_t roundToInt16(double v)
{
    if (v != v)
        return 0;
    return saturatingTrunc<std::int16_t>(std::nearbyint(v));
}

// Narrowing to float that never produces infinity from a finite double.
inline float toFloatSaturated(double v)
{
    if (v > static_cast<double>(FLOAT_BIG))
        return FLOAT_BIG;
    if (v < -static_cast<double>(FLOAT_BIG))
        return -FLOAT_BIG;
    return static_cast<float>(v);
}

} // namespace zelvo
