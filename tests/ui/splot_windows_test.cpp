// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The S-Plot windows through the real main window with long files: scrolled
// text windows after a shorter file, and readouts that name the point under
// the pointer when the windows keep what they worked out.
#include "main_window_fixture.h"

#include "render/gain_graph.h"
#include "render/splot_plots.h"
#include "render/splot_readout.h"
#include "ui/splot_windows.h"

#include <QFile>
#include <QImage>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace zelvo::testing {
namespace {

// A file of `points` points: S21 turning once around as the frequency rises,
// its size set by `gain`, the stability factor crossing 1 along the way.
QString writeFile(const QTemporaryDir& dir, const char* name, int points, double gain)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("! written by the test\r\n# GHz S MA R 50\r\n");
    char line[200];
    for (int i = 0; i < points; ++i) {
        const double t = static_cast<double>(i) / points;
        std::snprintf(line, sizeof line, "%.6f %.4f %.2f %.4f %.2f %.4f %.2f %.4f %.2f\r\n",
                      0.1 + 10.0 * t, 0.7 - 0.3 * t, -30.0 - 300.0 * t, gain * (1.0 - 0.5 * t),
                      170.0 - 340.0 * t, 0.02 + 0.1 * t, 60.0 - 90.0 * t, 0.5, -20.0 - 100.0 * t);
        f.write(line);
    }
    return path;
}

struct SPlotWindowsTest : MainWindowTest {
    QTemporaryDir dir;

    void open(const QString& path)
    {
        if (state.mode != AppMode::SPlot)
            window->run(Command::SPlotMode);
        recorder.fileNames.push_back(path);
        window->run(Command::Open);
        ASSERT_TRUE(state.sparams.loaded);
        for (QMdiSubWindow* f :
             {window->sPlotFrame(SPlotWindow::Text), window->sPlotFrame(SPlotWindow::GainTable)})
            static_cast<TextListView*>(f->widget())->viewport()->repaint();
    }
    TextListView* textWindow(SPlotWindow w)
    {
        return static_cast<TextListView*>(window->sPlotFrame(w)->widget());
    }
};

// Dark pixels in the window's viewport: something is drawn there.
int inkOf(TextListView* v)
{
    const QImage image = v->viewport()->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

TEST_F(SPlotWindowsTest, AShorterFileBringsScrolledTextWindowsBackIntoRange)
{
    open(writeFile(dir, "long.s2p", 3000, 4.0));
    for (const SPlotWindow w : {SPlotWindow::Text, SPlotWindow::GainTable}) {
        TextListView* v = textWindow(w);
        QScrollBar* bar = v->verticalScrollBar();
        ASSERT_GT(bar->maximum(), 2900);
        bar->setValue(bar->maximum());
        v->horizontalScrollBar()->setValue(v->horizontalScrollBar()->maximum());
        v->viewport()->repaint();
        ASSERT_EQ(v->view().firstLine, bar->maximum());
    }

    // Still longer than the windows: they end at its last lines.
    open(writeFile(dir, "medium.s2p", 100, 3.0));
    for (const SPlotWindow w : {SPlotWindow::Text, SPlotWindow::GainTable}) {
        TextListView* v = textWindow(w);
        const TextViewState& s = v->view();
        const int rows = w == SPlotWindow::Text ? 102 : 103;
        const int visible = s.height / s.lineHeight;
        EXPECT_EQ(v->verticalScrollBar()->maximum(), rows - visible);
        EXPECT_EQ(s.firstLine, rows - visible) << static_cast<int>(w);
        EXPECT_EQ(v->verticalScrollBar()->value(), s.firstLine);
        EXPECT_LE(s.firstColumn, v->horizontalScrollBar()->maximum());
        EXPECT_GT(inkOf(v), 100) << static_cast<int>(w);
    }

    // Short enough to show whole: from the top, and a line up changes nothing.
    open(writeFile(dir, "short.s2p", 3, 2.0));
    for (const SPlotWindow w : {SPlotWindow::Text, SPlotWindow::GainTable}) {
        TextListView* v = textWindow(w);
        EXPECT_EQ(v->view().firstLine, 0);
        EXPECT_EQ(v->view().firstColumn, 0);
        EXPECT_GT(inkOf(v), 100) << static_cast<int>(w);
        v->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        v->viewport()->repaint();
        EXPECT_EQ(v->view().firstLine, 0);
    }
}

TEST_F(SPlotWindowsTest, ReadoutsNameThePointDrawnUnderThePointerInALongFile)
{
    // More points than are drawn one by one, then another file of as many.
    for (const double gain : {4.0, 2.5}) {
        open(writeFile(dir, gain > 3 ? "a.s2p" : "b.s2p", reduceTracesAbove + 1000, gain));
        auto* plot = static_cast<PlotView*>(window->sPlotFrame(SPlotWindow::S21)->widget());
        plot->repaint();
        const auto positions =
            plotPointPositions(state.sparams, TraceCode::S21, plot->width(), plot->height());
        int checked = 0;
        for (const int i : {0, 1234, 4321, reduceTracesAbove + 999}) {
            ASSERT_TRUE(positions[static_cast<std::size_t>(i)]);
            const Point p = *positions[static_cast<std::size_t>(i)];
            const QPoint at(p.x + plot->width() / 2, plot->height() / 2 - p.y);
            const std::optional<int> under = plot->pointAt(at);
            ASSERT_TRUE(under);
            EXPECT_EQ(under, nearestPosition(positions, p));
            sendMouse(plot, QEvent::MouseMove, at, Qt::NoButton);
            EXPECT_EQ(plot->hover().text().toStdString(),
                      traceReadoutText(state.sparams, TraceCode::S21, *under));
            ++checked;
        }
        EXPECT_EQ(checked, 4);

        auto* graph =
            static_cast<GainGraphView*>(window->sPlotFrame(SPlotWindow::GainGraph)->widget());
        graph->viewport()->repaint();
        const auto gains =
            gainPointPositions(state.sparams, {}, QFontMetrics(graph->font()).height(),
                               graph->viewport()->width(), graph->viewport()->height());
        const auto drawn = gains[2000];
        ASSERT_TRUE(drawn);
        const QPoint at(drawn->at.x, drawn->at.y);
        std::vector<std::optional<Point>> points;
        for (const auto& g : gains)
            points.push_back(g ? std::optional<Point>(g->at) : std::nullopt);
        EXPECT_EQ(graph->pointAt(at), nearestPosition(points, drawn->at));
    }
}

} // namespace
} // namespace zelvo::testing
