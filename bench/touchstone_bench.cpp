// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/touchstone.h"
#include "model/twoport_export.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace zelvo;

namespace {

// A file as measurement software writes it: header comments, S-parameter
// lines in MA form and a noise block, CR LF.
std::string fullFile(int sLines = 200, int noiseLines = 50)
{
    std::string text = "! Transistor XY, Vce = 5 V, Ic = 10 mA\r\n! measured\r\n# MHz S MA R 50\r\n"
                       "!  Freq   S11-mag S11-arg S21-mag S21-arg S12-mag S12-arg S22-mag S22-arg\r\n";
    char line[200];
    for (int i = 0; i < sLines; ++i) {
        const double f = 100.0 + 10.0 * i;
        std::snprintf(line, sizeof line,
                      "%10.1f  %8.5f %8.2f  %8.4f %8.2f  %8.6f %8.2f  %8.5f %8.2f\r\n", f,
                      0.6 - 0.001 * i, -90.0 - 0.4 * i, 15.0 - 0.05 * i, 120.0 - 0.3 * i,
                      0.03 + 0.0002 * i, 50.0 + 0.01 * i, 0.6 - 0.0015 * i, -40.0 - 0.15 * i);
        text += line;
    }
    text += "\r\n! Noise parameters\r\n";
    for (int i = 0; i < noiseLines; ++i) {
        std::snprintf(line, sizeof line, "%10.1f  %7.4f  %7.5f  %7.2f  %7.4f\r\n", 100.0 + 40.0 * i,
                      0.9 + 0.004 * i, 0.01 + 0.003 * i, 134.0 + 0.9 * i, 0.11 - 0.0005 * i);
        text += line;
    }
    return text;
}

// Every point and the noise block behind them; 1601 points is the longest
// sweep common analysers write.
void BM_ReadTouchstone(benchmark::State& state)
{
    const auto sLines = static_cast<int>(state.range(0));
    SParamSet set;
    set.sourceText = fullFile(sLines, 50);
    for (auto _ : state) {
        const bool ok = readTouchstone(set);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(set.pointCount);
    }
    if (set.pointCount != sLines || set.noiseCount != 50)
        state.SkipWithError("the benchmark file did not read as intended");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * set.sourceLength());
}
BENCHMARK(BM_ReadTouchstone)->Arg(91)->Arg(200)->Arg(1601)->Unit(benchmark::kMicrosecond);

// 1601 points as simulators and some analysers write them: RI pairs in
// exponent form with ten significant digits, LF only, and the noise block.
void BM_ReadTouchstoneExponentForm(benchmark::State& state)
{
    std::string text = "! simulated\n# Hz S RI R 50\n";
    char line[300];
    for (int i = 0; i < 1601; ++i) {
        const double x = 0.001 * i;
        std::snprintf(line, sizeof line,
                      "%.9E %.9E %.9E %.9E %.9E %.9E %.9E %.9E %.9E\n", 1e8 + 1e7 * i,
                      0.6 - x * 0.2, -0.3 + x * 0.1, 4.0 - x, 2.5 + x, 0.01 + x * 0.01,
                      0.02 - x * 0.001, 0.5 - x * 0.1, -0.2 - x * 0.05);
        text += line;
    }
    for (int i = 0; i < 50; ++i) {
        std::snprintf(line, sizeof line, "%.9E %.9E %.9E %.9E %.9E\n", 1e8 + 4e8 * i,
                      0.9 + 0.004 * i, 0.01 + 0.003 * i, 134.0 + 0.9 * i, 0.11 - 0.0005 * i);
        text += line;
    }
    SParamSet set;
    set.sourceText = text;
    for (auto _ : state) {
        const bool ok = readTouchstone(set);
        benchmark::DoNotOptimize(ok);
    }
    if (set.pointCount != 1601 || set.noiseCount != 50)
        state.SkipWithError("the benchmark file did not read as intended");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * set.sourceLength());
}
BENCHMARK(BM_ReadTouchstoneExponentForm)->Unit(benchmark::kMicrosecond);

// Two million points, as a fine sweep of a long cable or a simulator writes
// them, in a version 1 file and in the same data as a keyword file: the two
// readers should take about as long.
std::string longSweep(bool keywords)
{
    constexpr int points = 2000000;
    std::string text = keywords ? "[Version] 2.0\n# Hz S RI R 50\n[Number of Ports] 2\n"
                                  "[Two-Port Data Order] 21_12\n[Number of Frequencies] 2000000\n"
                                  "[Network Data]\n"
                                : "# Hz S RI R 50\n";
    text.reserve(static_cast<std::size_t>(points) * 80 + 200);
    char line[200];
    for (int i = 0; i < points; ++i) {
        const double x = 1e-6 * i;
        std::snprintf(line, sizeof line, "%d %.5f %.5f %.4f %.4f %.6f %.6f %.5f %.5f\n",
                      100000000 + 5 * i, 0.6 - x * 0.2, -0.3 + x * 0.1, 4.0 - x, 2.5 + x,
                      0.01 + x * 0.001, 0.02 - x * 0.001, 0.5 - x * 0.1, -0.2 - x * 0.05);
        text += line;
    }
    if (keywords)
        text += "[End]\n";
    return text;
}

void BM_ReadLongSweep(benchmark::State& state)
{
    SParamSet set;
    set.sourceText = longSweep(state.range(0) != 0);
    for (auto _ : state) {
        const bool ok = readTouchstone(set);
        benchmark::DoNotOptimize(ok);
    }
    if (set.pointCount != 2000000)
        state.SkipWithError("the benchmark file did not read as intended");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * set.sourceLength());
    state.SetLabel(state.range(0) != 0 ? "keyword file" : "version 1 file");
}
BENCHMARK(BM_ReadLongSweep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ExportText(benchmark::State& state)
{
    SParamSet set;
    set.sourceText = fullFile();
    readTouchstone(set);
    const std::string source = set.sourceText;
    for (auto _ : state) {
        std::string text = exportFileText(set, ParameterKind::H, false, source);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ExportText);

// The whole export: source re-read, temporary file, rename.
void BM_ExportFile(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / "zelvo_touchstone_bench";
    std::filesystem::create_directories(dir);
    SParamSet set;
    set.sourceText = fullFile();
    set.fileName = (dir / "bench.s2p").string();
    {
        std::FILE* f = std::fopen(set.fileName.c_str(), "wb");
        if (f) {
            std::fwrite(set.sourceText.data(), 1, set.sourceText.size(), f);
            std::fclose(f);
        }
    }
    readTouchstone(set);
    const std::string out = (dir / "bench.H2P").string();
    for (auto _ : state) {
        const ExportResult r = exportTwoPortFile(set, ParameterKind::H, true, out);
        if (!r.ok)
            state.SkipWithError("export failed");
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ExportFile);

} // namespace
