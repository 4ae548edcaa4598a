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

// A long trace drawn from its reduced runs with the pens a MarkedTrace uses.
void drawReduced(Canvas& canvas, const std::vector<TraceRun>& runs, Colour colour, PenStyle style,
                 Point offset = {})
{
    drawTraceRuns(canvas, runs, {PenStyle::Solid, 1, colour}, {style, 1, colour},
                  TraceJoin::Segments, offset);
}

// The pixel column of a frequency; NaN for one the axis has no place for.
double columnOf(const Frame& f, double freq)
{
    return freq > 0.0 ? std::trunc(f.decadeWidth * (std::log10(freq) - f.decades.lo))
                      : std::nan("");
}

// Where a gain curve draws a value at a column, or nothing.
std::optional<Point> gainPixel(const Frame& f, double column, double value)
{
    const double x = f.x0 + 30 + column;
    const double y = f.y0 + std::trunc(f.plotHeight() * (1.0 - (value - f.gLo) / (f.gHi - f.gLo)));
    if (!drawablePixel(x) || !drawablePixel(y))
        return std::nullopt;
    return Point{toInt(x), toInt(y)};
}

double muPixelY(const Frame& f, double mu, double top)
{
    return f.y0 + std::trunc(f.plotHeight() * (1.0 - mu / top));
}

// Where a mu curve draws a value at a column, or nothing (values off the scale).
std::optional<Point> muPixel(const Frame& f, double column, double mu, double top)
{
    const double x = f.x0 + 30 + column;
    if (!(mu >= 0.0 && mu <= top) || !drawablePixel(x))
        return std::nullopt;
    return Point{toInt(x), toInt(muPixelY(f, mu, top))};
}

PixelBox frameBox(const Frame& f)
{
    // The frame and a circle's reach around it.
    return {f.x0 + 30 - 4, f.y0 - 4, f.x0 + f.width + 4, f.y0 + f.plotHeight() + 4};
}

// The four curves in one pass over the points, reduced to the frame's pixels:
// MAG, MSG, mu and mu'. `positions`, when given, gets where each point of
// the gain curves is drawn.
std::array<std::vector<TraceRun>, 4> reducedCurves(const SParamSet& set, const Frame& gain,
                                                   const Frame& mu, double muTop, bool withMu,
                                                   std::vector<std::optional<Point>>* positions)
{
    std::array<TraceReducer, 4> curves = {TraceReducer(frameBox(gain)),
                                          TraceReducer(frameBox(gain)), TraceReducer(frameBox(mu)),
                                          TraceReducer(frameBox(mu))};
    const int n = pointsOf(set);
    if (positions) {
        positions->clear();
        positions->reserve(static_cast<std::size_t>(n));
    }
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double column = columnOf(gain, set.points[k].frequency);
        const int series = seriesOf(set, k);
        const std::optional<Point> g =
            series == 0 ? std::nullopt : gainPixel(gain, column, gainOf(set, k));
        if (positions)
            positions->push_back(g);
        for (int s = magSeries; s <= msgSeries; ++s) {
            TraceReducer& r = curves[static_cast<std::size_t>(s - 1)];
            if (g && series == s)
                r.add(*g);
            else
                r.gap();
        }
        if (!withMu)
            continue;
        const std::optional<Point> load = muPixel(mu, column, set.muLoad[k], muTop);
        const std::optional<Point> source = muPixel(mu, column, set.muSource[k], muTop);
        load ? curves[2].add(*load) : curves[2].gap();
        source ? curves[3].add(*source) : curves[3].gap();
    }
    return {curves[0].finish(), curves[1].finish(), curves[2].finish(), curves[3].finish()};
}

bool reduced(const SParamSet& set)
{
    return pointsOf(set) > reduceTracesAbove;
}

} // namespace

void drawGainTrace(Canvas& canvas, int x0, int y0, int width, int height, Colour colour,
                   double fMin, double fMax, double gMin, double gMax, const SParamSet& set,
                   int series, PenStyle style)
{
    const CanvasStateGuard keep(canvas);
    const Frame f = frameOf(x0, y0, width, height, fMin, fMax, gMin, gMax);
    if (reduced(set)) {
        if (series == magSeries || series == msgSeries)
            drawReduced(
                canvas,
                reducedCurves(set, f, f, 1.0, false, nullptr)[static_cast<std::size_t>(series - 1)],
                colour, style);
        return;
    }
    MarkedTrace trace{canvas, colour, style};
    for (int i = 0; i < pointsOf(set); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::optional<Point> p =
            seriesOf(set, k) == series
                ? gainPixel(f, columnOf(f, set.points[k].frequency), gainOf(set, k))
                : std::nullopt;
        if (p)
            trace.add(*p);
        else
            trace.gap();
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

namespace {

// The dotted line at mu = 1 and the labels 0, 1 and top beside the right edge.
void drawMuScale(Canvas& canvas, const Frame& f, double top, int fontHeight)
{
    const int left = f.x0 + 30, right = f.x0 + f.width;
    const int one = toInt(muPixelY(f, 1.0, top));
    canvas.setPen({PenStyle::Dotted, 1, muColour});
    canvas.moveTo({left, one});
    canvas.lineTo({right, one});
    canvas.setTextColour(muColour);
    canvas.setFont({fontHeight / 3 * 2, FontFace::Default, 400, 0}); // as the dB labels
    for (const double mu : {0.0, 1.0, top})
        canvas.text({right + 3, toInt(muPixelY(f, mu, top))}, printfString("%i", toInt(mu)),
                    TextAlign::LeftBaseline);
}

} // namespace

void drawMuTraces(Canvas& canvas, int x0, int y0, int width, int height, double fMin, double fMax,
                  double top, const SParamSet& set, int fontHeight)
{
    const CanvasStateGuard keep(canvas);
    const Frame f = frameOf(x0, y0, width, height, fMin, fMax, 0.0, top);
    drawMuScale(canvas, f, top, fontHeight);
    if (reduced(set)) {
        const auto curves = reducedCurves(set, f, f, top, true, nullptr);
        drawReduced(canvas, curves[2], muColour, PenStyle::Solid);
        drawReduced(canvas, curves[3], muPrimeColour, PenStyle::Dotted);
        return;
    }
    for (const bool source : {false, true}) {
        const std::vector<double>& values = source ? set.muSource : set.muLoad;
        MarkedTrace trace{canvas, source ? muPrimeColour : muColour,
                          source ? PenStyle::Dotted : PenStyle::Solid};
        for (int i = 0; i < pointsOf(set); ++i) {
            const auto k = static_cast<std::size_t>(i);
            const std::optional<Point> p =
                muPixel(f, columnOf(f, set.points[k].frequency), values[k], top);
            if (p)
                trace.add(*p);
            else
                trace.gap();
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

namespace {

// The graph's top-left corner in the window.
Point graphOrigin(const GainGraphScroll& scroll)
{
    return {20 - scroll.horizontal, 20 - scroll.vertical};
}

} // namespace

const GainGraphCache& updateGainGraphCache(GainGraphCache& cache, const SParamSet& set,
                                           int fontHeight, int windowWidth, int windowHeight)
{
    const GainGraphSize size = gainGraphSize(windowWidth, windowHeight, fontHeight);
    const int n = set.loaded ? pointsOf(set) : 0;
    if (cache.revision == set.revision && cache.points == set.points.data() && cache.count == n &&
        cache.size == size)
        return cache;
    cache.revision = set.revision;
    cache.points = set.points.data();
    cache.count = n;
    cache.size = size;
    cache.axes = gainGraphAxes(set);
    cache.muTop = muAxisTop(set);
    cache.reduced = n > reduceTracesAbove;
    cache.positions.clear();
    cache.curves = {};
    const Point o = graphOrigin({});
    const GainAxes& a = cache.axes;
    const Frame gain = frameOf(o.x, o.y, size.width, size.height, a.fMin, a.fMax, a.gMin, a.gMax);
    if (!a.legend) {
        cache.positions.assign(static_cast<std::size_t>(pointsOf(set)), std::nullopt);
        return cache;
    }
    if (cache.reduced) {
        const Frame mu =
            frameOf(o.x, o.y, size.width, size.height, a.fMin, a.fMax, 0.0, cache.muTop);
        cache.curves = reducedCurves(set, gain, mu, cache.muTop, true, &cache.positions);
        return cache;
    }
    cache.positions.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // The same arithmetic as drawGainTrace, so that a readout names the
        // point drawn under the pointer.
        cache.positions.push_back(
            seriesOf(set, k) == 0
                ? std::nullopt
                : gainPixel(gain, columnOf(gain, set.points[k].frequency), gainOf(set, k)));
    }
    return cache;
}

void paintGainGraphWindow(Canvas& canvas, const SParamSet& set, const GainGraphScroll& scroll,
                          int fontHeight, int windowWidth, int windowHeight, GainGraphCache* cache,
                          const Texts& texts)
{
    GainGraphCache local;
    const GainGraphCache& c =
        updateGainGraphCache(cache ? *cache : local, set, fontHeight, windowWidth, windowHeight);
    const Point o = graphOrigin(scroll);
    const int x0 = o.x, y0 = o.y;
    const int width = c.size.width, height = c.size.height;
    const bool scaled = width > gainGraphWidth || height > gainGraphHeight;
    const GainAxes& a = c.axes;
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
        GainSeries{texts.translate("GainGraph", "mu [-] (right scale)"), muColour, PenStyle::Solid},
        GainSeries{texts.translate("GainGraph", "mu' [-] (right scale)"), muPrimeColour,
                   PenStyle::Dotted}};
    drawGainGraph(canvas, x0, y0, width, height, rgb(0, 0, 0), a.fMin, a.fMax, a.gMin, a.gMax,
                  a.title, series, fontHeight);
    if (scaled)
        drawGainLineLabels(canvas, x0, y0, width, height, a, fontHeight);
    if (!c.reduced) {
        for (int s = magSeries; s <= msgSeries; ++s) {
            const GainSeries& g = series[static_cast<std::size_t>(s - 1)];
            drawGainTrace(canvas, x0, y0, width, height, g.colour, a.fMin, a.fMax, a.gMin, a.gMax,
                          set, s, g.style);
        }
        drawMuTraces(canvas, x0, y0, width, height, a.fMin, a.fMax, c.muTop, set, fontHeight);
        return;
    }
    // The curves were reduced with the graph unscrolled.
    const Point shift{-scroll.horizontal, -scroll.vertical};
    const CanvasStateGuard keep(canvas);
    drawReduced(canvas, c.curves[0], series[0].colour, series[0].style, shift);
    drawReduced(canvas, c.curves[1], series[1].colour, series[1].style, shift);
    drawMuScale(canvas, frameOf(x0, y0, width, height, a.fMin, a.fMax, 0.0, c.muTop), c.muTop,
                fontHeight);
    drawReduced(canvas, c.curves[2], series[2].colour, series[2].style, shift);
    drawReduced(canvas, c.curves[3], series[3].colour, series[3].style, shift);
}

std::vector<std::optional<GainPointPosition>>
gainPointPositions(const SParamSet& set, const GainGraphScroll& scroll, int fontHeight,
                   int windowWidth, int windowHeight)
{
    GainGraphCache cache;
    updateGainGraphCache(cache, set, fontHeight, windowWidth, windowHeight);
    std::vector<std::optional<GainPointPosition>> out;
    out.reserve(cache.positions.size());
    for (std::size_t k = 0; k < cache.positions.size(); ++k) {
        const std::optional<Point>& p = cache.positions[k];
        if (p)
            out.emplace_back(GainPointPosition{{p->x - scroll.horizontal, p->y - scroll.vertical},
                                               seriesOf(set, k)});
        else
            out.emplace_back(std::nullopt);
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
