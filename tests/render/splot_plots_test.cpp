// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/recording_canvas.h"
#include "render/splot_plots.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace zelvo {
namespace {

// Values that give away a swapped parameter: S21 has magnitudes of 2.1 and
// more, S12 of 0.12, S11 and S22 their own quadrants.
SParamSet threePoints()
{
    SParamSet set;
    const SParamPoint p[] = {
        {1.0f, 0.5f, -0.2f, 0.12f, 0.12f, 2.1f, 0.21f, -0.25f, 0.022f},
        {2.0f, 0.4f, -0.3f, 0.24f, 0.5f, 3.1f, 0.21f, -0.3f, 0.1f},
        {3.0f, 0.3f, -0.4f, 0.06f, 1.0f, 1.0f, -1.0f, -0.4f, 0.2f},
    };
    set.resizePoints(3);
    std::copy(std::begin(p), std::end(p), set.points.begin());
    set.loaded = true;
    return set;
}

std::vector<Point> markers(const RecordingCanvas& c)
{
    std::vector<Point> out;
    for (const DrawCall& e : c.ofKind(DrawOp::Ellipse)) {
        EXPECT_EQ(e.radius(), 2);
        out.push_back({e.centreX(), e.centreY()});
    }
    return out;
}

TEST(SPlotTraces, ChartTracesOfS11AndS22)
{
    const SParamSet set = threePoints();
    RecordingCanvas s11;
    drawChartTrace(s11, set, TraceCode::S11, 100, traceColour, 3, 0, 0);
    EXPECT_EQ(markers(s11), (std::vector<Point>{{50, -20}, {40, -30}, {30, -40}}));
    const auto line = s11.ofKind(DrawOp::Polyline);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].points, markers(s11));
    EXPECT_EQ(line[0].pen, (Pen{PenStyle::Solid, 3, traceColour}));

    RecordingCanvas s22;
    drawChartTrace(s22, set, TraceCode::S22, 100, traceColour, 1, 10, 20);
    EXPECT_EQ(markers(s22), (std::vector<Point>{{-15, 22}, {-20, 30}, {-30, 40}}));
}

TEST(SPlotTraces, PolarTracesScaleToFullScale)
{
    const SParamSet set = threePoints();
    const double full21 = polarFullScale(set, TraceCode::S21);
    EXPECT_NEAR(full21, 1.2 * 3.1, 1e-6); // float storage
    EXPECT_NEAR(polarFullScale(set, TraceCode::S12), 1.2 * 0.24, 1e-6);

    RecordingCanvas c;
    drawPolarTrace(c, set, TraceCode::S21, 100, full21, traceColour, 1, 0, 0);
    const auto m = markers(c);
    ASSERT_EQ(m.size(), 3u);
    // The largest magnitude lands at 100 / 1.2 = 83.3 from the centre.
    EXPECT_EQ(m[1], (Point{static_cast<int>(std::cos(0.21f) * 83.333), static_cast<int>(std::sin(0.21f) * 83.333)}));
    EXPECT_NEAR(std::hypot(m[1].x, m[1].y), 83.3, 1.5);
    EXPECT_EQ(m[2], (Point{static_cast<int>(std::cos(-1.0) * 100 / 3.72),
                           static_cast<int>(std::sin(-1.0) * 100 / 3.72)}));
}

TEST(SPlotTraces, FullScaleWithoutUsableMagnitudes)
{
    EXPECT_EQ(polarFullScale(SParamSet{}, TraceCode::S21), 1.2);
    SParamSet zero;
    zero.resizePoints(2); // every magnitude 0: no scale from the data
    EXPECT_EQ(polarFullScale(zero, TraceCode::S12), 1.2);
}

TEST(SPlotTraces, OnePointSitsAtFiveSixthsOfTheRadius)
{
    SParamSet set;
    set.resizePoints(1);
    set.points[0] = {1.0f, 0, 0, 0.5f, 0.0f, 4.0f, 3.14159265f / 2, 0, 0};
    RecordingCanvas c;
    drawPolarTrace(c, set, TraceCode::S12, 120, polarFullScale(set, TraceCode::S12), traceColour,
                   1, 0, 0);
    EXPECT_EQ(markers(c), (std::vector<Point>{{100, 0}}));
}

TEST(SPlotTraces, UndrawablePointsBreakTheLine)
{
    SParamSet set = threePoints();
    set.points[1].s11re = std::nanf("");
    RecordingCanvas c;
    drawChartTrace(c, set, TraceCode::S11, 100, traceColour, 1, 0, 0);
    EXPECT_EQ(markers(c).size(), 2u);
    const auto runs = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].points.size(), 1u);
    EXPECT_EQ(runs[1].points.size(), 1u);
}

TEST(PolarGrid, RingsAtQuartersOfFullScaleWithLabels)
{
    RecordingCanvas c;
    drawPolarGrid(c, 200, rgb(0, 0, 0), 2.4, 0.6, true, 12, 0, 0);
    const auto circles = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 4u);
    EXPECT_EQ(circles[0].radius(), 200);
    EXPECT_EQ(circles[1].radius(), 50);
    EXPECT_EQ(circles[2].radius(), 100);
    EXPECT_EQ(circles[3].radius(), 150);
    EXPECT_EQ(c.texts(), (std::vector<std::string>{"2.4", "0.6", "1.2", "1.8"}));
    const DrawCall* full = c.findText("2.4");
    EXPECT_EQ((Point{full->v[0], full->v[1]}), (Point{200, 0}));
    EXPECT_EQ(full->align, TextAlign::CentreTop);
    EXPECT_EQ(full->textColour, rgb(0, 0, 0));
    const auto lines = c.ofKind(DrawOp::LineTo);
    ASSERT_EQ(lines.size(), 4u);
    const int d = static_cast<int>(200 * std::sin(3.14159265358979 / 4)); // 141
    EXPECT_EQ((Point{lines[2].v[0], lines[2].v[1]}), (Point{d, d}));
    EXPECT_EQ((Point{lines[3].v[0], lines[3].v[1]}), (Point{d, -d}));

    RecordingCanvas quiet;
    drawPolarGrid(quiet, 200, rgb(0, 0, 0), 2.4, 0.6, false, 12, 0, 0);
    EXPECT_TRUE(quiet.texts().empty());
    RecordingCanvas noStep;
    drawPolarGrid(noStep, 200, rgb(0, 0, 0), 2.4, 0.0, true, 12, 0, 0);
    EXPECT_EQ(noStep.ofKind(DrawOp::Ellipse).size(), 1u);
}

TEST(SPlotWindows, PolarPlotsCollapseInSmallWindows)
{
    const SParamSet set = threePoints();
    RecordingCanvas c;
    paintPolarPlotWindow(c, set, TraceCode::S21, 300, 40, true, 1);
    const auto all = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(all.size(), 3u + 4u); // three markers, the boundary and three rings
    for (const DrawCall& e : all)
        EXPECT_EQ((Point{e.centreX(), e.centreY()}), (Point{0, 0}));
    EXPECT_EQ(c.ofKind(DrawOp::Ellipse)[0].radius(), 2); // a marker at the centre

    RecordingCanvas big;
    paintPolarPlotWindow(big, set, TraceCode::S21, 300, 400, true, 1);
    // The trace first, the grid on top of it: radius 150 - 20.
    const auto e = big.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(e.size(), 3u + 4u);
    EXPECT_EQ(e[3].radius(), 130);
    EXPECT_EQ(big.ofKind(DrawOp::Text).front().font.height, 300 / 25);
}

TEST(SPlotWindows, ChartPlotUsesTheFilesReferenceForItsLabels)
{
    SParamSet set = threePoints();
    set.referenceImpedance = 75.0f;
    RecordingCanvas c;
    paintChartPlotWindow(c, set, TraceCode::S11, 400, 300, true, 1);
    const auto e = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(e.size(), 2u + 6u + 3u); // boundary, mark, Z circles, markers
    EXPECT_EQ(e[0].radius(), 140);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(e[i].pen.width, 1); // no wide unit circle in S-Plot mode
    EXPECT_NE(c.findText("15.0"), nullptr); // 0.2 * 75
    EXPECT_NE(c.findText("750.0"), nullptr);
    EXPECT_EQ(e[8].pen.colour, traceColour);
    EXPECT_EQ((Point{e[8].centreX(), e[8].centreY()}), (Point{70, -28}));

    RecordingCanvas empty;
    paintChartPlotWindow(empty, SParamSet{}, TraceCode::S22, 400, 300, false, 1);
    EXPECT_EQ(empty.ofKind(DrawOp::Ellipse).size(), 8u);
    EXPECT_TRUE(empty.texts().empty());
}

// A sweep of n points: S11 spiralling inwards four times, S21 turning once,
// both with a little noise, as a long analyser sweep looks.
SParamSet longSweep(int n)
{
    SParamSet set;
    set.resizePoints(n);
    unsigned r = 1;
    for (int i = 0; i < n; ++i) {
        r = r * 1103515245u + 12345u;
        const double t = static_cast<double>(i) / n;
        const double noise = ((r >> 16) % 100) * 2e-5;
        SParamPoint& p = set.points[static_cast<std::size_t>(i)];
        p.frequency = 1.0 + t;
        const double a = -8.0 * 3.14159265 * t;
        p.s11re = static_cast<float>((0.9 - 0.6 * t + noise) * std::cos(a));
        p.s11im = static_cast<float>((0.9 - 0.6 * t + noise) * std::sin(a));
        p.s21mag = static_cast<float>(3.0 - t + noise);
        p.s21ang = static_cast<float>(3.0 - 6.0 * t);
    }
    set.loaded = true;
    return set;
}

// The circles drawn, and the points of every polyline.
std::vector<Point> circleCentres(const RecordingCanvas& c)
{
    std::vector<Point> out;
    for (const DrawCall& e : c.ofKind(DrawOp::Ellipse))
        if (e.radius() == 2 && e.pen.colour == traceColour)
            out.push_back({e.centreX(), e.centreY()});
    return out;
}

TEST(SPlotTraces, LongTracesGetOneCirclePerPixelAndStillStartAndEndAtTheirPoints)
{
    const SParamSet set = longSweep(60000);
    for (const TraceCode code : {TraceCode::S11, TraceCode::S21}) {
        const auto paint = [&](Canvas& c, const PlotTrace* kept) {
            if (code == TraceCode::S11)
                paintChartPlotWindow(c, set, code, 500, 500, false, 1, kept);
            else
                paintPolarPlotWindow(c, set, code, 500, 500, false, 1, kept);
        };
        RecordingCanvas c;
        paint(c, nullptr);
        const auto positions = plotPointPositions(set, code, 500, 500);
        std::set<std::pair<int, int>> distinct;
        for (const auto& p : positions)
            distinct.insert({p->x, p->y});
        const std::vector<Point> circles = circleCentres(c);
        std::set<std::pair<int, int>> circled;
        for (const Point p : circles)
            circled.insert({p.x, p.y});
        EXPECT_EQ(circled, distinct);
        EXPECT_EQ(circles.size(), distinct.size()); // none twice
        EXPECT_LT(circles.size(), positions.size() / 5);
        // The line goes through drawn points only, from the first to the last.
        std::vector<Point> linePoints;
        const auto lines = c.ofKind(DrawOp::Polyline);
        for (const DrawCall& l : lines)
            linePoints.insert(linePoints.end(), l.points.begin(), l.points.end());
        EXPECT_LT(linePoints.size(), positions.size() / 5);
        std::set<std::pair<int, int>> onLine;
        for (const Point p : linePoints)
            onLine.insert({p.x, p.y});
        EXPECT_TRUE(std::includes(distinct.begin(), distinct.end(), onLine.begin(), onLine.end()));
        EXPECT_EQ(lines.front().points.front(), *positions.front());
        EXPECT_TRUE(onLine.count({positions.back()->x, positions.back()->y}));

        // A window that keeps its trace draws the same.
        const PlotTrace kept = plotWindowTrace(set, code, 500, 500);
        RecordingCanvas again;
        paint(again, &kept);
        EXPECT_EQ(circleCentres(again), circles);
        std::vector<Point> keptLine;
        for (const DrawCall& l : again.ofKind(DrawOp::Polyline))
            keptLine.insert(keptLine.end(), l.points.begin(), l.points.end());
        EXPECT_EQ(keptLine, linePoints);
    }

    // Up to the limit every point is drawn on its own, as always.
    const SParamSet normal = longSweep(reduceTracesAbove);
    RecordingCanvas c;
    paintChartPlotWindow(c, normal, TraceCode::S11, 500, 500, false, 1);
    EXPECT_EQ(circleCentres(c).size(), static_cast<std::size_t>(reduceTracesAbove));
    EXPECT_EQ(c.ofKind(DrawOp::Polyline).front().points.size(),
              static_cast<std::size_t>(reduceTracesAbove));
}

} // namespace
} // namespace zelvo
