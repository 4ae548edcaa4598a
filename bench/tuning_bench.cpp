// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// One tuning step on the full design (150 data points, 150 elements of every
// kind, contours, wideband shown) through the real main window, with the
// repaints it causes; and the optimiser's 10 000 chain evaluations over the
// 150 data point frequencies.
#include "full_design.h"

#include "core/wideband_evaluator.h"
#include "model/tuning_session.h"
#include "optimise/optimiser.h"
#include "ui/app_state.h"
#include "ui/chart_window.h"
#include "ui/main_window.h"
#include "ui/point_list_window.h"
#include "ui/schematic_window.h"
#include "ui/tuner.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zelvo;

QApplication& application()
{
    static int argc = 1;
    static char name[] = "tuning_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own statics may already be gone, and a
    // QApplication torn down after them crashes.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The model's part alone: the value, the chain from the element on and the
// wideband result.
void BM_TuningStepModel(benchmark::State& bs)
{
    auto d = bench::fullDesign();
    TuningSession s;
    int sign = 1;
    for (auto _ : bs) {
        const Element& e = d->elements[1];
        tuneElement(*d, s, 1, ElementPart::Value,
                    tunedValue(e.kind, ElementPart::Value, e.value, sign, false));
        sign = -sign;
        benchmark::DoNotOptimize(d->widebandR[149]);
    }
}
BENCHMARK(BM_TuningStepModel)->Unit(benchmark::kMillisecond);

// A step of the second element (the whole chain follows) with the chart,
// the schematic and the data point list painted anew, readouts included.
void BM_TuningStepInTheWindow(benchmark::State& bs)
{
    application();
    auto state = std::make_unique<AppState>();
    bench::fillDesign(state->design);
    Platform platform;
    MainWindow window(*state, platform, QSize(1180, 1125));
    window.show();
    QApplication::processEvents();
    window.tuner().select(1);
    int sign = 1;
    const auto paint = bs.range(0);
    for (auto _ : bs) {
        window.tuner().step(sign, false);
        sign = -sign;
        if (paint == 1 || paint == 2)
            window.chartWindow()->repaint();
        if (paint == 1 || paint == 3)
            window.schematic()->viewport()->repaint();
        if (paint == 1 || paint == 4)
            window.pointList()->viewport()->repaint();
    }
    bs.counters["chartWidth"] = state->chartView.clientWidth;
    state->design.modified = false;
}
// Arg 0: the step and the refresh requests only; Arg 1: with the repaints;
// Args 2, 3, 4: with the repaint of the chart, the schematic or the list alone.
BENCHMARK(BM_TuningStepInTheWindow)->Unit(benchmark::kMillisecond)->DenseRange(0, 4);

// 10 000 evaluations of the full design's chain over its 150 frequencies,
// with `range(0)` elements varying (spread over the chain).
void BM_OptimiserEvaluations(benchmark::State& bs)
{
    auto d = bench::fullDesign();
    const int varying = static_cast<int>(bs.range(0));
    std::vector<TuneVariable> vars;
    for (int i = 0; i < varying; ++i) {
        const int index = i * Design::elementCapacity / varying;
        vars.push_back({index, defaultPart(d->elements[static_cast<std::size_t>(index)].kind)});
    }
    WidebandEvaluator eval({d->elements.data(), 150}, {d->dataPoints.data(), 150},
                                 designFrequency(*d), vars);
    std::vector<double> values = presentValues(*d, vars);
    for (auto _ : bs) {
        double worst = 0;
        for (int n = 0; n < 10000; ++n) {
            values[static_cast<std::size_t>(n % varying)] *= n % 2 ? 1.001 : 1 / 1.001;
            worst += eval.worstMismatch(values, {50.0, 0.0});
        }
        benchmark::DoNotOptimize(worst);
    }
}
BENCHMARK(BM_OptimiserEvaluations)->Unit(benchmark::kMillisecond)->Arg(2)->Arg(6)->Arg(150);

// A whole default run of the optimiser on the full design: every element
// varies, 10 000 evaluations in the optimiser's own pattern of moves.
void BM_OptimiseAllElements(benchmark::State& bs)
{
    auto d = bench::fullDesign();
    OptimiseSetup setup = defaultSetup(*d, d->z0);
    setup.maxEvaluations = 10000;
    int evaluations = 0;
    for (auto _ : bs) {
        const OptimiseResult r = optimise(*d, setup, {});
        evaluations = r.evaluations;
        benchmark::DoNotOptimize(r.worst);
    }
    bs.counters["evaluations"] = evaluations;
}
BENCHMARK(BM_OptimiseAllElements)->Unit(benchmark::kMillisecond);

} // namespace
