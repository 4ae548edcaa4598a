// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The frequency response window and amplifier matching through the real
// main window, its menu and the tuner.
#include "main_window_fixture.h"

#include "model/block_file.h"
#include "model/file_io.h"
#include "support/element_builders.h"
#include "ui/dialogs/amplifier_dialog.h"
#include "ui/menu.h"
#include "ui/response_window.h"
#include "ui/splot_windows.h"
#include "ui/tuner.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cmath>

namespace zelvo::testing {
namespace {

const std::string bfu520 = ZELVO_TESTDATA_DIR "/touchstone/BFU520_05V0_010mA_NF_SP.s2p";

struct ResponseWindowTest : MainWindowTest {
    ResponseWindow* open()
    {
        window->menu().action(Command::FrequencyResponse)->trigger();
        QApplication::processEvents();
        return window->responseWindow();
    }
    // 10 + j20 ohm at 0.9 and 1.1 GHz, a series L and a shunt C.
    void lcDesign()
    {
        addPoint(10, -20, 0.9e9);
        addPoint(12, -15, 1.1e9);
        appendElement(design(), element(ElementKind::IS, 5e-9));
        appendElement(design(), element(ElementKind::CP, 3e-12));
    }
};

TEST_F(ResponseWindowTest, FollowsTuningUndoAndNewPointsAndDrawsTheChartCurve)
{
    lcDesign();
    ResponseWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    // The data points' span widened by 20 %, 401 points.
    EXPECT_DOUBLE_EQ(w->sweep().start, 0.88e9);
    EXPECT_DOUBLE_EQ(w->sweep().stop, 1.12e9);
    ASSERT_EQ(w->graph().response.points.size(), 401u);
    EXPECT_EQ(w->graph().response.load, LoadModel::Interpolated);
    EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("loadModel"))
                    ->text()
                    .contains(QStringLiteral("interpolated")));
    // No block: K, mu and NF are offered but not available.
    EXPECT_FALSE(w->findChild<QCheckBox*>(QStringLiteral("show5"))->isEnabled());

    const double before = w->graph().response.points[200].inputReturnLossDb;
    window->tuner().select(0);
    window->tuner().step(1, false);
    const double tuned = w->graph().response.points[200].inputReturnLossDb;
    EXPECT_NE(tuned, before);
    EXPECT_DOUBLE_EQ(tuned, computeResponse(design(), {w->graph().response.points[200].f})
                                .points[0]
                                .inputReturnLossDb);
    window->tuner().endSession();
    window->menu().action(Command::Undo)->trigger();
    EXPECT_DOUBLE_EQ(w->graph().response.points[200].inputReturnLossDb, before);

    // The chain end as a curve on the chart, gone with the window.
    w->setChartCurve(true);
    EXPECT_EQ(state.responseCurve.size(), 401u);
    EXPECT_EQ(state.responseCurve[200], w->graph().response.points[200].input);
    // A new point widens the default sweep.
    addPoint(20, 0, 1.5e9);
    window->repaintAll();
    EXPECT_DOUBLE_EQ(w->sweep().stop, 1.56e9);
    w->hide();
    EXPECT_TRUE(state.responseCurve.empty());
}

TEST_F(ResponseWindowTest, OwnSweepHoverMarkersAndRefusedFields)
{
    lcDesign();
    ResponseWindow* w = open();
    w->setSweep({1e8, 1e10, 51, true});
    EXPECT_FALSE(w->followsDataPoints());
    ASSERT_EQ(w->graph().response.points.size(), 51u);
    EXPECT_NEAR(w->graph().response.points[25].f, 1e9, 1e-3);

    ResponseView* v = w->view();
    v->resize(900, 500);
    const ResponseLayout l = responseLayout(w->graph(), 900, 500, QFontMetrics(v->font()).height());
    const QPoint at(l.x(1e9), (l.db.top + l.db.bottom) / 2);
    sendMouse(v, QEvent::MouseMove, at, Qt::NoButton);
    EXPECT_TRUE(v->hover().text().startsWith(QStringLiteral("f = 1.000 GHz")));
    sendMouse(v, QEvent::MouseButtonPress, at, Qt::LeftButton);
    EXPECT_EQ(w->graph().markers, std::vector<int>{25});
    sendMouse(v, QEvent::MouseButtonPress, at, Qt::LeftButton);
    EXPECT_TRUE(w->graph().markers.empty());
    // A marker stays while the design changes, not when the sweep does.
    sendMouse(v, QEvent::MouseButtonPress, at, Qt::LeftButton);
    window->repaintAll();
    EXPECT_EQ(w->graph().markers, std::vector<int>{25});
    w->setSweep({2e8, 1e10, 51, true});
    EXPECT_TRUE(w->graph().markers.empty());

    auto* start = w->findChild<QLineEdit*>(QStringLiteral("start"));
    start->setText(QStringLiteral("5e99"));
    w->findChild<QPushButton*>(QStringLiteral("sweep"))->click();
    EXPECT_FALSE(w->messageLabel()->text().isEmpty());
    EXPECT_EQ(w->graph().response.points.size(), 51u); // the last good sweep stays
    w->findChild<QPushButton*>(QStringLiteral("defaultSweep"))->click();
    EXPECT_TRUE(w->followsDataPoints());
    EXPECT_EQ(w->graph().response.points.size(), 401u);
}

TEST_F(ResponseWindowTest, CsvAndPictureThroughTheReplacingWriter)
{
    lcDesign();
    ResponseWindow* w = open();
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("r.csv"));
    recorder.fileNames.push_back(csv);
    w->exportCsv();
    const std::optional<std::string> text = readWholeFile(csv.toStdString());
    ASSERT_TRUE(text);
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), 402);
    EXPECT_EQ(text->substr(0, 8), "f (Hz),l");
    const QString png = dir.filePath(QStringLiteral("r.png"));
    recorder.fileNames.push_back(png);
    w->exportPicture();
    EXPECT_TRUE(QImage(png).width() > 0);
    // A folder that cannot be written: the message, nothing else.
    recorder.fileNames.push_back(QStringLiteral("/nonexistent/dir/r.csv"));
    w->exportCsv();
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Error while writing file '/nonexistent")));
}

TEST_F(ResponseWindowTest, PrintsTheGraphToTheChosenPdf)
{
    lcDesign();
    // A PDF printer as on a machine without a print system.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(300);
    state.print.printer = printer;
    ResponseWindow* w = open();
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("response.pdf"));
    recorder.fileNames.push_back(target);
    ModalScript script;
    script.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("PRINT"));
        clickOk(d);
    });
    w->print();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(recorder.messages.empty()) << recorder.lastMessage().toStdString();
    const std::optional<std::string> pdf = readWholeFile(target.toStdString());
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->substr(0, 5), "%PDF-");
}

TEST_F(ResponseWindowTest, MeasuredTransistorMatchedAtOneFrequencyReachesItsGain)
{
    const BlockLoad loaded = loadBlockFile(bfu520);
    if (std::holds_alternative<DialogMessage>(loaded))
        GTEST_SKIP() << "no BFU520 file";
    addPoint(50, 0, 1e9);
    Element block;
    block.kind = ElementKind::Block;
    block.block = std::get<std::shared_ptr<const BlockData>>(loaded);
    appendElement(design(), block);
    ResponseWindow* w = open();
    EXPECT_TRUE(w->graph().response.hasBlock);
    EXPECT_TRUE(w->graph().response.hasNoise);

    AmplifierDialog dialog(state, platform, AmplifierDevice{block, true}, window.get());
    dialog.onRepaint = [this] { window->repaintChart(); };
    dialog.setFrequency(1e9);
    const auto* plan = std::get_if<AmplifierPlan>(&dialog.plan());
    ASSERT_NE(plan, nullptr) << dialog.deviceLabel()->text().toStdString();
    ASSERT_GT(dialog.outputList()->topLevelItemCount(), 0);
    ASSERT_GT(dialog.inputList()->topLevelItemCount(), 0);
    EXPECT_FALSE(state.matchPreview.empty());
    const double aimed = plan->gainDb;
    ASSERT_TRUE(dialog.applySelected());
    // The window follows: GT at 1 GHz is what the dialog aimed at, and the
    // input is matched there.
    std::size_t at = 0;
    const auto& pts = w->graph().response.points;
    for (std::size_t i = 0; i < pts.size(); ++i)
        if (std::abs(pts[i].f - 1e9) < std::abs(pts[at].f - 1e9))
            at = i;
    const ResponsePoint exact = computeResponse(design(), {1e9}).points[0];
    EXPECT_NEAR(exact.gainDb, aimed, 0.01);
    EXPECT_GT(exact.inputReturnLossDb, 40);
    EXPECT_TRUE(std::isfinite(exact.noiseFigureDb));
    EXPECT_NEAR(pts[at].gainDb, aimed, 1.0); // the nearest sweep point
    // One undo takes the whole amplifier back.
    window->menu().action(Command::Undo)->trigger();
    EXPECT_EQ(design().elementCount, 0);
}

TEST_F(ResponseWindowTest, MatchAmplifierWithoutADeviceSaysWhatItNeeds)
{
    addPoint(50, 0, 1e9);
    window->menu().action(Command::MatchAmplifier)->trigger();
    EXPECT_TRUE(lastText().contains(QStringLiteral("needs a two-port device")));
}

} // namespace
} // namespace zelvo::testing
