// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/broadband_load.h"

#include "core/chain.h"
#include "core/format.h"

#include <algorithm>
#include <memory>
#include <cmath>
#include <numeric>

namespace zelvo {

namespace {

std::string hertz(double f)
{
    return formatSi(f, 3) + "Hz";
}

Complex gammaOf(Complex z, double reference)
{
    return divideGuarded(z - reference, z + reference);
}

Complex impedanceOf(Complex gamma, double reference)
{
    return reference * divideGuarded(1.0 + gamma, 1.0 - gamma);
}

// Sorts the samples by frequency and keeps the first of repeated ones.
LoadRead finish(std::vector<double> f, std::vector<Complex> g, double reference, int skipped,
                const char* what)
{
    std::vector<std::size_t> order(f.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return f[a] < f[b]; });
    LoadSamples s;
    s.reference = reference;
    int repeated = 0;
    for (std::size_t i : order) {
        if (!s.frequencies.empty() && f[i] == s.frequencies.back()) {
            ++repeated;
            continue;
        }
        s.frequencies.push_back(f[i]);
        s.gammas.push_back(g[i]);
    }
    if (s.frequencies.size() < 3)
        return {std::nullopt,
                printfString("Broadband matching needs the load at three or more frequencies; "
                             "the %s have %zu.",
                             what, s.frequencies.size())};
    if (repeated > 0)
        s.note = printfString("%d %s at a frequency already given left out.", repeated,
                              repeated == 1 ? "point" : "points");
    if (skipped > 0)
        s.note += (s.note.empty() ? "" : " ") +
                  printfString("%d %s without a frequency left out.", skipped,
                               skipped == 1 ? "point" : "points");
    return {std::move(s), {}};
}

} // namespace

LoadRead designLoad(const Design& d)
{
    const int n = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    const int elements = std::clamp(d.elementCount, 0, Design::elementCapacity);
    const std::span<const DataPoint> points(d.dataPoints.data(), static_cast<std::size_t>(n));
    std::vector<double> r(points.size()), x(points.size());
    std::unique_ptr<bool[]> undefined(new bool[points.size()]());
    evaluateWideband({d.elements.data(), static_cast<std::size_t>(elements)}, points,
                     designFrequency(d), r, x, {undefined.get(), points.size()});
    std::vector<double> f;
    std::vector<Complex> g;
    int skipped = 0, outside = 0;
    const double reference = static_cast<double>(d.z0);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!(points[i].f > 0.0) || !std::isfinite(points[i].f)) {
            ++skipped;
            continue;
        }
        // A measured block of the chain without data there: no load known.
        if (undefined[i]) {
            ++outside;
            continue;
        }
        f.push_back(points[i].f);
        g.push_back(gammaOf({r[i], x[i]}, reference));
    }
    LoadRead read = finish(std::move(f), std::move(g), reference, skipped, "design's data points");
    if (read.samples && outside > 0)
        read.samples->note += (read.samples->note.empty() ? "" : " ") +
                              printfString("%d %s outside a measured block's frequencies left out.",
                                           outside, outside == 1 ? "point" : "points");
    return read;
}

LoadRead onePortLoad(const OnePortData& data)
{
    const double scale = std::pow(10.0, data.freqExponent);
    std::vector<double> f;
    std::vector<Complex> g;
    int skipped = 0;
    for (const OnePortPoint& p : data.points) {
        const double hz = p.frequency * scale;
        if (!(hz > 0.0) || !std::isfinite(hz)) {
            ++skipped;
            continue;
        }
        f.push_back(hz);
        g.push_back({p.s11re, p.s11im});
    }
    return finish(std::move(f), std::move(g), data.reference, skipped, "file's points");
}

std::optional<Complex> interpolateGamma(const LoadSamples& s, double f)
{
    const std::vector<double>& fs = s.frequencies;
    if (fs.empty() || !(f >= fs.front()) || !(f <= fs.back()))
        return std::nullopt;
    const auto hi = std::lower_bound(fs.begin(), fs.end(), f);
    const std::size_t j = static_cast<std::size_t>(hi - fs.begin());
    if (*hi == f || j == 0)
        return s.gammas[j];
    const double t = (f - fs[j - 1]) / (fs[j] - fs[j - 1]);
    return s.gammas[j - 1] * (1.0 - t) + s.gammas[j] * t;
}

BandProblem makeBandProblem(const LoadSamples& s, const BandRequest& r)
{
    BandProblem out;
    if (!(r.source > 0.0) || !std::isfinite(r.source)) {
        out.problem = "The source resistance must be greater than 0 Ohm.";
        return out;
    }
    if (!(r.f1 > 0.0) || !std::isfinite(r.f2) || !(r.f2 > r.f1)) {
        out.problem = "The band's upper frequency must lie above its lower one, both above 0 Hz.";
        return out;
    }
    if (s.frequencies.empty() || r.f1 < s.frequencies.front() || r.f2 > s.frequencies.back()) {
        out.problem =
            s.frequencies.empty()
                ? std::string("The band must lie within the load's frequencies.")
                : printfString("The band must lie within the load's frequencies, %s to %s.",
                               hertz(s.frequencies.front()).c_str(),
                               hertz(s.frequencies.back()).c_str());
        return out;
    }
    if (!(r.weight1 > 0.0) || !(r.weight2 > 0.0) || !std::isfinite(r.weight1) ||
        !std::isfinite(r.weight2)) {
        out.problem = "The weights must be greater than 0.";
        return out;
    }
    std::vector<double> f;
    if (r.ownFrequencies) {
        for (double v : s.frequencies)
            if (v >= r.f1 && v <= r.f2)
                f.push_back(v);
        if (f.size() < 2) {
            out.problem = "Fewer than two of the load's frequencies lie in the band; "
                          "spread the frequencies evenly instead.";
            return out;
        }
    } else {
        if (r.count < minBandPoints || r.count > maxBandPoints) {
            out.problem = printfString("The number of frequencies must be from %d to %d.",
                                       minBandPoints, maxBandPoints);
            return out;
        }
        for (int i = 0; i < r.count; ++i)
            f.push_back(i == r.count - 1 ? r.f2 : r.f1 + (r.f2 - r.f1) * i / (r.count - 1));
    }
    LadderBand& b = out.band;
    b.source = r.source;
    b.centre = 0.5 * (r.f1 + r.f2);
    int leftOut = 0;
    double worstGamma = 0.0, worstAt = 0.0;
    for (double v : f) {
        const Complex g = interpolateGamma(s, v).value_or(Complex{1.0});
        // A passive load reflects at most what it receives; where a
        // measurement says otherwise no network can help, and such a
        // frequency would decide the worst case alone.
        const double m = magnitude(g);
        if (!(m < 1.0)) {
            ++leftOut;
            if (m > worstGamma) {
                worstGamma = m;
                worstAt = v;
            }
            continue;
        }
        const double t = (v - r.f1) / (r.f2 - r.f1);
        b.frequencies.push_back(v);
        b.loads.push_back(impedanceOf(g, s.reference));
        b.weights.push_back(r.weight1 + (r.weight2 - r.weight1) * t);
    }
    if (leftOut > 0)
        out.warning = printfString("%d of %zu frequencies left out: the load reflects as much as "
                                   "it receives or more there (|\u0393| up to %.4f at %s), which a "
                                   "passive load cannot; no network matches such a point.",
                                   leftOut, f.size(), worstGamma, hertz(worstAt).c_str());
    if (b.frequencies.size() < 2) {
        out.problem = "Fewer than two frequencies of the band are left to match.";
        return out;
    }
    if (const std::optional<Complex> g = interpolateGamma(s, b.centre); g && magnitude(*g) < 1.0)
        out.centreLoad = impedanceOf(*g, s.reference);
    return out;
}

} // namespace zelvo
