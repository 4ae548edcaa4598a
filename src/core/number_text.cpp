// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/number_text.h"

#include "core/number_parse.h"

#include "core/numeric.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace zelvo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The characters C's isspace accepts in the "C" locale.
bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal exponent of the leading significant digit of an unsigned decimal
// text; used only to tell overflow from underflow when from_chars gives up.
bool exceedsRange(std::string_view digits)
{
    std::size_t i = 0;
    long position = 0; // digits before the point, leading zeros excluded
    bool seenNonZero = false;
    long leadingFractionZeros = 0;
    for (; i < digits.size() && isDigit(digits[i]); ++i) {
        if (digits[i] != '0')
            seenNonZero = true;
        if (seenNonZero)
            ++position;
    }
    if (i < digits.size() && digits[i] == '.') {
        for (++i; i < digits.size() && isDigit(digits[i]); ++i) {
            if (seenNonZero)
                continue;
            if (digits[i] != '0')
                seenNonZero = true;
            else
                ++leadingFractionZeros;
        }
    }
    long exponent = 0;
    if (i < digits.size() && (digits[i] == 'e' || digits[i] == 'E')) {
        ++i;
        const bool negative = i < digits.size() && digits[i] == '-';
        if (i < digits.size() && (digits[i] == '-' || digits[i] == '+'))
            ++i;
        for (; i < digits.size() && isDigit(digits[i]); ++i)
            exponent = std::min(exponent * 10 + (digits[i] - '0'), 100000L);
        if (negative)
            exponent = -exponent;
    }
    const long leading = position > 0 ? position - 1 + exponent : -(leadingFractionZeros + 1) + exponent;
    return leading > 0;
}

std::string padLeft(std::string s, int width)
{
    if (width > 0 && s.size() < static_cast<std::size_t>(width))
        s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

std::string nonFiniteText(double value, bool upper)
{
    std::string s = std::signbit(value) ? "-" : "";
    s += std::isnan(value) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
    return s;
}

} // namespace

namespace number_detail {

bool exactDecimal(std::string_view digits, double& magnitude)
{
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec == std::errc::result_out_of_range)
        magnitude = exceedsRange(digits) ? DOUBLE_BIG : 0.0;
    else if (ec != std::errc{} || ptr != digits.data() + digits.size())
        return false;
    return true;
}

} // namespace number_detail

ScannedNumber scanNumber(std::string_view text, std::size_t start)
{
    ScannedNumber result;
    result.end = start;
    if (start >= text.size())
        return result;
    const char* const begin = text.data();
    const char* const last = begin + text.size();
    const char* p = begin + start;
    while (p != last && isCSpace(*p))
        ++p;
    const char* const end = parseNumber(p, last, result.value);
    if (!end)
        return result;
    result.end = static_cast<std::size_t>(end - begin);
    result.ok = true;
    return result;
}

FieldNumber readFieldNumber(std::string_view text, std::size_t maxChars)
{
    const std::string_view field = text.substr(0, std::min(maxChars, text.size()));
    const ScannedNumber n = scanNumber(field);
    return {n.value, n.ok, n.end < field.size(), n.ok && std::fabs(n.value) >= DOUBLE_BIG};
}

std::string fixedText(double value, int decimals, int width)
{
    if (!std::isfinite(value))
        return padLeft(nonFiniteText(value, false), width);
    // 309 integer digits of DOUBLE_BIG plus sign, point and the decimals.
    std::array<char, 400> buffer{};
    const int precision = std::clamp(decimals, 0, 60);
    const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, precision);
    if (ec != std::errc{})
        return padLeft("?", width);
    return padLeft(std::string(buffer.data(), ptr), width);
}

std::string exponentText(double value, int decimals)
{
    if (!std::isfinite(value))
        return nonFiniteText(value, true);
    std::array<char, 128> buffer{};
    const int precision = std::clamp(decimals, 0, 60);
    const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::scientific, precision);
    if (ec != std::errc{})
        return "?";
    std::string s(buffer.data(), ptr);
    for (char& c : s)
        if (c == 'e')
            c = 'E';
    return s;
}

} // namespace zelvo
