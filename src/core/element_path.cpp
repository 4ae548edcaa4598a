// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/element_path.h"

#include <cmath>
#include <complex>

namespace zelvo {

namespace {

using C = std::complex<double>;

C toStd(Complex z)
{
    return {z.re, z.im};
}
Complex fromStd(C z)
{
    return {z.real(), z.imag()};
}

} // namespace

std::optional<Abcd> abcdPower(const Abcd& m, double t)
{
    C a = toStd(m.a), b = toStd(m.b), c = toStd(m.c), d = toStd(m.d);
    const double scale = std::abs(a) + std::abs(b) + std::abs(c) + std::abs(d);
    if (!(scale > 0.0) || !std::isfinite(scale))
        return std::nullopt;
    a /= scale;
    b /= scale;
    c /= scale;
    d /= scale;
    const C det = a * d - b * c;
    // When the two products cancel to their rounding the map is one-way:
    // every load gives the same input impedance, and no power of it exists.
    if (!(std::abs(det) > 1e-12 * (std::abs(a * d) + std::abs(b * c))))
        return std::nullopt;
    C root = std::sqrt(det);
    // -M maps like M; of the two, the one whose trace is not negative turns
    // least (and keeps the eigenvalues off the logarithm's cut).
    if (((a + d) / root).real() < 0.0)
        root = -root;
    a /= root;
    b /= root;
    c /= root;
    d /= root;
    // For a 2 x 2 matrix N of determinant 1, N^t = p I + q N with the
    // eigenvalues l1 l2 = 1 (Sylvester); equal eigenvalues take the
    // derivative instead of the divided difference.
    const C tr = a + d;
    const C disc = std::sqrt(tr * tr - 4.0);
    const C l1 = (tr + disc) / 2.0, l2 = (tr - disc) / 2.0;
    const auto power = [t](C l) { return std::exp(t * std::log(l)); };
    C p, q;
    if (std::abs(l1 - l2) < 1e-7 * (std::abs(l1) + std::abs(l2))) {
        const C l = tr / 2.0;
        q = t * power(l) / l;
        p = power(l) - q * l;
    } else {
        const C f1 = power(l1), f2 = power(l2);
        q = (f1 - f2) / (l1 - l2);
        p = (l1 * f2 - l2 * f1) / (l1 - l2);
    }
    Abcd r;
    r.a = fromStd(p + q * a);
    r.b = fromStd(q * b);
    r.c = fromStd(q * c);
    r.d = fromStd(p + q * d);
    r.den = 1.0;
    for (const Complex v : {r.a, r.b, r.c, r.d})
        if (!std::isfinite(v.re) || !std::isfinite(v.im))
            return std::nullopt;
    return r;
}

std::vector<Complex> elementPath(const Abcd& m, Complex zBegin, int steps)
{
    std::vector<Complex> path;
    if (steps < 1 || !abcdPower(m, 1.0))
        return path;
    path.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const std::optional<Abcd> p = abcdPower(m, t);
        if (!p)
            return {};
        path.push_back(inputImpedance(*p, zBegin));
    }
    return path;
}

} // namespace zelvo
