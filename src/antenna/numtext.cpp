// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace wendra {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of t (sign, digits with at most
// one point, optional exponent), 0 when there is none. An exponent mark
// without digits after it is not part of the number.
std::size_t numberLength(std::string_view t)
{
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && isDigit(t[j])) {
            while (j < t.size() && isDigit(t[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Converts a span that numberLength accepted. from_chars takes no '+' and
// reports out-of-range values instead of saturating, so both are handled here.
double convert(std::string_view n)
{
    bool negative = false;
    if (!n.empty() && (n.front() == '+' || n.front() == '-')) {
        negative = n.front() == '-';
        n.remove_prefix(1);
    }
    double v = 0.0;
    auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal exponent.
        const auto e = n.find_first_of("eE");
        const auto mantissa = n.substr(0, e);
        long exp10 = 0;
        if (e != std::string_view::npos) {
            std::string_view ex = n.substr(e + 1);
            const bool negExp = !ex.empty() && ex.front() == '-';
            if (!ex.empty() && (ex.front() == '+' || ex.front() == '-'))
                ex.remove_prefix(1);
            for (char c : ex) {
                exp10 = exp10 * 10 + (c - '0');
                if (exp10 > 100000)
                    break;
            }
            if (negExp)
                exp10 = -exp10;
        }
        // Position of the first significant digit relative to the point.
        long lead = 0;
        const auto point = mantissa.find('.');
        const auto intPart = mantissa.substr(0, point);
        const auto firstNonZero = intPart.find_first_not_of('0');
        if (firstNonZero != std::string_view::npos) {
            lead = static_cast<long>(intPart.size() - firstNonZero);
        } else if (point != std::string_view::npos) {
            const auto frac = mantissa.substr(point + 1);
            const auto f = frac.find_first_not_of('0');
            lead = f == std::string_view::npos ? -100000 : -static_cast<long>(f);
        }
        v = exp10 + lead > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -v : v;
}

} // namespace

double number(std::string_view t)
{
    std::size_t start = 0;
    while (start < t.size() && isBlank(t[start]))
        ++start;
    t.remove_prefix(start);
    const std::size_t n = numberLength(t);
    return n == 0 ? 0.0 : convert(t.substr(0, n));
}

std::optional<double> wholeNumber(std::string_view t)
{
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    const std::size_t n = numberLength(t);
    if (n == 0 || n != t.size())
        return std::nullopt;
    const double v = convert(t);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

std::string text(double v)
{
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v > 0 ? "Infinity" : "-Infinity";
    if (v == 0.0)
        return "0"; // also for -0

    // 15 significant digits, rounded once; the exponent comes after rounding
    // so 9.9999999999999999 becomes "10".
    std::array<char, 40> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), v,
                                   std::chars_format::scientific, 14);
    (void)ec; // 40 characters always suffice for 15 digits and an exponent
    const std::string_view sci(buf.data(), static_cast<std::size_t>(end - buf.data()));

    const bool negative = sci.front() == '-';
    const auto ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    int exp10 = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0),
                    sci.data() + sci.size(), exp10);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exp10 >= 15 || exp10 < -5) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += exp10 < 0 ? "E-" : "E+";
        const int a = std::abs(exp10);
        if (a < 10)
            out += '0';
        out += std::to_string(a);
    } else if (exp10 < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exp10 - 1), '0');
        out += digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(exp10) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits);
            out += '.';
            out += digits.substr(intDigits);
        }
    }
    return out;
}

std::string roundedText(double v, int significant)
{
    if (!std::isfinite(v))
        return text(v);
    std::array<char, 40> buf{};
    const int precision = std::clamp(significant, 1, 15) - 1;
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), v,
                                   std::chars_format::scientific, precision);
    (void)ec; // as above
    double rounded = v;
    std::from_chars(buf.data(), end, rounded);
    return text(rounded);
}

std::int16_t round16(double v)
{
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v);
    if (r >= 32767.0)
        return 32767;
    if (r <= -32768.0)
        return -32768;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int16_t> round16Exact(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (r > 32767.0 || r < -32768.0)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

} // namespace wendra
