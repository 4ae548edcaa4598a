// Writing and reading a full design: every list at its capacity.
#include "model/design.h"
#include "model/design_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>

using namespace zelvo;

namespace {

std::unique_ptr<Design> fullDesign()
{
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    for (int i = 0; i < Design::pointCapacity; ++i)
        appendDataPoint(*d, {20.123456 + i, -10.987654 + 0.3 * i, 4e8 + 1.234567e7 * i});
    const ElementKind kinds[] = {
        ElementKind::CS, ElementKind::LS,  ElementKind::RS,        ElementKind::IS,
        ElementKind::CP, ElementKind::LPS, ElementKind::LPO,       ElementKind::RP,
        ElementKind::IP, ElementKind::TR,  ElementKind::RlcSeries, ElementKind::RlcParallel};
    for (int i = 0; i < Design::elementCapacity; ++i) {
        Element e;
        e.kind = kinds[i % 12];
        e.value = isLine(e.kind) ? 0.05 + 0.001 * i : 1.1e-12 * (1 + i);
        e.lineImpedance = 50.0f;
        e.lineEr = 2.2f;
        e.rlcR = 10;
        e.rlcL = 5e-9;
        e.rlcC = 2e-12;
        appendElement(*d, e);
    }
    for (int i = 0; i < Design::qCapacity; ++i)
        d->qCircles[static_cast<std::size_t>(i)] = 0.5f + static_cast<float>(i);
    d->qCount = Design::qCapacity;
    d->vswrCount = Design::vswrCapacity;
    for (int i = 0; i < Design::stabilityCapacity; ++i) {
        appendStabilityCircle(*d, {CirclePlane::Input,
                                   StableSide::Inside,
                                   0.8f,
                                   {0.5f, 0.1f, 0.05f, 0.02f, 3.1f, 1.2f, 0.4f, -0.3f}});
        appendGainCircle(*d, {CirclePlane::Output,
                              10.0f,
                              15.0f,
                              0.8f,
                              {0.5f, 0.1f, 0.05f, 0.02f, 3.1f, 1.2f, 0.4f, -0.3f}});
        appendNoiseCircle(*d, {1.2, {0.3, -0.4}, 0.15, 2.5});
    }
    runWideband(*d);
    return d;
}

void writeDesignText(benchmark::State& state)
{
    auto d = fullDesign();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = designFileText(*d);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(writeDesignText);

void readDesignTextFull(benchmark::State& state)
{
    const std::string text = designFileText(*fullDesign());
    auto d = std::make_unique<Design>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readDesignText(*d, text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(readDesignTextFull);

void writeAndReadDesignFile(benchmark::State& state)
{
    auto d = fullDesign();
    auto r = std::make_unique<Design>();
    const std::string path =
        (std::filesystem::temp_directory_path() / "zelvo_design_bench.zvc").string();
    for (auto _ : state) {
        writeDesignFile(*d, path);
        benchmark::DoNotOptimize(readDesignFile(*r, path));
    }
    std::remove(path.c_str());
}
BENCHMARK(writeAndReadDesignFile);

} // namespace
