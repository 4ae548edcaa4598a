// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/format.h"
#include "core/numeric.h"
#include "render/chart_geometry.h"
#include "render/chart_objects.h"

#include <algorithm>
#include <vector>

namespace zelvo {

namespace {

// Walks the applied history in order, handing each data point and element
// end point its running number. Entries that the counts do not cover (an
// inconsistent file) are passed over.
template <typename OnPoint, typename OnElement>
void walkNumbering(const Design& d, OnPoint onPoint, OnElement onElement)
{
    const int points = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    const int elements = std::clamp(d.elementCount, 0, Design::elementCapacity);
    const int entries = std::clamp(d.historyCount, 0, Design::historyCapacity);
    int p = 0, e = 0, number = 0;
    for (int i = 0; i < entries; ++i) {
        const HistoryEntry k = d.history[static_cast<std::size_t>(i)];
        if (k == HistoryEntry::DataPoint && p < points)
            onPoint(p++, ++number);
        else if (k == HistoryEntry::Element && e < elements)
            onElement(e++, ++number);
    }
}

std::optional<Point> pointOf(double r, double x, const Design& d, int R, const ChartGeometry& g)
{
    return impedanceToChart(r, x, d.z0, R, g.cx, g.cy);
}

void marker(Canvas& c, Point p, int s)
{
    drawCircle(c, p.x, p.y, s);
}

} // namespace

void drawDataPoints(Canvas& canvas, const Design& d, const ChartStyle& style,
                    const ChartGeometry& g, PointParts parts)
{
    const bool points = parts != PointParts::ElementEnds;
    const bool ends = parts != PointParts::DataPoints;
    const int R = chartRadius(g.baseRadius, g.zoom);
    const int s = markerRadius(R);
    canvas.setPen({PenStyle::Solid, style.lineWidth, style.colours.dataPoint});
    canvas.setTextColour(rgb(0, 0, 0));

    std::optional<Point> previous;
    const auto numbered = [&](std::optional<Point> p, int number) {
        if (!p)
            return;
        if (style.labels)
            canvas.text(*p, printfString("%i", number), TextAlign::LeftTop);
        marker(canvas, *p, s);
    };
    walkNumbering(
        d,
        [&](int i, int number) {
            if (!points)
                return;
            const DataPoint& dp = d.dataPoints[static_cast<std::size_t>(i)];
            const std::optional<Point> p = pointOf(dp.r, dp.x, d, R, g);
            numbered(p, number);
            if (style.linkDataPoints && p && previous) {
                canvas.moveTo(*previous);
                canvas.lineTo(*p);
            }
            if (p)
                previous = p;
        },
        [&](int i, int number) {
            if (!ends)
                return;
            const Element& e = d.elements[static_cast<std::size_t>(i)];
            numbered(pointOf(e.rEnd, e.xEnd, d, R, g), number);
        });

    if (!points || d.dataPointCount < 1 || d.startPoint < 1 ||
        d.startPoint > std::min(d.dataPointCount, Design::pointCapacity))
        return;
    const DataPoint& start = d.dataPoints[static_cast<std::size_t>(d.startPoint - 1)];
    if (const std::optional<Point> p = pointOf(start.r, start.x, d, R, g)) {
        canvas.setPen({PenStyle::Solid, 1, startSquareColour});
        canvas.rectangle(sumSaturated(p->x, -s, -1), sumSaturated(p->y, s, 1),
                         sumSaturated(p->x, s, 1), sumSaturated(p->y, -s, -1));
    }
}

void drawWideband(Canvas& canvas, const Design& d, const ChartStyle& style,
                  const ChartGeometry& g)
{
    const int R = chartRadius(g.baseRadius, g.zoom);
    const int s = markerRadius(R);
    const int points = std::clamp(d.dataPointCount, 0, Design::pointCapacity);

    std::vector<Point> line;
    line.reserve(static_cast<std::size_t>(points));
    const auto polylineOf = [&](const auto& pointAt) {
        line.clear();
        for (int i = 0; i < points; ++i)
            if (const std::optional<Point> p = pointAt(static_cast<std::size_t>(i)))
                line.push_back(*p);
        canvas.polyline(line);
    };
    canvas.setPen({PenStyle::Dotted, 1, style.colours.dataPoint});
    polylineOf([&](std::size_t i) { return pointOf(d.dataPoints[i].r, d.dataPoints[i].x, d, R, g); });
    canvas.setPen({PenStyle::Dotted, 1, style.colours.wideband});
    const auto skipped = [&](std::size_t i) { return d.widebandSkipped[i]; };
    if (std::none_of(d.widebandSkipped.begin(), d.widebandSkipped.begin() + points,
                     [](bool s) { return s; })) {
        polylineOf([&](std::size_t i) { return pointOf(d.widebandR[i], d.widebandX[i], d, R, g); });
    } else {
        // A point at which a block has no value breaks the curve: nothing is
        // drawn where nothing is known.
        std::vector<Point> run;
        for (int i = 0; i <= points; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (i == points || skipped(k)) {
                if (run.size() > 1)
                    canvas.polyline(run);
                run.clear();
            } else if (const std::optional<Point> p =
                           pointOf(d.widebandR[k], d.widebandX[k], d, R, g)) {
                run.push_back(*p);
            }
        }
    }

    canvas.setPen({PenStyle::Solid, 1, style.colours.wideband});
    canvas.setTextColour(rgb(0, 0, 0));
    walkNumbering(
        d,
        [&](int i, int number) {
            if (i == d.startPoint - 1)
                return;
            const auto k = static_cast<std::size_t>(i);
            if (skipped(k)) {
                // No result: a cross on the data point itself.
                const DataPoint& dp = d.dataPoints[k];
                const std::optional<Point> p = pointOf(dp.r, dp.x, d, R, g);
                if (!p)
                    return;
                const int a = s + 3;
                canvas.moveTo({sumSaturated(p->x, -a, 0), sumSaturated(p->y, -a, 0)});
                canvas.lineTo({sumSaturated(p->x, a, 0), sumSaturated(p->y, a, 0)});
                canvas.moveTo({sumSaturated(p->x, -a, 0), sumSaturated(p->y, a, 0)});
                canvas.lineTo({sumSaturated(p->x, a, 0), sumSaturated(p->y, -a, 0)});
                // Above the cross: the point's own number stands below it.
                if (style.labels)
                    canvas.text({sumSaturated(p->x, a, 0), sumSaturated(p->y, a, 0)},
                                fillIn(style.texts.translate("Chart", "W%1: no value"), {std::to_string(number)}), TextAlign::LeftBottom);
                return;
            }
            const std::optional<Point> p = pointOf(d.widebandR[k], d.widebandX[k], d, R, g);
            if (!p)
                return;
            marker(canvas, *p, s);
            if (style.labels)
                canvas.text(*p, printfString("W%i", number), TextAlign::LeftTop);
        },
        [](int, int) {});
}

} // namespace zelvo
