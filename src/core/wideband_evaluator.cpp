#include "core/wideband_evaluator.h"

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
    case ElementKind::None:
        break;
    }
    return {};
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

    const std::size_t runs = variables_.size() + 1;
    runs_.resize(points_.size() * runs);
    for (std::size_t p = 0; p < points_.size(); ++p) {
        std::size_t run = 0;
        Mobius m;
        for (int i = 0; i <= n; ++i) {
            const bool boundary = run < variables_.size() && variables_[run].index == i;
            if (i == n || boundary) {
                runs_[p * runs + run] = m;
                m = {};
                ++run;
                if (i == n)
                    break;
                continue;
            }
            const Mobius e = elementMap(elements[static_cast<std::size_t>(i)], points_[p].f, f0);
            Mobius r{e.a * m.a + e.b * m.c, e.a * m.b + e.b * m.d, e.c * m.a + e.d * m.c,
                     e.c * m.b + e.d * m.d};
            normalise(r.a, r.b, r.c, r.d);
            m = r;
        }
    }
}

double WidebandEvaluator::worstMismatch(std::span<const double> values, Complex target) const
{
    std::vector<Element> elements = variableElements_;
    for (std::size_t i = 0; i < elements.size() && i < callerOrder_.size(); ++i) {
        const std::size_t from = callerOrder_[i];
        if (from < values.size())
            setPartValue(elements[i], variables_[i].part, values[from]);
    }
    const std::size_t runs = variables_.size() + 1;
    double worst = 0.0;
    for (std::size_t p = 0; p < points_.size(); ++p) {
        const double f = points_[p].f;
        Complex num{points_[p].r, points_[p].x}, den{1.0};
        const Mobius* run = &runs_[p * runs];
        for (std::size_t r = 0; r < runs; ++r) {
            const Mobius& m = run[r];
            Complex n2 = m.a * num + m.b * den, d2 = m.c * num + m.d * den;
            if (r < elements.size()) {
                const Mobius e = elementMap(elements[r], f, f0_);
                const Complex n3 = e.a * n2 + e.b * d2;
                d2 = e.c * n2 + e.d * d2;
                n2 = n3;
            }
            num = n2;
            den = d2;
            // The runs are normalised; a few unscaled element maps in a row
            // stay far from overflow.
            if (r % 8 == 7)
                normalise(num, den);
        }
        // (z - t) / (z + conj t) with z = num / den.
        const double g = ratioMagnitude(num - target * den, num + target.conjugate() * den);
        worst = std::max(worst, std::isnan(g) ? 1.0 : g);
    }
    return worst;
}

} // namespace zelvo
