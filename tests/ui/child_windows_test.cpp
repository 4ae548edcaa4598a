// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The schematic and data point windows' scrolling, the toolbox with the main
// window minimised, and the toolbox's choices of S11 / S22 data.
#include "main_window_fixture.h"
#include "model/design_rules.h"
#include "model/point_list.h"
#include "render/recording_canvas.h"
#include "ui/point_list_view.h"
#include "ui/point_list_window.h"
#include "ui/schematic_window.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <numeric>

namespace zelvo::testing {
namespace {

using ChildWindowsTest = MainWindowTest;

void addElements(Design& d, int n)
{
    for (int i = 0; i < n; ++i) {
        Element e;
        e.kind = ElementKind::IS;
        e.value = 1e-10;
        appendElement(d, e);
    }
}

TEST_F(ChildWindowsTest, SchematicScrollsToThePendingRowWhilePlacing)
{
    addPoint(20, -30);
    addElements(design(), 20);
    window->repaintAll();
    SchematicWindow* s = window->schematic();
    const int viewHeight = s->view().viewHeight;
    ASSERT_GT(viewHeight, 0);
    const int max = 22 * 40 - viewHeight; // (elements + 2) rows
    EXPECT_EQ(s->verticalScrollBar()->maximum(), max);
    EXPECT_EQ(s->view().scrollOffset, 0);

    // Thumb dragged beyond the end: clamped to the range.
    s->verticalScrollBar()->setValue(max + 500);
    EXPECT_EQ(s->view().scrollOffset, max);
    s->verticalScrollBar()->setValue(0);

    toolButton("seriesL");
    ASSERT_TRUE(state.placement.placing);
    // The pending row and the bottom tile: (elements + 3) rows.
    EXPECT_EQ(s->view().scrollOffset, 23 * 40 - viewHeight);

    // Undone elements bring an offset beyond the new end back down.
    press({0, 0}, Qt::RightButton); // cancels the placement
    s->verticalScrollBar()->setValue(max);
    for (int i = 0; i < 15; ++i)
        press({0, 0}, Qt::RightButton);
    EXPECT_EQ(design().elementCount, 5);
    EXPECT_EQ(s->view().scrollOffset, std::max(0, 7 * 40 - viewHeight));
}

TEST_F(ChildWindowsTest, PointListScrollsOverItsLines)
{
    for (int i = 0; i < 40; ++i)
        addPoint(10 + i, 5);
    PointListWindow* list = window->pointList();
    list->viewport()->repaint();
    const PointListScroll& s = list->scroll();
    EXPECT_EQ(s.lineCount, 41);
    const int visible = s.height / s.lineHeight;
    EXPECT_EQ(list->verticalScrollBar()->maximum(), 41 - visible);
    list->verticalScrollBar()->setValue(7);
    EXPECT_EQ(list->scroll().firstLine, 7);
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 200 - s.width / s.columnUnit);
    // Back to a short list: the first line returns to the top.
    for (int i = 0; i < 39; ++i)
        undoLast(design());
    list->viewport()->repaint();
    EXPECT_EQ(list->scroll().firstLine, 0);
}

TEST_F(ChildWindowsTest, APointListScrolledToItsEndStaysOnItsLinesWhenItShrinks)
{
    for (int i = 0; i < 150; ++i)
        addPoint(10 + i, 5);
    PointListWindow* list = window->pointList();
    list->viewport()->repaint();
    QScrollBar* bar = list->verticalScrollBar();
    const int visible = list->scroll().height / list->scroll().lineHeight;
    ASSERT_EQ(bar->maximum(), 151 - visible);
    bar->setValue(bar->maximum());
    ASSERT_EQ(list->scroll().firstLine, 151 - visible);

    // Sixty points are left, still more than the window shows: it ends at
    // their last line instead of showing nothing below it.
    for (int i = 0; i < 90; ++i)
        undoLast(design());
    list->viewport()->repaint();
    EXPECT_EQ(list->scroll().lineCount, 61);
    EXPECT_EQ(list->scroll().firstLine, 61 - visible);
    EXPECT_EQ(bar->value(), list->scroll().firstLine);
    const QImage shown = list->viewport()->grab().toImage();
    int ink = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ink += qGray(shown.pixel(x, y)) < 128;
    EXPECT_GT(ink, 100);
}

TEST_F(ChildWindowsTest, AScrolledLongListDrawsEveryLineInView)
{
    for (int i = 0; i < 120; ++i)
        addPoint(10 + i, 5);
    const std::vector<PointListLine> all = pointListLines(design());
    constexpr int lineHeight = 10, firstLine = 50, shown = 12;
    RecordingCanvas canvas;
    renderDataPointList(canvas, design(), 0, firstLine, 8, lineHeight, windowListColumns, shown);
    // Only a screenful is formatted, but every line from the top of the view
    // to its bottom is there, with the text of the whole list.
    std::vector<int> drawn;
    for (const DrawCall& c : canvas.ofKind(DrawOp::Text)) {
        if (c.v[1] < 0 || c.v[1] >= shown * lineHeight || c.v[0] != 8)
            continue;
        const int k = c.v[1] / lineHeight + firstLine;
        drawn.push_back(k);
        EXPECT_EQ(c.text, all[static_cast<std::size_t>(k - 1)].label);
    }
    std::vector<int> expected(shown);
    std::iota(expected.begin(), expected.end(), firstLine);
    EXPECT_EQ(drawn, expected);
    EXPECT_LT(canvas.ofKind(DrawOp::Text).size(), 4u * (shown + 4));
}

TEST_F(ChildWindowsTest, MinimisingHidesTheToolbox)
{
    ASSERT_TRUE(window->toolbox()->isVisible());
    window->showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(window->toolbox()->isVisible());
    window->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(window->toolbox()->isVisible());
}

TEST_F(ChildWindowsTest, SParameterChoicesNeedLoadedData)
{
    ModalScript modals;
    modals.then([](QDialog& d) { clickButton(d, "s11"); });
    window->toolbox()->pressDataPoint();
    EXPECT_EQ(lastText(), QStringLiteral("Open a file in S-Plot mode first."));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Error);
    EXPECT_EQ(design().dataPointCount, 0);
}

TEST_F(ChildWindowsTest, KeyboardChoiceOpensTheDataPointInput)
{
    ModalScript modals;
    modals.then([](QDialog& d) { clickButton(d, "keyboard"); });
    modals.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Data Point"));
        typeInto(d, "first", QStringLiteral("25"));
        typeInto(d, "second", QStringLiteral("-10"));
        clickOk(d);
    });
    window->toolbox()->pressDataPoint();
    EXPECT_TRUE(modals.done());
    ASSERT_EQ(design().dataPointCount, 1);
    EXPECT_EQ(design().dataPoints[0].r, 25.0);
    EXPECT_EQ(design().dataPoints[0].x, -10.0);
    EXPECT_EQ(design().startPoint, 1);
}

} // namespace
} // namespace zelvo::testing

namespace zelvo::testing {
namespace {

TEST_F(ChildWindowsTest, SPlotWindowsFollowTheClientSizeAndStay)
{
    window->run(Command::SPlotMode);
    window->resize(1200, 800);
    QApplication::processEvents();
    const QSize client = window->clientArea()->size();
    EXPECT_EQ(
        window->sPlotFrame(SPlotWindow::S22)->geometry(),
        QRect(client.width() / 3, client.height() / 2, client.width() / 3, client.height() / 2));
    EXPECT_EQ(window->sPlotFrame(SPlotWindow::GainGraph)->geometry().top(),
              (client.height() / 3) * 2);
    // No close box, and a close request (Ctrl+F4) leaves the window in place.
    EXPECT_FALSE(window->sPlotFrame(SPlotWindow::S11)->close());
    EXPECT_FALSE(window->schematicFrame()->close());
    EXPECT_TRUE(window->sPlotFrame(SPlotWindow::S11)->isVisible());
}

} // namespace
} // namespace zelvo::testing
