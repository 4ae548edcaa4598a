// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// One mouse move of a placement with the chart repaint it causes, on a full
// design (150 data points, 150 elements, 30 Q and 30 VSWR contours, wideband)
// in a 1000 x 1000 chart window. The pointer must never lag behind the mouse.
#include "model/design.h"
#include "ui/app_state.h"
#include "ui/chart_paint.h"
#include "ui/chart_window.h"
#include "ui/main_window.h"
#include "ui/placement.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace zelvo;

void fillDesign(Design& d)
{
    resetDesign(d);
    for (int i = 0; i < Design::pointCapacity; ++i)
        appendDataPoint(d, {10.0 + i * 0.7, -40.0 + i * 0.5, 0.5e9 + i * 1e7});
    for (int i = 0; i < Design::elementCapacity; ++i) {
        Element e;
        // Small alternating steps keep the chain wandering inside the chart.
        e.kind = i % 2 == 0 ? ElementKind::IS : ElementKind::CP;
        e.value = i % 2 == 0 ? 0.4e-9 : 0.3e-12;
        appendElement(d, e);
    }
    for (int i = 0; i < Design::qCapacity; ++i)
        d.qCircles[static_cast<std::size_t>(i)] = 0.5f + 0.5f * static_cast<float>(i);
    d.qCount = Design::qCapacity;
    for (int i = 0; i < Design::vswrCapacity; ++i)
        d.vswrCircles[static_cast<std::size_t>(i)] = 1.2f + 0.3f * static_cast<float>(i);
    d.vswrCount = Design::vswrCapacity;
    evaluateWideband(d);
    d.widebandDone = true;
    d.elementCount = 149; // the 150th slot is the one being placed
}

// A placement of a series inductor from the chain's end, with the mouse
// going to and fro along the guide.
struct Scene {
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    PlacementTrack track;
    PlacementContext context;

    Scene()
    {
        fillDesign(state->design);
        resizeChartView(state->chartView, 1000, 1000);
        const Element& last = state->design.elements[148];
        state->design.currentPoint = {last.rEnd, last.xEnd};
        context.kind = ElementKind::IS;
        context.begin = state->design.currentPoint;
        context.f = designFrequency(state->design);
        context.baseRadius = state->chartView.baseRadius;
        computeGuide(state->placement, ElementKind::IS, context.begin, 50.0f, 50.0,
                     context.baseRadius, 1.0f);
        state->placement.placing = true;
        state->placement.placingKind = ElementKind::IS;
        track.last = {state->placement.workingPixel[0], state->placement.workingPixel[1]};
    }
    Point mouse(std::int64_t i) const
    {
        // Points of the guide circle near the working point, never the same twice in a row.
        const int* c = state->placement.guideCircle;
        const double a0 = std::atan2(track.last.y - c[1], track.last.x - c[0]);
        const double a = a0 + ((i % 2 == 0) ? -0.01 : 0.01);
        return {toInt(c[0] + c[2] * std::cos(a)), toInt(c[1] + c[2] * std::sin(a))};
    }
};

// Fonts need the application object.
QApplication& application()
{
    static int argc = 1;
    static char name[] = "ui_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own statics may already be gone, and a
    // QApplication torn down after them crashes.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The drag step and a complete new picture of the chart, overlay included.
void BM_PlacementMoveWithFullRepaint(benchmark::State& bs)
{
    application();
    Scene scene;
    QImage image(1000, 1000, QImage::Format_RGB32);
    std::int64_t i = 0;
    for (auto _ : bs) {
        const DragStep step =
            dragPlacement(scene.state->placement, scene.context, scene.track,
                          scene.state->design.elements[149].value, scene.mouse(i++));
        scene.state->design.elements[149].value = step.value;
        QPainter painter(&image);
        paintChartWindow(painter, *scene.state, scene.track.last, 16);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlacementMoveWithFullRepaint)->Unit(benchmark::kMillisecond);

// The same through the real window: a mouse-move event to the chart window
// and its repaint, readouts and schematic row included. The window keeps the
// chart's picture during a placement (Arg 0); Arg 1 draws it anew on every move.
void BM_PlacementMoveInTheWindow(benchmark::State& bs)
{
    application();
    Scene scene;
    Platform platform;
    platform.moveCursor = [](QPoint) {};
    MainWindow window(*scene.state, platform, QSize(1180, 1125)); // chart window 1000 x 1000
    window.show();
    QApplication::processEvents();
    ChartWindow* chart = window.chartWindow();
    const ChartView& v = scene.state->chartView;
    computeGuide(scene.state->placement, ElementKind::IS, scene.context.begin, 50.0f, 50.0,
                 v.baseRadius, 1.0f);
    chart->startPlacement(
        {scene.state->placement.workingPixel[0], scene.state->placement.workingPixel[1]});
    bs.counters["chartWidth"] = v.clientWidth;
    std::int64_t i = 0;
    for (auto _ : bs) {
        scene.track.last = chart->track().last;
        const Point m = scene.mouse(i++);
        const QPoint at = chart->clientPoint(m);
        QMouseEvent e(QEvent::MouseMove, QPointF(at), chart->mapToGlobal(QPointF(at)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chart, &e);
        if (bs.range(0) == 1)
            chart->invalidate();
        chart->repaint();
    }
    scene.state->design.modified = false;
}
BENCHMARK(BM_PlacementMoveInTheWindow)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);

} // namespace
