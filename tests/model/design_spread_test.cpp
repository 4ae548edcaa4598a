// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_spread.h"

#include "model/design_builders.h"
#include "model/response.h"
#include "support/block_builders.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace zelvo;
using namespace zelvo::test;

TEST(DesignSpread, TolerancesLoadsAndStandardRecordsOfADesign)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {12, -20, 2.4e9});
    appendDataPoint(*d, {12, -18, 2.5e9});
    Element l = element(ElementKind::IS, 3.52e-9);
    l.tolerance = 0.02;
    appendElement(*d, l);
    appendElement(*d, element(ElementKind::CP, 1.77e-12));
    appendElement(*d, element(ElementKind::LS, 0.1));
    d->partSeries = ESeries::E12;
    // Its own, the series', none for a line.
    EXPECT_EQ(designTolerances(*d), (std::vector<double>{0.02, 0.1, 0.0}));
    const DesignLoads loads = designLoads(*d);
    ASSERT_EQ(loads.loads.size(), 2u);
    EXPECT_EQ(loads.points, (std::vector<int>{0, 1}));
    EXPECT_EQ(loads.loads[1].f, 2.5e9);

    const StandardChoice c = chooseStandardValues(designChain(*d), loads.loads, 2.4e9, {50.0},
                                                  ESeries::E12);
    const std::vector<EditRecord> records = standardValueRecords(*d, c);
    // The line has no standard value: two records, which keep the rest of
    // their element (the tolerance) and undo as one step.
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].tolerance, 0.02);
    ASSERT_TRUE(editElementValues(*d, records));
    EXPECT_EQ(d->elements[0].value, c.values[0]);
    EXPECT_EQ(d->elements[1].value, c.values[1]);
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elements[0].value, 3.52e-9);
    EXPECT_EQ(d->elements[1].value, 1.77e-12);
}

TEST(DesignSpread, ReturnLossBandSpansTheResponseOfTheChainAsItIs)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {12, -20, 2.4e9});
    appendDataPoint(*d, {14, -16, 2.6e9});
    appendElement(*d, element(ElementKind::IS, 3.5e-9));
    appendElement(*d, element(ElementKind::CP, 1.7e-12));
    std::vector<double> fs;
    for (int i = 0; i <= 20; ++i)
        fs.push_back(2.3e9 + 0.02e9 * i);
    const Response response = computeResponse(*d, fs);
    ToleranceSetup setup;
    setup.samples = 500;
    const ReturnLossBand band = returnLossBand(*d, fs, setup);
    ASSERT_EQ(band.f.size(), fs.size());
    int checked = 0;
    for (std::size_t i = 0; i < fs.size(); ++i) {
        // The load interpolated as the response takes it, the same chain.
        EXPECT_NEAR(band.nominalDb[i], response.points[i].inputReturnLossDb, 1e-6) << i;
        EXPECT_LE(band.worstDb[i], band.nominalDb[i] + 1e-9);
        EXPECT_GE(band.bestDb[i], band.worstDb[i]);
        ++checked;
    }
    EXPECT_EQ(checked, 21);
    // 5 % (E24) parts move the match: the band has a width.
    EXPECT_GT(band.bestDb[10] - band.worstDb[10], 0.5);
}

TEST(DesignSpread, ABlockOutsideItsRangeLeavesGapsAndPointsOut)
{
    // The coil is measured from 1 to 2 GHz only.
    auto d = emptyDesign();
    appendDataPoint(*d, {20, -30, 1.5e9});
    appendDataPoint(*d, {20, -30, 2.5e9});
    appendElement(*d, zelvo::testing::coilBlock());
    appendElement(*d, element(ElementKind::CP, 1e-12));
    const DesignLoads loads = designLoads(*d);
    EXPECT_EQ(loads.points, std::vector<int>{0});
    EXPECT_EQ(designTolerances(*d), (std::vector<double>{0.0, 0.05}));
    ToleranceSetup setup;
    setup.samples = 100;
    const ReturnLossBand band = returnLossBand(*d, {0.5e9, 1.5e9, 2.5e9}, setup);
    ASSERT_EQ(band.worstDb.size(), 3u);
    EXPECT_TRUE(std::isnan(band.worstDb[0]));
    EXPECT_FALSE(std::isnan(band.worstDb[1]));
    EXPECT_TRUE(std::isnan(band.nominalDb[2]));
}
