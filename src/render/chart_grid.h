// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The background of the impedance chart: boundary circle, centre mark, Z and
// Y grids with their labels.
#include "render/canvas.h"

#include <array>
#include <cstdint>

namespace zelvo {

// The unit resistance and conductance circles are drawn 2 pixels wide in
// chart mode only; the S-Plot charts keep every line thin.
enum class GridMode : std::uint8_t { Chart, SPlot };

// Normalised resistance, reactance, conductance and susceptance of the grid.
// The fifth value is 4, not 5.
inline constexpr std::array<double, 6> gridValues = {0.2, 0.5, 1.0, 2.0, 4.0, 10.0};

// The part of the chart a window shows, in chart coordinates (y up).
struct ChartArea {
    int left = 0;
    int bottom = 0;
    int right = 0;
    int top = 0;
    bool contains(double x, double y) const
    {
        return x >= left && x <= right && y >= bottom && y <= top;
    }
};

// Radius of the centre mark for a chart radius R.
int centreMarkRadius(int radius);

// Z labels are ohm (z0 * r), Y labels siemens (g / z0). chartKinds holds
// showZChartBit and showYChartBit. Pen, font and text colour are restored.
// With a visible area, a label whose usual place lies outside it moves along
// its circle to the nearest place inside, so that a zoomed chart stays labelled.
void drawChartGrid(Canvas& canvas, int baseRadius, Colour zColour, Colour yColour,
                   std::uint8_t chartKinds, int cx, int cy, bool labelsOn, int fontHeight,
                   float zoom, GridMode mode, float z0, const ChartArea* visible = nullptr);

} // namespace zelvo
