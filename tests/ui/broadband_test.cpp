// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Broadband matching through the real dialog, the menu and the command line.
#include "main_window_fixture.h"

#include "model/design_file.h"
#include "support/element_builders.h"
#include "ui/broadband_tool.h"
#include "ui/dialogs/broadband_dialog.h"
#include "ui/menu.h"
#include "ui/tuner.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace zelvo::testing {
namespace {

const QString loopFile = QStringLiteral(ZELVO_TESTDATA_DIR "/oneport/20m120222.s1p");

struct BroadbandTest : MainWindowTest {
    // R = 100 ohm parallel to C = 5 pF at five points over an octave.
    void addOctave()
    {
        for (double f : {200e6, 250e6, 300e6, 350e6, 400e6}) {
            const Complex z = 1.0 / Complex{0.01, 2 * std::numbers::pi * f * 5e-12};
            addPoint(z.re, z.im, f);
        }
    }
    std::unique_ptr<BroadbandDialog> dialog()
    {
        auto d = std::make_unique<BroadbandDialog>(state, platform, window.get());
        d->progressOverride = [this](const BroadbandProgress& p) {
            ++reports;
            EXPECT_LE(p.done, p.total);
            return true;
        };
        return d;
    }
    int reports = 0;
};

TEST_F(BroadbandTest, SearchesPreviewsAndAppliesOneUndoStep)
{
    addOctave();
    appendElement(design(), element(ElementKind::IS, 2e-9)); // a short lead, drawn already
    const int elementsBefore = design().elementCount;
    auto d = dialog();
    d->setMaxElements(3);
    ASSERT_TRUE(d->search());
    EXPECT_EQ(reports, 38); // 4 + 10 + 24 ladders
    ASSERT_EQ(d->list()->topLevelItemCount(), 3);
    const BroadbandSummary& s = d->summary();
    ASSERT_TRUE(s.limitReturnLoss);
    EXPECT_TRUE(d->limitLabel()->text().contains(QStringLiteral("Bode-Fano limit")));
    EXPECT_TRUE(d->limitLabel()->text().contains(QStringLiteral("parallel RC")));
    // The best overall is selected and previewed: the chain's end at each
    // of the 41 band frequencies, the network's arcs from the chain's end.
    ASSERT_GE(s.overall, 0);
    EXPECT_EQ(d->list()->indexOfTopLevelItem(d->list()->currentItem()), s.overall);
    EXPECT_EQ(state.bandPreview.size(), 41u);
    EXPECT_EQ(state.bandLoadPreview.size(), 41u);
    ASSERT_FALSE(state.matchPreview.empty());
    EXPECT_EQ(state.matchPreview.front().rBegin, chainEnd(design()).re);
    EXPECT_EQ(d->plot()->data().returnLoss.size(), 41u);
    EXPECT_EQ(d->plot()->data().limit, s.limitReturnLoss);

    d->list()->setCurrentItem(d->list()->topLevelItem(1));
    const std::size_t size = s.rows[1].elements.size();
    ASSERT_EQ(state.matchPreview.size(), size);
    const Element previewEnd = state.matchPreview.back();
    ASSERT_TRUE(d->applySelected());
    ASSERT_EQ(design().elementCount, elementsBefore + static_cast<int>(size));
    EXPECT_TRUE(state.bandPreview.empty());
    // The chain ends where the preview did.
    const Element& last = design().elements[static_cast<std::size_t>(design().elementCount - 1)];
    EXPECT_DOUBLE_EQ(last.rEnd, previewEnd.rEnd);
    EXPECT_DOUBLE_EQ(last.xEnd, previewEnd.xEnd);
    window->run(Command::Undo);
    EXPECT_EQ(design().elementCount, elementsBefore);
    window->run(Command::Redo);
    EXPECT_EQ(design().elementCount, elementsBefore + static_cast<int>(size));
    d.reset();
    EXPECT_TRUE(state.matchPreview.empty());
}

TEST_F(BroadbandTest, PartLossesAreAChoiceOfTheResult)
{
    addOctave();
    state.settings.partLosses.inductor.q = 10.0;
    state.settings.partLosses.capacitor.q = 10.0;
    auto d = dialog();
    d->setMaxElements(2);
    ASSERT_TRUE(d->search());
    const int row = d->summary().overall;
    ASSERT_GE(row, 0);
    const std::vector<double> ideal = d->plot()->data().returnLoss;
    EXPECT_TRUE(d->lossyResultLabel()->text().isEmpty());
    d->lossesBox()->setChecked(true);
    // Q = 10 parts cost return loss somewhere in the band, and the label
    // names the worst with the ideal figure beside it.
    const std::vector<double>& lossy = d->plot()->data().returnLoss;
    ASSERT_EQ(lossy.size(), ideal.size());
    EXPECT_NE(lossy, ideal);
    EXPECT_TRUE(d->lossyResultLabel()->text().contains(
        QStringLiteral("(ideal parts %1 dB)")
            .arg(d->summary().rows[static_cast<std::size_t>(row)].worstReturnLoss, 0, 'f', 2)));
    ASSERT_TRUE(d->applySelected());
    ASSERT_GT(design().elementCount, 0);
    for (int i = 0; i < design().elementCount; ++i)
        EXPECT_EQ(design().elements[static_cast<std::size_t>(i)].loss.q, 10.0) << i;
}

TEST_F(BroadbandTest, FileLoadBecomesDataPointsWithTheNetworkInOneStep)
{
    if (!std::filesystem::exists(loopFile.toStdString()))
        GTEST_SKIP() << "no loop antenna file";
    auto d = dialog();
    // Without data points the dialog starts with the file as the load.
    EXPECT_FALSE(d->messageLabel()->text().isEmpty());
    ASSERT_TRUE(d->loadFile(loopFile));
    d->setBand(14.15e6, 14.2e6);
    d->findChild<QSpinBox*>(QStringLiteral("count"))->setValue(11);
    d->setMaxElements(2);
    ASSERT_TRUE(d->search());
    ASSERT_EQ(d->list()->topLevelItemCount(), 2);
    ASSERT_FALSE(d->summary().rows[1].elements.empty());
    ASSERT_TRUE(d->applySelected());
    EXPECT_EQ(design().dataPointCount, 11);
    EXPECT_EQ(design().startPoint, 6); // 14.175 MHz, the centre
    EXPECT_DOUBLE_EQ(design().dataPoints[5].f, 14.175e6);
    EXPECT_EQ(design().elementCount, static_cast<int>(d->summary().rows[1].elements.size()));
    window->run(Command::Undo);
    EXPECT_EQ(design().dataPointCount, 0);
    EXPECT_EQ(design().elementCount, 0);

    // With data points of another load, Apply explains instead.
    addPoint(50, 0, 14e6);
    ASSERT_TRUE(d->search());
    EXPECT_FALSE(d->applySelected());
    EXPECT_TRUE(lastText().contains(QStringLiteral("File > New")));
    EXPECT_EQ(design().elementCount, 0);
}

TEST_F(BroadbandTest, RefusalsAreMessagesAndChangeNothing)
{
    addPoint(30, 10, 1e9);
    addPoint(40, 20, 1e9);
    auto d = dialog();
    // Two points at one frequency: no band; the file is offered instead.
    EXPECT_TRUE(d->findChild<QLabel*>(QStringLiteral("pointsLabel"))->text().contains(QStringLiteral("three or more")));
    EXPECT_FALSE(d->search());
    EXPECT_TRUE(lastText().contains(QStringLiteral("one-port file")));
    EXPECT_FALSE(d->applySelected());
    EXPECT_EQ(design().elementCount, 0);

    addPoint(50, 30, 2e9);
    addPoint(60, 40, 3e9);
    d->setLoadSource(BroadbandDialog::LoadDataPoints);
    d->setBand(0.5e9, 2e9);
    const std::size_t before = recorder.messages.size();
    EXPECT_FALSE(d->search());
    ASSERT_EQ(recorder.messages.size(), before + 1);
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("The band must lie within")));
    d->setBand(1e9, 3e9);
    d->findChild<QLineEdit*>(QStringLiteral("weight1"))->setText(QStringLiteral("1x"));
    EXPECT_FALSE(d->search());
    EXPECT_TRUE(lastText().contains(QStringLiteral("Incorrect number format")));

    // Lines limit the ladders' size.
    d->setLines(true);
    EXPECT_EQ(d->findChild<QSpinBox*>(QStringLiteral("maxElements"))->maximum(),
              maxBroadbandElementsWithLines);
}

TEST_F(BroadbandTest, MenuCommandOpensTheDialogOrRefuses)
{
    ModalScript script;
    window->run(Command::BroadbandMatch);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0], QStringLiteral("Broadband match"));
    addOctave();
    appendElement(design(), element(ElementKind::CS, 1e-12));
    ASSERT_FALSE(runWideband(design()));
    window->run(Command::BroadbandMatch);
    EXPECT_EQ(script.seen().size(), 1u);
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Wideband calculation done.")));
}

ToolRun run(Arguments args)
{
    args.insert(args.begin(), {"zelvo", "broadband"});
    return runTool(args);
}

TEST(BroadbandTool, PrintsTheTableOrSaysWhyNot)
{
    QTemporaryDir dir;
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    for (double f : {200e6, 300e6, 400e6}) {
        const Complex z = 1.0 / Complex{0.01, 2 * std::numbers::pi * f * 5e-12};
        appendDataPoint(*d, {z.re, z.im, f});
    }
    const std::string file = dir.filePath(QStringLiteral("octave.zvc")).toStdString();
    ASSERT_EQ(writeDesignFile(*d, file), designFileOk);

    const ToolRun ok = run({file, "--band", "250M",
                            "350MHz", "--max-elements",
                            "2", "--points", "11"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_TRUE(ok.err.empty());
    EXPECT_NE(ok.out.find("band 250.000 MHz to 350.000 MHz at 11 frequencies"), std::string::npos)
        << ok.out;
    EXPECT_NE(ok.out.find("parallel RC"), std::string::npos);
    EXPECT_NE(ok.out.find("<- best"), std::string::npos);
    EXPECT_NE(ok.out.find("Return loss of the best network"), std::string::npos);

    const ToolRun outside = run({file, "--band", "100M",
                                 "300M"});
    EXPECT_EQ(outside.exitCode, toolBadUsage);
    EXPECT_NE(outside.err.find("The band must lie within"), std::string::npos);
    EXPECT_TRUE(outside.out.empty());
    EXPECT_EQ(run({file, "--band", "250M"}).exitCode, toolBadUsage);
    EXPECT_EQ(run({file, "--band=250M"}).exitCode, toolBadUsage);
    EXPECT_EQ(run({file, "--lines", "--max-elements",
                   "6"})
                  .exitCode,
              toolBadUsage);
    EXPECT_EQ(run({file, "--source", "-5"}).exitCode, toolBadUsage);
    EXPECT_EQ(run({dir.filePath(QStringLiteral("none.zvc")).toStdString()}).exitCode, toolFailed);
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--max-elements"), std::string::npos);
    EXPECT_NE(runTool({"zelvo", "--help"}).out.find("broadband"),
              std::string::npos);
}

TEST(BroadbandTool, FrequencyArguments)
{
    EXPECT_EQ(frequencyArgument("14350000"), 14.35e6);
    EXPECT_EQ(frequencyArgument("14.35M"), 14.35e6);
    EXPECT_EQ(frequencyArgument("14.35 MHz"), 14.35e6);
    EXPECT_EQ(frequencyArgument("433k"), 433e3);
    EXPECT_EQ(frequencyArgument("2.4GHz"), 2.4e9);
    EXPECT_EQ(frequencyArgument("1e9Hz"), 1e9);
    for (const char* bad : {"", "M", "14X", "14 MHzz", "-3M", "0", "14,35M"})
        EXPECT_FALSE(frequencyArgument(bad)) << bad;
}

} // namespace
} // namespace zelvo::testing
