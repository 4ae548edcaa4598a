// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/ladder.h"

#include "core/chain.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

constexpr LadderPart lumpedParts[] = {LadderPart::SeriesL, LadderPart::SeriesC, LadderPart::ShuntL,
                                      LadderPart::ShuntC};
constexpr LadderPart allParts[] = {LadderPart::SeriesL, LadderPart::SeriesC,  LadderPart::ShuntL,
                                   LadderPart::ShuntC,  LadderPart::Line,     LadderPart::OpenStub,
                                   LadderPart::ShortStub};

bool isStub(LadderPart p)
{
    return p == LadderPart::OpenStub || p == LadderPart::ShortStub;
}

bool isShuntLumped(LadderPart p)
{
    return p == LadderPart::ShuntL || p == LadderPart::ShuntC;
}

// Whether a ladder of L and C stays canonical with its last element: the
// checks that involve it. A series branch is L, C or L then C; a shunt
// branch likewise; a third element of a branch merges with the others.
bool lumpedLastFits(const Topology& t)
{
    const std::size_t n = t.size();
    if (n < 2)
        return true;
    const LadderPart a = t[n - 2], b = t[n - 1];
    if (isSeriesLumped(a) && isSeriesLumped(b)) {
        if (a != LadderPart::SeriesL || b != LadderPart::SeriesC)
            return false;
        return n < 3 || !isSeriesLumped(t[n - 3]);
    }
    if (isShuntPart(a) && isShuntPart(b)) {
        if (a != LadderPart::ShuntL || b != LadderPart::ShuntC)
            return false;
        return n < 3 || !isShuntPart(t[n - 3]);
    }
    return true;
}

// With lines the branches are single elements, or the number of ladders
// would grow beyond any search: series and shunt elements alternate, a line
// may sit beside a series element but not beside another line.
bool mixedPairFits(LadderPart a, LadderPart b)
{
    if (a == LadderPart::Line && b == LadderPart::Line)
        return false;
    return !(isShuntPart(a) && isShuntPart(b)) && !(isSeriesLumped(a) && isSeriesLumped(b));
}

bool lastFits(const Topology& t, bool lines)
{
    if (lumpedLastFits(t))
        return true;
    return lines && mixedPairFits(t[t.size() - 2], t.back());
}

void extend(Topology& t, int n, bool lines, std::vector<Topology>& out)
{
    if (static_cast<int>(t.size()) == n) {
        if (isCanonical(t))
            out.push_back(t);
        return;
    }
    const std::span<const LadderPart> parts =
        lines ? std::span<const LadderPart>(allParts) : std::span<const LadderPart>(lumpedParts);
    for (LadderPart p : parts) {
        t.push_back(p);
        if (lastFits(t, lines))
            extend(t, n, lines, out);
        t.pop_back();
    }
}

// A line or stub at one frequency as the 2x2 map of the homogeneous state
// (n, d), and the map's derivatives by the element's values.
struct Map {
    Complex a{1.0}, b{0.0}, c{0.0}, d{1.0};
};

struct ElementMaps {
    Map m;
    Map dm[2];
};

// Each map is written without a division that could reach infinity: a stub
// a quarter wave long is an open or a short at its frequency, and the state
// carries that as a zero rather than as an infinite susceptance.
// `v` is the angle at fc of a line or stub, whose impedance is `zc`.
ElementMaps elementMaps(LadderPart part, double v, double zc, double ratio, bool derivatives)
{
    ElementMaps r;
    switch (part) {
    case LadderPart::SeriesL:
    case LadderPart::SeriesC:
    case LadderPart::ShuntL:
    case LadderPart::ShuntC:
        break; // run() applies L and C directly
    case LadderPart::Line: {
        const double theta = v * ratio;
        const double s = std::sin(theta), c = std::cos(theta);
        r.m = {c, {0.0, zc * s}, {0.0, s / zc}, c};
        if (derivatives) {
            r.dm[0] = {-s * ratio, {0.0, zc * c * ratio}, {0.0, c / zc * ratio}, -s * ratio};
            r.dm[1] = {0.0, {0.0, zc * s}, {0.0, -s / zc}, 0.0};
        }
        break;
    }
    case LadderPart::OpenStub: {
        // Y = j tan(theta) / zc, scaled by zc cos(theta).
        const double theta = v * ratio;
        const double s = std::sin(theta), c = std::cos(theta);
        r.m = {zc * c, 0.0, {0.0, s}, zc * c};
        if (derivatives) {
            r.dm[0] = {-zc * s * ratio, 0.0, {0.0, c * ratio}, -zc * s * ratio};
            r.dm[1] = {zc * c, 0.0, 0.0, zc * c};
        }
        break;
    }
    case LadderPart::ShortStub: {
        // Y = -j cot(theta) / zc, scaled by zc sin(theta).
        const double theta = v * ratio;
        const double s = std::sin(theta), c = std::cos(theta);
        r.m = {zc * s, 0.0, {0.0, -c}, zc * s};
        if (derivatives) {
            r.dm[0] = {zc * c * ratio, 0.0, {0.0, s * ratio}, zc * c * ratio};
            r.dm[1] = {zc * s, 0.0, 0.0, zc * s};
        }
        break;
    }
    }
    return r;
}

void apply(const Map& m, Complex& n, Complex& d)
{
    const Complex n2 = m.a * n + m.b * d;
    d = m.c * n + m.d * d;
    n = n2;
}

} // namespace

bool isSeriesLumped(LadderPart p)
{
    return p == LadderPart::SeriesL || p == LadderPart::SeriesC;
}

bool isShuntPart(LadderPart p)
{
    return isShuntLumped(p) || isStub(p);
}

bool isDistributed(LadderPart p)
{
    return p == LadderPart::Line || isStub(p);
}

int parameterCount(LadderPart p)
{
    return isDistributed(p) ? 2 : 1;
}

int parameterCount(const Topology& t)
{
    int n = 0;
    for (LadderPart p : t)
        n += parameterCount(p);
    return n;
}

std::vector<Topology> ladderTopologies(int n, bool lines)
{
    std::vector<Topology> out;
    if (n <= 0)
        return out;
    Topology t;
    t.reserve(static_cast<std::size_t>(n));
    extend(t, n, lines, out);
    return out;
}

bool isCanonical(const Topology& t)
{
    if (std::any_of(t.begin(), t.end(), isDistributed)) {
        for (std::size_t i = 1; i < t.size(); ++i)
            if (!mixedPairFits(t[i - 1], t[i]))
                return false;
        return true;
    }
    Topology head;
    for (LadderPart p : t) {
        head.push_back(p);
        if (!lumpedLastFits(head))
            return false;
    }
    return true;
}

LadderEvaluator::LadderEvaluator(const LadderBand& band) : band_(band)
{
    const std::size_t k = std::min({band.frequencies.size(), band.loads.size(), band.weights.size()});
    const double rs = band.source;
    for (std::size_t i = 0; i < k; ++i) {
        ratio_.push_back(band.frequencies[i] / band.centre);
        inverse_.push_back(band.centre / band.frequencies[i]);
        load_.push_back(band.loads[i] * (1.0 / rs));
        weight2_.push_back(band.weights[i] * band.weights[i]);
    }
    n_.resize(k);
    d_.resize(k);
}

void LadderEvaluator::run(const Topology& t, std::span<const double> x, bool derivatives) const
{
    const std::size_t k = ratio_.size();
    const std::size_t params = static_cast<std::size_t>(parameterCount(t));
    std::copy(load_.begin(), load_.end(), n_.begin());
    std::fill(d_.begin(), d_.end(), Complex{1.0});
    if (derivatives) {
        dn_.assign(params * k, Complex{});
        dd_.assign(params * k, Complex{});
    }
    std::size_t p = 0; // the element's first value
    for (const LadderPart part : t) {
        const int own = parameterCount(part);
        if (!isDistributed(part)) {
            // L and C, the inner loop of every search: n += jX d in series,
            // d += jB n in shunt, without the general map's products. The
            // value's derivative of X or B is X or B itself.
            const double v = std::exp(x[p]);
            const bool series = isSeriesLumped(part);
            const bool grows = part == LadderPart::SeriesL || part == LadderPart::ShuntC;
            for (std::size_t i = 0; i < k; ++i) {
                const double b = grows ? v * ratio_[i] : -v * inverse_[i];
                // Series: the pair (n, d) is (to, from); shunt: (from, to).
                Complex& to = series ? n_[i] : d_[i];
                const Complex from = series ? d_[i] : n_[i];
                if (derivatives) {
                    for (std::size_t j = 0; j < p; ++j) {
                        Complex& dto = series ? dn_[j * k + i] : dd_[j * k + i];
                        const Complex dfrom = series ? dd_[j * k + i] : dn_[j * k + i];
                        dto = dto + Complex{-b * dfrom.im, b * dfrom.re};
                    }
                    (series ? dn_[p * k + i] : dd_[p * k + i]) = {-b * from.im, b * from.re};
                }
                to = to + Complex{-b * from.im, b * from.re};
            }
        } else {
            const double v = x[p];
            const double zc = std::exp(x[p + 1]);
            for (std::size_t i = 0; i < k; ++i) {
                const ElementMaps m = elementMaps(part, v, zc, ratio_[i], derivatives);
                if (derivatives) {
                    // The earlier values' derivatives pass through this element;
                    // its own ones are its map's derivatives applied to the state.
                    for (std::size_t j = 0; j < p; ++j)
                        apply(m.m, dn_[j * k + i], dd_[j * k + i]);
                    for (int j = 0; j < own; ++j) {
                        Complex n = n_[i], d = d_[i];
                        apply(m.dm[j], n, d);
                        dn_[(p + static_cast<std::size_t>(j)) * k + i] = n;
                        dd_[(p + static_cast<std::size_t>(j)) * k + i] = d;
                    }
                }
                apply(m.m, n_[i], d_[i]);
            }
        }
        p += static_cast<std::size_t>(own);
    }
}

double LadderEvaluator::worst(const Topology& t, std::span<const double> x) const
{
    run(t, x, false);
    double worst2 = 0.0;
    for (std::size_t i = 0; i < ratio_.size(); ++i) {
        const Complex p = n_[i] - d_[i], q = n_[i] + d_[i];
        const double qq = q.re * q.re + q.im * q.im;
        const double pp = p.re * p.re + p.im * p.im;
        // A vanishing denominator is a degenerate ladder (a loop of shorts
        // and opens): total reflection.
        const double g2 = qq > 0.0 ? pp / qq : 1.0;
        worst2 = std::max(worst2, weight2_[i] * g2);
    }
    return std::sqrt(worst2);
}

std::vector<double> LadderEvaluator::reflections(const Topology& t, std::span<const double> x) const
{
    run(t, x, false);
    std::vector<double> out(ratio_.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        const Complex p = n_[i] - d_[i], q = n_[i] + d_[i];
        out[i] = magnitude(q) > 0.0 ? magnitude(p) / magnitude(q) : 1.0;
    }
    return out;
}

double LadderEvaluator::squaredWithGradient(const Topology& t, std::span<const double> x,
                                            std::span<double> squared,
                                            std::span<double> gradient) const
{
    run(t, x, true);
    const std::size_t k = ratio_.size();
    const std::size_t params = static_cast<std::size_t>(parameterCount(t));
    double worst2 = 0.0;
    for (std::size_t i = 0; i < k; ++i) {
        const Complex n = n_[i], d = d_[i];
        const Complex p = n - d, q = n + d;
        const double qq = q.re * q.re + q.im * q.im;
        if (!(qq > 0.0)) {
            squared[i] = weight2_[i];
            for (std::size_t j = 0; j < params; ++j)
                gradient[i * params + j] = 0.0;
            worst2 = std::max(worst2, squared[i]);
            continue;
        }
        const Complex gamma = p * q.conjugate() * (1.0 / qq);
        // Gamma = (n - d) / (n + d): dGamma = 2 (d dn - n dd) / q^2, and
        // d|Gamma|^2 = 2 Re(conj(Gamma) dGamma).
        const Complex q2 = q * q;
        const Complex scale = Complex{2.0} * gamma.conjugate() * q2.conjugate() *
                              (1.0 / (q2.re * q2.re + q2.im * q2.im));
        squared[i] = weight2_[i] * (gamma.re * gamma.re + gamma.im * gamma.im);
        for (std::size_t j = 0; j < params; ++j) {
            const Complex dGamma = d * dn_[j * k + i] - n * dd_[j * k + i];
            gradient[i * params + j] = weight2_[i] * 2.0 * (scale * dGamma).re;
        }
        worst2 = std::max(worst2, squared[i]);
    }
    return worst2;
}

std::vector<Element> ladderElements(const Topology& t, std::span<const double> x, double source,
                                    double centre, double f0, float er)
{
    std::vector<Element> out;
    const double omega = twoPiElement * centre;
    std::size_t p = 0;
    for (const LadderPart part : t) {
        Element e;
        const double v = std::exp(x[p]);
        switch (part) {
        case LadderPart::SeriesL:
            e.kind = ElementKind::IS;
            e.value = v * source / omega;
            break;
        case LadderPart::SeriesC:
            e.kind = ElementKind::CS;
            e.value = 1.0 / (omega * v * source);
            break;
        case LadderPart::ShuntL:
            e.kind = ElementKind::IP;
            e.value = source / (omega * v);
            break;
        case LadderPart::ShuntC:
            e.kind = ElementKind::CP;
            e.value = v / (omega * source);
            break;
        case LadderPart::Line:
        case LadderPart::OpenStub:
        case LadderPart::ShortStub:
            e.kind = part == LadderPart::Line       ? ElementKind::LS
                     : part == LadderPart::OpenStub ? ElementKind::LPO
                                                    : ElementKind::LPS;
            // The angle is at fc; the chain's length is in wavelengths at f0.
            e.value = x[p] / twoPiElement * (f0 / centre);
            e.lineImpedance = toFloatSaturated(source * std::exp(x[p + 1]));
            e.lineEr = er;
            break;
        }
        out.push_back(e);
        p += static_cast<std::size_t>(parameterCount(part));
    }
    return out;
}

std::optional<LumpedValue> lumpedValue(const Element& e, double source, double centre)
{
    const double omega = twoPiElement * centre;
    if (!(e.value > 0.0) || !std::isfinite(e.value))
        return std::nullopt;
    switch (e.kind) {
    case ElementKind::IS:
        return LumpedValue{LadderPart::SeriesL, std::log(omega * e.value / source)};
    case ElementKind::CS:
        return LumpedValue{LadderPart::SeriesC, std::log(1.0 / (omega * e.value * source))};
    case ElementKind::IP:
        return LumpedValue{LadderPart::ShuntL, std::log(source / (omega * e.value))};
    case ElementKind::CP:
        return LumpedValue{LadderPart::ShuntC, std::log(omega * e.value * source)};
    default:
        return std::nullopt;
    }
}

} // namespace zelvo
