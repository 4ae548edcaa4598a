// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/number_text.h"
#include "core/number_parse.h"

#include "core/numeric.h"

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

using namespace zelvo;

namespace {

struct FieldRow {
    const char* text;
    std::size_t maxChars;
    double value;
    bool anyNumber;
    bool leftover;
};

} // namespace

TEST(FieldNumbers, ReadLikeStrtodInTheCLocale)
{
    const FieldRow rows[] = {
        {"1e-3", 20, 1e-3, true, false},
        {"  0.5", 20, 0.5, true, false},
        {"\t-2.5E+2", 20, -250.0, true, false},
        {"+.5", 20, 0.5, true, false},
        {"7.", 20, 7.0, true, false},
        {"1e", 20, 1.0, true, true},     // exponent without digits is not part of the number
        {"1e+", 20, 1.0, true, true},
        {"0.5x", 20, 0.5, true, true},   // a letter after the number
        {"0.5 ", 20, 0.5, true, true},   // so is a trailing blank
        {"", 20, 0.0, false, false},     // empty reads as 0, nothing left over
        {"abc", 20, 0.0, false, true},
        {"   ", 20, 0.0, false, true},   // no number: the blanks are left over
        {"-", 20, 0.0, false, true},
        {".", 20, 0.0, false, true},
        {"0,5", 20, 0.0, true, true},    // never the locale's decimal comma
        {"inf", 20, 0.0, false, true},   // decimal numbers only
        {"nan", 20, 0.0, false, true},
        {"0x10", 20, 0.0, true, true},
        // Only maxChars characters are looked at: what lies beyond is ignored.
        {"0.5                 x", 20, 0.5, true, true},
        {"0.5                x", 20, 0.5, true, true},
        {"1234567890123456789x", 19, 1234567890123456789.0, true, false},
        {"12345678901234567890", 19, 1234567890123456789.0, true, false},
    };
    int checked = 0;
    for (const FieldRow& r : rows) {
        SCOPED_TRACE(r.text);
        const FieldNumber n = readFieldNumber(r.text, r.maxChars);
        EXPECT_DOUBLE_EQ(n.value, r.value);
        EXPECT_EQ(n.anyNumber, r.anyNumber);
        EXPECT_EQ(n.leftover, r.leftover);
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(std::size(rows)));
}

TEST(FieldNumbers, OutOfRangeSaturatesOrUnderflowsToZero)
{
    EXPECT_EQ(scanNumber("1e999").value, DOUBLE_BIG);
    EXPECT_EQ(scanNumber("-1e999").value, -DOUBLE_BIG);
    EXPECT_EQ(scanNumber("1e-999").value, 0.0);
    EXPECT_EQ(scanNumber("0.0000000001e-999").value, 0.0);
    EXPECT_TRUE(scanNumber("1e999").ok);
    // A dialog field tells such a number from a large one it can take.
    EXPECT_TRUE(readFieldNumber("1e999").overflow);
    EXPECT_TRUE(readFieldNumber("-2e400").overflow);
    EXPECT_FALSE(readFieldNumber("1e308").overflow);
    EXPECT_FALSE(readFieldNumber("1e-999").overflow);
    EXPECT_FALSE(readFieldNumber("abc").overflow);
}

TEST(FieldNumbers, ScanStartsAnywhereAndNeverPassesTheEnd)
{
    const std::string_view text = "12 -3.5";
    const ScannedNumber a = scanNumber(text, 0);
    EXPECT_EQ(a.end, 2u);
    const ScannedNumber b = scanNumber(text, a.end + 1);
    EXPECT_DOUBLE_EQ(b.value, -3.5);
    EXPECT_EQ(b.end, text.size());
    const ScannedNumber past = scanNumber(text, text.size() + 1);
    EXPECT_FALSE(past.ok);
    EXPECT_EQ(past.end, text.size() + 1);
}

namespace {

// The number at the start of `text` as strtod reads it: its bits and length.
// Beyond the double range the reader saturates where strtod gives infinity.
struct Strtod {
    std::uint64_t bits;
    std::size_t length;
};
Strtod strtodOf(const std::string& text)
{
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (std::isinf(v))
        v = std::copysign(DOUBLE_BIG, v);
    return {std::bit_cast<std::uint64_t>(v), static_cast<std::size_t>(end - text.c_str())};
}

void expectAsStrtod(const std::string& text)
{
    SCOPED_TRACE("'" + text + "'");
    const Strtod expected = strtodOf(text);
    const ScannedNumber n = scanNumber(text);
    ASSERT_TRUE(n.ok);
    EXPECT_EQ(n.end, expected.length);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(n.value), expected.bits);
}

} // namespace

TEST(FieldNumbers, DecimalsReadBitForBitAsStrtodReadsThem)
{
    // The short word path, the general path and the exact fallback, at their
    // edges: 2^53, 10^22, 19 and 20 digits, subnormals, long mantissas.
    const char* const rows[] = {
        "0",  "-0", "+0.0", "00000", ".5", "5.", "+.5", "-5.", "0.59900", "-90.25", "1234567",
        "12345678", "123456789", "1234567.", "123456.7", ".1234567", ".12345678", "0.030000",
        "1e5", "1E+05", "1e-05", "2.5E-3", "1e22", "1e23", "1e-22", "1e-23", "9007199254740992",
        "9007199254740993", "9007199254740993e-5", "1234567890123456789", "12345678901234567890",
        "0.1000000000000000055511151231257827", "123456789012345678901234567890e-25",
        "0.000000000000000000000000000001", "4.9e-324", "2.5e-324", "1e-310",
        "2.2250738585072011e-308", "2.2250738585072014e-308", "1.7976931348623157e308",
        "1.7976931348623158e308", "179769313486231570000000000000000000000e270",
        "3.14159265358979323846264338327950288", "1e0000000000000000000000005", "7e-0",
        " \t\v\f\r\n 42", "12 34", "1,5", "1.2.3", "1e", "1e+", "1E-x", "-5",
    };
    for (const char* r : rows)
        expectAsStrtod(r);

    // Every number of one to ten characters with a point anywhere, followed by
    // each kind of byte, and random digit strings with exponents.
    std::mt19937_64 random(11);
    const std::string after[] = {"", " ", "\r\n", "e", "E-7", ".", "x", "\x80", "\xff", "0"};
    int checked = 0;
    for (int i = 0; i < 60000; ++i) {
        std::string text = random() % 4 ? "" : std::string(random() % 3, ' ');
        if (random() % 3 == 0)
            text += random() % 2 ? '-' : '+';
        const int length = 1 + static_cast<int>(random() % (i % 3 ? 10 : 30));
        const int point = static_cast<int>(random() % static_cast<unsigned>(length + 1));
        for (int k = 0; k < length; ++k) {
            if (k == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 5 == 0)
            text += (random() % 2 ? "e" : "E-") + std::to_string(random() % 330);
        text += after[random() % std::size(after)];
        expectAsStrtod(text);
        ++checked;
    }
    EXPECT_EQ(checked, 60000);
}

TEST(FieldNumbers, FormsStrtodReadsAndTheReaderRefuses)
{
    // Hexadecimal: only the leading 0 is a number here.
    EXPECT_EQ(scanNumber("0x1p3").end, 1u);
    EXPECT_EQ(scanNumber("0x1p3").value, 0.0);
    for (const char* text : {"inf", "-INF", "nan", "NaN(1)", "infinity", "+", ".e5", "e5"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(scanNumber(text).ok);
        EXPECT_EQ(scanNumber(text).value, 0.0);
    }
}

TEST(FieldNumbers, InPlaceParseStaysOnItsLineAndInsideItsRange)
{
    double v = -1.0;
    const std::string next = "   \r\n 5";
    EXPECT_EQ(parseNumber(next.data(), next.data() + next.size(), v), nullptr);
    EXPECT_EQ(v, -1.0);
    const std::string lf = "\n7";
    EXPECT_EQ(parseNumber(lf.data(), lf.data() + lf.size(), v), nullptr);

    const std::string line = " \t-0.25\r\n9";
    const char* end = parseNumber(line.data(), line.data() + line.size(), v);
    EXPECT_EQ(end, line.data() + 7);
    EXPECT_EQ(v, -0.25);

    // Bytes beyond `last` are never part of the number, however many follow.
    const std::string digits = "1234.5678901234567890";
    for (std::size_t cut = 0; cut <= digits.size(); ++cut) {
        SCOPED_TRACE(cut);
        v = -1.0;
        end = parseNumber(digits.data(), digits.data() + cut, v);
        const std::string prefix = digits.substr(0, cut);
        if (cut == 0) {
            EXPECT_EQ(end, nullptr);
            continue;
        }
        ASSERT_NE(end, nullptr);
        EXPECT_EQ(end, digits.data() + cut);
        EXPECT_EQ(v, std::strtod(prefix.c_str(), nullptr));
    }
}

TEST(NumberTexts, FixedAndExponentFormsMatchPrintf)
{
    struct Row {
        double value;
        int decimals, width;
        const char* fixed;
    };
    const Row rows[] = {
        {0.5, 3, 0, "0.500"},       {-0.0001, 3, 0, "-0.000"}, {2.5, 0, 0, "2"},
        {1234.56789, 4, 9, "1234.5679"}, {1.5, 3, 8, "   1.500"}, {-45.0, 3, 8, " -45.000"},
        {123456789.0, 3, 8, "123456789.000"},
    };
    int checked = 0;
    for (const Row& r : rows) {
        EXPECT_EQ(fixedText(r.value, r.decimals, r.width), r.fixed) << r.value;
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(std::size(rows)));
    EXPECT_EQ(exponentText(-0.63362, 2), "-6.34E-01");
    EXPECT_EQ(exponentText(5.8086, 2), "5.81E+00");
    EXPECT_EQ(exponentText(0.0, 2), "0.00E+00");
    EXPECT_EQ(exponentText(1.5e300, 2), "1.50E+300");
    EXPECT_EQ(fixedText(DOUBLE_BIG, 1).size(), 311u); // 309 digits, point, one decimal
}

TEST(NumberTexts, NonFiniteValuesAreSpelledAsGlibcPrintfDoes)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(fixedText(inf, 3, 9), "      inf");
    EXPECT_EQ(fixedText(-inf, 3), "-inf");
    EXPECT_EQ(fixedText(nan, 3, 8), "     nan");
    EXPECT_EQ(fixedText(-nan, 3), "-nan");
    EXPECT_EQ(exponentText(inf, 2), "INF");
    EXPECT_EQ(exponentText(nan, 2), "NAN");
}

TEST(NumberTexts, IgnoreTheProcessLocale)
{
    // Qt puts the user's locale in place; a decimal comma must change nothing.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(fixedText(0.5, 3), "0.500");
    EXPECT_EQ(exponentText(0.5, 2), "5.00E-01");
    EXPECT_DOUBLE_EQ(readFieldNumber("0.25").value, 0.25);
    EXPECT_FALSE(readFieldNumber("0.25").leftover);
    std::setlocale(LC_ALL, saved.c_str());
}
