// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Repaint cost of the chart window (which repaints on every mouse move while
// an element is placed) and of the S-Plot windows.
#include "full_design.h"
#include "core/chain.h"
#include "model/design.h"
#include "model/sparam_set.h"
#include "model/touchstone.h"
#include "render/chart_image.h"
#include "render/chart_objects.h"
#include "render/gain_graph.h"
#include "render/painter_canvas.h"
#include "render/schematic.h"
#include "render/splot_plots.h"
#include "render/text_views.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

using namespace zelvo;

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "render_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}



void renderFullChart(benchmark::State& state)
{
    ensureApplication();
    const auto design = bench::fullDesign();
    const ChartStyle style = chartStyle(Settings{}, true, GridMode::Chart);
    ChartGeometry g;
    g.baseRadius = 490;
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, CanvasMapping::chart(500, 500));
        renderChart(canvas, *design, style, g);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(renderFullChart)->Unit(benchmark::kMillisecond);

// The same through QPainter's own line drawing, as on a widget or a printer
// (a clip turns the direct pixel path off).
void renderFullChartQtLines(benchmark::State& state)
{
    ensureApplication();
    const auto design = bench::fullDesign();
    const ChartStyle style = chartStyle(Settings{}, true, GridMode::Chart);
    ChartGeometry g;
    g.baseRadius = 490;
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setClipRect(0, 0, 1000, 1000);
        PainterCanvas canvas(painter, CanvasMapping::chart(500, 500));
        renderChart(canvas, *design, style, g);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(renderFullChartQtLines)->Unit(benchmark::kMillisecond);

// One layer alone, to see where a full repaint spends its time.
void renderOneLayer(benchmark::State& state)
{
    ensureApplication();
    const auto design = bench::fullDesign();
    const ChartStyle style = chartStyle(Settings{}, true, GridMode::Chart);
    ChartGeometry g;
    g.baseRadius = 490;
    ChartLayers layers{false, false, false, false, false, false, false, false, false};
    bool* flags[] = {&layers.grid,     &layers.dataPoints,       &layers.qCircles,
                     &layers.vswrCircles, &layers.elements,    &layers.wideband,
                     &layers.stabilityCircles, &layers.gainCircles, &layers.noiseCircles};
    *flags[state.range(0)] = true;
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, CanvasMapping::chart(500, 500));
        renderChart(canvas, *design, style, g, layers);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(renderOneLayer)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The element layer with every L, C, line and stub lossy: each is drawn
// along its sampled path instead of an arc (compare renderOneLayer/4).
void renderLossyElements(benchmark::State& state)
{
    ensureApplication();
    const auto design = bench::fullDesign();
    for (int i = 0; i < design->elementCount; ++i) {
        Element& e = design->elements[static_cast<std::size_t>(i)];
        if (isLine(e.kind))
            e.loss.lineDb = 0.5;
        else if (canBeLossy(e.kind))
            e.loss = {.q = 40, .qFrequency = 1e9, .qLaw = QLaw::Sqrt};
    }
    recomputeChain(*design, 0);
    const ChartStyle style = chartStyle(Settings{}, true, GridMode::Chart);
    ChartGeometry g;
    g.baseRadius = 490;
    ChartLayers layers{false, false, false, false, true, false, false, false, false};
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, CanvasMapping::chart(500, 500));
        renderChart(canvas, *design, style, g, layers);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(renderLossyElements)->Unit(benchmark::kMillisecond);

void renderEmptyChart(benchmark::State& state)
{
    ensureApplication();
    const Design empty;
    const ChartStyle style = chartStyle(Settings{}, true, GridMode::Chart);
    ChartGeometry g;
    g.baseRadius = 490;
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, CanvasMapping::chart(500, 500));
        renderChart(canvas, empty, style, g);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(renderEmptyChart)->Unit(benchmark::kMillisecond);

// The grid zoomed in and panned: every label whose usual place is out of view
// is looked for along its circle.
void renderZoomedGrid(benchmark::State& state)
{
    ensureApplication();
    const Design empty;
    const ChartStyle style = chartStyle(Settings{}, true, GridMode::Chart);
    ChartGeometry g;
    g.baseRadius = 490;
    g.zoom = static_cast<float>(state.range(0));
    g.visible = ChartArea{-100, -300, 900, 700}; // a 1000-pixel window off centre
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, CanvasMapping::chart(100, 700));
        renderChart(canvas, empty, style, g);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(renderZoomedGrid)->Arg(3)->Arg(16)->Arg(50)->Unit(benchmark::kMillisecond);

void clipboardChart(benchmark::State& state)
{
    ensureApplication();
    const auto design = bench::fullDesign();
    for (auto _ : state)
        benchmark::DoNotOptimize(copyChartToClipboard(*design, Settings{}, true));
}
BENCHMARK(clipboardChart)->Unit(benchmark::kMillisecond);

void schematicWindow(benchmark::State& state)
{
    ensureApplication();
    const auto design = bench::fullDesign();
    QImage image(300, 1000, QImage::Format_ARGB32_Premultiplied);
    SchematicView view{300, 1000, 2000, 16};
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, CanvasMapping::device());
        paintSchematic(canvas, *design, view, {});
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(schematicWindow)->Unit(benchmark::kMillisecond);

// A real 400-point file, or 200 synthetic points.
std::unique_ptr<SParamSet> twoHundredPoints()
{
    auto set = std::make_unique<SParamSet>();
    const auto file = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                      "shared" / "testdata" / "touchstone" / "F5P16C.S2P";
    if (std::filesystem::exists(file) && loadTouchstoneFile(*set, file.string()).status == LoadStatus::Ok &&
        set->pointCount >= 200)
        return set;
    set = std::make_unique<SParamSet>();
    std::string text = "# GHz S MA R 50\r\n";
    for (int i = 0; i < 200; ++i) {
        const double f = 0.05 + 0.1 * i;
        text += std::to_string(f) + " 0.8 " + std::to_string(-20.0 - i) + " 5.0 " +
                std::to_string(160.0 - i) + " 0.05 " + std::to_string(70.0 - 0.2 * i) + " 0.5 " +
                std::to_string(-30.0 - 0.5 * i) + "\r\n";
    }
    set->sourceText = text;
    readTouchstone(*set);
    return set;
}

template <typename Paint>
void paintWindow(benchmark::State& state, int w, int h, CanvasMapping m, Paint paint)
{
    ensureApplication();
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, m);
        paint(canvas);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void sPlotS11(benchmark::State& state)
{
    const auto set = twoHundredPoints();
    paintWindow(state, 500, 500, CanvasMapping::chart(250, 250), [&](Canvas& c) {
        paintChartPlotWindow(c, *set, TraceCode::S11, 500, 500, true, 1);
    });
}
BENCHMARK(sPlotS11)->Unit(benchmark::kMillisecond);

void sPlotS21(benchmark::State& state)
{
    const auto set = twoHundredPoints();
    paintWindow(state, 500, 500, CanvasMapping::chart(250, 250), [&](Canvas& c) {
        paintPolarPlotWindow(c, *set, TraceCode::S21, 500, 500, true, 1);
    });
}
BENCHMARK(sPlotS21)->Unit(benchmark::kMillisecond);

// The file text and the gain table: fixed-pitch text views of the same set.
template <typename Paint>
void textView(benchmark::State& state, int width, int height, Paint paint)
{
    const auto set = twoHundredPoints();
    TextViewState view;
    view.width = width;
    view.height = height;
    paintWindow(state, width, height, CanvasMapping::device(), [&](Canvas& c) {
        measureTextView(c, view);
        paint(c, *set, view);
    });
}

void sPlotFileText(benchmark::State& state)
{
    textView(state, 800, 600, [](Canvas& c, const SParamSet& set, TextViewState& view) {
        paintTouchstoneText(c, set, view);
    });
}
BENCHMARK(sPlotFileText)->Unit(benchmark::kMillisecond);

void sPlotGainTable(benchmark::State& state)
{
    textView(state, 600, 600, [](Canvas& c, const SParamSet& set, TextViewState& view) {
        paintGainTable(c, set, view);
    });
}
BENCHMARK(sPlotGainTable)->Unit(benchmark::kMillisecond);

void sPlotGainGraph(benchmark::State& state)
{
    const auto set = twoHundredPoints();
    paintWindow(state, 700, 560, CanvasMapping::device(),
                [&](Canvas& c) { paintGainGraphWindow(c, *set, {}, 16); });
}
BENCHMARK(sPlotGainGraph)->Unit(benchmark::kMillisecond);

} // namespace
