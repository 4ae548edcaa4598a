// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Where the chain's end goes over its parts' tolerances: for each data point
// frequency the outline of the cloud of samples, some of the samples as
// dots, and the worst sample marked.
#include "core/complex.h"
#include "render/canvas.h"
#include "render/chart_geometry.h"
#include "render/chart_style.h"

#include <span>
#include <vector>

namespace zelvo {

struct ToleranceCloud {
    // Per load: the chain's end for each sample (ohm).
    std::vector<std::vector<Complex>> ends;
    // Per load: the worst sample's end.
    std::vector<Complex> worst;
};

// The convex outline of the points, counter-clockwise, without repeating the
// first point; fewer than three distinct points come back as they are.
std::vector<Point> convexOutline(std::vector<Point> points);

// At most `dots` samples of each load are drawn as dots, spread over its list.
void drawToleranceCloud(Canvas& canvas, const ToleranceCloud& cloud, float z0, Colour colour,
                        const ChartGeometry& geometry, int dots = 60);

} // namespace zelvo
