// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/part_path.h"

#include "core/chain.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvo {

namespace {

constexpr double samplesPerUnit = 240.0;
// A line set a thousand wavelengths long still gets a path, only a coarser one.
constexpr double sampleLimit = 4096.0;

// The begin point's normalised resistance (series kinds) or conductance
// (shunt kinds) + 1: the scale of the normalised reactance or susceptance.
double scaleOf(ElementKind kind, Complex begin, double z0)
{
    const double s = kind == ElementKind::IS || kind == ElementKind::CS
                         ? begin.re / z0 + 1.0
                         : admittanceG(begin.re, begin.im) * z0 + 1.0;
    return std::isfinite(s) && s >= 1.0 ? s : 1.0;
}

} // namespace

double valueAtPathParameter(ElementKind kind, double t, Complex begin, double z0, double f0)
{
    if (isLine(kind))
        return 0.5 * std::max(t, 0.0);
    const double tc = std::clamp(t, pathParameterStart, pathParameterEnd);
    const double u = scaleOf(kind, begin, z0) * std::tan(tc * std::numbers::pi / 2.0);
    const double omega = twoPiElement * f0;
    switch (kind) {
    case ElementKind::IS:
        return u * z0 / omega;
    case ElementKind::CS:
        return 1.0 / (omega * u * z0);
    case ElementKind::CP:
        return u / (omega * z0);
    case ElementKind::IP:
        return z0 / (omega * u);
    default:
        return 0.0;
    }
}

double pathParameterOfValue(ElementKind kind, double value, Complex begin, double z0, double f0)
{
    if (isLine(kind))
        return 2.0 * std::max(value, 0.0);
    const double omega = twoPiElement * f0;
    double u = 0.0;
    switch (kind) {
    case ElementKind::IS:
        u = omega * value / z0;
        break;
    case ElementKind::CS:
        u = 1.0 / (omega * value * z0);
        break;
    case ElementKind::CP:
        u = omega * value * z0;
        break;
    case ElementKind::IP:
        u = z0 / (omega * value);
        break;
    default:
        return 0.0;
    }
    if (std::isnan(u))
        return 0.0;
    return std::atan(u / scaleOf(kind, begin, z0)) * 2.0 / std::numbers::pi;
}

std::vector<PathPoint> partPath(const Element& e, Complex begin, double z0, double f0,
                                   double tEnd)
{
    std::vector<PathPoint> path;
    if (!canBeLossy(e.kind) || !(f0 > 0.0) || !std::isfinite(f0) || !(z0 > 0.0) ||
        !(tEnd > 0.0) || !std::isfinite(tEnd))
        return path;
    const int segments =
        static_cast<int>(std::clamp(std::ceil(tEnd * samplesPerUnit), 2.0, sampleLimit));
    path.reserve(static_cast<std::size_t>(segments) + 1);
    Element part = e;
    for (int i = 0; i <= segments; ++i) {
        const double t = i == segments ? tEnd : tEnd * i / segments;
        part.value = valueAtPathParameter(e.kind, t, begin, z0, f0);
        path.push_back({t, transformElement(part, begin, f0, f0)});
    }
    return path;
}

std::vector<PathPoint> committedPath(const Element& e, double z0, double f0)
{
    const Complex begin{e.rBegin, e.xBegin};
    const double t = pathParameterOfValue(e.kind, e.value, begin, z0, f0);
    std::vector<PathPoint> path = partPath(e, begin, z0, f0, t);
    // The path ends where the element's end point is drawn.
    if (!path.empty())
        path.back().z = {e.rEnd, e.xEnd};
    return path;
}

} // namespace zelvo
