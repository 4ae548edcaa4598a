// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "optimise/broadband.h"

#include "core/bode_fano.h"
#include "core/synthesis.h"
#include "optimise/broadband_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <random>

namespace zelvo {
namespace {

constexpr double pi = std::numbers::pi;

LadderBand band(double f1, double f2, int n, const std::function<Complex(double)>& load,
                double source = 50.0)
{
    LadderBand b;
    b.source = source;
    b.centre = 0.5 * (f1 + f2);
    for (int i = 0; i < n; ++i) {
        const double f = n == 1 ? f1 : f1 + (f2 - f1) * i / (n - 1);
        b.frequencies.push_back(f);
        b.loads.push_back(load(f));
        b.weights.push_back(1.0);
    }
    return b;
}

double returnLoss(double gamma)
{
    return -20.0 * std::log10(gamma);
}

// The worst |Gamma| over the band of the L-networks at the band centre.
double bestCentreLNetwork(const LadderEvaluator& e, Complex centreLoad)
{
    const LadderBand& b = e.band();
    const MatchResult r = synthesiseMatches({centreLoad, {b.source, 0.0}, b.centre, 50.0f, 1.0f});
    double best = e.worst({}, {});
    for (const MatchSolution& s : r.solutions) {
        if (s.family != MatchFamily::LNetwork)
            continue;
        Topology t;
        std::vector<double> x;
        for (const Element& el : s.elements) {
            const std::optional<LumpedValue> v = lumpedValue(el, b.source, b.centre);
            if (!v)
                return best;
            t.push_back(v->part);
            x.push_back(v->x);
        }
        best = std::min(best, e.worst(t, x));
    }
    return best;
}

TEST(Broadband, AtOneFrequencyTheTwoElementResultIsAnLNetwork)
{
    const Complex load{12.0, -31.0};
    const double f = 433e6;
    const LadderEvaluator e(band(f, f, 1, [&](double) { return load; }));
    BroadbandOptions o;
    o.maxElements = 2;
    o.centreLoad = load;
    const BroadbandResult r = searchBroadband(e, o);
    ASSERT_EQ(r.best.size(), 2u);
    const LadderNetwork& two = r.best[1];
    ASSERT_EQ(two.topology.size(), 2u);
    EXPECT_LT(two.worst, 1e-9);
    const std::vector<Element> found = ladderElements(two.topology, two.x, 50.0, f, f, 1.0f);
    const MatchResult lNetworks = synthesiseMatches({load, {50.0, 0.0}, f, 50.0f, 1.0f});
    bool same = false;
    for (const MatchSolution& s : lNetworks.solutions) {
        if (s.family != MatchFamily::LNetwork || s.elements.size() != 2)
            continue;
        same |= s.elements[0].kind == found[0].kind && s.elements[1].kind == found[1].kind &&
                std::abs(s.elements[0].value / found[0].value - 1.0) < 1e-6 &&
                std::abs(s.elements[1].value / found[1].value - 1.0) < 1e-6;
    }
    EXPECT_TRUE(same) << "not one of the " << lNetworks.solutions.size() << " L-networks";
}

TEST(Broadband, ParallelRcLoadNeverBeatsTheBodeFanoLimit)
{
    // R = 100 ohm, C = 5 pF over 200..400 MHz: the limit is 5 nepers.
    const double r = 100.0, c = 5e-12, f1 = 200e6, f2 = 400e6;
    const auto load = [&](double f) { return 1.0 / Complex{1.0 / r, 2 * pi * f * c}; };
    const LadderEvaluator e(band(f1, f2, 41, load));
    BroadbandOptions o;
    o.maxElements = 4;
    o.centreLoad = load(300e6);
    const BroadbandResult result = searchBroadband(e, o);
    const BroadbandSummary s = summarise(e, result, 300e6, 1.0f, o.centreLoad);
    ASSERT_TRUE(s.limitReturnLoss);
    ASSERT_EQ(s.fits.chosen->model, FanoModel::ParallelRC);
    EXPECT_NEAR(*s.limitReturnLoss, boundReturnLoss(pi / (2 * pi * (f2 - f1) * r * c)), 1e-9);
    ASSERT_EQ(s.rows.size(), 4u);
    for (const BroadbandRow& row : s.rows) {
        EXPECT_LE(row.worstReturnLoss, *s.limitReturnLoss) << row.size;
        ASSERT_TRUE(row.belowLimit);
        EXPECT_GE(*row.belowLimit, 0.0);
    }
    // More elements do get closer: four give more than 20 dB here.
    EXPECT_GT(s.rows[3].worstReturnLoss, 20.0);
}

TEST(Broadband, TwoElementsMatchAnExhaustiveGrid)
{
    // A series RLC antenna-like load over 10 %: the best of every ladder of
    // up to two elements on a grid of 250 x 250 values (5.7 % apart),
    // refined ten times finer around its best cell, against the search.
    const auto load = [](double f) {
        const double w = 2 * pi * f;
        return Complex{18.0, w * 120e-9 - 1.0 / (w * 25e-12)};
    };
    const LadderEvaluator e(band(95e6, 105e6, 41, load));
    BroadbandOptions o;
    o.maxElements = 2;
    const BroadbandResult r = searchBroadband(e, o);
    ASSERT_EQ(r.best.size(), 2u);

    double gridBest = e.worst({}, {});
    const double lo = std::log(1e-3), hi = std::log(1e3);
    const int steps = 250;
    const double h = (hi - lo) / (steps - 1);
    for (int n = 1; n <= 2; ++n) {
        for (const Topology& t : ladderTopologies(n, false)) {
            std::vector<double> x(static_cast<std::size_t>(n)), best(x.size());
            double tBest = 2.0;
            const auto grid = [&](std::vector<double> from, double step, int count) {
                for (int i = 0; i < count; ++i) {
                    for (int j = 0; j < (n == 2 ? count : 1); ++j) {
                        x[0] = from[0] + step * i;
                        if (n == 2)
                            x[1] = from[1] + step * j;
                        const double w = e.worst(t, x);
                        if (w < tBest) {
                            tBest = w;
                            best = x;
                        }
                    }
                }
            };
            grid(std::vector<double>(x.size(), lo), h, steps);
            std::vector<double> around = best;
            for (double& v : around)
                v -= h;
            grid(around, h / 10.0, 21);
            gridBest = std::min(gridBest, tBest);
        }
    }
    std::printf("two elements: %.3f dB, grid %.3f dB\n", returnLoss(r.best[1].worst),
                returnLoss(gridBest));
    EXPECT_LE(std::abs(returnLoss(r.best[1].worst) - returnLoss(gridBest)), 0.05)
        << returnLoss(r.best[1].worst) << " dB against the grid's " << returnLoss(gridBest);
}

TEST(Broadband, MoreElementsAreNeverWorse)
{
    const auto load = [](double f) {
        const double w = 2 * pi * f;
        return Complex{8.0, w * 15e-9} + 1.0 / Complex{0.0, w * 30e-12};
    };
    const LadderEvaluator e(band(800e6, 1000e6, 31, load));
    BroadbandOptions o;
    o.maxElements = 4;
    const BroadbandResult r = searchBroadband(e, o);
    ASSERT_EQ(r.best.size(), 4u);
    EXPECT_LE(r.best[0].worst, r.none.worst);
    for (std::size_t n = 1; n < r.best.size(); ++n) {
        EXPECT_LE(r.best[n].worst, r.best[n - 1].worst) << n + 1;
        EXPECT_LE(r.best[n].topology.size(), n + 1);
    }
    ASSERT_GE(r.overall, 0);
    EXPECT_LE(r.best[static_cast<std::size_t>(r.overall)].worst * std::pow(10.0, -0.01 / 20),
              r.best.back().worst);
    EXPECT_EQ(r.topologies, topologyCount(o));
}

TEST(Broadband, RandomLoadsDoAtLeastAsWellAsTheCentreLNetwork)
{
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 12; ++i) {
        // R from 2 to 500 ohm, X from -300 to 300 ohm at the centre, a
        // slope as of a series L or C of random size, a band of 2 to 60 %.
        const double r = 2.0 * std::pow(250.0, unit(random));
        const double x = -300.0 + 600.0 * unit(random);
        const double slope = (unit(random) - 0.3) * 4.0;
        const double fc = 100e6, width = 0.02 + 0.58 * unit(random);
        const auto load = [&](double f) { return Complex{r, x + slope * x * (f / fc - 1.0)}; };
        const LadderEvaluator e(band(fc * (1 - width / 2), fc * (1 + width / 2), 21, load));
        BroadbandOptions o;
        o.maxElements = 3;
        o.centreLoad = load(fc);
        const BroadbandResult result = searchBroadband(e, o);
        const double lNetwork = bestCentreLNetwork(e, load(fc));
        EXPECT_LE(result.best.back().worst, lNetwork + 1e-12) << r << " " << x << " " << width;
        EXPECT_LE(result.best[1].worst, lNetwork + 1e-12);
    }
}

TEST(Broadband, CancelKeepsTheRowsFound)
{
    const LadderEvaluator e(band(1e9, 1.2e9, 11, [](double) { return Complex{20.0, 35.0}; }));
    BroadbandOptions o;
    o.maxElements = 4;
    int calls = 0;
    const BroadbandResult r = searchBroadband(e, o, [&](const BroadbandProgress& p) {
        EXPECT_EQ(p.total, topologyCount(o));
        return ++calls < 20; // within the two-element ladders (4 + 10)
    });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.topologies, 20);
    ASSERT_EQ(r.best.size(), 3u);
    EXPECT_LE(r.best[2].worst, r.best[1].worst);
}

TEST(Broadband, SameInputSameResult)
{
    const LadderEvaluator e(band(50e6, 54e6, 21, [](double f) {
        return 1.0 / Complex{1.0 / 300.0, 2 * pi * f * 20e-12};
    }));
    BroadbandOptions o;
    o.maxElements = 2;
    o.lines = true;
    const BroadbandResult a = searchBroadband(e, o), b = searchBroadband(e, o);
    ASSERT_EQ(a.best.size(), b.best.size());
    for (std::size_t i = 0; i < a.best.size(); ++i) {
        EXPECT_EQ(a.best[i].topology, b.best[i].topology);
        EXPECT_EQ(a.best[i].x, b.best[i].x);
    }
}

} // namespace
} // namespace zelvo
