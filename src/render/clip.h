// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Liang-Barsky clipping of a segment against an axis-aligned box.
#include <algorithm>
#include <optional>
#include <utility>

namespace zelvo {

// The parameter range [t0, t1] of a + t (b - a) that lies inside the box,
// or nothing when the segment misses it.
inline std::optional<std::pair<double, double>> clipSegment(double ax, double ay, double bx,
                                                            double by, double left, double top,
                                                            double right, double bottom)
{
    const double dx = bx - ax, dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - left, right - ax, ay - top, bottom - ay};
    double t0 = 0.0, t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return std::pair{t0, t1};
}

} // namespace zelvo
