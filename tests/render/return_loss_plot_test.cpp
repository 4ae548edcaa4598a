// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/return_loss_plot.h"

#include "render/chart_objects.h"
#include "render/recording_canvas.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

ReturnLossPlot sample()
{
    ReturnLossPlot p;
    p.frequencies = {100e6, 150e6, 200e6};
    p.returnLoss = {12.0, 18.0, 9.0};
    p.unmatched = {3.0, 6.0, 2.0};
    p.limit = 21.0;
    return p;
}

TEST(ReturnLossPlot, TracesLimitAndAxesInTheFrame)
{
    RecordingCanvas c;
    drawReturnLossPlot(c, sample(), 400, 200);
    // Frame 46..388 x 10..178; the top is 25 dB (21 dB limit rounded up).
    EXPECT_EQ(plotTop(sample()), 25.0);
    const std::vector<DrawCall> frame = c.ofKind(DrawOp::Rectangle);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].v[0], 46);
    EXPECT_EQ(frame[0].v[3], 178);
    const std::vector<DrawCall> traces = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(traces.size(), 2u);
    EXPECT_EQ(traces[0].pen.style, PenStyle::Dotted); // the load alone
    ASSERT_EQ(traces[1].points.size(), 3u);
    // 18 dB of 25 on 168 pixels: 121 above the bottom.
    EXPECT_EQ(traces[1].points[1], (Point{217, 178 - 121}));
    EXPECT_EQ(traces[1].points[0].x, 46);
    EXPECT_EQ(traces[1].points[2].x, 388);
    // The limit: a dashed line at 21 dB and its label.
    int dashed = 0;
    for (const DrawCall& l : c.ofKind(DrawOp::LineTo))
        if (l.pen.style == PenStyle::Dashed) {
            ++dashed;
            EXPECT_EQ(l.v[1], 178 - 141);
        }
    EXPECT_EQ(dashed, 1);
    EXPECT_NE(c.findText("Bode-Fano limit 21.0 dB"), nullptr);
    EXPECT_NE(c.findText("100.000 MHz"), nullptr);
    EXPECT_NE(c.findText("200.000 MHz"), nullptr);
    EXPECT_NE(c.findText("25 dB"), nullptr);
}

TEST(ReturnLossPlot, LimitFarAboveIsNamedNotDrawnAndNegativeLossSitsOnTheAxis)
{
    ReturnLossPlot p = sample();
    p.limit = 80.0;
    p.returnLoss = {-0.2, 1.0, 0.5}; // a load that reflects more than it receives
    p.unmatched.clear();
    RecordingCanvas c;
    drawReturnLossPlot(c, p, 400, 200);
    EXPECT_EQ(plotTop(p), 5.0); // at least 5 dB; the limit is too far to show
    EXPECT_NE(c.findText("Bode-Fano limit 80.0 dB (above)"), nullptr);
    const std::vector<DrawCall> traces = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].points[0].y, 178);
    // Without a band nothing but the frame.
    RecordingCanvas empty;
    drawReturnLossPlot(empty, {}, 400, 200);
    EXPECT_EQ(empty.calls.size(), 1u);
}

TEST(PreviewCurve, JoinsTheBandWithMarkedEnds)
{
    RecordingCanvas c;
    ChartGeometry g;
    g.baseRadius = 100;
    const std::vector<Complex> z{{50.0, 0.0}, {50.0, 50.0}, {0.0, 1e300}};
    drawPreviewCurve(c, z, 50.0f, {PenStyle::Dashed, 2, rgb(200, 0, 200)}, g);
    const std::vector<DrawCall> line = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(line.size(), 1u);
    ASSERT_EQ(line[0].points.size(), 3u);
    EXPECT_EQ(line[0].points[0], (Point{0, 0}));
    EXPECT_EQ(line[0].pen.style, PenStyle::Dashed);
    const std::vector<DrawCall> ends = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].radius(), 3);
    EXPECT_EQ(ends[1].radius(), 5);
    RecordingCanvas none;
    drawPreviewCurve(none, {}, 50.0f, {}, g);
    EXPECT_TRUE(none.calls.empty());
}

} // namespace
} // namespace zelvo
