// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "optimise/optimiser.h"

#include "support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zelvo {
namespace {

using testing::element;

// 20 - j30 ohm at 1 GHz matched to 50 ohm by a series L of
// X = sqrt(20 * 30) + 30 and a shunt C of B = sqrt(30 / 20) / 50.
constexpr double f0 = 1e9;
const double w = 2 * std::numbers::pi * f0;
const double optimumL = (std::sqrt(600.0) + 30.0) / w;
const double optimumC = std::sqrt(1.5) / 50.0 / w;

std::unique_ptr<Design> detuned()
{
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    appendDataPoint(*d, {20, -30, f0});
    appendElement(*d, element(ElementKind::IS, optimumL * 1.4));
    appendElement(*d, element(ElementKind::CP, optimumC * 0.7));
    return d;
}

TEST(Optimiser, DetunedLNetworkReturnsToItsOptimum)
{
    const auto d = detuned();
    const OptimiseSetup setup = defaultSetup(*d, 50.0f);
    ASSERT_EQ(setup.variables.size(), 2u);
    const OptimiseResult r = optimise(*d, setup);
    EXPECT_FALSE(r.cancelled);
    EXPECT_LT(r.worst, 1e-4);
    EXPECT_GT(r.startWorst, 0.2);
    EXPECT_NEAR(r.values[0] / optimumL, 1.0, 0.01);
    EXPECT_NEAR(r.values[1] / optimumC, 1.0, 0.01);

    // Applied as one history entry; one undo restores both values.
    Design& design = *d;
    const int entries = design.historyCount;
    ASSERT_TRUE(editElementValues(design, resultRecords(design, setup.variables, r.values)));
    EXPECT_EQ(design.historyCount, entries + 1);
    EXPECT_NEAR(design.elements[1].rEnd, 50.0, 0.05);
    EXPECT_TRUE(undoLast(design));
    EXPECT_DOUBLE_EQ(design.elements[0].value, optimumL * 1.4);
    EXPECT_DOUBLE_EQ(design.elements[1].value, optimumC * 0.7);
    EXPECT_TRUE(redoNext(design));
    EXPECT_DOUBLE_EQ(design.elements[0].value, r.values[0]);
    EXPECT_DOUBLE_EQ(design.elements[1].value, r.values[1]);
}

TEST(Optimiser, CancelKeepsTheBestFoundSoFar)
{
    const auto d = detuned();
    int calls = 0;
    const OptimiseResult r = optimise(*d, defaultSetup(*d, 50.0f), [&](const OptimiseProgress& p) {
        ++calls;
        EXPECT_LE(p.bestWorst, 1.0);
        return calls < 2;
    });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(r.evaluations, 100);
    EXPECT_LT(r.worst, r.startWorst);
    ASSERT_EQ(r.values.size(), 2u);
    EXPECT_NE(r.values[0], optimumL * 1.4);
}

TEST(Optimiser, StaysWithinBounds)
{
    const auto d = detuned();
    OptimiseSetup setup = defaultSetup(*d, 50.0f);
    // The optimum L lies above this range: the search ends on its edge.
    setup.lower = {optimumL * 1.3, optimumC * 0.2};
    setup.upper = {optimumL * 1.5, optimumC * 5};
    const OptimiseResult r = optimise(*d, setup);
    EXPECT_GE(r.values[0], setup.lower[0] * (1 - 1e-12));
    EXPECT_LE(r.values[0], setup.upper[0] * (1 + 1e-12));
    EXPECT_NEAR(r.values[0] / setup.lower[0], 1.0, 1e-3);
    EXPECT_GE(r.values[1], setup.lower[1] * (1 - 1e-12));
    EXPECT_LE(r.values[1], setup.upper[1] * (1 + 1e-12));
    // A shunt inductor's bound from the dialogs caps the default range.
    EXPECT_EQ(defaultBounds(ElementKind::IP, ElementPart::Value, 0.5e-3).high, 1e-3);
}

} // namespace
} // namespace zelvo
