// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/twoport.h"

#include <cmath>
#include <random>
#include <gtest/gtest.h>

using namespace zelvo;

namespace {

// The dialog's initial transistor, as a circle record stores it (floats).
TwoPort initialTransistor()
{
    return widen(narrow({{-0.63362, -0.096958}, {0.054709, 0.015998}, {5.8086, 0.98199},
                         {-0.056811, -0.56917}}));
}

// Reflection seen at the other port for a termination gamma: the defining
// relation of the stability and gain circles, written independently.
Complex seenAtOutput(const TwoPort& t, Complex gammaSource)
{
    return t.s22 + t.s12 * t.s21 * gammaSource / (1.0 - t.s11 * gammaSource);
}
Complex seenAtInput(const TwoPort& t, Complex gammaLoad)
{
    return t.s11 + t.s12 * t.s21 * gammaLoad / (1.0 - t.s22 * gammaLoad);
}
double sq(double v) { return v * v; }

// Available power gain for a source reflection (textbook definition).
double availableGain(const TwoPort& t, Complex gs)
{
    return sq(magnitude(t.s21)) * (1.0 - sq(magnitude(gs)))
           / (sq(magnitude(1.0 - t.s11 * gs)) * (1.0 - sq(magnitude(seenAtOutput(t, gs)))));
}
// Operating power gain for a load reflection.
double operatingGain(const TwoPort& t, Complex gl)
{
    return sq(magnitude(t.s21)) * (1.0 - sq(magnitude(gl)))
           / (sq(magnitude(1.0 - t.s22 * gl)) * (1.0 - sq(magnitude(seenAtInput(t, gl)))));
}

Complex onCircle(Complex centre, double radius, int i, int n)
{
    return centre + fromPolar(radius, 2.0 * M_PI * i / n);
}

} // namespace

TEST(TwoPortFigures, DeterminantKeepsTheMatrixOrder)
{
    // S21 = 21 + j0.21 and S12 = 12 + j0.12 make a swapped pair visible.
    const TwoPort t{{0.11, 0.011}, {12, 0.12}, {21, 0.21}, {0.22, 0.022}};
    // s11 s22 = 0.0242 - 0.000242 + j(0.00242 + 0.00242); s12 s21 = 252 - 0.0252 + j(2.52 + 2.52)
    const Complex d = determinant(t);
    EXPECT_NEAR(d.re, 0.023958 - 251.9748, 1e-12);
    EXPECT_NEAR(d.im, 0.00484 - 5.04, 1e-12);
}

TEST(TwoPortFigures, InitialTransistorIsPotentiallyUnstableWithMaximumStableGain)
{
    // Hand values from the stored floats (independent script): K = 0.615462077526799,
    // 10 log10|s21/s12| = 20.14315068323822. 1e-12: double rounding only.
    const TwoPort t = initialTransistor();
    ASSERT_TRUE(stabilityFactor(t).has_value());
    EXPECT_NEAR(*stabilityFactor(t), 0.6154620775267988, 1e-12);
    ASSERT_TRUE(maxGainDb(t).has_value());
    EXPECT_NEAR(*maxGainDb(t), 20.14315068323822, 1e-12);
}

TEST(TwoPortFigures, UnconditionallyStableTwoPortGivesMaximumAvailableGain)
{
    // s11 = s22 = 0, s12 = 0.1, s21 = 2: K = (0.04 + 1) / 0.4 = 2.6;
    // MAG = (2.6 - sqrt(5.76)) * 20 = 0.2 * 20 = 4 -> 6.0206 dB.
    const TwoPort t{{0, 0}, {0.1, 0}, {2, 0}, {0, 0}};
    EXPECT_NEAR(*stabilityFactor(t), 2.6, 1e-12);
    EXPECT_NEAR(*maxGainDb(t), 10.0 * std::log10(4.0), 1e-12);
    // A huge K keeps a finite, tiny factor instead of cancelling to 0:
    // K - sqrt(K^2 - 1) ~ 1 / (2K).
    EXPECT_NEAR(maxAvailableGainFactor(1e9), 5e-10, 1e-22);
}

TEST(TwoPortFigures, UnilateralTwoPortHasNoKAndNoMaximumGain)
{
    const TwoPort t{{0.5, 0.1}, {0, 0}, {3, 1}, {0.2, -0.3}};
    EXPECT_FALSE(stabilityFactor(t).has_value());
    EXPECT_FALSE(maxGainDb(t).has_value());
}

TEST(StabilityCircles, PointsOnTheInputCircleGiveUnitOutputReflection)
{
    const TwoPort t = initialTransistor();
    const StabilityCircle c = stabilityCircle(t, CirclePlane::Input);
    ASSERT_TRUE(std::isfinite(c.radius));
    int checked = 0;
    for (int i = 0; i < 12; ++i, ++checked)
        EXPECT_NEAR(magnitude(seenAtOutput(t, onCircle(c.centre, c.radius, i, 12))), 1.0, 1e-9);
    EXPECT_EQ(checked, 12);
}

TEST(StabilityCircles, PointsOnTheOutputCircleGiveUnitInputReflection)
{
    const TwoPort t = initialTransistor();
    const StabilityCircle c = stabilityCircle(t, CirclePlane::Output);
    int checked = 0;
    for (int i = 0; i < 12; ++i, ++checked)
        EXPECT_NEAR(magnitude(seenAtInput(t, onCircle(c.centre, c.radius, i, 12))), 1.0, 1e-9);
    EXPECT_EQ(checked, 12);
}

TEST(StabilityCircles, StableSideFollowsTheOtherPortAtTheChartCentre)
{
    // Both circles enclose the chart centre (|C| 1.60 < 2.12 and 4.67 < 5.33).
    // With |s22| < 1 the centre of the chart is stable, with |s22| > 1 it is not.
    TwoPort t{{0.5, 0}, {1, 0}, {1, 0}, {0.3, 0}};
    StabilityCircle c = stabilityCircle(t, CirclePlane::Input);
    ASSERT_LT(magnitude(c.centre), c.radius);
    EXPECT_EQ(c.stableSide, StableSide::Inside);
    // Independent: the circle's own centre is inside, and its output reflection is below 1.
    EXPECT_LT(magnitude(seenAtOutput(t, c.centre)), 1.0);

    t.s22 = {1.5, 0};
    c = stabilityCircle(t, CirclePlane::Input);
    ASSERT_LT(magnitude(c.centre), c.radius);
    EXPECT_EQ(c.stableSide, StableSide::Outside);
    EXPECT_GT(magnitude(seenAtOutput(t, c.centre)), 1.0);
}

TEST(StabilityCircles, ZeroDenominatorSaturatesTheCentreWithTheNumeratorSign)
{
    // |s11| = |D| exactly: s22 = 1, s12 s21 = 0 gives D = s11.
    const TwoPort t{{0.5, 0}, {0, 0}, {1, 0}, {1, 0}};
    const StabilityCircle c = stabilityCircle(t, CirclePlane::Input);
    // numerator (s11 - D s22*)* = 0: both parts saturate positive.
    EXPECT_EQ(c.centre, Complex(DOUBLE_BIG, DOUBLE_BIG));
}

TEST(GainCircles, GeneralInputCircleIsAConstantAvailableGainContour)
{
    // Stable two-port (K = 2.6 as above, with mismatched ports added).
    const TwoPort t{{0.3, -0.2}, {0.05, 0.02}, {2.0, 0.5}, {-0.1, 0.25}};
    const double gainDb = 5.0;
    for (CirclePlane plane : {CirclePlane::Input, CirclePlane::Output}) {
        const Circle c = gainCircle(t, plane, gainDb);
        ASSERT_GT(c.radius, 0.0);
        int checked = 0;
        for (int i = 0; i < 8; ++i, ++checked) {
            const Complex g = onCircle(c.centre, c.radius, i, 8);
            const double gain = plane == CirclePlane::Input ? availableGain(t, g) : operatingGain(t, g);
            EXPECT_NEAR(10.0 * std::log10(gain), gainDb, 1e-9);
        }
        EXPECT_EQ(checked, 8);
    }
}

TEST(GainCircles, UnilateralCircleCentresTowardsTheConjugateReflection)
{
    // s12 = 0: the source-side factor Gs = (1 - |G|^2) / |1 - s11 G|^2 is
    // constant on the circle; its peak 1/(1-|s11|^2) sits at s11*.
    const TwoPort t{{0.5, 0.4}, {0, 0}, {3, 1}, {0.2, -0.3}};
    const double gainDb = 1.0;
    const Circle c = gainCircle(t, CirclePlane::Input, gainDb);
    EXPECT_LT(c.centre.im, 0.0); // s11 is above the real axis, s11* below
    int checked = 0;
    for (int i = 0; i < 8; ++i, ++checked) {
        const Complex g = onCircle(c.centre, c.radius, i, 8);
        const double gs = (1.0 - sq(magnitude(g))) / sq(magnitude(1.0 - t.s11 * g));
        EXPECT_NEAR(10.0 * std::log10(gs), gainDb, 1e-9);
    }
    EXPECT_EQ(checked, 8);
    // Hand value: |s11|^2 = 0.41, g = 10^0.1 * 0.59 = 0.742773, D = 1 - 0.257227 * 0.41
    const double g = std::pow(10.0, 0.1) * 0.59;
    const double d = 1.0 - (1.0 - g) * 0.41;
    EXPECT_NEAR(c.centre.re, g * 0.5 / d, 1e-12);
    EXPECT_NEAR(c.radius, std::sqrt(1.0 - g) * 0.59 / d, 1e-12);

    const Circle out = gainCircle(t, CirclePlane::Output, 0.0);
    EXPECT_GT(out.centre.im, 0.0); // s22 below the axis, s22* above
}

TEST(NoiseCircles, PointsOnTheCircleHaveTheNoiseFigure)
{
    const double nfMin = 1.9, rn = 0.15;
    const Complex gammaOpt{-0.50728, 0.28119};
    for (double nf : {2.0, 3.0, 6.0}) {
        const Circle c = noiseCircle(nfMin, gammaOpt, rn, nf);
        int checked = 0;
        for (int i = 0; i < 8; ++i, ++checked) {
            const Complex g = onCircle(c.centre, c.radius, i, 8);
            // F = Fmin + 4 rn |G - Gopt|^2 / ((1 - |G|^2) |1 + Gopt|^2)
            const double f = std::pow(10.0, nfMin / 10.0)
                             + 4.0 * rn * sq(magnitude(g - gammaOpt))
                                   / ((1.0 - sq(magnitude(g))) * sq(magnitude(1.0 + gammaOpt)));
            EXPECT_NEAR(10.0 * std::log10(f), nf, 1e-9);
        }
        EXPECT_EQ(checked, 8);
    }
}

TEST(NoiseCircles, JustAboveTheMinimumIsASmallCircleAtTheOptimum)
{
    const Complex gammaOpt{-0.5, 0.3};
    const Circle c = noiseCircle(1.9, gammaOpt, 0.15, 1.9001);
    EXPECT_LT(c.radius, 0.01);
    EXPECT_NEAR(c.centre.re, gammaOpt.re, 1e-4);
    EXPECT_NEAR(c.centre.im, gammaOpt.im, 1e-4);
    const Circle at = noiseCircle(1.9, gammaOpt, 0.15, 1.9);
    EXPECT_EQ(at.radius, 0.0);
    EXPECT_EQ(at.centre, gammaOpt);
}

TEST(MuFactors, HandWorkedTwoPorts)
{
    const struct {
        const char* what;
        TwoPort t;
        double mu, muPrime;
    } rows[] = {
        // s11 = s22 = 0: D = -s12 s21, both are 1 / |s12 s21|.
        {"matched, stable", {{0, 0}, {0.1, 0}, {2, 0}, {0, 0}}, 5.0, 5.0},
        // D = -1: mu = 0.75 / (0.5 + 1), mu' = 1 / (0.5 + 1).
        {"potentially unstable", {{0.5, 0}, {0.5, 0}, {2, 0}, {0, 0}}, 0.5, 1.0 / 1.5},
        // D = 0.26: mu = -0.44 / (|0.3 - 0.312| + 0.1), mu' = 0.91 / (|1.2 - 0.078| + 0.1).
        {"|s11| > 1", {{1.2, 0}, {0.1, 0}, {1, 0}, {0.3, 0}}, -0.44 / 0.112, 0.91 / 1.222},
        // Unilateral with s11 = 0.5j: D = 0.25j, |s22 - D conj(s11)| = |0.5 - 0.125|:
        // mu = 1 / |s22| and mu' = 1 / |s11| only with the conjugate.
        {"unilateral", {{0, 0.5}, {0, 0}, {1, 0}, {0.5, 0}}, 2.0, 2.0},
    };
    for (const auto& r : rows) {
        const MuFactors m = muFactors(r.t);
        EXPECT_NEAR(m.load, r.mu, 1e-12) << r.what;
        EXPECT_NEAR(m.source, r.muPrime, 1e-12) << r.what;
    }
    // Nothing of the load plane is unstable: an unbounded distance.
    EXPECT_EQ(muFactors({{0.3, 0}, {0, 0}, {1, 0}, {0, 0}}).load, HUGE_VAL);
}

TEST(MuFactors, MuAboveOneExactlyWhenKAboveOneAndDeltaBelowOne)
{
    std::mt19937 random(99);
    std::uniform_real_distribution<double> mag(0.0, 1.3), ang(-3.14159, 3.14159), gain(0.0, 8.0);
    int stable = 0, unstable = 0;
    for (int i = 0; i < 20000; ++i) {
        const auto c = [&](double m) { return fromPolar(m, ang(random)); };
        const TwoPort t{c(mag(random)), c(0.3 * mag(random)), c(gain(random)), c(mag(random))};
        const double k = *stabilityFactor(t);
        const double d = magnitude(determinant(t));
        const MuFactors m = muFactors(t);
        // Rounding decides ties at the boundary; they say nothing.
        if (std::fabs(k - 1) < 1e-9 || std::fabs(d - 1) < 1e-9 || std::fabs(m.load - 1) < 1e-9
            || std::fabs(m.source - 1) < 1e-9)
            continue;
        const bool byK = k > 1 && d < 1;
        EXPECT_EQ(m.load > 1, byK) << i;
        EXPECT_EQ(m.source > 1, byK) << i;
        (byK ? stable : unstable) += 1;
    }
    // Both sides of the boundary were visited often.
    EXPECT_GT(stable, 1000);
    EXPECT_GT(unstable, 1000);
}

TEST(SimultaneousMatch, TextbookFetAtFourGigahertz)
{
    // A GaAs FET at 4 GHz (a standard textbook example of conjugate-matched
    // amplifier design): S11 = 0.72 / -116, S21 = 2.60 / 76, S12 = 0.03 / 57,
    // S22 = 0.73 / -54; worked: K = 1.195, |delta| = 0.487, Gamma_S =
    // 0.872 / 123.4, Gamma_L = 0.876 / 61.0, GT = MAG = 16.7 dB.
    const auto polar = [](double m, double deg) { return fromPolar(m, deg * 3.14159265358979 / 180); };
    const TwoPort t{polar(0.72, -116), polar(0.03, 57), polar(2.60, 76), polar(0.73, -54)};
    const std::optional<ConjugateMatch> m = simultaneousMatch(t);
    ASSERT_TRUE(m);
    EXPECT_NEAR(magnitude(m->gammaSource), 0.871759, 1e-6);
    EXPECT_NEAR(argument(m->gammaSource) * 180 / 3.14159265358979, 123.40719, 1e-4);
    EXPECT_NEAR(magnitude(m->gammaLoad), 0.876291, 1e-6);
    EXPECT_NEAR(argument(m->gammaLoad) * 180 / 3.14159265358979, 61.02614, 1e-4);
    // Both ports are then conjugately matched: Gamma_in = conj(Gamma_S).
    const Complex gin = t.s11 + t.s12 * t.s21 * m->gammaLoad / (Complex{1} - t.s22 * m->gammaLoad);
    EXPECT_NEAR(gin.re, m->gammaSource.re, 1e-12);
    EXPECT_NEAR(gin.im, -m->gammaSource.im, 1e-12);
    // A potentially unstable device has none.
    const TwoPort unstable{polar(0.9, -60), polar(0.1, 40), polar(5, 120), polar(0.8, -30)};
    EXPECT_FALSE(simultaneousMatch(unstable));
}

TEST(SimultaneousMatch, WithoutFeedbackEachPortIsConjugated)
{
    // s12 = 0: K has no value, yet with |s11|, |s22| < 1 every passive
    // termination is stable and the match is s11*, s22*.
    const TwoPort t{{0.3, -0.4}, {0, 0}, {4, 3}, {-0.2, 0.5}};
    EXPECT_TRUE(unconditionallyStable(t));
    const std::optional<ConjugateMatch> m = simultaneousMatch(t);
    ASSERT_TRUE(m);
    EXPECT_NEAR(m->gammaSource.re, 0.3, 1e-15);
    EXPECT_NEAR(m->gammaSource.im, 0.4, 1e-15);
    EXPECT_NEAR(m->gammaLoad.re, -0.2, 1e-15);
    EXPECT_NEAR(m->gammaLoad.im, -0.5, 1e-15);
    // A matched port needs nothing; a port with |s| >= 1 is no match at all.
    EXPECT_EQ(simultaneousMatch({{0, 0}, {0, 0}, {5, 0}, {0, 0}})->gammaLoad, Complex{});
    EXPECT_FALSE(simultaneousMatch({{1.2, 0}, {0, 0}, {5, 0}, {0, 0}}));
}

TEST(GainCircleMatch, PotentiallyUnstableDeviceGetsItsChosenGainWithBothPortsStable)
{
    const auto polar = [](double m, double deg) { return fromPolar(m, deg * 3.14159265358979 / 180); };
    // K = 0.55: potentially unstable, MSG = |s21/s12| = 17.0 dB.
    const TwoPort t{polar(0.9, -60), polar(0.1, 40), polar(5, 120), polar(0.8, -30)};
    ASSERT_FALSE(unconditionallyStable(t));
    const double msg = *maxGainDb(t);
    int checked = 0;
    for (const double below : {1.0, 3.0, 6.0}) {
        const std::optional<GainMatch> m = gainCircleMatch(t, msg - below);
        ASSERT_TRUE(m) << below;
        const Complex gs = m->terminations.gammaSource, gl = m->terminations.gammaLoad;
        EXPECT_GT(m->margin, 0.0);
        EXPECT_LT(magnitude(gs), 1.0);
        EXPECT_LT(magnitude(gl), 1.0);
        EXPECT_LT(magnitude(seenAtOutput(t, gs)), 1.0);
        // The input is conjugately matched, so GT is the operating gain.
        const Complex gin = seenAtInput(t, gl);
        EXPECT_NEAR(gin.re, gs.re, 1e-12);
        EXPECT_NEAR(gin.im, -gs.im, 1e-12);
        EXPECT_NEAR(10 * std::log10(operatingGain(t, gl)), msg - below, 1e-9);
        ++checked;
    }
    EXPECT_EQ(checked, 3);
    // Above MSG no load keeps the output stable.
    EXPECT_FALSE(gainCircleMatch(t, msg + 3.0));
    // Without feedback there is no gain circle of this kind.
    EXPECT_FALSE(gainCircleMatch({{0.3, 0}, {0, 0}, {4, 0}, {0.2, 0}}, 3.0));
}
