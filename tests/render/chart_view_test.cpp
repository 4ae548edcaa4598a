// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The zoomed and panned chart view: one transform for drawing and for the
// mouse, zoom about the pointer, pan limits, and grid labels kept visible.
#include "render/chart_geometry.h"
#include "render/chart_grid.h"
#include "render/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvo {
namespace {

ChartView view848()
{
    ChartView v;
    resizeChartView(v, 848, 848); // baseRadius 414
    return v;
}

TEST(ChartViewPan, ClientAndChartPointsAreOneTransform)
{
    ChartView v = view848();
    v.panX = -300;
    v.panY = 120;
    for (const Point p : {Point{0, 0}, Point{10, -20}, Point{-414, 414}}) {
        const Point c = chartToClient(v, p);
        EXPECT_EQ(c.x, 424 - 300 + p.x);
        EXPECT_EQ(c.y, 424 + 120 - p.y);
        EXPECT_EQ(clientToChart(v, c.x, c.y), p);
    }
    // The mouse mapping agrees: the chart centre's client pixel is Gamma 0.
    const std::optional<Complex> g = clientToGamma(v, 2.0f, 124, 544);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->re, 0.0);
    EXPECT_EQ(g->im, 0.0);
    const std::optional<Complex> edge = clientToGamma(v, 2.0f, 124 + 414, 544 - 414);
    ASSERT_TRUE(edge);
    EXPECT_DOUBLE_EQ(edge->re, 0.5);
    EXPECT_DOUBLE_EQ(edge->im, 0.5);
}

TEST(ChartViewPan, WheelStepKeepsThePointUnderThePointer)
{
    struct Case {
        float from;
        double notches;
        int px, py;
        int panX, panY;
    };
    const Case cases[] = {
        {1.0f, 1.0, 700, 300, 0, 0},      {1.0f, 4.0, 600, 600, 0, 0},
        {3.0f, 1.0, 100, 800, 500, -400}, {3.0f, -1.0, 420, 10, -200, 300},
        {8.0f, 2.0, 30, 30, 1500, 1200},  {15.0f, 1.0, 424, 424, -1000, 0},
    };
    for (const Case& c : cases) {
        ChartView v = view848();
        v.panX = c.panX;
        v.panY = c.panY;
        clampPan(v, c.from);
        float zoom = c.from;
        const std::optional<Complex> before = clientToGamma(v, zoom, c.px, c.py);
        ASSERT_TRUE(before) << c.px << "," << c.py;
        zoomAbout(v, zoom, wheelZoom(zoom, c.notches), c.px, c.py);
        EXPECT_NE(zoom, c.from);
        // Where that Gamma is drawn now, in client pixels.
        const double rf = 414.0 * zoom;
        const double x = chartOriginX(v) + before->re * rf;
        const double y = chartOriginY(v) - before->im * rf;
        EXPECT_NEAR(x, c.px, 1.0) << "zoom " << c.from << " -> " << zoom;
        EXPECT_NEAR(y, c.py, 1.0) << "zoom " << c.from << " -> " << zoom;
    }
}

TEST(ChartViewPan, PanStaysWhereTheChartCanBeSeen)
{
    ChartView v = view848();
    // At zoom 1 the chart fits: no pan at all.
    EXPECT_EQ(panRangeX(v, 1.0f).hi, 0);
    EXPECT_EQ(panRangeX(v, 1.0f).lo, 0);
    v.panX = 50;
    clampPan(v, 1.0f);
    EXPECT_EQ(v.panX, 0);
    // At zoom 3 (R 1242) the edge with its margin may come to the window edge.
    EXPECT_EQ(panRangeX(v, 3.0f).hi, 1242 + 10 - 424);
    EXPECT_EQ(panRangeX(v, 3.0f).lo, -(1242 + 10 - 424));
    v.panX = 5000;
    v.panY = -5000;
    clampPan(v, 3.0f);
    EXPECT_EQ(v.panX, 828);
    EXPECT_EQ(v.panY, -828);
    // Panned fully right, the chart's left edge sits at the 10 pixel margin.
    EXPECT_EQ(chartToClient(v, {-1242, 0}).x, 10);

    // A window whose lower part its parent hides (seen: rows 5 to 700): even
    // at zoom 1 the chart can be moved up until its bottom is seen, and down
    // only until its top margin meets the seen top.
    ChartView cut = view848();
    cut.seenY = 5;
    cut.seenHeight = 695;
    const PanRange y = panRangeY(cut, 1.0f);
    EXPECT_EQ(y.hi, 5 - 424 + 414 + 10);
    EXPECT_EQ(y.lo, 700 - 424 - 414 - 10);
    const ChartArea seen = visibleChartArea(cut);
    EXPECT_EQ(seen.top, 424 - 5);
    EXPECT_EQ(seen.bottom, 424 - 700);
}

TEST(ChartViewPan, WheelZoomKeepsToTheZoomLimits)
{
    EXPECT_FLOAT_EQ(wheelZoom(1.0f, 4.0), 2.0f);
    EXPECT_FLOAT_EQ(wheelZoom(2.0f, -4.0), 1.0f);
    EXPECT_FLOAT_EQ(wheelZoom(15.0f, 4.0), zoomMax);
    EXPECT_FLOAT_EQ(wheelZoom(0.13f, -4.0), zoomMin);
    // A factor beyond the limits (the zoom value dialog allows 50) is kept by
    // a step that would push it further, and a step back comes toward them.
    EXPECT_FLOAT_EQ(wheelZoom(40.0f, 1.0), 40.0f);
    EXPECT_LT(wheelZoom(40.0f, -1.0), 40.0f);
}

TEST(ChartGridLabels, StayInsideTheVisibleAreaWhenZoomed)
{
    ChartView v = view848();
    const float zoom = 3.0f;
    v.panX = -600; // the right half of the chart, upper part
    v.panY = 500;
    clampPan(v, zoom);
    const ChartArea area = visibleChartArea(v);
    RecordingCanvas c;
    drawChartGrid(c, v.baseRadius, rgb(255, 0, 0), rgb(0, 0, 255), showZChartBit | showYChartBit, 0,
                  0, true, 15, zoom, GridMode::Chart, 50.0f, &area);
    const auto texts = c.ofKind(DrawOp::Text);
    // Most circles cross this window: far more labels than the one or two
    // whose usual place happens to lie in it.
    EXPECT_GE(texts.size(), 12u);
    const int h = 15 + RecordingCanvas::externalLeading;
    for (const DrawCall& t : texts) {
        EXPECT_GE(t.v[0], area.left) << t.text;
        EXPECT_LE(t.v[0], area.right) << t.text;
        EXPECT_GE(t.v[1] - h, area.bottom) << t.text; // the whole text (y up)
        EXPECT_LE(t.v[1], area.top) << t.text;
    }
    // No two moved labels overlap (the recording canvas' text is 7 pixels a character).
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const int wi = 7 * static_cast<int>(texts[i].text.size()) / 2;
            const int wj = 7 * static_cast<int>(texts[j].text.size()) / 2;
            const bool apart = std::abs(texts[i].v[0] - texts[j].v[0]) >= wi + wj ||
                               std::abs(texts[i].v[1] - texts[j].v[1]) >= h;
            EXPECT_TRUE(apart) << texts[i].text << " / " << texts[j].text;
        }
    // Without an area every label is drawn at its usual place, inside or not.
    RecordingCanvas plain;
    drawChartGrid(plain, v.baseRadius, rgb(255, 0, 0), rgb(0, 0, 255),
                  showZChartBit | showYChartBit, 0, 0, true, 15, zoom, GridMode::Chart, 50.0f);
    EXPECT_EQ(plain.ofKind(DrawOp::Text).size(), 24u);
}

TEST(ChartGridLabels, LabelsAlreadyVisibleKeepTheirPlace)
{
    ChartView v = view848();
    const ChartArea area{-100000, -100000, 100000, 100000};
    RecordingCanvas withArea, plain;
    drawChartGrid(withArea, v.baseRadius, 0, 0, showZChartBit, 0, 0, true, 15, 1.0f,
                  GridMode::Chart, 50.0f, &area);
    drawChartGrid(plain, v.baseRadius, 0, 0, showZChartBit, 0, 0, true, 15, 1.0f, GridMode::Chart,
                  50.0f);
    const auto a = withArea.ofKind(DrawOp::Text), b = plain.ofKind(DrawOp::Text);
    ASSERT_EQ(a.size(), 12u);
    ASSERT_EQ(b.size(), a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].v[0], b[i].v[0]) << a[i].text;
        EXPECT_EQ(a[i].v[1], b[i].v[1]) << a[i].text;
    }
}

} // namespace
} // namespace zelvo
