// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/format.h"
#include "core/numeric.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>

using namespace zelvo;

namespace {

struct SiCase {
    double value;
    int digits;
    const char* text;
};

// Prefix ranges with both bounds, the prefix chosen after rounding, and
// every value that falls back to the exponent form.
const SiCase siCases[] = {
    {1000, 3, "1.000 k"},
    {999.9999, 3, "1.000 k"},
    {9.9999998e-13, 1, "1.0 p"},   // a float's 1 pF
    {0.9999996, 3, "1.000 "},
    {999.5, 0, "1 k"},
    {999.4, 0, "999 "},
    {9.9999999e14, 3, "1.000E+15"}, // rounds out of the last range
    {0.001, 2, "1.00 m"},
    {2.2e-9, 1, "2.2 n"},
    {4.7e-6, 1, "4.7 u"},
    {1.5e9, 3, "1.500 G"},
    {1e12, 0, "1 T"},
    {9.99e14, 3, "999.000 T"},
    {1.0, 3, "1.000 "},
    {12.5, 3, "12.500 "},
    {0.999, 1, "999.0 m"},
    {3.3e-12, 2, "3.30 p"},
    {1e-15, 2, "1.00 f"},
    {2.5e6, 2, "2.50 M"},
    {0, 3, "0.000E+00"},
    {-50, 3, "-5.000E+01"},
    {1e15, 3, "1.000E+15"},
    {9.9e-16, 1, "9.9E-16"},
    {DOUBLE_BIG, 9, "1.797693135E+308"},
    {-DOUBLE_BIG, 2, "-1.80E+308"},
    {std::numeric_limits<double>::quiet_NaN(), 3, "NAN"},
};

} // namespace

TEST(FormatSi, TableOfRangesAndFallbacks)
{
    for (const SiCase& c : siCases)
        EXPECT_EQ(formatSi(c.value, c.digits), c.text) << c.value << " digits " << c.digits;
}

TEST(FormatSi, SaturatedValueFitsTheOldTwentyCharacterBuffer)
{
    for (int digits = 0; digits <= 9; ++digits)
        EXPECT_LT(formatSi(DOUBLE_BIG, digits).size(), 20u) << digits;
}

TEST(FormatSi, FloatIsWidenedFirst)
{
    EXPECT_EQ(formatSiFloat(50.0f, 1) + "Ohm", "50.0 Ohm");
    EXPECT_EQ(formatSiFloat(75.5f, 1), "75.5 ");
    // 0.1f widened is 0.100000001..., still the milli range.
    EXPECT_EQ(formatSiFloat(0.1f, 3), "100.000 m");
    EXPECT_EQ(formatSiFloat(1e-12f, 1) + "F", "1.0 pF");
}

TEST(FormatSi, ZeroFrequencyReadsLikeTheOtherFrequencies)
{
    EXPECT_EQ(formatFrequency(0.0, 3) + "Hz", "0.000 Hz");
    EXPECT_EQ(formatFrequency(-0.0, 1) + "Hz", "0.0 Hz");
    EXPECT_EQ(formatFrequency(1.5e9, 3) + "Hz", "1.500 GHz");
    EXPECT_EQ(formatFrequency(-5.0, 3), formatSi(-5.0, 3));
    EXPECT_EQ(formatSi(0.0, 3), "0.000E+00"); // values other than frequencies keep it
}

TEST(FormatSi, NegativeDigitCountIsTakenAsZero)
{
    EXPECT_EQ(formatSi(2500, -3), "2 k"); // 2.5 rounds to even
}

TEST(PrintfString, FormatsLikePrintfAtAnyLength)
{
    EXPECT_EQ(formatG(1.23456789e-12), "1.23457E-12");
    EXPECT_EQ(formatG(1e9), "1E+09");
    EXPECT_EQ(formatG(-10), "-10");
    EXPECT_EQ(printfString("%s=%i,%G", "R", 0, 25.0), "R=0,25");
    const std::string longText(300, 'x');
    EXPECT_EQ(printfString("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(PrintfString, IgnoresTheProcessLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    if (!switched) {
        // Build the German locale privately when the system has its sources.
        const std::string dir = ::testing::TempDir() + "zelvo_locales";
        const std::string cmd = "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" + dir +
                                "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(cmd.c_str()) == 0) {
            setenv("LOCPATH", dir.c_str(), 1);
            switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        }
    }
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma available";
    ASSERT_EQ(std::string(localeconv()->decimal_point), ",");
    const std::string text = printfString("%.1f", 1.5);
    const std::string si = formatSi(2.2e-9, 1);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "1.5");
    EXPECT_EQ(si, "2.2 n");
}
