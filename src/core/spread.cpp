// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/spread.h"

#include "core/chain.h"
#include "core/synthesis.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

// A part whose value is multiplied by k: its impedance F + S m with m = k
// (L, R) or 1 / k (C), when that holds at every load. Three probes decide:
// the form is fitted through k = 1 and 2 and must give k = 1/2 too.
bool linearInFactor(const Element& e, double f, bool inverse, Complex& fixed, Complex& scaled)
{
    const auto z = [&](double k) -> std::optional<Complex> {
        Element copy = e;
        copy.block.reset();
        copy.value = e.value * k;
        const std::optional<ImpedanceRatio> r = partImpedance(copy, f);
        if (!r || (r->den.re == 0.0 && r->den.im == 0.0))
            return std::nullopt;
        const Complex v = r->num / r->den;
        if (!std::isfinite(v.re) || !std::isfinite(v.im))
            return std::nullopt;
        return v;
    };
    const std::optional<Complex> z1 = z(1.0), z2 = z(2.0), zHalf = z(0.5);
    if (!z1 || !z2 || !zHalf)
        return false;
    const double m2 = inverse ? 0.5 : 2.0, mHalf = inverse ? 2.0 : 0.5;
    // An ideal part is its own impedance times m, exactly.
    if (isIdeal(e.loss)) {
        fixed = {};
        scaled = *z1;
    }
    else {
        scaled = (*z2 - *z1) / (m2 - 1.0);
        fixed = *z1 - scaled;
    }
    const Complex miss = fixed + scaled * mHalf - *zHalf;
    const double size = magnitude(*z1) + magnitude(*zHalf);
    return magnitude(miss) <= 1e-9 * size && std::isfinite(scaled.re) && std::isfinite(scaled.im);
}

double clampFinite(double v)
{
    if (std::isnan(v))
        return DOUBLE_BIG;
    return std::clamp(v, -DOUBLE_BIG, DOUBLE_BIG);
}

Complex clampFinite(Complex z)
{
    return {clampFinite(z.re), clampFinite(z.im)};
}

// |mismatch|^2, written out for the common case; overflowing or undefined
// ends count as a total mismatch.
double mismatch2(double zr, double zi, Complex t)
{
    if (!std::isfinite(zr) || !std::isfinite(zi))
        return 1.0;
    const double nr = zr - t.re, ni = zi - t.im;
    const double dr = zr + t.re, di = zi - t.im;
    constexpr double large = 1e150;
    if (std::abs(dr) < large && std::abs(di) < large && std::abs(nr) < large &&
        std::abs(ni) < large) {
        const double den = dr * dr + di * di;
        return den > 0.0 ? std::min(1.0, (nr * nr + ni * ni) / den) : 1.0;
    }
    const double g = magnitude(mismatch({zr, zi}, t));
    return std::isfinite(g) ? std::min(1.0, g * g) : 1.0;
}

std::uint64_t splitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// Uniform in [0, 1) with 53 random bits: the same on every platform, which
// the standard library's distributions do not promise.
double unit(std::uint64_t& state)
{
    return static_cast<double>(splitMix(state) >> 11) * 0x1.0p-53;
}

} // namespace

ChainSpread::ChainSpread(std::span<const Element> elements, std::span<const SpreadLoad> loads,
                         double f0)
    : elements_(elements.begin(), elements.end()), loads_(loads.begin(), loads.end()), f0_(f0)
{
    for (int i = 0; i < elementCount(); ++i) {
        const Element& e = elements_[static_cast<std::size_t>(i)];
        Step step;
        step.element = i;
        if (hasTolerance(e.kind)) {
            step.inverse = isCapacitor(e.kind);
            step.kind = isSeries(e.kind) ? StepKind::Series : StepKind::Shunt;
            for (const SpreadLoad& l : loads_) {
                Complex fixed, scaled;
                if (!linearInFactor(e, l.f, step.inverse, fixed, scaled)) {
                    step.kind = StepKind::General;
                    step.fixed.clear();
                    step.scaled.clear();
                    break;
                }
                step.fixed.push_back(fixed);
                step.scaled.push_back(scaled);
            }
        }
        else if (e.kind == ElementKind::Block || isLossy(e)) {
            // As transformElement takes them: through the chain matrix, which
            // is worth computing once per load.
            step.kind = StepKind::Matrix;
            for (const SpreadLoad& l : loads_)
                step.matrix.push_back(elementAbcd(e, l.f, f0_).value_or(Abcd{}));
        }
        else {
            // Ideal lines, transformers and RLC groups: their own formulas,
            // as cheap as a matrix and the same as the chain's to the bit.
            step.kind = StepKind::General;
        }
        steps_.push_back(std::move(step));
    }
}

bool ChainSpread::varies(int i) const
{
    return i >= 0 && i < elementCount() && hasTolerance(elements_[static_cast<std::size_t>(i)].kind);
}

void ChainSpread::evaluate(std::span<const double> factors, int count, Complex target, Output& out,
                           bool keepEnds, bool keepLoadRange) const
{
    const std::size_t n = static_cast<std::size_t>(std::max(count, 0));
    const std::size_t loads = loads_.size();
    out.worstGamma2.assign(n, 0.0);
    out.ends.assign(keepEnds ? n * loads : 0, Complex{});
    out.loadMin.assign(keepLoadRange ? loads : 0, 1.0);
    out.loadMax.assign(keepLoadRange ? loads : 0, 0.0);
    if (n == 0 || factors.size() < n * elements_.size())
        return;

    // m per sample for each varying step: the factor, or its inverse.
    std::vector<std::vector<double>> m(steps_.size());
    for (std::size_t k = 0; k < steps_.size(); ++k) {
        const Step& step = steps_[k];
        if (step.kind == StepKind::Matrix || !varies(step.element))
            continue;
        const double* f = factors.data() + static_cast<std::size_t>(step.element) * n;
        m[k].resize(n);
        for (std::size_t s = 0; s < n; ++s)
            m[k][s] = step.inverse && step.kind != StepKind::General ? 1.0 / f[s] : f[s];
    }

    std::vector<double> zr(n), zi(n), g2(n);
    for (std::size_t l = 0; l < loads; ++l) {
        const SpreadLoad& load = loads_[l];
        std::fill(zr.begin(), zr.end(), load.z.re);
        std::fill(zi.begin(), zi.end(), load.z.im);
        for (std::size_t k = 0; k < steps_.size(); ++k) {
            const Step& step = steps_[k];
            const Element& e = elements_[static_cast<std::size_t>(step.element)];
            switch (step.kind) {
            case StepKind::Series: {
                const Complex fx = step.fixed[l], sc = step.scaled[l];
                const double* mk = m[k].data();
                for (std::size_t s = 0; s < n; ++s) {
                    zr[s] += fx.re + sc.re * mk[s];
                    zi[s] += fx.im + sc.im * mk[s];
                }
                break;
            }
            case StepKind::Shunt: {
                const Complex fx = step.fixed[l], sc = step.scaled[l];
                const double* mk = m[k].data();
                for (std::size_t s = 0; s < n; ++s) {
                    // z Zp / (z + Zp)
                    const double pr = fx.re + sc.re * mk[s], pi = fx.im + sc.im * mk[s];
                    const double ar = zr[s], ai = zi[s];
                    const double dr = ar + pr, di = ai + pi;
                    const double nr = ar * pr - ai * pi, ni = ar * pi + ai * pr;
                    const double den = dr * dr + di * di;
                    // A resonance of the two is an open.
                    zr[s] = den > 0.0 ? (nr * dr + ni * di) / den : DOUBLE_BIG;
                    zi[s] = den > 0.0 ? (ni * dr - nr * di) / den : 0.0;
                }
                break;
            }
            case StepKind::Matrix: {
                const Abcd& mx = step.matrix[l];
                for (std::size_t s = 0; s < n; ++s) {
                    const Complex z = clampFinite(inputImpedance(mx, clampFinite({zr[s], zi[s]})));
                    zr[s] = z.re;
                    zi[s] = z.im;
                }
                break;
            }
            case StepKind::General: {
                Element copy = e;
                for (std::size_t s = 0; s < n; ++s) {
                    if (!m[k].empty())
                        copy.value = e.value * m[k][s];
                    const Complex z = transformElement(copy, {zr[s], zi[s]}, load.f, f0_);
                    zr[s] = z.re;
                    zi[s] = z.im;
                }
                break;
            }
            }
        }
        for (std::size_t s = 0; s < n; ++s)
            g2[s] = mismatch2(zr[s], zi[s], target);
        for (std::size_t s = 0; s < n; ++s)
            out.worstGamma2[s] = std::max(out.worstGamma2[s], g2[s]);
        if (keepLoadRange) {
            const auto [lo, hi] = std::minmax_element(g2.begin(), g2.end());
            out.loadMin[l] = *lo;
            out.loadMax[l] = *hi;
        }
        if (keepEnds)
            for (std::size_t s = 0; s < n; ++s)
                out.ends[l * n + s] = {zr[s], zi[s]};
    }
}

void drawFactors(std::uint64_t seed, int stream, double tolerance, SpreadLaw law,
                 std::span<double> out)
{
    std::uint64_t state = seed ^ (0x632be59bd9b4e019ULL * static_cast<std::uint64_t>(stream + 1));
    splitMix(state);
    const double t = std::isfinite(tolerance) ? std::clamp(tolerance, 0.0, 0.99) : 0.0;
    for (double& f : out) {
        if (t == 0.0) {
            f = 1.0;
            continue;
        }
        if (law == SpreadLaw::Uniform) {
            f = 1.0 + t * (2.0 * unit(state) - 1.0);
            continue;
        }
        double g = 0.0;
        do {
            // Box-Muller; 1 - u keeps the logarithm's argument above 0.
            const double u1 = 1.0 - unit(state), u2 = unit(state);
            g = std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
        } while (std::abs(g) > 3.0);
        f = 1.0 + t * g / 3.0;
    }
}

} // namespace zelvo
