// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// A measured two-port block on the chart, in the schematic and in the
// wideband layer.
#include "core/chain.h"
#include "model/block_file.h"
#include "render/chart_geometry.h"
#include "render/chart_objects.h"
#include "render/recording_canvas.h"
#include "render/schematic_text.h"
#include "render/tiles.h"
#include "render_fixtures.h"
#include "support/block_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <variant>

namespace zelvo {
namespace {

using namespace zelvo::testing;

ChartGeometry geometry()
{
    ChartGeometry g;
    g.baseRadius = 190;
    g.zoom = 1.0f;
    return g;
}

TEST(BlockDrawing, TileShowsWhichWayRoundTheBlockSits)
{
    std::set<std::string> seen;
    for (int k = 1; k <= 0x800; k <<= 1)
        seen.insert(std::string(tile(*tileFor(static_cast<ElementKind>(k))).ink.begin(),
                                tile(*tileFor(static_cast<ElementKind>(k))).ink.end()));
    ASSERT_EQ(seen.size(), 12u);
    for (const bool reversed : {false, true}) {
        const std::optional<TileId> id = tileFor(coilBlock(reversed));
        ASSERT_TRUE(id);
        EXPECT_EQ(*id, reversed ? TileId::BlockReversed : TileId::Block);
        const Bitmap& t = tile(*id);
        EXPECT_TRUE(t.at(tileWireX, 0));
        EXPECT_TRUE(t.at(tileWireX, tileHeight - 1));
        EXPECT_TRUE(seen.insert(std::string(t.ink.begin(), t.ink.end())).second);
    }
    EXPECT_EQ(tileFor(ElementKind::Block), TileId::Block);
}

// A block measured from a series inductor is drawn along the inductor's own
// constant-resistance arc, from its begin to its end point.
TEST(BlockDrawing, PathOfAMeasuredInductorFollowsTheInductorsArc)
{
    Design d;
    addPoint(d, 20, -35, 1e9);
    const Element& b = addElement(d, coilBlock());
    Element l = element(ElementKind::IS, 50.0 / (twoPiElement * 1e9)); // 50 ohm at 1 GHz
    l.rBegin = b.rBegin;
    l.xBegin = b.xBegin;
    const Complex end = transformElement(l, {20, -35}, 1e9, 1e9);
    l.rEnd = end.re;
    l.xEnd = end.im;
    EXPECT_NEAR(b.xEnd, end.im, 1e-9);

    const std::optional<ElementStroke> arc = elementStroke(l, 50.0f, 190, 0, 0, 1e9);
    const std::optional<ElementStroke> path = blockStroke(b, 50.0f, 190, 0, 0, 1e9);
    ASSERT_TRUE(arc && path);
    ASSERT_GT(path->path.size(), 20u);
    EXPECT_EQ(path->path.front(), *impedanceToChart(20, -35, 50.0f, 190, 0, 0));
    EXPECT_EQ(path->path.back(), *impedanceToChart(b.rEnd, b.xEnd, 50.0f, 190, 0, 0));
    for (const Point p : path->path) {
        const double r = std::hypot(p.x - arc->centre.x, p.y - arc->centre.y);
        EXPECT_NEAR(r, arc->radius, 1.5) << p.x << "," << p.y;
    }
    // Drawn as one polyline in the element colour.
    RecordingCanvas c;
    drawElementArcs(c, d, chartStyle(Settings{}, true, GridMode::Chart), geometry());
    const std::vector<DrawCall> lines = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, path->path);
    // Outside its range at f0 the block is a straight line (begin = end).
    const std::optional<ElementStroke> none = blockStroke(b, 50.0f, 190, 0, 0, 5e9);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->path.empty());
    EXPECT_TRUE(none->straight);
}

TEST(BlockDrawing, SchematicNamesTheBlockItsRangeOrItsMissingValue)
{
    const TextWidth width = [](std::string_view t) { return static_cast<int>(t.size()) * 6; };
    std::vector<TextPiece> pieces = elementTextPieces(coilBlock(), 1.5e9, width, 16, false);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].text, "coil.s2p");
    EXPECT_EQ(pieces[1].text, "1.000 GHz to 2.000 GHz");
    EXPECT_LT(pieces[0].dy, pieces[1].dy);
    pieces = elementTextPieces(coilBlock(true), 3e9, width, 16, false);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].text, "coil.s2p (reversed)");
    EXPECT_EQ(pieces[1].text, "no value at 3.000 GHz");
}

// Points outside the block's range have no wideband result: a cross on the
// data point with "W<n>: no value", and the wideband curve broken there.
TEST(BlockDrawing, WidebandMarksThePointsWithoutAValue)
{
    Design d;
    addPoint(d, 25, -40, 1.5e9);
    addPoint(d, 30, -20, 1.2e9);
    addPoint(d, 20, -30, 2.5e9); // beyond the block
    addPoint(d, 40, -10, 1.8e9);
    addElement(d, coilBlock());
    evaluateWideband(d);
    d.widebandDone = true;
    pushEntry(d, HistoryEntry::Wideband);
    ASSERT_TRUE(d.widebandSkipped[2]);

    RecordingCanvas c;
    ChartStyle s = chartStyle(Settings{}, true, GridMode::Chart);
    s.labels = true;
    drawWideband(c, d, s, geometry());
    // The four points come first in the history: the third is number 3.
    const DrawCall* label = c.findText("W3: no value");
    ASSERT_NE(label, nullptr);
    const Point at = *impedanceToChart(20, -30, 50.0f, 190, 0, 0);
    // Up and right of the cross (arms of the marker radius + 3), clear of
    // the point's own number below it.
    const int arm = markerRadius(190) + 3;
    EXPECT_EQ(label->v[0], at.x + arm);
    EXPECT_EQ(label->v[1], at.y + arm);
    EXPECT_EQ(label->align, TextAlign::LeftBottom);
    EXPECT_NE(c.findText("W2"), nullptr);
    EXPECT_NE(c.findText("W4"), nullptr);
    EXPECT_EQ(c.findText("W3"), nullptr);
    // The cross: two strokes through the data point.
    int through = 0;
    for (const DrawCall& l : c.ofKind(DrawOp::LineTo))
        through += (l.v[0] + l.v[2]) / 2 == at.x && (l.v[1] + l.v[3]) / 2 == at.y;
    EXPECT_EQ(through, 2);
    // Dotted: the data points' line, then the wideband curve in two runs.
    const std::vector<DrawCall> polylines = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_EQ(polylines[0].points.size(), 4u);
    EXPECT_EQ(polylines[1].points.size(), 2u); // points 1 and 2; point 4 stands alone
}

} // namespace
} // namespace zelvo
