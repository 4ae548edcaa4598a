// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The design's layers on the chart, and renderChart, which paints them over
// the grid in their fixed order.
#include "model/design.h"
#include "render/canvas.h"
#include "render/chart_style.h"

#include <optional>
#include <span>

namespace zelvo {

// Data points and element end points with their shared running numbers (in
// history order), the optional links between data points, and the red square
// of the start point. `parts` leaves out the element end points, or draws
// only them (with the numbers they have among all points).
void drawDataPoints(Canvas& canvas, const Design& design, const ChartStyle& style,
                    const ChartGeometry& geometry, PointParts parts = PointParts::Both);

// How one element is drawn: an arc counter-clockwise from `from` to `to`, or
// a straight line from begin to end.
struct ElementStroke {
    bool straight = false;
    Point centre;
    int radius = 0;
    Point from;
    Point to;
};
// nullopt when the element's points or circle cannot be drawn (not a number,
// or saturated beyond the pixel range).
std::optional<ElementStroke> elementStroke(const Element& e, float z0, int radius, int cx, int cy);
void drawElementArcs(Canvas& canvas, const Design& design, const ChartStyle& style,
                     const ChartGeometry& geometry);

// A proposed network over the chart, dashed in `colour`: the elements carry
// their begin and end points as the chain computed them.
void drawPreviewArcs(Canvas& canvas, std::span<const Element> elements, float z0, Colour colour,
                     int lineWidth, const ChartGeometry& geometry);
// An impedance over a band (ohm, in frequency order) joined by a line in
// the pen, with a small circle at the band's lower end and a larger one at
// its upper end, so that the direction shows.
void drawPreviewCurve(Canvas& canvas, std::span<const Complex> impedances, float z0, const Pen& pen,
                      const ChartGeometry& geometry);

void drawQCircles(Canvas& canvas, const Design& design, const ChartStyle& style,
                  const ChartGeometry& geometry);
void drawVswrCircles(Canvas& canvas, const Design& design, const ChartStyle& style,
                     const ChartGeometry& geometry);
// Dotted lines through the data points and through their wideband results, and
// a numbered marker at each result but the start point's.
void drawWideband(Canvas& canvas, const Design& design, const ChartStyle& style,
                  const ChartGeometry& geometry);
void drawStabilityCircles(Canvas& canvas, const Design& design, const ChartStyle& style,
                          const ChartGeometry& geometry);
void drawGainCircles(Canvas& canvas, const Design& design, const ChartStyle& style,
                     const ChartGeometry& geometry);
void drawNoiseCircles(Canvas& canvas, const Design& design, const ChartStyle& style,
                      const ChartGeometry& geometry);

// Grid, data points, Q, VSWR, element arcs, wideband, stability, gain and
// noise circles, each when chosen and present. The canvas state is restored.
void renderChart(Canvas& canvas, const Design& design, const ChartStyle& style,
                 const ChartGeometry& geometry, const ChartLayers& layers = {});

} // namespace zelvo
