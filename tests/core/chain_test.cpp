// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/chain.h"
#include "core/numeric.h"
#include "support/element_builders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace zelvo;

namespace {

Element make(ElementKind kind, double value, float zl = 50.0f, float er = 1.0f)
{
    return zelvo::testing::element(kind, value, zl, er);
}

Element rlc(ElementKind kind, double r, double l, double c)
{
    return zelvo::testing::rlcElement(kind, r, l, c);
}

// Independent forms: plain complex arithmetic on impedances and admittances.
Complex inverse(Complex z)
{
    return Complex(1.0, 0.0) / z;
}
Complex shuntAdd(Complex z, Complex y)
{
    return inverse(inverse(z) + y);
}
Complex lineInput(Complex z, double zl, double theta)
{
    const double t = std::tan(theta);
    return zl * (z + Complex(0.0, zl * t)) / (zl + z * Complex(0.0, t));
}

bool isFinite(Complex z)
{
    return std::isfinite(z.re) && std::isfinite(z.im);
}

const double f0 = 1e9;
const double omega = twoPiElement * f0;

} // namespace

TEST(TransformElement, SeriesKindsAgainstHandValues)
{
    // 1 / (6.28318530718e9 * 1e-12), the value of 2*pi used by the elements.
    const Complex cs = transformElement(make(ElementKind::CS, 1e-12), {50, 10}, f0, f0);
    EXPECT_DOUBLE_EQ(cs.re, 50.0);
    EXPECT_DOUBLE_EQ(10.0 - cs.im, 159.15494309188486);
    const Complex is = transformElement(make(ElementKind::IS, 1e-9), {50, 10}, f0, f0);
    EXPECT_DOUBLE_EQ(is.im, 10.0 + 6.28318530718);
    EXPECT_EQ(transformElement(make(ElementKind::RS, 22), {50, 10}, f0, f0), Complex(72, 10));
    EXPECT_EQ(transformElement(make(ElementKind::TR, 2), {50, 10}, f0, f0), Complex(200, 40));
}

TEST(TransformElement, ShuntKindsAgainstComplexArithmetic)
{
    const Complex z{30, -20};
    struct Case {
        Element e;
        Complex y; // admittance the element adds
    } cases[] = {
        {make(ElementKind::CP, 2e-12), {0, omega * 2e-12}},
        {make(ElementKind::IP, 5e-9), {0, -1.0 / (omega * 5e-9)}},
        {make(ElementKind::RP, 75), {1.0 / 75, 0}},
    };
    for (const Case& c : cases) {
        const Complex got = transformElement(c.e, z, f0, f0);
        const Complex want = shuntAdd(z, c.y);
        // Same quantities through a different order of operations: a few ulps.
        EXPECT_NEAR(got.re, want.re, 1e-12 * std::abs(want.re) + 1e-12);
        EXPECT_NEAR(got.im, want.im, 1e-12 * std::abs(want.im) + 1e-12);
    }
}

TEST(TransformElement, SeriesLineMatchesTheLineEquation)
{
    const Complex quarter = transformElement(make(ElementKind::LS, 0.25), {100, 0}, f0, f0);
    // R' is computed in single precision: relative 1e-6.
    EXPECT_NEAR(quarter.re, 25.0, 25.0 * 1e-6);
    EXPECT_NEAR(quarter.im, 0.0, 1e-9);
    const Complex half = transformElement(make(ElementKind::LS, 0.5), {37, -12}, f0, f0);
    EXPECT_NEAR(half.re, 37.0, 37.0 * 1e-6);
    EXPECT_NEAR(half.im, -12.0, 1e-9);
    for (double length : {0.03, 0.1, 0.17, 0.33, 0.41}) {
        const Complex z{20, 35};
        const Complex got = transformElement(make(ElementKind::LS, length, 75.0f), z, f0, f0);
        const Complex want = lineInput(z, 75.0, twoPiElement * length);
        EXPECT_NEAR(got.re, want.re, std::abs(want.re) * 2e-6) << length;
        EXPECT_NEAR(got.im, want.im, std::abs(want.im) * 1e-9 + 1e-9) << length;
    }
}

TEST(TransformElement, StubsOfAQuarterWave)
{
    const Complex z{50, 25};
    // tan(pi/2) is about 1e11 here: the shorted stub adds almost nothing.
    const Complex shorted = transformElement(make(ElementKind::LPS, 0.25), z, f0, f0);
    EXPECT_NEAR(shorted.re, 50.0, 1e-6);
    EXPECT_NEAR(shorted.im, 25.0, 1e-6);
    const Complex open = transformElement(make(ElementKind::LPO, 0.25), z, f0, f0);
    EXPECT_LT(std::abs(open.re) + std::abs(open.im), 1e-6);
    // An eighth-wave open stub adds j/Zl.
    const Complex eighth = transformElement(make(ElementKind::LPO, 0.125), z, f0, f0);
    const Complex want = shuntAdd(z, {0, std::tan(twoPiElement * 0.125) / 50.0});
    EXPECT_NEAR(eighth.re, want.re, 1e-9);
    EXPECT_NEAR(eighth.im, want.im, 1e-9);
}

TEST(TransformElement, ShuntElementOnAShortStaysFiniteNearZero)
{
    for (ElementKind k :
         {ElementKind::CP, ElementKind::IP, ElementKind::RP, ElementKind::LPS, ElementKind::LPO}) {
        const Complex z = transformElement(make(k, 1e-12 + 0.1), {0, 0}, f0, f0);
        EXPECT_TRUE(isFinite(z));
        EXPECT_LT(std::abs(z.re) + std::abs(z.im), 1e-300);
    }
}

TEST(TransformElement, RlcGroupsAgainstComplexArithmetic)
{
    const double r = 10, l = 50e-9, c = 1e-12, f = 7e8;
    const double xg = static_cast<float>(twoPiRlc * f * l - 1.0 / (twoPiRlc * f * c));
    // Series group in shunt on a purely resistive point: Yb = 1/R.
    const Complex series = transformElement(rlc(ElementKind::RlcSeries, r, l, c), {80, 0}, f, 1e9);
    const Complex wantSeries = shuntAdd({80, 0}, inverse({r, xg}));
    EXPECT_NEAR(series.re, wantSeries.re, 1e-9);
    EXPECT_NEAR(series.im, wantSeries.im, 1e-9);
    const double gg = static_cast<float>(1.0 / r);
    const double bg = static_cast<float>(twoPiRlc * f * c - 1.0 / (twoPiRlc * f * l));
    const Complex parallel =
        transformElement(rlc(ElementKind::RlcParallel, r, l, c), {80, 5}, f, 1e9);
    const Complex wantParallel = Complex(80, 5) + inverse({gg, bg});
    EXPECT_NEAR(parallel.re, wantParallel.re, 1e-9);
    EXPECT_NEAR(parallel.im, wantParallel.im, 1e-9);
}

TEST(TransformElement, ZeroFrequencyAndZeroValuesGiveFiniteResults)
{
    const Element all[] = {
        make(ElementKind::CS, 1e-12),
        make(ElementKind::LS, 0.2),
        make(ElementKind::RS, 0),
        make(ElementKind::IS, 1e-9),
        make(ElementKind::CP, 1e-12),
        make(ElementKind::LPS, 0.1),
        make(ElementKind::LPO, 0.1),
        make(ElementKind::RP, 0),
        make(ElementKind::IP, 1e-9),
        make(ElementKind::TR, 0),
        make(ElementKind::CS, 0),
        make(ElementKind::LS, 0, 0.0f),
        rlc(ElementKind::RlcSeries, 0, 1e-9, 1e-12),
        rlc(ElementKind::RlcParallel, 0, 1e-9, 1e-12),
    };
    int seen = 0;
    for (const Element& e : all)
        for (double f : {0.0, 1e9})
            for (double start : {0.0, 1e9})
                for (Complex z :
                     {Complex(0, 0), Complex(50, -5), Complex(DOUBLE_BIG, -DOUBLE_BIG)}) {
                    EXPECT_TRUE(isFinite(transformElement(e, z, f, start)))
                        << static_cast<int>(e.kind) << " f " << f << " f0 " << start;
                    ++seen;
                }
    EXPECT_EQ(seen, 14 * 2 * 2 * 3);
    // A series capacitor at DC is open; a shunt inductor at DC a short.
    EXPECT_EQ(transformElement(make(ElementKind::CS, 1e-12), {50, 0}, 0, 0).im, -DOUBLE_BIG);
    const Complex shorted = transformElement(make(ElementKind::IP, 1e-9), {50, 0}, 0, 0);
    EXPECT_EQ(shorted.re, 0.0);
    EXPECT_EQ(std::abs(shorted.im), 0.0);
}

TEST(RecomputeChain, EachElementStartsWhereThePreviousEnds)
{
    std::vector<Element> chain = {make(ElementKind::CS, 3e-12), make(ElementKind::LS, 0.1),
                                  rlc(ElementKind::RlcSeries, 5, 10e-9, 2e-12),
                                  make(ElementKind::CP, 1e-12)};
    chain[0].rBegin = 25;
    chain[0].xBegin = -10;
    recomputeChain(chain, 0, f0);
    Complex z{25, -10};
    for (std::size_t i = 0; i < chain.size(); ++i) {
        EXPECT_EQ(Complex(chain[i].rBegin, chain[i].xBegin), z) << i;
        // The whole chain at f0, RLC groups included.
        z = transformElement(chain[i], z, f0, f0);
        EXPECT_EQ(Complex(chain[i].rEnd, chain[i].xEnd), z) << i;
    }
    // From element 2 on: its stored begin is taken as it stands.
    chain[2].rBegin = 1;
    chain[2].xBegin = 2;
    const Complex end1{chain[1].rEnd, chain[1].xEnd};
    recomputeChain(chain, 2, f0);
    EXPECT_EQ(Complex(chain[1].rEnd, chain[1].xEnd), end1);
    EXPECT_EQ(chain[2].rBegin, 1.0);
    EXPECT_EQ(Complex(chain[3].rBegin, chain[3].xBegin), Complex(chain[2].rEnd, chain[2].xEnd));
    recomputeChain(chain, 9, f0); // beyond the end: nothing
    recomputeChain(chain, -1, f0);
}

TEST(EvaluateWideband, StartPointReproducesTheChainEndForRandomChains)
{
    const ElementKind kinds[] = {
        ElementKind::CS,  ElementKind::LS,  ElementKind::RS, ElementKind::IS, ElementKind::CP,
        ElementKind::LPS, ElementKind::LPO, ElementKind::RP, ElementKind::IP, ElementKind::TR};
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> kindOf(0, 9);
    std::uniform_int_distribution<int> lengthOf(1, 150);
    std::uniform_real_distribution<double> unit(0.05, 1.0);
    int checked = 0;
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<Element> chain(static_cast<std::size_t>(lengthOf(rng)));
        for (Element& e : chain) {
            e.kind = kinds[kindOf(rng)];
            const double u = unit(rng);
            switch (e.kind) {
            case ElementKind::CS:
            case ElementKind::CP:
                e.value = u * 1e-11;
                break;
            case ElementKind::IS:
            case ElementKind::IP:
                e.value = u * 1e-8;
                break;
            case ElementKind::RS:
            case ElementKind::RP:
                e.value = u * 100;
                break;
            case ElementKind::TR:
                e.value = 0.5 + u;
                break;
            default:
                e.value = u * 0.5;
                e.lineImpedance = static_cast<float>(20 + 100 * u);
                break;
            }
        }
        std::vector<DataPoint> points = {
            {10, 5, 4e8}, {30 * unit(rng), -40 * unit(rng), 1e9 * unit(rng) + 1e8}, {75, 0, 2.4e9}};
        const std::size_t start = static_cast<std::size_t>(trial % 3);
        const double fStart = points[start].f;
        chain[0].rBegin = points[start].r;
        chain[0].xBegin = points[start].x;
        recomputeChain(chain, 0, fStart);
        std::vector<double> r(points.size()), x(points.size());
        evaluateWideband(chain, points, fStart, r, x);
        // Both paths apply the same operations to the same numbers at f0
        // (the line angle is not rescaled when f equals f0), so the results
        // agree exactly, saturated chains included.
        EXPECT_EQ(r[start], chain.back().rEnd) << trial;
        EXPECT_EQ(x[start], chain.back().xEnd) << trial;
        for (std::size_t i = 0; i < points.size(); ++i)
            EXPECT_TRUE(std::isfinite(r[i]) && std::isfinite(x[i]));
        ++checked;
    }
    EXPECT_EQ(checked, 300);
}

TEST(EvaluateWideband, LinesScaleWithFrequencyAndArraysStayUnchanged)
{
    std::vector<Element> chain = {make(ElementKind::LS, 0.25)};
    const std::vector<DataPoint> points = {{100, 0, 1e9}, {100, 0, 2e9}};
    const Element before = chain[0];
    std::vector<double> r(2), x(2);
    evaluateWideband(chain, points, 1e9, r, x);
    // Quarter wave at f0, half wave at 2 f0.
    EXPECT_NEAR(r[0], 25.0, 25e-6);
    EXPECT_NEAR(r[1], 100.0, 100e-6);
    EXPECT_NEAR(x[1], 0.0, 1e-6);
    EXPECT_EQ(chain[0].value, before.value);
    EXPECT_EQ(chain[0].rEnd, before.rEnd);
}

TEST(LineLengths, WavelengthHeldInSinglePrecision)
{
    const float lambda = static_cast<float>(speedOfLight / 1e9);
    const LineLengths l = lineLengths(make(ElementKind::LS, 0.25, 50.0f, 4.0f), 1e9);
    EXPECT_DOUBLE_EQ(l.electricalMm, static_cast<double>(lambda) * 0.25 * 1000.0);
    EXPECT_NEAR(l.electricalMm, 74.9481145, 1e-5); // float lambda: 6 digits
    EXPECT_DOUBLE_EQ(l.mechanicalMm, l.electricalMm / 2.0);
    const LineLengths dc = lineLengths(make(ElementKind::LPO, 0.1, 50.0f, 0.0f), 0.0);
    EXPECT_TRUE(std::isfinite(dc.electricalMm));
    EXPECT_TRUE(std::isfinite(dc.mechanicalMm));
}
