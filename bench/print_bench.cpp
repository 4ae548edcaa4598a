// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Printing the full design to a 600 dpi PDF: the comments page and the chart
// page with every layer and the schematic. Reports the longest stretch
// between two abort checks, which bounds how long a Cancel waits.
#include "full_design.h"
#include "ui/printing.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace zelvo;

void BM_PrintFullDesignToPdf(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "print_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    const std::unique_ptr<Design> design = bench::fullDesign();
    const Settings settings;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setOutputFileName(dir.filePath(QStringLiteral("full.pdf")));
    using Clock = std::chrono::steady_clock;
    double longestGapMs = 0.0;
    for (auto _ : state) {
        Clock::time_point last = Clock::now();
        const AbortCheck check = [&] {
            const Clock::time_point now = Clock::now();
            longestGapMs = std::max(longestGapMs,
                                    std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            return false;
        };
        const PrintResult r =
            printPages(printer, QStringLiteral("bench"),
                       chartPrintPages(*design, settings, 0xFFFF & ~printBlackWhite, check), check);
        benchmark::DoNotOptimize(r.outcome);
    }
    state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_PrintFullDesignToPdf)->Unit(benchmark::kMillisecond);

} // namespace
