// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/chart_grid.h"

#include "core/format.h"
#include "core/numeric.h"
#include "render/chart_geometry.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zelvo {

int centreMarkRadius(int radius)
{
    const int q = radius / 105;
    return q <= 3 ? 3 : q;
}

namespace {

// A pixel coordinate at a distance from the centre: the distance is truncated
// toward zero, so that moving the centre moves the picture unchanged.
int at(int centre, double distance)
{
    return toInt(centre + std::trunc(distance));
}

struct GridFrame {
    Canvas& canvas;
    int R;
    int cx, cy;
    int h; // text height with external leading
    bool labels;
    GridMode mode;
    double z0;
    const ChartArea* visible;
    struct Box {
        double left, bottom, right, top;
    };
    std::vector<Box>* placed; // labels drawn so far, when they may move
};

// A label near the rim (where the arcs meet it, or under the small circles)
// would stick out of the chart's square, and so out of its window, by up to
// half its width: it moves inward to end at most 10 pixels outside the
// circle, the window's border around it.
void rimLabel(const GridFrame& f, Point at, const std::string& text)
{
    constexpr long long border = 10;
    const long long half = f.canvas.textWidth(text) / 2;
    long long x = at.x;
    x = std::min(x, static_cast<long long>(f.cx) + f.R + border - half);
    x = std::max(x, static_cast<long long>(f.cx) - f.R - border + half);
    f.canvas.text({toInt(static_cast<double>(x)), at.y}, text, TextAlign::CentreTop);
}

constexpr double pi = 3.14159265358979323846;

// Draws a label centred on the point (x, y) of the circle about (ccx, ccy)
// with radius rad. When the point is not in the visible area, the label goes
// to the visible point of the arc from angle a0 counter-clockwise to a1 that
// lies nearest to it and overlaps no label drawn before; no such point, no
// label.
void gridLabel(const GridFrame& f, Point anchor, double x, double y, double ccx, double ccy,
               double rad, double a0, double a1, const std::string& text)
{
    Canvas& c = f.canvas;
    const auto draw = [&](double px, double py) {
        c.text({toInt(std::trunc(px)), toInt(std::trunc(py + f.h / 2.0))}, text,
               TextAlign::CentreTop);
    };
    if (!f.visible) {
        rimLabel(f, anchor, text);
        return;
    }
    // Inset by half the label, so that the whole text stays inside.
    const double halfW = c.textWidth(text) / 2.0 + 2.0;
    const double halfH = f.h / 2.0 + 1.0;
    const ChartArea& v = *f.visible;
    const auto fits = [&](double px, double py) {
        return px - halfW >= v.left && px + halfW <= v.right && py - halfH >= v.bottom &&
               py + halfH <= v.top;
    };
    const auto boxAt = [&](double px, double py) {
        return GridFrame::Box{px - halfW, py - halfH, px + halfW, py + halfH};
    };
    const auto free = [&](double px, double py) {
        const GridFrame::Box b = boxAt(px, py);
        for (const GridFrame::Box& o : *f.placed)
            if (b.left < o.right && o.left < b.right && b.bottom < o.top && o.bottom < b.top)
                return false;
        return true;
    };
    if (fits(x, y)) {
        f.placed->push_back(boxAt(x, y));
        c.text(anchor, text, TextAlign::CentreTop);
        return;
    }
    if (!(rad > 0.0) || !std::isfinite(rad))
        return;
    while (a1 < a0)
        a1 += 2.0 * pi;
    // Steps of about two pixels along the arc, bounded for huge circles.
    const int steps = toInt(std::clamp(std::ceil((a1 - a0) * rad / 2.0), 16.0, 20000.0));
    bool found = false;
    double bestX = 0.0, bestY = 0.0, bestD = 0.0;
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps;
        const double px = ccx + rad * std::cos(a);
        const double py = ccy + rad * std::sin(a);
        if (!fits(px, py) || !free(px, py))
            continue;
        const double d = (px - x) * (px - x) + (py - y) * (py - y);
        if (!found || d < bestD) {
            found = true;
            bestX = px;
            bestY = py;
            bestD = d;
        }
    }
    if (found) {
        f.placed->push_back(boxAt(bestX, bestY));
        draw(bestX, bestY);
    }
}

void drawUnitWidthCircle(const GridFrame& f, double value, Colour colour, int cx, int r)
{
    const bool wide = value == 1.0 && f.mode == GridMode::Chart;
    if (wide)
        f.canvas.setPen({PenStyle::Solid, 2, colour});
    drawCircle(f.canvas, cx, f.cy, r);
    if (wide)
        f.canvas.setPen({PenStyle::Solid, 1, colour});
}

void drawZChart(const GridFrame& f, Colour colour)
{
    Canvas& c = f.canvas;
    const double R = f.R;
    c.setPen({PenStyle::Solid, 1, colour});
    c.setTextColour(colour);
    for (double r : gridValues) {
        const int centreX = at(f.cx, R * r / (r + 1.0));
        drawUnitWidthCircle(f, r, colour, centreX, toInt(R / (r + 1.0)));
        if (f.labels)
            gridLabel(f, {centreX, at(f.cy, -R / (r + 1.0) + f.h / 2.0)}, centreX,
                      f.cy - R / (r + 1.0), centreX, f.cy, std::trunc(R / (r + 1.0)), 0.0, 2.0 * pi,
                      printfString("%.1f", f.z0 * r));
    }
    for (double x : gridValues) {
        // The reactance circle (centre (R, t), radius t) meets the boundary at (v, w).
        const double t = R / x;
        const double v = -R * (t * t - R * R) / (t * t + R * R);
        const double w = std::sqrt(R * R - v * v);
        const Point onAxis{at(f.cx, R), f.cy};
        const Point upper{at(f.cx, v), at(f.cy, w)};
        const Point lower{at(f.cx, v), at(f.cy, -w)};
        drawArcAbout(c, onAxis.x, at(f.cy, t), toInt(t), upper, onAxis);
        if (f.labels)
            gridLabel(f, {upper.x, at(f.cy, w + f.h / 2.0)}, f.cx + v, f.cy + w, onAxis.x,
                      f.cy + std::trunc(t), std::trunc(t), std::atan2(w - t, v - R), -pi / 2.0,
                      printfString("%.1f", f.z0 * x));
        drawArcAbout(c, onAxis.x, at(f.cy, -t), toInt(t), onAxis, lower);
    }
    c.moveTo({sumSaturated(f.cx, -f.R), f.cy});
    c.lineTo({sumSaturated(f.cx, f.R), f.cy});
}

void drawYChart(const GridFrame& f, Colour colour)
{
    Canvas& c = f.canvas;
    const double R = f.R;
    c.setPen({PenStyle::Solid, 1, colour});
    c.setTextColour(colour);
    for (double g : gridValues) {
        const int centreX = at(f.cx, -R * g / (g + 1.0));
        drawUnitWidthCircle(f, g, colour, centreX, toInt(R / (g + 1.0)));
        if (f.labels)
            gridLabel(f, {centreX, at(f.cy, -R / (g + 1.0) + f.h / 2.0)}, centreX,
                      f.cy - R / (g + 1.0), centreX, f.cy, std::trunc(R / (g + 1.0)), 0.0, 2.0 * pi,
                      printfString("%.1G", g / f.z0));
    }
    for (double b : gridValues) {
        const double t = R / b;
        const double v = R * (t * t - R * R) / (t * t + R * R);
        const double w = std::sqrt(R * R - v * v);
        const Point onAxis{at(f.cx, -R), f.cy};
        const Point upper{at(f.cx, v), at(f.cy, w)};
        const Point lower{at(f.cx, v), at(f.cy, -w)};
        drawArcAbout(c, onAxis.x, at(f.cy, t), toInt(t), onAxis, upper);
        drawArcAbout(c, onAxis.x, at(f.cy, -t), toInt(t), lower, onAxis);
        if (f.labels)
            gridLabel(f, {lower.x, at(f.cy, -w + f.h / 2.0)}, f.cx + v, f.cy - w, onAxis.x,
                      f.cy - std::trunc(t), std::trunc(t), std::atan2(t - w, v + R), pi / 2.0,
                      printfString("%.1G", b / f.z0));
    }
    c.moveTo({sumSaturated(f.cx, -f.R), f.cy});
    c.lineTo({sumSaturated(f.cx, f.R), f.cy});
}

} // namespace

void drawChartGrid(Canvas& canvas, int baseRadius, Colour zColour, Colour yColour,
                   std::uint8_t chartKinds, int cx, int cy, bool labelsOn, int fontHeight,
                   float zoom, GridMode mode, float z0, const ChartArea* visible)
{
    const CanvasStateGuard keep(canvas);
    const int R = chartRadius(baseRadius, zoom);

    canvas.setPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    drawCircle(canvas, cx, cy, R);
    drawCircle(canvas, cx, cy, centreMarkRadius(R));

    canvas.setFont({fontHeight, FontFace::Default, 400, 0});
    const TextMetrics m = canvas.metrics();
    std::vector<GridFrame::Box> placed;
    const GridFrame frame{canvas,   R,    cx, cy,      m.height + m.externalLeading,
                          labelsOn, mode, z0, visible, &placed};
    if ((chartKinds & showZChartBit) != 0)
        drawZChart(frame, zColour);
    if ((chartKinds & showYChartBit) != 0)
        drawYChart(frame, yColour);
}

} // namespace zelvo
