// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/numeric.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace zelvo;

TEST(Saturation, ConversionsNeverLeaveTheIntegerRange)
{
    constexpr int imax = std::numeric_limits<int>::max();
    constexpr int imin = std::numeric_limits<int>::min();
    EXPECT_EQ(toInt(1.79e308), imax);
    EXPECT_EQ(toInt(DOUBLE_BIG), imax);
    EXPECT_EQ(toInt(-DOUBLE_BIG), imin);
    EXPECT_EQ(toInt(std::numeric_limits<double>::infinity()), imax);
    EXPECT_EQ(toInt(-std::numeric_limits<double>::infinity()), imin);
    EXPECT_EQ(toInt(std::nan("")), 0);
    EXPECT_EQ(toInt(2147483647.9), imax);
    EXPECT_EQ(toInt(-2.9), -2);
    EXPECT_EQ(toInt(2.9), 2);
    EXPECT_EQ(toInt16(40000.0), 32767);
    EXPECT_EQ(toInt16(-40000.0), -32768);
    EXPECT_EQ(toInt64(1e300), std::numeric_limits<std::int64_t>::max());
}

TEST(Saturation, RoundingHalvesGoToEven)
{
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(3.5), 4);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(2068.97), 2069);
    EXPECT_EQ(roundToInt16(1e9), 32767);
    EXPECT_EQ(roundToInt16(std::nan("")), 0);
}

TEST(Saturation, FloatNarrowingStaysFinite)
{
    EXPECT_EQ(toFloatSaturated(1e300), FLOAT_BIG);
    EXPECT_EQ(toFloatSaturated(-1e300), -FLOAT_BIG);
    EXPECT_EQ(toFloatSaturated(1.5), 1.5f);
}
