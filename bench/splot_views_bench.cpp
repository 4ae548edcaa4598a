// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Repaint cost of the seven S-Plot windows with a long measurement loaded:
// two million points (a 180 MB file), each window at the size the main
// window's layout gives it on a 1600 x 1000 screen, painted through the real
// widgets. A file with one 10 MB line measures the file window alone.
#include "model/sparam_set.h"
#include "model/touchstone.h"
#include "ui/app_state.h"
#include "ui/main_layout.h"
#include "ui/splot_windows.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace zelvo;

QApplication& application()
{
    static int argc = 1;
    static char name[] = "splot_views_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: see ui_bench.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A sweep from 10 MHz to 20 GHz as an analyser writes it: S11 and S22
// spiralling inwards, S21 falling and turning, S12 small, a little noise in
// the last digits, CR LF.
std::string longSweep(int points)
{
    std::string text = "! two million point sweep\r\n# GHz S MA R 50\r\n";
    text.reserve(static_cast<std::size_t>(points) * 92 + 64);
    char line[160];
    unsigned noise = 12345;
    for (int i = 0; i < points; ++i) {
        const double t = static_cast<double>(i) / points;
        noise = noise * 1103515245u + 12345u;
        const double jitter = ((noise >> 16) % 1000) * 1e-6;
        std::snprintf(line, sizeof line, "%.7f %.5f %.3f %.5f %.3f %.6f %.3f %.5f %.3f\r\n",
                      0.01 + 19.99 * t, 0.9 - 0.5 * t + jitter,
                      std::fmod(-170.0 - 2900.0 * t, 360.0) + 180.0, 8.0 - 6.0 * t + jitter,
                      std::fmod(170.0 - 1500.0 * t, 360.0) + 180.0 - 180.0,
                      0.02 + 0.05 * t + jitter, std::fmod(80.0 - 700.0 * t, 360.0),
                      0.6 - 0.3 * t + jitter, std::fmod(-40.0 - 2200.0 * t, 360.0));
        text += line;
    }
    return text;
}

std::unique_ptr<AppState> loadedState(std::string text)
{
    auto state = std::make_unique<AppState>();
    state->sparams.sourceText = std::move(text);
    state->sparams.fileName = "sweep.s2p";
    state->sparams.loaded = readTouchstone(state->sparams);
    return state;
}

AppState& twoMillionPoints()
{
    static const std::unique_ptr<AppState> state = loadedState(longSweep(2000000));
    return *state;
}

// Ten points behind a comment line of 10 MB.
const AppState& tenMegabyteLine()
{
    static const std::unique_ptr<AppState> state = [] {
        std::string text = "! ";
        for (int i = 0; text.size() < 10'000'000; ++i)
            text +=
                "measured at 25 degrees, port 1 to port 2, calibration " + std::to_string(i) + "; ";
        text += "\r\n# MHz S MA R 50\r\n";
        for (int i = 1; i <= 10; ++i)
            text += std::to_string(100 * i) + " 0.5 -40 4.0 120 0.05 60 0.4 -30\r\n";
        return loadedState(std::move(text));
    }();
    return *state;
}

// The window's size in the S-Plot layout of a 1600 x 1000 client area.
QSize layoutSize(SPlotWindow which)
{
    return mainLayout(1600, 1000, 8, 1600, 1000).sPlot[static_cast<std::size_t>(which)].size();
}

// Every repaint as after another file was opened: nothing kept from before.
enum class Kept : std::uint8_t { AsItGoes, Nothing };

void repaintView(benchmark::State& bs, const AppState& state, SPlotWindow which,
                 bool scrolledToEnd = false, Kept kept = Kept::AsItGoes)
{
    application();
    if (!state.sparams.loaded) {
        bs.SkipWithError("the benchmark file did not read");
        return;
    }
    std::unique_ptr<QWidget> view(createSPlotView(state, which, nullptr));
    view->resize(layoutSize(which));
    view->show();
    QApplication::processEvents();
    auto* scroll = qobject_cast<QAbstractScrollArea*>(view.get());
    if (scroll && scrolledToEnd) {
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
        QApplication::processEvents();
    }
    QWidget* surface = scroll ? scroll->viewport() : view.get();
    auto& revision = const_cast<SParamSet&>(state.sparams).revision;
    for (auto _ : bs) {
        if (kept == Kept::Nothing)
            ++revision;
        surface->repaint();
    }
    bs.counters["points"] = state.sparams.pointCount;
}

void BM_TwoMillionPoints(benchmark::State& bs)
{
    repaintView(bs, twoMillionPoints(), static_cast<SPlotWindow>(bs.range(0)));
}
BENCHMARK(BM_TwoMillionPoints)
    ->ArgName("window")
    ->DenseRange(0, 6) // S11, S12, S21, S22, file text, gain table, gain graph
    ->Unit(benchmark::kMillisecond);

// The first paint after the file was read: what the windows keep (the
// reduced traces, the text's line index, the table's measure) made anew.
void BM_TwoMillionPointsFirstPaint(benchmark::State& bs)
{
    repaintView(bs, twoMillionPoints(), static_cast<SPlotWindow>(bs.range(0)), false,
                Kept::Nothing);
}
BENCHMARK(BM_TwoMillionPointsFirstPaint)
    ->ArgName("window")
    ->DenseRange(0, 6)
    ->Unit(benchmark::kMillisecond);

// The text windows at the end of their rows and columns.
void BM_TwoMillionPointsScrolledToTheEnd(benchmark::State& bs)
{
    repaintView(bs, twoMillionPoints(), static_cast<SPlotWindow>(bs.range(0)), true);
}
BENCHMARK(BM_TwoMillionPointsScrolledToTheEnd)
    ->ArgName("window")
    ->Arg(static_cast<int>(SPlotWindow::Text))
    ->Arg(static_cast<int>(SPlotWindow::GainTable))
    ->Unit(benchmark::kMillisecond);

void BM_TenMegabyteLine(benchmark::State& bs)
{
    repaintView(bs, tenMegabyteLine(), SPlotWindow::Text, bs.range(0) == 1);
}
BENCHMARK(BM_TenMegabyteLine)
    ->ArgName("scrolledToEnd")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
