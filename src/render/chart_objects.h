// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The design's layers on the chart, and renderChart, which paints them over
// the grid in their fixed order.
#include "core/element_path.h"
#include "core/part_path.h"
#include "model/design.h"
#include "render/canvas.h"
#include "render/chart_style.h"

#include <optional>
#include <span>
#include <vector>

namespace zelvo {

// Data points and element end points with their shared running numbers (in
// history order), the optional links between data points, and the red square
// of the start point. `parts` leaves out the element end points, or draws
// only them (with the numbers they have among all points).
void drawDataPoints(Canvas& canvas, const Design& design, const ChartStyle& style,
                    const ChartGeometry& geometry, PointParts parts = PointParts::Both);

// How one element is drawn: an arc counter-clockwise from `from` to `to`, a
// straight line from begin to end, or (a block, a lossy part) a polyline
// along `path`.
struct ElementStroke {
    bool straight = false;
    Point centre;
    int radius = 0;
    Point from;
    Point to;
    std::vector<Point> path;
};
// nullopt when the element's points or circle cannot be drawn (not a number,
// or saturated beyond the pixel range). f0 is the design frequency, at which
// a lossy part's path is computed.
std::optional<ElementStroke> elementStroke(const Element& e, float z0, int radius, int cx, int cy,
                                           double f0);
// A two-port block at the design frequency f0: the path its end travels as
// the block grows from nothing along the powers of its chain matrix
// (elementPath), from its begin to its end point; a straight line where the
// block has no value at f0 or its matrix has no such path (a one-way device).
std::optional<ElementStroke> blockStroke(const Element& e, float z0, int radius, int cx, int cy,
                                         double f0);
void drawElementArcs(Canvas& canvas, const Design& design, const ChartStyle& style,
                     const ChartGeometry& geometry);
// The points of a sampled path on the chart (radius and centre in pixels);
// points that cannot be drawn are left out. The placement guide of a lossy
// part and the stroke of a committed one are both drawn through it.
std::vector<Point> pathOnChart(std::span<const PathPoint> path, float z0, int radius, int cx,
                               int cy);

// A proposed network over the chart, dashed in `colour`: the elements carry
// their begin and end points as the chain computed them at f0.
void drawPreviewArcs(Canvas& canvas, std::span<const Element> elements, float z0, Colour colour,
                     int lineWidth, const ChartGeometry& geometry, double f0);
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
