// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The printed pages, drawn on a Canvas in device pixels of the page so that a
// page and a window share every drawing routine: the comments page, the chart
// page with the schematic block below the chart, and the three S-Plot pages.
#include "model/design.h"
#include "model/settings.h"
#include "model/sparam_set.h"
#include "render/canvas.h"

#include <cstdint>
#include <functional>
#include <string>

namespace zelvo {

// The print options: one flag set for the whole run, never saved.
inline constexpr std::uint16_t printChart = 0x0001;
inline constexpr std::uint16_t printZGrid = 0x0002;
inline constexpr std::uint16_t printYGrid = 0x0004;
inline constexpr std::uint16_t printElements = 0x0008;
inline constexpr std::uint16_t printQCircles = 0x0010;
inline constexpr std::uint16_t printStabilityCircles = 0x0020;
inline constexpr std::uint16_t printGainCircles = 0x0040;
inline constexpr std::uint16_t printNoiseCircles = 0x0080;
inline constexpr std::uint16_t printSchematic = 0x0100;
inline constexpr std::uint16_t printBlackWhite = 0x0200;
inline constexpr std::uint16_t printScreenColours = 0x0400;
inline constexpr std::uint16_t printLabels = 0x0800;
inline constexpr std::uint16_t printVswrCircles = 0x1000;
inline constexpr std::uint16_t printWideband = 0x2000;
inline constexpr std::uint16_t printComments = 0x4000;
inline constexpr std::uint16_t printTurnText = 0x8000;

// Everything but black and white and the turned texts: a first print shows
// the whole design.
inline constexpr std::uint16_t defaultPrintFlags = 0xFFFF & ~printBlackWhite & ~printTurnText;

// Text angle of the printed schematic for the flags: 900 turned, 2700 not.
int schematicTextAngle(std::uint16_t flags);

// The printable area in device pixels and the scale to the 600 dpi the
// layout was made for.
struct PageFrame {
    int width = 0;  // H
    int height = 0; // V
    double sx = 1.0;
    double sy = 1.0;

    int scaledX(double v) const;
    int scaledY(double v) const;
};

// Chart radius and centre height on the chart page (page centre origin, y up).
struct PrintedChart {
    int radius = 0;
    int cy = 0;
};
PrintedChart printedChartGeometry(const PageFrame& page, bool withSchematic);

// Returns true when the job was cancelled; called between the layers of a
// page so that a Cancel takes effect quickly.
using AbortCheck = std::function<bool()>;

// The list on a y-down canvas whose origin is the page's top-left corner.
void drawCommentsPage(Canvas& canvas, const Design& design, const PageFrame& page);

// The chart page on a y-up canvas whose origin is the page centre. Returns
// false when aborted part-way.
bool drawChartPage(Canvas& canvas, const Design& design, const Settings& settings,
                   std::uint16_t flags, const PageFrame& page, const AbortCheck& aborted = {});

// The horizontal schematic below the chart (same coordinates as the chart
// page), with the design's file name below it unless left out.
void drawPrintedSchematic(Canvas& canvas, const Design& design, int textAngle,
                          const PageFrame& page, bool withFileName = true);

// The printed gain table's rows from its header on (the first four rows of
// the page are empty).
std::vector<std::string> printedGainRows(const SParamSet& set);

// Page 1 (gain graph) and page 2 (gain table) on a y-down canvas from the
// page's top-left corner; page 3 (the four plots) on a y-up canvas from the
// page centre.
void drawGainGraphPage(Canvas& canvas, const SParamSet& set, const PageFrame& page);
void drawGainTablePage(Canvas& canvas, const SParamSet& set, const PageFrame& page);
void drawPlotsPage(Canvas& canvas, const SParamSet& set, const Settings& settings,
                   const PageFrame& page);

} // namespace zelvo
