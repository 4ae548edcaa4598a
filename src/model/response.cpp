// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/response.h"

#include "core/abcd.h"
#include "core/block.h"
#include "core/format.h"
#include "core/numeric.h"
#include "core/twoport.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelvo {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

std::span<const DataPoint> pointsOf(const Design& d)
{
    return {d.dataPoints.data(),
            static_cast<std::size_t>(std::clamp(d.dataPointCount, 0, Design::pointCapacity))};
}

// One point per distinct frequency, rising; at a frequency that several
// points share, the start point when it is one of them, else the first.
std::vector<DataPoint> loadPoints(const Design& d)
{
    const std::span<const DataPoint> all = pointsOf(d);
    std::vector<std::size_t> order(all.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return all[a].f < all[b].f; });
    const std::size_t start = static_cast<std::size_t>(std::max(d.startPoint - 1, 0));
    std::vector<DataPoint> out;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t i = order[k];
        if (!out.empty() && out.back().f == all[i].f) {
            if (i == start)
                out.back() = all[i];
            continue;
        }
        out.push_back(all[i]);
    }
    return out;
}

double returnLossDb(double gamma)
{
    return gamma > 0.0 ? -20.0 * std::log10(gamma) : 300.0;
}

double toDb(double ratio)
{
    return ratio > 0.0 ? 10.0 * std::log10(ratio) : -300.0;
}

// The block whose noise data counts: the one nearest the generator, when it
// faces it (port 1 towards the generator) and has noise data; -1 otherwise.
// Only a passive input network has the available loss that makes the
// cascade exact, so a block nearer the generator without noise data of its
// own leaves the noise figure unknown rather than wrong.
int noiseBlock(std::span<const Element> elements)
{
    for (int i = static_cast<int>(elements.size()) - 1; i >= 0; --i) {
        const Element& e = elements[static_cast<std::size_t>(i)];
        if (e.kind != ElementKind::Block)
            continue;
        return e.block && !e.reversed && !e.block->noise.empty() ? i : -1;
    }
    return -1;
}

// The device's noise figure fed through the input network (the elements
// between it and the generator) from a z0 source, cascaded with that
// network's available loss: F = Fdevice / GA for a passive network at T0.
double noiseFigureDb(std::span<const Element> elements, int block, double f, double f0,
                     double z0)
{
    const Element& b = elements[static_cast<std::size_t>(block)];
    const std::optional<BlockNoise> n = blockNoise(*b.block, f, false);
    const auto input = elements.subspan(static_cast<std::size_t>(block) + 1);
    const std::optional<Abcd> m = chainAbcd(input, f, f0);
    if (!n || !m)
        return notANumber;
    const Complex zs = outputImpedance(*m, {z0, 0.0});
    const double zb = b.block->z0;
    const Complex gammaS = divideGuarded(zs - Complex{zb}, zs + Complex{zb});
    const double fDevice = noiseFactor(std::pow(10.0, n->nfMinDb / 10.0), n->gammaOpt, n->rn, zb,
                                       gammaS);
    const TwoPort s = sFromAbcd(*m, z0);
    const double s21 = magnitude(s.s21), s22 = magnitude(s.s22);
    const double available = s21 * s21 / (1.0 - s22 * s22);
    if (!(available > 0.0) || !std::isfinite(fDevice))
        return notANumber;
    return toDb(fDevice / available);
}

} // namespace

Sweep defaultSweep(const Design& d)
{
    const std::span<const DataPoint> points = pointsOf(d);
    if (points.empty())
        return {0.0, 0.0, 0, false};
    auto [lo, hi] = std::minmax_element(points.begin(), points.end(),
                                        [](const DataPoint& a, const DataPoint& b) { return a.f < b.f; });
    double a = lo->f, b = hi->f;
    const double widen = b > a ? 0.1 * (b - a) : 0.1 * a;
    return {std::max(0.0, a - widen), b + widen, 401, false};
}

std::vector<double> sweepFrequencies(const Sweep& s)
{
    std::vector<double> f;
    const int n = std::clamp(s.points, 0, 100000);
    if (n == 0 || !std::isfinite(s.start) || !std::isfinite(s.stop))
        return f;
    f.reserve(static_cast<std::size_t>(n));
    const bool log = s.logarithmic && s.start > 0.0 && s.stop > 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = n == 1 ? 0.0 : static_cast<double>(i) / (n - 1);
        f.push_back(log ? s.start * std::pow(s.stop / s.start, t)
                        : s.start + (s.stop - s.start) * t);
    }
    // Exact ends, whatever the rounding of the steps.
    f.back() = n == 1 ? s.start : s.stop;
    return f;
}

LoadModel loadModelOf(const Design& d)
{
    return loadPoints(d).size() >= 2 ? LoadModel::Interpolated : LoadModel::Constant;
}

namespace {

Complex loadFrom(const Design& d, const std::vector<DataPoint>& pts, LoadModel model, double f)
{
    if (model == LoadModel::Constant || pts.size() < 2) {
        const int s = d.startPoint;
        if (s < 1 || s > std::min(d.dataPointCount, Design::pointCapacity))
            return d.currentPoint;
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(s - 1)];
        return {p.r, p.x};
    }
    // Beyond the data points the nearest one holds.
    if (!(f > pts.front().f))
        return {pts.front().r, pts.front().x};
    if (f >= pts.back().f)
        return {pts.back().r, pts.back().x};
    const auto hi = std::upper_bound(pts.begin(), pts.end(), f,
                                     [](double v, const DataPoint& p) { return v < p.f; });
    const DataPoint& b = *hi;
    const DataPoint& a = *(hi - 1);
    const double z0 = d.z0;
    const Complex ga = impedanceToGamma(a.r, a.x, z0);
    const Complex gb = impedanceToGamma(b.r, b.x, z0);
    const double t = (f - a.f) / (b.f - a.f);
    const Complex g = ga + (gb - ga) * t;
    return gammaToImpedance(g.re, g.im, z0);
}

} // namespace

Complex loadAt(const Design& d, LoadModel model, double f)
{
    return loadFrom(d, model == LoadModel::Interpolated ? loadPoints(d) : std::vector<DataPoint>{},
                    model, f);
}

Response computeResponse(const Design& d, const std::vector<double>& frequencies)
{
    return computeResponse(
        d,
        std::span<const Element>(d.elements.data(),
                                 static_cast<std::size_t>(
                                     std::clamp(d.elementCount, 0, Design::elementCapacity))),
        frequencies);
}

Response computeResponse(const Design& d, std::span<const Element> elements,
                         const std::vector<double>& frequencies)
{
    Response r;
    r.load = loadModelOf(d);
    r.hasBlock = std::any_of(elements.begin(), elements.end(),
                             [](const Element& e) { return e.kind == ElementKind::Block; });
    const int noisy = noiseBlock(elements);
    r.hasNoise = noisy >= 0;
    const double z0 = d.z0;
    const double f0 = designFrequency(d);
    // Sorted once: a tuning step recomputes the whole sweep.
    const std::vector<DataPoint> loads =
        r.load == LoadModel::Interpolated ? loadPoints(d) : std::vector<DataPoint>{};
    r.points.reserve(frequencies.size());
    for (const double f : frequencies) {
        ResponsePoint p;
        p.f = f;
        p.load = loadFrom(d, loads, r.load, f);
        const std::optional<Abcd> m = chainAbcd(elements, f, f0);
        if (!m) {
            p.defined = false;
            p.k = p.mu = p.noiseFigureDb = notANumber;
            r.points.push_back(p);
            continue;
        }
        p.input = inputImpedance(*m, p.load);
        const double gIn = ratioMagnitude(p.input - Complex{z0}, p.input + Complex{z0});
        p.inputReturnLossDb = returnLossDb(gIn);
        p.vswr = gIn < 1.0 ? (1.0 + gIn) / (1.0 - gIn) : DOUBLE_BIG;
        const Complex out = outputImpedance(*m, {z0, 0.0});
        p.outputReturnLossDb =
            returnLossDb(ratioMagnitude(out - p.load.conjugate(), out + p.load));
        p.gainDb = toDb(transducerGain(*m, {z0, 0.0}, p.load));
        const TwoPort s = sFromAbcd(*m, z0);
        p.k = stabilityFactor(s).value_or(notANumber);
        p.mu = muFactors(s).load;
        p.noiseFigureDb = noisy >= 0 ? noiseFigureDb(elements, noisy, f, f0, z0) : notANumber;
        r.points.push_back(p);
    }
    return r;
}

namespace {

void csvField(std::string& out, double v)
{
    out += ',';
    if (std::isfinite(v))
        out += printfString("%.10g", v);
}

} // namespace

std::string responseCsv(const Response& r)
{
    std::string out = "f (Hz),load R (ohm),load X (ohm),input R (ohm),input X (ohm),"
                      "input return loss (dB),VSWR,output return loss (dB),GT (dB),K,mu,"
                      "NF (dB)\r\n";
    for (const ResponsePoint& p : r.points) {
        out += printfString("%.10g", p.f);
        csvField(out, p.load.re);
        csvField(out, p.load.im);
        if (p.defined) {
            csvField(out, p.input.re);
            csvField(out, p.input.im);
            csvField(out, p.inputReturnLossDb);
            csvField(out, p.vswr < DOUBLE_BIG ? p.vswr : notANumber);
            csvField(out, p.outputReturnLossDb);
            csvField(out, p.gainDb);
            csvField(out, p.k);
            csvField(out, p.mu);
            csvField(out, p.noiseFigureDb);
        } else {
            out += ",,,,,,,,,";
        }
        out += "\r\n";
    }
    return out;
}

} // namespace zelvo
