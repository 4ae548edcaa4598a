// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/twoport.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zelvo {

namespace {

// |z|^2 as the modulus squared (not re^2 + im^2), so that the figures agree
// to the last bit wherever they are computed.
double magnitudeSquared(Complex z) { return std::pow(magnitude(z), 2.0); }

// The centre numerator and real denominator of the plane's circle family:
// (s11 - D s22*)* over |s11|^2 - |D|^2 for the input plane, mirrored for the output.
struct PlaneTerms {
    Complex numerator;
    double denominator;
};

PlaneTerms planeTerms(const TwoPort& t, CirclePlane plane)
{
    const Complex delta = determinant(t);
    const double deltaSquared = magnitudeSquared(delta);
    if (plane == CirclePlane::Input)
        return {(t.s11 - delta * t.s22.conjugate()).conjugate(),
                magnitudeSquared(t.s11) - deltaSquared};
    return {(t.s22 - delta * t.s11.conjugate()).conjugate(), magnitudeSquared(t.s22) - deltaSquared};
}

double stabilityFactorUnchecked(const TwoPort& t)
{
    const double numerator = magnitudeSquared(determinant(t))
                             + ((1.0 - magnitudeSquared(t.s11)) - magnitudeSquared(t.s22));
    return numerator / (2.0 * productMagnitude(t.s12, t.s21));
}

} // namespace

Complex determinant(const TwoPort& t) { return crossDifference(t.s11, t.s12, t.s21, t.s22); }

std::optional<double> stabilityFactor(const TwoPort& t)
{
    if (magnitude(t.s12) == 0.0)
        return std::nullopt;
    return stabilityFactorUnchecked(t);
}

double maxAvailableGainFactor(double k)
{
    // Below 1 there is no such gain; for K <= -1 the formula below would give
    // a negative value and, for very negative K, a zero denominator.
    if (!(k >= 1.0))
        return std::numeric_limits<double>::quiet_NaN();
    // K - sqrt(K^2 - 1) written as its reciprocal twin: the same value, but
    // without the cancellation that turns a large K into 0.
    return 1.0 / (k + std::sqrt(k * k - 1.0));
}

std::optional<double> maxGainDb(const TwoPort& t)
{
    const std::optional<double> k = stabilityFactor(t);
    if (!k)
        return std::nullopt;
    const double q = ratioMagnitude(t.s21, t.s12);
    if (*k >= 1.0)
        return 10.0 * std::log10(maxAvailableGainFactor(*k) * q);
    return 10.0 * std::log10(q);
}

MuFactors muFactors(const TwoPort& t)
{
    const Complex delta = determinant(t);
    const double p = productMagnitude(t.s12, t.s21);
    const auto mu = [&](Complex sii, Complex sjj) {
        const double m = magnitude(sii);
        const double numerator = (1.0 - m) * (1.0 + m); // 1 - |sii|^2 without cancellation
        const double denominator = magnitude(sjj - delta * sii.conjugate()) + p;
        if (denominator == 0.0)
            return numerator > 0.0 ? std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::quiet_NaN();
        return numerator / denominator;
    };
    return {mu(t.s11, t.s22), mu(t.s22, t.s11)};
}

StabilityCircle stabilityCircle(const TwoPort& t, CirclePlane plane)
{
    const PlaneTerms terms = planeTerms(t, plane);
    StabilityCircle c;
    c.centre = divideByRealGuarded(terms.numerator, terms.denominator);
    c.radius = std::fabs(productMagnitude(t.s12, t.s21) / terms.denominator);
    const bool originInside = magnitude(c.centre) - c.radius < 0.0;
    const bool otherPortPassive =
        plane == CirclePlane::Input ? magnitude(t.s22) < 1.0 : magnitude(t.s11) < 1.0;
    c.stableSide = originInside == otherPortPassive ? StableSide::Inside : StableSide::Outside;
    return c;
}

Circle gainCircle(const TwoPort& t, CirclePlane plane, double gainDb)
{
    const double gain = std::pow(10.0, gainDb / 10.0);
    if (magnitude(t.s12) == 0.0) {
        const Complex s = plane == CirclePlane::Input ? t.s11 : t.s22;
        const double sSquared = magnitudeSquared(s);
        const double g = gain * (1.0 - sSquared);
        const double d = (g - 1.0) * sSquared + 1.0;
        // Centred towards s*, where the gain of the matched port peaks, in the
        // same direction as the general circles below when s12 goes to 0.
        return {g * s.conjugate() / d, std::sqrt(1.0 - g) * (1.0 - sSquared) / d};
    }
    const double k = stabilityFactorUnchecked(t);
    const double g = gain / magnitudeSquared(t.s21);
    const double p = productMagnitude(t.s12, t.s21);
    const double n = std::sqrt(p * p * g * g + 1.0 - 2.0 * k * g * p);
    const PlaneTerms terms = planeTerms(t, plane);
    const double d = terms.denominator * g + 1.0;
    return {g * terms.numerator / d, n / d};
}

Circle noiseCircle(double nfMinDb, Complex gammaOpt, double rn, double nfDb)
{
    const double f = std::pow(10.0, nfDb / 10.0);
    const double fMin = std::pow(10.0, nfMinDb / 10.0);
    const double n = (f - fMin) / (4.0 * rn) * magnitudeSquared(1.0 + gammaOpt);
    const double gammaSquared = magnitudeSquared(gammaOpt);
    return {gammaOpt / (n + 1.0), std::sqrt((1.0 - gammaSquared) * n + n * n) / (n + 1.0)};
}

Complex inputReflection(const TwoPort& t, Complex gammaLoad)
{
    return t.s11 + divideGuarded(t.s12 * t.s21 * gammaLoad, Complex{1.0} - t.s22 * gammaLoad);
}

Complex outputReflection(const TwoPort& t, Complex gammaSource)
{
    return t.s22 + divideGuarded(t.s12 * t.s21 * gammaSource, Complex{1.0} - t.s11 * gammaSource);
}

bool unconditionallyStable(const TwoPort& t)
{
    if (productMagnitude(t.s12, t.s21) == 0.0)
        return magnitude(t.s11) < 1.0 && magnitude(t.s22) < 1.0;
    const std::optional<double> k = stabilityFactor(t);
    return k && *k > 1.0 && magnitude(determinant(t)) < 1.0;
}

std::optional<ConjugateMatch> simultaneousMatch(const TwoPort& t)
{
    if (!unconditionallyStable(t))
        return std::nullopt;
    const Complex delta = determinant(t);
    const double d2 = magnitudeSquared(delta);
    const double s11 = magnitudeSquared(t.s11), s22 = magnitudeSquared(t.s22);
    // Gamma = (B - sqrt(B^2 - 4|C|^2)) / (2C), B > 0 for a stable two-port,
    // written as 2 C* / (B + sqrt(...)): no cancellation when |C| is small,
    // and 0 for C = 0 (that port is matched already).
    const auto side = [](double b, Complex c) {
        const double root = std::sqrt(std::max(0.0, b * b - 4.0 * magnitudeSquared(c)));
        return divideGuarded(2.0 * c.conjugate(), Complex{b + root});
    };
    const Complex c1 = t.s11 - delta * t.s22.conjugate();
    const Complex c2 = t.s22 - delta * t.s11.conjugate();
    return ConjugateMatch{side(1.0 + s11 - s22 - d2, c1), side(1.0 + s22 - s11 - d2, c2)};
}

std::optional<GainMatch> gainCircleMatch(const TwoPort& t, double gainDb)
{
    if (productMagnitude(t.s12, t.s21) == 0.0)
        return std::nullopt;
    const Circle c = gainCircle(t, CirclePlane::Output, gainDb);
    const double radius = std::fabs(c.radius);
    if (!std::isfinite(radius) || !std::isfinite(c.centre.re) || !std::isfinite(c.centre.im))
        return std::nullopt;
    // The margin is smooth along the circle: a fine walk finds its best point
    // well within what a matching network can be built to.
    constexpr int steps = 3600;
    std::optional<GainMatch> best;
    for (int i = 0; i < steps; ++i) {
        const double a = 2.0 * std::numbers::pi * i / steps;
        const Complex gl = c.centre + Complex{radius * std::cos(a), radius * std::sin(a)};
        const Complex gs = inputReflection(t, gl).conjugate();
        const double margin = std::min({1.0 - magnitude(gl), 1.0 - magnitude(gs),
                                        1.0 - magnitude(outputReflection(t, gs))});
        if (margin > 0.0 && (!best || margin > best->margin))
            best = GainMatch{{gs, gl}, margin};
    }
    return best;
}

} // namespace zelvo
