// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Geometry of recorded arcs, for checking where an arc actually runs.
#include "render/recording_canvas.h"

#include <cmath>
#include <numbers>

namespace zelvo::testing {

struct ArcGeometry {
    double cx, cy, r;
    double start; // angle of the start ray, radians in [0, 2 pi)
    double span;  // counter-clockwise sweep to the end ray, (0, 2 pi]
};

inline double angleOf(double y, double x)
{
    double a = std::atan2(y, x);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}

inline ArcGeometry arcGeometry(const DrawCall& c)
{
    ArcGeometry g;
    g.cx = (c.v[0] + c.v[2]) / 2.0;
    g.cy = (c.v[1] + c.v[3]) / 2.0;
    g.r = std::abs(c.v[2] - c.v[0]) / 2.0;
    g.start = angleOf(c.v[5] - g.cy, c.v[4] - g.cx);
    double end = angleOf(c.v[7] - g.cy, c.v[6] - g.cx);
    g.span = end - g.start;
    if (g.span <= 0)
        g.span += 2 * std::numbers::pi;
    return g;
}

// The point halfway along the drawn arc.
inline void arcMidpoint(const DrawCall& c, double& x, double& y)
{
    const ArcGeometry g = arcGeometry(c);
    const double a = g.start + g.span / 2;
    x = g.cx + g.r * std::cos(a);
    y = g.cy + g.r * std::sin(a);
}

// True when (x, y) lies on the drawn part of the arc: within `tol` pixels of
// the circle and angularly between start and end going counter-clockwise.
inline bool onDrawnArc(const DrawCall& c, double x, double y, double tol)
{
    const ArcGeometry g = arcGeometry(c);
    if (std::abs(std::hypot(x - g.cx, y - g.cy) - g.r) > tol)
        return false;
    double a = angleOf(y - g.cy, x - g.cx) - g.start;
    if (a < 0)
        a += 2 * std::numbers::pi;
    // Allow the tolerance as an angle at the ends.
    const double slack = tol / std::max(g.r, 1.0);
    return a <= g.span + slack || a >= 2 * std::numbers::pi - slack;
}

} // namespace zelvo::testing
