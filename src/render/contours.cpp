// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/format.h"
#include "core/numeric.h"
#include "core/twoport.h"
#include "render/chart_geometry.h"
#include "render/chart_objects.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

int countOf(int count, int capacity)
{
    return std::clamp(count, 0, capacity);
}

// A circle given in units of the chart radius. Non-finite or saturated
// circles are skipped; a negative radius (a gain circle whose denominator is
// negative) is the same circle with the radius's magnitude.
struct PixelCircle {
    int x, y, r;
    double exactR; // R * rho, before truncation
};

std::optional<PixelCircle> toPixels(Complex centre, double rho, int R, int cx, int cy)
{
    const double x = cx + std::trunc(R * centre.re);
    const double y = cy + std::trunc(R * centre.im);
    const double r = std::trunc(R * std::abs(rho));
    if (!drawablePixel(x) || !drawablePixel(y) || !drawablePixel(r))
        return std::nullopt;
    return PixelCircle{toInt(x), toInt(y), toInt(r), R * std::abs(rho)};
}

// Captions sit centred on the circle's top, their baseline shifted down by
// half the text height (lift = false puts the baseline on the top itself).
void captionedCircle(Canvas& c, const PixelCircle& p, bool labels, const std::string& caption,
                     int h, bool lift)
{
    drawCircle(c, p.x, p.y, p.r);
    if (!labels)
        return;
    const double top = lift ? p.exactR - h / 2 : p.exactR;
    if (drawablePixel(p.y + std::trunc(top)))
        c.text({p.x, toInt(p.y + std::trunc(top))}, caption, TextAlign::CentreBaseline);
}

struct LayerPen {
    Canvas& canvas;
    int R;
    int h;
};

LayerPen beginLayer(Canvas& canvas, Colour colour, const ChartGeometry& g)
{
    canvas.setPen({PenStyle::Solid, 1, colour});
    canvas.setTextColour(colour);
    return {canvas, chartRadius(g.baseRadius, g.zoom), canvas.metrics().height};
}

} // namespace

void drawQCircles(Canvas& canvas, const Design& d, const ChartStyle& style, const ChartGeometry& g)
{
    const CanvasStateGuard keep(canvas);
    const LayerPen l = beginLayer(canvas, style.colours.q, g);
    const int R = l.R;
    const int count = countOf(d.qCount, Design::qCapacity);
    for (int i = 0; i < count; ++i) {
        const float q = d.qCircles[static_cast<std::size_t>(i)];
        // Single precision, as the contour values are stored.
        const float k = static_cast<float>(R) / q;
        const float rho = std::sqrt(q * q + 1.0f) * static_cast<float>(R) / q;
        if (!(q > 0.0f) || !drawablePixel(k) || !drawablePixel(rho))
            continue;
        const int ki = toInt(k), ri = toInt(rho);
        const int left = sumSaturated(g.cx, -R), right = sumSaturated(g.cx, R);
        drawArcAbout(canvas, g.cx, sumSaturated(g.cy, -ki), ri, {right, g.cy}, {left, g.cy});
        drawArcAbout(canvas, g.cx, sumSaturated(g.cy, ki), ri, {left, g.cy}, {right, g.cy});
        if (style.labels)
            canvas.text({g.cx, sumSaturated(g.cy, toInt(rho - k - static_cast<float>(l.h / 2)))},
                        printfString("Q = %.1f", static_cast<double>(q)),
                        TextAlign::CentreBaseline);
    }
}

void drawVswrCircles(Canvas& canvas, const Design& d, const ChartStyle& style,
                     const ChartGeometry& g)
{
    const CanvasStateGuard keep(canvas);
    const LayerPen l = beginLayer(canvas, style.colours.vswr, g);
    const int count = countOf(d.vswrCount, Design::vswrCapacity);
    for (int i = 0; i < count; ++i) {
        const double s = d.vswrCircles[static_cast<std::size_t>(i)];
        const double gamma = std::abs((1.0 - s) / (s + 1.0));
        const double r = gamma * l.R;
        if (!drawablePixel(r))
            continue;
        drawCircle(canvas, g.cx, g.cy, toInt(r));
        if (style.labels)
            canvas.text({g.cx, sumSaturated(g.cy, toInt(r - l.h / 2))}, printfString("VSWR = %.1f", s),
                        TextAlign::CentreBaseline);
    }
}

void drawStabilityCircles(Canvas& canvas, const Design& d, const ChartStyle& style,
                          const ChartGeometry& g)
{
    const CanvasStateGuard keep(canvas);
    const LayerPen l = beginLayer(canvas, style.colours.stability, g);
    const int count = countOf(d.stabilityCount, Design::stabilityCapacity);
    for (int i = 0; i < count; ++i) {
        const StabilityCircleRecord& rec = d.stabilityCircles[static_cast<std::size_t>(i)];
        const StabilityCircle sc = stabilityCircle(widen(rec.s), rec.plane);
        if (const auto p = toPixels(sc.centre, sc.radius, l.R, g.cx, g.cy))
            captionedCircle(canvas, *p, style.labels, printfString("S%i", i + 1), l.h, true);
    }
}

void drawGainCircles(Canvas& canvas, const Design& d, const ChartStyle& style,
                     const ChartGeometry& g)
{
    const CanvasStateGuard keep(canvas);
    const LayerPen l = beginLayer(canvas, style.colours.gain, g);
    const int count = countOf(d.gainCount, Design::gainCapacity);
    for (int i = 0; i < count; ++i) {
        const GainCircleRecord& rec = d.gainCircles[static_cast<std::size_t>(i)];
        const Circle c = gainCircle(widen(rec.s), rec.plane, rec.p);
        if (const auto p = toPixels(c.centre, c.radius, l.R, g.cx, g.cy))
            captionedCircle(canvas, *p, style.labels, printfString("G%i", i + 1), l.h, false);
    }
}

void drawNoiseCircles(Canvas& canvas, const Design& d, const ChartStyle& style,
                      const ChartGeometry& g)
{
    const CanvasStateGuard keep(canvas);
    const LayerPen l = beginLayer(canvas, style.colours.noise, g);
    const int count = countOf(d.noiseCount, Design::noiseCapacity);
    for (int i = 0; i < count; ++i) {
        const NoiseCircleRecord& rec = d.noiseCircles[static_cast<std::size_t>(i)];
        const Circle c = noiseCircle(rec.nfMin, rec.gammaOpt, rec.rn, rec.nf);
        if (const auto p = toPixels(c.centre, c.radius, l.R, g.cx, g.cy))
            captionedCircle(canvas, *p, style.labels, printfString("N%i", i + 1), l.h, true);
    }
}

} // namespace zelvo
