// Repaint cost of the chart window (which repaints on every mouse move while
// an element is placed) and of the S-Plot windows.
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

void push(Design& d, HistoryKind k)
{
    if (d.historyCount < Design::historyCapacity)
        d.history[static_cast<std::size_t>(d.historyCount++)] = k;
    d.historyTop = d.historyCount;
}

// Every capacity filled: 150 data points, 150 elements of every kind, 30 Q and
// 30 VSWR contours, 20 circles of each two-port kind, wideband done.
std::unique_ptr<Design> fullDesign()
{
    auto d = std::make_unique<Design>();
    for (int i = 0; i < Design::pointCapacity; ++i) {
        d->dataPoints[static_cast<std::size_t>(i)] = {10.0 + 1.5 * i, -80.0 + 1.1 * i,
                                                      4e8 + 1e7 * i};
        push(*d, HistoryKind::DataPoint);
    }
    d->dataPointCount = Design::pointCapacity;
    d->startPoint = 1;
    const ElementKind kinds[] = {
        ElementKind::CS, ElementKind::LS,  ElementKind::RS,        ElementKind::IS,
        ElementKind::CP, ElementKind::LPS, ElementKind::LPO,       ElementKind::RP,
        ElementKind::IP, ElementKind::TR,  ElementKind::RlcSeries, ElementKind::RlcParallel};
    const double f0 = d->dataPoints[0].f;
    Complex z{d->dataPoints[0].r, d->dataPoints[0].x};
    for (int i = 0; i < Design::elementCapacity; ++i) {
        Element e;
        e.kind = kinds[i % 12];
        e.value = isLine(e.kind)                                           ? 0.02 + 0.0005 * i
                  : e.kind == ElementKind::TR                              ? (i % 24 < 12 ? 1.05 : 0.95)
                  : e.kind == ElementKind::RS || e.kind == ElementKind::RP ? 5.0 + i
                  : e.kind == ElementKind::CS || e.kind == ElementKind::CP ? 1e-12 * (1 + i % 7)
                                                                           : 1e-9 * (1 + i % 5);
        e.lineImpedance = 50.0f;
        e.lineEr = 2.2f;
        e.rlcR = 200;
        e.rlcL = 5e-9;
        e.rlcC = 2e-12;
        e.rBegin = z.re;
        e.xBegin = z.im;
        z = transformElement(e, z, f0, f0);
        e.rEnd = z.re;
        e.xEnd = z.im;
        d->elements[static_cast<std::size_t>(i)] = e;
        push(*d, HistoryKind::Element);
    }
    d->elementCount = Design::elementCapacity;
    for (int i = 0; i < Design::qCapacity; ++i)
        d->qCircles[static_cast<std::size_t>(i)] = 0.2f + 0.3f * static_cast<float>(i);
    d->qCount = Design::qCapacity;
    for (int i = 0; i < Design::vswrCapacity; ++i)
        d->vswrCircles[static_cast<std::size_t>(i)] = 1.1f + 0.4f * static_cast<float>(i);
    d->vswrCount = Design::vswrCapacity;
    TwoPort t{{-0.63362, -0.096958}, {0.054709, 0.015998}, {5.8086, 0.98199}, {-0.056811, -0.56917}};
    for (int i = 0; i < 20; ++i) {
        StabilityCircleRecord s;
        s.plane = i % 2 ? CirclePlane::Output : CirclePlane::Input;
        t.s11.re = -0.63362 + 0.01 * i;
        s.s = narrow(t);
        d->stabilityCircles[static_cast<std::size_t>(i)] = s;
        GainCircleRecord g;
        g.plane = s.plane;
        g.p = 5.0f + static_cast<float>(i % 10);
        g.s = s.s;
        d->gainCircles[static_cast<std::size_t>(i)] = g;
        d->noiseCircles[static_cast<std::size_t>(i)] = {1.9, {-0.50728, 0.28119}, 0.15, 2.0 + 0.2 * i};
    }
    d->stabilityCount = d->gainCount = d->noiseCount = 20;
    evaluateWideband(std::span<const Element>(d->elements), std::span<const DataPoint>(d->dataPoints),
                     f0, d->widebandR, d->widebandX);
    d->widebandDone = true;
    return d;
}

void renderFullChart(benchmark::State& state)
{
    ensureApplication();
    const auto design = fullDesign();
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
    const auto design = fullDesign();
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
    const auto design = fullDesign();
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

void clipboardChart(benchmark::State& state)
{
    ensureApplication();
    const auto design = fullDesign();
    for (auto _ : state)
        benchmark::DoNotOptimize(copyChartToClipboard(*design, Settings{}, true));
}
BENCHMARK(clipboardChart)->Unit(benchmark::kMillisecond);

void schematicWindow(benchmark::State& state)
{
    ensureApplication();
    const auto design = fullDesign();
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

// A real 400-point file (the set keeps 200), or 200 synthetic points.
std::unique_ptr<SParamSet> twoHundredPoints()
{
    auto set = std::make_unique<SParamSet>();
    const auto file = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                      "shared" / "testdata" / "touchstone" / "F5P16C.S2P";
    if (std::filesystem::exists(file) && loadTouchstoneFile(*set, file.string()).status == LoadStatus::Ok &&
        set->pointCount == SParamSet::capacity)
        return set;
    set = std::make_unique<SParamSet>();
    std::string text = "# GHz S MA R 50\r\n";
    for (int i = 0; i < SParamSet::capacity; ++i) {
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

void sPlotFileText(benchmark::State& state)
{
    const auto set = twoHundredPoints();
    TextViewState view;
    view.width = 800;
    view.height = 600;
    paintWindow(state, 800, 600, CanvasMapping::device(), [&](Canvas& c) {
        measureTextView(c, view);
        paintTouchstoneText(c, *set, view);
    });
}
BENCHMARK(sPlotFileText)->Unit(benchmark::kMillisecond);

void sPlotGainTable(benchmark::State& state)
{
    const auto set = twoHundredPoints();
    TextViewState view;
    view.width = 600;
    view.height = 600;
    paintWindow(state, 600, 600, CanvasMapping::device(), [&](Canvas& c) {
        measureTextView(c, view);
        paintGainTable(c, *set, view);
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
