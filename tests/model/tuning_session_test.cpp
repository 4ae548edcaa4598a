// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/tuning_session.h"

#include "support/element_builders.h"

#include <gtest/gtest.h>

#include <memory>

namespace zelvo {
namespace {

using testing::element;
using testing::rlcElement;

std::unique_ptr<Design> threeElements()
{
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    appendDataPoint(*d, {20, -30, 1e9});
    appendDataPoint(*d, {25, -20, 1.1e9});
    appendElement(*d, element(ElementKind::IS, 10e-9));
    appendElement(*d, element(ElementKind::LS, 0.1));
    appendElement(*d, rlcElement(ElementKind::RlcParallel, 500, 20e-9, 1e-12));
    runWideband(*d);
    return d;
}

TEST(TuningSession, OneHistoryEntryPerSession)
{
    auto d = threeElements();
    Design& design = *d;
    const int entries = design.historyCount;
    TuningSession s;
    double v = design.elements[0].value;
    for (int i = 0; i < 5; ++i) {
        v = tunedValue(ElementKind::IS, ElementPart::Value, v, 1, false);
        ASSERT_TRUE(tuneElement(design, s, 0, ElementPart::Value, v));
    }
    EXPECT_EQ(design.historyCount, entries + 1);
    EXPECT_NEAR(design.elements[0].value, 10e-9 * std::pow(1.01, 5), 1e-20);
    // The chain and the wideband result follow every step.
    EXPECT_DOUBLE_EQ(design.elements[1].rBegin, design.elements[0].rEnd);
    Design copy = design;
    recomputeChain(copy, 0);
    evaluateWideband(copy);
    EXPECT_EQ(copy.elements[2].xEnd, design.elements[2].xEnd);
    EXPECT_EQ(copy.widebandX[1], design.widebandX[1]);

    // Another element starts its own session.
    ASSERT_TRUE(tuneElement(design, s, 1, ElementPart::Value, 0.12));
    ASSERT_TRUE(tuneElement(design, s, 1, ElementPart::Value, 0.13));
    EXPECT_EQ(design.historyCount, entries + 2);

    ASSERT_TRUE(undoLast(design));
    EXPECT_DOUBLE_EQ(design.elements[1].value, 0.1);
    ASSERT_TRUE(undoLast(design));
    EXPECT_DOUBLE_EQ(design.elements[0].value, 10e-9);
    ASSERT_TRUE(redoNext(design));
    EXPECT_NEAR(design.elements[0].value, 10e-9 * std::pow(1.01, 5), 1e-20);

    // After an undo the next change is a new session, not part of the old one.
    ASSERT_TRUE(undoLast(design));
    ASSERT_TRUE(tuneElement(design, s, 0, ElementPart::Value, 11e-9));
    ASSERT_TRUE(undoLast(design));
    EXPECT_DOUBLE_EQ(design.elements[0].value, 10e-9);
}

TEST(TuningSession, ValuesStayWhereTheDialogsAcceptThem)
{
    auto d = threeElements();
    TuningSession s;
    // A line never reaches zero or below, however far it is turned down.
    double v = d->elements[1].value;
    for (int i = 0; i < 5000; ++i)
        v = tunedValue(ElementKind::LS, ElementPart::Value, v, -1, false);
    EXPECT_GT(v, 0.0);
    tuneElement(*d, s, 1, ElementPart::Value, -0.2);
    EXPECT_GT(d->elements[1].value, 0.0);
    EXPECT_EQ(tunedValue(ElementKind::CS, ElementPart::Value, 99e-6, 10, false), 1e-4);
    EXPECT_EQ(tunedValue(ElementKind::IS, ElementPart::Value, 1.0005e-12, -3, true), 1e-12);

    // RLC groups tune the chosen part; a part on a plain element means its value.
    ASSERT_TRUE(tuneElement(*d, s, 2, ElementPart::C, 2e-12));
    EXPECT_EQ(d->elements[2].rlcC, 2e-12);
    EXPECT_EQ(d->elements[2].rlcL, 20e-9);
    ASSERT_TRUE(tuneElement(*d, s, 0, ElementPart::R, 12e-9));
    EXPECT_EQ(d->elements[0].value, 12e-9);
    // Nothing to change: no entry.
    const int entries = d->historyCount;
    endTuning(s);
    EXPECT_FALSE(tuneElement(*d, s, 0, ElementPart::Value, 12e-9));
    EXPECT_FALSE(tuneElement(*d, s, 7, ElementPart::Value, 1.0));
    EXPECT_EQ(d->historyCount, entries);
}

} // namespace
} // namespace zelvo
