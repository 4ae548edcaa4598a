// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/chain.h"

#include "core/abcd.h"
#include "core/numeric.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

// Opens and shorts reached through a division by zero become the saturated
// values the rest of the program works with; an indeterminate result is
// taken as an open.
double finite(double v)
{
    if (std::isnan(v))
        return DOUBLE_BIG;
    if (v > DOUBLE_BIG)
        return DOUBLE_BIG;
    if (v < -DOUBLE_BIG)
        return -DOUBLE_BIG;
    return v;
}

Complex finite(Complex z)
{
    return {finite(z.re), finite(z.im)};
}

// A shunt element changes the admittance; the begin admittance of a short
// saturates (admittanceG/B of 0 + j0).
Complex shunt(Complex z, double addG, double addB)
{
    const double g = finite(admittanceG(z.re, z.im) + addG);
    const double b = finite(admittanceB(z.re, z.im) + addB);
    return {admittanceG(g, b), admittanceB(g, b)};
}

// Electrical angle of a line or stub at f; at f0 exactly it is 2*pi*value so
// that the wideband result of the start point equals the chain's end.
double lineAngle(const Element& e, double f, double f0)
{
    const double theta = twoPiElement * e.value;
    return f == f0 ? theta : theta * f / f0;
}

// Input impedance of a lossless line of impedance zl and angle theta ended in
// z, written out without a complex division; the resistance in single
// precision.
Complex seriesLine(Complex z, float zl, double theta)
{
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const double r = z.re, x = z.im;
    const double zl2 = static_cast<double>(zl) * zl;
    const double mag2 = r * r + x * x;
    const double d = mag2 - 2.0 * x * zl * s * c - c * c * (mag2 - zl2);
    const float rf = toFloatSaturated(r);
    const float df = toFloatSaturated(d);
    const float rEnd = zl * zl * rf / df;
    const double xEnd = zl * (2.0 * c * c * x * zl - c * s * (mag2 - zl2) - zl * x) / d;
    return {static_cast<double>(rEnd), xEnd};
}

Complex rlcSeries(const Element& e, Complex z, double f)
{
    const double xg = toFloatSaturated(twoPiRlc * f * e.rlcL - 1.0 / (twoPiRlc * f * e.rlcC));
    const Complex yg = divideGuarded({1.0, 0.0}, {e.rlcR, xg});
    const Complex yb = divideGuarded({1.0, 0.0}, z);
    return divideGuarded({1.0, 0.0}, yb + yg);
}

Complex rlcParallel(const Element& e, Complex z, double f)
{
    const double gg = toFloatSaturated(1.0 / e.rlcR);
    const double bg = toFloatSaturated(twoPiRlc * f * e.rlcC - 1.0 / (twoPiRlc * f * e.rlcL));
    return z + divideGuarded({1.0, 0.0}, {gg, bg});
}

Complex transformRaw(const Element& e, Complex z, double f, double f0)
{
    const double omega = twoPiElement * f;
    const double zl = e.lineImpedance;
    switch (e.kind) {
    case ElementKind::CS:
        return {z.re, z.im - 1.0 / (omega * e.value)};
    case ElementKind::IS:
        return {z.re, z.im + omega * e.value};
    case ElementKind::RS:
        return {z.re + e.value, z.im};
    case ElementKind::CP:
        return shunt(z, 0.0, omega * e.value);
    case ElementKind::IP:
        return shunt(z, 0.0, -1.0 / (omega * e.value));
    case ElementKind::RP:
        return shunt(z, 1.0 / e.value, 0.0);
    case ElementKind::LPS:
        return shunt(z, 0.0, -1.0 / (zl * std::tan(lineAngle(e, f, f0))));
    case ElementKind::LPO:
        return shunt(z, 0.0, std::tan(lineAngle(e, f, f0)) / zl);
    case ElementKind::LS:
        return seriesLine(z, e.lineImpedance, lineAngle(e, f, f0));
    case ElementKind::TR:
        return {e.value * e.value * z.re, e.value * e.value * z.im};
    case ElementKind::RlcSeries:
        return rlcSeries(e, z, f);
    case ElementKind::RlcParallel:
        return rlcParallel(e, z, f);
    case ElementKind::Block: // through its chain matrix, above
    case ElementKind::None:
        break;
    }
    return z;
}

} // namespace

Complex transformElement(const Element& e, Complex z, double f, double f0)
{
    // Ideal parts keep their own formulas (stored designs hold their
    // results); a real part or a block goes through its chain matrix.
    if (e.kind == ElementKind::Block || isLossy(e)) {
        const std::optional<Abcd> m = elementAbcd(e, f, f0);
        return m ? finite(inputImpedance(*m, finite(z))) : finite(z);
    }
    return finite(transformRaw(e, finite(z), f, f0));
}

bool elementDefinedAt(const Element& e, double f)
{
    return elementAbcd(e, f, f).has_value();
}

void recomputeChain(std::span<Element> elements, int from, double f0)
{
    if (from < 0 || static_cast<std::size_t>(from) >= elements.size())
        return;
    Complex z{elements[static_cast<std::size_t>(from)].rBegin,
              elements[static_cast<std::size_t>(from)].xBegin};
    for (std::size_t i = static_cast<std::size_t>(from); i < elements.size(); ++i) {
        Element& e = elements[i];
        e.rBegin = z.re;
        e.xBegin = z.im;
        z = transformElement(e, z, f0, f0);
        e.rEnd = z.re;
        e.xEnd = z.im;
    }
}

void evaluateWideband(std::span<const Element> elements, std::span<const DataPoint> points,
                      double f0, std::span<double> r, std::span<double> x,
                      std::span<bool> skipped)
{
    const std::size_t n = std::min({points.size(), r.size(), x.size()});
    for (std::size_t i = 0; i < n; ++i) {
        r[i] = points[i].r;
        x[i] = points[i].x;
        if (i < skipped.size())
            skipped[i] = !chainDefinedAt(elements, points[i].f);
    }
    // Element by element over all the points: the same steps for each point
    // as point by point, but the element's kind is decided once per sweep.
    for (const Element& e : elements) {
        for (std::size_t i = 0; i < n; ++i) {
            const Complex z = transformElement(e, {r[i], x[i]}, points[i].f, f0);
            r[i] = z.re;
            x[i] = z.im;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        // The point itself may be unfinished input; keep the result finite.
        // A point outside a block's range has no result: it is kept as it is.
        const bool skip = i < skipped.size() && skipped[i];
        r[i] = skip ? points[i].r : finite(r[i]);
        x[i] = skip ? points[i].x : finite(x[i]);
    }
}

LineLengths lineLengths(const Element& e, double f0)
{
    const float lambda = toFloatSaturated(speedOfLight / f0);
    const double electrical = finite(static_cast<double>(lambda) * e.value * 1000.0);
    const double mechanical = finite(electrical / std::sqrt(static_cast<double>(e.lineEr)));
    return {electrical, mechanical};
}

} // namespace zelvo
