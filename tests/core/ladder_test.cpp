// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/ladder.h"

#include "core/chain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

namespace zelvo {
namespace {

using P = LadderPart;

// A band whose loads reveal order mistakes: every frequency has its own.
LadderBand testBand()
{
    LadderBand b;
    b.source = 50.0;
    b.centre = 300e6;
    for (int i = 0; i < 7; ++i) {
        const double f = 200e6 + 33e6 * i;
        b.frequencies.push_back(f);
        b.loads.push_back({12.0 + 3.0 * i, -40.0 + 11.0 * i});
        b.weights.push_back(1.0);
    }
    return b;
}

TEST(Ladder, TopologiesAlternateBranchesAndLeaveOutMergingNeighbours)
{
    // Branches of L, C or both alternate; n elements give 2 a(n) ladders
    // with a(n) = 2 a(n-1) + a(n-2), a(0) = 1, a(1) = 2.
    const int expected[] = {4, 10, 24, 58, 140, 338, 816, 1970};
    for (int n = 1; n <= 8; ++n) {
        const std::vector<Topology> all = ladderTopologies(n, false);
        EXPECT_EQ(static_cast<int>(all.size()), expected[n - 1]) << n;
        EXPECT_EQ(std::set<Topology>(all.begin(), all.end()).size(), all.size());
        for (const Topology& t : all)
            EXPECT_TRUE(isCanonical(t));
    }
    EXPECT_TRUE(isCanonical({P::SeriesL, P::SeriesC, P::ShuntL}));
    EXPECT_FALSE(isCanonical({P::SeriesC, P::SeriesL}));  // written L first
    EXPECT_FALSE(isCanonical({P::SeriesL, P::SeriesL}));  // one inductor
    EXPECT_FALSE(isCanonical({P::ShuntL, P::ShuntC, P::ShuntL}));
    EXPECT_FALSE(isCanonical({P::OpenStub, P::ShuntC})); // one shunt branch
    // With lines the branches are single elements; a line may sit beside a
    // series element but not beside another line.
    EXPECT_TRUE(isCanonical({P::Line, P::SeriesL, P::OpenStub, P::Line}));
    EXPECT_FALSE(isCanonical({P::Line, P::Line, P::OpenStub}));
    EXPECT_FALSE(isCanonical({P::SeriesL, P::SeriesC, P::Line}));
    EXPECT_FALSE(isCanonical({P::ShortStub, P::ShuntL, P::Line}));
    // Lines add topologies, every lumped one stays.
    const int withLines[] = {7, 30, 130, 530};
    for (int n = 1; n <= 4; ++n) {
        const std::vector<Topology> all = ladderTopologies(n, true);
        EXPECT_EQ(static_cast<int>(all.size()), withLines[n - 1]) << n;
        const std::set<Topology> distinct(all.begin(), all.end());
        EXPECT_EQ(distinct.size(), all.size());
        for (const Topology& t : ladderTopologies(n, false))
            EXPECT_TRUE(distinct.count(t));
    }
}

TEST(Ladder, EvaluationAgreesWithTheChain)
{
    const LadderBand band = testBand();
    const LadderEvaluator evaluator(band);
    const Topology t{P::SeriesL, P::ShuntC, P::Line, P::OpenStub, P::SeriesC, P::ShortStub, P::ShuntL};
    const std::vector<double> x{0.3, -0.7, 0.9, std::log(1.4), 2.1, std::log(0.6), -0.2, 1.2,
                                std::log(1.9), 0.5};
    ASSERT_EQ(static_cast<int>(x.size()), parameterCount(t));
    // Lines in wavelengths at a design frequency other than the centre.
    const double f0 = 250e6;
    const std::vector<Element> elements = ladderElements(t, x, band.source, band.centre, f0, 2.2f);
    ASSERT_EQ(elements.size(), t.size());
    EXPECT_EQ(elements[2].kind, ElementKind::LS);
    EXPECT_FLOAT_EQ(elements[2].lineImpedance, static_cast<float>(50.0 * 1.4));
    EXPECT_FLOAT_EQ(elements[2].lineEr, 2.2f);
    EXPECT_EQ(elements[3].kind, ElementKind::LPO);
    EXPECT_EQ(elements[5].kind, ElementKind::LPS);
    // The angle 0.9 rad at 300 MHz is 0.75 rad at 250 MHz.
    EXPECT_NEAR(elements[2].value * twoPiElement, 0.9 * f0 / band.centre, 1e-12);

    const std::vector<double> gamma = evaluator.reflections(t, x);
    double worst = 0.0;
    for (std::size_t i = 0; i < band.frequencies.size(); ++i) {
        Complex z = band.loads[i];
        for (const Element& e : elements)
            z = transformElement(e, z, band.frequencies[i], f0);
        // The chain rounds line impedances to float and a series line's R
        // to single precision.
        EXPECT_NEAR(gamma[i], magnitude((z - 50.0) / (z + 50.0)), 1e-6) << i;
        worst = std::max(worst, gamma[i]);
    }
    EXPECT_DOUBLE_EQ(evaluator.worst(t, x), worst);
}

TEST(Ladder, GradientMatchesDifferences)
{
    LadderBand band = testBand();
    band.weights = {1.0, 0.5, 2.0, 1.0, 0.0, 1.5, 1.0};
    const LadderEvaluator evaluator(band);
    const Topology t{P::ShuntC, P::Line, P::SeriesL, P::SeriesC, P::ShortStub, P::ShuntL};
    std::vector<double> x{0.4, 1.1, std::log(1.3), -0.5, 0.8, 1.0, std::log(0.8), 0.2};
    const std::size_t k = band.frequencies.size(), n = x.size();
    std::vector<double> squared(k), gradient(k * n);
    evaluator.squaredWithGradient(t, x, squared, gradient);
    const std::vector<double> plain = evaluator.reflections(t, x);
    for (std::size_t i = 0; i < k; ++i)
        EXPECT_NEAR(squared[i], band.weights[i] * band.weights[i] * plain[i] * plain[i], 1e-12);
    for (std::size_t j = 0; j < n; ++j) {
        // Central differences: error of order h^2, far below the tolerance.
        const double h = 1e-6;
        std::vector<double> up = x, down = x;
        up[j] += h;
        down[j] -= h;
        std::vector<double> su(k), sd(k), unused(k * n);
        evaluator.squaredWithGradient(t, up, su, unused);
        evaluator.squaredWithGradient(t, down, sd, unused);
        for (std::size_t i = 0; i < k; ++i)
            EXPECT_NEAR(gradient[i * n + j], (su[i] - sd[i]) / (2 * h), 1e-6) << i << " " << j;
    }
}

TEST(Ladder, QuarterWaveStubsAreOpensAndShortsNotInfinities)
{
    LadderBand band;
    band.source = 50.0;
    band.centre = 1e9;
    band.frequencies = {1e9};
    band.loads = {{50.0, 0.0}};
    band.weights = {1.0};
    const LadderEvaluator evaluator(band);
    const double quarter = std::numbers::pi / 2;
    // An open stub a quarter wave long shorts the line: |Gamma| = 1.
    EXPECT_NEAR(evaluator.worst({P::OpenStub}, std::vector<double>{quarter, 0.0}), 1.0, 1e-12);
    // A shorted one is open there: the match stays.
    EXPECT_NEAR(evaluator.worst({P::ShortStub}, std::vector<double>{quarter, 0.0}), 0.0, 1e-12);
    // A short load behind a series quarter-wave line is an open: still total reflection.
    band.loads = {{0.0, 0.0}};
    const LadderEvaluator shorted(band);
    EXPECT_NEAR(shorted.worst({P::Line}, std::vector<double>{quarter, 0.0}), 1.0, 1e-12);
}

TEST(Ladder, LumpedValuesRoundTripThroughElements)
{
    const double rs = 75.0, fc = 14.2e6;
    const Topology t{P::SeriesL, P::SeriesC, P::ShuntL, P::ShuntC};
    const std::vector<double> x{1.5, -2.0, 0.25, -0.75};
    const std::vector<Element> e = ladderElements(t, x, rs, fc, fc, 1.0f);
    // Series L: X = 2 pi fc L = Rs e^x.
    EXPECT_NEAR(twoPiElement * fc * e[0].value, rs * std::exp(1.5), 1e-9);
    EXPECT_NEAR(1.0 / (twoPiElement * fc * e[3].value), rs / std::exp(-0.75), 1e-9);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const std::optional<LumpedValue> v = lumpedValue(e[i], rs, fc);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->part, t[i]);
        EXPECT_NEAR(v->x, x[i], 1e-12);
    }
    Element resistor = e[0];
    resistor.kind = ElementKind::RS;
    EXPECT_FALSE(lumpedValue(resistor, rs, fc));
    Element empty = e[0];
    empty.value = 0.0;
    EXPECT_FALSE(lumpedValue(empty, rs, fc));
}

} // namespace
} // namespace zelvo
