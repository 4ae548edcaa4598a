// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "core/chain.h"
#include "model/design_rules.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace zelvo;
using namespace zelvo::test;

TEST(DesignReset, NewKeepsRingPositionsResetDoesNot)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::CS, 1e-12));
    editElementValue(*d, 0, 2e-12);
    d->z0 = 75;
    d->fileName = "a.zvc";
    newDesign(*d);
    EXPECT_EQ(d->dataPointCount, 0);
    EXPECT_EQ(d->elementCount, 0);
    EXPECT_EQ(d->historyCount, 0);
    EXPECT_EQ(d->historyTop, 0);
    EXPECT_EQ(d->z0, 50.0f);
    EXPECT_FALSE(d->modified);
    EXPECT_EQ(d->elementEditUndo.position, 1);
    EXPECT_EQ(d->fileName, "<unnamed>");
    resetDesign(*d);
    EXPECT_EQ(d->elementEditUndo.position, 0);
}

TEST(DesignAppend, FirstPointBecomesStartAndElementsChainOn)
{
    auto d = emptyDesign();
    ASSERT_TRUE(appendDataPoint(*d, {25, -10, 1e9}));
    EXPECT_EQ(d->startPoint, 1);
    EXPECT_EQ(d->currentPoint, Complex(25, -10));
    EXPECT_TRUE(d->modified);
    ASSERT_TRUE(appendDataPoint(*d, {80, 40, 2e9}));
    EXPECT_EQ(d->startPoint, 1);
    EXPECT_EQ(designFrequency(*d), 1e9);

    ASSERT_TRUE(appendElement(*d, element(ElementKind::CS, 1e-12)));
    ASSERT_TRUE(appendElement(*d, rlcElement(ElementKind::RlcSeries, 5, 1e-9, 1e-12)));
    ASSERT_TRUE(appendElement(*d, element(ElementKind::LS, 0.1)));
    EXPECT_EQ(beginOf(*d, 0), Complex(25, -10));
    EXPECT_NEAR(endOf(*d, 0).im, -10 - 159.15494309188486, 1e-9);
    EXPECT_EQ(beginOf(*d, 1), endOf(*d, 0));
    EXPECT_EQ(beginOf(*d, 2), endOf(*d, 1));
    // The RLC group at the start point's frequency, as every other element
    // (the start point is not the last point here).
    Element group = d->elements[1];
    EXPECT_EQ(endOf(*d, 1), transformElement(group, beginOf(*d, 1), 1e9, 1e9));
    EXPECT_NE(endOf(*d, 1), transformElement(group, beginOf(*d, 1), 2e9, 1e9));
    EXPECT_EQ(d->historyCount, 5);
    EXPECT_EQ(d->history[2], HistoryEntry::Element);
}

TEST(DesignAppend, AsPlacedKeepsTheGivenEndPoints)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    Element e = element(ElementKind::RS, 10);
    e.rBegin = 50;
    e.rEnd = 60.5;
    ASSERT_TRUE(appendElementAsPlaced(*d, e));
    EXPECT_EQ(endOf(*d, 0), Complex(60.5, 0));
}

TEST(DesignLimits, HundredFiftiethPointAcceptedThenRefused)
{
    auto d = emptyDesign();
    for (int i = 0; i < 149; ++i)
        ASSERT_TRUE(appendDataPoint(*d, {50.0 + i, 0, 1e9}));
    EXPECT_FALSE(checkDataPointButton(*d));
    ASSERT_TRUE(appendDataPoint(*d, {1, 1, 1e9}));
    const auto m = checkDataPointButton(*d);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text,
              "Maximum number of 150 datapoints exceeded!\n\rNo more datapoints possible.");
    EXPECT_EQ(m->title, "ERROR");
    EXPECT_EQ(m->icon, MessageIcon::Error);
    EXPECT_EQ(checkDataPointLimit(*d), m);
    EXPECT_FALSE(appendDataPoint(*d, {2, 2, 1e9}));
    EXPECT_EQ(d->dataPointCount, 150);
    EXPECT_EQ(d->historyCount, 150);
}

TEST(DesignLimits, ElementButtonsTestInTheirOrder)
{
    auto d = emptyDesign();
    EXPECT_EQ(checkElementButton(*d)->text, "At minimum one Data-Point necessary.");
    EXPECT_EQ(checkElementButton(*d)->title, "");
    appendDataPoint(*d, {50, 0, 1e9});
    EXPECT_FALSE(checkElementButton(*d));
    d->widebandDone = true;
    EXPECT_EQ(checkElementButton(*d)->text,
              "Wideband calculation done.\n\rNo more elements possible.");
    EXPECT_EQ(checkDataPointButton(*d)->text,
              "Wideband calculation done.\n\rNo more datapoints possible.");
    d->widebandDone = false;
    for (int i = 0; i < Design::elementCapacity; ++i)
        ASSERT_TRUE(appendElement(*d, element(ElementKind::RS, 1)));
    // The element limit answers the data point button too, before anything else.
    EXPECT_EQ(checkElementButton(*d)->text, "Max. Number of 150 elements exceeded!");
    EXPECT_EQ(checkDataPointButton(*d)->text, "Max. Number of 150 elements exceeded!");
    EXPECT_FALSE(appendElement(*d, element(ElementKind::RS, 1)));
}

TEST(DesignLimits, ContourAndCircleLimits)
{
    auto d = emptyDesign();
    d->qCount = 30;
    d->vswrCount = 30;
    EXPECT_EQ(checkQContour(*d)->text, "Max. Number of 30 Q-ellipses exceeded!");
    EXPECT_EQ(checkVswrContour(*d)->text, "Max. number of 30 VSWR-ellipses exceeded!");
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(appendNoiseCircle(*d, {}));
    // Tested against the noise count alone, with no stability circle present.
    EXPECT_EQ(d->stabilityCount, 0);
    EXPECT_FALSE(checkStabilityCircle(*d));
    EXPECT_EQ(checkNoiseCircle(*d)->text,
              "Max. number of 20 const. noise figure circles exceeded!");
    EXPECT_FALSE(appendNoiseCircle(*d, {}));
    d->stabilityCount = 20;
    d->gainCount = 20;
    EXPECT_EQ(checkStabilityCircle(*d)->text, "Max. number of 20 stability circles exceeded!");
    EXPECT_EQ(checkGainCircle(*d)->text, "Max. number of 20 const. gain circles exceeded!");
}

TEST(DesignCommands, ZoChangeOnlyWithoutDataPoints)
{
    auto d = emptyDesign();
    EXPECT_FALSE(changeZ0(*d, 75.0f));
    EXPECT_EQ(d->z0, 75.0f);
    appendDataPoint(*d, {50, 0, 1e9});
    const auto m = changeZ0(*d, 60.0f);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "There are yet data points defined. Impossible to change Zo.");
    EXPECT_EQ(m->icon, MessageIcon::Error);
    EXPECT_EQ(d->z0, 75.0f);
}

TEST(DesignCommands, WidebandNeedsTwoPointsAndAnElementAndRunsOnce)
{
    auto d = emptyDesign();
    const std::string needs =
        "Need at least two manual input datapoints\n\rand one element to calculate wideband.";
    appendDataPoint(*d, {50, 0, 1e9});
    EXPECT_EQ(runWideband(*d)->text, needs);
    appendElement(*d, element(ElementKind::LS, 0.25));
    EXPECT_EQ(runWideband(*d)->text, needs);
    appendDataPoint(*d, {100, 0, 2e9});
    d->modified = false;
    EXPECT_FALSE(runWideband(*d));
    EXPECT_TRUE(d->widebandDone);
    EXPECT_TRUE(d->modified);
    EXPECT_EQ(d->history[static_cast<std::size_t>(d->historyCount - 1)], HistoryEntry::Wideband);
    EXPECT_EQ(d->widebandR[0], d->elements[0].rEnd);
    EXPECT_NEAR(d->widebandR[1], 100.0, 100e-6); // half wave at 2 f0: the point itself
    EXPECT_EQ(runWideband(*d)->text, "Wideband still calculated.");
}

TEST(DesignEdits, ElementValueEditRecomputesFromThatElement)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendDataPoint(*d, {20, 0, 1.2e9});
    appendElement(*d, element(ElementKind::RS, 10));
    appendElement(*d, element(ElementKind::CS, 1e-12));
    runWideband(*d);
    const double oldWideband = d->widebandR[1];
    ASSERT_TRUE(editElementValue(*d, 0, 30));
    EXPECT_EQ(endOf(*d, 0), Complex(80, 0));
    EXPECT_EQ(beginOf(*d, 1), Complex(80, 0));
    EXPECT_EQ(d->widebandR[1], oldWideband + 20);
    EXPECT_EQ(d->elementEditUndo.slots[0].value, 10);
    EXPECT_FALSE(editElementValue(*d, 2, 1.0)); // no such element
}

TEST(DesignEdits, StartPointEditMovesTheChainAndCurrentPoint)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::IS, 1e-9));
    ASSERT_TRUE(editDataPoint(*d, 0, {30, 5, 2e9}));
    EXPECT_EQ(d->currentPoint, Complex(30, 5));
    EXPECT_EQ(beginOf(*d, 0), Complex(30, 5));
    // The design frequency followed the start point.
    EXPECT_DOUBLE_EQ(endOf(*d, 0).im, 5 + twoPiElement * 2e9 * 1e-9);
    EXPECT_EQ(d->history[2], HistoryEntry::EditDataPoint);
}

TEST(DesignZeroFrequency, StartPointAtZeroHertzGivesFiniteValues)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 0});
    appendDataPoint(*d, {50, 0, 1e9});
    for (ElementKind k : {ElementKind::CS, ElementKind::IP, ElementKind::LS, ElementKind::LPS,
                          ElementKind::LPO, ElementKind::CP, ElementKind::IS})
        ASSERT_TRUE(appendElement(*d, element(k, k == ElementKind::LS || isLine(k) ? 0.1 : 1e-9)));
    ASSERT_FALSE(runWideband(*d));
    for (int i = 0; i < d->elementCount; ++i) {
        EXPECT_TRUE(std::isfinite(endOf(*d, i).re) && std::isfinite(endOf(*d, i).im)) << i;
    }
    EXPECT_TRUE(std::isfinite(d->widebandR[1]) && std::isfinite(d->widebandX[1]));
}
