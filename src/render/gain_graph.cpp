// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/gain_graph.h"

#include "core/format.h"
#include "core/numeric.h"
#include "render/chart_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelvo {

namespace {

int pointsOf(const SParamSet& set) { return set.validPoints(); }

// The gain a point contributes, and to which series; 0 when none.
int seriesOf(const SParamSet& set, std::size_t i)
{
    const double k = set.stabilityK[i];
    if (k >= 1.0)
        return magSeries;
    if (k < 1.0)
        return msgSeries;
    return 0; // K was not computed
}

double gainOf(const SParamSet& set, std::size_t i)
{
    return seriesOf(set, i) == magSeries ? set.magDb[i] : set.msgDb[i];
}

// Pixel layout shared by the graph and its traces.
struct Frame {
    int x0, y0, width, height;
    DecadeSpan decades;
    int decadeWidth;
    double gLo, gHi;

    int plotHeight() const { return height - 30; }
};

Frame frameOf(int x0, int y0, int width, int height, double fMin, double fMax, double gMin,
              double gMax)
{
    const DecadeSpan d = decadeSpan(fMin, fMax);
    return {x0, y0, width, height, d, (width - 30) / d.count(), std::floor(gMin), std::ceil(gMax)};
}

} // namespace

std::string frequencyAxisTitle(int exponent)
{
    switch (exponent) {
    case 3: return "f [kHz]";
    case 6: return "f [MHz]";
    case 9: return "f [GHz]";
    default: return "f [Hz]";
    }
}

void roundGainRange(double& gMin, double& gMax)
{
    gMin = std::floor(gMin);
    gMax = std::ceil(gMax);
    if (gMax - gMin > 10.0) {
        // Down to the multiple of ten below, also for negative gains, so that
        // no value falls under the axis.
        gMin = std::floor(gMin / 10.0) * 10.0;
        const double t = std::trunc(gMax);
        gMax = t + 10.0 - std::fmod(t, 10.0);
    }
    if (!(gMax > gMin))
        gMax = gMin + 1.0;
}

DecadeSpan decadeSpan(double fMin, double fMax)
{
    DecadeSpan d;
    // Doubles span about 630 decades; anything beyond is not a frequency.
    d.lo = std::clamp(toInt(std::floor(std::log10(fMin))), -400, 400);
    d.hi = std::clamp(toInt(std::ceil(std::log10(fMax))), -400, 400);
    // A single frequency on a power of ten still gets its decade.
    if (d.hi <= d.lo)
        d.hi = d.lo + 1;
    return d;
}

GainAxes gainGraphAxes(const SParamSet& set)
{
    GainAxes axes;
    const int n = set.loaded ? pointsOf(set) : 0;
    double fMin = 0, fMax = 0;
    bool anyFrequency = false;
    double gMin = FLOAT_BIG, gMax = FLOAT_TINY;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double f = set.points[k].frequency;
        if (f > 0.0 && std::isfinite(f)) {
            fMin = anyFrequency ? std::min(fMin, f) : f;
            fMax = anyFrequency ? std::max(fMax, f) : f;
            anyFrequency = true;
        }
        const double g = gainOf(set, k);
        if (seriesOf(set, k) != 0 && std::isfinite(g)) {
            gMin = std::min(gMin, g);
            gMax = std::max(gMax, g);
        }
    }
    if (n == 0)
        return axes;
    axes.title = frequencyAxisTitle(set.freqExponent);
    axes.legend = true;
    if (anyFrequency) {
        axes.fMin = fMin;
        axes.fMax = fMax;
    }
    if (gMin <= gMax) {
        roundGainRange(gMin, gMax);
        axes.gMin = gMin;
        axes.gMax = gMax;
    }
    return axes;
}

void drawGainGraph(Canvas& canvas, int x0, int y0, int width, int height, Colour frameColour,
                   double fMin, double fMax, double gMin, double gMax, const std::string& title,
                   std::span<const GainSeries> series, int fontHeight)
{
    const CanvasStateGuard keep(canvas);
    const Frame f = frameOf(x0, y0, width, height, fMin, fMax, gMin, gMax);
    const int left = x0 + 30, right = x0 + width, bottom = y0 + f.plotHeight();
    canvas.setPen({PenStyle::Solid, 1, frameColour});
    canvas.rectangle(left, y0, right, bottom);

    canvas.setPen({PenStyle::Dotted, 1, frameColour});
    const int span = toInt(f.gHi - f.gLo);
    const int perDb = span > 0 ? f.plotHeight() / span : 0;
    const int step = span > 10 ? 10 : 1;
    for (int k = step; k < span; k += step) {
        canvas.moveTo({left, y0 + perDb * k});
        canvas.lineTo({right, y0 + perDb * k});
    }
    const int n = f.decades.count();
    const int w = f.decadeWidth;
    for (int r = 1; r < n; ++r) {
        canvas.moveTo({left + w * r, y0});
        canvas.lineTo({left + w * r, bottom});
    }
    for (int r = 1; r <= n; ++r)
        for (int m = 2; m <= 9; ++m) {
            const int x = left + toInt((r - 1 + std::log10(m)) * w);
            canvas.moveTo({x, y0});
            canvas.lineTo({x, bottom});
        }

    const int h = fontHeight;
    canvas.setTextColour(rgb(0, 0, 0));
    canvas.setFont({h, FontFace::Default, 400, 0});
    canvas.text({x0 + width / 2, y0 + height}, title, TextAlign::CentreTop);
    for (std::size_t k = 0; k < series.size(); ++k) {
        const int y = y0 + height + h * (static_cast<int>(k) + 2);
        canvas.setPen({series[k].style, 1, series[k].colour});
        canvas.moveTo({x0 + 10, y - h / 2});
        canvas.lineTo({x0 + 100, y - h / 2});
        canvas.text({x0 + 110, y}, series[k].name, TextAlign::LeftBottom);
    }

    canvas.setFont({h / 3 * 2, FontFace::Default, 400, 0});
    for (int r = 0; r <= n; ++r)
        canvas.text({left + w * r, bottom}, printfString("10^%i", f.decades.lo + r),
                    TextAlign::CentreTop);
    canvas.text({left, bottom}, printfString("%i", toInt(f.gLo)), TextAlign::RightBaseline);
    canvas.text({left, y0}, printfString("%i", toInt(f.gHi)), TextAlign::RightBaseline);
}

// A trace of small circles joined by lines; a gap leaves the next point
// unjoined. The markers stay solid; only the joining line takes the style.
namespace {

struct MarkedTrace {
    Canvas& canvas;
    Colour colour;
    PenStyle style;
    bool joined = false;
    Point previous{};

    void gap() { joined = false; }
    void add(Point p)
    {
        canvas.setPen({PenStyle::Solid, 1, colour});
        drawCircle(canvas, p.x, p.y, 2);
        if (joined) {
            canvas.setPen({style, 1, colour});
            canvas.moveTo(previous);
            canvas.lineTo(p);
        }
        previous = p;
        joined = true;
    }
};

} // namespace

void drawGainTrace(Canvas& canvas, int x0, int y0, int width, int height, Colour colour,
                   double fMin, double fMax, double gMin, double gMax, const SParamSet& set,
                   int series, PenStyle style)
{
    const CanvasStateGuard keep(canvas);
    const Frame f = frameOf(x0, y0, width, height, fMin, fMax, gMin, gMax);
    MarkedTrace trace{canvas, colour, style};
    for (int i = 0; i < pointsOf(set); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double freq = set.points[k].frequency;
        const double value = gainOf(set, k);
        const double x = x0 + 30 + std::trunc(f.decadeWidth * (std::log10(freq) - f.decades.lo));
        const double y =
            y0 + std::trunc(f.plotHeight() * (1.0 - (value - f.gLo) / (f.gHi - f.gLo)));
        if (seriesOf(set, k) != series || !(freq > 0.0) || !drawablePixel(x) || !drawablePixel(y))
            trace.gap();
        else
            trace.add({toInt(x), toInt(y)});
    }
}

double muAxisTop(const SParamSet& set)
{
    double top = 2.0;
    for (int i = 0; i < pointsOf(set); ++i)
        for (const double mu : {set.muLoad[static_cast<std::size_t>(i)],
                                set.muSource[static_cast<std::size_t>(i)]})
            if (std::isfinite(mu))
                top = std::max(top, std::ceil(mu));
    return std::min(top, 5.0);
}

void drawMuTraces(Canvas& canvas, int x0, int y0, int width, int height, double fMin, double fMax,
                  double top, const SParamSet& set, int fontHeight)
{
    const CanvasStateGuard keep(canvas);
    const Frame f = frameOf(x0, y0, width, height, fMin, fMax, 0.0, top);
    const int left = x0 + 30, right = x0 + width;
    const auto yOf = [&](double mu) { return y0 + std::trunc(f.plotHeight() * (1.0 - mu / top)); };
    const int one = toInt(yOf(1.0));
    canvas.setPen({PenStyle::Dotted, 1, muColour});
    canvas.moveTo({left, one});
    canvas.lineTo({right, one});
    canvas.setTextColour(muColour);
    canvas.setFont({fontHeight / 3 * 2, FontFace::Default, 400, 0}); // as the dB labels
    for (const double mu : {0.0, 1.0, top})
        canvas.text({right + 3, toInt(yOf(mu))}, printfString("%i", toInt(mu)),
                    TextAlign::LeftBaseline);

    for (const bool source : {false, true}) {
        const std::vector<double>& values = source ? set.muSource : set.muLoad;
        MarkedTrace trace{canvas, source ? muPrimeColour : muColour,
                          source ? PenStyle::Dotted : PenStyle::Solid};
        for (int i = 0; i < pointsOf(set); ++i) {
            const auto k = static_cast<std::size_t>(i);
            const double freq = set.points[k].frequency;
            const double mu = values[k];
            const double x = left + std::trunc(f.decadeWidth * (std::log10(freq) - f.decades.lo));
            if (!(freq > 0.0) || !(mu >= 0.0 && mu <= top) || !drawablePixel(x))
                trace.gap();
            else
                trace.add({toInt(x), toInt(yOf(mu))});
        }
    }
}

GainGraphSize gainGraphSize(int windowWidth, int windowHeight, int fontHeight)
{
    // Room right of the graph, and below it for the title and four legend rows.
    const int width = std::max(gainGraphWidth, windowWidth - 40);
    const int height = std::max(gainGraphHeight, windowHeight - 30 - 6 * std::max(fontHeight, 0));
    return {width, height};
}

void drawGainLineLabels(Canvas& canvas, int x0, int y0, int width, int height, const GainAxes& a,
                        int fontHeight)
{
    const CanvasStateGuard keep(canvas);
    const Frame f = frameOf(x0, y0, width, height, a.fMin, a.fMax, a.gMin, a.gMax);
    const int span = toInt(f.gHi - f.gLo);
    const int perDb = span > 0 ? f.plotHeight() / span : 0;
    const int step = span > 10 ? 10 : 1;
    canvas.setTextColour(rgb(0, 0, 0));
    canvas.setFont({fontHeight / 3 * 2, FontFace::Default, 400, 0});
    for (int k = step; k < span; k += step)
        canvas.text({x0 + 30, y0 + perDb * k}, printfString("%i", toInt(f.gHi) - k),
                    TextAlign::RightBaseline);
}

void paintGainGraphWindow(Canvas& canvas, const SParamSet& set, const GainGraphScroll& scroll,
                          int fontHeight, int windowWidth, int windowHeight)
{
    const int x0 = 20 - scroll.horizontal;
    const int y0 = 20 - scroll.vertical;
    const GainGraphSize size = gainGraphSize(windowWidth, windowHeight, fontHeight);
    const int width = size.width, height = size.height;
    const bool scaled = width > gainGraphWidth || height > gainGraphHeight;
    const GainAxes a = gainGraphAxes(set);
    if (!a.legend) {
        drawGainGraph(canvas, x0, y0, width, height, rgb(0, 0, 0), a.fMin, a.fMax, a.gMin,
                      a.gMax, a.title, {}, fontHeight);
        if (scaled)
            drawGainLineLabels(canvas, x0, y0, width, height, a, fontHeight);
        return;
    }
    const std::array<GainSeries, 4> series = {
        GainSeries{"MAG [dB]", rgb(255, 0, 0), PenStyle::Solid},
        GainSeries{"MSG [dB]", rgb(0, 0, 255), PenStyle::Dotted},
        GainSeries{"mu [-] (right scale)", muColour, PenStyle::Solid},
        GainSeries{"mu' [-] (right scale)", muPrimeColour, PenStyle::Dotted}};
    drawGainGraph(canvas, x0, y0, width, height, rgb(0, 0, 0), a.fMin, a.fMax, a.gMin, a.gMax,
                  a.title, series, fontHeight);
    if (scaled)
        drawGainLineLabels(canvas, x0, y0, width, height, a, fontHeight);
    for (int s = magSeries; s <= msgSeries; ++s) {
        const GainSeries& g = series[static_cast<std::size_t>(s - 1)];
        drawGainTrace(canvas, x0, y0, width, height, g.colour, a.fMin, a.fMax, a.gMin, a.gMax,
                      set, s, g.style);
    }
    drawMuTraces(canvas, x0, y0, width, height, a.fMin, a.fMax, muAxisTop(set), set, fontHeight);
}

std::vector<std::optional<GainPointPosition>>
gainPointPositions(const SParamSet& set, const GainGraphScroll& scroll, int fontHeight,
                   int windowWidth, int windowHeight)
{
    std::vector<std::optional<GainPointPosition>> out;
    const GainAxes a = gainGraphAxes(set);
    const int x0 = 20 - scroll.horizontal;
    const int y0 = 20 - scroll.vertical;
    const GainGraphSize size = gainGraphSize(windowWidth, windowHeight, fontHeight);
    const Frame f = frameOf(x0, y0, size.width, size.height, a.fMin, a.fMax, a.gMin, a.gMax);
    for (int i = 0; i < pointsOf(set); ++i) {
        const auto k = static_cast<std::size_t>(i);
        // The same arithmetic as drawGainTrace, so that a readout names the
        // point drawn under the pointer.
        const double freq = set.points[k].frequency;
        const double value = gainOf(set, k);
        const double x = x0 + 30 + std::trunc(f.decadeWidth * (std::log10(freq) - f.decades.lo));
        const double y =
            y0 + std::trunc(f.plotHeight() * (1.0 - (value - f.gLo) / (f.gHi - f.gLo)));
        const int s = seriesOf(set, k);
        if (!a.legend || s == 0 || !(freq > 0.0) || !drawablePixel(x) || !drawablePixel(y))
            out.emplace_back(std::nullopt);
        else
            out.emplace_back(GainPointPosition{{toInt(x), toInt(y)}, s});
    }
    return out;
}

double gainPointValue(const SParamSet& set, int index)
{
    if (index < 0 || index >= pointsOf(set))
        return 0.0;
    return gainOf(set, static_cast<std::size_t>(index));
}

GainGraphRanges gainGraphRanges(int width, int height)
{
    return {std::max(0, 700 - width), std::max(0, 1000 - height)};
}

void resizeGainGraph(GainGraphScroll& scroll, int width, int height)
{
    if (height >= 900)
        scroll.vertical = 0;
    if (700 - width <= 100)
        scroll.horizontal = 0;
}

bool scrollGainGraph(GainGraphScroll& scroll, bool vertical, ScrollAction action, int thumb,
                     int width, int height)
{
    int& position = vertical ? scroll.vertical : scroll.horizontal;
    int p = position;
    switch (action) {
    case ScrollAction::LineUp: p -= 20; break;
    case ScrollAction::LineDown: p += 20; break;
    case ScrollAction::PageUp: p -= 200; break;
    case ScrollAction::PageDown: p += 200; break;
    case ScrollAction::Thumb: p = thumb; break;
    }
    p = std::min(p, vertical ? 1000 - height : 700 - width);
    p = std::max(p, 0);
    const bool changed = p != position;
    position = p;
    return changed;
}

} // namespace zelvo
