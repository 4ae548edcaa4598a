// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/chart_geometry.h"
#include "render/chart_grid.h"
#include "render/recording_canvas.h"
#include "arc_checks.h"

#include <complex>
#include <gtest/gtest.h>
#include <set>

namespace zelvo {
namespace {

using namespace zelvo::testing;

constexpr Colour zRed = rgb(255, 0, 0);
constexpr Colour yGreen = rgb(0, 255, 0);

RecordingCanvas grid(std::uint8_t kinds, bool labels, float zoom = 1.0f,
                     GridMode mode = GridMode::Chart, int baseRadius = 190)
{
    RecordingCanvas c;
    drawChartGrid(c, baseRadius, zRed, yGreen, kinds, 0, 0, labels, 15, zoom, mode, 50.0f);
    return c;
}

TEST(ChartView, FourHundredPixelWindowHasBaseRadius190)
{
    ChartView v;
    resizeChartView(v, 400, 300);
    EXPECT_EQ(v.baseRadius, 190);
    EXPECT_EQ(v.centreX, 200);
    EXPECT_EQ(v.centreY, 150);
    // The radius follows the width only.
    resizeChartView(v, 401, 1000);
    EXPECT_EQ(v.baseRadius, 190);
}

TEST(ChartGeometry, RadiusIsTheTruncatedFloatProduct)
{
    EXPECT_EQ(chartRadius(190, 1.0f), 190);
    EXPECT_EQ(chartRadius(190, 4.0f), 760);
    EXPECT_EQ(chartRadius(190, 1.234f), 234); // 234.46 truncated
    EXPECT_EQ(chartRadius(190, 0.01f), 1);
}

TEST(ChartGeometry, GammaToChartTruncatesTowardZero)
{
    EXPECT_EQ(gammaToChart({0.5, -0.5}, 101, 0, 0), (Point{50, -50}));
    EXPECT_EQ(gammaToChart({-0.999, 0.999}, 100, 300, 300), (Point{201, 399}));
    // Saturated values do not wrap around.
    EXPECT_EQ(gammaToChart({DOUBLE_BIG, -DOUBLE_BIG}, 100, 0, 0).x, std::numeric_limits<int>::max());
}

TEST(ChartGeometry, ImpedancesMapThroughGamma)
{
    // 50 ohm at Z0 50 is the centre; 150 ohm is Gamma 0.5; j50 is Gamma j.
    EXPECT_EQ(impedanceToChart(50, 0, 50.0f, 200, 0, 0), (Point{0, 0}));
    EXPECT_EQ(impedanceToChart(150, 0, 50.0f, 200, 0, 0), (Point{100, 0}));
    EXPECT_EQ(impedanceToChart(0, 50, 50.0f, 200, 0, 0), (Point{0, 200}));
    // A saturated open is Gamma = 1, not the centre that NaN would give.
    EXPECT_EQ(impedanceToChart(DOUBLE_BIG, 0, 50.0f, 200, 0, 0), (Point{200, 0}));
    EXPECT_EQ(impedanceToChart(DOUBLE_BIG, -DOUBLE_BIG, 50.0f, 200, 0, 0), (Point{200, 0}));
    EXPECT_FALSE(impedanceToChart(std::nan(""), 0, 50.0f, 200, 0, 0));
    // Gamma beyond the pixel range (R = -Z0 exactly) is not drawable.
    EXPECT_FALSE(impedanceToChart(-50, 0, 50.0f, 200, 0, 0));
}

TEST(ChartGeometry, ClientToGammaExcludesTheBoundary)
{
    ChartView v;
    resizeChartView(v, 400, 400); // centre (200, 200), baseRadius 190
    const auto g = clientToGamma(v, 1.0f, 295, 105);
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(g->re, 95.0 / 190.0);
    EXPECT_DOUBLE_EQ(g->im, 95.0 / 190.0); // y up
    EXPECT_FALSE(clientToGamma(v, 1.0f, 390, 200)); // exactly on the circle
    EXPECT_TRUE(clientToGamma(v, 1.0f, 389, 200));
    // The zoomed radius is not truncated: 190 * 1.5 = 285.
    EXPECT_TRUE(clientToGamma(v, 1.5f, 484, 200));
    EXPECT_FALSE(clientToGamma(v, 1.5f, 485, 200));
}

TEST(Zoom, InOutAndValueLimits)
{
    EXPECT_EQ(zoomIn(8.0f), 16.0f);
    EXPECT_EQ(zoomIn(16.0f), 16.0f);
    EXPECT_EQ(zoomIn(10.0f), 16.0f);
    EXPECT_EQ(zoomOut(0.25f), 0.125f);
    EXPECT_EQ(zoomOut(0.125f), 0.125f);
    EXPECT_EQ(zoomOut(0.2f), 0.125f);
    EXPECT_EQ(zoomOut(3.0f), 1.5f);

    const struct {
        const char* text;
        float zoom;
    } rows[] = {{"0", 0.01f},     {"abc", 0.01f},   {"", 0.01f},        {"100", 50.0f},
                {"1.234", 1.234f}, {" 2.5", 2.5f},   {"-3", 0.01f},      {"1e400", 50.0f},
                {"0.005", 0.01f},  {"50", 50.0f},    {"3x", 3.0f},       {"1e-400", 0.01f}};
    for (const auto& r : rows)
        EXPECT_EQ(zoomFromText(r.text), r.zoom) << r.text;
    EXPECT_EQ(zoomText(1.234f), "1.23");
    EXPECT_EQ(zoomText(16.0f), "16.00");
}

TEST(ChartGrid, CentreMarkFollowsTheRadius)
{
    EXPECT_EQ(centreMarkRadius(190), 3);
    EXPECT_EQ(centreMarkRadius(420), 4);
    EXPECT_EQ(centreMarkRadius(760), 7);

    for (const auto& [zoom, R, mark] : {std::tuple{1.0f, 190, 3}, std::tuple{4.0f, 760, 7}}) {
        const RecordingCanvas c = grid(0, true, zoom);
        const auto circles = c.ofKind(DrawOp::Ellipse);
        ASSERT_EQ(circles.size(), 2u);
        EXPECT_EQ(circles[0].radius(), R);
        EXPECT_EQ(circles[1].radius(), mark);
        EXPECT_EQ(circles[0].pen, (Pen{PenStyle::Solid, 1, rgb(0, 0, 0)}));
    }
}

TEST(ChartGrid, BothKindsOffLeavesBoundaryAndCentreMark)
{
    const RecordingCanvas c = grid(0, true);
    EXPECT_EQ(c.calls.size(), 2u);
    EXPECT_TRUE(c.texts().empty());
}

TEST(ChartGrid, ResistanceCirclesAndLabels)
{
    const RecordingCanvas c = grid(showZChartBit, true);
    const auto circles = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 8u); // boundary, mark, six resistance circles
    const int h = 15 + RecordingCanvas::externalLeading;
    const char* labels[] = {"10.0", "25.0", "50.0", "100.0", "200.0", "500.0"};
    int seen = 0;
    for (std::size_t i = 0; i < gridValues.size(); ++i) {
        const double r = gridValues[i];
        // The circle through Gamma(r) and Gamma(infinity) = 1.
        const double left = (r - 1) / (r + 1) * 190;
        const DrawCall& circle = circles[i + 2];
        EXPECT_NEAR(circle.centreX(), (left + 190) / 2, 1.0) << r;
        EXPECT_NEAR(circle.radius(), (190 - left) / 2, 1.0) << r;
        EXPECT_EQ(circle.centreY(), 0);
        EXPECT_EQ(circle.pen.colour, zRed);
        EXPECT_EQ(circle.pen.width, r == 1.0 ? 2 : 1) << r;

        const DrawCall* label = c.findText(labels[i]);
        ASSERT_NE(label, nullptr) << labels[i];
        EXPECT_EQ(label->align, TextAlign::CentreTop);
        EXPECT_EQ(label->textColour, zRed);
        EXPECT_EQ(label->v[0], circle.centreX());
        // Centred on the circle's lowest point: top half a text height above it.
        EXPECT_EQ(label->v[1], static_cast<int>(-190 / (r + 1) + h / 2.0)) << r;
        ++seen;
    }
    EXPECT_EQ(seen, 6);
    // The unit circle of r = 1 by hand: centre 95, radius 95.
    EXPECT_EQ(circles[4].centreX(), 95);
    EXPECT_EQ(circles[4].radius(), 95);
}

TEST(ChartGrid, ReactanceArcsRunInsideTheBoundaryFromItsIntersections)
{
    const RecordingCanvas c = grid(showZChartBit, true);
    const auto arcs = c.ofKind(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 12u);
    for (std::size_t i = 0; i < gridValues.size(); ++i) {
        const double x = gridValues[i];
        // Gamma of z = jx, worked out independently.
        const std::complex<double> g = (std::complex<double>(0, x) - 1.0) /
                                       (std::complex<double>(0, x) + 1.0);
        const DrawCall& upper = arcs[2 * i];
        const DrawCall& lower = arcs[2 * i + 1];
        EXPECT_NEAR(upper.v[4], g.real() * 190, 1.0) << x;
        EXPECT_NEAR(upper.v[5], g.imag() * 190, 1.0) << x;
        EXPECT_EQ((Point{upper.v[6], upper.v[7]}), (Point{190, 0}));
        EXPECT_EQ((Point{lower.v[4], lower.v[5]}), (Point{190, 0}));
        EXPECT_NEAR(lower.v[7], -g.imag() * 190, 1.0) << x;
        for (const DrawCall* a : {&upper, &lower}) {
            double mx, my;
            arcMidpoint(*a, mx, my);
            EXPECT_LT(std::hypot(mx, my), 190.0) << x; // the part inside the chart
            EXPECT_EQ(a->radius(), static_cast<int>(190 / x));
        }
        EXPECT_GT(upper.v[5], 0); // positive reactance above the axis
    }
    const auto texts = c.ofKind(DrawOp::Text);
    const DrawCall* fifty = nullptr;
    for (const DrawCall& t : texts)
        if (t.text == "50.0" && t.v[1] > 100)
            fifty = &t;
    ASSERT_NE(fifty, nullptr); // x = 1 labelled at the top, Gamma = j
    EXPECT_EQ(fifty->v[0], 0);
    EXPECT_EQ(fifty->v[1], static_cast<int>(190 + (15 + RecordingCanvas::externalLeading) / 2.0));
}

TEST(ChartGrid, YChartIsTheZChartTurnedAndLabelledInSiemens)
{
    const RecordingCanvas c = grid(showYChartBit, true);
    const auto circles = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 8u);
    EXPECT_EQ(circles[4].centreX(), -95);
    EXPECT_EQ(circles[4].pen, (Pen{PenStyle::Solid, 2, yGreen}));
    std::set<std::string> labels;
    for (const DrawCall& t : c.ofKind(DrawOp::Text)) {
        labels.insert(t.text);
        EXPECT_EQ(t.textColour, yGreen);
    }
    EXPECT_EQ(labels, (std::set<std::string>{"0.004", "0.01", "0.02", "0.04", "0.08", "0.2"}));
    const auto arcs = c.ofKind(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 12u);
    for (const DrawCall& a : arcs) {
        double mx, my;
        arcMidpoint(a, mx, my);
        EXPECT_LT(std::hypot(mx, my), 190.0);
    }
    // Susceptance b = 1 (y = j) meets the boundary at Gamma = -j, where it is labelled.
    const auto texts = c.ofKind(DrawOp::Text);
    int atMinusJ = 0;
    for (const DrawCall& t : texts)
        if (t.text == "0.02" && t.v[0] == 0 &&
            t.v[1] == static_cast<int>(-190 + (15 + RecordingCanvas::externalLeading) / 2.0))
            ++atMinusJ;
    EXPECT_EQ(atMinusJ, 1);
}

TEST(ChartGrid, RimLabelsStayInsideTheChartWindowWhateverTheirLength)
{
    // A large Zo makes long labels; the window reaches 10 pixels past the rim.
    for (float z0 : {50.0f, 1e6f}) {
        RecordingCanvas c;
        drawChartGrid(c, 190, zRed, yGreen, showZChartBit | showYChartBit, 0, 0, true, 15, 1.0f,
                      GridMode::Chart, z0);
        const auto texts = c.ofKind(DrawOp::Text);
        ASSERT_EQ(texts.size(), 24u);
        c.setFont({15, FontFace::Default, 400, 0}); // as the labels were measured
        for (const DrawCall& t : texts) {
            const int half = c.textWidth(t.text) / 2;
            EXPECT_LE(t.v[0] + half, 200) << t.text << " at Zo " << z0;
            EXPECT_GE(t.v[0] - half, -200) << t.text << " at Zo " << z0;
        }
    }
}

TEST(ChartGrid, LabelsSwitchOnlyRemovesTexts)
{
    const RecordingCanvas on = grid(showZChartBit | showYChartBit, true);
    const RecordingCanvas off = grid(showZChartBit | showYChartBit, false);
    EXPECT_EQ(on.texts().size(), 24u);
    EXPECT_TRUE(off.texts().empty());
    EXPECT_EQ(on.ofKind(DrawOp::Ellipse).size(), off.ofKind(DrawOp::Ellipse).size());
    EXPECT_EQ(on.ofKind(DrawOp::Arc).size(), off.ofKind(DrawOp::Arc).size());
    EXPECT_EQ(off.ofKind(DrawOp::LineTo).size(), 2u); // the real axis, once per chart
}

TEST(ChartGrid, SPlotModeKeepsTheUnitCirclesThin)
{
    const RecordingCanvas c = grid(showZChartBit | showYChartBit, false, 1.0f, GridMode::SPlot);
    const auto circles = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u + 12u);
    for (const DrawCall& e : circles)
        EXPECT_EQ(e.pen.width, 1);
}

TEST(ChartGrid, StateIsRestored)
{
    RecordingCanvas c;
    c.setPen({PenStyle::Dotted, 3, rgb(1, 2, 3)});
    c.setFont({22, FontFace::Symbol, 700, 0});
    c.setTextColour(rgb(9, 9, 9));
    drawChartGrid(c, 190, zRed, yGreen, 3, 0, 0, true, 15, 1.0f, GridMode::Chart, 50.0f);
    EXPECT_EQ(c.pen(), (Pen{PenStyle::Dotted, 3, rgb(1, 2, 3)}));
    EXPECT_EQ(c.font(), (Font{22, FontFace::Symbol, 700, 0}));
    EXPECT_EQ(c.textColour(), rgb(9, 9, 9));
    EXPECT_EQ(c.saveDepth(), 0);
}

TEST(ChartGrid, OffsetCentreMovesEverything)
{
    RecordingCanvas c;
    drawChartGrid(c, 190, zRed, yGreen, 3, 1000, -500, true, 15, 1.0f, GridMode::Chart, 50.0f);
    RecordingCanvas o = grid(3, true);
    ASSERT_EQ(c.calls.size(), o.calls.size());
    for (std::size_t i = 0; i < c.calls.size(); ++i) {
        const DrawOp op = c.calls[i].op;
        const int coords = op == DrawOp::Arc ? 8 : (op == DrawOp::Text || op == DrawOp::MoveTo) ? 2 : 4;
        for (int k = 0; k < coords; ++k)
            EXPECT_EQ(c.calls[i].v[k], o.calls[i].v[k] + (k % 2 == 0 ? 1000 : -500)) << i << " " << k;
    }
}

TEST(ChartGeometry, ArcOffsetMovesOrMirrors)
{
    RecordingCanvas c;
    drawArcOffset(c, 10, 20, 5, {15, 20}, {10, 25}, 100, 200, false);
    drawArcOffset(c, 10, 20, 5, {15, 20}, {10, 25}, 100, 200, true);
    const auto arcs = c.ofKind(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    const int moved[8] = {105, 215, 115, 225, 115, 220, 110, 225};
    const int flipped[8] = {105, 185, 115, 175, 115, 180, 110, 175};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(arcs[0].v[k], moved[k]) << k;
        EXPECT_EQ(arcs[1].v[k], flipped[k]) << k;
    }
}

} // namespace
} // namespace zelvo
