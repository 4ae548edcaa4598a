// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Reading the S-Plot views off at a point: positions as drawn, the nearest
// point, the value texts and the pinned markers.
#include "core/format.h"
#include "render/gain_graph.h"
#include "render/recording_canvas.h"
#include "render/splot_plots.h"
#include "render/splot_readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace zelvo {
namespace {

// Values that reveal a swapped pair: S11 0.2 - j0.3, S22 -0.22 + j0.22,
// |S21| 2.1 at 90 degrees, |S12| 0.12 at 0.
SParamSet twoPoints()
{
    SParamSet s;
    s.loaded = true;
    s.resizePoints(2);
    s.freqExponent = 9;
    s.referenceImpedance = 50.0f;
    s.points[0] = {1.5f, 0.2f, -0.3f, 0.12f, 0.0f, 2.1f, 1.5707964f, -0.22f, 0.22f};
    s.points[1] = {3.0f, 0.0f, 0.0f, 0.06f, 0.0f, 1.05f, 0.0f, 0.5f, 0.0f};
    s.stabilityK[0] = 1.5;
    s.magDb[0] = 14.25;
    s.stabilityK[1] = 0.5;
    s.msgDb[1] = 12.5;
    return s;
}

TEST(SPlotReadout, PositionsAreWherePointsAreDrawnAndTheNearestIsFound)
{
    const SParamSet s = twoPoints();
    // 220 x 220: the chart radius is 100.
    const auto s11 = plotPointPositions(s, TraceCode::S11, 220, 220);
    ASSERT_EQ(s11.size(), 2u);
    EXPECT_EQ(*s11[0], (Point{20, -30}));
    EXPECT_EQ(*s11[1], (Point{0, 0}));
    // Where the circle is drawn: 100 times -0.22f, in double -21.99999..., is
    // truncated to -21 (single-precision arithmetic would give -22, one pixel
    // beside the drawn point).
    const auto s22 = plotPointPositions(s, TraceCode::S22, 220, 220);
    EXPECT_EQ(*s22[0], (Point{-21, 21}));
    RecordingCanvas drawn;
    paintChartPlotWindow(drawn, s, TraceCode::S22, 220, 220, false, 1);
    const auto circles = drawn.ofKind(DrawOp::Ellipse);
    ASSERT_GE(circles.size(), 2u);
    EXPECT_EQ((Point{circles[circles.size() - 2].centreX(), circles[circles.size() - 2].centreY()}),
              *s22[0]);
    // S21 on the polar plot: radius 90, full scale 1.2 * 2.1.
    const auto s21 = plotPointPositions(s, TraceCode::S21, 220, 220);
    EXPECT_EQ(s21[0]->x, 0);
    EXPECT_NEAR(s21[0]->y, 75, 1); // 90 * 2.1 / 2.52, truncated
    EXPECT_EQ(nearestPosition(s11, {25, -25}), 0);
    EXPECT_EQ(nearestPosition(s11, {3, 2}), 1);
    EXPECT_FALSE(nearestPosition(s11, {60, 60}));
    EXPECT_FALSE(nearestPosition({std::nullopt}, {0, 0}));
}

TEST(SPlotReadout, TextsGiveFrequencyMagnitudeAngleImpedanceAndDecibels)
{
    const SParamSet s = twoPoints();
    const std::complex<double> g(0.2f, -0.3f);
    const std::complex<double> z = 50.0 * (1.0 + g) / (1.0 - g); // 50.4 - j40.4 ohm
    const std::string s11 = traceReadoutText(s, TraceCode::S11, 0);
    EXPECT_EQ(s11, "f = 1.500 GHz\n|S11| = " + printfString("%.3f", std::abs(g)) + " / " +
                       printfString("%.1f", std::arg(g) * 180 / 3.141592653589793) +
                       "\xc2\xb0\nZ = " + printfString("%.2f - j%.2f Ohm", z.real(), -z.imag()));
    EXPECT_NE(traceReadoutText(s, TraceCode::S22, 0).find("|S22| = 0.311 / 135.0"),
              std::string::npos);
    const std::string s21 = traceReadoutText(s, TraceCode::S21, 0);
    EXPECT_NE(s21.find("|S21| = 2.100 / 90.0"), std::string::npos) << s21;
    EXPECT_NE(s21.find("6.44 dB"), std::string::npos) << s21; // 20 log10 2.1
    EXPECT_EQ(gainReadoutText(s, 0), "f = 1.500 GHz\nMAG = 14.25 dB");
    EXPECT_EQ(gainReadoutText(s, 1), "f = 3.000 GHz\nMSG = 12.50 dB");
    EXPECT_TRUE(traceReadoutText(s, TraceCode::S11, 2).empty()); // no such point
    EXPECT_TRUE(gainReadoutText(s, -1).empty());
}

TEST(SPlotReadout, GainPositionsFollowTheGraph)
{
    const SParamSet s = twoPoints();
    const auto p = gainPointPositions(s, {});
    ASSERT_EQ(p.size(), 2u);
    ASSERT_TRUE(p[0] && p[1]);
    EXPECT_EQ(p[0]->series, magSeries);
    EXPECT_EQ(p[1]->series, msgSeries);
    EXPECT_LT(p[0]->at.x, p[1]->at.x); // higher frequency to the right
    EXPECT_LT(p[0]->at.y, p[1]->at.y); // higher gain higher up (y down)
    const auto scrolled = gainPointPositions(s, {10, 20});
    EXPECT_EQ(scrolled[0]->at.x, p[0]->at.x - 10);
    EXPECT_EQ(scrolled[0]->at.y, p[0]->at.y - 20);
}

TEST(SPlotReadout, MarkersToggleAndPointAtTheirPoint)
{
    std::vector<int> pinned;
    togglePinned(pinned, 3);
    togglePinned(pinned, 1);
    EXPECT_EQ(pinned, (std::vector<int>{3, 1}));
    togglePinned(pinned, 3);
    EXPECT_EQ(pinned, (std::vector<int>{1}));

    RecordingCanvas c;
    drawPointMarker(c, {40, -10}, "1.500 GHz", true, 12);
    const auto tri = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(tri.size(), 1u);
    EXPECT_EQ(tri[0].points.front(), (Point{40, -10})); // the tip touches the point
    EXPECT_GT(tri[0].points[1].y, -10);                 // the body above it (y up)
    const DrawCall* label = c.findText("1.500 GHz");
    ASSERT_NE(label, nullptr);
    EXPECT_GT(label->v[1], tri[0].points[1].y);
    RecordingCanvas down;
    drawPointMarker(down, {40, 10}, "f", false, 12);
    EXPECT_LT(down.ofKind(DrawOp::Polyline)[0].points[1].y, 10); // above on a y-down surface
}

} // namespace
} // namespace zelvo
