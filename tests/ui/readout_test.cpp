// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The readout texts and the layout of the main window's children.
#include "ui/main_layout.h"
#include "ui/readout.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(Readout, ChartCentreIsAPerfectMatch)
{
    const std::optional<ReadoutTexts> t = readoutAt(0, 0, 400, 1.0f, 50.0f);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->z, QStringLiteral("50.00 - j0.00")); // never "- j-0.00"
    EXPECT_EQ(t->y, QStringLiteral("0.0200 - j0.0000"));
    EXPECT_EQ(t->r, QStringLiteral("0.00 / 0.00\u00B0"));
    EXPECT_EQ(t->q, QStringLiteral("0.00"));
    EXPECT_EQ(t->vswr, QStringLiteral("1.0 : 1"));
    EXPECT_EQ(t->rl, QStringLiteral("120.0 dB"));
}

TEST(Readout, HandWorkedPoint)
{
    // Gamma = (0.2, 0.4) is z = 1 + j1: 50 + j50 ohm, Y = 0.01 - j0.01 S,
    // |Gamma| = 0.4472 at 63.43 degrees, VSWR 2.618, RL 6.99 dB, Q 1.
    const std::optional<ReadoutTexts> t = readoutAt(80, 160, 400, 1.0f, 50.0f);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->z, QStringLiteral("50.00 + j50.00"));
    EXPECT_EQ(t->y, QStringLiteral("0.0100 - j0.0100"));
    EXPECT_EQ(t->r, QStringLiteral("0.45 / 63.43\u00B0"));
    EXPECT_EQ(t->q, QStringLiteral("1.00"));
    EXPECT_EQ(t->vswr, QStringLiteral("2.6 : 1"));
    EXPECT_EQ(t->rl, QStringLiteral("7.0 dB"));
    // Zoomed twice, the same Gamma lies twice as far out.
    EXPECT_EQ(readoutAt(160, 320, 400, 2.0f, 50.0f), t);
}

TEST(Readout, ExactQuantityOfAPlacementReplacesTheRoundedOne)
{
    using W = ExactReadout::Which;
    const std::optional<ReadoutTexts> t = readoutAt(80, 160, 400, 1.0f, 50.0f, {W::R, 47.5});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->z, QStringLiteral("47.50 + j50.00"));
    // A transformer on R = 0 shows the largest float as its Q.
    const std::optional<ReadoutTexts> q =
        readoutAt(0, 100, 400, 1.0f, 50.0f, {W::Q, 3.4028234663852886e38});
    ASSERT_TRUE(q);
    EXPECT_EQ(q->q, QStringLiteral("340282346638528859811704183484516925440.00"));
}

TEST(Readout, OutsideTheChartKeepsTheLastValues)
{
    EXPECT_FALSE(readoutAt(400, 0, 400, 1.0f, 50.0f)); // on the boundary: outside
    EXPECT_FALSE(readoutAt(300, 300, 400, 1.0f, 50.0f));
    EXPECT_TRUE(readoutAt(399, 0, 400, 1.0f, 50.0f));
}

TEST(Readout, ZoFieldForms)
{
    EXPECT_EQ(zoStartText(50.0f), QStringLiteral("50.0 Ohm"));
    EXPECT_EQ(zoText(50.0f), QStringLiteral("50.0 Ohm"));
    EXPECT_EQ(zoText(1500.0f), QStringLiteral("1.5 kOhm"));
}

TEST(MainLayout, ChartModeRowsFollowTheScreen)
{
    // 1600 x 960, readout font 10 pixels wide.
    const MainLayout l = mainLayout(1600, 960, 10, 1590, 900);
    EXPECT_EQ(l.chart, QRect(1600 - 848 - 5, -5, 848, 848)); // s = (960 / 9) * 8
    const auto at = [&](Readout r) { return static_cast<std::size_t>(r); };
    EXPECT_EQ(l.fields[at(Readout::Z)], QRect(1510, 910, 80, 30));
    EXPECT_EQ(l.boxes[at(Readout::Z)], QRect(1505, 890, 90, 50));
    EXPECT_EQ(l.fields[at(Readout::Y)], QRect(1420, 910, 80, 30));
    EXPECT_EQ(l.fields[at(Readout::R)], QRect(1330, 910, 80, 30));
    EXPECT_EQ(l.fields[at(Readout::Q)], QRect(1290, 910, 30, 30));
    EXPECT_EQ(l.boxes[at(Readout::Q)], QRect(1285, 890, 40, 50));
    EXPECT_EQ(l.fields[at(Readout::Vswr)], QRect(1230, 910, 50, 30));
    EXPECT_EQ(l.fields[at(Readout::RL)], QRect(1170, 910, 50, 30));
    EXPECT_EQ(l.fields[at(Readout::Zo)], QRect(20, 910, 70, 30));
    EXPECT_EQ(l.boxes[at(Readout::Zo)], QRect(15, 890, 80, 50));
    EXPECT_EQ(l.schematic, QRect(5, 80, 400, 480));
    EXPECT_EQ(l.pointList, QRect(5, 80 + 480 + 20, 400, 192));
}

TEST(MainLayout, SPlotWindowsFollowTheClientArea)
{
    const MainLayout l = mainLayout(1600, 960, 10, 1500, 900);
    const auto at = [&](SPlotWindow w) { return l.sPlot[static_cast<std::size_t>(w)]; };
    EXPECT_EQ(at(SPlotWindow::S11), QRect(0, 0, 500, 450));
    EXPECT_EQ(at(SPlotWindow::S12), QRect(500, 0, 500, 450));
    EXPECT_EQ(at(SPlotWindow::S21), QRect(0, 450, 500, 450));
    EXPECT_EQ(at(SPlotWindow::S22), QRect(500, 450, 500, 450));
    EXPECT_EQ(at(SPlotWindow::Text), QRect(1000, 0, 500, 300));
    EXPECT_EQ(at(SPlotWindow::GainTable), QRect(1000, 300, 500, 300));
    EXPECT_EQ(at(SPlotWindow::GainGraph), QRect(1000, 600, 500, 300));
    const std::array<QRect, 4> grid = plotGrid(1500, 900);
    EXPECT_EQ(grid[3], QRect(750, 450, 750, 450));
}

} // namespace
} // namespace zelvo
