// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/part_path.h"

#include "core/chain.h"
#include "support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace zelvo;
using zelvo::testing::element;

namespace {

constexpr double f0 = 2.4e9;
constexpr double z0 = 50.0;

Element lossy(ElementKind kind, double value)
{
    Element e = element(kind, value, 60.0f);
    if (isLine(kind))
        e.loss.lineDb = 1.5;
    else
        e.loss = {.q = 30, .qFrequency = 1e9, .qLaw = QLaw::Sqrt};
    return e;
}

} // namespace

// The parameter runs over the kind's whole range; worked by hand for a begin
// point of 25 + j10 ohm: series parts scale with r + 1 = 1.5, shunt parts
// with g + 1 = 1 + 50 * 25 / 725.
TEST(ElementPath, ParameterAndValueAreInverseAndMeetTheKindsEnds)
{
    const Complex begin{25, 10};
    const double w = twoPiElement * f0;
    const double g1 = 1.0 + z0 * 25.0 / 725.0;
    struct Case {
        ElementKind kind;
        double valueAtHalf; // t = 0.5: tan(pi / 4) = 1
    };
    const Case cases[] = {
        {ElementKind::IS, 1.5 * z0 / w},        {ElementKind::CS, 1.0 / (w * 1.5 * z0)},
        {ElementKind::CP, g1 / (w * z0)},        {ElementKind::IP, z0 / (w * g1)},
        {ElementKind::LS, 0.25},                 {ElementKind::LPO, 0.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const double v = valueAtPathParameter(c.kind, 0.5, begin, z0, f0);
        EXPECT_NEAR(v, c.valueAtHalf, 1e-12 * c.valueAtHalf);
        for (double t : {0.01, 0.3, 0.5, 0.9, 0.999})
            EXPECT_NEAR(pathParameterOfValue(c.kind,
                                             valueAtPathParameter(c.kind, t, begin, z0, f0), begin,
                                             z0, f0),
                        t, 1e-12);
    }
    // The ends: no inductance in series and no capacitance in shunt at 0,
    // the open or short towards 1.
    EXPECT_LT(valueAtPathParameter(ElementKind::IS, 0.0, begin, z0, f0), 1e-17);
    EXPECT_GT(valueAtPathParameter(ElementKind::CS, 0.0, begin, z0, f0), 1e-4);
    EXPECT_GT(valueAtPathParameter(ElementKind::IP, 0.0, begin, z0, f0), 1e-1);
    EXPECT_LT(valueAtPathParameter(ElementKind::CP, 0.0, begin, z0, f0), 1e-20);
    EXPECT_GT(valueAtPathParameter(ElementKind::IS, pathParameterEnd, begin, z0, f0), 1e-3);
    EXPECT_EQ(pathParameterOfValue(ElementKind::LS, 0.7, begin, z0, f0), 1.4);
}

// Every sample is the lossy element's own transformation at the value of its
// parameter; the path starts at the begin point (the identity) wherever the
// kind has one, and a line's reaches its tEnd exactly.
TEST(ElementPath, SamplesAreTheTransformationAtTheirValues)
{
    const Complex begin{25, -40};
    int paths = 0;
    for (ElementKind kind : {ElementKind::IS, ElementKind::IP, ElementKind::CS, ElementKind::CP,
                             ElementKind::LS, ElementKind::LPO}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const Element e = lossy(kind, 0.0);
        const double tEnd = isLine(kind) ? 1.0 : pathParameterEnd;
        const std::vector<PathPoint> path = partPath(e, begin, z0, f0, tEnd);
        ASSERT_GE(path.size(), 240u);
        EXPECT_EQ(path.back().t, tEnd);
        EXPECT_NEAR(path.front().z.re, begin.re, 1e-6);
        EXPECT_NEAR(path.front().z.im, begin.im, 1e-6);
        for (std::size_t i = 1; i < path.size(); i += 37) {
            Element at = e;
            at.value = valueAtPathParameter(kind, path[i].t, begin, z0, f0);
            const Complex z = transformElement(at, begin, f0, f0);
            EXPECT_EQ(path[i].z.re, z.re);
            EXPECT_EQ(path[i].z.im, z.im);
            EXPECT_GT(path[i].t, path[i - 1].t);
        }
        ++paths;
    }
    EXPECT_EQ(paths, 6);
    // A lossy path leaves the ideal circle: a series inductor with Q 30 adds
    // resistance X / Q(f0) on the way.
    const Element l = lossy(ElementKind::IS, 0.0);
    const std::vector<PathPoint> path = partPath(l, begin, z0, f0, 0.5);
    const Complex mid = path[path.size() / 2].z;
    const double q = 30 * std::sqrt(f0 / 1e9);
    EXPECT_NEAR(mid.re - begin.re, (mid.im - begin.im) / q, 1e-9);
}

TEST(ElementPath, CommittedPathRunsFromTheBeginToTheStoredEnd)
{
    Element e = lossy(ElementKind::CP, 2e-12);
    e.rBegin = 30;
    e.xBegin = 25;
    const Complex end = transformElement(e, {30, 25}, f0, f0);
    e.rEnd = end.re;
    e.xEnd = end.im;
    const std::vector<PathPoint> path = committedPath(e, z0, f0);
    ASSERT_GE(path.size(), 3u);
    EXPECT_NEAR(path.front().z.re, 30, 1e-6);
    EXPECT_NEAR(path.front().z.im, 25, 1e-6);
    EXPECT_EQ(path.back().z.re, end.re);
    EXPECT_EQ(path.back().z.im, end.im);
    // Its last sample's parameter is the element's own value.
    EXPECT_NEAR(valueAtPathParameter(ElementKind::CP, path.back().t, {30, 25}, z0, f0), 2e-12,
                1e-24);
    // No path without a design frequency, or for a kind without losses.
    EXPECT_TRUE(committedPath(e, z0, 0.0).empty());
    EXPECT_TRUE(partPath(element(ElementKind::RS, 10), {30, 25}, z0, f0, 1.0).empty());
}
