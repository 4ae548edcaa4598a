// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/splot_plots.h"

#include "core/format.h"
#include "core/numeric.h"
#include "render/chart_geometry.h"
#include "render/chart_grid.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zelvo {

namespace {

int pointsOf(const SParamSet& set)
{
    return set.validPoints();
}

} // namespace

std::vector<std::optional<Point>> tracePositions(const SParamSet& set, TraceCode code, int radius,
                                                 double fullScale, int cx, int cy)
{
    std::vector<std::optional<Point>> out;
    const int n = pointsOf(set);
    out.reserve(static_cast<std::size_t>(n));
    const auto keep = [&](double x, double y) {
        if (drawablePixel(x) && drawablePixel(y))
            out.emplace_back(Point{toInt(x), toInt(y)});
        else
            out.emplace_back(std::nullopt);
    };
    if (code == TraceCode::S11 || code == TraceCode::S22) {
        const bool s11 = code == TraceCode::S11;
        for (int i = 0; i < n; ++i) {
            const SParamPoint& p = set.points[static_cast<std::size_t>(i)];
            const double re = s11 ? p.s11re : p.s22re;
            const double im = s11 ? p.s11im : p.s22im;
            keep(cx + std::trunc(radius * re), cy + std::trunc(radius * im));
        }
        return out;
    }
    const bool s12 = code == TraceCode::S12;
    for (int i = 0; i < n; ++i) {
        const SParamPoint& p = set.points[static_cast<std::size_t>(i)];
        const double mag = s12 ? p.s12mag : p.s21mag;
        const double ang = s12 ? p.s12ang : p.s21ang;
        const double r = radius * mag / fullScale;
        keep(cx + std::trunc(std::cos(ang) * r), cy + std::trunc(std::sin(ang) * r));
    }
    return out;
}

PlotTrace plotTrace(std::vector<std::optional<Point>> positions, PixelBox box)
{
    PlotTrace t;
    t.positions = std::move(positions);
    if (t.positions.size() <= static_cast<std::size_t>(reduceTracesAbove))
        return t;
    TraceReducer reducer(box);
    for (const std::optional<Point>& p : t.positions) {
        if (p)
            reducer.add(*p);
        else
            reducer.gap();
    }
    t.runs = reducer.finish();
    t.reduced = true;
    return t;
}

void drawPlotTrace(Canvas& canvas, const PlotTrace& trace, Colour colour, int lineWidth)
{
    const Pen pen{PenStyle::Solid, lineWidth, colour};
    if (trace.reduced) {
        drawTraceRuns(canvas, trace.runs, pen, pen, TraceJoin::Polyline);
        return;
    }
    // Point by point: a circle at each, joined in order; a point that cannot
    // be drawn breaks the line.
    const CanvasStateGuard keep(canvas);
    canvas.setPen(pen);
    std::vector<Point> run;
    run.reserve(trace.positions.size());
    const auto flush = [&] {
        canvas.polyline(run);
        run.clear();
    };
    for (const std::optional<Point>& p : trace.positions) {
        if (!p) {
            flush();
            continue;
        }
        run.push_back(*p);
        drawCircle(canvas, p->x, p->y, 2);
    }
    flush();
}

namespace {

// Beyond twice the radius only the reflections of active devices fall; their
// circles are drawn but not merged.
PixelBox aroundCentre(int radius, int cx, int cy)
{
    const int reach = sumSaturated(radius, radius, 16);
    return {sumSaturated(cx, -reach), sumSaturated(cy, -reach), sumSaturated(cx, reach),
            sumSaturated(cy, reach)};
}

int chartRadius(int width, int height)
{
    return std::max(0, plotHalfSize(width, height) - 10);
}

int polarRadius(int width, int height)
{
    const int half = plotHalfSize(width, height);
    return half < 21 ? 0 : half - 20;
}

} // namespace

void drawChartTrace(Canvas& canvas, const SParamSet& set, TraceCode code, int radius,
                    Colour colour, int lineWidth, int cx, int cy)
{
    drawPlotTrace(
        canvas,
        plotTrace(tracePositions(set, code, radius, 1.0, cx, cy), aroundCentre(radius, cx, cy)),
        colour, lineWidth);
}

void drawPolarTrace(Canvas& canvas, const SParamSet& set, TraceCode code, int radius,
                    double fullScale, Colour colour, int lineWidth, int cx, int cy)
{
    drawPlotTrace(canvas,
                  plotTrace(tracePositions(set, code, radius, fullScale, cx, cy),
                            aroundCentre(radius, cx, cy)),
                  colour, lineWidth);
}

void drawPolarGrid(Canvas& canvas, int radius, Colour colour, double fullScale, double step,
                   bool labelsOn, int fontHeight, int cx, int cy)
{
    const CanvasStateGuard keep(canvas);
    canvas.setFont({fontHeight, FontFace::Default, 400, 0});
    canvas.setTextColour(rgb(0, 0, 0));
    canvas.setPen({PenStyle::Solid, 1, colour});
    drawCircle(canvas, cx, cy, radius);
    if (labelsOn)
        canvas.text({cx + radius, cy}, printfString("%.2G", fullScale), TextAlign::CentreTop);
    canvas.moveTo({cx - radius, cy});
    canvas.lineTo({cx + radius, cy});
    canvas.moveTo({cx, cy - radius});
    canvas.lineTo({cx, cy + radius});
    const int d = toInt(radius * std::sin(std::numbers::pi / 4));
    canvas.moveTo({cx - d, cy - d});
    canvas.lineTo({cx + d, cy + d});
    canvas.moveTo({cx - d, cy + d});
    canvas.lineTo({cx + d, cy - d});
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(fullScale))
        return;
    // Rings at whole multiples of the step; a step far below full scale would
    // only fill the plot, so there are at most a hundred.
    for (int k = 1; k <= 100; ++k) {
        const double v = k * step;
        if (!(v < fullScale))
            break;
        // k * (step / F): exact quarters for the usual step of F / 4.
        const int r = toInt(k * radius * (step / fullScale));
        drawCircle(canvas, cx, cy, r);
        if (labelsOn)
            canvas.text({cx + r, cy}, printfString("%.2G", v), TextAlign::CentreTop);
    }
}

double polarFullScale(const SParamSet& set, TraceCode code)
{
    const int n = pointsOf(set);
    if (n == 0)
        return 1.2;
    const bool s12 = code == TraceCode::S12;
    const auto magOf = [&](int i) {
        const SParamPoint& p = set.points[static_cast<std::size_t>(i)];
        return static_cast<double>(s12 ? p.s12mag : p.s21mag);
    };
    double largest = magOf(0);
    for (int i = 1; i < n; ++i)
        largest = std::max(largest, magOf(i));
    const double f = 1.2 * largest;
    return f > 0.0 && std::isfinite(f) ? f : 1.2;
}

std::vector<std::optional<Point>> plotPointPositions(const SParamSet& set, TraceCode code,
                                                     int width, int height)
{
    const bool chart = code == TraceCode::S11 || code == TraceCode::S22;
    return tracePositions(set, code,
                          chart ? chartRadius(width, height) : polarRadius(width, height),
                          chart ? 1.0 : polarFullScale(set, code), 0, 0);
}

PlotTrace plotWindowTrace(const SParamSet& set, TraceCode code, int width, int height)
{
    // The window's pixels in chart coordinates, with room for a circle and a
    // wide pen at the edges.
    const PixelBox window{-width / 2 - 16, height / 2 - height - 16, width - width / 2 + 16,
                          height / 2 + 16};
    return plotTrace(plotPointPositions(set, code, width, height), window);
}

int plotHalfSize(int width, int height)
{
    return std::min(width / 2, height / 2);
}

void paintChartPlotWindow(Canvas& canvas, const SParamSet& set, TraceCode code, int width,
                          int height, bool chartLabels, int lineWidth, const PlotTrace* trace)
{
    const int radius = chartRadius(width, height);
    drawChartGrid(canvas, radius, rgb(0, 0, 0), rgb(0, 0, 0), showZChartBit, 0, 0, chartLabels,
                  std::min(width, height) / 25, 1.0f, GridMode::SPlot, set.referenceImpedance);
    if (pointsOf(set) < 1)
        return;
    if (trace)
        drawPlotTrace(canvas, *trace, traceColour, lineWidth);
    else
        drawChartTrace(canvas, set, code, radius, traceColour, lineWidth, 0, 0);
}

void paintPolarPlotWindow(Canvas& canvas, const SParamSet& set, TraceCode code, int width,
                          int height, bool chartLabels, int lineWidth, const PlotTrace* trace)
{
    const int radius = polarRadius(width, height);
    const double full = polarFullScale(set, code);
    if (pointsOf(set) >= 1) {
        if (trace)
            drawPlotTrace(canvas, *trace, traceColour, lineWidth);
        else
            drawPolarTrace(canvas, set, code, radius, full, traceColour, lineWidth, 0, 0);
    }
    drawPolarGrid(canvas, radius, rgb(0, 0, 0), full, full / 4, chartLabels,
                  std::min(width, height) / 25, 0, 0);
}

} // namespace zelvo
