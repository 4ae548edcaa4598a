// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Writing and reading a full design: every list at its capacity.
#include "full_design.h"
#include "model/design.h"
#include "model/design_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>

using namespace zelvo;

namespace {


void writeDesignText(benchmark::State& state)
{
    auto d = bench::fullDesign();
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
    const std::string text = designFileText(*bench::fullDesign());
    auto d = std::make_unique<Design>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readDesignText(*d, text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(readDesignTextFull);

void writeAndReadDesignFile(benchmark::State& state)
{
    auto d = bench::fullDesign();
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
