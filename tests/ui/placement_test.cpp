// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The placement logic without widgets: guides, angle windows, values and the
// committed end points, checked against independent derivations.
#include "core/chain.h"
#include "core/complex.h"
#include "ui/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvo {
namespace {

constexpr int R = 400; // baseRadius of a 820-pixel-wide chart window
constexpr double pi = std::numbers::pi;

// The impedance of a pixel, derived independently: z0 (1 + Gamma) / (1 - Gamma).
Complex impedanceOfPixel(Point p, double scale = R, double z0 = 50.0)
{
    const Complex g{p.x / scale, p.y / scale};
    return z0 * (1.0 + g) / (1.0 - g);
}

PlacementContext contextFor(ElementKind kind, Complex begin, double f = 1e9, double zl = 50)
{
    PlacementContext c;
    c.kind = kind;
    c.begin = begin;
    c.f = f;
    c.lineImpedance = zl;
    c.baseRadius = R;
    return c;
}

// A placement from `begin` to the mouse position `to`, as the chart window
// runs it: guide, drag, commit.
struct Placed {
    PlacementHandoff h;
    PlacementTrack track;
    PlacementContext c;
    DragStep step;
    Element pending;

    Placed(ElementKind kind, Complex begin, Point to, double f = 1e9, double zl = 50)
        : c(contextFor(kind, begin, f, zl))
    {
        computeGuide(h, kind, begin, 50.0f, zl, R, 1.0f);
        track.last = {h.workingPixel[0], h.workingPixel[1]};
        pending.lineImpedance = static_cast<float>(zl);
        pending.lineEr = 1.0f;
        step = dragPlacement(h, c, track, 0.0, to);
        if (step.outcome == DragOutcome::Accepted)
            pending.value = step.value;
    }
    std::optional<Element> commit() const { return commitPlacement(c, track, pending); }
};

// The snapped point lies on the guide circle.
void expectOnGuide(const Placed& r)
{
    const double dx = r.step.point.x - static_cast<double>(r.h.guideCircle[0]);
    const double dy = r.step.point.y - static_cast<double>(r.h.guideCircle[1]);
    // Truncation of centre, radius and point: at most one pixel off each way.
    EXPECT_NEAR(std::hypot(dx, dy), r.h.guideCircle[2], 2.0);
}

TEST(PlacementGuide, SeriesElementsFollowTheConstantResistanceCircle)
{
    PlacementHandoff h;
    computeGuide(h, ElementKind::IS, {50, 50}, 50.0f, 50, R, 1.0f);
    // z = 1 + j1: centre (0.5, 0), radius 0.5.
    EXPECT_EQ(h.guideCircle[0], R / 2);
    EXPECT_EQ(h.guideCircle[1], 0);
    EXPECT_EQ(h.guideCircle[2], R / 2);
    // Gamma(1 + j1) = (1 + 2j) / 5.
    EXPECT_EQ(h.workingPixel[0], 80);
    EXPECT_EQ(h.workingPixel[1], 160);
    ASSERT_TRUE(h.guideArc);
    EXPECT_EQ((Point{h.arc[0], h.arc[1]}), (Point{R, 0})); // IS: from (1, 0) to the point
    EXPECT_EQ((Point{h.arc[2], h.arc[3]}), (Point{80, 160}));
    computeGuide(h, ElementKind::CS, {50, 50}, 50.0f, 50, R, 1.0f);
    EXPECT_EQ((Point{h.arc[0], h.arc[1]}), (Point{80, 160}));
    EXPECT_EQ((Point{h.arc[2], h.arc[3]}), (Point{R, 0}));
}

TEST(PlacementGuide, EveryArcRunsInsideTheChart)
{
    // Counter-clockwise from start to end, the arc's middle lies inside the chart.
    struct Case {
        ElementKind kind;
        Complex begin;
    };
    const Case cases[] = {{ElementKind::CS, {30, 40}}, {ElementKind::IS, {30, -40}},
                          {ElementKind::RS, {30, 40}}, {ElementKind::RS, {30, -40}},
                          {ElementKind::CP, {30, 40}}, {ElementKind::IP, {30, -40}},
                          {ElementKind::RP, {80, 40}}, {ElementKind::RP, {80, -40}},
                          {ElementKind::TR, {30, 40}}, {ElementKind::TR, {30, -40}}};
    int arcs = 0;
    for (const Case& k : cases) {
        PlacementHandoff h;
        computeGuide(h, k.kind, k.begin, 50.0f, 50, R, 1.0f);
        ASSERT_TRUE(h.guideArc) << static_cast<int>(k.kind);
        const double cx = h.guideCircle[0], cy = h.guideCircle[1], r = h.guideCircle[2];
        double a0 = std::atan2(h.arc[1] - cy, h.arc[0] - cx);
        double a1 = std::atan2(h.arc[3] - cy, h.arc[2] - cx);
        if (a1 <= a0)
            a1 += 2 * pi;
        const double mid = (a0 + a1) / 2;
        const double mx = cx + r * std::cos(mid), my = cy + r * std::sin(mid);
        EXPECT_LT(std::hypot(mx, my), R) << static_cast<int>(k.kind) << " " << k.begin.im;
        ++arcs;
    }
    EXPECT_EQ(arcs, 10);
}

TEST(PlacementGuide, NearlyStraightGuidesAreSegments)
{
    PlacementHandoff h;
    // A transformer on a purely resistive point: from (-1, 0) to the working point.
    computeGuide(h, ElementKind::TR, {100, 0}, 50.0f, 50, R, 1.0f);
    EXPECT_FALSE(h.guideArc);
    ASSERT_TRUE(h.guideLine);
    EXPECT_TRUE(h.guideLineCopy);
    EXPECT_EQ((Point{h.line[0], h.line[1]}), (Point{-R, 0}));
    EXPECT_EQ((Point{h.line[2], h.line[3]}), (Point{R / 3, 0}));
    // A series resistor on the real axis: X = 0 stores the unrepresentable circle.
    computeGuide(h, ElementKind::RS, {25, 0}, 50.0f, 50, R, 1.0f);
    EXPECT_TRUE(h.guideLine);
    EXPECT_EQ(h.guideCircle[1], INT_MAX);
    EXPECT_EQ(h.guideCircle[2], INT_MAX);
    computeGuide(h, ElementKind::RP, {100, 0}, 50.0f, 50, R, 1.0f);
    EXPECT_EQ(h.guideCircle[1], INT_MIN);
    EXPECT_EQ(h.guideCircle[2], INT_MAX);
    EXPECT_EQ((Point{h.line[2], h.line[3]}), (Point{-R, 0}));
    // A tiny reactance: a radius of 1/|x| = 50 chart radii is drawn straight,
    // but zoomed in 4 times the same circle is an arc again (50 / 4 < 25).
    computeGuide(h, ElementKind::RS, {25, 1}, 50.0f, 50, R, 1.0f);
    EXPECT_TRUE(h.guideLine);
    computeGuide(h, ElementKind::RS, {25, 1}, 50.0f, 50, R, 4.0f);
    EXPECT_TRUE(h.guideArc);
}

TEST(PlacementGuide, LineCircleKeepsTheLineImpedanceRatio)
{
    PlacementHandoff h;
    // Zl = z0: the circle of constant |Gamma| about the centre.
    computeGuide(h, ElementKind::LS, {100, 0}, 50.0f, 50, R, 1.0f);
    EXPECT_EQ(h.guideCircle[0], 0);
    EXPECT_EQ(h.guideCircle[2], R / 3);
    // Zl = 100 ohm on a 25 ohm load: Z swings between 25 and 400 ohm, that
    // is Gamma between -1/3 and 7/9 on the real axis.
    computeGuide(h, ElementKind::LS, {25, 0}, 50.0f, 100, R, 1.0f);
    const double left = -1.0 / 3.0, right = 7.0 / 9.0;
    EXPECT_NEAR(h.guideCircle[0], (left + right) / 2 * R, 1.0);
    EXPECT_NEAR(h.guideCircle[2], (right - left) / 2 * R, 1.0);
}

TEST(PlacementDrag, EachKindReachesTheCentreWithTheTextbookValue)
{
    // From a begin point one element away from 50 ohm, dragged to the chart
    // centre; f = 1 GHz, so 50 ohm of reactance is C = 3.183 pF, L = 7.958 nH.
    const double w = 2 * pi * 1e9;
    struct Case {
        ElementKind kind;
        Complex begin;
        double value;
        double tolerance; // the value of a pixel snapped onto the centre is exact
    };
    const Case cases[] = {
        {ElementKind::CS, {50, 50}, 1 / (w * 50), 1e-16},
        {ElementKind::IS, {50, -50}, 50 / w, 1e-13},
        {ElementKind::RS, {25, 0}, 25, 1e-9},
        {ElementKind::CP, {25, 25}, 0.02 / w, 1e-16}, // Y = 0.02 - j0.02
        {ElementKind::IP, {25, -25}, 1 / (w * 0.02), 1e-13},
        {ElementKind::RP, {100, 0}, 100, 1e-7},
        {ElementKind::TR, {100, 0}, 1 / std::sqrt(2.0), 1e-6}, // single precision
    };
    int checked = 0;
    for (const Case& k : cases) {
        const Placed r(k.kind, k.begin, {0, 0});
        ASSERT_EQ(r.step.outcome, DragOutcome::Accepted) << static_cast<int>(k.kind);
        EXPECT_EQ(r.step.point, (Point{0, 0})) << static_cast<int>(k.kind);
        EXPECT_NEAR(r.step.value, k.value, k.tolerance) << static_cast<int>(k.kind);
        EXPECT_TRUE(r.step.shown);
        // The committed element carries the begin point to 50 ohm, and the
        // chain's own transformation of its value agrees.
        const std::optional<Element> e = r.commit();
        ASSERT_TRUE(e) << static_cast<int>(k.kind);
        EXPECT_EQ(e->kind, k.kind);
        // The transformer's ratio is single precision.
        const double endTolerance = k.kind == ElementKind::TR ? 1e-4 : 1e-6;
        EXPECT_NEAR(e->rEnd, 50, endTolerance);
        EXPECT_NEAR(e->xEnd, 0, endTolerance);
        EXPECT_DOUBLE_EQ(e->rBegin, k.begin.re);
        EXPECT_DOUBLE_EQ(e->xBegin, k.begin.im);
        const Complex z = transformElement(*e, k.begin, 1e9, 1e9);
        EXPECT_NEAR(z.re, 50, 1e-4) << static_cast<int>(k.kind);
        EXPECT_NEAR(z.im, 0, 1e-4) << static_cast<int>(k.kind);
        ++checked;
    }
    EXPECT_EQ(checked, 7);
}

TEST(PlacementDrag, LinesAndStubsMeasureTheirLengthInWavelengths)
{
    // Stubs on Y = 0.02 - j0.02 adding +j0.02 S: open tan(2 pi l) = 1 gives
    // l = 1/8; shorted -cot(2 pi l) = 1 gives l = 3/8.
    struct Case {
        ElementKind kind;
        Complex begin;
        Point to;
        double length;
    };
    const Case cases[] = {{ElementKind::LPO, {25, 25}, {0, 0}, 0.125},
                          {ElementKind::LPS, {25, 25}, {0, 0}, 0.375},
                          // A quarter wave turns 100 ohm into 25 ohm (Gamma -1/3).
                          {ElementKind::LS, {100, 0}, {-R / 3, 0}, 0.25}};
    for (const Case& k : cases) {
        const Placed r(k.kind, k.begin, k.to);
        ASSERT_EQ(r.step.outcome, DragOutcome::Accepted);
        expectOnGuide(r);
        // One pixel of the snapped point moves the length by about 1/(2 pi R) turns.
        EXPECT_NEAR(r.step.value, k.length, 2e-3) << static_cast<int>(k.kind);
        const std::optional<Element> e = r.commit();
        ASSERT_TRUE(e);
        // The end lies on the exact circle at the committed length; the
        // snapped pixel within a pixel of it (about 0.25 ohm near 25 ohm).
        const Complex z = transformElement(*e, k.begin, 1e9, 1e9);
        EXPECT_NEAR(e->rEnd, z.re, 1e-9 * std::abs(z.re));
        EXPECT_NEAR(e->xEnd, z.im, 1e-9 * std::abs(z.re) + 1e-9);
        const Complex reached = impedanceOfPixel(r.step.point);
        EXPECT_NEAR(z.re, reached.re, 0.5);
        EXPECT_NEAR(z.im, reached.im, 0.5);
    }
}

TEST(PlacementDrag, SeriesCapacitorGoesCounterClockwiseOnly)
{
    // z = 1 + j1 sits at 126.9 degrees on its circle about (0.5, 0).
    const Complex begin{50, 50};
    PlacementHandoff h;
    computeGuide(h, ElementKind::CS, begin, 50.0f, 50, R, 1.0f);
    PlacementTrack track;
    track.last = {h.workingPixel[0], h.workingPixel[1]};
    const PlacementContext c = contextFor(ElementKind::CS, begin);
    const auto at = [&](double degrees) {
        const double a = degrees * pi / 180;
        return Point{toInt(200 + 200 * std::cos(a)), toInt(200 * std::sin(a))};
    };
    // Upwards towards (1, 0) raises X: refused, the pointer goes back.
    DragStep s = dragPlacement(h, c, track, 0.0, at(60));
    EXPECT_EQ(s.outcome, DragOutcome::Refused);
    EXPECT_EQ(s.point, track.last);
    EXPECT_FALSE(track.lastValid);
    // Round through the real axis into the lower half: accepted all the way.
    int accepted = 0;
    for (double deg : {150.0, 180.0, 200.0, 250.0, 300.0}) {
        s = dragPlacement(h, c, track, 0.0, at(deg));
        ASSERT_EQ(s.outcome, DragOutcome::Accepted) << deg;
        const Complex z = impedanceOfPixel(s.point);
        EXPECT_NEAR(z.re, 50, 1.5) << deg; // one pixel of the constant-r circle
        EXPECT_NEAR(s.value, -1 / (2 * pi * 1e9 * (z.im - 50)), 1e-3 * s.value);
        EXPECT_TRUE(track.lastValid);
        ++accepted;
    }
    EXPECT_EQ(accepted, 5);
    // The same point again changes nothing.
    EXPECT_EQ(dragPlacement(h, c, track, 0.0, track.last).outcome, DragOutcome::Ignored);
}

TEST(PlacementDrag, ResistorsSlideAlongTheAxisOneWayOnly)
{
    // Series R from 25 ohm: to the right only, P = (mouse x, 0).
    Placed right(ElementKind::RS, {25, 0}, {50, 7});
    EXPECT_EQ(right.step.outcome, DragOutcome::Accepted);
    EXPECT_EQ(right.step.point, (Point{50, 0}));
    Placed left(ElementKind::RS, {25, 0}, {-300, 0});
    EXPECT_EQ(left.step.outcome, DragOutcome::Refused);
    // Shunt R from 100 ohm: to the left only.
    Placed shuntLeft(ElementKind::RP, {100, 0}, {-50, -3});
    EXPECT_EQ(shuntLeft.step.outcome, DragOutcome::Accepted);
    EXPECT_EQ(shuntLeft.step.point, (Point{-50, 0}));
    Placed shuntRight(ElementKind::RP, {100, 0}, {R / 2, 0});
    EXPECT_EQ(shuntRight.step.outcome, DragOutcome::Refused);
}

TEST(PlacementDrag, TransformerStaysOnItsHalfOfTheChart)
{
    Placed down(ElementKind::TR, {50, 50}, {0, -40});
    EXPECT_EQ(down.step.outcome, DragOutcome::Refused);
    Placed up(ElementKind::TR, {50, 50}, {0, 150});
    ASSERT_EQ(up.step.outcome, DragOutcome::Accepted);
    expectOnGuide(up);
    // A transformer keeps Q = X / R: the reached point has Q = 1 too.
    const Complex z = impedanceOfPixel(up.step.point);
    EXPECT_NEAR(z.im / z.re, 1.0, 0.02);
    // The ratio turns 50 + j50 into it: n^2 = |Zp| / |Zb|.
    const double ratio = std::sqrt(std::hypot(z.re, z.im) / std::hypot(50.0, 50.0));
    EXPECT_NEAR(up.step.value, ratio, 1e-5);
    // The exact readout is Q, with the largest float when R is 0.
    EXPECT_EQ(exactReadout(contextFor(ElementKind::TR, {0, 10})).value,
              static_cast<double>(FLOAT_BIG));
}

TEST(PlacementCommit, RefusedOutsideTheCommitWindow)
{
    // At 1 Hz a small step gives C >= 100 uF: not shown, not committed.
    Placed big(ElementKind::CS, {50, 50}, {0, 0}, 1.0);
    ASSERT_EQ(big.step.outcome, DragOutcome::Accepted);
    EXPECT_GE(big.step.value, 1e-4);
    EXPECT_FALSE(big.step.shown);
    EXPECT_FALSE(big.commit());
    // Still large: a refused position no longer pulls the pointer back.
    PlacementTrack t = big.track;
    EXPECT_EQ(dragPlacement(big.h, big.c, t, big.step.value, {R - 20, 60}).outcome,
              DragOutcome::Passed);
    // No accepted move yet: nothing to commit.
    PlacementHandoff h;
    computeGuide(h, ElementKind::IS, {50, -50}, 50.0f, 50, R, 1.0f);
    PlacementTrack fresh;
    Element pending;
    EXPECT_FALSE(commitPlacement(contextFor(ElementKind::IS, {50, -50}), fresh, pending));
    // A shunt capacitor of 1 mF or more is refused.
    Element large;
    large.value = 0.002;
    PlacementTrack valid;
    valid.lastValid = true;
    valid.working = 1.0;
    EXPECT_FALSE(commitPlacement(contextFor(ElementKind::CP, {25, 25}), valid, large));
}

TEST(PlacementSlot, CancelRestoresAnUndoneElementInThePendingSlot)
{
    AppState state;
    Design& d = state.design;
    d.elementCount = 1;
    d.elements[1].kind = ElementKind::LS;
    d.elements[1].value = 0.2;
    d.elements[1].lineImpedance = 75.0f;
    savePendingSlot(state);
    state.placement.placing = true;
    d.elements[1].value = 0.3; // written by the drag and the line dialog
    d.elements[1].lineImpedance = 50.0f;
    cancelPlacement(state);
    EXPECT_FALSE(state.placement.placing);
    EXPECT_EQ(d.elements[1].value, 0.2);
    EXPECT_EQ(d.elements[1].lineImpedance, 75.0f);
    EXPECT_EQ(state.placement.placingKind, ElementKind::None);
}

} // namespace
} // namespace zelvo

namespace zelvo {
namespace {

// The pixel of an impedance at zoom 1, derived independently.
Point pixelOf(Complex z)
{
    const Complex g = (z - 50.0) / (z + 50.0);
    return {toInt(g.re * R), toInt(g.im * R)};
}

double distanceToPolyline(const std::vector<PathPoint>& path, Point p)
{
    double best = 1e300;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const Complex a = impedanceToGamma(path[i - 1].z.re, path[i - 1].z.im, 50.0) * R;
        const Complex b = impedanceToGamma(path[i].z.re, path[i].z.im, 50.0) * R;
        const Complex d = b - a;
        const double len2 = d.re * d.re + d.im * d.im;
        const double s = len2 > 0 ? std::clamp(((p.x - a.re) * d.re + (p.y - a.im) * d.im) / len2,
                                               0.0, 1.0)
                                  : 0.0;
        best = std::min(best, std::hypot(p.x - a.re - s * d.re, p.y - a.im - s * d.im));
    }
    return best;
}

// A lossy part follows its path: the guide starts at the working point (the
// kind's identity), the mouse snaps to the path with the value that reaches
// the point shown, and the click commits exactly that element.
TEST(PlacementPath, LossyPartsSnapToTheirPathAndCommitWhatTheyReach)
{
    struct Case {
        ElementKind kind;
        Complex begin;
        double along; // the parameter of the path point the mouse is led near
    };
    const Case cases[] = {{ElementKind::IS, {25, -30}, 0.4},
                          {ElementKind::CP, {25, 25}, 0.3},
                          {ElementKind::CS, {60, 40}, 0.5},
                          {ElementKind::LS, {100, 0}, 0.3}};
    int placed = 0;
    for (const Case& k : cases) {
        SCOPED_TRACE(static_cast<int>(k.kind));
        Element part;
        part.kind = k.kind;
        part.lineImpedance = 50.0f;
        if (isLine(k.kind))
            part.loss.lineDb = 2.0;
        else
            part.loss = {.q = 20, .qFrequency = 2e9, .qLaw = QLaw::Linear};
        PlacementHandoff h;
        computePathGuide(h, part, k.begin, 50.0f, 1e9, R);
        ASSERT_GE(h.guidePath.size(), 200u);
        EXPECT_FALSE(h.guideArc || h.guideLine);
        EXPECT_EQ((Point{h.workingPixel[0], h.workingPixel[1]}), pixelOf(k.begin));
        EXPECT_NEAR(h.guidePath.front().z.re, k.begin.re, 1e-6);
        EXPECT_NEAR(h.guidePath.front().z.im, k.begin.im, 1e-6);

        PlacementContext c = contextFor(k.kind, k.begin);
        c.loss = part.loss;
        PlacementTrack track;
        track.last = {h.workingPixel[0], h.workingPixel[1]};
        // Three pixels beside the path point at `along`.
        Element there = part;
        there.value = valueAtPathParameter(k.kind, k.along, k.begin, 50.0, 1e9);
        const Point target = pixelOf(transformElement(there, k.begin, 1e9, 1e9));
        const Point mouse{target.x + 3, target.y - 2};
        const DragStep s = dragPlacement(h, c, track, 0.0, mouse);
        ASSERT_EQ(s.outcome, DragOutcome::Accepted);
        // The nearest point of the path is no farther than the one beside it
        // (a pixel for the rounding of each).
        EXPECT_LE(std::hypot(s.point.x - mouse.x, s.point.y - mouse.y),
                  std::hypot(target.x - mouse.x, target.y - mouse.y) + 1.5);
        // The point shown is where the value really takes the impedance.
        Element pending = part;
        pending.value = s.value;
        const Complex reached = transformElement(pending, k.begin, 1e9, 1e9);
        EXPECT_LE(std::abs(s.point.x - pixelOf(reached).x), 1);
        EXPECT_LE(std::abs(s.point.y - pixelOf(reached).y), 1);
        EXPECT_EQ(s.exact.which, ExactReadout::Which::Z);
        EXPECT_EQ(s.exact.impedance.re, reached.re);
        EXPECT_EQ(s.exact.impedance.im, reached.im);
        EXPECT_LE(distanceToPolyline(h.guidePath, s.point), 1.5);

        const std::optional<Element> e = commitPlacement(c, track, pending);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->kind, k.kind);
        EXPECT_EQ(e->loss, part.loss);
        EXPECT_EQ(e->value, s.value);
        EXPECT_EQ(e->rBegin, k.begin.re);
        EXPECT_EQ(e->xBegin, k.begin.im);
        EXPECT_EQ(e->rEnd, reached.re);
        EXPECT_EQ(e->xEnd, reached.im);
        // The same point again changes nothing.
        EXPECT_EQ(dragPlacement(h, c, track, s.value, track.last).outcome, DragOutcome::Ignored);
        ++placed;
    }
    EXPECT_EQ(placed, 4);
}

TEST(PlacementPath, LossyCommitKeepsTheKindsWindowAndNeedsAMove)
{
    Element part;
    part.kind = ElementKind::CS;
    part.loss.esr = 0.5;
    PlacementContext c = contextFor(ElementKind::CS, {50, 50}, 1.0); // at 1 Hz C is huge
    c.loss = part.loss;
    PlacementTrack track;
    Element pending = part;
    pending.value = 1e-9;
    EXPECT_FALSE(commitPlacement(c, track, pending)); // no accepted move yet
    track.lastValid = true;
    pending.value = 1e-3; // beyond 100 uF
    EXPECT_FALSE(commitPlacement(c, track, pending));
    pending.value = 1e-5;
    const std::optional<Element> e = commitPlacement(c, track, pending);
    ASSERT_TRUE(e);
    // The ESR stays in the end point: a series capacitor's path starts at
    // begin + ESR, not at the begin point.
    EXPECT_NEAR(e->rEnd, 50.5, 1e-9);
}

} // namespace
} // namespace zelvo
