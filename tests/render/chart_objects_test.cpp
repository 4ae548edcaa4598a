// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/chain.h"
#include "core/twoport.h"
#include "render/chart_geometry.h"
#include "render/chart_objects.h"
#include "render/recording_canvas.h"
#include "arc_checks.h"
#include "render_fixtures.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace zelvo {
namespace {

using namespace zelvo::testing;

ChartGeometry geometry(int baseRadius = 190, float zoom = 1.0f)
{
    ChartGeometry g;
    g.baseRadius = baseRadius;
    g.zoom = zoom;
    return g;
}

ChartStyle style()
{
    return chartStyle(Settings{}, true, GridMode::Chart);
}

Point pixel(double r, double x, int R = 190)
{
    return *impedanceToChart(r, x, 50.0f, R, 0, 0);
}

TEST(ChartObjects, MarkerRadiusGrowsFrom480)
{
    EXPECT_EQ(markerRadius(0), 2);
    EXPECT_EQ(markerRadius(479), 2);
    EXPECT_EQ(markerRadius(480), 3);
    EXPECT_EQ(markerRadius(639), 3);
    EXPECT_EQ(markerRadius(640), 4);
}

Design pointsAndElement()
{
    Design d;
    addPoint(d, 25, -30);                                 // number 1
    addElement(d, element(ElementKind::IS, 5e-9));        // number 2
    addPoint(d, 100, 50);                                 // number 3
    addPoint(d, 10, 10);                                  // number 4
    return d;
}

TEST(ChartObjects, PointsAndElementEndsShareNumbersInHistoryOrder)
{
    const Design d = pointsAndElement();
    RecordingCanvas c;
    drawDataPoints(c, d, style(), geometry());
    const auto texts = c.ofKind(DrawOp::Text);
    ASSERT_EQ(texts.size(), 4u);
    const Point expected[] = {pixel(25, -30), pixel(d.elements[0].rEnd, d.elements[0].xEnd),
                              pixel(100, 50), pixel(10, 10)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].text, std::to_string(i + 1));
        EXPECT_EQ((Point{texts[static_cast<std::size_t>(i)].v[0], texts[static_cast<std::size_t>(i)].v[1]}), expected[i]);
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].align, TextAlign::LeftTop);
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].textColour, rgb(0, 0, 0));
    }
    const auto markers = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(markers.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(markers[static_cast<std::size_t>(i)].radius(), 2);
        EXPECT_EQ((Point{markers[static_cast<std::size_t>(i)].centreX(), markers[static_cast<std::size_t>(i)].centreY()}), expected[i]);
    }
    EXPECT_TRUE(c.ofKind(DrawOp::LineTo).empty()); // not linked

    // The start point's square: s + 1 around it, red, over the marker.
    const auto squares = c.ofKind(DrawOp::Rectangle);
    ASSERT_EQ(squares.size(), 1u);
    const Point p = expected[0];
    EXPECT_EQ(squares[0].v[0], p.x - 3);
    EXPECT_EQ(squares[0].v[1], p.y + 3);
    EXPECT_EQ(squares[0].v[2], p.x + 3);
    EXPECT_EQ(squares[0].v[3], p.y - 3);
    EXPECT_EQ(squares[0].pen, (Pen{PenStyle::Solid, 1, startSquareColour}));
    EXPECT_EQ(c.calls.back().op, DrawOp::Rectangle);
}

TEST(ChartObjects, LinkedPointsJoinDataPointsOnly)
{
    Design d = pointsAndElement();
    ChartStyle s = style();
    s.linkDataPoints = true;
    RecordingCanvas c;
    drawDataPoints(c, d, s, geometry());
    const auto lines = c.ofKind(DrawOp::LineTo);
    ASSERT_EQ(lines.size(), 2u); // 1 -> 3 and 3 -> 4, skipping the element end
    EXPECT_EQ((Point{lines[0].v[2], lines[0].v[3]}), pixel(25, -30));
    EXPECT_EQ((Point{lines[0].v[0], lines[0].v[1]}), pixel(100, 50));
    EXPECT_EQ((Point{lines[1].v[0], lines[1].v[1]}), pixel(10, 10));
}

TEST(ChartObjects, UndoneItemsDisappearAndLabelsCanBeOff)
{
    Design d = pointsAndElement();
    // Undo the last data point: the walk stops at the history position.
    d.dataPointCount = 2;
    d.historyCount = 3;
    RecordingCanvas c;
    drawDataPoints(c, d, style(), geometry());
    EXPECT_EQ(c.texts(), (std::vector<std::string>{"1", "2", "3"}));

    ChartStyle s = style();
    s.labels = false;
    RecordingCanvas quiet;
    drawDataPoints(quiet, d, s, geometry());
    EXPECT_TRUE(quiet.texts().empty());
    EXPECT_EQ(quiet.ofKind(DrawOp::Ellipse).size(), 3u);
}

TEST(ChartObjects, InconsistentHistoryNeverReadsBeyondTheCounts)
{
    Design d;
    addPoint(d, 50, 0);
    // History claims more points and elements than the counts hold.
    for (int i = 0; i < 5; ++i) {
        pushEntry(d, HistoryEntry::DataPoint);
        pushEntry(d, HistoryEntry::Element);
    }
    d.startPoint = 99;
    RecordingCanvas c;
    drawDataPoints(c, d, style(), geometry());
    EXPECT_EQ(c.texts(), (std::vector<std::string>{"1"}));
    EXPECT_TRUE(c.ofKind(DrawOp::Rectangle).empty());
}

// An element that does half of what `e` does, by kind.
Element halfway(const Element& e)
{
    Element h = e;
    switch (e.kind) {
    case ElementKind::CS: h.value = 2 * e.value; break; // half the reactance change
    case ElementKind::IS: h.value = e.value / 2; break;
    case ElementKind::RS: h.value = e.value / 2; break;
    case ElementKind::CP: h.value = e.value / 2; break;
    case ElementKind::IP: h.value = 2 * e.value; break;
    case ElementKind::RP: h.value = 2 * e.value; break;
    case ElementKind::LS: h.value = e.value / 2; break;
    case ElementKind::LPS:
        h.value = std::atan(2 * std::tan(twoPiElement * e.value)) / twoPiElement;
        break;
    case ElementKind::LPO:
        h.value = std::atan(std::tan(twoPiElement * e.value) / 2) / twoPiElement;
        break;
    case ElementKind::TR: h.value = (1 + e.value) / 2; break;
    default: break;
    }
    return h;
}

struct ArcCase {
    Element e;
    double rb, xb;
};

TEST(ChartObjects, EveryElementArcRunsFromBeginToEndThroughItsHalfwayPoint)
{
    const int R = 1000;
    const double f = 1e9;
    const ArcCase cases[] = {
        {element(ElementKind::CS, 4e-12), 25, -30},   {element(ElementKind::CS, 4e-12), 25, 60},
        {element(ElementKind::IS, 5e-9), 25, -30},    {element(ElementKind::IS, 5e-9), 25, 20},
        {element(ElementKind::RS, 20), 25, -30},      {element(ElementKind::RS, 20), 25, 40},
        {element(ElementKind::CP, 2e-12), 60, 30},    {element(ElementKind::CP, 2e-12), 20, -30},
        {element(ElementKind::IP, 10e-9), 40, -60},   {element(ElementKind::IP, 10e-9), 25, 10},
        {element(ElementKind::RP, 300), 30, -40},     {element(ElementKind::RP, 300), 30, 40},
        {element(ElementKind::LS, 0.08, 75.0f), 30, -20}, {element(ElementKind::LS, 0.2, 50.0f), 100, 30},
        {element(ElementKind::LPS, 0.1), 20, 10},     {element(ElementKind::LPO, 0.07, 60.0f), 40, -50},
        {element(ElementKind::TR, 1.4), 30, 40},      {element(ElementKind::TR, 0.6), 30, 40},
        {element(ElementKind::TR, 1.4), 30, -40},     {element(ElementKind::TR, 0.6), 30, -40},
    };
    int arcs = 0;
    for (const ArcCase& k : cases) {
        Element e = k.e;
        e.rBegin = k.rb;
        e.xBegin = k.xb;
        const Complex end = transformElement(e, {k.rb, k.xb}, f, f);
        e.rEnd = end.re;
        e.xEnd = end.im;
        const Complex mid = transformElement(halfway(e), {k.rb, k.xb}, f, f);

        const std::optional<ElementStroke> s = elementStroke(e, 50.0f, R, 0, 0, 1e9);
        ASSERT_TRUE(s);
        ASSERT_FALSE(s->straight) << static_cast<int>(e.kind);
        RecordingCanvas c;
        drawArcAbout(c, s->centre.x, s->centre.y, s->radius, s->from, s->to);
        const DrawCall arc = c.ofKind(DrawOp::Arc).at(0);
        const Point b = pixel(k.rb, k.xb, R), en = pixel(end.re, end.im, R), m = pixel(mid.re, mid.im, R);
        // Truncated centre and radius: within 3 pixels of the exact circle.
        EXPECT_TRUE(onDrawnArc(arc, b.x, b.y, 3)) << static_cast<int>(e.kind) << " begin";
        EXPECT_TRUE(onDrawnArc(arc, en.x, en.y, 3)) << static_cast<int>(e.kind) << " end";
        EXPECT_TRUE(onDrawnArc(arc, m.x, m.y, 3))
            << static_cast<int>(e.kind) << " halfway point off the drawn arc, begin " << k.rb
            << (k.xb < 0 ? " - j" : " + j") << std::abs(k.xb);
        ++arcs;
    }
    EXPECT_EQ(arcs, static_cast<int>(std::size(cases)));
}

TEST(ChartObjects, ArcDirectionsFollowTheTable)
{
    // Begin and end as the table names them: CS and IP begin -> end, IS and CP end -> begin.
    const auto strokeOf = [](ElementKind k, double value, double rb, double xb) {
        Element e = element(k, value);
        e.rBegin = rb;
        e.xBegin = xb;
        const Complex end = transformElement(e, {rb, xb}, 1e9, 1e9);
        e.rEnd = end.re;
        e.xEnd = end.im;
        return std::pair{*elementStroke(e, 50.0f, 190, 0, 0, 1e9), pixel(rb, xb)};
    };
    for (const auto& [k, value, beginFirst] :
         {std::tuple{ElementKind::CS, 4e-12, true}, std::tuple{ElementKind::IS, 5e-9, false},
          std::tuple{ElementKind::CP, 2e-12, false}, std::tuple{ElementKind::IP, 1e-8, true},
          std::tuple{ElementKind::LPS, 0.1, true}, std::tuple{ElementKind::LPO, 0.1, false},
          std::tuple{ElementKind::LS, 0.1, false}}) {
        const auto [s, begin] = strokeOf(k, value, 30, 20);
        EXPECT_EQ(s.from == begin, beginFirst) << static_cast<int>(k);
    }
    EXPECT_EQ(strokeOf(ElementKind::RS, 10, 30, 20).first.from, pixel(30, 20));
    EXPECT_EQ(strokeOf(ElementKind::RS, 10, 30, -20).first.to, pixel(30, -20));
    EXPECT_EQ(strokeOf(ElementKind::RP, 100, 30, -20).first.from, pixel(30, -20));
    EXPECT_EQ(strokeOf(ElementKind::RP, 100, 30, 20).first.to, pixel(30, 20));
    EXPECT_EQ(strokeOf(ElementKind::TR, 2, 30, 20).first.to, pixel(30, 20));
    EXPECT_EQ(strokeOf(ElementKind::TR, 0.5, 30, 20).first.from, pixel(30, 20));
    EXPECT_EQ(strokeOf(ElementKind::TR, 0.5, 30, -20).first.to, pixel(30, -20));
}

ElementStroke strokeFor(ElementKind k, double value, double rb, double xb, int R = 190)
{
    Element e = k == ElementKind::RlcSeries || k == ElementKind::RlcParallel
                    ? rlc(k, 100, 1e-8, 1e-12)
                    : element(k, value);
    e.rBegin = rb;
    e.xBegin = xb;
    const Complex end = transformElement(e, {rb, xb}, 1e9, 1e9);
    e.rEnd = end.re;
    e.xEnd = end.im;
    return *elementStroke(e, 50.0f, R, 0, 0, 1e9);
}

TEST(ChartObjects, StraightLineCases)
{
    // Resistors with the begin point on or within 3 pixels of the real axis.
    EXPECT_TRUE(strokeFor(ElementKind::RS, 20, 30, 0).straight);
    EXPECT_TRUE(strokeFor(ElementKind::RS, 20, 25, 0.5).straight); // about 1.7 px off the axis
    EXPECT_TRUE(strokeFor(ElementKind::RP, 100, 30, 0).straight);
    EXPECT_FALSE(strokeFor(ElementKind::RS, 20, 25, 10).straight);
    // A reactance so small that the circle's radius is 25 R or more: Z0/Xb >= 25.
    EXPECT_TRUE(strokeFor(ElementKind::RS, 1, 0.0, 1.9, 1000).straight);
    EXPECT_FALSE(strokeFor(ElementKind::RS, 1, 0.0, 2.1, 1000).straight);
    // The shunt resistor: radius (Rb^2 + Xb^2) / (Z0 Xb) in units of R.
    EXPECT_TRUE(strokeFor(ElementKind::RP, 1000, 1000, 30, 1000).straight);  // 667 R
    EXPECT_FALSE(strokeFor(ElementKind::RP, 1000, 40, 30, 1000).straight);   // 1.7 R
    // Transformers on an almost resistive point.
    EXPECT_TRUE(strokeFor(ElementKind::TR, 2, 30, 0.01).straight);
    EXPECT_TRUE(strokeFor(ElementKind::TR, 2, 100, 9.9).straight);
    EXPECT_FALSE(strokeFor(ElementKind::TR, 2, 100, 10.1).straight);
    EXPECT_TRUE(strokeFor(ElementKind::RlcSeries, 0, 30, 20).straight);
    EXPECT_TRUE(strokeFor(ElementKind::RlcParallel, 0, 30, 20).straight);

    const ElementStroke line = strokeFor(ElementKind::RS, 20, 30, 0);
    EXPECT_EQ(line.from, pixel(30, 0));
    EXPECT_EQ(line.to, pixel(50, 0));
    EXPECT_EQ(line.to, (Point{0, 0}));
}

TEST(ChartObjects, ElementsOutsideThePixelRangeAreSkippedOrLimited)
{
    Element e = element(ElementKind::CP, 1e-12);
    e.rBegin = std::nan("");
    e.xBegin = 0;
    EXPECT_FALSE(elementStroke(e, 50.0f, 190, 0, 0, 1e9));
    // A shunt element on a short: the conductance circle is not a number.
    e.rBegin = 0;
    e.xBegin = 0;
    e.rEnd = 0;
    e.xEnd = 0;
    EXPECT_FALSE(elementStroke(e, 50.0f, 190, 0, 0, 1e9));
    // A transformer on a purely reactive point: Q is the largest float, the
    // circle is the boundary itself.
    Element t = element(ElementKind::TR, 2);
    t.rBegin = 0;
    t.xBegin = 30;
    t.rEnd = 0;
    t.xEnd = 120;
    const auto s = elementStroke(t, 50.0f, 190, 0, 0, 1e9);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->centre, (Point{0, 0}));
    EXPECT_EQ(s->radius, 190);
    // A saturated end impedance goes to Gamma = 1 instead of failing.
    Element open = element(ElementKind::CS, 1e-30);
    open.rBegin = 30;
    open.xBegin = 20;
    open.rEnd = 30;
    open.xEnd = -DOUBLE_BIG;
    const auto o = elementStroke(open, 50.0f, 190, 0, 0, 1e9);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->to, (Point{190, 0}));

    Design d;
    addPoint(d, 30, 20);
    d.elements[0] = e;
    d.elements[1] = t;
    d.elementCount = 2;
    RecordingCanvas c;
    drawElementArcs(c, d, style(), geometry());
    EXPECT_EQ(c.ofKind(DrawOp::Arc).size(), 1u);
}

// A lossy part is drawn along its real path, begin to end: through the
// points its smaller values reach, off the ideal part's circle.
TEST(ChartObjects, LossyElementsFollowTheirPath)
{
    Design d;
    addPoint(d, 25, -30, 1e9);
    Element l = element(ElementKind::IS, 8e-9);
    l.loss = {.q = 5, .qFrequency = 1e9};
    addElement(d, l);
    const Element& e = d.elements[0];
    RecordingCanvas c;
    drawElementArcs(c, d, style(), geometry());
    EXPECT_TRUE(c.ofKind(DrawOp::Arc).empty());
    const auto lines = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<Point>& p = lines[0].points;
    ASSERT_GE(p.size(), 20u);
    EXPECT_EQ(p.front(), pixel(25, -30));
    EXPECT_EQ(p.back(), pixel(e.rEnd, e.xEnd));
    // Half the inductance: X / 2 with R grown by X / 2 / Q (Q 5 at 1 GHz).
    const double x = 2 * std::numbers::pi * 1e9 * 4e-9;
    const Point half = pixel(25 + x / 5, -30 + x);
    const auto nearest = std::min_element(p.begin(), p.end(), [&](Point a, Point b) {
        return std::hypot(a.x - half.x, a.y - half.y) < std::hypot(b.x - half.x, b.y - half.y);
    });
    EXPECT_LE(std::hypot(nearest->x - half.x, nearest->y - half.y), 1.5);
    // The ideal inductor's point of the same value lies well off the path.
    const Point ideal = pixel(25, -30 + x);
    EXPECT_GT(std::hypot(nearest->x - ideal.x, nearest->y - ideal.y), 5.0);
}

TEST(Contours, QCircleOfOneMeetsTheBoundaryOnTheAxis)
{
    Design d;
    d.qCircles[0] = 1.0f;
    d.qCircles[1] = 0.0f; // not a contour: skipped
    d.qCount = 2;
    RecordingCanvas c;
    c.setFont({16, FontFace::Default, 400, 0});
    drawQCircles(c, d, style(), geometry());
    const auto arcs = c.ofKind(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    // k = R, rho = sqrt(2) R = 268.7.
    EXPECT_EQ(arcs[0].centreY(), -190);
    EXPECT_EQ(arcs[0].radius(), 268);
    EXPECT_EQ((Point{arcs[0].v[4], arcs[0].v[5]}), (Point{190, 0}));
    EXPECT_EQ((Point{arcs[0].v[6], arcs[0].v[7]}), (Point{-190, 0}));
    EXPECT_EQ(arcs[1].centreY(), 190);
    EXPECT_EQ((Point{arcs[1].v[4], arcs[1].v[5]}), (Point{-190, 0}));
    double mx, my;
    arcMidpoint(arcs[0], mx, my);
    EXPECT_NEAR(my, 190 * (std::sqrt(2.0) - 1), 1.0); // upper arc, inside
    arcMidpoint(arcs[1], mx, my);
    EXPECT_NEAR(my, -190 * (std::sqrt(2.0) - 1), 1.0);

    const DrawCall* caption = c.findText("Q = 1.0");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->align, TextAlign::CentreBaseline);
    EXPECT_EQ(caption->v[0], 0);
    EXPECT_EQ(caption->v[1], 70); // trunc(268.70 - 190 - 16 / 2)
    EXPECT_EQ(caption->textColour, Settings{}.qColour);
}

TEST(Contours, VswrCircleAndCaption)
{
    Design d;
    d.vswrCircles[0] = 3.0f;  // |Gamma| = 0.5
    d.vswrCircles[1] = 1.0f;  // the centre
    d.vswrCount = 2;
    ChartStyle s = style();
    s.colours.vswr = rgb(1, 2, 3);
    RecordingCanvas c;
    c.setFont({16, FontFace::Default, 400, 0});
    drawVswrCircles(c, d, s, geometry());
    const auto circles = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].radius(), 95);
    EXPECT_EQ(circles[1].radius(), 0);
    const DrawCall* caption = c.findText("VSWR = 3.0");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ((Point{caption->v[0], caption->v[1]}), (Point{0, 87}));
    EXPECT_EQ(caption->textColour, rgb(1, 2, 3));
    EXPECT_EQ(circles[0].pen, (Pen{PenStyle::Solid, 1, rgb(1, 2, 3)}));
}

TEST(Contours, TwoPortCirclesAndTheirCaptions)
{
    Design d;
    addCircles(d);
    const int R = 190, h = 16;
    ChartStyle s = style();
    RecordingCanvas c;
    c.setFont({h, FontFace::Default, 400, 0});
    drawStabilityCircles(c, d, s, geometry());
    drawGainCircles(c, d, s, geometry());
    drawNoiseCircles(c, d, s, geometry());

    std::vector<std::pair<std::string, Circle>> expected;
    // Appended, not "S" + std::to_string(...): GCC 12 warns falsely on that at -O3.
    const auto name = [](char kind, int i) {
        std::string s(1, kind);
        s += std::to_string(i + 1);
        return s;
    };
    for (int i = 0; i < d.stabilityCount; ++i) {
        const auto& r = d.stabilityCircles[static_cast<std::size_t>(i)];
        const StabilityCircle sc = stabilityCircle(widen(r.s), r.plane);
        expected.push_back({name('S', i), {sc.centre, sc.radius}});
    }
    for (int i = 0; i < d.gainCount; ++i) {
        const auto& r = d.gainCircles[static_cast<std::size_t>(i)];
        expected.push_back({name('G', i), gainCircle(widen(r.s), r.plane, r.p)});
    }
    for (int i = 0; i < d.noiseCount; ++i) {
        const auto& r = d.noiseCircles[static_cast<std::size_t>(i)];
        expected.push_back({name('N', i), noiseCircle(r.nfMin, r.gammaOpt, r.rn, r.nf)});
    }
    const auto circles = c.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [name, circle] = expected[i];
        const int x = static_cast<int>(std::trunc(R * circle.centre.re));
        const int y = static_cast<int>(std::trunc(R * circle.centre.im));
        const double rr = R * std::abs(circle.radius);
        EXPECT_EQ(circles[i].centreX(), x) << name;
        EXPECT_EQ(circles[i].centreY(), y) << name;
        EXPECT_EQ(circles[i].radius(), static_cast<int>(rr)) << name;
        const DrawCall* caption = c.findText(name);
        ASSERT_NE(caption, nullptr) << name;
        EXPECT_EQ(caption->v[0], x);
        // Gain captions sit on the top; the others half a text height lower.
        const double lift = name[0] == 'G' ? 0 : h / 2;
        EXPECT_EQ(caption->v[1], y + static_cast<int>(rr - lift)) << name;
        EXPECT_EQ(caption->align, TextAlign::CentreBaseline);
    }
}

TEST(Contours, CirclesThatCannotBeDrawnAreSkipped)
{
    Design d;
    StabilityCircleRecord zero; // |s11|^2 - |delta|^2 = 0: a saturated centre
    d.stabilityCircles[0] = zero;
    d.stabilityCount = 1;
    NoiseCircleRecord n{1.0, {0.2, 0.1}, 0.0, 2.0}; // rn = 0: N is infinite
    d.noiseCircles[0] = n;
    d.noiseCount = 1;
    GainCircleRecord g;
    g.s.s11re = std::nanf("");
    d.gainCircles[0] = g;
    d.gainCount = 1;
    RecordingCanvas c;
    drawStabilityCircles(c, d, style(), geometry());
    drawGainCircles(c, d, style(), geometry());
    drawNoiseCircles(c, d, style(), geometry());
    EXPECT_TRUE(c.calls.empty());
}

TEST(RenderChart, LayersInTheirOrder)
{
    Design d = everyKindDesign();
    addCircles(d);
    addWideband(d);
    d.qCircles[d.qCount++] = 2.0f;
    d.vswrCircles[d.vswrCount++] = 2.0f;
    ChartStyle s = style();
    s.colours = {rgb(1, 0, 0), rgb(2, 0, 0), rgb(3, 0, 0), rgb(6, 0, 0), rgb(4, 0, 0),
                 rgb(5, 0, 0), rgb(7, 0, 0), rgb(8, 0, 0), rgb(9, 0, 0), rgb(10, 0, 0)};
    RecordingCanvas c;
    renderChart(c, d, s, geometry());
    // The order in which the layer colours first appear.
    std::vector<int> order;
    for (const DrawCall& call : c.calls) {
        const int red = redOf(call.pen.colour);
        if (call.op != DrawOp::Text && red >= 1 && red <= 10 &&
            std::find(order.begin(), order.end(), red) == order.end())
            order.push_back(red);
    }
    // grid Z, grid Y, points, Q, VSWR, elements, wideband, stability, gain, noise
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(c.saveDepth(), 0);
}

TEST(RenderChart, PrintingChoosesLayers)
{
    Design d = everyKindDesign();
    addCircles(d);
    ChartLayers only;
    only = {true, false, false, false, false, false, false, false, false};
    RecordingCanvas grid;
    renderChart(grid, d, style(), geometry(), only);
    RecordingCanvas empty;
    renderChart(empty, Design{}, style(), geometry());
    EXPECT_EQ(grid.calls.size(), empty.calls.size());

    only.grid = false;
    only.gainCircles = true;
    RecordingCanvas gain;
    renderChart(gain, d, style(), geometry(), only);
    EXPECT_EQ(gain.ofKind(DrawOp::Ellipse).size(), static_cast<std::size_t>(d.gainCount));
}

TEST(RenderChart, WidebandMarksEveryPointButTheStart)
{
    Design d = everyKindDesign(); // three points, twelve elements
    addWideband(d);
    RecordingCanvas c;
    drawWideband(c, d, style(), geometry());
    const auto lines = c.ofKind(DrawOp::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points.size(), 3u);
    EXPECT_EQ(lines[0].pen.style, PenStyle::Dotted);
    EXPECT_EQ(lines[0].pen.colour, Settings{}.dataPointColour);
    EXPECT_EQ(lines[1].pen.colour, Settings{}.widebandColour);
    EXPECT_EQ(lines[1].points[0], pixel(d.widebandR[0], d.widebandX[0]));
    // Points 2 and 3 carry the numbers 2 and 3 (entered before the elements).
    EXPECT_EQ(c.texts(), (std::vector<std::string>{"W2", "W3"}));
    EXPECT_EQ(c.ofKind(DrawOp::Ellipse).size(), 2u);
    const DrawCall* w3 = c.findText("W3");
    EXPECT_EQ((Point{w3->v[0], w3->v[1]}), pixel(d.widebandR[2], d.widebandX[2]));
}

} // namespace
} // namespace zelvo

namespace zelvo {
namespace {

TEST(ChartObjects, MarkersNearTheIntRangeSaturate)
{
    // A huge zoom puts a point near the chart's edge at the int range's edge;
    // the start square around it must clamp, not wrap (UB under UBSan).
    Design d;
    addPoint(d, 0.001, 0);
    RecordingCanvas c;
    drawDataPoints(c, d, style(), geometry(190, 1e9f));
    const auto labels = c.ofKind(DrawOp::Text);
    const auto squares = c.ofKind(DrawOp::Rectangle);
    ASSERT_EQ(labels.size(), 1u);
    ASSERT_EQ(squares.size(), 1u);
    const int x = labels[0].v[0];
    EXPECT_LT(x, -2'000'000'000);
    EXPECT_EQ(squares[0].v[0], std::numeric_limits<int>::min());
    EXPECT_GT(squares[0].v[2], x);
}

} // namespace
} // namespace zelvo
