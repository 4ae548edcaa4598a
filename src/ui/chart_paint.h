// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The chart window's picture: the chart with the design, and over it the
// guide of an element being placed with the point it has reached.
#include "render/canvas.h"
#include "ui/app_state.h"

#include <optional>

class QImage;
class QPainter;

namespace zelvo {

// Paints on a painter whose device is the chart window's client area, as
// state.chartView describes it. `reached` is the last accepted point of a
// placement (chart pixels at the current zoom); fontHeight is the window's
// default font height for point numbers and captions.
void paintChartWindow(QPainter& painter, const AppState& state, std::optional<Point> reached,
                      int fontHeight);
// The two layers of that picture: the chart with the design, which changes
// only with the design and the options, and the placement over it, which
// changes with every mouse move.
void paintChartBase(QPainter& painter, const AppState& state, int fontHeight);
void paintPlacementOverlay(QPainter& painter, const AppState& state, std::optional<Point> reached);
// The chart with the design as an image of the chart view's client size at
// the given device pixel ratio: on a high-density screen it holds every
// device pixel, so the chart is not scaled up from a coarser picture.
QImage chartBaseImage(const AppState& state, double devicePixelRatio, int fontHeight);
// The same picture in two layers for live tuning: the fixed one holds what
// does not move with the elements' values (grid, data points, contours,
// circles), the chain layer what does (element end points, arcs, wideband
// result, a match preview) and is painted over it at every step. The chain
// is then on top of the circles, which the whole picture draws over it.
QImage chartFixedImage(const AppState& state, double devicePixelRatio, int fontHeight);
void paintChainLayers(QPainter& painter, const AppState& state, int fontHeight);

// The guides of the hand-off (arc, straight and path guides), scaled by the
// zoom; a path guide's impedances are placed against z0.
void drawPlacementGuides(Canvas& canvas, const PlacementHandoff& h, float zoom, float z0,
                         int baseRadius);

} // namespace zelvo
