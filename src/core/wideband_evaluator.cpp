// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/wideband_evaluator.h"

#include "core/abcd.h"
#include "core/chain.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

// Scales a homogeneous pair back towards 1; the ratio is what counts.
template <typename... C> void normalise(C&... parts)
{
    const double m = (... + (std::abs(parts.re) + std::abs(parts.im)));
    if (m > 0.0 && std::isfinite(m)) {
        const double s = 1.0 / m;
        ((parts *= s), ...);
    }
}

} // namespace

WidebandEvaluator::Mobius WidebandEvaluator::elementMap(const Element& e, double f, double f0)
{
    // A real part or a block: its chain matrix (identity where a block has
    // no value; such points are not the optimiser's).
    if (e.kind == ElementKind::Block || isLossy(e)) {
        const Abcd m = elementAbcd(e, f, f0).value_or(Abcd{});
        return {m.a, m.b, m.c, m.d};
    }
    // Each map is written scaled so that no value needs a division: the
    // factor cancels in (a z + b) / (c z + d).
    const double omega = twoPiElement * f;
    const double zc = e.lineImpedance;
    const double theta = twoPiElement * e.value * (f == f0 ? 1.0 : f / f0);
    const auto series = [](Complex num, Complex den) { return Mobius{den, num, 0.0, den}; };
    const auto shunt = [](Complex num, Complex den) { return Mobius{den, 0.0, num, den}; };
    switch (e.kind) {
    case ElementKind::CS:
        return series({0.0, -1.0}, omega * e.value);
    case ElementKind::IS:
        return series({0.0, omega * e.value}, 1.0);
    case ElementKind::RS:
        return series(e.value, 1.0);
    case ElementKind::CP:
        return shunt({0.0, omega * e.value}, 1.0);
    case ElementKind::IP:
        return shunt({0.0, -1.0}, omega * e.value);
    case ElementKind::RP:
        return shunt(1.0, e.value);
    case ElementKind::LPS:
        return shunt({0.0, -std::cos(theta)}, zc * std::sin(theta));
    case ElementKind::LPO:
        return shunt({0.0, std::sin(theta)}, zc * std::cos(theta));
    case ElementKind::LS: {
        const double c = std::cos(theta), s = std::sin(theta);
        return {c, {0.0, zc * s}, {0.0, s / zc}, c};
    }
    case ElementKind::TR:
        return {e.value * e.value, 0.0, 0.0, 1.0};
    case ElementKind::RlcSeries: {
        const double w = twoPiRlc * f;
        const Complex zg{e.rlcR, w * e.rlcL - 1.0 / (w * e.rlcC)};
        return shunt(1.0, zg);
    }
    case ElementKind::RlcParallel: {
        const double w = twoPiRlc * f;
        // 1 / (1/R + jB) = R / (1 + jBR)
        const double b = w * e.rlcC - 1.0 / (w * e.rlcL);
        return series(e.rlcR, {1.0, b * e.rlcR});
    }
    case ElementKind::Block: // above
    case ElementKind::None:
        break;
    }
    return {};
}

WidebandEvaluator::Mobius WidebandEvaluator::compose(const Mobius& inner, const Mobius& outer)
{
    Mobius r{outer.a * inner.a + outer.b * inner.c, outer.a * inner.b + outer.b * inner.d,
             outer.c * inner.a + outer.d * inner.c, outer.c * inner.b + outer.d * inner.d};
    normalise(r.a, r.b, r.c, r.d);
    return r;
}

WidebandEvaluator::WidebandEvaluator(std::span<const Element> elements,
                                     std::span<const DataPoint> points, double f0,
                                     std::vector<TuneVariable> variables)
    : points_(points.begin(), points.end()), f0_(f0)
{
    const int n = static_cast<int>(elements.size());
    // Kept in chain order; callerOrder_ maps each back to its value's place.
    // Variables outside the chain are ignored.
    for (std::size_t i = 0; i < variables.size(); ++i)
        if (variables[i].index >= 0 && variables[i].index < n)
            callerOrder_.push_back(i);
    std::stable_sort(callerOrder_.begin(), callerOrder_.end(), [&](std::size_t a, std::size_t b) {
        return variables[a].index < variables[b].index;
    });
    for (std::size_t i : callerOrder_)
        variables_.push_back(variables[i]);
    for (const TuneVariable& v : variables_)
        variableElements_.push_back(elements[static_cast<std::size_t>(v.index)]);
    for (std::size_t i = 0; i < variables_.size(); ++i)
        lastValues_.push_back(partValue(variableElements_[i], variables_[i].part));

    const std::size_t used = 2 * variables_.size() + 1;
    while (leaves_ < used) {
        leaves_ *= 2;
        ++depth_;
    }
    tree_.resize(points_.size() * 2 * leaves_);
    // The runs between the variables, multiplied out once; the variables'
    // leaves are filled by the first evaluation.
    for (std::size_t p = 0; p < points_.size(); ++p) {
        Mobius* leaf = treeOf(p) + leaves_;
        std::size_t run = 0;
        Mobius m;
        for (int i = 0; i <= n; ++i) {
            const bool boundary = run < variables_.size() && variables_[run].index == i;
            if (i == n || boundary) {
                leaf[2 * run] = m;
                m = {};
                ++run;
                if (i == n)
                    break;
                continue;
            }
            m = compose(m, elementMap(elements[static_cast<std::size_t>(i)], points_[p].f, f0));
        }
    }
}

void WidebandEvaluator::setVariable(std::size_t i, double value)
{
    Element e = variableElements_[i];
    setPartValue(e, variables_[i].part, value);
    for (std::size_t p = 0; p < points_.size(); ++p)
        treeOf(p)[leaves_ + 2 * i + 1] = elementMap(e, points_[p].f, f0_);
    lastValues_[i] = value;
}

double WidebandEvaluator::worstMismatch(std::span<const double> values, Complex target)
{
    changed_.clear();
    for (std::size_t i = 0; i < variables_.size(); ++i) {
        const std::size_t from = callerOrder_[i];
        const double v = from < values.size() ? values[from] : lastValues_[i];
        if (!built_ || v != lastValues_[i]) {
            setVariable(i, v);
            changed_.push_back(i);
        }
    }
    // Short chains of leaves are applied to the load directly. Otherwise the
    // tree: a few changed leaves redo their paths to the root, many redo
    // every node once.
    const std::size_t used = 2 * variables_.size() + 1;
    const bool direct = used <= 2 * changed_.size() * depth_ + 1;
    const bool whole = !nodesValid_ || changed_.size() * depth_ > leaves_;
    for (std::size_t p = 0; p < points_.size() && !direct; ++p) {
        Mobius* t = treeOf(p);
        if (whole) {
            for (std::size_t j = leaves_ - 1; j >= 1; --j)
                t[j] = compose(t[2 * j], t[2 * j + 1]);
            continue;
        }
        for (std::size_t i : changed_)
            for (std::size_t j = (leaves_ + 2 * i + 1) / 2; j >= 1; j /= 2)
                t[j] = compose(t[2 * j], t[2 * j + 1]);
    }
    built_ = true;
    nodesValid_ = !direct;

    double worst = 0.0;
    for (std::size_t p = 0; p < points_.size(); ++p) {
        Complex num{points_[p].r, points_[p].x}, den{1.0};
        const Mobius* t = treeOf(p);
        for (std::size_t k = direct ? leaves_ : 1; k < (direct ? leaves_ + used : 2); ++k) {
            const Mobius& m = t[k];
            const Complex n2 = m.a * num + m.b * den;
            den = m.c * num + m.d * den;
            num = n2;
            // Every leaf is scaled back; a few in a row stay far from overflow.
            if (k % 8 == 7)
                normalise(num, den);
        }
        // (z - t) / (z + conj t) with z = num / den.
        const double g = ratioMagnitude(num - target * den, num + target.conjugate() * den);
        worst = std::max(worst, std::isnan(g) ? 1.0 : g);
    }
    return worst;
}

} // namespace zelvo
