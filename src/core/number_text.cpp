#include "core/number_text.h"

#include "core/numeric.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace zelvo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The characters C's isspace accepts in the "C" locale.
bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

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

// The digits of a number up to seven characters long with at most one point
// ("0.59900", "-90.25"), read from one word with p at the first digit or the
// point: how measurement files write their values. False where the general
// path has to read it.
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
        if (p[first] == '.') {
            if (first == 7)
                return false;
            const std::uint64_t after = nonDigit & (~std::uint64_t{0} << (8 * first + 8));
            if (after == 0)
                return false;
            length = std::countr_zero(after) / 8;
            n = length - 1;
            // The fraction's digits moved down over the point.
            const std::uint64_t below = (std::uint64_t{1} << (8 * first)) - 1;
            digits = (d & below) | ((d >> 8) & ~below);
        }
        if (n == 0)
            return false;
        mantissa = digitWordValue(digits << (8 * (8 - n)));
        count = n;
        scale = length == first ? 0 : -(length - first - 1);
        p += length;
        return true;
    }
    return false;
}

} // namespace

const char* parseNumber(const char* first, const char* last, double& value)
{
    const char* p = first;
    // Columns padded with spaces: those a word at a time.
    if constexpr (std::endian::native == std::endian::little) {
        if (last - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            const std::uint64_t x = w ^ 0x2020202020202020; // 0 where a space stands
            const std::uint64_t other =
                (((x & 0x7F7F7F7F7F7F7F7F) + 0x7F7F7F7F7F7F7F7F) | x) & 0x8080808080808080;
            p += other == 0 ? 8 : std::countr_zero(other) / 8;
        }
    }
    while (p != last && isBlank(*p))
        ++p;
    bool negative = false;
    if (p != last && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    const char* const digitsBegin = p;
    std::uint64_t mantissa = 0;
    std::ptrdiff_t count = 0;
    std::ptrdiff_t scale = 0;
    if (!shortMantissa(p, last, mantissa, count, scale)) {
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
    // Up to 2^53 and 10^22 both mantissa and power are exact doubles, so one
    // correctly rounded multiplication or division gives the correctly
    // rounded value, the same as from_chars.
    static constexpr std::array<double, 23> powers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (count <= 19 && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
        magnitude = static_cast<double>(mantissa);
        magnitude = scale < 0 ? magnitude / powers[static_cast<std::size_t>(-scale)]
                              : magnitude * powers[static_cast<std::size_t>(scale)];
    } else {
        const std::string_view digits(digitsBegin, static_cast<std::size_t>(p - digitsBegin));
        const auto [ptr, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
        if (ec == std::errc::result_out_of_range)
            magnitude = exceedsRange(digits) ? DOUBLE_BIG : 0.0;
        else if (ec != std::errc{} || ptr != digits.data() + digits.size())
            return nullptr;
    }
    value = negative ? -magnitude : magnitude;
    return p;
}

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
    return {n.value, n.ok, n.end < field.size()};
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
