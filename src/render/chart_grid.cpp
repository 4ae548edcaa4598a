#include "render/chart_grid.h"

#include "core/format.h"
#include "core/numeric.h"
#include "render/chart_geometry.h"

#include <algorithm>
#include <cmath>
#include <string>

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
            rimLabel(f, {centreX, at(f.cy, -R / (r + 1.0) + f.h / 2.0)},
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
            rimLabel(f, {upper.x, at(f.cy, w + f.h / 2.0)}, printfString("%.1f", f.z0 * x));
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
            rimLabel(f, {centreX, at(f.cy, -R / (g + 1.0) + f.h / 2.0)},
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
            rimLabel(f, {lower.x, at(f.cy, -w + f.h / 2.0)}, printfString("%.1G", b / f.z0));
    }
    c.moveTo({sumSaturated(f.cx, -f.R), f.cy});
    c.lineTo({sumSaturated(f.cx, f.R), f.cy});
}

} // namespace

void drawChartGrid(Canvas& canvas, int baseRadius, Colour zColour, Colour yColour,
                   std::uint8_t chartKinds, int cx, int cy, bool labelsOn, int fontHeight,
                   float zoom, GridMode mode, float z0)
{
    const CanvasStateGuard keep(canvas);
    const int R = chartRadius(baseRadius, zoom);

    canvas.setPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    drawCircle(canvas, cx, cy, R);
    drawCircle(canvas, cx, cy, centreMarkRadius(R));

    canvas.setFont({fontHeight, FontFace::Default, 400, 0});
    const TextMetrics m = canvas.metrics();
    const GridFrame frame{canvas, R, cx, cy, m.height + m.externalLeading, labelsOn, mode, z0};
    if ((chartKinds & showZChartBit) != 0)
        drawZChart(frame, zColour);
    if ((chartKinds & showYChartBit) != 0)
        drawYChart(frame, yColour);
}

} // namespace zelvo
