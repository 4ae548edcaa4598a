// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/complex.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace zelvo;

TEST(ComplexArithmetic, MixedRealOperandsTouchOnlyTheRealPart)
{
    const Complex a{3, 4};
    EXPECT_EQ(a + 2.0, Complex(5, 4));
    EXPECT_EQ(2.0 + a, Complex(5, 4));
    EXPECT_EQ(a - 1.0, Complex(2, 4));
    EXPECT_EQ(1.0 - a, Complex(-2, -4));
    EXPECT_EQ(a * 2.0, Complex(6, 8));
    EXPECT_EQ(a.conjugate(), Complex(3, -4));
    EXPECT_EQ(a * Complex(1, 2), Complex(3 - 8, 6 + 4));
    Complex b = a;
    b *= 2.0;
    b /= 4.0;
    EXPECT_EQ(b, Complex(1.5, 2));
}

TEST(ComplexArithmetic, PlainDivisionMatchesHandValues)
{
    // (1 + 2j) / (3 - 4j) = (1 + 2j)(3 + 4j) / 25 = (-5 + 10j) / 25
    const Complex q = Complex(1, 2) / Complex(3, -4);
    EXPECT_DOUBLE_EQ(q.re, -0.2);
    EXPECT_DOUBLE_EQ(q.im, 0.4);
    const Complex r = 2.0 / Complex(0, 1);
    EXPECT_DOUBLE_EQ(r.re, 0.0);
    EXPECT_DOUBLE_EQ(r.im, -2.0);
}

TEST(ComplexGuards, DivisionByZeroSaturatesWithTheNumeratorSign)
{
    EXPECT_EQ(divideGuarded({1, 0}, {0, 0}), Complex(DOUBLE_BIG, DOUBLE_BIG));
    EXPECT_EQ(divideByRealGuarded({-2, 3}, 0.0), Complex(-DOUBLE_BIG, DOUBLE_BIG));
    EXPECT_EQ(divideByRealGuarded({2, -3}, 0.0), Complex(DOUBLE_BIG, -DOUBLE_BIG));
    EXPECT_EQ(ratioMagnitude({5, 5}, {0, 0}), DOUBLE_BIG);
    EXPECT_EQ(ratioMagnitude32({5, 5}, {0, 0}), FLOAT_BIG);
    EXPECT_DOUBLE_EQ(ratioMagnitude({3, 4}, {0, 1}), 5.0);
    EXPECT_FLOAT_EQ(ratioMagnitude32({3, 4}, {0, 2}), 2.5f);
}

TEST(ComplexFunctions, PolarLogAndAtan)
{
    EXPECT_DOUBLE_EQ(magnitude({3, 4}), 5.0);
    EXPECT_DOUBLE_EQ(argument({-1, 0}), M_PI);
    const Complex p = fromPolar(2.0, M_PI / 2);
    EXPECT_NEAR(p.re, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(p.im, 2.0);
    EXPECT_DOUBLE_EQ(productMagnitude({3, 4}, {0, 2}), 10.0);
    EXPECT_FLOAT_EQ(productMagnitude32({3, 4}, {0, 2}), 10.0f);
    EXPECT_EQ(crossDifference({1, 0}, {2, 0}, {3, 0}, {4, 0}), Complex(4 - 6, 0));
    const Complex l = complexLog({0, 1});
    EXPECT_DOUBLE_EQ(l.re, 0.0);
    EXPECT_DOUBLE_EQ(l.im, M_PI / 2);
    EXPECT_EQ(complexAtan({0, 0}), Complex(0, 0));
    for (double t : {-3.0, -0.5, 0.25, 1.0, 7.0}) {
        const Complex a = complexAtan({t, 0});
        EXPECT_NEAR(a.re, std::atan(t), 1e-15) << t;
        EXPECT_NEAR(a.im, 0.0, 1e-15) << t;
    }
    EXPECT_DOUBLE_EQ(zelvo::log10f(1000.0f), 3.0);
}

TEST(Conversions, ShortMatchAndOpen)
{
    EXPECT_EQ(gammaRe(0, 0), -1.0);
    EXPECT_EQ(gammaIm(0, 0), 0.0);
    EXPECT_EQ(gammaRe(1, 0), 0.0);
    EXPECT_EQ(gammaRe(-1, 0), DOUBLE_BIG);
    EXPECT_EQ(gammaIm(-1, 0), DOUBLE_BIG);
    EXPECT_EQ(resistanceFromGamma(1, 0), DOUBLE_BIG);
    EXPECT_EQ(reactanceFromGamma(1, 0), DOUBLE_BIG);
    EXPECT_EQ(reactanceFromGamma(1, -0.0), DOUBLE_BIG);
    EXPECT_EQ(resistanceFromGamma32(1, 0), FLOAT_BIG);
    EXPECT_EQ(reactanceFromGamma32(1, -0.0f), FLOAT_BIG);
    EXPECT_EQ(admittanceG(0, 0), DOUBLE_BIG);
    EXPECT_EQ(admittanceB(0, 0), DOUBLE_BIG);
    EXPECT_EQ(conductanceFromGamma(-1, 0), DOUBLE_BIG);
    EXPECT_EQ(susceptanceFromGamma(-1, 0), DOUBLE_BIG);
}

TEST(Conversions, RoundTripThroughGamma)
{
    // z = 2 + 1j: Gamma = (z - 1)/(z + 1) = (1 + j)/(3 + j) = (0.4 + 0.2j)
    EXPECT_DOUBLE_EQ(gammaRe(2, 1), 0.4);
    EXPECT_DOUBLE_EQ(gammaIm(2, 1), 0.2);
    EXPECT_NEAR(resistanceFromGamma(0.4, 0.2), 2.0, 1e-14);
    EXPECT_NEAR(reactanceFromGamma(0.4, 0.2), 1.0, 1e-14);
    // y = 1/z = 0.4 - 0.2j
    EXPECT_NEAR(conductanceFromGamma(0.4, 0.2), 0.4, 1e-14);
    EXPECT_NEAR(susceptanceFromGamma(0.4, 0.2), -0.2, 1e-14);
    EXPECT_DOUBLE_EQ(admittanceG(2, 1), 0.4);
    EXPECT_DOUBLE_EQ(admittanceB(2, 1), -0.2);
    const Complex g = impedanceToGamma(100, 50, 50);
    EXPECT_DOUBLE_EQ(g.re, 0.4);
    EXPECT_DOUBLE_EQ(g.im, 0.2);
}

TEST(Conversions, GammaToImpedanceReplacesTheOpenCircuit)
{
    const Complex z = gammaToImpedance(1, 0, 50);
    const double u = 0.9999999;
    EXPECT_DOUBLE_EQ(z.re, 50 * (1 - u * u) / ((1 - u) * (1 - u)));
    EXPECT_NEAR(z.re, 9.99999950e8, 1e2);
    EXPECT_EQ(z.im, 0.0);
    const Complex m = gammaToImpedance(0, 0, 50);
    EXPECT_DOUBLE_EQ(m.re, 50.0);
    EXPECT_DOUBLE_EQ(m.im, 0.0);
}
