// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The chart window's view state, the mappings between the reflection
// coefficient and chart pixels (origin at Gamma = 0, y up), the circle and arc
// primitives every chart drawing uses, and the zoom rules.
#include "core/complex.h"
#include "model/settings.h"
#include "render/canvas.h"
#include "render/chart_grid.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

struct ChartView {
    int clientWidth = 0;
    int clientHeight = 0;
    int centreX = 0;
    int centreY = 0;
    int baseRadius = 0; // radius at zoom 1; follows the width only
    int lineHeight = 0; // default font height + external leading of the window
    // Where the chart's centre sits relative to the client centre, in client
    // pixels (y down). Zero unless the user has panned or zoomed about the
    // pointer; drawing, the readouts and placement all go through it.
    int panX = 0;
    int panY = 0;
    // The part of the client area that is actually seen (the layout may let
    // the window reach past its parent's edges), in client pixels; a negative
    // width means the whole client area.
    int seenX = 0;
    int seenY = 0;
    int seenWidth = -1;
    int seenHeight = -1;
    // Pixels along the seen area's right and bottom edges that scroll bars
    // cover; labels keep clear of them.
    int coveredRight = 0;
    int coveredBottom = 0;
};

// The client pixel of the chart's centre (Gamma = 0).
int chartOriginX(const ChartView& view);
int chartOriginY(const ChartView& view);
// Chart point (y up, from Gamma = 0) of a client pixel, and back.
Point clientToChart(const ChartView& view, int px, int py);
Point chartToClient(const ChartView& view, Point chart);
// The seen part of the client area in chart coordinates, without what the
// scroll bars cover.
ChartArea visibleChartArea(const ChartView& view);

// How far the chart may be panned: enough to bring every edge of the chart
// (with the 10 pixel margin) into the seen area, and always the unpanned
// chart; nothing while the whole chart is seen.
struct PanRange {
    int lo = 0;
    int hi = 0;
};
PanRange panRangeX(const ChartView& view, float zoom);
PanRange panRangeY(const ChartView& view, float zoom);
void clampPan(ChartView& view, float zoom);
// Changes the zoom factor so that the point under the client pixel stays
// there (as far as the pan limits allow).
void zoomAbout(ChartView& view, float& zoom, float newZoom, int px, int py);
// The zoom step of one wheel notch, within zoomMin and zoomMax; a zoom factor
// already beyond them (from the zoom value dialog) only moves back toward them.
float wheelZoom(float zoom, double notches);

// Fills every field but lineHeight from the client size.
void resizeChartView(ChartView& view, int clientWidth, int clientHeight);

// The drawn radius of |Gamma| = 1: baseRadius * zoom in float, truncated.
int chartRadius(int baseRadius, float zoom);

// (cx + trunc(Re * R), cy + trunc(Im * R)), saturating.
Point gammaToChart(Complex gamma, int radius, int cx, int cy);

// Gamma of an impedance in ohm for the reference z0. Impedances too large for
// the plain formulas (a saturated open) still give their limit, Gamma = 1;
// nullopt only when the impedance is not a number.
std::optional<Complex> impedanceGamma(double r, double x, float z0);
// The pixel of an impedance; nullopt when it has no finite Gamma.
std::optional<Point> impedanceToChart(double r, double x, float z0, int radius, int cx, int cy);

// Gamma under a client pixel, or nullopt outside the chart (the boundary
// circle itself counts as outside).
std::optional<Complex> clientToGamma(const ChartView& view, float zoom, int px, int py);

void drawCircle(Canvas& canvas, int cx, int cy, int r);
// Arc of the circle about (cx, cy), counter-clockwise from start to end.
void drawArcAbout(Canvas& canvas, int cx, int cy, int r, Point start, Point end);
// The same with every point moved by (dx, dy), or with y replaced by dy - y
// when flipY is set.
void drawArcOffset(Canvas& canvas, int cx, int cy, int r, Point start, Point end, int dx, int dy,
                   bool flipY);

// True when a pixel value computed in double can be drawn: finite and inside
// the int range. Saturated values (guarded divisions by zero) are not.
bool drawablePixel(double v);

inline constexpr float zoomMax = 16.0f;
inline constexpr float zoomMin = 0.125f;
inline constexpr float zoomValueMin = settingsZoomMin;
inline constexpr float zoomValueMax = settingsZoomMax;

float zoomIn(float zoom);
float zoomOut(float zoom);
// The zoom factor dialog: the text read as a decimal number (0 when it is
// none), raised to 0.01 and limited to 50.
float zoomFromText(std::string_view text);
// What the zoom factor dialog shows: "%.2f".
std::string zoomText(float zoom);

} // namespace zelvo
