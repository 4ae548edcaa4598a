// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wendra {
namespace {

TEST(Text, WritesUpToFifteenSignificantDigitsWithoutTrailingZeros)
{
    struct Row {
        double v;
        const char* want;
    };
    const Row rows[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {2466.0, "2466"},
        {506.905, "506.905"},
        {2069 * 0.98 / 4, "506.905"}, // binary residue vanishes at 15 digits
        {413.8, "413.8"},
        {-30.0, "-30"},
        {0.5, "0.5"},
        {300.0 / 14, "21.4285714285714"},
        {2.0 / 3, "0.666666666666667"},
        {1.0 / 3 * 1e14, "33333333333333.3"},
        {999999999999999.0, "999999999999999"},
        {std::nextafter(10.0, 0.0), "10"}, // rounding carries into the exponent
        {0.00001, "0.00001"},
        {1e15, "1E+15"},
        {-2.5e20, "-2.5E+20"},
        {3.5e-7, "3.5E-07"},
        {1e-300, "1E-300"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(text(r.v), r.want) << r.v;
}

TEST(Text, NamesNonFiniteValues)
{
    EXPECT_EQ(text(std::numeric_limits<double>::infinity()), "Infinity");
    EXPECT_EQ(text(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(text(std::nan("")), "NaN");
}

TEST(Number, ReadsTheLeadingDecimalNumber)
{
    struct Row {
        const char* t;
        double want;
    };
    const Row rows[] = {
        {"145", 145.0},
        {"145.9", 145.9},
        {"  145MHz", 145.0},
        {"2466mm", 2466.0},
        {"-3.5x", -3.5},
        {"+7", 7.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"1E-2m", 0.01},
        {"2e", 2.0},   // exponent mark without digits is not part of it
        {"2e+", 2.0},
        {"1.2.3", 1.2},
        {"", 0.0},
        {"abc", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"米波10", 0.0},
        {"1,5", 1.0}, // never the locale's separator
    };
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(number(r.t), r.want) << r.t;
}

TEST(Number, SaturatesToInfinityAndUnderflowsToZero)
{
    EXPECT_EQ(number("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(number("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(number("1e-400"), 0.0);
}

TEST(Number, ReadsBackEveryTextItWrote)
{
    for (double v : {506.905, 300.0 / 14, -2.5e20, 3.5e-7, 1e15, 0.00001})
        EXPECT_DOUBLE_EQ(number(text(v)), std::stod(text(v))) << v;
}

TEST(WholeNumber, AcceptsOnlyANumberAsAWhole)
{
    EXPECT_EQ(wholeNumber("145"), 145.0);
    EXPECT_EQ(wholeNumber(" 145.9 "), 145.9);
    EXPECT_EQ(wholeNumber("-3"), -3.0);
    EXPECT_EQ(wholeNumber("1e2"), 100.0);
    for (const char* bad : {"", "  ", "abc", "145MHz", "1 45", "1e400", "-", "1.2.3"})
        EXPECT_FALSE(wholeNumber(bad).has_value()) << bad;
}

TEST(Round16, RoundsHalvesToEven)
{
    EXPECT_EQ(round16(0.5), 0);
    EXPECT_EQ(round16(1.5), 2);
    EXPECT_EQ(round16(2.5), 2);
    EXPECT_EQ(round16(-2.5), -2);
    EXPECT_EQ(round16(2068.9655), 2069); // 300000 / 145
    EXPECT_EQ(round16(2.4999999), 2);
}

TEST(Round16, SaturatesAtTheSixteenBitLimit)
{
    EXPECT_EQ(round16(32767.4), 32767);
    EXPECT_EQ(round16(32767.5), 32767); // halves to even would give 32768
    EXPECT_EQ(round16(1e300), 32767);
    EXPECT_EQ(round16(-32768.5), -32768);
    EXPECT_EQ(round16(-1e300), -32768);
    EXPECT_EQ(round16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(round16(std::nan("")), 0);

    EXPECT_EQ(round16Exact(32767.4), 32767);
    EXPECT_FALSE(round16Exact(32767.5).has_value());
    EXPECT_EQ(round16Exact(-32768.5), -32768); // even neighbour is in range
    EXPECT_FALSE(round16Exact(-32769.0).has_value());
    EXPECT_FALSE(round16Exact(std::nan("")).has_value());
}

} // namespace
} // namespace wendra
