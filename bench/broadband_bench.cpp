// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The broadband search over 41 frequencies: every ladder of L and C up to 4
// and up to 6 elements (the dialog's default and a larger search), one
// ladder evaluation, and up to 3 elements with lines and stubs. The load is
// an electrically small antenna: a series RLC resonant at the band centre
// with a Q of 20, over 10 % bandwidth.
#include "optimise/broadband.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace zelvo;

namespace {

LadderBand antennaBand()
{
    const double f0 = 100e6, r = 12.0, q = 20.0;
    const double w0 = 2 * std::numbers::pi * f0, l = q * r / w0, c = 1.0 / (w0 * w0 * l);
    LadderBand b;
    b.centre = f0;
    for (int i = 0; i < 41; ++i) {
        const double f = 95e6 + 10e6 * i / 40, w = 2 * std::numbers::pi * f;
        b.frequencies.push_back(f);
        b.loads.push_back({r, w * l - 1.0 / (w * c)});
        b.weights.push_back(1.0);
    }
    return b;
}

void search(benchmark::State& state, int elements, bool lines)
{
    const LadderBand band = antennaBand();
    const LadderEvaluator evaluator(band);
    BroadbandOptions o;
    o.maxElements = elements;
    o.lines = lines;
    o.centreLoad = band.loads[20];
    double worst = 1.0;
    long evaluations = 0;
    for (auto _ : state) {
        const BroadbandResult r = searchBroadband(evaluator, o);
        // A double through DoNotOptimize comes back garbled with GCC 12 and
        // this benchmark library (its "+m,r" constraint): keep the result.
        benchmark::DoNotOptimize(r.best.data());
        worst = r.best.back().worst;
        evaluations = r.evaluations;
    }
    state.counters["topologies"] = topologyCount(o);
    state.counters["evaluations"] = static_cast<double>(evaluations);
    state.counters["worstRL_dB"] = -20.0 * std::log10(worst);
}

void upToFourElements(benchmark::State& state)
{
    search(state, 4, false);
}
BENCHMARK(upToFourElements)->Unit(benchmark::kMillisecond)->Iterations(3);

void upToSixElements(benchmark::State& state)
{
    search(state, 6, false);
}
BENCHMARK(upToSixElements)->Unit(benchmark::kMillisecond)->Iterations(1);

void upToThreeWithLines(benchmark::State& state)
{
    search(state, 3, true);
}
BENCHMARK(upToThreeWithLines)->Unit(benchmark::kMillisecond)->Iterations(1);

void oneEvaluation(benchmark::State& state)
{
    const LadderEvaluator evaluator(antennaBand());
    const Topology t{LadderPart::SeriesL, LadderPart::SeriesC, LadderPart::ShuntL,
                     LadderPart::ShuntC, LadderPart::SeriesL, LadderPart::ShuntC};
    const std::vector<double> x{1.0, -0.5, 0.3, 0.7, -1.2, 0.1};
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.worst(t, x));
    state.SetItemsProcessed(state.iterations() * 41);
}
BENCHMARK(oneEvaluation);

} // namespace
