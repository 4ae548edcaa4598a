// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/bode_fano.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvo {

namespace {

constexpr double pi = std::numbers::pi;

bool isParallel(FanoModel m)
{
    return m == FanoModel::ParallelRC || m == FanoModel::ParallelRL || m == FanoModel::ParallelRLC;
}

bool hasL(FanoModel m)
{
    return m != FanoModel::ParallelRC && m != FanoModel::SeriesRC;
}

bool hasC(FanoModel m)
{
    return m != FanoModel::SeriesRL && m != FanoModel::ParallelRL;
}

// The model's impedance at angular frequency w.
Complex modelImpedance(const LoadFit& f, double w)
{
    if (isParallel(f.model)) {
        double b = 0.0;
        if (hasC(f.model))
            b += w * f.c;
        if (hasL(f.model))
            b -= 1.0 / (w * f.l);
        return 1.0 / Complex{1.0 / f.r, b};
    }
    double x = 0.0;
    if (hasL(f.model))
        x += w * f.l;
    if (hasC(f.model))
        x -= 1.0 / (w * f.c);
    return {f.r, x};
}

Complex gammaOf(Complex z, double source)
{
    return divideGuarded(z - source, z + source);
}

// The model's part values in a common form: the real part (R, or G for the
// parallel models) and the imaginary part as a u + b / u with u = w / wc.
struct LinearFit {
    double real = 0.0, a = 0.0, b = 0.0;
    bool ok = false;
};

// Value and slope (by u) of samples v(u) at u = 1: the value interpolated
// linearly (exact where a sample sits at the centre), the slope that of a
// least-squares parabola through the samples near the centre (a tenth of
// the band each side, at least five), which smooths a measurement's noise.
struct Local {
    Complex value, slope;
    bool ok = false;
};

Local localFit(std::span<const double> u, std::span<const Complex> v)
{
    Local out;
    const std::size_t n = u.size();
    if (n < 2)
        return out;
    std::size_t below = n, above = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (u[i] <= 1.0 && (below == n || u[i] > u[below]))
            below = i;
        if (u[i] >= 1.0 && (above == n || u[i] < u[above]))
            above = i;
    }
    if (below == n || above == n)
        return out;
    out.value = u[above] == u[below]
                    ? v[below]
                    : v[below] + (v[above] - v[below]) * ((1.0 - u[below]) / (u[above] - u[below]));
    const auto [lo, hi] = std::minmax_element(u.begin(), u.end());
    const double reach = 0.1 * (*hi - *lo);
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t i, std::size_t j) { return std::abs(u[i] - 1.0) < std::abs(u[j] - 1.0); });
    std::size_t used = 0;
    while (used < n && (used < 5 || std::abs(u[order[used]] - 1.0) <= reach))
        ++used;
    // Normal equations of v = c0 + c1 t + c2 t^2, t = u - 1, scaled by the
    // spread so that they stay well conditioned; a line through two points.
    const int terms = used >= 3 ? 3 : 2;
    double spread = 0.0;
    for (std::size_t i = 0; i < used; ++i)
        spread = std::max(spread, std::abs(u[order[i]] - 1.0));
    if (!(spread > 0.0))
        return out;
    double m[3][3] = {};
    Complex r[3];
    for (std::size_t i = 0; i < used; ++i) {
        const double t = (u[order[i]] - 1.0) / spread;
        const double p[3] = {1.0, t, t * t};
        for (int j = 0; j < terms; ++j) {
            for (int k = 0; k < terms; ++k)
                m[j][k] += p[j] * p[k];
            r[j] = r[j] + p[j] * v[order[i]];
        }
    }
    // Gaussian elimination without pivoting: the matrix is positive definite.
    for (int j = 0; j < terms; ++j) {
        if (!(std::abs(m[j][j]) > 0.0))
            return out;
        for (int k = j + 1; k < terms; ++k) {
            const double f = m[k][j] / m[j][j];
            for (int l = j; l < terms; ++l)
                m[k][l] -= f * m[j][l];
            r[k] = r[k] - f * r[j];
        }
    }
    Complex c[3];
    for (int j = terms - 1; j >= 0; --j) {
        Complex sum = r[j];
        for (int k = j + 1; k < terms; ++k)
            sum = sum - m[j][k] * c[k];
        c[j] = sum * (1.0 / m[j][j]);
    }
    out.slope = c[1] * (1.0 / spread);
    out.ok = std::isfinite(out.value.re) && std::isfinite(out.value.im) &&
             std::isfinite(out.slope.re) && std::isfinite(out.slope.im);
    return out;
}

// The two-part models take the value at the centre; the resonant ones its
// value and slope (X = a u + b / u: X(1) = a + b, X'(1) = a - b).
LinearFit fitParts(const Local& local, bool useA, bool useB)
{
    LinearFit f;
    f.real = local.value.re;
    const double v = local.value.im, s = local.slope.im;
    if (useA && useB) {
        f.a = 0.5 * (v + s);
        f.b = 0.5 * (v - s);
    } else if (useA) {
        f.a = v;
    } else {
        f.b = v;
    }
    f.ok = local.ok;
    return f;
}

// The model's parts from the fitted terms; nullopt unless all are positive.
std::optional<LoadFit> modelOf(FanoModel m, const LinearFit& fit, double wc)
{
    if (!fit.ok || !(fit.real > 0.0))
        return std::nullopt;
    LoadFit f;
    f.model = m;
    // Series: X = a u + b / u with a = wc L, b = -1 / (wc C). Parallel:
    // B = a u + b / u with a = wc C, b = -1 / (wc L).
    const bool parallel = isParallel(m);
    f.r = parallel ? 1.0 / fit.real : fit.real;
    if (hasL(m)) {
        const double t = parallel ? -fit.b : fit.a;
        if (!(t > 0.0))
            return std::nullopt;
        f.l = parallel ? 1.0 / (wc * t) : t / wc;
    }
    if (hasC(m)) {
        const double t = parallel ? fit.a : -fit.b;
        if (!(t > 0.0))
            return std::nullopt;
        f.c = parallel ? t / wc : 1.0 / (wc * t);
    }
    if (!std::isfinite(f.r) || !std::isfinite(f.l) || !std::isfinite(f.c))
        return std::nullopt;
    return f;
}

// Simpler models come first: a later one must fit clearly better to win.
constexpr FanoModel modelOrder[] = {FanoModel::ParallelRC, FanoModel::SeriesRL,
                                    FanoModel::SeriesRC,   FanoModel::ParallelRL,
                                    FanoModel::SeriesRLC,  FanoModel::ParallelRLC};

} // namespace

const char* fanoModelName(FanoModel m)
{
    switch (m) {
    case FanoModel::ParallelRC:
        return "parallel RC";
    case FanoModel::SeriesRL:
        return "series RL";
    case FanoModel::SeriesRC:
        return "series RC";
    case FanoModel::ParallelRL:
        return "parallel RL";
    case FanoModel::SeriesRLC:
        return "series RLC";
    case FanoModel::ParallelRLC:
        return "parallel RLC";
    }
    return "";
}

double fanoBound(FanoModel m, double r, double l, double c, double f1, double f2)
{
    const double dw = 2.0 * pi * (f2 - f1);
    const double w1w2 = 4.0 * pi * pi * f1 * f2;
    // The bound of a zero of transmission at infinity (shunt C, series L)
    // and at zero frequency (series C, shunt L).
    const double atInfinity = isParallel(m) ? pi / (dw * r * c) : pi * r / (dw * l);
    const double atZero = isParallel(m) ? pi * l * w1w2 / (r * dw) : pi * r * c * w1w2 / dw;
    switch (m) {
    case FanoModel::ParallelRC:
    case FanoModel::SeriesRL:
        return atInfinity;
    case FanoModel::SeriesRC:
    case FanoModel::ParallelRL:
        return atZero;
    case FanoModel::SeriesRLC:
    case FanoModel::ParallelRLC:
        return std::min(atInfinity, atZero);
    }
    return 0.0;
}

double boundReturnLoss(double bound)
{
    return 20.0 * std::log10(std::numbers::e) * bound;
}

LoadFits fitLoadModels(std::span<const double> frequencies, std::span<const Complex> loads,
                       std::span<const double> weights, double source, double f1, double f2)
{
    LoadFits out;
    const double fc = 0.5 * (f1 + f2);
    const double wc = 2.0 * pi * fc;
    std::vector<double> u;
    std::vector<Complex> z, y;
    const std::size_t n = std::min({frequencies.size(), loads.size(), weights.size()});
    for (std::size_t i = 0; i < n; ++i) {
        if (!(weights[i] > 0.0) || !(frequencies[i] > 0.0))
            continue;
        u.push_back(frequencies[i] / fc);
        z.push_back(loads[i]);
        y.push_back(divideGuarded(1.0, loads[i]));
    }
    if (u.size() < 2 || !(f2 > f1) || !(f1 > 0.0))
        return out;
    double meanR = 0.0;
    for (const Complex& v : z)
        meanR += v.re / static_cast<double>(z.size());
    double resistorError = 0.0;
    for (const Complex& v : z)
        resistorError = std::max(resistorError, magnitude(gammaOf(meanR, source) - gammaOf(v, source)));
    out.resistive = meanR > 0.0 && resistorError < 1e-3;
    const Local atZ = localFit(u, z), atY = localFit(u, y);
    for (const FanoModel m : modelOrder) {
        const bool parallel = isParallel(m);
        // Which of the terms a u and b / u the model's imaginary part has.
        const bool useA = parallel ? hasC(m) : hasL(m);
        const bool useB = parallel ? hasL(m) : hasC(m);
        const std::optional<LoadFit> fit = modelOf(m, fitParts(parallel ? atY : atZ, useA, useB), wc);
        if (!fit)
            continue;
        LoadFit f = *fit;
        for (std::size_t i = 0; i < u.size(); ++i) {
            const Complex d = gammaOf(modelImpedance(f, wc * u[i]), source) - gammaOf(z[i], source);
            f.error = std::max(f.error, magnitude(d));
        }
        f.limit = fanoBound(m, f.r, f.l, f.c, f1, f2);
        if (std::isfinite(f.error) && f.limit > 0.0)
            out.candidates.push_back(f);
    }
    const auto resonant = [](const LoadFit& f) {
        return f.model == FanoModel::SeriesRLC || f.model == FanoModel::ParallelRLC;
    };
    std::optional<LoadFit> simple, third;
    for (const LoadFit& f : out.candidates) {
        std::optional<LoadFit>& best = resonant(f) ? third : simple;
        if (!best || f.error < best->error)
            best = f;
    }
    // A third part must earn its place.
    out.chosen = simple;
    if (third && (!simple || third->error < 0.9 * simple->error - 1e-3))
        out.chosen = third;
    return out;
}

} // namespace zelvo
