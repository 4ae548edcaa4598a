// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/abcd.h"

#include "core/block.h"
#include "core/chain.h"
#include "core/numeric.h"

#include <cmath>

namespace zelvo {

namespace {

// Nepers in a decibel of attenuation: 20 log10(e).
constexpr double dbPerNeper = 8.685889638065037;

void scaleBack(Abcd& m)
{
    const double s = std::abs(m.a.re) + std::abs(m.a.im) + std::abs(m.b.re) + std::abs(m.b.im) +
                     std::abs(m.c.re) + std::abs(m.c.im) + std::abs(m.d.re) + std::abs(m.d.im);
    if (s > 0.0 && std::isfinite(s)) {
        const double k = 1.0 / s;
        m.a *= k;
        m.b *= k;
        m.c *= k;
        m.d *= k;
        m.den *= k;
    }
}

Abcd series(ImpedanceRatio z)
{
    return {z.den, z.num, 0.0, z.den, z.den};
}

// A shunt admittance den / num (the impedance num / den).
Abcd shunt(ImpedanceRatio z)
{
    return {z.num, 0.0, z.den, z.num, z.num};
}

Complex coshOf(double x, double y)
{
    return {std::cosh(x) * std::cos(y), std::sinh(x) * std::sin(y)};
}

Complex sinhOf(double x, double y)
{
    return {std::sinh(x) * std::cos(y), std::cosh(x) * std::sin(y)};
}

// Loss (nepers) and angle (radians) of a line or stub at f: the angle as the
// ideal chain computes it, the loss per wavelength at f0 growing as sqrt(f).
struct Propagation {
    double alpha;
    double theta;
};

Propagation propagation(const Element& e, double f, double f0)
{
    const double theta = twoPiElement * e.value * (f == f0 ? 1.0 : f / f0);
    const double scale = f0 > 0.0 && f >= 0.0 ? std::sqrt(f / f0) : 1.0;
    return {e.loss.lineDb * e.value * scale / dbPerNeper, theta};
}

Complex applyMap(Complex a, Complex b, Complex c, Complex d, Complex z)
{
    // An open (or any huge impedance) is carried as 1/z to stay finite.
    if (std::abs(z.re) + std::abs(z.im) > 1e150) {
        const Complex w = divideGuarded({1.0, 0.0}, z);
        return divideGuarded(a + b * w, c + d * w);
    }
    return divideGuarded(a * z + b, c * z + d);
}

} // namespace

Abcd cascade(const Abcd& g, const Abcd& l)
{
    Abcd r{g.a * l.a + g.b * l.c, g.a * l.b + g.b * l.d, g.c * l.a + g.d * l.c,
           g.c * l.b + g.d * l.d, g.den * l.den};
    scaleBack(r);
    return r;
}

Complex inputImpedance(const Abcd& m, Complex zLoad)
{
    return applyMap(m.a, m.b, m.c, m.d, zLoad);
}

Complex outputImpedance(const Abcd& m, Complex zSource)
{
    return applyMap(m.d, m.b, m.c, m.a, zSource);
}

double partQ(const PartLoss& loss, double f)
{
    if (loss.qFrequency <= 0.0 || loss.qLaw == QLaw::Constant)
        return loss.q;
    const double ratio = f / loss.qFrequency;
    return loss.qLaw == QLaw::Sqrt ? loss.q * std::sqrt(ratio) : loss.q * ratio;
}

std::optional<ImpedanceRatio> partImpedance(const Element& e, double f)
{
    const double w = twoPiElement * f;
    const PartLoss& loss = e.loss;
    switch (e.kind) {
    case ElementKind::IS:
    case ElementKind::IP: {
        const double q = partQ(loss, f);
        // R = wL / Q; a Q of 0 is the ideal inductor.
        const Complex zl{q > 0.0 ? w * e.value / q : 0.0, w * e.value};
        if (loss.srf <= 0.0)
            return ImpedanceRatio{zl, 1.0};
        const double ws = twoPiElement * loss.srf;
        const double cp = 1.0 / (ws * ws * e.value);
        return ImpedanceRatio{zl, Complex{1.0} + Complex{0.0, w * cp} * zl};
    }
    case ElementKind::CS:
    case ElementKind::CP: {
        // (1 + jwC ESR - w^2 C ESL) / (jwC), written with den = wC.
        const double wc = w * e.value;
        const double q = partQ(loss, f);
        const double wcEsr = loss.esr > 0.0 ? wc * loss.esr : (q > 0.0 ? 1.0 / q : 0.0);
        return ImpedanceRatio{{wcEsr, w * wc * loss.esl - 1.0}, wc};
    }
    case ElementKind::RS:
    case ElementKind::RP:
        return ImpedanceRatio{e.value, 1.0};
    case ElementKind::RlcSeries: {
        const double wr = twoPiRlc * f;
        const double wc = wr * e.rlcC;
        return ImpedanceRatio{{wc * e.rlcR, wr * e.rlcL * wc - 1.0}, wc};
    }
    case ElementKind::RlcParallel: {
        const double wr = twoPiRlc * f;
        const double wl = wr * e.rlcL;
        // 1 / (1/R + j(wC - 1/(wL))) = R wL / (wL + jR(w^2 LC - 1))
        return ImpedanceRatio{e.rlcR * wl, {wl, e.rlcR * (wl * wr * e.rlcC - 1.0)}};
    }
    default:
        return std::nullopt;
    }
}

std::optional<Abcd> elementAbcd(const Element& e, double f, double f0)
{
    switch (e.kind) {
    case ElementKind::CS:
    case ElementKind::IS:
    case ElementKind::RS:
    case ElementKind::RlcParallel:
        return series(*partImpedance(e, f));
    case ElementKind::CP:
    case ElementKind::IP:
    case ElementKind::RP:
    case ElementKind::RlcSeries:
        return shunt(*partImpedance(e, f));
    case ElementKind::LS: {
        const Propagation p = propagation(e, f, f0);
        const double zc = e.lineImpedance;
        const Complex ch = coshOf(p.alpha, p.theta), sh = sinhOf(p.alpha, p.theta);
        return Abcd{ch, zc * sh, sh / zc, ch, 1.0};
    }
    case ElementKind::LPS: {
        // Input impedance Zc tanh(gamma l).
        const Propagation p = propagation(e, f, f0);
        const double zc = e.lineImpedance;
        return shunt({zc * sinhOf(p.alpha, p.theta), coshOf(p.alpha, p.theta)});
    }
    case ElementKind::LPO: {
        // Input impedance Zc / tanh(gamma l).
        const Propagation p = propagation(e, f, f0);
        const double zc = e.lineImpedance;
        return shunt({zc * coshOf(p.alpha, p.theta), sinhOf(p.alpha, p.theta)});
    }
    case ElementKind::TR:
        // n:1 towards the load: Zin = n^2 Z.
        return Abcd{e.value * e.value, 0.0, 0.0, 1.0, e.value};
    case ElementKind::Block: {
        if (!e.block)
            return std::nullopt;
        const std::optional<TwoPort> s = blockSParams(*e.block, f, e.reversed);
        if (!s)
            return std::nullopt;
        return abcdFromS(*s, e.block->z0);
    }
    case ElementKind::None:
        break;
    }
    return Abcd{};
}

bool chainDefinedAt(std::span<const Element> elements, double f)
{
    for (const Element& e : elements)
        if (e.kind == ElementKind::Block && (!e.block || !blockCovers(*e.block, f)))
            return false;
    return true;
}

std::optional<Abcd> chainAbcd(std::span<const Element> elements, double f, double f0)
{
    Abcd m;
    for (const Element& e : elements) {
        const std::optional<Abcd> step = elementAbcd(e, f, f0);
        if (!step)
            return std::nullopt;
        m = cascade(*step, m);
    }
    return m;
}

TwoPort sFromAbcd(const Abcd& m, double z0)
{
    // With the true matrix M / den: S21 = 2 den / delta, S12 = 2 det / (den delta).
    const Complex bz = m.b / z0, cz = m.c * z0;
    const Complex delta = m.a + bz + cz + m.d;
    const Complex det = m.a * m.d - m.b * m.c;
    return {divideGuarded(m.a + bz - cz - m.d, delta),
            divideGuarded(2.0 * det, m.den * delta), divideGuarded(2.0 * m.den, delta),
            divideGuarded(-m.a + bz - cz + m.d, delta)};
}

Abcd abcdFromS(const TwoPort& s, double z0)
{
    // The usual conversion, every term multiplied by 2 S21 (den).
    const Complex p = s.s12 * s.s21;
    const Complex one{1.0};
    Abcd m{(one + s.s11) * (one - s.s22) + p, z0 * ((one + s.s11) * (one + s.s22) - p),
           ((one - s.s11) * (one - s.s22) - p) / z0, (one - s.s11) * (one + s.s22) + p,
           2.0 * s.s21};
    scaleBack(m);
    return m;
}

double transducerGain(const Abcd& m, Complex zs, Complex zl)
{
    const Complex q = m.a * zl + m.b + m.c * zs * zl + m.d * zs;
    const double num = 4.0 * zs.re * zl.re * (m.den.re * m.den.re + m.den.im * m.den.im);
    const double den = q.re * q.re + q.im * q.im;
    return den > 0.0 ? num / den : 0.0;
}

double noiseFactor(double fMin, Complex gammaOpt, double rn, double z0, Complex gammaS)
{
    const Complex d = gammaS - gammaOpt;
    const Complex o = Complex{1.0} + gammaOpt;
    const double s2 = gammaS.re * gammaS.re + gammaS.im * gammaS.im;
    const double denom = (1.0 - s2) * (o.re * o.re + o.im * o.im);
    if (!(denom > 0.0))
        return DOUBLE_BIG;
    return fMin + 4.0 * (rn / z0) * (d.re * d.re + d.im * d.im) / denom;
}

} // namespace zelvo
