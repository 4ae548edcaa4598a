// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_spread.h"

#include "model/design_builders.h"

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
