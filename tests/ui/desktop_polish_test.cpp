// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Recent files, the unsaved-changes mark, tips and the status bar, zoom about
// the pointer with panning, high-density drawing and the S-Plot readouts,
// driven through the real main window.
#include "core/complex.h"
#include "core/numeric.h"
#include "main_window_fixture.h"
#include "model/design_file.h"
#include "model/recent_files.h"
#include "render/chart_geometry.h"
#include "ui/chart_paint.h"
#include "ui/recent_files.h"
#include "ui/splot_windows.h"
#include "ui/startup.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <cmath>
#include <complex>
#include <numbers>

namespace zelvo::testing {
namespace {

struct PolishTest : MainWindowTest {
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString savedDesign(const char* name)
    {
        auto d = std::make_unique<Design>();
        appendDataPoint(*d, {12.5, 30, 1e9});
        const QString p = path(name);
        EXPECT_EQ(writeDesignFile(*d, QFile::encodeName(p).toStdString()), designFileOk);
        return p;
    }
    QString touchstone(const char* name)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("# GHZ S MA R 50\r\n"
                "1.0 0.5 -30 2.0 80 0.05 40 0.4 -20\r\n"
                "2.0 0.4 -60 1.8 60 0.06 30 0.3 -40\r\n");
        return f.fileName();
    }
    std::vector<QAction*> shownRecent()
    {
        window->recentFiles().refresh();
        std::vector<QAction*> out;
        for (QAction* a : window->recentFiles().entries())
            if (a->isVisible())
                out.push_back(a);
        return out;
    }
};

TEST_F(PolishTest, RecentFilesListOpenedAndSavedFilesNewestFirst)
{
    const QString a = savedDesign("a.zvc");
    const QString b = savedDesign("b&c.zvc");
    window->openCommandLine(a);
    window->openCommandLine(b);
    window->openCommandLine(a);
    const auto shown = shownRecent();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0]->text(), QStringLiteral("&1 a.zvc"));
    EXPECT_EQ(shown[0]->statusTip(), a);
    EXPECT_EQ(shown[1]->text(), QStringLiteral("&2 b&&c.zvc")); // "&" is no mnemonic
    // They are the last items of the File menu.
    const QList<QAction*> file = window->menuBar()->actions().constFirst()->menu()->actions();
    EXPECT_EQ(file.at(file.size() - static_cast<qsizetype>(recentFilesLimit)),
              window->recentFiles().entries().front());
}

TEST_F(PolishTest, ChoosingAnEntryOpensItInItsMode)
{
    const QString designPath = savedDesign("d.zvc");
    const QString s2p = touchstone("amp.s2p");
    addRecentFile(state.recentFiles, QFile::encodeName(designPath).toStdString());
    addRecentFile(state.recentFiles, QFile::encodeName(s2p).toStdString());
    auto entries = shownRecent();
    ASSERT_EQ(entries.size(), 2u);
    entries[0]->trigger();
    EXPECT_EQ(state.mode, AppMode::SPlot);
    EXPECT_TRUE(state.sparams.loaded);
    EXPECT_EQ(state.sparams.pointCount, 2);
    entries = shownRecent();
    ASSERT_EQ(entries.size(), 2u);
    entries[1]->trigger(); // the design, from S-Plot mode
    EXPECT_EQ(state.mode, AppMode::Chart);
    EXPECT_EQ(design().dataPointCount, 1);
    EXPECT_EQ(shownRecent()[0]->statusTip(), designPath);
}

TEST_F(PolishTest, VanishedFileIsReportedAndRemoved)
{
    const QString gone = path("gone.zvc");
    addRecentFile(state.recentFiles, QFile::encodeName(gone).toStdString());
    addRecentFile(state.recentFiles, QFile::encodeName(savedDesign("kept.zvc")).toStdString());
    ASSERT_EQ(shownRecent().size(), 2u);
    shownRecent()[1]->trigger();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_TRUE(lastText().contains(gone));
    EXPECT_TRUE(lastText().contains(QStringLiteral("no longer exists")));
    const auto left = shownRecent();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(left[0]->statusTip().endsWith(QStringLiteral("kept.zvc")));
    EXPECT_EQ(design().dataPointCount, 0); // nothing was opened
}

TEST_F(PolishTest, RecentFilesSurviveARestart)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    readStartupSettings(state);
    const QString a = savedDesign("a.zvc");
    window->openCommandLine(a);
    window->openCommandLine(touchstone("t.s2p"));
    window->close(); // writes the settings
    AppState next;
    readStartupSettings(next);
    qunsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(next.recentFiles.size(), 2u);
    EXPECT_EQ(next.recentFiles[1], QFile::encodeName(a).toStdString());
}

TEST_F(PolishTest, TitleCarriesTheModifiedMark)
{
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart <unnamed>"));
    addPoint(50, 50);
    design().modified = true;
    window->repaintAll();
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart <unnamed>*"));
    recorder.fileNames.push_back(path("saved.zvc"));
    window->run(Command::Save);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart ") + path("saved.zvc"));
    // Save on the named design, without the file dialog, clears the mark too.
    addPoint(20, 10);
    window->repaintAll();
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart ") + path("saved.zvc") + '*');
    window->run(Command::Save);
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart ") + path("saved.zvc"));
}

TEST_F(PolishTest, EveryButtonReadoutAndMenuItemHasATip)
{
    const auto buttons = window->toolbox()->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 13);
    for (const QPushButton* b : buttons) {
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(b->statusTip().isEmpty()) << b->objectName().toStdString();
    }
    for (Readout r :
         {Readout::Z, Readout::Y, Readout::R, Readout::Q, Readout::Vswr, Readout::Zo, Readout::RL})
        EXPECT_FALSE(window->readouts().field(r)->toolTip().isEmpty());
    int items = 0;
    for (const auto& [id, action] : window->menu().actions()) {
        EXPECT_FALSE(action->statusTip().isEmpty()) << action->text().toStdString();
        ++items;
    }
    EXPECT_GE(items, 50);
}

TEST_F(PolishTest, StatusBarShowsThePlacementAndItsValue)
{
    addPoint(50, 50);
    toolButton("seriesC");
    const QString start = window->statusBar()->currentMessage();
    EXPECT_TRUE(start.startsWith(QStringLiteral("Placing series capacitor")))
        << start.toStdString();
    move({0, 0});
    const QString live = window->statusBar()->currentMessage();
    EXPECT_TRUE(live.contains(QStringLiteral("pF"))) << live.toStdString(); // 3.2 pF at 1 GHz
    press({0, 0});
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
}

// The client pixel of Gamma, from the view's fields directly (not through the
// window's own mapping, which is what is under test).
QPoint pixelOf(const AppState& s, Complex g)
{
    const ChartView& v = s.chartView;
    const double rf = v.baseRadius * static_cast<double>(s.settings.zoom);
    return {toInt(std::round(v.centreX + v.panX + g.re * rf)),
            toInt(std::round(v.centreY + v.panY - g.im * rf))};
}

void zoomAndPan(ChartWindow* chart, AppState& s, int dx, int dy)
{
    chart->zoomAt(3.0f, QPoint(424, 424));
    chart->panBy(dx, dy);
    ASSERT_EQ(s.settings.zoom, 3.0f);
    ASSERT_EQ(s.chartView.panX, dx);
    ASSERT_EQ(s.chartView.panY, dy);
}

TEST_F(PolishTest, PickingAtZoomThreeWithPanGivesTheSameImpedance)
{
    // 25 + j40 ohm: Gamma (-0.0776, 0.5259) (independent: (z - 1) / (z + 1)).
    const std::complex<double> zn(0.5, 0.8);
    const std::complex<double> gc = (zn - 1.0) / (zn + 1.0);
    const Complex g{gc.real(), gc.imag()};
    std::vector<DataPoint> picked;
    for (bool zoomed : {false, true}) {
        if (zoomed)
            zoomAndPan(chart(), state, 100, 500);
        ModalScript modals;
        modals.then([](QDialog& d) { clickButton(d, "mouse"); });
        toolButton("dataPoint");
        modals.then(clickOk);
        const QPoint at = pixelOf(state, g);
        ASSERT_TRUE(chart()->rect().contains(at));
        sendMouse(chart(), QEvent::MouseButtonPress, at, Qt::LeftButton);
        sendMouse(chart(), QEvent::MouseButtonRelease, at, Qt::LeftButton);
        ASSERT_TRUE(modals.done());
        picked.push_back(
            design().dataPoints[static_cast<std::size_t>(design().dataPointCount - 1)]);
    }
    ASSERT_EQ(picked.size(), 2u);
    // A pixel at zoom 1 is 1/414 of Gamma: about 0.3 ohm here.
    EXPECT_NEAR(picked[0].r, 25.0, 0.4);
    EXPECT_NEAR(picked[0].x, 40.0, 0.4);
    EXPECT_NEAR(picked[1].r, 25.0, 0.15);
    EXPECT_NEAR(picked[1].x, 40.0, 0.15);
}

TEST_F(PolishTest, PlacementAtZoomThreeWithPanGivesTheSameValue)
{
    // A series capacitor from 50 + j50 down the r = 1 circle to 50 - j50:
    // C = 1 / (omega * 100).
    const double omega = 2 * std::numbers::pi * 1e9;
    const std::complex<double> zn(1.0, -1.0);
    const std::complex<double> gc = (zn - 1.0) / (zn + 1.0);
    std::vector<double> values;
    for (bool zoomed : {false, true}) {
        resetDesign(design());
        addPoint(50, 50);
        if (zoomed)
            zoomAndPan(chart(), state, -200, -400);
        toolButton("seriesC");
        ASSERT_TRUE(state.placement.placing);
        const QPoint at = pixelOf(state, {gc.real(), gc.imag()});
        ASSERT_TRUE(chart()->rect().contains(at));
        sendMouse(chart(), QEvent::MouseMove, at, Qt::NoButton);
        sendMouse(chart(), QEvent::MouseButtonPress, at, Qt::LeftButton);
        ASSERT_EQ(design().elementCount, 1);
        values.push_back(design().elements[0].value);
        EXPECT_NEAR(design().elements[0].xEnd, -50.0, zoomed ? 0.5 : 1.0);
    }
    EXPECT_NEAR(values[0], 1 / (omega * 100), 0.01 / (omega * 100));
    EXPECT_NEAR(values[1], 1 / (omega * 100), 0.005 / (omega * 100));
    // Zooming and panning are no design change and no history entry.
    EXPECT_EQ(design().historyCount, 2);
}

TEST_F(PolishTest, CtrlWheelZoomsAboutThePointerAndFitCentres)
{
    const QPoint at(600, 300);
    const std::optional<Complex> before =
        clientToGamma(state.chartView, state.settings.zoom, at.x(), at.y());
    ASSERT_TRUE(before);
    QWheelEvent e(QPointF(at), chart()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 240),
                  Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart(), &e);
    EXPECT_NEAR(state.settings.zoom, std::sqrt(2.0), 1e-6);
    const QPoint now = pixelOf(state, *before);
    EXPECT_LE(std::abs(now.x() - at.x()), 1);
    EXPECT_LE(std::abs(now.y() - at.y()), 1);
    EXPECT_FALSE(design().modified);
    EXPECT_EQ(design().historyCount, 0);
    auto* hbar = chart()->findChild<QScrollBar*>(QStringLiteral("chartHScroll"));
    ASSERT_NE(hbar, nullptr);
    EXPECT_TRUE(hbar->isVisible());
    EXPECT_EQ(hbar->value(), -state.chartView.panX);
    window->run(Command::ZoomFit);
    EXPECT_EQ(state.settings.zoom, 1.0f);
    EXPECT_EQ(state.chartView.panX, 0);
    EXPECT_EQ(state.chartView.panY, 0);
    EXPECT_FALSE(hbar->isVisible());
}

TEST_F(PolishTest, HighDensityChartImageHasEveryDevicePixel)
{
    const QImage one = chartBaseImage(state, 1.0, 15);
    const QImage two = chartBaseImage(state, 2.0, 15);
    EXPECT_EQ(two.size(), one.size() * 2);
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(one.size()));
    // The boundary circle's leftmost pixel on the middle row: 10 pixels in.
    const auto firstDark = [](const QImage& img, int row) {
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, row)) < 128)
                return x;
        return -1;
    };
    const int x1 = firstDark(one, one.height() / 2 - 3);
    const int x2 = firstDark(two, two.height() / 2 - 6);
    ASSERT_GT(x1, 0);
    EXPECT_NEAR(x2, 2 * x1, 2);
}

TEST_F(PolishTest, SPlotHoverShowsValuesAndClicksPinMarkers)
{
    window->openCommandLine(touchstone("amp.s2p"));
    ASSERT_TRUE(state.sparams.loaded);
    auto* s11 = dynamic_cast<PlotView*>(window->sPlotFrame(SPlotWindow::S11)->widget());
    ASSERT_NE(s11, nullptr);
    s11->resize(420, 420);
    // The first point, 0.5 at -30 degrees, drawn at radius 200.
    const double a = -30.0 * std::numbers::pi / 180.0;
    const QPoint at(210 + toInt(200 * 0.5 * std::cos(a)), 210 - toInt(200 * 0.5 * std::sin(a)));
    sendMouse(s11, QEvent::MouseMove, at + QPoint(3, 2), Qt::NoButton);
    const QString text = s11->hover().text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("f = 1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("GHz"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("|S11| = 0.500 / -30.0"))) << text.toStdString();
    sendMouse(s11, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton);
    EXPECT_FALSE(s11->hover().isVisible());
    sendMouse(s11, QEvent::MouseButtonPress, at, Qt::LeftButton);
    EXPECT_EQ(s11->pinned(), std::vector<int>{0});
    sendMouse(s11, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton); // off the trace
    EXPECT_EQ(s11->pinned().size(), 1u);
    sendMouse(s11, QEvent::MouseButtonPress, at, Qt::LeftButton);
    EXPECT_TRUE(s11->pinned().empty());
}

} // namespace
} // namespace zelvo::testing
