// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/element_path.h"

#include "core/chain.h"
#include "support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace zelvo;
using zelvo::testing::element;

namespace {

constexpr double f0 = 1e9;

std::vector<Complex> pathOf(const Element& e, Complex begin, int steps = 40)
{
    return elementPath(*elementAbcd(e, f0, f0), begin, steps);
}

double gammaMagnitude(Complex z, double z0)
{
    return ratioMagnitude(z - Complex{z0}, z + Complex{z0});
}

} // namespace

// The powers of a single part's matrix retrace the arc the chart always drew
// for it: a series part keeps R, a shunt part G, a matched line |Gamma|, a
// transformer X/R; each path runs from the begin to the element's end.
TEST(ElementPath, RetracesTheArcsOfTheClassicElements)
{
    const Complex begin{20, -35};
    struct Row {
        Element e;
        double (*invariant)(Complex);
    };
    const Row rows[] = {
        {element(ElementKind::IS, 8e-9), [](Complex z) { return z.re; }},
        {element(ElementKind::CS, 2e-12), [](Complex z) { return z.re; }},
        {element(ElementKind::CP, 3e-12), [](Complex z) { return admittanceG(z.re, z.im); }},
        {element(ElementKind::IP, 6e-9), [](Complex z) { return admittanceG(z.re, z.im); }},
        {element(ElementKind::LS, 0.2, 50.0f), [](Complex z) { return gammaMagnitude(z, 50); }},
        {element(ElementKind::TR, 1.7), [](Complex z) { return z.im / z.re; }},
    };
    int checked = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.e.kind));
        const std::vector<Complex> path = pathOf(row.e, begin);
        ASSERT_EQ(path.size(), 41u);
        const Complex end = transformElement(row.e, begin, f0, f0);
        // The ends: 1e-9 relative, the rounding of the matrix power; the
        // classic line formula keeps its resistance in single precision.
        const double tolerance = row.e.kind == ElementKind::LS ? 1e-6 : 1e-9;
        EXPECT_NEAR(path.front().re, begin.re, 1e-9 * magnitude(begin));
        EXPECT_NEAR(path.front().im, begin.im, 1e-9 * magnitude(begin));
        EXPECT_NEAR(path.back().re, end.re, tolerance * magnitude(end));
        EXPECT_NEAR(path.back().im, end.im, tolerance * magnitude(end));
        const double v = row.invariant(begin);
        for (const Complex z : path) {
            EXPECT_NEAR(row.invariant(z), v, 1e-9 * std::max(1.0, std::abs(v)));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 6 * 41);
    // The series inductor grows X evenly with t.
    const std::vector<Complex> l = pathOf(element(ElementKind::IS, 8e-9), begin, 4);
    const double step = (l.back().im - begin.im) / 4;
    for (int i = 0; i <= 4; ++i)
        EXPECT_NEAR(l[static_cast<std::size_t>(i)].im, begin.im + i * step, 1e-9);
}

// A line longer than a quarter wave is known from its matrix only up to
// half a wavelength: the path turns the shorter way, the other way round the
// same circle, and still ends where the line ends.
TEST(ElementPath, TakesTheShorterWayRoundAndRefusesOneWayDevices)
{
    const Complex begin{20, -35};
    const Element line = element(ElementKind::LS, 0.35, 50.0f);
    const std::vector<Complex> path = pathOf(line, begin);
    const Complex end = transformElement(line, begin, f0, f0);
    // Single precision: the classic line formula's resistance.
    EXPECT_NEAR(path.back().re, end.re, 1e-6 * magnitude(end));
    EXPECT_NEAR(path.back().im, end.im, 1e-6 * magnitude(end));
    // A line turns Gamma clockwise; the path of 0.35 wavelengths turns it
    // counter-clockwise by 0.3 turns' worth of angle less than a full turn.
    const auto angle = [](Complex z) {
        const Complex g = (z - Complex{50}) / (z + Complex{50});
        return std::atan2(g.im, g.re);
    };
    const double turned = std::remainder(angle(path[1]) - angle(path[0]), 2 * M_PI);
    EXPECT_GT(turned, 0.0);
    double total = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i)
        total += std::remainder(angle(path[i]) - angle(path[i - 1]), 2 * M_PI);
    EXPECT_NEAR(total, 2 * M_PI * (1.0 - 2 * 0.35), 1e-9);

    // S12 = 0: every load gives the same input impedance; no power exists.
    Abcd oneWay = abcdFromS({{0.1, 0.2}, {0, 0}, {3, 1}, {0.2, -0.1}}, 50);
    EXPECT_FALSE(abcdPower(oneWay, 0.5));
    EXPECT_TRUE(elementPath(oneWay, begin, 10).empty());
    // t = 0 is the identity map, t = 1 the matrix itself, also for an
    // active device with gain.
    const Abcd amp = abcdFromS({{0.47, -0.2}, {0.04, 0.04}, {0.05, 7.6}, {0.23, -0.33}}, 50);
    for (const Complex z : {Complex{30, 10}, Complex{5, -80}}) {
        const Complex identity = inputImpedance(*abcdPower(amp, 0.0), z);
        EXPECT_NEAR(identity.re, z.re, 1e-9);
        EXPECT_NEAR(identity.im, z.im, 1e-9);
        const Complex full = inputImpedance(*abcdPower(amp, 1.0), z);
        const Complex direct = inputImpedance(amp, z);
        EXPECT_NEAR(full.re, direct.re, 1e-9 * magnitude(direct));
        EXPECT_NEAR(full.im, direct.im, 1e-9 * magnitude(direct));
        // Two half steps make the whole.
        const Abcd half = *abcdPower(amp, 0.5);
        const Complex twice = inputImpedance(half, inputImpedance(half, z));
        EXPECT_NEAR(twice.re, direct.re, 1e-9 * magnitude(direct));
        EXPECT_NEAR(twice.im, direct.im, 1e-9 * magnitude(direct));
    }
}
