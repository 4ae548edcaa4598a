// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/synthesis.h"

#include "core/chain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zelvo {
namespace {

constexpr double pi = std::numbers::pi;

// The network's end impedance when the chain recomputes it from the load.
Complex chainEnd(std::vector<Element> elements, Complex load, double f)
{
    if (elements.empty())
        return load;
    elements[0].rBegin = load.re;
    elements[0].xBegin = load.im;
    recomputeChain(elements, 0, f);
    return {elements.back().rEnd, elements.back().xEnd};
}

double relativeError(Complex a, Complex b)
{
    return magnitude(a - b) / magnitude(b);
}

// The solution of the given topology whose first value is closest to `first`.
const MatchSolution* find(const MatchResult& r, const std::string& topology, double first)
{
    const MatchSolution* best = nullptr;
    for (const MatchSolution& s : r.solutions)
        if (topologyText(s, {}) == topology &&
            (!best || std::abs(s.elements[0].value - first) <
                          std::abs(best->elements[0].value - first)))
            best = &s;
    return best;
}

int countFamily(const MatchResult& r, MatchFamily f)
{
    int n = 0;
    for (const MatchSolution& s : r.solutions)
        n += s.family == f;
    return n;
}

TEST(Synthesis, LoadInsideUnitResistanceCircleHasOnlyShuntFirstLNetworks)
{
    // 200 - j100 against 100 ohm at 500 MHz, by the closed form for a shunt
    // element across the load: B = (XL +- sqrt(RL/Z0) sqrt(RL^2 + XL^2 - Z0 RL))
    // / (RL^2 + XL^2), X = 1/B + XL Z0/RL - Z0/(B RL).
    const double rl = 200, xl = -100, z0 = 100, f = 500e6, w = 2 * pi * f;
    const MatchRequest m{{rl, xl}, {z0, 0}, f, 100.0f, 1.0f};
    const MatchResult r = synthesiseMatches(m);
    ASSERT_TRUE(r.refusal.empty());
    EXPECT_EQ(countFamily(r, MatchFamily::LNetwork), 2);
    const double root = std::sqrt(rl / z0) * std::sqrt(rl * rl + xl * xl - z0 * rl);
    for (double sign : {1.0, -1.0}) {
        const double b = (xl + sign * root) / (rl * rl + xl * xl);
        const double x = 1 / b + xl * z0 / rl - z0 / (b * rl);
        const std::string name = std::string(b > 0 ? "shunt C" : "shunt L") + ", " +
                                 (x > 0 ? "series L" : "series C");
        const double shunt = b > 0 ? b / w : -1 / (w * b);
        const double series = x > 0 ? x / w : -1 / (w * x);
        const MatchSolution* s = find(r, name, shunt);
        ASSERT_NE(s, nullptr) << name;
        ASSERT_EQ(s->elements.size(), 2u);
        // The program's 2 pi is rounded at the 11th digit.
        EXPECT_NEAR(s->elements[0].value / shunt, 1.0, 1e-9);
        EXPECT_NEAR(s->elements[1].value / series, 1.0, 1e-9);
        EXPECT_LT(relativeError(chainEnd(s->elements, m.load, f), m.target), 1e-9);
    }
}

TEST(Synthesis, LoadOutsideBothUnitCirclesHasFourLNetworks)
{
    // 20 - j30 against 50 ohm: series element next to the load with
    // X = +-sqrt(RL (Z0 - RL)) - XL, then B = +-sqrt((Z0 - RL) / RL) / Z0.
    const double rl = 20, xl = -30, z0 = 50, f = 1e9, w = 2 * pi * f;
    const MatchRequest m{{rl, xl}, {z0, 0}, f, 50.0f, 1.0f};
    const MatchResult r = synthesiseMatches(m);
    EXPECT_EQ(countFamily(r, MatchFamily::LNetwork), 4);
    for (double sign : {1.0, -1.0}) {
        const double x = sign * std::sqrt(rl * (z0 - rl)) - xl;
        const double b = sign * std::sqrt((z0 - rl) / rl) / z0;
        const std::string name = std::string(x > 0 ? "series L" : "series C") + ", " +
                                 (b > 0 ? "shunt C" : "shunt L");
        const double series = x > 0 ? x / w : -1 / (w * x);
        const MatchSolution* s = find(r, name, series);
        ASSERT_NE(s, nullptr) << name;
        EXPECT_NEAR(s->elements[0].value / series, 1.0, 1e-9);
        EXPECT_NEAR(s->elements[1].value / (b > 0 ? b / w : -1 / (w * b)), 1.0, 1e-9);
    }
    for (const MatchSolution& s : r.solutions) {
        if (s.family == MatchFamily::LNetwork) {
            EXPECT_LT(relativeError(chainEnd(s.elements, m.load, f), m.target), 1e-9)
                << topologyText(s, {});
        }
    }
}

TEST(Synthesis, ComplexTargetAndResistiveMismatch)
{
    // Conjugate of a source 30 + j40: every network ends on 30 - j40.
    const MatchRequest conj{{75, 25}, {30, -40}, 2.4e9, 50.0f, 1.0f};
    const MatchResult c = synthesiseMatches(conj);
    ASSERT_FALSE(c.solutions.empty());
    for (const MatchSolution& s : c.solutions)
        if (s.family == MatchFamily::LNetwork) {
            EXPECT_LT(relativeError(chainEnd(s.elements, conj.load, conj.frequency), conj.target),
                      1e-9)
                << topologyText(s, {});
        }

    // 100 ohm to 50 ohm on the real axis: the textbook L with Q = 1,
    // X = 50 ohm, B = 1/100 S, shunt element across the 100 ohm side.
    const MatchResult r = synthesiseMatches({{100, 0}, {50, 0}, 1e8, 50.0f, 1.0f});
    const double w = 2 * pi * 1e8;
    const MatchSolution* s = find(r, "shunt C, series L", 0.01 / w);
    ASSERT_NE(s, nullptr);
    EXPECT_NEAR(s->elements[1].value / (50 / w), 1.0, 1e-9);
    EXPECT_NEAR(networkQ(s->elements, {100, 0}, 1e8), 1.0, 1e-9);
}

TEST(Synthesis, ShuntStubsAgreeWithClosedForm)
{
    // 60 - j80 against 50 ohm: t = tan(beta d) = (XL +- sqrt(RL ((Z0 - RL)^2 +
    // XL^2) / Z0)) / (RL - Z0); the susceptance there is
    // B = (RL^2 t - (Z0 - XL t)(XL + Z0 t)) / (Z0 (RL^2 + (XL + Z0 t)^2)),
    // and an open stub of l = -atan(B Z0) / 2pi cancels it.
    const double rl = 60, xl = -80, z0 = 50, f = 2e9;
    const MatchRequest m{{rl, xl}, {z0, 0}, f, 50.0f, 2.2f};
    const MatchResult r = synthesiseMatches(m);
    EXPECT_EQ(countFamily(r, MatchFamily::ShuntStub), 4);
    for (double sign : {1.0, -1.0}) {
        const double t =
            (xl + sign * std::sqrt(rl * ((z0 - rl) * (z0 - rl) + xl * xl) / z0)) / (rl - z0);
        double d = std::atan(t) / (2 * pi);
        if (d < 0)
            d += 0.5;
        const double b = (rl * rl * t - (z0 - xl * t) * (xl + z0 * t)) /
                         (z0 * (rl * rl + (xl + z0 * t) * (xl + z0 * t)));
        double open = -std::atan(b * z0) / (2 * pi);
        if (open < 0)
            open += 0.5;
        const MatchSolution* s = find(r, "line, open stub", d);
        ASSERT_NE(s, nullptr);
        EXPECT_NEAR(s->elements[0].value / d, 1.0, 1e-9);
        EXPECT_NEAR(s->elements[1].value / open, 1.0, 1e-9);
        EXPECT_EQ(s->elements[1].lineEr, 2.2f);
    }
    for (const MatchSolution& s : r.solutions) {
        for (const Element& e : s.elements) {
            EXPECT_GE(e.value, 0.0);
            if (isLine(e.kind) && s.family != MatchFamily::QuarterWave) {
                EXPECT_LT(e.value, 0.5);
            }
        }
        // The chain keeps a line's resistance in single precision.
        EXPECT_LT(relativeError(chainEnd(s.elements, m.load, f), m.target), 1e-6) << topologyText(s, {});
    }
    EXPECT_EQ(countFamily(r, MatchFamily::SeriesReactance), 2);
}

TEST(Synthesis, QuarterWaveTransformerBothRotations)
{
    // 100 ohm to 50 ohm through a 50 ohm line: no line and sqrt(100 * 50), or
    // a quarter wave to 25 ohm and sqrt(25 * 50).
    const MatchRequest m{{100, 0}, {50, 0}, 1e9, 50.0f, 1.0f};
    const MatchResult r = synthesiseMatches(m);
    ASSERT_EQ(countFamily(r, MatchFamily::QuarterWave), 2);
    std::vector<float> impedances;
    for (const MatchSolution& s : r.solutions) {
        if (s.family != MatchFamily::QuarterWave)
            continue;
        EXPECT_NEAR(s.elements.back().value, 0.25, 1e-12);
        impedances.push_back(s.elements.back().lineImpedance);
        EXPECT_LT(relativeError(chainEnd(s.elements, m.load, m.frequency), m.target), 1e-6);
    }
    std::sort(impedances.begin(), impedances.end());
    EXPECT_FLOAT_EQ(impedances[0], static_cast<float>(std::sqrt(1250.0)));
    EXPECT_FLOAT_EQ(impedances[1], static_cast<float>(std::sqrt(5000.0)));

    // Not offered for a complex target.
    EXPECT_EQ(countFamily(synthesiseMatches({{100, 0}, {50, 10}, 1e9, 50.0f, 1.0f}),
                          MatchFamily::QuarterWave),
              0);
}

TEST(Synthesis, SingularCases)
{
    const MatchResult matched = synthesiseMatches({{50, 0}, {50, 0}, 1e9, 50.0f, 1.0f});
    ASSERT_EQ(matched.solutions.size(), 1u);
    EXPECT_TRUE(matched.solutions[0].elements.empty());

    for (Complex load : {Complex{0, 30}, Complex{0, 0}, Complex{DOUBLE_BIG, 0}, Complex{-5, 3}}) {
        const MatchResult r = synthesiseMatches({load, {50, 0}, 1e9, 50.0f, 1.0f});
        EXPECT_TRUE(r.solutions.empty());
        EXPECT_FALSE(r.refusal.empty()) << load.re;
    }
    for (Complex target : {Complex{0, 50}, Complex{-50, 0}, Complex{50, 1e300}}) {
        const MatchResult r = synthesiseMatches({{20, 5}, target, 1e9, 50.0f, 1.0f});
        EXPECT_TRUE(r.solutions.empty());
        EXPECT_NE(r.refusal.find("target"), std::string::npos);
    }
    // A resistance it has is not what refuses a target beyond any network's reach.
    EXPECT_EQ(synthesiseMatches({{20, 5}, {50, 1e300}, 1e9, 50.0f, 1.0f}).refusal.find("resistance"),
              std::string::npos);
    EXPECT_FALSE(synthesiseMatches({{20, 5}, {50, 0}, 0.0, 50.0f, 1.0f}).refusal.empty());
}

TEST(Synthesis, MismatchIsPowerWaveReflection)
{
    EXPECT_NEAR(magnitude(mismatch({100, 0}, {50, 0})), 1.0 / 3.0, 1e-15);
    EXPECT_NEAR(magnitude(mismatch({30, -40}, {30, -40})), 0.0, 1e-15);
    // Against a complex target the conjugate is the mismatched one.
    EXPECT_GT(magnitude(mismatch({30, 40}, {30, -40})), 0.5);
    // A huge reactance in the target: |target|^2 overflows unless scaled, and
    // then every load looked matched (Gamma 0, "120 dB").
    EXPECT_NEAR(magnitude(mismatch({22, 14}, {50, 1e200})), 1.0, 1e-12);
    EXPECT_NEAR(magnitude(mismatch({1e200, 0}, {50, 0})), 1.0, 1e-12);
}

} // namespace
} // namespace zelvo
