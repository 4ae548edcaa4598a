// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Placing elements with the real toolbox and chart window: guides, snapped
// pointer, live value, readouts, commit, cancel, undo and redo; picking,
// choosing and editing data points.
#include "core/chain.h"
#include "core/format.h"
#include "main_window_fixture.h"

#include <QTest>
#include "model/point_list.h"
#include "render/schematic_text.h"
#include "ui/point_list_window.h"
#include "ui/schematic_window.h"

#include <QMdiSubWindow>
#include <cmath>
#include <numbers>

namespace zelvo::testing {
namespace {

using ChartWindowTest = MainWindowTest;

constexpr double omega = 2 * std::numbers::pi * 1e9; // every point here is at 1 GHz

TEST_F(ChartWindowTest, GeometryFollowsTheLayout)
{
    EXPECT_EQ(chart()->geometry(), QRect(screenW - 848 - 5, -5, 848, 848));
    EXPECT_EQ(state.chartView.baseRadius, 414);
    EXPECT_EQ(state.chartView.centreX, 424);
    EXPECT_EQ(window->schematicFrame()->geometry(), QRect(5, 80, 400, 480));
    EXPECT_EQ(window->pointListFrame()->windowTitle(), QStringLiteral("Data Points"));
}

// One placement per kind from the toolbox: the pointer lands on the working
// point (plus the button's offset), the mouse is led to the chart centre
// (50 ohm), the value follows, the click fixes the element.
struct KindCase {
    const char* button;
    ElementKind kind;
    Complex begin;
    double value;
    double tolerance;
    int offset;
};

class PlaceEachKind : public MainWindowTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(PlaceEachKind, FromTheToolboxToTheCentre)
{
    const KindCase k = GetParam();
    addPoint(k.begin.re, k.begin.im);
    ModalScript modals; // the series line is 100 ohm, the stubs 50 ohm
    if (k.kind == ElementKind::LS)
        modals.then([](QDialog& d) {
            typeInto(d, "impedance", QStringLiteral("100"));
            clickOk(d);
        });
    else if (isLine(k.kind))
        modals.then(clickOk);
    if (k.kind == ElementKind::LPS)
        modals.then([](QDialog& d) { clickButton(d, "shorted"); });
    if (k.kind == ElementKind::LPO)
        modals.then([](QDialog& d) { clickButton(d, "open"); });
    toolButton(k.button);
    ASSERT_TRUE(modals.done());
    ASSERT_TRUE(state.placement.placing);
    EXPECT_EQ(state.placement.placingKind, k.kind);

    const PlacementHandoff& h = state.placement;
    const Point begin{h.workingPixel[0], h.workingPixel[1]};
    ASSERT_FALSE(recorder.cursorMoves.empty());
    EXPECT_EQ(recorder.cursorMoves.back(), global(begin) + QPoint(k.offset, k.offset));
    EXPECT_EQ(chart()->track().last, begin);

    move({0, 0});
    ASSERT_EQ(chart()->track().last, (Point{0, 0}));
    EXPECT_EQ(recorder.cursorMoves.back(), global({0, 0})); // the pointer rides on the guide
    const double value = design().elements[0].value;
    EXPECT_NEAR(value, k.value, k.tolerance);
    ASSERT_TRUE(h.liveValue); // the schematic's pending row shows it
    EXPECT_EQ(*h.liveValue, value);
    EXPECT_EQ(readout(Readout::Vswr), QStringLiteral("1.0 : 1"));
    EXPECT_EQ(readout(Readout::RL), QStringLiteral("120.0 dB"));

    press({0, 0});
    EXPECT_FALSE(state.placement.placing);
    ASSERT_EQ(design().elementCount, 1);
    const Element& e = design().elements[0];
    EXPECT_EQ(e.kind, k.kind);
    EXPECT_DOUBLE_EQ(e.rBegin, k.begin.re);
    EXPECT_DOUBLE_EQ(e.xBegin, k.begin.im);
    EXPECT_NEAR(e.rEnd, 50, 1e-3);
    EXPECT_NEAR(e.xEnd, 0, 1e-3);
    EXPECT_EQ(design().history[static_cast<std::size_t>(design().historyCount - 1)],
              HistoryEntry::Element);
    EXPECT_TRUE(design().modified);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PlaceEachKind,
    ::testing::Values(KindCase{"seriesC", ElementKind::CS, {50, 50}, 1 / (omega * 50), 1e-16, 3},
                      KindCase{"seriesL", ElementKind::IS, {50, -50}, 50 / omega, 1e-13, 5},
                      KindCase{"seriesR", ElementKind::RS, {25, 0}, 25, 1e-9, 3},
                      // A quarter wave of 100 ohm turns 200 ohm into 50 ohm.
                      KindCase{"seriesLine", ElementKind::LS, {200, 0}, 0.25, 2e-3, 0},
                      KindCase{"shuntC", ElementKind::CP, {25, 25}, 0.02 / omega, 1e-16, 3},
                      KindCase{"shuntL", ElementKind::IP, {25, -25}, 1 / (omega * 0.02), 1e-13, 3},
                      KindCase{"shuntR", ElementKind::RP, {100, 0}, 100, 1e-7, 3},
                      KindCase{"shuntLine", ElementKind::LPS, {25, 25}, 0.375, 2e-3, 0},
                      KindCase{"shuntLine", ElementKind::LPO, {25, 25}, 0.125, 2e-3, 0},
                      KindCase{"transformer", ElementKind::TR, {100, 0}, 0.70710677, 1e-6, 0}));

// With losses set for new inductors, the toolbox's L follows its real path:
// the mouse led to the centre stops where Q 10 has added R = X / 10.
TEST_F(ChartWindowTest, LossyInductorFollowsItsPathFromTheToolbox)
{
    state.settings.partLosses.inductor = {.q = 10};
    addPoint(50, -50);
    toolButton("seriesL");
    ASSERT_TRUE(state.placement.placing);
    const PlacementHandoff& h = state.placement;
    ASSERT_FALSE(h.guidePath.empty());
    EXPECT_FALSE(h.guideArc || h.guideLine);
    EXPECT_EQ(design().elements[0].loss, (PartLoss{.q = 10, .qFrequency = 1e9}));

    move({0, 0});
    const Point reached = chart()->track().last;
    EXPECT_NE(reached, (Point{0, 0})); // the path passes beside the centre
    EXPECT_EQ(recorder.cursorMoves.back(), global(reached));
    ASSERT_TRUE(h.liveValue);
    press(reached);
    EXPECT_FALSE(state.placement.placing);
    ASSERT_EQ(design().elementCount, 1);
    const Element& e = design().elements[0];
    EXPECT_EQ(e.loss, (PartLoss{.q = 10, .qFrequency = 1e9}));
    const Complex end = transformElement(e, {50, -50}, 1e9, 1e9);
    EXPECT_EQ(e.rEnd, end.re);
    EXPECT_EQ(e.xEnd, end.im);
    EXPECT_NEAR(e.rEnd, 50 + (e.xEnd + 50) / 10, 1e-9);
    EXPECT_NEAR(e.rEnd, 55, 0.5);
    EXPECT_NEAR(e.xEnd, 0, 3.0);
    EXPECT_EQ(pointListLines(design()).back().note, "Q 10 @ 1 GHz");
}

TEST_F(ChartWindowTest, SeriesCapacitorReadoutsAndLiveTextOnTheWay)
{
    addPoint(50, 50);
    toolButton("seriesC");
    // Half way down the circle about (207, 0): 126.9 degrees is the begin,
    // 200 degrees lies in the lower half.
    const double a = 200.0 * std::numbers::pi / 180.0;
    move({toInt(207 + 207 * std::cos(a)), toInt(207 * std::sin(a))});
    const Point p = chart()->track().last;
    EXPECT_LT(p.y, 0);
    // R is kept exactly: the readout shows 50.00 whatever the pixel says.
    EXPECT_TRUE(readout(Readout::Z).startsWith(QStringLiteral("50.00 - j")));
    const double value = design().elements[0].value;
    const Complex z = impedanceAtPixel(p.x, p.y, 414, 1.0f, 50.0f);
    EXPECT_NEAR(value, -1 / (omega * (z.im - 50)), 1e-6 * value);
    // The text of the pending row, as the schematic writes it.
    const auto pieces = pendingValuePieces(
        ElementKind::CS, *state.placement.liveValue, 1e9,
        [](std::string_view s) { return int(s.size()) * 6; }, 16);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].text, formatSi(value, 1) + "F      ");
    EXPECT_TRUE(window->schematic()->placement().placing);
}

TEST_F(ChartWindowTest, RefusedPositionsPutThePointerBack)
{
    addPoint(50, 50);
    toolButton("seriesC");
    const Point begin = chart()->track().last;
    // Towards (1, 0) from above raises X: not a capacitor's way.
    move({380, 60});
    EXPECT_EQ(recorder.cursorMoves.back(), global(begin));
    EXPECT_EQ(chart()->track().last, begin);
    press({380, 60}); // nothing accepted yet: no element
    EXPECT_EQ(design().elementCount, 0);
    EXPECT_TRUE(state.placement.placing);
}

TEST_F(ChartWindowTest, ValueOutsideTheCommitWindowIsNotFixed)
{
    addPoint(50, 50, 1.0); // at 1 Hz every step is a capacitor of 100 uF or more
    toolButton("seriesC");
    move({0, 0});
    EXPECT_GE(design().elements[0].value, 1e-4);
    EXPECT_FALSE(state.placement.liveValue); // not shown
    press({0, 0});
    EXPECT_EQ(design().elementCount, 0);
    EXPECT_TRUE(state.placement.placing);
}

TEST_F(ChartWindowTest, RightClickCancelsAndRestoresTheSlot)
{
    addPoint(50, -50);
    design().elements[0].value = 7e-9; // an undone element waiting for Redo
    toolButton("seriesL");
    move({0, 0});
    EXPECT_NE(design().elements[0].value, 7e-9);
    press({0, 0}, Qt::RightButton);
    EXPECT_FALSE(state.placement.placing);
    EXPECT_EQ(design().elementCount, 0);
    EXPECT_EQ(design().elements[0].value, 7e-9);
    EXPECT_EQ(design().dataPointCount, 1); // the cancel is no undo
}

TEST_F(ChartWindowTest, EscCancelsAPlacementFromTheToolboxOrTheMainWindowAndNothingElse)
{
    addPoint(50, -50);
    design().elements[0].value = 7e-9;
    toolButton("seriesL");
    move({0, 0});
    QTest::keyClick(window->toolbox(), Qt::Key_Escape);
    EXPECT_FALSE(state.placement.placing);
    EXPECT_EQ(design().elements[0].value, 7e-9);
    EXPECT_TRUE(window->toolbox()->isVisible()); // Esc never closes the toolbox

    toolButton("seriesL");
    ASSERT_TRUE(state.placement.placing);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(state.placement.placing);
    // Without a placement Esc is no undo.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window->toolbox(), Qt::Key_Escape);
    EXPECT_EQ(design().dataPointCount, 1);
    EXPECT_EQ(recorder.beeps, 0);
}

TEST_F(ChartWindowTest, UndoAndRedoFromEveryWindow)
{
    addPoint(50, 50);
    toolButton("seriesC");
    move({0, 0});
    press({0, 0});
    ASSERT_EQ(design().elementCount, 1);

    pressOn(window->clientArea(), Qt::RightButton);
    EXPECT_EQ(design().elementCount, 0);
    pressOn(window->toolbox(), Qt::MiddleButton);
    EXPECT_EQ(design().elementCount, 1);
    pressOn(window->pointList()->viewport(), Qt::RightButton);
    EXPECT_EQ(design().elementCount, 0);
    pressOn(window->schematic()->viewport(), Qt::MiddleButton);
    EXPECT_EQ(design().elementCount, 1);
    window->menu().action(Command::Undo)->trigger(); // Del
    EXPECT_EQ(design().elementCount, 0);
    window->menu().action(Command::Redo)->trigger(); // Ins
    EXPECT_EQ(design().elementCount, 1);
    press({10, 10}, Qt::MiddleButton); // nothing more to redo: only the beep
    EXPECT_EQ(design().elementCount, 1);
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_TRUE(recorder.messages.empty());

    // Undo everything, then once more: the beep, nothing else.
    press({10, 10}, Qt::RightButton);
    press({10, 10}, Qt::RightButton);
    EXPECT_EQ(design().dataPointCount, 0);
    press({10, 10}, Qt::RightButton);
    EXPECT_EQ(recorder.beeps, 2);
    state.settings.messageBeep = false;
    press({10, 10}, Qt::RightButton);
    EXPECT_EQ(recorder.beeps, 2);
}

TEST_F(ChartWindowTest, PickingADataPointWithTheMouse)
{
    ModalScript modals;
    modals.then([](QDialog& d) { clickButton(d, "mouse"); });
    toolButton("dataPoint");
    EXPECT_TRUE(state.pickDataPoint);
    EXPECT_TRUE(state.pickCursor);
    modals.then([](QDialog& d) {
        typeInto(d, "frequency", QStringLiteral("1.5"));
        clickOk(d);
    });
    press({0, 100});
    EXPECT_TRUE(modals.done());
    ASSERT_EQ(design().dataPointCount, 1);
    const DataPoint& p = design().dataPoints[0];
    const Complex z = impedanceAtPixel(0, 100, 414, 1.0f, 50.0f);
    EXPECT_DOUBLE_EQ(p.r, z.re);
    EXPECT_DOUBLE_EQ(p.x, z.im);
    EXPECT_DOUBLE_EQ(p.f, 1.5e6); // "1.5" in the default MHz
    EXPECT_EQ(design().startPoint, 1);
    EXPECT_FALSE(state.pickDataPoint);
    EXPECT_FALSE(state.pickCursor);
    EXPECT_EQ(pointListLines(design()).size(), 1u);
}

TEST_F(ChartWindowTest, CancelledFrequencyWithdrawsThePickedPoint)
{
    state.pickDataPoint = state.pickCursor = true;
    ModalScript modals;
    modals.then([](QDialog& d) { d.reject(); });
    press({0, 100});
    EXPECT_EQ(design().dataPointCount, 0);
    EXPECT_EQ(design().historyCount, 0);
    EXPECT_FALSE(state.pickDataPoint);
    // Outside the chart a pick does nothing and picking goes on.
    state.pickDataPoint = true;
    press({500, 0});
    EXPECT_TRUE(state.pickDataPoint);
    press({0, 0}, Qt::RightButton); // the right button ends picking
    EXPECT_FALSE(state.pickDataPoint);
}

TEST_F(ChartWindowTest, ChoosingTheStartPoint)
{
    addPoint(50, 0);
    press({300, 0}); // one point: the click does nothing
    EXPECT_EQ(design().startPoint, 1);
    addPoint(150, 0); // Gamma = 0.5
    design().modified = false;
    press({200, 5});
    EXPECT_EQ(design().startPoint, 2);
    EXPECT_EQ(design().currentPoint, (Complex{150, 0}));
    EXPECT_TRUE(design().modified); // the start point is saved with the design
    press({-5, 0});
    EXPECT_EQ(design().startPoint, 1);
}

TEST_F(ChartWindowTest, DoubleClickEditsAPointWithinThreeOhm)
{
    addPoint(50, 0);
    // Near the centre one pixel is about 0.24 ohm: 12 pixels are 2.9 ohm.
    const auto distance = [](int px) {
        const Complex z = impedanceAtPixel(px, 0, 414, 1.0f, 50.0f);
        return std::hypot(z.re - 50, z.im);
    };
    ASSERT_LT(distance(12), 3.0);
    ASSERT_GT(distance(17), 4.0);
    ModalScript modals;
    doubleClick({17, 0});
    EXPECT_TRUE(modals.seen().empty());
    doubleClick({12, 0});
    ASSERT_EQ(modals.seen().size(), 1u);
    EXPECT_EQ(modals.seen()[0], QStringLiteral("Edit Datapoint Nr. 1"));
}

TEST_F(ChartWindowTest, EditingTheStartPointMovesTheChain)
{
    addPoint(50, 50);
    toolButton("seriesC");
    move({0, 0});
    press({0, 0});
    ModalScript modals;
    modals.then([](QDialog& d) {
        typeInto(d, "second", QStringLiteral("100"));
        clickOk(d);
    });
    doubleClick({80 * 414 / 400, 160 * 414 / 400}); // 50 + j50
    EXPECT_TRUE(modals.done());
    const Element& e = design().elements[0];
    EXPECT_DOUBLE_EQ(e.xBegin, 100);
    // The capacitor's reactance is kept: the chain ends 50 ohm further up.
    EXPECT_NEAR(e.xEnd, 50, 1e-3);
}

TEST_F(ChartWindowTest, SchematicDoubleClickEditsTheElement)
{
    addPoint(50, 50);
    toolButton("seriesC");
    move({0, 0});
    press({0, 0});
    ModalScript modals;
    // Row 0 is the first element: y = (row + 1) * 40 + 10 .. from the top.
    sendMouse(window->schematic()->viewport(), QEvent::MouseButtonDblClick, QPoint(100, 60),
              Qt::LeftButton);
    ASSERT_EQ(modals.seen().size(), 1u);
    EXPECT_EQ(modals.seen()[0], QStringLiteral("Edit Element value"));
    // The top tile's row opens nothing.
    sendMouse(window->schematic()->viewport(), QEvent::MouseButtonDblClick, QPoint(100, 20),
              Qt::LeftButton);
    EXPECT_EQ(modals.seen().size(), 1u);
}

TEST_F(ChartWindowTest, ReadoutFollowsTheMouseAndStaysOutside)
{
    move({0, 0});
    EXPECT_EQ(readout(Readout::Z), QStringLiteral("50.00 - j0.00"));
    EXPECT_EQ(readout(Readout::Zo), QStringLiteral("50.0 Ohm"));
    move({500, 500});
    EXPECT_EQ(readout(Readout::Z), QStringLiteral("50.00 - j0.00"));
}

TEST_F(ChartWindowTest, RlcButtonsAddTheirGroupAtOnce)
{
    addPoint(50, 0);
    ModalScript modals;
    modals.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("RLC Shunt"));
        typeInto(d, "r", QStringLiteral("10"));
        typeInto(d, "l", QStringLiteral("5"));
        typeInto(d, "c", QStringLiteral("2"));
        clickOk(d);
    });
    toolButton("seriesRlc");
    EXPECT_TRUE(modals.done());
    EXPECT_FALSE(state.placement.placing);
    ASSERT_EQ(design().elementCount, 1);
    EXPECT_EQ(design().elements[0].kind, ElementKind::RlcParallel);
}

} // namespace
} // namespace zelvo::testing
