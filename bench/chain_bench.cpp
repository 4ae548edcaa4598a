// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The chain on a full design: 150 data points, 150 elements of every kind.
#include "core/chain.h"
#include "full_design.h"
#include "model/design.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace zelvo;

namespace {


void recomputeFullChain(benchmark::State& state)
{
    auto d = bench::fullDesign();
    for (auto _ : state) {
        recomputeChain(*d, 0);
        benchmark::DoNotOptimize(d->elements[149].rEnd);
    }
    state.SetItemsProcessed(state.iterations() * Design::elementCapacity);
}
BENCHMARK(recomputeFullChain);

void widebandFullDesign(benchmark::State& state)
{
    auto d = bench::fullDesign();
    for (auto _ : state) {
        evaluateWideband(*d);
        benchmark::DoNotOptimize(d->widebandR[149]);
    }
    state.SetItemsProcessed(state.iterations() * Design::elementCapacity * Design::pointCapacity);
}
BENCHMARK(widebandFullDesign);

} // namespace
