// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/format.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace zelvo {

namespace {

// Switches the calling thread to the "C" locale for its lifetime.
class CLocaleScope {
  public:
    CLocaleScope() : previous_(cLocale() ? uselocale(cLocale()) : nullptr) {}
    ~CLocaleScope()
    {
        if (previous_)
            uselocale(previous_);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }
    locale_t previous_;
};

std::string vprintfString(const char* format, va_list args)
{
    const CLocaleScope scope;
    char small[128];
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0)
        return {};
    if (static_cast<std::size_t>(n) < sizeof small)
        return std::string(small, static_cast<std::size_t>(n));
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

struct SiRange {
    double low, high, divisor;
    const char* suffix;
};

// The lower bound belongs to the range; the order is the one the ranges are
// tested in, which matters only for documentation since they do not overlap.
constexpr SiRange siRanges[] = {
    {1.0, 1000.0, 1.0, " "},     {1e3, 1e6, 1000.0, " k"}, {1e6, 1e9, 1e6, " M"},
    {1e9, 1e12, 1e9, " G"},      {1e12, 1e15, 1e12, " T"}, {0.001, 1.0, 0.001, " m"},
    {1e-6, 0.001, 1e-6, " u"},   {1e-9, 1e-6, 1e-9, " n"}, {1e-12, 1e-9, 1e-12, " p"},
    {1e-15, 1e-12, 1e-15, " f"},
};

} // namespace

std::string printfString(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string s = vprintfString(format, args);
    va_end(args);
    return s;
}

std::string formatG(double value)
{
    return printfString("%G", value);
}

std::string formatSi(double value, int digits)
{
    // More decimals than a double carries only lengthen the text.
    const int precision = std::clamp(digits, 0, 40);
    for (const SiRange& r : siRanges) {
        if (value >= r.low && value < r.high) {
            const double shown = r.divisor == 1.0 ? value : value / r.divisor;
            std::string text = printfString("%.*f%s", precision, shown, r.suffix);
            // The prefix follows the rounded number: a float's 1 pF
            // (9.9999998e-13) reads "1.0 p", not "1000.0 f".
            if (text.compare(0, 4, "1000") == 0)
                return formatSi(r.high, digits);
            return text;
        }
    }
    return printfString("%.*E", precision, value);
}

std::string formatFrequency(double hertz, int digits)
{
    if (hertz == 0.0)
        return printfString("%.*f ", std::clamp(digits, 0, 40), 0.0);
    return formatSi(hertz, digits);
}

std::string formatSiFloat(float value, int digits)
{
    return formatSi(static_cast<double>(value), digits);
}

} // namespace zelvo
