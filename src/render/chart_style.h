// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// What a chart painting needs besides the design: colours and switches, the
// geometry of the surface, and which layers to draw. The chart window, the
// clipboard image and the printed page each fill these in their own way.
#include "core/texts.h"
#include "model/settings.h"
#include "render/chart_grid.h"

#include <optional>

namespace zelvo {

struct ChartColours {
    Colour zChart = rgb(0, 0, 0);
    Colour yChart = rgb(0, 0, 0);
    Colour dataPoint = rgb(0, 0, 0);
    Colour element = rgb(0, 0, 0);
    Colour q = rgb(0, 0, 0);
    Colour vswr = rgb(0, 0, 0);
    Colour wideband = rgb(0, 0, 0);
    Colour stability = rgb(0, 0, 0);
    Colour gain = rgb(0, 0, 0);
    Colour noise = rgb(0, 0, 0);
};

// The colours of the settings, or all black for a black-and-white picture.
ChartColours chartColours(const Settings& settings, bool useScreenColours);

// The start data point's square is this red in every colour scheme.
inline constexpr Colour startSquareColour = rgb(255, 0, 0);

struct ChartStyle {
    ChartColours colours;
    std::uint8_t chartKinds = showZChartBit | showYChartBit;
    bool chartLabels = true;     // grid labels
    bool labels = true;          // point numbers and circle captions
    bool linkDataPoints = false;
    int lineWidth = 1;           // data point markers and element arcs
    GridMode mode = GridMode::Chart;
    Texts texts = {}; // the captions' language
};

ChartStyle chartStyle(const Settings& settings, bool useScreenColours, GridMode mode,
                      const Texts& texts = {});

struct ChartGeometry {
    int baseRadius = 0;
    int cx = 0;
    int cy = 0;
    float zoom = 1.0f;
    int gridFontHeight = 15;
    int fontHeight = 16; // point numbers and captions: the surface's default font
    // What a zoomed or panned window shows; the grid keeps its labels inside.
    std::optional<ChartArea> visible;
};

// Which of the numbered points the data point layer draws. While an element
// is tuned the chart window keeps a picture without the element end points
// and draws only them anew.
enum class PointParts { Both, DataPoints, ElementEnds };

// The chart window draws everything; printing picks.
struct ChartLayers {
    bool grid = true;
    bool dataPoints = true;
    bool qCircles = true;
    bool vswrCircles = true;
    bool elements = true;
    bool wideband = true;
    bool stabilityCircles = true;
    bool gainCircles = true;
    bool noiseCircles = true;
    PointParts pointParts = PointParts::Both; // of the data point layer
};

// A point marker's radius for the chart radius R: R / 160, or 2 when that is below 3.
int markerRadius(int radius);

} // namespace zelvo
