// The chain on a full design: 150 data points, 150 elements of every kind.
#include "core/chain.h"
#include "model/design.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace zelvo;

namespace {

std::unique_ptr<Design> fullChain()
{
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    for (int i = 0; i < Design::pointCapacity; ++i)
        appendDataPoint(*d, {20.0 + i, -10.0 + 0.3 * i, 4e8 + 1e7 * i});
    const ElementKind kinds[] = {
        ElementKind::CS, ElementKind::LS,  ElementKind::RS,        ElementKind::IS,
        ElementKind::CP, ElementKind::LPS, ElementKind::LPO,       ElementKind::RP,
        ElementKind::IP, ElementKind::TR,  ElementKind::RlcSeries, ElementKind::RlcParallel};
    for (int i = 0; i < Design::elementCapacity; ++i) {
        Element e;
        e.kind = kinds[i % 12];
        e.value = isLine(e.kind)                                           ? 0.05 + 0.001 * i
                  : e.kind == ElementKind::TR                              ? 1.05
                  : e.kind == ElementKind::RS || e.kind == ElementKind::RP ? 20.0 + i
                  : e.kind == ElementKind::CS || e.kind == ElementKind::CP ? 1e-12 * (1 + i % 7)
                                                                           : 1e-9 * (1 + i % 5);
        e.lineImpedance = 50.0f;
        e.lineEr = 2.2f;
        e.rlcR = 10;
        e.rlcL = 5e-9;
        e.rlcC = 2e-12;
        appendElement(*d, e);
    }
    return d;
}

void recomputeFullChain(benchmark::State& state)
{
    auto d = fullChain();
    for (auto _ : state) {
        recomputeChain(*d, 0);
        benchmark::DoNotOptimize(d->elements[149].rEnd);
    }
    state.SetItemsProcessed(state.iterations() * Design::elementCapacity);
}
BENCHMARK(recomputeFullChain);

void widebandFullDesign(benchmark::State& state)
{
    auto d = fullChain();
    for (auto _ : state) {
        evaluateWideband(*d);
        benchmark::DoNotOptimize(d->widebandR[149]);
    }
    state.SetItemsProcessed(state.iterations() * Design::elementCapacity * Design::pointCapacity);
}
BENCHMARK(widebandFullDesign);

} // namespace
