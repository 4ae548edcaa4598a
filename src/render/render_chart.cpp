// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/chart_objects.h"

namespace zelvo {

void renderChart(Canvas& canvas, const Design& d, const ChartStyle& style, const ChartGeometry& g,
                 const ChartLayers& layers)
{
    const CanvasStateGuard keep(canvas);
    if (layers.grid)
        drawChartGrid(canvas, g.baseRadius, style.colours.zChart, style.colours.yChart,
                      style.chartKinds, g.cx, g.cy, style.chartLabels, g.gridFontHeight, g.zoom,
                      style.mode, d.z0, g.visible ? &*g.visible : nullptr);
    // Numbers and captions use the surface's own default font.
    canvas.setFont({g.fontHeight, FontFace::Default, 400, 0});
    canvas.setTextColour(rgb(0, 0, 0));
    if (layers.dataPoints && d.dataPointCount >= 1)
        drawDataPoints(canvas, d, style, g, layers.pointParts);
    if (layers.qCircles && d.qCount >= 1)
        drawQCircles(canvas, d, style, g);
    if (layers.vswrCircles && d.vswrCount >= 1)
        drawVswrCircles(canvas, d, style, g);
    if (layers.elements && d.elementCount >= 1)
        drawElementArcs(canvas, d, style, g);
    if (layers.wideband && d.widebandDone)
        drawWideband(canvas, d, style, g);
    if (layers.stabilityCircles && d.stabilityCount >= 1)
        drawStabilityCircles(canvas, d, style, g);
    if (layers.gainCircles && d.gainCount >= 1)
        drawGainCircles(canvas, d, style, g);
    if (layers.noiseCircles && d.noiseCount >= 1)
        drawNoiseCircles(canvas, d, style, g);
}

} // namespace zelvo
