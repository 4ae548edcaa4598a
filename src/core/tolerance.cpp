// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/tolerance.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

// Samples per block between progress reports: large enough that the inner
// loops stay long, small enough for a responsive Cancel.
constexpr int block = 2048;

double toleranceOf(const ToleranceSetup& setup, const ChainSpread& chain, int i)
{
    if (!chain.varies(i) || i >= static_cast<int>(setup.tolerances.size()))
        return 0.0;
    const double t = setup.tolerances[static_cast<std::size_t>(i)];
    return std::isfinite(t) ? std::clamp(t, 0.0, 0.99) : 0.0;
}

// Every element at its value, then each varying part alone at 1 - t and at
// 1 + t: the nominal worst and the sensitivities.
void oneAtATime(const ChainSpread& chain, const ToleranceSetup& setup, ToleranceResult& r)
{
    const int n = chain.elementCount();
    const int count = 1 + 2 * n;
    std::vector<double> factors(static_cast<std::size_t>(n * count), 1.0);
    for (int i = 0; i < n; ++i) {
        const double t = toleranceOf(setup, chain, i);
        factors[static_cast<std::size_t>(i * count + 1 + 2 * i)] = 1.0 - t;
        factors[static_cast<std::size_t>(i * count + 2 + 2 * i)] = 1.0 + t;
    }
    ChainSpread::Output out;
    chain.evaluate(factors, count, setup.target, out);
    r.nominalWorstDb = returnLossDb(out.worstGamma2[0]);
    r.sensitivityDb.assign(static_cast<std::size_t>(n), 0.0);
    double most = 0.0;
    for (int i = 0; i < n; ++i) {
        if (toleranceOf(setup, chain, i) == 0.0)
            continue;
        const double worse = std::max(out.worstGamma2[static_cast<std::size_t>(1 + 2 * i)],
                                      out.worstGamma2[static_cast<std::size_t>(2 + 2 * i)]);
        const double drop = r.nominalWorstDb - returnLossDb(worse);
        r.sensitivityDb[static_cast<std::size_t>(i)] = drop;
        if (r.mostSensitive < 0 || drop > most) {
            r.mostSensitive = i;
            most = drop;
        }
    }
}

} // namespace

double returnLossDb(double gamma2)
{
    if (!(gamma2 > 1e-12))
        return 120.0;
    return -10.0 * std::log10(std::min(gamma2, 1.0));
}

ToleranceResult runTolerance(const ChainSpread& chain, const ToleranceSetup& setup,
                             const std::function<bool(int, int)>& progress)
{
    ToleranceResult r;
    const int n = chain.elementCount();
    const int total = std::max(setup.samples, 0);
    const std::size_t loads = static_cast<std::size_t>(chain.loadCount());
    oneAtATime(chain, setup, r);

    std::vector<std::vector<double>> drawn(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        drawn[static_cast<std::size_t>(i)].resize(static_cast<std::size_t>(total));
        drawFactors(setup.seed, i, toleranceOf(setup, chain, i), setup.law,
                    drawn[static_cast<std::size_t>(i)]);
    }
    // Gamma^2 at or below this meets the target.
    const double pass = std::pow(10.0, -setup.targetDb / 10.0);
    std::vector<double> worstG2;
    std::vector<double> loadMin(loads, 1.0), loadMax(loads, 0.0);
    const std::size_t kept =
        setup.keepEnds ? static_cast<std::size_t>(std::clamp(setup.maxEnds, 0, total)) : 0;
    std::vector<Complex> ends(loads * kept);
    ChainSpread::Output out;
    std::vector<double> factors;
    int done = 0;
    while (done < total) {
        if (progress && !progress(done, total)) {
            r.cancelled = true;
            break;
        }
        const int count = std::min(block, total - done);
        const std::size_t c = static_cast<std::size_t>(count);
        factors.resize(static_cast<std::size_t>(n) * c);
        for (int i = 0; i < n; ++i)
            std::copy_n(drawn[static_cast<std::size_t>(i)].begin() + done, c,
                        factors.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(i) * c));
        const std::size_t keepHere =
            std::min(c, kept > static_cast<std::size_t>(done) ? kept - static_cast<std::size_t>(done) : 0);
        chain.evaluate(factors, count, setup.target, out, keepHere > 0, true);
        worstG2.insert(worstG2.end(), out.worstGamma2.begin(), out.worstGamma2.end());
        for (std::size_t l = 0; l < loads; ++l) {
            loadMin[l] = std::min(loadMin[l], out.loadMin[l]);
            loadMax[l] = std::max(loadMax[l], out.loadMax[l]);
            if (keepHere > 0)
                std::copy_n(out.ends.begin() + static_cast<std::ptrdiff_t>(l * c), keepHere,
                            ends.begin() + static_cast<std::ptrdiff_t>(
                                               l * kept + static_cast<std::size_t>(done)));
        }
        done += count;
    }
    r.samples = done;
    for (int s = 0; s < done; ++s) {
        const double g2 = worstG2[static_cast<std::size_t>(s)];
        if (g2 <= pass)
            ++r.passing;
        if (r.worstSample < 0 || g2 > worstG2[static_cast<std::size_t>(r.worstSample)])
            r.worstSample = s;
    }
    r.yield = done > 0 ? static_cast<double>(r.passing) / done : 0.0;
    if (r.worstSample >= 0) {
        r.worstDb = returnLossDb(worstG2[static_cast<std::size_t>(r.worstSample)]);
        for (int i = 0; i < n; ++i)
            r.worstFactors.push_back(
                drawn[static_cast<std::size_t>(i)][static_cast<std::size_t>(r.worstSample)]);
    }
    if (kept > 0) {
        // Only the samples done, still load after load.
        const std::size_t have = std::min(kept, static_cast<std::size_t>(done));
        r.endsPerLoad = static_cast<int>(have);
        r.ends.reserve(loads * have);
        for (std::size_t l = 0; l < loads; ++l) {
            const auto from = ends.begin() + static_cast<std::ptrdiff_t>(l * kept);
            r.ends.insert(r.ends.end(), from, from + static_cast<std::ptrdiff_t>(have));
        }
    }
    if (setup.keepEnds && r.worstSample >= 0) {
        // The worst sample once more, wherever it fell.
        std::vector<double> worst(r.worstFactors);
        chain.evaluate(worst, 1, setup.target, out, true);
        r.worstEnds = out.ends;
    }
    for (std::size_t l = 0; l < loads && done > 0; ++l) {
        r.loadBestDb.push_back(returnLossDb(loadMin[l]));
        r.loadWorstDb.push_back(returnLossDb(loadMax[l]));
    }
    return r;
}

} // namespace zelvo
