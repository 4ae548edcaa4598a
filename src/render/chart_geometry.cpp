// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/chart_geometry.h"

#include "core/format.h"
#include "core/number_text.h"
#include "core/numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zelvo {

namespace {

int saturate(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

void resizeChartView(ChartView& view, int clientWidth, int clientHeight)
{
    view.clientWidth = clientWidth;
    view.clientHeight = clientHeight;
    view.centreX = clientWidth / 2;
    view.centreY = clientHeight / 2;
    view.baseRadius = clientWidth / 2 - 10;
}

int chartRadius(int baseRadius, float zoom)
{
    return toInt(static_cast<float>(baseRadius) * zoom);
}

bool drawablePixel(double v)
{
    return std::isfinite(v) && std::abs(v) < static_cast<double>(std::numeric_limits<int>::max());
}

Point gammaToChart(Complex gamma, int radius, int cx, int cy)
{
    return {toInt(cx + std::trunc(gamma.re * radius)), toInt(cy + std::trunc(gamma.im * radius))};
}

std::optional<Complex> impedanceGamma(double r, double x, float z0)
{
    const double rn = r / z0;
    const double xn = x / z0;
    if (std::isnan(rn) || std::isnan(xn))
        return std::nullopt;
    if (std::isinf(rn) || std::isinf(xn))
        return Complex{1.0, 0.0};
    const Complex g{gammaRe(rn, xn), gammaIm(rn, xn)};
    if (std::isfinite(g.re) && std::isfinite(g.im))
        return g;
    // The squares overflowed: the same quotient with z scaled down first.
    const double m = std::max(std::abs(rn), std::abs(xn));
    const Complex num{rn / m - 1.0 / m, xn / m};
    const Complex den{rn / m + 1.0 / m, xn / m};
    const Complex q = num / den;
    if (!std::isfinite(q.re) || !std::isfinite(q.im))
        return std::nullopt;
    return q;
}

std::optional<Point> impedanceToChart(double r, double x, float z0, int radius, int cx, int cy)
{
    const std::optional<Complex> g = impedanceGamma(r, x, z0);
    if (!g)
        return std::nullopt;
    const double px = cx + std::trunc(g->re * radius);
    const double py = cy + std::trunc(g->im * radius);
    if (!drawablePixel(px) || !drawablePixel(py))
        return std::nullopt;
    return Point{toInt(px), toInt(py)};
}

int chartOriginX(const ChartView& view)
{
    return saturate(std::int64_t{view.centreX} + view.panX);
}

int chartOriginY(const ChartView& view)
{
    return saturate(std::int64_t{view.centreY} + view.panY);
}

Point clientToChart(const ChartView& view, int px, int py)
{
    return {saturate(std::int64_t{px} - chartOriginX(view)),
            saturate(std::int64_t{chartOriginY(view)} - py)};
}

Point chartToClient(const ChartView& view, Point chart)
{
    return {saturate(std::int64_t{chartOriginX(view)} + chart.x),
            saturate(std::int64_t{chartOriginY(view)} - chart.y)};
}

namespace {

struct Span {
    int from, size;
};

Span seenX(const ChartView& v)
{
    return v.seenWidth < 0 ? Span{0, v.clientWidth} : Span{v.seenX, v.seenWidth};
}

Span seenY(const ChartView& v)
{
    return v.seenHeight < 0 ? Span{0, v.clientHeight} : Span{v.seenY, v.seenHeight};
}

// The pans for which the chart's near edge can reach the seen area's near
// edge and its far edge the far one; 0 is always allowed.
PanRange panRange(int baseRadius, float zoom, int centre, Span seen)
{
    const double bare = std::ceil(static_cast<double>(baseRadius) * static_cast<double>(zoom));
    if (seen.from <= centre - bare && centre + bare <= seen.from + seen.size)
        return {}; // the whole chart is seen
    const double r = bare + 10.0;
    const double hi = seen.from - centre + r;
    const double lo = seen.from + seen.size - centre - r;
    if (lo > hi)
        return {};
    return {toInt(std::min(lo, 0.0)), toInt(std::max(hi, 0.0))};
}

} // namespace

ChartArea visibleChartArea(const ChartView& view)
{
    const Span x = seenX(view), y = seenY(view);
    const Point topLeft = clientToChart(view, x.from, y.from);
    const Point bottomRight = clientToChart(view, x.from + x.size - view.coveredRight,
                                            y.from + y.size - view.coveredBottom);
    return {topLeft.x, bottomRight.y, bottomRight.x, topLeft.y};
}

PanRange panRangeX(const ChartView& view, float zoom)
{
    return panRange(view.baseRadius, zoom, view.centreX, seenX(view));
}

PanRange panRangeY(const ChartView& view, float zoom)
{
    return panRange(view.baseRadius, zoom, view.centreY, seenY(view));
}

void clampPan(ChartView& view, float zoom)
{
    const PanRange x = panRangeX(view, zoom), y = panRangeY(view, zoom);
    view.panX = std::clamp(view.panX, x.lo, x.hi);
    view.panY = std::clamp(view.panY, y.lo, y.hi);
}

void zoomAbout(ChartView& view, float& zoom, float newZoom, int px, int py)
{
    if (!(newZoom > 0.0f) || !(zoom > 0.0f))
        return;
    // The pointer's offset from the chart centre scales with the zoom; the
    // centre moves so that the pointer's offset stays where it was.
    const double k = static_cast<double>(newZoom) / static_cast<double>(zoom);
    const double ox = chartOriginX(view), oy = chartOriginY(view);
    const double nx = px - (px - ox) * k;
    const double ny = py - (py - oy) * k;
    zoom = newZoom;
    view.panX = toInt(std::round(nx - view.centreX));
    view.panY = toInt(std::round(ny - view.centreY));
    clampPan(view, zoom);
}

float wheelZoom(float zoom, double notches)
{
    // Four notches double the zoom, like the Zoom in command does at once.
    const double step = std::pow(2.0, notches / 4.0);
    double z = static_cast<double>(zoom) * step;
    if (notches > 0.0)
        z = std::min(z, std::max(static_cast<double>(zoom), static_cast<double>(zoomMax)));
    else if (notches < 0.0)
        z = std::max(z, std::min(static_cast<double>(zoom), static_cast<double>(zoomMin)));
    return static_cast<float>(z);
}

std::optional<Complex> clientToGamma(const ChartView& view, float zoom, int px, int py)
{
    const double rf = static_cast<double>(view.baseRadius) * static_cast<double>(zoom);
    const double dx = static_cast<double>(px) - chartOriginX(view);
    const double dy = static_cast<double>(chartOriginY(view)) - py;
    if (!(rf * rf > dx * dx + dy * dy))
        return std::nullopt;
    return Complex{dx / rf, dy / rf};
}

void drawCircle(Canvas& canvas, int cx, int cy, int r)
{
    const std::int64_t x = cx, y = cy, rr = r;
    canvas.ellipse(saturate(x - rr), saturate(y - rr), saturate(x + rr), saturate(y + rr));
}

void drawArcAbout(Canvas& canvas, int cx, int cy, int r, Point start, Point end)
{
    drawArcOffset(canvas, cx, cy, r, start, end, 0, 0, false);
}

void drawArcOffset(Canvas& canvas, int cx, int cy, int r, Point start, Point end, int dx, int dy,
                   bool flipY)
{
    const auto mx = [&](std::int64_t x) { return saturate(x + dx); };
    const auto my = [&](std::int64_t y) { return saturate(flipY ? dy - y : y + dy); };
    const std::int64_t x = cx, y = cy, rr = r;
    canvas.arc(mx(x - rr), my(y - rr), mx(x + rr), my(y + rr), {mx(start.x), my(start.y)},
               {mx(end.x), my(end.y)});
}

float zoomIn(float zoom)
{
    const float z = 2.0f * zoom;
    return z > zoomMax ? zoomMax : z;
}

float zoomOut(float zoom)
{
    const float z = zoom / 2.0f;
    return z < zoomMin ? zoomMin : z;
}

float zoomFromText(std::string_view text)
{
    double v = scanNumber(text.substr(0, 20)).value; // 0 when no number was read
    if (!(v >= zoomValueMin))
        v = zoomValueMin;
    if (v > zoomValueMax)
        v = zoomValueMax;
    return static_cast<float>(v);
}

std::string zoomText(float zoom)
{
    return printfString("%.2f", static_cast<double>(zoom));
}

} // namespace zelvo
