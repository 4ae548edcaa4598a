// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/element_path.h"
#include "core/numeric.h"
#include "render/chart_geometry.h"
#include "render/chart_objects.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelvo {

namespace {

// A circle in units of the chart radius, turned into pixels by truncation.
struct UnitCircle {
    double cx, cy, r;
};

std::optional<ElementStroke> arcOn(double pixelCx, double pixelCy, double pixelR, Point begin,
                                   Point end, bool beginToEnd)
{
    if (!drawablePixel(pixelCx) || !drawablePixel(pixelCy) || !drawablePixel(pixelR))
        return std::nullopt;
    ElementStroke s;
    s.centre = {toInt(pixelCx), toInt(pixelCy)};
    s.radius = std::abs(toInt(pixelR));
    s.from = beginToEnd ? begin : end;
    s.to = beginToEnd ? end : begin;
    return s;
}

std::optional<ElementStroke> arcOnUnit(UnitCircle u, int R, int cx, int cy, Point begin, Point end,
                                       bool beginToEnd)
{
    return arcOn(cx + std::trunc(u.cx * R), cy + std::trunc(u.cy * R), std::trunc(u.r * R), begin,
                 end, beginToEnd);
}

ElementStroke straight(Point begin, Point end)
{
    ElementStroke s;
    s.straight = true;
    s.from = begin;
    s.to = end;
    return s;
}

// Resistors follow the reactance or susceptance circle, unless the begin
// point is on the real axis or the circle is so large that it is a line.
std::optional<ElementStroke> resistorStroke(double centreOffset, int R, int cy,
                                            double centreX, Point begin, Point end,
                                            bool beginToEnd)
{
    const int radius = toInt(std::abs(std::trunc(centreOffset)));
    if (std::abs(begin.y - cy) <= 3 || (R > 0 && radius / R >= 25))
        return straight(begin, end);
    return arcOn(centreX, cy + std::trunc(centreOffset), std::abs(std::trunc(centreOffset)), begin,
                 end, beginToEnd);
}

} // namespace

std::vector<Point> pathOnChart(std::span<const PathPoint> path, float z0, int R, int cx, int cy)
{
    std::vector<Point> points;
    points.reserve(path.size());
    for (const PathPoint& p : path)
        if (const std::optional<Point> at = impedanceToChart(p.z.re, p.z.im, z0, R, cx, cy))
            if (points.empty() || *at != points.back())
                points.push_back(*at);
    return points;
}

std::optional<ElementStroke> elementStroke(const Element& e, float z0f, int R, int cx, int cy,
                                           double f0)
{
    const std::optional<Point> begin = impedanceToChart(e.rBegin, e.xBegin, z0f, R, cx, cy);
    const std::optional<Point> end = impedanceToChart(e.rEnd, e.xEnd, z0f, R, cx, cy);
    if (!begin || !end)
        return std::nullopt;
    if (followsPath(e)) {
        ElementStroke s;
        s.path = pathOnChart(committedPath(e, z0f, f0), z0f, R, cx, cy);
        s.from = *begin;
        s.to = *end;
        // Without a design frequency there is no path: a straight line then.
        s.straight = s.path.size() < 2;
        if (s.straight)
            s.path.clear();
        return s;
    }
    const double z0 = z0f;
    const double rb = e.rBegin, xb = e.xBegin;
    const double r = rb / z0;
    const double mag2 = rb * rb + xb * xb;
    const double g = z0 * rb / mag2;
    const double bn = -z0 * xb / mag2;
    const UnitCircle constantR{r / (r + 1.0), 0.0, 1.0 / (r + 1.0)};
    const UnitCircle constantG{-g / (g + 1.0), 0.0, 1.0 / (g + 1.0)};

    switch (e.kind) {
    case ElementKind::CS:
        return arcOnUnit(constantR, R, cx, cy, *begin, *end, true);
    case ElementKind::IS:
        return arcOnUnit(constantR, R, cx, cy, *begin, *end, false);
    case ElementKind::CP:
    case ElementKind::LPO:
        return arcOnUnit(constantG, R, cx, cy, *begin, *end, false);
    case ElementKind::IP:
    case ElementKind::LPS:
        return arcOnUnit(constantG, R, cx, cy, *begin, *end, true);
    case ElementKind::RS:
        return resistorStroke(R * z0 / xb, R, cy, static_cast<double>(cx) + R, *begin, *end,
                              xb > 0);
    case ElementKind::RP:
        return resistorStroke(R * (-1.0 / bn), R, cy, static_cast<double>(cx) - R, *begin,
                              *end, xb < 0);
    case ElementKind::LS: {
        const double zl = e.lineImpedance;
        const double zl2 = zl * zl;
        const double f = rb * zl2 + zl2 * z0 + z0 * z0 * rb + z0 * xb * xb + z0 * rb * rb;
        const double c = rb * (zl2 - z0 * z0) / f;
        const double rho = std::sqrt(
            c * c + (zl2 * z0 + z0 * xb * xb + z0 * rb * rb - z0 * z0 * rb - rb * zl2) / f);
        return arcOnUnit({c, 0.0, rho}, R, cx, cy, *begin, *end, false);
    }
    case ElementKind::TR: {
        if (std::abs(xb) <= 0.01 || std::abs(xb / rb) <= 0.1)
            return straight(*begin, *end);
        const double q = rb == 0.0 ? static_cast<double>(FLOAT_BIG) : xb / rb;
        const double ratio = e.value;
        const bool endToBegin = (xb > 0 && ratio > 1) || (xb < 0 && ratio < 1);
        return arcOn(cx, cy + std::trunc(R / -q), std::trunc(R * std::sqrt(q * q + 1.0) / q),
                     *begin, *end, !endToBegin);
    }
    case ElementKind::RlcSeries:
    case ElementKind::RlcParallel:
    case ElementKind::Block:
        return straight(*begin, *end);
    case ElementKind::None:
        break;
    }
    return std::nullopt;
}

std::optional<ElementStroke> blockStroke(const Element& e, float z0, int R, int cx, int cy,
                                         double f0)
{
    std::optional<ElementStroke> s = elementStroke(e, z0, R, cx, cy, f0);
    const std::optional<Abcd> m = elementAbcd(e, f0, f0);
    if (!s || !m)
        return s;
    // Enough steps for a smooth curve at any zoom the chart allows.
    constexpr int steps = 96;
    std::vector<Point> path;
    path.reserve(steps + 1);
    for (const Complex z : elementPath(*m, {e.rBegin, e.xBegin}, steps)) {
        const std::optional<Point> p = impedanceToChart(z.re, z.im, z0, R, cx, cy);
        if (!p)
            return s;
        path.push_back(*p);
    }
    if (path.size() < 2)
        return s;
    // The stored points, exactly: the path meets the neighbours' markers.
    path.front() = s->from;
    path.back() = s->to;
    s->path = std::move(path);
    return s;
}

namespace {

void drawStrokes(Canvas& canvas, std::span<const Element> elements, float z0, int R,
                 const ChartGeometry& g, double f0)
{
    for (const Element& e : elements) {
        const std::optional<ElementStroke> s = e.kind == ElementKind::Block
                                                   ? blockStroke(e, z0, R, g.cx, g.cy, f0)
                                                   : elementStroke(e, z0, R, g.cx, g.cy, f0);
        if (!s)
            continue;
        if (!s->path.empty()) {
            canvas.polyline(s->path);
        } else if (s->straight) {
            canvas.moveTo(s->from);
            canvas.lineTo(s->to);
        } else {
            drawArcAbout(canvas, s->centre.x, s->centre.y, s->radius, s->from, s->to);
        }
    }
}

} // namespace

void drawElementArcs(Canvas& canvas, const Design& d, const ChartStyle& style,
                     const ChartGeometry& g)
{
    const int R = chartRadius(g.baseRadius, g.zoom);
    canvas.setPen({PenStyle::Solid, style.lineWidth, style.colours.element});
    const int count = std::clamp(d.elementCount, 0, Design::elementCapacity);
    drawStrokes(canvas, {d.elements.data(), static_cast<std::size_t>(count)}, d.z0, R, g,
                designFrequency(d));
}

void drawPreviewArcs(Canvas& canvas, std::span<const Element> elements, float z0, Colour colour,
                     int lineWidth, const ChartGeometry& g, double f0)
{
    const CanvasStateGuard keep(canvas);
    canvas.setPen({PenStyle::Dashed, std::max(2, lineWidth), colour});
    drawStrokes(canvas, elements, z0, chartRadius(g.baseRadius, g.zoom), g, f0);
}

void drawPreviewCurve(Canvas& canvas, std::span<const Complex> impedances, float z0, const Pen& pen,
                      const ChartGeometry& g)
{
    const int R = chartRadius(g.baseRadius, g.zoom);
    std::vector<Point> line;
    for (const Complex& z : impedances)
        if (const std::optional<Point> p = impedanceToChart(z.re, z.im, z0, R, g.cx, g.cy))
            line.push_back(*p);
    if (line.empty())
        return;
    const CanvasStateGuard keep(canvas);
    canvas.setPen(pen);
    canvas.polyline(line);
    canvas.setPen({PenStyle::Solid, 1, pen.colour});
    drawCircle(canvas, line.front().x, line.front().y, 3);
    drawCircle(canvas, line.back().x, line.back().y, 5);
}

} // namespace zelvo
