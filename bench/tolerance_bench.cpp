// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The tolerance spread at the size live tuning must follow: 10,000 samples
// of a 20-part ladder (half of its inductors with a Q of 30) at 41 data
// point frequencies, the chain's ends kept for the chart; and the standard
// value search over 12 parts (4,096 combinations).
#include "core/standard_values.h"
#include "core/tolerance.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace zelvo;

std::vector<Element> ladder(int parts)
{
    std::vector<Element> chain;
    for (int i = 0; i < parts; ++i) {
        Element e;
        const bool series = i % 2 == 0;
        e.kind = series ? ElementKind::IS : ElementKind::CP;
        e.value = series ? 2.2e-9 * (1.0 + 0.03 * i) : 1.1e-12 * (1.0 + 0.02 * i);
        if (series && i % 4 == 0) {
            e.loss.q = 30.0;
            e.loss.qFrequency = 2.4e9;
        }
        chain.push_back(e);
    }
    return chain;
}

std::vector<SpreadLoad> band(int points)
{
    std::vector<SpreadLoad> loads;
    for (int i = 0; i < points; ++i)
        loads.push_back({{15.0 + 0.1 * i, -10.0 + 0.5 * i}, 2.2e9 + 0.4e9 * i / (points - 1)});
    return loads;
}

void BM_ToleranceRun(benchmark::State& state)
{
    const std::vector<Element> chain = ladder(20);
    const std::vector<SpreadLoad> loads = band(41);
    ToleranceSetup setup;
    setup.tolerances.assign(chain.size(), 0.05);
    setup.samples = static_cast<int>(state.range(0));
    for (auto _ : state) {
        // The chain is prepared anew each time, as a changed value needs.
        const ChainSpread spread(chain, loads, 2.4e9);
        const ToleranceResult r = runTolerance(spread, setup);
        benchmark::DoNotOptimize(r.yield);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 41 * 20);
}
BENCHMARK(BM_ToleranceRun)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_StandardValues12(benchmark::State& state)
{
    const std::vector<Element> chain = ladder(12);
    const std::vector<SpreadLoad> loads = band(41);
    for (auto _ : state) {
        const StandardChoice c =
            chooseStandardValues(chain, loads, 2.4e9, {50.0}, ESeries::E24);
        benchmark::DoNotOptimize(c.worstDb);
    }
}
BENCHMARK(BM_StandardValues12)->Unit(benchmark::kMillisecond);

} // namespace
