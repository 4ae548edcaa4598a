// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/response_graph.h"

#include "core/format.h"
#include "core/numeric.h"
#include "render/clip.h"
#include "render/gain_graph.h"
#include "render/splot_readout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelvo {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr Colour frameColour = rgb(0, 0, 0);
constexpr Colour gridColour = rgb(160, 160, 160);

// A perfect match has an infinite return loss; the axis stops here.
constexpr double dbAxisLimit = 60.0;
// The ratio panel ends at the first of these above the largest value shown.
constexpr double ratioTops[] = {2.0, 3.0, 5.0, 10.0};

// Steps between grid lines: about six per axis, from 1, 2, 5 times ten's powers.
double niceStep(double span, int lines)
{
    if (!(span > 0.0))
        return 1.0;
    const double raw = span / lines;
    const double p = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * p)
            return m * p;
    return 10.0 * p;
}

// The shown dB values' range, in whole steps, at least one step wide.
void dbRange(const ResponseGraph& g, ResponsePanel& p)
{
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    const auto take = [&](double v) {
        if (!std::isfinite(v))
            return;
        v = std::clamp(v, -dbAxisLimit, dbAxisLimit);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    };
    for (ResponseQuantity q : allResponseQuantities)
        if (isDbQuantity(q) && g.showing(q))
            for (const ResponsePoint& pt : g.response.points)
                take(quantityValue(pt, q));
    for (const ResponseExtra& e : g.extras)
        if (e.db) {
            for (double v : e.values)
                take(v);
            for (double v : e.lower)
                take(v);
        }
    if (lo > hi) {
        lo = 0.0;
        hi = 20.0;
    }
    // Return losses and gains read from 0 dB, so 0 stays in view.
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    p.step = niceStep(std::max(hi - lo, 10.0), 6);
    p.step = std::max(p.step, 5.0);
    p.lo = std::floor(lo / p.step) * p.step;
    p.hi = std::ceil(hi / p.step) * p.step;
    if (p.hi - p.lo < p.step)
        p.hi = p.lo + p.step;
}

void ratioRange(const ResponseGraph& g, ResponsePanel& p)
{
    double hi = 0.0;
    const auto take = [&hi](double v) {
        if (std::isfinite(v) && v < 1e300)
            hi = std::max(hi, v);
    };
    for (ResponseQuantity q : allResponseQuantities)
        if (!isDbQuantity(q) && g.showing(q))
            for (const ResponsePoint& pt : g.response.points)
                take(quantityValue(pt, q));
    for (const ResponseExtra& e : g.extras)
        if (!e.db)
            for (double v : e.values)
                take(v);
    p.lo = 0.0;
    p.hi = ratioTops[std::size(ratioTops) - 1];
    for (double top : ratioTops)
        if (hi <= top) {
            p.hi = top;
            break;
        }
    p.step = p.hi <= 3.0 ? 0.5 : p.hi <= 5.0 ? 1.0 : 2.0;
}

int frequencyExponent(double fMax)
{
    if (!(fMax > 0.0))
        return 0;
    const int e = static_cast<int>(std::floor(std::log10(fMax) / 3.0)) * 3;
    return std::clamp(e, 0, 9);
}

std::string numberText(double v)
{
    // Grid values are multiples of their step; %g drops the noise of the sums.
    return printfString("%g", std::abs(v) < 1e-12 ? 0.0 : v);
}

bool anyShown(const ResponseGraph& g, bool db)
{
    for (ResponseQuantity q : allResponseQuantities)
        if (isDbQuantity(q) == db && g.showing(q))
            return true;
    return std::any_of(g.extras.begin(), g.extras.end(),
                       [db](const ResponseExtra& e) { return e.db == db; });
}

// Segments of a trace clipped to the panel, joined where they meet.
void drawValues(Canvas& canvas, const ResponseLayout& l, const ResponsePanel& p,
                const std::vector<double>& f, const std::vector<double>& v)
{
    const std::size_t n = std::min(f.size(), v.size());
    const double span = p.hi - p.lo;
    // Far off-scale values (VSWR of a total mismatch) are kept finite so
    // that the clipping arithmetic stays exact.
    const auto yOf = [&](double value) {
        const double c = std::clamp(value, p.lo - 1e6 * span, p.hi + 1e6 * span);
        return p.bottom - (c - p.lo) / span * (p.bottom - p.top);
    };
    std::vector<Point> run;
    const auto flush = [&] {
        if (run.size() >= 2)
            canvas.polyline(run);
        run.clear();
    };
    for (std::size_t i = 1; i < n; ++i) {
        if (!std::isfinite(v[i - 1]) || !std::isfinite(v[i]) || std::isnan(f[i - 1]) ||
            std::isnan(f[i])) {
            flush();
            continue;
        }
        const double ax = l.x(f[i - 1]), bx = l.x(f[i]);
        const double ay = yOf(v[i - 1]), by = yOf(v[i]);
        const auto t = clipSegment(ax, ay, bx, by, p.left, p.top, p.right, p.bottom);
        if (!t) {
            flush();
            continue;
        }
        const Point a{toInt(std::lround(ax + t->first * (bx - ax))),
                      toInt(std::lround(ay + t->first * (by - ay)))};
        const Point b{toInt(std::lround(ax + t->second * (bx - ax))),
                      toInt(std::lround(ay + t->second * (by - ay)))};
        if (run.empty() || !(run.back() == a)) {
            flush();
            run.push_back(a);
        }
        run.push_back(b);
        if (t->second < 1.0)
            flush();
    }
    flush();
}

void drawPanelFrame(Canvas& canvas, const ResponseLayout& l, const ResponsePanel& p,
                    const std::vector<double>& fGrid, const std::string& unit)
{
    const CanvasStateGuard keep(canvas);
    canvas.setPen({PenStyle::Dotted, 1, gridColour});
    for (double f : fGrid) {
        const int x = l.x(f);
        canvas.moveTo({x, p.top});
        canvas.lineTo({x, p.bottom});
    }
    canvas.setFont({l.fontHeight, FontFace::Default, 400, 0});
    canvas.setTextColour(frameColour);
    const int lines = toInt(std::lround((p.hi - p.lo) / p.step));
    for (int i = 0; i <= lines; ++i) {
        const double v = p.lo + i * p.step;
        const int y = l.y(p, v);
        if (i > 0 && i < lines) {
            canvas.setPen({PenStyle::Dotted, 1, gridColour});
            canvas.moveTo({p.left, y});
            canvas.lineTo({p.right, y});
        }
        canvas.text({p.left - l.fontHeight / 3, y + l.fontHeight / 3}, numberText(v),
                    TextAlign::RightBaseline);
    }
    // Above the top label, so that the two never meet.
    canvas.text({p.left - l.fontHeight / 3, p.top - l.fontHeight}, unit,
                TextAlign::RightBaseline);
    canvas.setPen({PenStyle::Solid, 1, frameColour});
    canvas.rectangle(p.left, p.top, p.right + 1, p.bottom + 1);
}

std::string valueText(ResponseQuantity q, double v)
{
    if (!std::isfinite(v) || v >= 1e300)
        return "-";
    // A match exact to the last bit has a return loss of hundreds of dB:
    // beyond 100 dB the number means nothing.
    const bool returnLoss =
        q == ResponseQuantity::InputReturnLoss || q == ResponseQuantity::OutputReturnLoss;
    if (returnLoss && v > 100.0)
        return "> 100 dB";
    return isDbQuantity(q) ? printfString("%.2f dB", v) : printfString("%.3f", v);
}

} // namespace

std::string quantityName(ResponseQuantity q, const Texts& texts)
{
    switch (q) {
    case ResponseQuantity::InputReturnLoss: return texts.translate("Response", "Input RL");
    case ResponseQuantity::OutputReturnLoss: return texts.translate("Response", "Output RL");
    case ResponseQuantity::Gain: return "GT";
    case ResponseQuantity::NoiseFigure: return texts.translate("Response", "NF");
    case ResponseQuantity::Vswr: return texts.translate("Response", "VSWR");
    case ResponseQuantity::K: return "K";
    case ResponseQuantity::Mu: return "mu";
    }
    return {};
}

bool isDbQuantity(ResponseQuantity q)
{
    return q == ResponseQuantity::InputReturnLoss || q == ResponseQuantity::OutputReturnLoss ||
           q == ResponseQuantity::Gain || q == ResponseQuantity::NoiseFigure;
}

Pen quantityPen(ResponseQuantity q, int lineWidth)
{
    const int w = std::max(1, lineWidth);
    switch (q) {
    case ResponseQuantity::InputReturnLoss: return {PenStyle::Solid, w, rgb(0, 0, 255)};
    case ResponseQuantity::OutputReturnLoss: return {PenStyle::Dashed, w, rgb(0, 140, 160)};
    case ResponseQuantity::Gain: return {PenStyle::Solid, w + 1, rgb(220, 0, 0)};
    case ResponseQuantity::NoiseFigure: return {PenStyle::Solid, w, rgb(200, 0, 200)};
    case ResponseQuantity::Vswr: return {PenStyle::Solid, w, rgb(0, 0, 140)};
    case ResponseQuantity::K: return {PenStyle::Solid, w, rgb(0, 150, 0)};
    case ResponseQuantity::Mu: return {PenStyle::Dashed, w, rgb(150, 100, 0)};
    }
    return {};
}

double quantityValue(const ResponsePoint& p, ResponseQuantity q)
{
    if (!p.defined)
        return notANumber;
    switch (q) {
    case ResponseQuantity::InputReturnLoss: return p.inputReturnLossDb;
    case ResponseQuantity::OutputReturnLoss: return p.outputReturnLossDb;
    case ResponseQuantity::Gain: return p.gainDb;
    case ResponseQuantity::NoiseFigure: return p.noiseFigureDb;
    case ResponseQuantity::Vswr: return p.vswr;
    case ResponseQuantity::K: return p.k;
    case ResponseQuantity::Mu: return p.mu;
    }
    return notANumber;
}

bool quantityAvailable(const Response& r, ResponseQuantity q)
{
    if (q == ResponseQuantity::K || q == ResponseQuantity::Mu)
        return r.hasBlock;
    if (q == ResponseQuantity::NoiseFigure)
        return r.hasNoise;
    return true;
}

int ResponseLayout::x(double f) const
{
    const ResponsePanel& p = db.present ? db : ratio;
    double t = 0.0;
    if (logarithmic && fMin > 0.0 && fMax > fMin && f > 0.0)
        t = std::log(f / fMin) / std::log(fMax / fMin);
    else if (fMax > fMin)
        t = (f - fMin) / (fMax - fMin);
    return toInt(std::lround(p.left + t * (p.right - p.left)));
}

int ResponseLayout::y(const ResponsePanel& p, double v) const
{
    const double span = p.hi - p.lo;
    const double t = span > 0.0 ? (v - p.lo) / span : 0.0;
    return toInt(std::lround(p.bottom - t * (p.bottom - p.top)));
}

ResponseLayout responseLayout(const ResponseGraph& g, int width, int height, int fontHeight)
{
    ResponseLayout l;
    l.fontHeight = std::max(1, fontHeight);
    const int fh = l.fontHeight;
    const auto& pts = g.response.points;
    if (!pts.empty()) {
        l.fMin = pts.front().f;
        l.fMax = pts.back().f;
    }
    if (!(l.fMax > l.fMin)) {
        // One frequency: a span around it, so that the point has a place.
        const double f = l.fMin;
        l.fMin = f > 0.0 ? f * 0.9 : 0.0;
        l.fMax = f > 0.0 ? f * 1.1 : 1.0;
    }
    l.logarithmic = g.logarithmic && l.fMin > 0.0;
    l.exponent = frequencyExponent(l.fMax);

    const int left = 4 * fh, right = width - 2 * fh;
    // A legend row at the top, the frequency labels, axis title and load
    // line at the bottom.
    const int top = 2 * fh, bottom = height - 3 * fh - fh / 2;
    const bool db = anyShown(g, true), ratio = anyShown(g, false);
    const int gap = 2 * fh;
    const int plot = std::max(2, bottom - top);
    const int dbHeight = db && ratio ? (plot - gap) * 3 / 5 : plot;
    if (db || !ratio) {
        l.db = {true, left, top, right, top + dbHeight};
        dbRange(g, l.db);
    }
    if (ratio) {
        l.ratio = {true, left, db ? top + dbHeight + gap : top, right, bottom};
        ratioRange(g, l.ratio);
    }
    return l;
}

std::vector<double> frequencyGrid(double fMin, double fMax, bool logarithmic)
{
    std::vector<double> out;
    if (!(fMax > fMin) || !std::isfinite(fMin) || !std::isfinite(fMax))
        return out;
    if (logarithmic && fMin > 0.0) {
        const int lo = static_cast<int>(std::floor(std::log10(fMin)));
        const int hi = static_cast<int>(std::ceil(std::log10(fMax)));
        const bool crowded = hi - lo > 4;
        for (int d = lo; d <= hi && d - lo < 40; ++d)
            for (double m : {1.0, 2.0, 5.0}) {
                if (crowded && m != 1.0)
                    continue;
                const double f = m * std::pow(10.0, d);
                if (f >= fMin * (1 - 1e-12) && f <= fMax * (1 + 1e-12))
                    out.push_back(f);
            }
        return out;
    }
    const double step = niceStep(fMax - fMin, 6);
    for (double f = std::ceil(fMin / step) * step; f <= fMax + step * 1e-9 && out.size() < 100;
         f += step)
        out.push_back(f);
    return out;
}

std::string loadModelText(LoadModel m, const Texts& texts)
{
    return m == LoadModel::Interpolated
               ? texts.translate("Response", "Load: the data points, interpolated in Gamma "
                                             "between their frequencies")
               : texts.translate("Response", "Load: the start point's impedance at every "
                                             "frequency");
}

void drawResponseFrame(Canvas& canvas, const ResponseGraph& g, const ResponseLayout& l,
                       int height)
{
    const int fh = l.fontHeight;
    const CanvasStateGuard keep(canvas);
    const std::vector<double> fGrid = frequencyGrid(l.fMin, l.fMax, l.logarithmic);
    const double unit = std::pow(10.0, l.exponent);
    if (l.db.present)
        drawPanelFrame(canvas, l, l.db, fGrid, "dB");
    if (l.ratio.present)
        drawPanelFrame(canvas, l, l.ratio, fGrid, "");

    // Frequency labels under the lowest panel, the title and load line below.
    const ResponsePanel& lowest = l.ratio.present ? l.ratio : l.db;
    canvas.setFont({fh, FontFace::Default, 400, 0});
    canvas.setTextColour(frameColour);
    for (double f : fGrid)
        canvas.text({l.x(f), lowest.bottom + fh / 4}, numberText(f / unit), TextAlign::CentreTop);
    canvas.text({(lowest.left + lowest.right) / 2, lowest.bottom + fh + fh / 3},
                frequencyAxisTitle(l.exponent), TextAlign::CentreTop);
    if (g.loadCaption)
        canvas.text({lowest.left - 3 * fh, height - fh / 4}, loadModelText(g.response.load, g.texts),
                    TextAlign::LeftBaseline);

    // The legend: a short line in each trace's pen, then its name.
    int x = l.db.present ? l.db.left : l.ratio.left;
    const int y = fh;
    const auto legend = [&](const Pen& pen, const std::string& name) {
        canvas.setPen(pen);
        canvas.moveTo({x, y});
        canvas.lineTo({x + 2 * fh, y});
        canvas.text({x + 2 * fh + fh / 3, y + fh / 3}, name, TextAlign::LeftBaseline);
        x += 3 * fh + canvas.textWidth(name);
    };
    for (ResponseQuantity q : allResponseQuantities)
        if (g.showing(q))
            legend(quantityPen(q, g.lineWidth), quantityName(q, g.texts));
    for (const ResponseExtra& e : g.extras)
        legend({e.style, std::max(1, g.lineWidth), e.colour}, e.name);
}

void drawResponseTraces(Canvas& canvas, const ResponseGraph& g, const ResponseLayout& l)
{
    const int fh = l.fontHeight;
    const CanvasStateGuard keep(canvas);
    std::vector<double> f;
    f.reserve(g.response.points.size());
    for (const ResponsePoint& p : g.response.points)
        f.push_back(p.f);
    for (const ResponseExtra& e : g.extras) {
        const ResponsePanel& p = e.db ? l.db : l.ratio;
        if (!p.present)
            continue;
        canvas.setPen({e.style, std::max(1, g.lineWidth), e.colour});
        drawValues(canvas, l, p, f, e.values);
        if (!e.lower.empty())
            drawValues(canvas, l, p, f, e.lower);
    }
    std::vector<double> v(g.response.points.size());
    for (ResponseQuantity q : allResponseQuantities) {
        if (!g.showing(q))
            continue;
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = quantityValue(g.response.points[i], q);
        canvas.setPen(quantityPen(q, g.lineWidth));
        drawValues(canvas, l, isDbQuantity(q) ? l.db : l.ratio, f, v);
    }

    // Markers: a dotted line through the panels at the frequency, a small
    // triangle on each trace, and the values listed beside the line at the
    // panel's top in the traces' colours (values close together would hide
    // each other's labels at the triangles).
    const ResponsePanel& lowest = l.ratio.present ? l.ratio : l.db;
    canvas.setFont({fh, FontFace::Default, 400, 0});
    const int n = static_cast<int>(g.response.points.size());
    for (int i : g.markers) {
        if (i < 0 || i >= n)
            continue;
        const ResponsePoint& p = g.response.points[static_cast<std::size_t>(i)];
        const int mx = l.x(p.f);
        const int top = l.db.present ? l.db.top : l.ratio.top;
        canvas.setPen({PenStyle::Dotted, 1, frameColour});
        canvas.moveTo({mx, top});
        canvas.lineTo({mx, lowest.bottom});
        canvas.setTextColour(frameColour);
        canvas.text({mx, lowest.bottom - fh / 4}, formatFrequency(p.f, 3) + "Hz",
                    TextAlign::CentreBaseline);
        for (const ResponsePanel* panel : {&l.db, &l.ratio}) {
            if (!panel->present)
                continue;
            // Left of the line near the right edge, so the list stays inside.
            const bool left = mx > (panel->left + panel->right) / 2;
            int y = panel->top + fh + fh / 4;
            for (ResponseQuantity q : allResponseQuantities) {
                const double value = quantityValue(p, q);
                if (!g.showing(q) || (isDbQuantity(q) != (panel == &l.db)))
                    continue;
                if (std::isfinite(value) && value >= panel->lo && value <= panel->hi)
                    drawPointMarker(canvas, {mx, l.y(*panel, value)}, "", false, fh);
                canvas.setTextColour(quantityPen(q, 1).colour);
                const std::string label = quantityName(q, g.texts) + " " + valueText(q, value);
                canvas.text({left ? mx - fh / 2 : mx + fh / 2, y}, label,
                            left ? TextAlign::RightBaseline : TextAlign::LeftBaseline);
                y += fh;
            }
        }
    }
}

void drawResponseGraph(Canvas& canvas, const ResponseGraph& g, int width, int height,
                       int fontHeight)
{
    const ResponseLayout l = responseLayout(g, width, height, fontHeight);
    drawResponseFrame(canvas, g, l, height);
    drawResponseTraces(canvas, g, l);
}

std::optional<int> responseIndexAt(const ResponseGraph& g, const ResponseLayout& l, Point p)
{
    const auto& pts = g.response.points;
    if (pts.empty())
        return std::nullopt;
    const auto over = [p](const ResponsePanel& panel) {
        return panel.present && p.x >= panel.left && p.x <= panel.right && p.y >= panel.top &&
               p.y <= panel.bottom;
    };
    if (!over(l.db) && !over(l.ratio))
        return std::nullopt;
    // The frequencies rise, so their x positions do too.
    const auto it = std::lower_bound(pts.begin(), pts.end(), p.x, [&l](const ResponsePoint& a,
                                                                        int x) {
        return l.x(a.f) < x;
    });
    std::size_t i = static_cast<std::size_t>(it - pts.begin());
    if (i == pts.size() || (i > 0 && p.x - l.x(pts[i - 1].f) <= l.x(pts[i].f) - p.x))
        i = i == 0 ? 0 : i - 1;
    return static_cast<int>(i);
}

std::string responseReadoutText(const ResponseGraph& g, int index)
{
    const auto& pts = g.response.points;
    if (index < 0 || index >= static_cast<int>(pts.size()))
        return {};
    const ResponsePoint& p = pts[static_cast<std::size_t>(index)];
    std::string out = "f = " + formatFrequency(p.f, 3) + "Hz";
    if (!p.defined)
        return out + "\n" + g.texts.translate("Response", "no block data at this frequency");
    for (ResponseQuantity q : allResponseQuantities)
        if (g.showing(q))
            out += "\n" + quantityName(q, g.texts) + " = " + valueText(q, quantityValue(p, q));
    const auto z = [](Complex c) {
        return printfString("%.2f %c j%.2f Ohm", c.re, c.im < 0 ? '-' : '+', std::abs(c.im));
    };
    out += "\nZin = " + z(p.input) + "\nZload = " + z(p.load);
    return out;
}

} // namespace zelvo
