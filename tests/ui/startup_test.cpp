// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// What start-up keeps off the path to the first picture: the work queued
// behind the first paint, the S-Plot windows and the held toolbox.
#include "main_window_fixture.h"
#include "ui/startup.h"

#include <QMdiSubWindow>
#include <QTest>
#include <QWidget>

namespace zelvo::testing {
namespace {

TEST(AfterFirstPaint, RunsOnceTheWindowIsPaintedAndNeverAgain)
{
    QWidget window;
    window.resize(200, 100);
    int runs = 0;
    afterFirstPaint(window, [&runs] { ++runs; }, 60000);
    QApplication::processEvents();
    EXPECT_EQ(runs, 0) << "ran before the window was shown";

    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }, 5000));
    window.repaint();
    window.hide();
    window.show();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);
}

TEST(AfterFirstPaint, AWindowThatIsNeverPaintedDoesNotHoldTheWorkBack)
{
    QWidget window;
    int runs = 0;
    afterFirstPaint(window, [&runs] { ++runs; }, 20);
    EXPECT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }, 5000));
    window.show();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);
}

using StartUpTest = MainWindowTest;

TEST_F(StartUpTest, SPlotWindowsAreBuiltWithTheirModeOnly)
{
    const auto frames = [this] { return window->findChildren<QMdiSubWindow*>().size(); };
    EXPECT_EQ(frames(), 2) << "only Schematic and Data Points in chart mode";
    window->repaintAll(); // must not need them
    window->run(Command::SPlotMode);
    EXPECT_EQ(frames(), 9);
    EXPECT_TRUE(window->sPlotFrame(SPlotWindow::GainGraph)->isVisible());
    window->run(Command::ChartMode);
    EXPECT_FALSE(window->sPlotFrame(SPlotWindow::GainGraph)->isVisible());
    EXPECT_EQ(frames(), 9);
}

TEST_F(StartUpTest, AHeldToolboxStaysHiddenUntilReleased)
{
    window->holdToolbox(true);
    EXPECT_FALSE(window->toolbox()->isVisible());
    window->showMinimized();
    window->showNormal(); // restoring shows the toolbox, but not while held
    window->resize(1200, 800);
    QApplication::processEvents();
    EXPECT_FALSE(window->toolbox()->isVisible());
    window->holdToolbox(false);
    EXPECT_TRUE(window->toolbox()->isVisible());
}

} // namespace
} // namespace zelvo::testing
