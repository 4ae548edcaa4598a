// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/spread.h"

#include "core/chain.h"
#include "core/standard_values.h"
#include "core/synthesis.h"
#include "core/tolerance.h"
#include "support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace zelvo;
using zelvo::testing::element;

namespace {

// An L match at 2.4 GHz with lossy parts, a line, a stub and a transformer:
// every kind of step the spread computes.
std::vector<Element> mixedChain()
{
    Element is = element(ElementKind::IS, 3.3e-9);
    is.loss.q = 30.0;
    is.loss.qFrequency = 2.4e9;
    Element cp = element(ElementKind::CP, 1.2e-12);
    cp.loss.esr = 0.3;
    cp.loss.esl = 0.4e-9;
    Element ip = element(ElementKind::IP, 22e-9);
    ip.loss.srf = 6e9; // not linear in L: computed part by part
    return {element(ElementKind::CS, 2.2e-12), is, cp, element(ElementKind::RP, 1000.0),
            element(ElementKind::LS, 0.1), ip, element(ElementKind::LPO, 0.05),
            element(ElementKind::TR, 1.2), element(ElementKind::RS, 2.0)};
}

std::vector<SpreadLoad> loadsAround(double f0, int n)
{
    std::vector<SpreadLoad> loads;
    for (int i = 0; i < n; ++i)
        loads.push_back({{12.0 + i, -20.0 + 3.0 * i}, f0 * (0.8 + 0.4 * i / std::max(1, n - 1))});
    return loads;
}

// The chain's end element by element, as the design computes it.
Complex chainEnd(const std::vector<Element>& chain, Complex z, double f, double f0)
{
    for (const Element& e : chain)
        z = transformElement(e, z, f, f0);
    return z;
}

double worstDb(const std::vector<Element>& chain, const std::vector<SpreadLoad>& loads, double f0,
               Complex target)
{
    double worst = 0.0;
    for (const SpreadLoad& l : loads)
        worst = std::max(worst, magnitude(mismatch(chainEnd(chain, l.z, l.f, f0), target)));
    return returnLossDb(worst * worst);
}

} // namespace

TEST(ChainSpread, UnitFactorsGiveTheNominalChainAtEveryLoad)
{
    const double f0 = 2.4e9;
    const std::vector<Element> chain = mixedChain();
    const std::vector<SpreadLoad> loads = loadsAround(f0, 7);
    const ChainSpread spread(chain, loads, f0);
    const int count = 5;
    const std::vector<double> ones(chain.size() * count, 1.0);
    ChainSpread::Output out;
    spread.evaluate(ones, count, {50.0}, out, true, true);
    ASSERT_EQ(out.ends.size(), loads.size() * count);
    for (std::size_t l = 0; l < loads.size(); ++l) {
        const Complex want = chainEnd(chain, loads[l].z, loads[l].f, f0);
        for (int s = 0; s < count; ++s) {
            // The same parts in another order of operations: rounding only.
            const Complex got = out.ends[l * count + static_cast<std::size_t>(s)];
            EXPECT_NEAR(got.re, want.re, 1e-9 * magnitude(want)) << l;
            EXPECT_NEAR(got.im, want.im, 1e-9 * magnitude(want)) << l;
        }
        const double g = magnitude(mismatch(want, {50.0}));
        EXPECT_NEAR(out.loadMin[l], g * g, 1e-9);
        EXPECT_NEAR(out.loadMax[l], g * g, 1e-9);
    }
}

TEST(ChainSpread, FactorsScaleEachPartAsItsValueWould)
{
    // Each varying part scaled alone by 1.07 in its own sample equals the
    // chain with that part's value 7 % higher: capacitors included, whose
    // impedance goes as 1 / C.
    const double f0 = 2.4e9;
    const std::vector<Element> chain = mixedChain();
    const std::vector<SpreadLoad> loads = loadsAround(f0, 3);
    const ChainSpread spread(chain, loads, f0);
    const int n = static_cast<int>(chain.size());
    std::vector<double> factors(static_cast<std::size_t>(n * n), 1.0);
    for (int i = 0; i < n; ++i)
        factors[static_cast<std::size_t>(i * n + i)] = 1.07;
    ChainSpread::Output out;
    spread.evaluate(factors, n, {50.0}, out, true);
    int varied = 0;
    for (int i = 0; i < n; ++i) {
        std::vector<Element> changed = chain;
        if (spread.varies(i)) {
            changed[static_cast<std::size_t>(i)].value *= 1.07;
            ++varied;
        }
        for (std::size_t l = 0; l < loads.size(); ++l) {
            const Complex want = chainEnd(changed, loads[l].z, loads[l].f, f0);
            const Complex got = out.ends[l * static_cast<std::size_t>(n) + static_cast<std::size_t>(i)];
            EXPECT_NEAR(got.re, want.re, 1e-9 * magnitude(want)) << i;
            EXPECT_NEAR(got.im, want.im, 1e-9 * magnitude(want)) << i;
        }
    }
    EXPECT_EQ(varied, 6); // CS, IS, CP, RP, IP, RS; not the line, stub or transformer
}

TEST(Tolerance, FactorsStayWithinTheToleranceAndRepeatWithTheSeed)
{
    std::vector<double> a(20000), b(20000), c(20000);
    for (const SpreadLaw law : {SpreadLaw::Uniform, SpreadLaw::Gaussian}) {
        drawFactors(7, 3, 0.05, law, a);
        drawFactors(7, 3, 0.05, law, b);
        drawFactors(8, 3, 0.05, law, c);
        EXPECT_EQ(a, b);
        EXPECT_NE(a, c);
        double sum = 0.0, sum2 = 0.0;
        for (const double f : a) {
            ASSERT_GE(f, 0.95);
            ASSERT_LE(f, 1.05);
            sum += f - 1.0;
            sum2 += (f - 1.0) * (f - 1.0);
        }
        const double sd = std::sqrt(sum2 / a.size());
        EXPECT_NEAR(sum / a.size(), 0.0, 0.002);
        // Uniform over +-t: t / sqrt(3); Gaussian with t = 3 sigma, cut at
        // 3 sigma: a hair under t / 3.
        EXPECT_NEAR(sd, law == SpreadLaw::Uniform ? 0.05 / std::sqrt(3.0) : 0.05 / 3.0, 0.0005);
    }
    drawFactors(7, 3, 0.0, SpreadLaw::Gaussian, a);
    EXPECT_EQ(std::count(a.begin(), a.end(), 1.0), 20000);
}

TEST(Tolerance, ZeroToleranceSamplesAreAllTheNominalChain)
{
    const double f0 = 2.4e9;
    const std::vector<Element> chain = mixedChain();
    const std::vector<SpreadLoad> loads = loadsAround(f0, 4);
    const ChainSpread spread(chain, loads, f0);
    ToleranceSetup setup;
    setup.tolerances.assign(chain.size(), 0.0);
    setup.samples = 300;
    const ToleranceResult r = runTolerance(spread, setup);
    ASSERT_EQ(r.ends.size(), loads.size() * 300);
    for (std::size_t l = 0; l < loads.size(); ++l)
        for (std::size_t s = 0; s < 300; ++s)
            EXPECT_EQ(r.ends[l * 300 + s], r.ends[l * 300]);
    const Complex want = chainEnd(chain, loads[2].z, loads[2].f, f0);
    EXPECT_NEAR(r.ends[2 * 300].re, want.re, 1e-9 * magnitude(want));
    EXPECT_NEAR(r.worstDb, r.nominalWorstDb, 1e-9);
    EXPECT_NEAR(r.nominalWorstDb, worstDb(chain, loads, f0, {50.0}), 1e-9);
    EXPECT_EQ(r.mostSensitive, -1);
    for (const double s : r.sensitivityDb)
        EXPECT_EQ(s, 0.0);
}

TEST(Tolerance, SeededRunsRepeatExactlyAndCancelKeepsWhatWasDone)
{
    const double f0 = 2.4e9;
    const std::vector<Element> chain = mixedChain();
    const std::vector<SpreadLoad> loads = loadsAround(f0, 5);
    const ChainSpread spread(chain, loads, f0);
    ToleranceSetup setup;
    setup.tolerances.assign(chain.size(), 0.05);
    setup.samples = 5000;
    setup.law = SpreadLaw::Gaussian;
    setup.seed = 42;
    const ToleranceResult a = runTolerance(spread, setup), b = runTolerance(spread, setup);
    EXPECT_EQ(a.ends, b.ends);
    EXPECT_EQ(a.passing, b.passing);
    EXPECT_EQ(a.worstSample, b.worstSample);
    EXPECT_EQ(a.worstFactors, b.worstFactors);
    setup.seed = 43;
    EXPECT_NE(runTolerance(spread, setup).ends, a.ends);

    // The worst sample's own factors reproduce its return loss.
    std::vector<Element> worst = chain;
    for (std::size_t i = 0; i < chain.size(); ++i)
        if (spread.varies(static_cast<int>(i)))
            worst[i].value *= a.worstFactors[i];
    EXPECT_NEAR(worstDb(worst, loads, f0, {50.0}), a.worstDb, 1e-6);
    ASSERT_EQ(a.worstEnds.size(), loads.size());
    EXPECT_EQ(a.worstEnds[2], a.ends[2 * 5000 + static_cast<std::size_t>(a.worstSample)]);

    // Ends kept for the first samples only: the same ones.
    setup.seed = 42;
    setup.maxEnds = 700;
    const ToleranceResult few = runTolerance(spread, setup);
    EXPECT_EQ(few.endsPerLoad, 700);
    ASSERT_EQ(few.ends.size(), loads.size() * 700);
    EXPECT_EQ(few.ends[3 * 700 + 699], a.ends[3 * 5000 + 699]);
    EXPECT_EQ(few.passing, a.passing);
    EXPECT_EQ(few.worstEnds, a.worstEnds);
    setup.maxEnds = 20000;

    setup.seed = 42;
    int calls = 0;
    const ToleranceResult cut = runTolerance(spread, setup, [&](int done, int total) {
        EXPECT_EQ(total, 5000);
        return ++calls < 2 && done < total;
    });
    EXPECT_TRUE(cut.cancelled);
    ASSERT_GT(cut.samples, 0);
    ASSERT_LT(cut.samples, 5000);
    EXPECT_EQ(cut.ends.size(), loads.size() * static_cast<std::size_t>(cut.samples));
    // The samples done are the first ones of the whole run.
    EXPECT_EQ(cut.ends[static_cast<std::size_t>(cut.samples) - 1],
              a.ends[static_cast<std::size_t>(cut.samples) - 1]);
    EXPECT_EQ(cut.ends.back(), a.ends[(loads.size() - 1) * 5000 + static_cast<std::size_t>(cut.samples) - 1]);
}

TEST(Tolerance, YieldOfOneResistorMatchesItsClosedForm)
{
    // 50 ohm +-20 % (uniform) in series with a short, against 50 ohm: it
    // meets 20 dB (|Gamma| <= 0.1) for R from 50 * 0.9 / 1.1 = 40.909 on
    // and to 50 * 1.1 / 0.9 = 61.1, beyond the top of the range: a yield of
    // (60 - 40.909) / 20 = 0.954545.
    const std::vector<Element> chain = {element(ElementKind::RS, 50.0)};
    const std::vector<SpreadLoad> loads = {{{0.0, 0.0}, 1e9}, {{0.0, 0.0}, 2e9}};
    const ChainSpread spread(chain, loads, 1e9);
    ToleranceSetup setup;
    setup.tolerances = {0.2};
    setup.samples = 20000;
    setup.targetDb = 20.0;
    const ToleranceResult r = runTolerance(spread, setup);
    const double p = (60.0 - 50.0 * 0.9 / 1.1) / 20.0;
    // Four standard deviations of a share of 20000 draws.
    EXPECT_NEAR(r.yield, p, 4.0 * std::sqrt(p * (1.0 - p) / 20000));
    EXPECT_EQ(r.samples, 20000);
    EXPECT_EQ(r.mostSensitive, 0);
    // At 40 ohm, the worse end: |Gamma| = 1/9.
    EXPECT_NEAR(r.sensitivityDb[0], 120.0 - 20.0 * std::log10(9.0), 1e-9);
    EXPECT_NEAR(r.worstDb, 20.0 * std::log10(9.0), 0.05);
    EXPECT_NEAR(r.worstFactors[0], 0.8, 0.01);
    ASSERT_EQ(r.loadWorstDb.size(), 2u);
    EXPECT_NEAR(r.loadWorstDb[0], r.worstDb, 1e-9);
    EXPECT_GT(r.loadBestDb[0], 40.0);
}

TEST(Tolerance, TheMostSensitivePartIsTheOneThatMovesTheMatch)
{
    // A series resistor that makes the match (to 48 ohm, 33.8 dB), and a
    // shunt one of 1 Mohm that hardly matters.
    const std::vector<Element> chain = {element(ElementKind::RP, 1e6),
                                        element(ElementKind::RS, 38.0)};
    const std::vector<SpreadLoad> loads = {{{10.0, 0.0}, 1e9}};
    const ChainSpread spread(chain, loads, 1e9);
    ToleranceSetup setup;
    setup.tolerances = {0.05, 0.05};
    setup.samples = 100;
    const ToleranceResult r = runTolerance(spread, setup);
    EXPECT_EQ(r.mostSensitive, 1);
    // 38 ohm - 5 %: 46.1 ohm, 27.9 dB.
    EXPECT_NEAR(r.sensitivityDb[1], 20.0 * std::log10(98.0 / 2.0) - 20.0 * std::log10(96.1 / 3.9), 0.01);
    EXPECT_LT(r.sensitivityDb[0], 0.01);
}

TEST(StandardValues, ExhaustiveSearchFindsTheBestCombination)
{
    // A three-part match from 12 - j20 ohm over 2.2 .. 2.6 GHz whose values
    // are off the E24 grid; every combination of neighbours is tried here
    // by the plain chain, and the search must find the best.
    const double f0 = 2.4e9;
    const std::vector<Element> chain = {element(ElementKind::IS, 3.52e-9),
                                        element(ElementKind::CP, 1.77e-12),
                                        element(ElementKind::CS, 6.4e-12)};
    std::vector<SpreadLoad> loads;
    for (double f : {2.2e9, 2.4e9, 2.6e9})
        loads.push_back({{12.0, -20.0 * f / 2.4e9}, f});
    const StandardChoice c =
        chooseStandardValues(chain, loads, f0, {50.0}, ESeries::E24);
    EXPECT_TRUE(c.exhaustive);
    EXPECT_EQ(c.combinations, 1 + 8);
    double best = -1.0;
    std::vector<double> bestValues;
    int tried = 0;
    for (int combo = 0; combo < 8; ++combo) {
        std::vector<Element> snapped = chain;
        for (int i = 0; i < 3; ++i) {
            const auto n = standardNeighbours(chain[static_cast<std::size_t>(i)].value, ESeries::E24);
            snapped[static_cast<std::size_t>(i)].value = (combo >> i) & 1 ? n->above : n->below;
        }
        const double db = worstDb(snapped, loads, f0, {50.0});
        if (db > best) {
            best = db;
            bestValues.clear();
            for (const Element& e : snapped)
                bestValues.push_back(e.value);
        }
        ++tried;
    }
    EXPECT_EQ(tried, 8);
    EXPECT_NEAR(c.worstDb, best, 1e-9);
    ASSERT_EQ(c.values.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(c.values[i], bestValues[i], 1e-9 * bestValues[i]);
    EXPECT_NEAR(c.nominalWorstDb, worstDb(chain, loads, f0, {50.0}), 1e-9);
}

TEST(StandardValues, BeyondTwelvePartsALocalSearchBeatsTheNearestValues)
{
    const double f0 = 1e9;
    std::vector<Element> chain;
    for (int i = 0; i < 14; ++i)
        chain.push_back(i % 2 ? element(ElementKind::CP, 1.13e-12 * (1 + 0.07 * i))
                              : element(ElementKind::IS, 2.07e-9 * (1 + 0.05 * i)));
    // A part already on the grid and a line have no choice to make.
    chain.push_back(element(ElementKind::CS, 4.7e-12));
    chain.push_back(element(ElementKind::LS, 0.1));
    const std::vector<SpreadLoad> loads = {{{20.0, 5.0}, 0.9e9}, {{20.0, 8.0}, 1e9},
                                           {{21.0, 11.0}, 1.1e9}};
    const StandardChoice c = chooseStandardValues(chain, loads, f0, {50.0}, ESeries::E12);
    EXPECT_FALSE(c.exhaustive);
    std::vector<Element> nearest = chain;
    for (int i = 0; i < 15; ++i)
        nearest[static_cast<std::size_t>(i)].value =
            *nearestStandard(chain[static_cast<std::size_t>(i)].value, ESeries::E12);
    EXPECT_GE(c.worstDb, worstDb(nearest, loads, f0, {50.0}) - 1e-9);
    std::vector<Element> chosen = chain;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        chosen[i].value = c.values[i];
        if (i < 15) {
            const auto n = standardNeighbours(chain[i].value, ESeries::E12);
            // A value on the grid is kept to the bit.
            EXPECT_TRUE(c.values[i] == n->below || c.values[i] == n->above ||
                        c.values[i] == chain[i].value)
                << i;
        }
    }
    EXPECT_EQ(c.values[14], 4.7e-12);
    EXPECT_EQ(c.values[15], 0.1);
    EXPECT_NEAR(worstDb(chosen, loads, f0, {50.0}), c.worstDb, 1e-9);
}
