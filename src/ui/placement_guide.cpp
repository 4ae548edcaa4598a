// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The guide along which each kind of element moves the working point.
#include "ui/placement.h"

#include "core/part_path.h"
#include "core/numeric.h"

#include <climits>
#include <cmath>

namespace zelvo {

namespace {

int pixel(double normalised, int baseRadius)
{
    return toInt(normalised * static_cast<double>(baseRadius));
}

void setArc(PlacementHandoff& h, int x0, int y0, int x1, int y1)
{
    h.guideArc = true;
    h.arc[0] = x0;
    h.arc[1] = y0;
    h.arc[2] = x1;
    h.arc[3] = y1;
}

void setLine(PlacementHandoff& h, int x0, int y0, int x1, int y1)
{
    h.guideLine = h.guideLineCopy = true;
    const int v[4] = {x0, y0, x1, y1};
    for (int i = 0; i < 4; ++i)
        h.line[i] = h.lineCopy[i] = v[i];
}

void setCircle(PlacementHandoff& h, int cx, int cy, int r)
{
    h.guideCircle[0] = cx;
    h.guideCircle[1] = cy;
    h.guideCircle[2] = r;
}

// A radial tick of 10 pixels across the guide circle at the working point.
void setStubMarker(PlacementHandoff& h)
{
    const double dx = h.workingPixel[0] - static_cast<double>(h.guideCircle[0]);
    const double dy = h.workingPixel[1] - static_cast<double>(h.guideCircle[1]);
    const double len = std::hypot(dx, dy);
    const double ux = len > 0.0 ? dx / len : 1.0;
    const double uy = len > 0.0 ? dy / len : 0.0;
    h.stubMarker = true;
    h.marker[0] = toInt(h.workingPixel[0] - 5.0 * ux);
    h.marker[1] = toInt(h.workingPixel[1] - 5.0 * uy);
    h.marker[2] = toInt(h.workingPixel[0] + 5.0 * ux);
    h.marker[3] = toInt(h.workingPixel[1] + 5.0 * uy);
}

} // namespace

void computeGuide(PlacementHandoff& h, ElementKind kind, Complex begin, float z0,
                  double lineImpedance, int baseRadius, float zoom)
{
    h.clearGuides();
    const double zr = static_cast<double>(z0);
    const double r = begin.re / zr, x = begin.im / zr;
    const double g = admittanceG(begin.re, begin.im) * zr;
    const double b = admittanceB(begin.re, begin.im) * zr;
    const Complex gamma = impedanceToGamma(begin.re, begin.im, zr);
    h.workingPixel[0] = pixel(gamma.re, baseRadius);
    h.workingPixel[1] = pixel(gamma.im, baseRadius);
    const int wx = h.workingPixel[0], wy = h.workingPixel[1];
    const int one = baseRadius;
    const double scale = static_cast<double>(baseRadius) * static_cast<double>(zoom);

    switch (kind) {
    case ElementKind::CS:
    case ElementKind::IS:
        setCircle(h, pixel(r / (r + 1.0), baseRadius), 0, pixel(1.0 / (r + 1.0), baseRadius));
        if (kind == ElementKind::CS)
            setArc(h, wx, wy, one, 0);
        else
            setArc(h, one, 0, wx, wy);
        break;
    case ElementKind::RS:
    case ElementKind::RP: {
        const bool series = kind == ElementKind::RS;
        const double q = series ? x : b; // reactance or susceptance of the circle
        const int endX = series ? one : -one;
        if (q == 0.0)
            setCircle(h, endX, series ? INT_MAX : INT_MIN, INT_MAX);
        else
            setCircle(h, endX, pixel(series ? 1.0 / q : -1.0 / q, baseRadius),
                      pixel(1.0 / std::abs(q), baseRadius));
        const bool arc = std::abs(wy) >= 4 && static_cast<double>(h.guideCircle[2]) / scale < 25.0;
        if (!arc) {
            setLine(h, wx, wy, endX, 0);
            break;
        }
        // Counter-clockwise from the start: the part of the circle inside the chart.
        if (q > 0.0)
            setArc(h, wx, wy, endX, 0);
        else
            setArc(h, endX, 0, wx, wy);
        break;
    }
    case ElementKind::CP:
    case ElementKind::IP:
    case ElementKind::LPS:
    case ElementKind::LPO:
        setCircle(h, pixel(-g / (g + 1.0), baseRadius), 0, pixel(1.0 / (g + 1.0), baseRadius));
        if (kind == ElementKind::CP)
            setArc(h, -one, 0, wx, wy);
        else if (kind == ElementKind::IP)
            setArc(h, wx, wy, -one, 0);
        else {
            setArc(h, 0, 0, 0, 0); // equal ends: the whole circle
            setStubMarker(h);
        }
        break;
    case ElementKind::LS: {
        const Complex z = begin;
        const double zl = lineImpedance;
        const double rho = ratioMagnitude(z - Complex{zl, 0.0}, z + Complex{zl, 0.0});
        const double s = (zl - zr) / (zl + zr);
        const double den = 1.0 - s * s * rho * rho;
        const int cx = den == 0.0 ? INT_MAX : pixel(s * (1.0 - rho * rho) / den, baseRadius);
        const int rad = den == 0.0 ? INT_MAX : pixel(rho * (1.0 - s * s) / den, baseRadius);
        setCircle(h, cx, 0, rad);
        setArc(h, 0, 0, 0, 0);
        break;
    }
    case ElementKind::TR: {
        const double q = begin.re == 0.0 ? static_cast<double>(FLOAT_BIG) : begin.im / begin.re;
        setCircle(h, 0, pixel(-1.0 / q, baseRadius),
                  pixel(std::sqrt(q * q + 1.0) / std::abs(q), baseRadius));
        if (std::abs(q) > 0.03 && std::abs(begin.im) > 0.01) {
            if (begin.im > 0.0)
                setArc(h, one, 0, -one, 0);
            else
                setArc(h, -one, 0, one, 0);
        }
        else {
            setLine(h, -one, 0, wx, wy);
        }
        break;
    }
    default:
        break;
    }
}

void computePathGuide(PlacementHandoff& h, const Element& part, Complex begin, float z0, double f0,
                      int baseRadius)
{
    h.clearGuides();
    const double zr = static_cast<double>(z0);
    const Complex gamma = impedanceToGamma(begin.re, begin.im, zr);
    h.workingPixel[0] = pixel(gamma.re, baseRadius);
    h.workingPixel[1] = pixel(gamma.im, baseRadius);
    // Lines and stubs once round the chart (half a wavelength), L and C up to
    // the open or short.
    h.guidePath = partPath(part, begin, zr, f0, isLine(part.kind) ? 1.0 : pathParameterEnd);
}

int pointerOffset(ElementKind kind)
{
    switch (kind) {
    case ElementKind::IS:
        return 5;
    case ElementKind::CS:
    case ElementKind::RS:
    case ElementKind::CP:
    case ElementKind::IP:
    case ElementKind::RP:
        return 3;
    default:
        return 0;
    }
}

} // namespace zelvo
