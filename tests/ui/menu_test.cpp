// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The menu: texts, mnemonics, accelerators, check marks and graying; the
// limits tested before any dialog opens; zoom, Zo, wideband and options.
#include "main_window_fixture.h"
#include "model/design_rules.h"

#include <QAction>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>

namespace zelvo::testing {
namespace {

using MenuTest = MainWindowTest;

TEST_F(MenuTest, EveryItemWithItsMnemonicAndAccelerator)
{
    const std::pair<Command, const char*> items[] = {
        {Command::New, "&New"},
        {Command::Open, "&Open..."},
        {Command::ImportOnePort, "&Import one-port data..."},
        {Command::Save, "&Save\tCtrl+S"},
        {Command::SaveAs, "Save &As..."},
        {Command::SaveNetlist, "Save Net&list"},
        {Command::SaveSpiceNetlist, "Save SPI&CE Netlist..."},
        {Command::PrinterSetup, "Printer s&etup..."},
        {Command::Print, "&Print..."},
        {Command::ExportPicture, "Expor&t Picture..."},
        {Command::ExportNetwork, "Export net&work as Touchstone..."},
        {Command::Exit, "E&xit"},
        {Command::Copy, "&Copy...\tCtrl+C"},
        {Command::Undo, "&Undo\tDel"},
        {Command::Redo, "&Redo\tIns"},
        {Command::ChartMode, "&Zelvo-Chart"},
        {Command::SPlotMode, "S-&Plot"},
        {Command::StabilityCircles, "&Stability circles..."},
        {Command::GainCircles, "constant &gain..."},
        {Command::NoiseCircles, "constant &noise figure..."},
        {Command::QCircles, "constant &Q..."},
        {Command::VswrCircles, "&VSWR..."},
        {Command::Wideband, "&Wideband\tCtrl+W"},
        {Command::ZChart, "&Z-Chart"},
        {Command::YChart, "&Y-Chart"},
        {Command::Labels, "&Labels\tCtrl+L"},
        {Command::ChartLabeling, "Ch&art Labeling"},
        {Command::MessageBeep, "&Message Beep"},
        {Command::ConnectDatapoints, "Connect &Datapoints"},
        {Command::Colors, "C&olors..."},
        {Command::ChangeZo, "&Change Zo..."},
        {Command::Settings, "Settings"},
        {Command::PartLosses, "&Part Losses..."},
        {Command::ZoomIn, "Zoom &in\tCtrl+I"},
        {Command::ZoomOut, "Zoom &out\tCtrl+O"},
        {Command::ZoomValue, "Zoom &value\tCtrl+V"},
        {Command::ExportH, "s- to &H-parameter - file"},
        {Command::ExportZ, "s- to &Z-parameter - file"},
        {Command::ExportY, "s- to &Y-parameter - file"},
        {Command::ExportA, "s- to &A-parameter - file"},
        {Command::ImportS11, "s&11 to zelvo chart"},
        {Command::ImportS22, "s&22 to zelvo chart"},
        {Command::ArrangeAll, "&Arrange all"},
        {Command::ArrangePlots, "Arrange &Plots"},
        {Command::WindowS11, "S11"},
        {Command::WindowS12, "S12"},
        {Command::WindowS21, "S21"},
        {Command::WindowS22, "S22"},
        {Command::WindowFile, "<unnamed>"},
        {Command::GainTable, "gain &table"},
        {Command::GainGraphs, "gain &graphs"},
        {Command::Redraw, "&Redraw"},
        {Command::ZoomFit, "Zoom &Fit"},
        {Command::Help, "&Help...\tF1"},
        {Command::About, "&About..."},
        {Command::MatchAutomatically, "&Match automatically...\tCtrl+M"},
        {Command::Optimise, "&Optimize..."},
        {Command::BroadbandMatch, "&Broadband match..."},
        {Command::InsertBlock, "&Insert two-port block..."},
        {Command::StandardValues, "&Standard values..."},
        {Command::ToleranceAnalysis, "&Tolerance analysis..."},
        {Command::MatchAmplifier, "Match &amplifier..."},
        {Command::Tuner, "T&uner"},
        {Command::FrequencyResponse, "&Frequency response"},
        {Command::LanguageSystem, "&System"},
        {Command::LanguageEnglish, "&English"},
        {Command::LanguageChinese, "\xE4\xB8\xAD\xE6\x96\x87 (&C)"},
    };
    for (const auto& [id, text] : items) {
        const QAction* a = window->menu().action(id);
        ASSERT_NE(a, nullptr) << text;
        EXPECT_EQ(resourceText(a), QString::fromUtf8(text));
    }
    EXPECT_EQ(window->menu().actions().size(), std::size(items));
    // The accelerators also work while the toolbox has the focus.
    EXPECT_TRUE(window->toolbox()->actions().contains(window->menu().action(Command::Undo)));
}

TEST_F(MenuTest, NoTwoItemsOfAMenuShareAMnemonic)
{
    int menus = 0;
    for (const QAction* top : window->menuBar()->actions()) {
        if (!top->menu())
            continue;
        ++menus;
        QMap<QChar, QString> seen;
        for (const QAction* a : top->menu()->actions()) {
            const QString text = a->text();
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (a->isSeparator() || at < 0 || at + 1 >= text.size() || text[at + 1] == QLatin1Char('&'))
                continue;
            const QChar key = text[at + 1].toLower();
            EXPECT_FALSE(seen.contains(key)) << qPrintable(text) << " and " << qPrintable(seen.value(key));
            seen.insert(key, text);
        }
    }
    EXPECT_GE(menus, 9);
}

TEST_F(MenuTest, ChecksAndGrayingFollowModeAndOptions)
{
    MainMenu& m = window->menu();
    for (Command c : {Command::ChartMode, Command::ZChart, Command::YChart, Command::Labels,
                      Command::ChartLabeling, Command::MessageBeep})
        EXPECT_TRUE(m.action(c)->isChecked()) << static_cast<int>(c);
    EXPECT_FALSE(m.action(Command::ConnectDatapoints)->isChecked());
    for (Command c :
         {Command::ArrangeAll, Command::WindowS11, Command::WindowFile, Command::GainGraphs,
          Command::ExportH, Command::ImportS11})
        EXPECT_FALSE(m.action(c)->isEnabled()) << static_cast<int>(c);
    for (Command c : {Command::QCircles, Command::StabilityCircles, Command::GainCircles,
                      Command::NoiseCircles})
        EXPECT_TRUE(m.action(c)->isEnabled()) << static_cast<int>(c);

    window->run(Command::SPlotMode);
    EXPECT_EQ(state.mode, AppMode::SPlot);
    EXPECT_TRUE(m.action(Command::SPlotMode)->isChecked());
    EXPECT_FALSE(m.action(Command::ChartMode)->isChecked());
    EXPECT_EQ(m.action(Command::New)->text(), QStringLiteral("&Close"));
    for (Command c : {Command::Save, Command::SaveAs, Command::Wideband, Command::ZoomIn,
                      Command::Undo, Command::Copy, Command::Colors, Command::ChangeZo})
        EXPECT_FALSE(m.action(c)->isEnabled()) << static_cast<int>(c);
    EXPECT_TRUE(m.action(Command::ArrangeAll)->isEnabled());
    EXPECT_TRUE(window->sPlotFrame(SPlotWindow::S11)->isVisible());
    EXPECT_FALSE(window->schematicFrame()->isVisible());
    EXPECT_FALSE(window->toolbox()->isVisible());
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart, s-Plot - Mode"));

    // Back again: the design and the zoom are kept.
    addPoint(50, 0);
    state.settings.zoom = 2.0f;
    window->run(Command::ChartMode);
    EXPECT_EQ(m.action(Command::New)->text(), QStringLiteral("&New"));
    EXPECT_TRUE(m.action(Command::Save)->isEnabled());
    EXPECT_EQ(design().dataPointCount, 1);
    EXPECT_EQ(state.settings.zoom, 2.0f);
    EXPECT_TRUE(window->toolbox()->isVisible());
    // The point added meanwhile is an unsaved change.
    EXPECT_EQ(window->shownTitle(), QStringLiteral("Zelvo-Chart <unnamed>*"));

    window->run(Command::ZChart);
    EXPECT_FALSE(state.settings.showZChart());
    EXPECT_FALSE(m.action(Command::ZChart)->isChecked());
    window->run(Command::ConnectDatapoints);
    EXPECT_TRUE(state.settings.linkDataPoints);
    EXPECT_TRUE(m.action(Command::ConnectDatapoints)->isChecked());
    window->run(Command::MessageBeep);
    EXPECT_FALSE(state.settings.messageBeep);
}

TEST_F(MenuTest, LimitsAreTestedBeforeAnyDialogOpens)
{
    ModalScript modals; // no step: any dialog would be an error
    design().qCount = 30;
    window->run(Command::QCircles);
    EXPECT_EQ(lastText(), QStringLiteral("Max. Number of 30 Q-ellipses exceeded!"));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Error);
    design().vswrCount = 30;
    window->run(Command::VswrCircles);
    EXPECT_EQ(lastText(), QStringLiteral("Max. number of 30 VSWR-ellipses exceeded!"));

    for (int i = 0; i < 150; ++i)
        addPoint(50 + i, 0);
    window->toolbox()->pressDataPoint();
    EXPECT_EQ(
        lastText(),
        QStringLiteral("Maximum number of 150 datapoints exceeded!\nNo more datapoints possible."));
    EXPECT_EQ(recorder.messages.back().title, QString()); // a limit, not input validation

    design().elementCount = 150;
    window->toolbox()->pressElement(ToolButton::CS);
    EXPECT_EQ(lastText(), QStringLiteral("Max. Number of 150 elements exceeded!"));
    window->toolbox()->pressDataPoint(); // the element limit comes first
    EXPECT_EQ(lastText(), QStringLiteral("Max. Number of 150 elements exceeded!"));
    EXPECT_EQ(recorder.beeps, 5);
    EXPECT_TRUE(modals.seen().empty());
    EXPECT_FALSE(state.placement.placing);
}

TEST_F(MenuTest, ToolboxRefusesWithoutDataPointOrAfterWideband)
{
    window->toolbox()->pressElement(ToolButton::CS);
    EXPECT_EQ(lastText(), QStringLiteral("At minimum one Data-Point necessary."));
    EXPECT_TRUE(recorder.cursorMoves.empty()); // the pointer does not move
    addPoint(50, 50);
    addPoint(30, 20, 2e9);
    design().widebandDone = true;
    window->toolbox()->pressElement(ToolButton::TR);
    EXPECT_EQ(lastText(), QStringLiteral("Wideband calculation done.\nNo more elements possible."));
    window->toolbox()->pressDataPoint();
    EXPECT_EQ(lastText(),
              QStringLiteral("Wideband calculation done.\nNo more datapoints possible."));
}

TEST_F(MenuTest, ZoomLimitsAndTheRepaintRule)
{
    int repaints = window->chartRepaintRequests();
    for (float expected : {2.0f, 4.0f, 8.0f, 16.0f}) {
        window->run(Command::ZoomIn);
        EXPECT_EQ(state.settings.zoom, expected);
        EXPECT_EQ(window->chartRepaintRequests(), ++repaints);
    }
    window->run(Command::ZoomIn); // fifth: stays, no repaint
    EXPECT_EQ(state.settings.zoom, 16.0f);
    EXPECT_EQ(window->chartRepaintRequests(), repaints);
    state.settings.zoom = 0.2f;
    window->run(Command::ZoomOut);
    EXPECT_EQ(state.settings.zoom, 0.125f);
    repaints = window->chartRepaintRequests();
    window->run(Command::ZoomOut);
    EXPECT_EQ(state.settings.zoom, 0.125f);
    EXPECT_EQ(window->chartRepaintRequests(), repaints);

    ModalScript modals;
    modals.then([](QDialog& d) {
        typeInto(d, "factor", QStringLiteral("50"));
        clickOk(d);
    });
    window->run(Command::ZoomValue);
    EXPECT_EQ(state.settings.zoom, 50.0f);
}

TEST_F(MenuTest, ChangeZoRefusedWithDataPointsElseRefreshesTheReadout)
{
    ModalScript modals;
    modals.then([](QDialog& d) {
        typeInto(d, "value", QStringLiteral("75"));
        clickOk(d);
    });
    window->run(Command::ChangeZo);
    EXPECT_TRUE(modals.done());
    EXPECT_EQ(design().z0, 75.0f);
    EXPECT_EQ(readout(Readout::Zo), QStringLiteral("75.0 Ohm"));
    addPoint(50, 0);
    window->run(Command::ChangeZo);
    EXPECT_EQ(lastText(),
              QStringLiteral("There are yet data points defined. Impossible to change Zo."));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Error);
    EXPECT_EQ(modals.seen().size(), 1u);
}

TEST_F(MenuTest, WidebandMessages)
{
    addPoint(50, 50);
    window->run(Command::Wideband);
    EXPECT_EQ(lastText(), QStringLiteral("Need at least two manual input datapoints\nand one "
                                         "element to calculate wideband."));
    addPoint(60, 40, 2e9);
    design().startPoint = 1;
    design().currentPoint = {50, 50};
    Element e;
    e.kind = ElementKind::CS;
    e.value = 1e-12;
    appendElement(design(), e);
    recorder.messages.clear();
    window->run(Command::Wideband);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(design().widebandDone);
    window->run(Command::Wideband);
    EXPECT_EQ(lastText(), QStringLiteral("Wideband still calculated."));
}

TEST_F(MenuTest, ContourDialogAddsAContour)
{
    ModalScript modals;
    modals.then([](QDialog& d) {
        typeInto(d, "value", QStringLiteral("2.5"));
        clickOk(d);
    });
    window->run(Command::QCircles);
    ASSERT_EQ(design().qCount, 1);
    EXPECT_EQ(design().qCircles[0], 2.5f);
    EXPECT_TRUE(design().modified);
}

TEST_F(MenuTest, CopyPutsTheChosenItemOnTheClipboard)
{
    addPoint(50, 50);
    ModalScript modals;
    modals.then([](QDialog& d) { static_cast<QDialog&>(d).done(0x11); });
    window->run(Command::Copy);
    EXPECT_EQ(recorder.clipboardImage.size(), QSize(600, 600));
    modals.then([](QDialog& d) { d.done(0x30); });
    window->run(Command::Copy);
    EXPECT_TRUE(
        recorder.clipboardText.startsWith(QStringLiteral("DP-Nr. 1 (50.000 + j50.000) Ohm")));
    recorder.clipboardImage = QImage();
    modals.then([](QDialog& d) { d.done(0x21); });
    window->run(Command::Copy);
    EXPECT_FALSE(recorder.clipboardImage.isNull());
}

TEST_F(MenuTest, HelpAndAbout)
{
    window->run(Command::Help);
    ASSERT_EQ(recorder.helpTopics.size(), 1u);
    EXPECT_TRUE(recorder.helpTopics[0].isEmpty()); // the contents
    ModalScript modals;
    modals.then([](QDialog& d) { d.accept(); });
    window->run(Command::About);
    EXPECT_TRUE(modals.done());
}

TEST_F(MenuTest, ArrangeAndShowSPlotWindows)
{
    window->run(Command::SPlotMode);
    window->run(Command::WindowS21);
    EXPECT_EQ(window->sPlotFrame(SPlotWindow::S21)->geometry(), window->clientArea()->rect());
    window->run(Command::ArrangePlots);
    const QRect client = window->clientArea()->rect();
    EXPECT_EQ(
        window->sPlotFrame(SPlotWindow::S22)->geometry(),
        QRect(client.width() / 2, client.height() / 2, client.width() / 2, client.height() / 2));
}

} // namespace
} // namespace zelvo::testing
