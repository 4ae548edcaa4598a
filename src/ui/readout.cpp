// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/readout.h"

#include "core/complex.h"
#include "core/format.h"
#include "core/numeric.h"

#include <cmath>

namespace zelvo {

namespace {

// The readout's own value of pi: the angle shown has always been computed with it.
constexpr double readoutPi = 3.141592;

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// "a + jb" or "a - jb" with the magnitude; 0 - b turns a zero into +0, so
// that a real point never reads "- j-0.00".
QString complexText(const char* plus, const char* minus, double a, double b)
{
    return b > 0.0 ? text(printfString(plus, a, b)) : text(printfString(minus, a, 0.0 - b));
}

} // namespace

std::optional<ReadoutTexts> readoutAt(double x, double y, int baseRadius, float zoom, float z0,
                                      ExactReadout exact)
{
    const double rf = static_cast<double>(baseRadius) * static_cast<double>(zoom);
    if (!(rf * rf > x * x + y * y))
        return std::nullopt;
    using W = ExactReadout::Which;
    if (exact.which == W::Z) {
        // The point itself, exactly: its pixel only says where it is drawn.
        const Complex g = impedanceToGamma(exact.impedance.re, exact.impedance.im,
                                           static_cast<double>(z0));
        x = g.re * rf;
        y = g.im * rf;
    }
    const double u = x / rf, v = y / rf;
    const double zr = static_cast<double>(z0);
    const bool whole = exact.which == W::Z;
    const Complex ze = exact.impedance;
    const double r = exact.which == W::R ? exact.value
                     : whole             ? ze.re
                                         : zr * resistanceFromGamma(u, v);
    const double xx = exact.which == W::X ? exact.value
                      : whole             ? ze.im
                                          : zr * reactanceFromGamma(u, v);
    const double g = exact.which == W::G ? exact.value
                     : whole             ? admittanceG(ze.re, ze.im)
                                         : conductanceFromGamma(u, v) / zr;
    const double b = exact.which == W::B ? exact.value
                     : whole             ? admittanceB(ze.re, ze.im)
                                         : susceptanceFromGamma(u, v) / zr;
    const double mag = std::sqrt(x * x + y * y) / rf;
    const double phi = shownArgument({x, y}) / readoutPi * 180.0;
    const double tiny = static_cast<double>(FLOAT_TINY);
    const double vswr = (mag + 1.0) / (1.0 - mag + tiny);
    const double q = exact.which == W::Q ? exact.value : std::abs(xx / (r + tiny));
    const double rl = mag == 0.0 ? 120.0 : -20.0 * std::log10(mag);

    ReadoutTexts t;
    t.z = complexText("%.2f + j%.2f", "%.2f - j%.2f", r, xx);
    t.y = complexText("%.4f + j%.4f", "%.4f - j%.4f", g, b);
    t.r = text(printfString("%.2f / %.2f\u00B0", mag, phi));
    t.q = text(printfString("%.2f", q));
    t.vswr = text(printfString("%.1f : 1", vswr));
    t.rl = text(printfString("%.1f dB", rl));
    return t;
}

QString zoStartText(float z0)
{
    return text(printfString("%.1f Ohm", static_cast<double>(z0)));
}

QString zoText(float z0)
{
    return text(formatSiFloat(z0, 1) + "Ohm");
}

} // namespace zelvo
