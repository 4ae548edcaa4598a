// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// A tuning step with the frequency response window open: 10 elements (one a
// measured two-port block of 37 frequencies with noise data), 401 sweep
// points; the response alone, and the step through the real main window
// with the window's repaint.
#include "core/block.h"
#include "model/response.h"
#include "model/tuning_session.h"
#include "render/recording_canvas.h"
#include "render/response_graph.h"
#include "ui/app_state.h"
#include "ui/main_window.h"
#include "ui/menu.h"
#include "ui/response_window.h"
#include "ui/tuner.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace zelvo;

QApplication& application()
{
    static int argc = 1;
    static char name[] = "response_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A transistor-like block over 0.4 .. 2 GHz with noise data at every point.
std::shared_ptr<const BlockData> device()
{
    auto b = std::make_shared<BlockData>();
    b->name = "device.s2p";
    b->z0 = 50;
    for (int i = 0; i < 37; ++i) {
        const double f = 0.4e9 + i * (1.6e9 / 36);
        const double t = i / 36.0;
        b->f.push_back(f);
        b->s.push_back({fromPolar(0.6 - 0.2 * t, -1.0 - t), fromPolar(0.05 + 0.03 * t, 1.2),
                        fromPolar(8.0 - 5.0 * t, 2.0 - t), fromPolar(0.5 - 0.1 * t, -0.5 - t)});
        b->noise.push_back({f, 0.8 + 0.5 * t, fromPolar(0.3, 0.5 + t), 10.0});
    }
    return b;
}

void fill(Design& d)
{
    resetDesign(d);
    appendDataPoint(d, {30, -10, 0.9e9});
    appendDataPoint(d, {35, -5, 1.1e9});
    const ElementKind kinds[] = {ElementKind::IS, ElementKind::CP, ElementKind::IS,
                                 ElementKind::CP};
    const double values[] = {3e-9, 2e-12, 4e-9, 1.5e-12};
    for (int i = 0; i < 4; ++i) {
        Element e;
        e.kind = kinds[i];
        e.value = values[i];
        appendElement(d, e);
    }
    Element block;
    block.kind = ElementKind::Block;
    block.block = device();
    appendElement(d, block);
    for (int i = 0; i < 5; ++i) {
        Element e;
        e.kind = i % 2 ? ElementKind::CP : ElementKind::IS;
        e.value = i % 2 ? 1e-12 : 2e-9;
        appendElement(d, e);
    }
}

// The response of the whole chain over 401 points after a value step.
void BM_ResponseAfterTuningStep(benchmark::State& bs)
{
    auto d = std::make_unique<Design>();
    fill(*d);
    TuningSession s;
    const std::vector<double> f = sweepFrequencies(defaultSweep(*d));
    int sign = 1;
    for (auto _ : bs) {
        const Element& e = d->elements[1];
        tuneElement(*d, s, 1, ElementPart::Value,
                    tunedValue(e.kind, ElementPart::Value, e.value, sign, false));
        sign = -sign;
        const Response r = computeResponse(*d, f);
        benchmark::DoNotOptimize(r.points.back().gainDb);
    }
}
BENCHMARK(BM_ResponseAfterTuningStep)->Unit(benchmark::kMillisecond);

// The graph drawn on a recording canvas (the drawing's own arithmetic).
void BM_ResponseGraphDrawing(benchmark::State& bs)
{
    auto d = std::make_unique<Design>();
    fill(*d);
    ResponseGraph g;
    g.response = computeResponse(*d, sweepFrequencies(defaultSweep(*d)));
    for (auto _ : bs) {
        RecordingCanvas c;
        drawResponseGraph(c, g, 900, 560, 16);
        benchmark::DoNotOptimize(c.calls.size());
    }
}
BENCHMARK(BM_ResponseGraphDrawing)->Unit(benchmark::kMillisecond);

// A tuner step in the real main window with the response window open and
// repainted (Arg 1), or with the step and the refresh requests only (Arg 0).
void BM_TuningStepWithResponseWindow(benchmark::State& bs)
{
    application();
    auto state = std::make_unique<AppState>();
    fill(state->design);
    Platform platform;
    MainWindow window(*state, platform, QSize(1180, 1125));
    window.show();
    QApplication::processEvents();
    window.menu().action(Command::FrequencyResponse)->trigger();
    QApplication::processEvents();
    ResponseWindow* response = window.responseWindow();
    window.tuner().select(1);
    int sign = 1;
    const bool paint = bs.range(0) == 1;
    for (auto _ : bs) {
        window.tuner().step(sign, false);
        sign = -sign;
        if (paint)
            response->view()->repaint();
    }
    bs.counters["points"] = static_cast<double>(response->graph().response.points.size());
    state->design.modified = false;
}
BENCHMARK(BM_TuningStepWithResponseWindow)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);

} // namespace
