// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/eseries.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zelvo;

TEST(ESeries, TablesHaveTheirCountsKnownEntriesAndNest)
{
    const struct {
        ESeries series;
        std::size_t count;
        double tolerance;
        std::vector<double> known; // entries that must be there
    } rows[] = {
        {ESeries::E6, 6, 0.2, {1.0, 1.5, 2.2, 3.3, 4.7, 6.8}},
        {ESeries::E12, 12, 0.1, {1.2, 2.7, 3.9, 5.6, 8.2}},
        // The historic values, where 10^(i/24) rounds elsewhere.
        {ESeries::E24, 24, 0.05, {2.7, 3.0, 3.3, 3.6, 3.9, 4.3, 4.7, 8.2, 9.1}},
        {ESeries::E48, 48, 0.02, {1.05, 2.61, 4.64, 9.53}},
        {ESeries::E96, 96, 0.01, {1.02, 2.67, 4.99, 9.76}},
        // 9.20, not the 9.19 of the rule.
        {ESeries::E192, 192, 0.005, {1.01, 4.48, 9.20, 9.88}},
    };
    int checked = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(seriesName(row.series)));
        const std::span<const double> m = seriesMantissas(row.series);
        ASSERT_EQ(m.size(), row.count);
        EXPECT_EQ(m.front(), 1.0);
        EXPECT_DOUBLE_EQ(seriesTolerance(row.series), row.tolerance);
        EXPECT_EQ(seriesFromName(seriesName(row.series)), row.series);
        for (std::size_t i = 1; i < m.size(); ++i)
            EXPECT_LT(m[i - 1], m[i]);
        for (const double v : row.known)
            EXPECT_NE(std::find(m.begin(), m.end(), v), m.end()) << v;
        ++checked;
    }
    EXPECT_EQ(checked, 6);
    EXPECT_FALSE(seriesFromName("E25"));
    EXPECT_EQ(std::count(seriesMantissas(ESeries::E192).begin(),
                         seriesMantissas(ESeries::E192).end(), 9.19),
              0);
    // Each series is every other value of the next one (E6 in E12 in E24,
    // E48 in E96 in E192).
    for (const auto& [coarse, fine] : {std::pair{ESeries::E6, ESeries::E12},
                                      std::pair{ESeries::E12, ESeries::E24},
                                      std::pair{ESeries::E48, ESeries::E96},
                                      std::pair{ESeries::E96, ESeries::E192}}) {
        const std::span<const double> c = seriesMantissas(coarse), f = seriesMantissas(fine);
        for (std::size_t i = 0; i < c.size(); ++i)
            EXPECT_EQ(c[i], f[2 * i]) << seriesName(coarse) << " " << i;
    }
    // Apart from their exceptions, the tables follow the rule: a typing
    // slip in one entry shows here.
    for (const ESeries s : {ESeries::E48, ESeries::E96, ESeries::E192}) {
        const std::span<const double> m = seriesMantissas(s);
        for (std::size_t i = 0; i < m.size(); ++i) {
            const double rule = std::round(100.0 * std::pow(10.0, double(i) / double(m.size()))) / 100.0;
            if (!(s == ESeries::E192 && m[i] == 9.20)) {
                EXPECT_NEAR(m[i], rule, 1e-9) << seriesName(s) << " " << i;
            }
        }
    }
}

TEST(ESeries, NeighboursAcrossDecadesAndOnTheGrid)
{
    const struct {
        double value;
        ESeries series;
        double below, above, nearest;
    } rows[] = {
        {3.287e-12, ESeries::E24, 3.0e-12, 3.3e-12, 3.3e-12},
        {4.7e-9, ESeries::E24, 4.7e-9, 4.7e-9, 4.7e-9}, // on the grid
        {1e-9, ESeries::E6, 1e-9, 1e-9, 1e-9},          // a decade's edge
        {9.5e-9, ESeries::E24, 9.1e-9, 10e-9, 9.1e-9},  // into the next decade
        {0.95, ESeries::E12, 0.82, 1.0, 1.0},
        {123.0, ESeries::E96, 121.0, 124.0, 124.0},
        {9.9, ESeries::E192, 9.88, 10.0, 9.88},
        {5.0, ESeries::E6, 4.7, 6.8, 4.7},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.value);
        const auto n = standardNeighbours(r.value, r.series);
        ASSERT_TRUE(n);
        EXPECT_NEAR(n->below, r.below, 1e-12 * r.value);
        EXPECT_NEAR(n->above, r.above, 1e-12 * r.value);
        EXPECT_NEAR(*nearestStandard(r.value, r.series), r.nearest, 1e-12 * r.value);
    }
    for (const double bad : {0.0, -1.0, std::nan(""), HUGE_VAL})
        EXPECT_FALSE(standardNeighbours(bad, ESeries::E24));
}
