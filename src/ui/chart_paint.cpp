// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/chart_paint.h"
#include "ui/language.h"

#include "core/numeric.h"
#include "render/chart_objects.h"
#include "render/painter_canvas.h"
#include "render/tolerance_cloud.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace zelvo {

namespace {

int scaled(int v, float zoom)
{
    return toInt(static_cast<double>(v) * static_cast<double>(zoom));
}

Point scaledPoint(int x, int y, float zoom)
{
    return {scaled(x, zoom), scaled(y, zoom)};
}

// The straight guides are kept at zoom 1 like every hand-off value; drawing
// them unscaled would put them off the arc's circle whenever the chart is zoomed.
void drawSegment(Canvas& canvas, const int (&v)[4], float zoom)
{
    canvas.moveTo(scaledPoint(v[0], v[1], zoom));
    canvas.lineTo(scaledPoint(v[2], v[3], zoom));
}

} // namespace

void drawPlacementGuides(Canvas& canvas, const PlacementHandoff& h, float zoom, float z0,
                         int baseRadius)
{
    const CanvasStateGuard keep(canvas);
    canvas.setPen(Pen{});
    if (!h.guidePath.empty()) {
        const std::vector<Point> path =
            pathOnChart(h.guidePath, z0, chartRadius(baseRadius, zoom), 0, 0);
        if (path.size() >= 2)
            canvas.polyline(path);
    }
    if (h.guideArc) {
        const int cx = scaled(h.guideCircle[0], zoom), cy = scaled(h.guideCircle[1], zoom);
        const int r = scaled(h.guideCircle[2], zoom);
        const Point from = scaledPoint(h.arc[0], h.arc[1], zoom);
        const Point to = scaledPoint(h.arc[2], h.arc[3], zoom);
        if (from == to)
            drawCircle(canvas, cx, cy, r); // lines and stubs may turn the point all round
        else
            drawArcAbout(canvas, cx, cy, r, from, to);
    }
    if (h.guideLineCopy)
        drawSegment(canvas, h.lineCopy, zoom);
    if (h.stubMarker)
        drawSegment(canvas, h.marker, zoom);
}

namespace {

// Proposed networks, apart from every colour of the settings' defaults.
constexpr Colour previewColour = rgb(200, 0, 200);
// The tolerance spread, apart from the previews, the response curve and the
// defaults.
constexpr Colour toleranceColour = rgb(0, 130, 150);
// The response window's curve: apart from the previews and the defaults.
constexpr Colour responseCurveColour = rgb(230, 120, 0);

ChartGeometry windowGeometry(const AppState& state, int fontHeight)
{
    const ChartView& v = state.chartView;
    ChartGeometry g;
    g.baseRadius = v.baseRadius;
    g.zoom = state.settings.zoom;
    // Unzoomed and centred, the labels keep their usual places.
    if (g.zoom > 1.0f || v.panX != 0 || v.panY != 0)
        g.visible = visibleChartArea(v);
    g.gridFontHeight = 15;
    g.fontHeight = fontHeight;
    return g;
}

void paintLayers(QPainter& painter, const AppState& state, int fontHeight,
                 const ChartLayers& layers, bool preview)
{
    const ChartView& v = state.chartView;
    PainterCanvas canvas(painter, CanvasMapping::chart(chartOriginX(v), chartOriginY(v)));
    const ChartGeometry g = windowGeometry(state, fontHeight);
    renderChart(canvas, state.design, chartStyle(state.settings, true, GridMode::Chart, interfaceTexts()), g, layers);
    if (!preview)
        return;
    if (!state.matchPreview.empty())
        drawPreviewArcs(canvas, state.matchPreview, state.design.z0, previewColour,
                        state.settings.lineWidth, g, designFrequency(state.design));
    drawToleranceCloud(canvas, state.toleranceCloud, state.design.z0, toleranceColour, g);
    drawPreviewCurve(canvas, state.bandLoadPreview, state.design.z0,
                     {PenStyle::Dotted, 1, state.settings.dataPointColour}, g);
    drawPreviewCurve(canvas, state.responseCurve, state.design.z0,
                     {PenStyle::Solid, std::max(1, state.settings.lineWidth), responseCurveColour},
                     g);
    drawPreviewCurve(canvas, state.bandPreview, state.design.z0,
                     {PenStyle::Dashed, std::max(2, state.settings.lineWidth), previewColour}, g);
}

// The layers that move with the elements' values (`moving`), or all the
// others: one partition, so that a layer is in exactly one of the two.
ChartLayers tuningLayers(bool moving)
{
    ChartLayers l;
    l.grid = l.qCircles = l.vswrCircles = !moving;
    l.stabilityCircles = l.gainCircles = l.noiseCircles = !moving;
    l.elements = l.wideband = moving;
    l.pointParts = moving ? PointParts::ElementEnds : PointParts::DataPoints;
    return l;
}

QImage blankImage(const ChartView& v, double devicePixelRatio)
{
    const double dpr = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    QImage image(toInt(std::ceil(v.clientWidth * dpr)), toInt(std::ceil(v.clientHeight * dpr)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    return image;
}

} // namespace

void paintChartBase(QPainter& painter, const AppState& state, int fontHeight)
{
    const ChartView& v = state.chartView;
    painter.fillRect(0, 0, v.clientWidth, v.clientHeight, Qt::white);
    paintLayers(painter, state, fontHeight, ChartLayers{}, true);
}

QImage chartBaseImage(const AppState& state, double devicePixelRatio, int fontHeight)
{
    QImage image = blankImage(state.chartView, devicePixelRatio);
    QPainter painter(&image);
    paintLayers(painter, state, fontHeight, ChartLayers{}, true);
    return image;
}

QImage chartFixedImage(const AppState& state, double devicePixelRatio, int fontHeight)
{
    QImage image = blankImage(state.chartView, devicePixelRatio);
    QPainter painter(&image);
    paintLayers(painter, state, fontHeight, tuningLayers(false), false);
    return image;
}

void paintChainLayers(QPainter& painter, const AppState& state, int fontHeight)
{
    paintLayers(painter, state, fontHeight, tuningLayers(true), true);
}

void paintPlacementOverlay(QPainter& painter, const AppState& state, std::optional<Point> reached)
{
    const PlacementHandoff& h = state.placement;
    if (!h.placing)
        return;
    const ChartView& v = state.chartView;
    PainterCanvas canvas(painter, CanvasMapping::chart(chartOriginX(v), chartOriginY(v)));
    drawPlacementGuides(canvas, h, state.settings.zoom, state.design.z0, v.baseRadius);
    // Where the element has got to, in case the pointer cannot be moved onto
    // the guide (some desktops refuse programs moving it).
    if (reached) {
        const CanvasStateGuard keep(canvas);
        canvas.setPen({PenStyle::Solid, 2, state.settings.elementColour});
        drawCircle(canvas, reached->x, reached->y, 4);
    }
}

void paintChartWindow(QPainter& painter, const AppState& state, std::optional<Point> reached,
                      int fontHeight)
{
    paintChartBase(painter, state, fontHeight);
    paintPlacementOverlay(painter, state, reached);
}

} // namespace zelvo
