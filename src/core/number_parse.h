// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The in-place decimal reader behind scanNumber, inline so that the readers of
// long files (a Touchstone sweep holds nine numbers a line) pay no call per
// number.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zelvo {

namespace number_detail {

// Up to 2^53 and 10^22 both mantissa and power are exact doubles, so one
// correctly rounded multiplication or division gives the correctly rounded
// value, the same as from_chars.
inline constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Eight digit values (0 to 9), the most significant in the lowest byte, as
// one number: pairs, then fours, then the eight combined by multiplication.
// Digits moved to the top of the word read with the bytes below as leading
// zeros.
constexpr std::uint64_t digitWordValue(std::uint64_t d)
{
    d = d * 10 + (d >> 8);
    return ((d & 0x000000FF000000FF) * 0x000F424000000064
            + ((d >> 16) & 0x000000FF000000FF) * 0x0000271000000001)
           >> 32;
}

struct DigitRun {
    std::ptrdiff_t count; // 0 to 8
    std::uint64_t value;
};

// Up to eight digits at p, read as one word where eight bytes are there: a
// line of a long sweep holds nine numbers, and a loop per character was most
// of the time it took to read one.
[[gnu::always_inline]] inline DigitRun eightDigits(const char* p, const char* last)
{
    if constexpr (std::endian::native == std::endian::little) {
        if (last - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            // The high bit of each byte outside '0'..'9'. Carries and borrows
            // run upward only from such a byte, so the lowest mark is exact.
            const std::uint64_t marks =
                ((w + 0x4646464646464646) | (w - 0x3030303030303030)) & 0x8080808080808080;
            const int count = marks == 0 ? 8 : std::countr_zero(marks) / 8;
            if (count == 0)
                return {0, 0};
            return {count, digitWordValue((w - 0x3030303030303030) << (8 * (8 - count)))};
        }
    }
    DigitRun r{0, 0};
    for (; r.count < 8 && p + r.count != last && isDigit(p[r.count]); ++r.count)
        r.value = r.value * 10 + static_cast<unsigned>(p[r.count] - '0');
    return r;
}

// All digits at p into the mantissa; it wraps beyond 19 digits, where
// `count` sends the number to the exact general path anyway.
[[gnu::always_inline]] inline const char* readDigits(const char* p, const char* last, std::uint64_t& mantissa,
                       std::ptrdiff_t& count)
{
    static constexpr std::array<std::uint64_t, 9> scale = {
        1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    for (;;) {
        const DigitRun r = eightDigits(p, last);
        mantissa = mantissa * scale[static_cast<std::size_t>(r.count)] + r.value;
        count += r.count;
        p += r.count;
        if (r.count < 8)
            return p;
    }
}

// The digits of a number up to seven characters long with at most one point
// ("0.59900", "-90.25"), read from one word with p at the first digit or the
// point: how measurement files write their values. p then stands before
// `last`, inside the word. False where the general path has to read it.
[[gnu::always_inline]] inline bool shortMantissa(const char*& p, const char* last,
                                                 std::uint64_t& mantissa, std::ptrdiff_t& count,
                                                 std::ptrdiff_t& scale)
{
    if constexpr (std::endian::native == std::endian::little) {
        if (last - p < 8)
            return false;
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        // The high bit of each byte outside '0'..'9', each byte on its own: the
        // seven low bits of a byte plus at most 0x50 carry into no other byte.
        const std::uint64_t x = w & 0x7F7F7F7F7F7F7F7F;
        const std::uint64_t nonDigit =
            ((x + 0x4646464646464646) | ~(x + 0x5050505050505050) | w) & 0x8080808080808080;
        if (nonDigit == 0)
            return false;
        const int first = std::countr_zero(nonDigit) / 8;
        const std::uint64_t d = w & 0x0F0F0F0F0F0F0F0F;
        std::uint64_t digits = d;
        int length = first, n = first;
        scale = 0;
        if (p[first] == '.') {
            if (first == 7)
                return false;
            const std::uint64_t after = nonDigit & (~std::uint64_t{0} << (8 * first + 8));
            if (after == 0)
                return false;
            length = std::countr_zero(after) / 8;
            n = length - 1;
            scale = first + 1 - length;
            // The fraction's digits moved down over the point.
            const std::uint64_t below = (std::uint64_t{1} << (8 * first)) - 1;
            digits = (d & below) | ((d >> 8) & ~below);
        }
        if (n == 0)
            return false;
        mantissa = digitWordValue(digits << (8 * (8 - n)));
        count = n;
        p += length;
        return true;
    }
    return false;
}

// The value of an unsigned decimal (digits, point, exponent) the fast path
// leaves alone, correctly rounded; beyond the double range DOUBLE_BIG, below
// it 0. False where the text is not such a number whole.
bool exactDecimal(std::string_view digits, double& magnitude);

} // namespace number_detail

// scanNumber on [first, last), skipping blanks before the number but not line
// ends (CR, LF), so that a reader can go through a line in place without
// finding its end first. The end of the number, or nullptr (value untouched)
// when none stands there.
[[gnu::always_inline]] inline const char* parseNumber(const char* first, const char* last,
                                                     double& value)
{
    using namespace number_detail;
    const char* p = first;
    while (p != last && isBlank(*p))
        ++p;
    bool negative = false;
    if (p != last && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    const char* const digitsBegin = p;
    std::uint64_t mantissa = 0;
    std::ptrdiff_t count = 0;
    std::ptrdiff_t scale = 0;
    if (shortMantissa(p, last, mantissa, count, scale)) {
        // Without an exponent the value is at hand: the mantissa and the
        // power are exact, so the one division rounds correctly.
        if (*p != 'e' && *p != 'E') {
            const double magnitude = static_cast<double>(mantissa) / powersOfTen[-scale];
            value = negative ? -magnitude : magnitude;
            return p;
        }
    } else {
        p = readDigits(p, last, mantissa, count);
        if (p != last && *p == '.') {
            const char* const fraction = ++p;
            p = readDigits(p, last, mantissa, count);
            scale = fraction - p;
        }
    }
    if (count == 0)
        return nullptr;
    // An exponent counts only with at least one digit; "1e" reads as 1.
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q != last && (*q == '+' || *q == '-'))
            negativeExponent = *q++ == '-';
        if (q != last && isDigit(*q)) {
            std::ptrdiff_t e = 0;
            for (; q != last && isDigit(*q); ++q)
                e = std::min<std::ptrdiff_t>(e * 10 + (*q - '0'), 100000);
            scale += negativeExponent ? -e : e;
            p = q;
        }
    }
    double magnitude = 0.0;
    if (count <= 19 && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
        magnitude = static_cast<double>(mantissa);
        magnitude = scale < 0 ? magnitude / powersOfTen[-scale]
                              : magnitude * powersOfTen[scale];
    } else if (!exactDecimal(std::string_view(digitsBegin,
                                              static_cast<std::size_t>(p - digitsBegin)),
                             magnitude)) {
        return nullptr;
    }
    value = negative ? -magnitude : magnitude;
    return p;
}

} // namespace zelvo
