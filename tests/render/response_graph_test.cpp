// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/response_graph.h"

#include "core/numeric.h"
#include "render/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zelvo {
namespace {

// Five points 1..2 GHz of an amplifier: return losses 10..20 dB, GT 15 dB,
// NF 1 dB, VSWR 2, K 1.5 and mu 1.2 throughout, so every trace is a
// horizontal line whose height is known.
ResponseGraph amplifier()
{
    ResponseGraph g;
    g.response.hasBlock = true;
    g.response.hasNoise = true;
    g.response.load = LoadModel::Interpolated;
    for (int i = 0; i < 5; ++i) {
        ResponsePoint p;
        p.f = 1e9 + 0.25e9 * i;
        p.inputReturnLossDb = 10.0;
        p.outputReturnLossDb = 20.0;
        p.gainDb = 15.0;
        p.noiseFigureDb = 1.0;
        p.vswr = 2.0;
        p.k = 1.5;
        p.mu = 1.2;
        p.input = {40, -5};
        p.load = {50, 0};
        g.response.points.push_back(p);
    }
    return g;
}

std::vector<DrawCall> tracesIn(const RecordingCanvas& c, Colour colour)
{
    std::vector<DrawCall> out;
    for (const DrawCall& call : c.ofKind(DrawOp::Polyline))
        if (call.pen.colour == colour)
            out.push_back(call);
    return out;
}

TEST(ResponseGraph, EveryQuantityOnItsPanelAtItsValue)
{
    const ResponseGraph g = amplifier();
    RecordingCanvas c;
    drawResponseGraph(c, g, 900, 600, 16);
    const ResponseLayout l = responseLayout(g, 900, 600, 16);
    ASSERT_TRUE(l.db.present);
    ASSERT_TRUE(l.ratio.present);
    // 0 .. 20 dB in steps of 5; the ratios up to 2 (VSWR 2 is the largest).
    EXPECT_EQ(l.db.lo, 0.0);
    EXPECT_EQ(l.db.hi, 20.0);
    EXPECT_EQ(l.ratio.hi, 2.0);
    int seen = 0;
    for (ResponseQuantity q : allResponseQuantities) {
        SCOPED_TRACE(quantityName(q));
        const std::vector<DrawCall> t = tracesIn(c, quantityPen(q, 1).colour);
        ASSERT_EQ(t.size(), 1u);
        ASSERT_EQ(t[0].points.size(), 5u);
        const ResponsePanel& p = isDbQuantity(q) ? l.db : l.ratio;
        const double v = quantityValue(g.response.points[0], q);
        const int y = p.bottom - toInt(std::lround((v - p.lo) / (p.hi - p.lo) * (p.bottom - p.top)));
        for (const Point& pt : t[0].points)
            EXPECT_NEAR(pt.y, y, 1);
        EXPECT_EQ(t[0].points.front().x, l.db.left);
        EXPECT_EQ(t[0].points.back().x, l.db.right);
        EXPECT_NE(c.findText(quantityName(q)), nullptr); // in the legend
        ++seen;
    }
    EXPECT_EQ(seen, responseQuantityCount);
    EXPECT_NE(c.findText("f [GHz]"), nullptr);
    EXPECT_NE(c.findText(loadModelText(LoadModel::Interpolated)), nullptr);
}

TEST(ResponseGraph, GapsWhereABlockHasNoDataAndOffScaleValuesClipped)
{
    ResponseGraph g = amplifier();
    g.response.points[2].defined = false;
    // A total mismatch at the last point: VSWR "infinite" leaves the panel
    // at its top edge rather than vanishing or wrapping round.
    g.response.points[4].vswr = DOUBLE_BIG;
    RecordingCanvas c;
    drawResponseGraph(c, g, 900, 600, 16);
    const ResponseLayout l = responseLayout(g, 900, 600, 16);
    const std::vector<DrawCall> gain = tracesIn(c, quantityPen(ResponseQuantity::Gain, 1).colour);
    ASSERT_EQ(gain.size(), 2u);
    EXPECT_EQ(gain[0].points.size(), 2u);
    EXPECT_EQ(gain[1].points.size(), 2u);
    const std::vector<DrawCall> vswr = tracesIn(c, quantityPen(ResponseQuantity::Vswr, 1).colour);
    ASSERT_EQ(vswr.size(), 2u);
    EXPECT_EQ(vswr[1].points.back().y, l.ratio.top);
    for (const DrawCall& t : vswr)
        for (const Point& p : t.points) {
            EXPECT_GE(p.y, l.ratio.top);
            EXPECT_LE(p.y, l.ratio.bottom);
        }
}

TEST(ResponseGraph, PassiveChainShowsNoStabilityOrNoiseAndHiddenTracesGo)
{
    ResponseGraph g = amplifier();
    g.response.hasBlock = g.response.hasNoise = false;
    g.shown[static_cast<std::size_t>(ResponseQuantity::OutputReturnLoss)] = false;
    RecordingCanvas c;
    drawResponseGraph(c, g, 900, 600, 16);
    for (ResponseQuantity q : {ResponseQuantity::K, ResponseQuantity::Mu,
                               ResponseQuantity::NoiseFigure, ResponseQuantity::OutputReturnLoss})
        EXPECT_TRUE(tracesIn(c, quantityPen(q, 1).colour).empty()) << quantityName(q);
    EXPECT_EQ(tracesIn(c, quantityPen(ResponseQuantity::Vswr, 1).colour).size(), 1u);
    // Nothing on the ratio panel: the dB panel takes the whole height.
    g.shown[static_cast<std::size_t>(ResponseQuantity::Vswr)] = false;
    const ResponseLayout l = responseLayout(g, 900, 600, 16);
    EXPECT_FALSE(l.ratio.present);
    EXPECT_EQ(l.db.bottom, 600 - 3 * 16 - 8);
}

TEST(ResponseGraph, ExtraBandAndMarkersAreDrawn)
{
    ResponseGraph g = amplifier();
    ResponseExtra band;
    band.name = "spread";
    band.colour = rgb(1, 2, 3);
    band.values = {12, 12, 12, 12, 12};
    band.lower = {8, 8, 8, 8, 8};
    g.extras.push_back(band);
    g.markers = {1};
    RecordingCanvas c;
    drawResponseGraph(c, g, 900, 600, 16);
    EXPECT_EQ(tracesIn(c, rgb(1, 2, 3)).size(), 2u);
    EXPECT_NE(c.findText("spread"), nullptr);
    EXPECT_NE(c.findText("1.250 GHz"), nullptr);
    EXPECT_NE(c.findText("GT 15.00 dB"), nullptr);
    EXPECT_NE(c.findText("K 1.500"), nullptr);
    EXPECT_NE(c.findText("VSWR 2.000"), nullptr);
    // A marker that names no point (another sweep) is skipped.
    g.markers = {99};
    RecordingCanvas none;
    drawResponseGraph(none, g, 900, 600, 16);
    EXPECT_EQ(none.findText("GT 15.00 dB"), nullptr);
}

TEST(ResponseGraph, PointerReadsTheNearestFrequency)
{
    const ResponseGraph g = amplifier();
    const ResponseLayout l = responseLayout(g, 900, 600, 16);
    const int y = (l.db.top + l.db.bottom) / 2;
    EXPECT_EQ(responseIndexAt(g, l, {l.x(1.25e9) + 3, y}), 1);
    EXPECT_EQ(responseIndexAt(g, l, {l.x(1.5e9) - 3, (l.ratio.top + l.ratio.bottom) / 2}), 2);
    EXPECT_EQ(responseIndexAt(g, l, {l.db.right, y}), 4);
    EXPECT_FALSE(responseIndexAt(g, l, {l.db.left - 5, y}));
    EXPECT_FALSE(responseIndexAt(g, l, {l.x(1.25e9), l.db.top - 5}));
    const std::string text = responseReadoutText(g, 1);
    EXPECT_EQ(text.substr(0, text.find('\n')), "f = 1.250 GHz");
    EXPECT_NE(text.find("GT = 15.00 dB"), std::string::npos);
    EXPECT_NE(text.find("Zin = 40.00 - j5.00 Ohm"), std::string::npos);
}

TEST(ResponseGraph, FrequencyGridLinearAndLogarithmic)
{
    EXPECT_EQ(frequencyGrid(0.9e9, 2.1e9, false),
              (std::vector<double>{1e9, 1.2e9, 1.4e9, 1.6e9, 1.8e9, 2e9}));
    const std::vector<double> log = frequencyGrid(1.5e6, 300e6, true);
    ASSERT_FALSE(log.empty());
    EXPECT_DOUBLE_EQ(log.front(), 2e6);
    EXPECT_DOUBLE_EQ(log.back(), 200e6);
    EXPECT_EQ(log.size(), 7u); // 2, 5, 10, 20, 50, 100, 200 MHz
    EXPECT_TRUE(frequencyGrid(1e9, 1e9, false).empty());
    // A logarithmic axis from 0 Hz cannot be: the linear grid is used.
    EXPECT_FALSE(frequencyGrid(0.0, 1e9, true).empty());
}

} // namespace
} // namespace zelvo
