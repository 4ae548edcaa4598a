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

// Joins the points in order; a point that cannot be drawn breaks the line.
template <typename PositionOf>
void drawTrace(Canvas& canvas, const SParamSet& set, Colour colour, int lineWidth,
               PositionOf positionOf)
{
    const CanvasStateGuard keep(canvas);
    canvas.setPen({PenStyle::Solid, lineWidth, colour});
    std::vector<Point> run;
    run.reserve(static_cast<std::size_t>(pointsOf(set)));
    const auto flush = [&] {
        canvas.polyline(run);
        run.clear();
    };
    for (int i = 0; i < pointsOf(set); ++i) {
        const auto [x, y] = positionOf(set.points[static_cast<std::size_t>(i)]);
        if (!drawablePixel(x) || !drawablePixel(y)) {
            flush();
            continue;
        }
        const Point p{toInt(x), toInt(y)};
        run.push_back(p);
        drawCircle(canvas, p.x, p.y, 2);
    }
    flush();
}

} // namespace

void drawChartTrace(Canvas& canvas, const SParamSet& set, TraceCode code, int radius,
                    Colour colour, int lineWidth, int cx, int cy)
{
    const bool s11 = code == TraceCode::S11;
    drawTrace(canvas, set, colour, lineWidth, [&](const SParamPoint& p) {
        const double re = s11 ? p.s11re : p.s22re;
        const double im = s11 ? p.s11im : p.s22im;
        return std::pair{cx + std::trunc(radius * re), cy + std::trunc(radius * im)};
    });
}

void drawPolarTrace(Canvas& canvas, const SParamSet& set, TraceCode code, int radius,
                    double fullScale, Colour colour, int lineWidth, int cx, int cy)
{
    const bool s12 = code == TraceCode::S12;
    drawTrace(canvas, set, colour, lineWidth, [&](const SParamPoint& p) {
        const double mag = s12 ? p.s12mag : p.s21mag;
        const double ang = s12 ? p.s12ang : p.s21ang;
        const double r = radius * mag / fullScale;
        return std::pair{cx + std::trunc(std::cos(ang) * r), cy + std::trunc(std::sin(ang) * r)};
    });
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
    std::vector<std::optional<Point>> out;
    const bool chart = code == TraceCode::S11 || code == TraceCode::S22;
    const int half = plotHalfSize(width, height);
    const int radius = chart ? std::max(0, half - 10) : (half < 21 ? 0 : half - 20);
    const double full = chart ? 1.0 : polarFullScale(set, code);
    for (int i = 0; i < pointsOf(set); ++i) {
        const SParamPoint& p = set.points[static_cast<std::size_t>(i)];
        double x = 0.0, y = 0.0;
        if (chart) {
            x = std::trunc(radius * (code == TraceCode::S11 ? p.s11re : p.s22re));
            y = std::trunc(radius * (code == TraceCode::S11 ? p.s11im : p.s22im));
        }
        else {
            const double mag = code == TraceCode::S12 ? p.s12mag : p.s21mag;
            const double ang = code == TraceCode::S12 ? p.s12ang : p.s21ang;
            const double r = radius * mag / full;
            x = std::trunc(std::cos(ang) * r);
            y = std::trunc(std::sin(ang) * r);
        }
        if (drawablePixel(x) && drawablePixel(y))
            out.emplace_back(Point{toInt(x), toInt(y)});
        else
            out.emplace_back(std::nullopt);
    }
    return out;
}

int plotHalfSize(int width, int height)
{
    return std::min(width / 2, height / 2);
}

void paintChartPlotWindow(Canvas& canvas, const SParamSet& set, TraceCode code, int width,
                          int height, bool chartLabels, int lineWidth)
{
    const int radius = std::max(0, plotHalfSize(width, height) - 10);
    drawChartGrid(canvas, radius, rgb(0, 0, 0), rgb(0, 0, 0), showZChartBit, 0, 0, chartLabels,
                  std::min(width, height) / 25, 1.0f, GridMode::SPlot, set.referenceImpedance);
    if (pointsOf(set) >= 1)
        drawChartTrace(canvas, set, code, radius, traceColour, lineWidth, 0, 0);
}

void paintPolarPlotWindow(Canvas& canvas, const SParamSet& set, TraceCode code, int width,
                          int height, bool chartLabels, int lineWidth)
{
    const int half = plotHalfSize(width, height);
    const int radius = half < 21 ? 0 : half - 20;
    const double full = polarFullScale(set, code);
    if (pointsOf(set) >= 1)
        drawPolarTrace(canvas, set, code, radius, full, traceColour, lineWidth, 0, 0);
    drawPolarGrid(canvas, radius, rgb(0, 0, 0), full, full / 4, chartLabels,
                  std::min(width, height) / 25, 0, 0);
}

} // namespace zelvo
