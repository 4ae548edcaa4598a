// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The four S-parameter plot windows of S-Plot mode: S11 and S22 on the
// impedance chart, S12 and S21 on a polar grid. All in chart coordinates
// (y up); the windows put the origin at their centre.
#include "model/sparam_set.h"
#include "render/canvas.h"
#include "render/trace_picture.h"

#include <optional>
#include <vector>

namespace zelvo {

enum class TraceCode : int { S11 = 1, S12 = 2, S21 = 4, S22 = 8 };

inline constexpr Colour traceColour = rgb(255, 0, 0);

// S11 or S22 of every point in file order, joined by lines, each point with a
// circle of radius 2.
void drawChartTrace(Canvas& canvas, const SParamSet& set, TraceCode code, int radius,
                    Colour colour, int lineWidth, int cx, int cy);
// S12 or S21 likewise, the magnitude scaled so that fullScale reaches radius.
void drawPolarTrace(Canvas& canvas, const SParamSet& set, TraceCode code, int radius,
                    double fullScale, Colour colour, int lineWidth, int cx, int cy);
// Boundary circle, diameters, diagonals and rings every `step` below full scale.
void drawPolarGrid(Canvas& canvas, int radius, Colour colour, double fullScale, double step,
                   bool labelsOn, int fontHeight, int cx, int cy);

// 1.2 times the largest magnitude of S12 or S21; 1.2 without points (or when
// every magnitude is 0, which would leave no scale).
double polarFullScale(const SParamSet& set, TraceCode code);

// Where the plot window of `code` draws each point (chart coordinates, y up,
// origin at the window centre); nullopt for a point that is not drawn.
std::vector<std::optional<Point>> plotPointPositions(const SParamSet& set, TraceCode code,
                                                     int width, int height);

// min(width / 2, height / 2).
int plotHalfSize(int width, int height);

// Where the trace of `code` drawn with this radius (and full scale, for S12
// and S21) about (cx, cy) puts each point; nullopt for a point not drawn.
std::vector<std::optional<Point>> tracePositions(const SParamSet& set, TraceCode code, int radius,
                                                 double fullScale, int cx, int cy);

// A trace ready to draw: where each point is and, for a long trace, the
// picture reduced to the pixels (circles merged inside `box`).
struct PlotTrace {
    std::vector<std::optional<Point>> positions;
    bool reduced = false;
    std::vector<TraceRun> runs; // when reduced
};
PlotTrace plotTrace(std::vector<std::optional<Point>> positions, PixelBox box);
void drawPlotTrace(Canvas& canvas, const PlotTrace& trace, Colour colour, int lineWidth);

// The trace of a plot window of that size, as the paint functions below draw it.
PlotTrace plotWindowTrace(const SParamSet& set, TraceCode code, int width, int height);

// The windows: S11 / S22 (chart grid, Z only, labelled in the file's
// reference impedance) and S12 / S21 (polar). A window that keeps its trace
// between paints passes it; without one it is made for this paint.
void paintChartPlotWindow(Canvas& canvas, const SParamSet& set, TraceCode code, int width,
                          int height, bool chartLabels, int lineWidth,
                          const PlotTrace* trace = nullptr);
void paintPolarPlotWindow(Canvas& canvas, const SParamSet& set, TraceCode code, int width,
                          int height, bool chartLabels, int lineWidth,
                          const PlotTrace* trace = nullptr);

} // namespace zelvo
