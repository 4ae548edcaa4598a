// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The two-port block from the toolbox and the menu, in the schematic and the
// history, in the design file, and the network exported as a Touchstone file,
// from the window and from the command line.
#include "main_window_fixture.h"
#include "model/block_file.h"
#include "model/design_file.h"
#include "model/touchstone.h"
#include "support/block_builders.h"
#include "support/element_builders.h"
#include "ui/command_line.h"
#include "ui/schematic_window.h"
#include "ui/tuner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cmath>
#include <complex>

namespace zelvo::testing {
namespace {

struct BlockTest : MainWindowTest {
    QTemporaryDir dir;
    ModalScript script;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString writeFile(const char* name, const char* text)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path(name);
    }
    // The toolbox's block button with `file` chosen; the dialog answered by `step`.
    void insertBlock(const QString& file, ModalScript::Step step = clickOk)
    {
        recorder.fileNames.push_back(file);
        if (step)
            script.then(std::move(step));
        toolButton("block");
    }
    const Element& element(int i) { return design().elements[static_cast<std::size_t>(i)]; }
};

TEST_F(BlockTest, InsertedFromTheToolboxAsOneUndoableStep)
{
    addPoint(30, -20, 1e9);
    appendElement(design(), zelvo::testing::element(ElementKind::CP, 1e-12));
    insertBlock(writeFile("coil.s2p", coilS2p));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.seen(), std::vector<QString>{QStringLiteral("Two-port block")});
    ASSERT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_EQ(recorder.fileDialogs[0].title, QStringLiteral("Insert two-port block"));
    ASSERT_EQ(design().elementCount, 2);
    const Element& b = element(1);
    EXPECT_EQ(b.kind, ElementKind::Block);
    ASSERT_TRUE(b.block);
    EXPECT_EQ(b.block->name, "coil.s2p");
    EXPECT_FALSE(b.reversed);
    // It starts where the chain ended and adds the coil's 50 ohm at 1 GHz.
    EXPECT_EQ(b.rBegin, element(0).rEnd);
    EXPECT_NEAR(b.xEnd - b.xBegin, 50.0, 1e-9);
    EXPECT_NEAR(b.rEnd, b.rBegin, 1e-9);
    EXPECT_TRUE(design().modified);
    EXPECT_TRUE(recorder.messages.empty());

    window->run(Command::Undo);
    EXPECT_EQ(design().elementCount, 1);
    window->run(Command::Redo);
    EXPECT_EQ(design().elementCount, 2);
    EXPECT_EQ(element(1).kind, ElementKind::Block);
    // Cancel in the dialog places nothing.
    insertBlock(path("coil.s2p"), [](QDialog& d) { d.reject(); });
    EXPECT_EQ(design().elementCount, 2);
    // No value to tune.
    window->tuner().select(1);
    EXPECT_EQ(window->tuner().selected(), -1);
    window->tuner().select(0);
    EXPECT_EQ(window->tuner().selected(), 0);
}

TEST_F(BlockTest, OutsideItsRangeOrUnreadableItIsRefused)
{
    addPoint(30, -20, 5e9);
    insertBlock(writeFile("coil.s2p", coilS2p), nullptr);
    EXPECT_EQ(design().elementCount, 0);
    EXPECT_TRUE(script.seen().empty());
    EXPECT_EQ(lastText(), QStringLiteral("The two-port block 'coil.s2p' has no value at the design\n"
                                         "frequency 5.000 GHz: its data cover 1.000 GHz to 2.000 GHz.\n"
                                         "Nothing was placed."));
    insertBlock(writeFile("broken.s2p", "# GHz S RI R 50\n1 2 3\n"), nullptr);
    EXPECT_EQ(design().elementCount, 0);
    EXPECT_EQ(recorder.messages.size(), 2u);
    // Without a data point the block is refused like every element, before
    // any file dialog.
    resetDesign(design());
    recorder.fileNames.clear();
    const std::size_t dialogs = recorder.fileDialogs.size();
    window->run(Command::InsertBlock);
    EXPECT_EQ(recorder.fileDialogs.size(), dialogs);
    EXPECT_EQ(lastText(), QStringLiteral("At minimum one Data-Point necessary."));
}

TEST_F(BlockTest, ReversedFromTheSchematicAndBackWithUndo)
{
    addPoint(30, -20, 1e9);
    appendElement(design(), zelvo::testing::element(ElementKind::CP, 1e-12));
    insertBlock(writeFile("coil.s2p", coilS2p));
    const Complex forward{element(1).rEnd, element(1).xEnd};
    script.then([](QDialog& d) {
        d.findChild<QCheckBox*>(QStringLiteral("reversed"))->setChecked(true);
        clickOk(d);
    });
    // Row 1 (the block) lies between y = 90 and 130 of the unscrolled column.
    window->schematic()->resize(window->schematic()->width(), 600);
    sendMouse(window->schematic()->viewport(), QEvent::MouseButtonDblClick, QPoint(100, 100),
              Qt::LeftButton);
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(element(1).reversed);
    // The coil is symmetrical: the same end either way round, one more entry.
    EXPECT_NEAR(element(1).xEnd, forward.im, 1e-9);
    EXPECT_EQ(design().history[static_cast<std::size_t>(design().historyCount - 1)],
              HistoryEntry::EditElement);
    window->run(Command::Undo);
    EXPECT_FALSE(element(1).reversed);
    EXPECT_EQ(design().elementCount, 2);
}

TEST_F(BlockTest, SavedAndReopenedWithoutTheTouchstoneFile)
{
    addPoint(30, -20, 1.5e9);
    addPoint(35, -10, 2.5e9);
    insertBlock(writeFile("coil.s2p", coilS2p));
    ASSERT_EQ(design().elementCount, 1);
    recorder.fileNames.push_back(path("amp.zvc"));
    window->run(Command::SaveAs);
    ASSERT_TRUE(QFile::exists(path("amp.zvc")));
    ASSERT_TRUE(QFile::remove(path("coil.s2p")));
    const Complex end{element(0).rEnd, element(0).xEnd};

    window->run(Command::New);
    EXPECT_EQ(design().elementCount, 0);
    recorder.fileNames.push_back(path("amp.zvc"));
    window->run(Command::Open);
    ASSERT_EQ(design().elementCount, 1);
    ASSERT_TRUE(element(0).block);
    EXPECT_EQ(element(0).block->name, "coil.s2p");
    EXPECT_EQ(element(0).block->sourceText, coilS2p);
    EXPECT_NEAR(element(0).xEnd, end.im, 1e-3); // the file's six digits
    // The point beyond the block is found again without a stored mark.
    EXPECT_FALSE(design().widebandSkipped[0]);
    EXPECT_TRUE(design().widebandSkipped[1]);
    EXPECT_EQ(recorder.messages.size(), 0u);
}

// A design without blocks, losses or tolerances is saved exactly as it was
// read: no new section, not a byte changed.
TEST_F(BlockTest, ClassicDesignStaysByteIdentical)
{
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    appendDataPoint(*d, {12.5, -30, 900e6});
    appendDataPoint(*d, {20, -25, 1.2e9});
    appendElement(*d, zelvo::testing::element(ElementKind::IS, 8e-9));
    appendElement(*d, zelvo::testing::element(ElementKind::LPO, 0.1, 60.0f, 2.2f));
    appendElement(*d, zelvo::testing::rlcElement(ElementKind::RlcSeries, 5, 1e-9, 1e-12));
    runWideband(*d);
    const std::string classic = designFileText(*d);
    ASSERT_EQ(classic.find("[PARTS]"), std::string::npos);
    QFile f(path("classic.zvc"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(classic.data(), static_cast<qint64>(classic.size()));
    f.close();
    recorder.fileNames.push_back(path("classic.zvc"));
    window->run(Command::Open);
    ASSERT_EQ(design().elementCount, 3);
    design().modified = true;
    window->run(Command::Save);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), classic);
}

TEST_F(BlockTest, NetlistsAreRefusedAndTheNetworkIsExportedInstead)
{
    addPoint(30, -20, 1.5e9);
    insertBlock(writeFile("coil.s2p", coilS2p));
    appendElement(design(), zelvo::testing::element(ElementKind::CS, 2e-12));
    const std::size_t dialogs = recorder.fileDialogs.size();
    window->run(Command::SaveNetlist);
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Element 1, the two-port block 'coil.s2p', "
                                                     "cannot be written:\nthe netlist")));
    window->run(Command::SaveSpiceNetlist);
    EXPECT_TRUE(lastText().contains(QStringLiteral("ngspice has no element")));
    EXPECT_EQ(recorder.fileDialogs.size(), dialogs);

    // The export offers the block's frequencies first.
    script.then([](QDialog& d) {
        auto* block = d.findChild<QRadioButton*>(QStringLiteral("blockFrequencies"));
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(block->isChecked());
        EXPECT_EQ(block->text(), QStringLiteral("The &block's frequencies: 2 from 1.000 GHz to "
                                                "2.000 GHz"));
        clickOk(d);
    });
    recorder.fileNames.push_back(path("network.s2p"));
    window->run(Command::ExportNetwork);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(recorder.fileDialogs.back().defaultSuffix, QStringLiteral("s2p"));
    EXPECT_EQ(lastText(), QStringLiteral("Network exported to '%1': 2 frequencies.")
                              .arg(path("network.s2p")));
    SParamSet set;
    ASSERT_EQ(loadTouchstoneFile(set, QFile::encodeName(path("network.s2p")).toStdString()).status,
              LoadStatus::Ok);
    EXPECT_EQ(set.validPoints(), 2);

    // A linear sweep beyond the block leaves frequencies out and says so.
    script.then([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("linearSweep"))->setChecked(true);
        typeInto(d, "start", QStringLiteral("0.5"));
        typeInto(d, "stop", QStringLiteral("2.5"));
        d.findChild<QComboBox*>(QStringLiteral("startUnit"))->setCurrentIndex(0); // GHz
        d.findChild<QComboBox*>(QStringLiteral("stopUnit"))->setCurrentIndex(0);
        typeInto(d, "points", QStringLiteral("5"));
        clickOk(d);
    });
    recorder.fileNames.push_back(path("sweep.s2p"));
    window->run(Command::ExportNetwork);
    EXPECT_EQ(lastText(), QStringLiteral("Network exported to '%1': 3 frequencies,\n2 left out "
                                         "where a block has no value.")
                              .arg(path("sweep.s2p")));
    // A sweep that makes no sense keeps the dialog open on the field.
    script.then([this](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("linearSweep"))->setChecked(true);
        typeInto(d, "points", QStringLiteral("2.5"));
        clickOk(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(lastText(),
                  QStringLiteral("The number of points must be a whole number from 1 to 100000."));
        d.reject();
    });
    window->run(Command::ExportNetwork);
    EXPECT_TRUE(script.done());
}

TEST_F(BlockTest, MeasuredTransistorFromTheToolbox)
{
    const QString file = QStringLiteral(ZELVO_TESTDATA_DIR
                                        "/touchstone/BFU520_05V0_010mA_NF_SP.s2p");
    if (!QFile::exists(file))
        GTEST_SKIP() << "BFU520 data not there";
    addPoint(30, -20, 1e9);
    addPoint(25, -30, 1.5e9);
    addPoint(20, -40, 3e9); // beyond the measured 2 GHz
    script.then([](QDialog& d) {
        const QString facts = d.findChild<QLabel*>(QStringLiteral("facts"))->text();
        EXPECT_TRUE(facts.contains(QStringLiteral("Measured: 400.000 MHz to 2.000 GHz, 37 "
                                                  "frequencies")));
        EXPECT_TRUE(facts.contains(QStringLiteral("Noise data: 37 frequencies")));
        clickOk(d);
    });
    recorder.fileNames.push_back(file);
    window->run(Command::InsertBlock);
    ASSERT_EQ(design().elementCount, 1);
    window->run(Command::Wideband);
    EXPECT_TRUE(design().widebandDone);
    EXPECT_FALSE(design().widebandSkipped[1]);
    EXPECT_TRUE(design().widebandSkipped[2]);
    // The chain end at the file's 1000 MHz line, by the closed form.
    const std::complex<double> s11 = std::polar(0.4684, -156.95 * M_PI / 180),
                               s21 = std::polar(7.5769, 89.52 * M_PI / 180),
                               s12 = std::polar(0.05691, 48.68 * M_PI / 180),
                               s22 = std::polar(0.40351, -55.64 * M_PI / 180);
    const std::complex<double> g = (std::complex<double>(30, -20) - 50.0) /
                                   (std::complex<double>(30, -20) + 50.0);
    const std::complex<double> gin = s11 + s12 * s21 * g / (1.0 - s22 * g);
    const std::complex<double> zin = 50.0 * (1.0 + gin) / (1.0 - gin);
    EXPECT_NEAR(element(0).rEnd, zin.real(), 1e-9 * std::abs(zin));
    EXPECT_NEAR(element(0).xEnd, zin.imag(), 1e-9 * std::abs(zin));
}

TEST(BlockCommandLine, TouchstoneToolWritesTheNetworkAndRefusesBadSweeps)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    appendDataPoint(*d, {30, -20, 1e9});
    appendDataPoint(*d, {30, -20, 2e9});
    appendElement(*d, zelvo::testing::element(ElementKind::IS, 5e-9));
    ASSERT_EQ(writeDesignFile(*d, folder + "/m.zvc"), designFileOk);
    const auto run = [&](Arguments args) {
        args.insert(args.begin(), {"zelvo", "touchstone"});
        return runTool(args);
    };
    const std::string design = folder + "/m.zvc";
    const std::string out = folder + "/m.s2p";
    ToolRun r = run({design, "-o", out});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Network exported to '" + out + "': 401 frequencies.\n");
    SParamSet set;
    ASSERT_EQ(loadTouchstoneFile(set, out).status, LoadStatus::Ok);
    EXPECT_EQ(set.validPoints(), 401);
    EXPECT_DOUBLE_EQ(set.points.front().frequency, 0.9e9); // 10 % of the span below 1 GHz

    r = run({design, "-o", out, "--start", "1.5 GHz", "--stop", "1700MHz", "--points", "3"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(loadTouchstoneFile(set, out).status, LoadStatus::Ok);
    ASSERT_EQ(set.validPoints(), 3);
    EXPECT_EQ(set.points[1].frequency, 1.6e9);

    r = run({design, "-o", out, "--stop", "1k"});
    EXPECT_EQ(r.exitCode, toolBadUsage);
    EXPECT_NE(r.err.find("The stop frequency must be greater than the start frequency."),
              std::string::npos);
    r = run({design, "-o", out, "--start", "x"});
    EXPECT_EQ(r.exitCode, toolBadUsage);
    r = run({design, "-o", out, "--points"});
    EXPECT_EQ(r.exitCode, toolBadUsage);
    r = run({folder + "/none.zvc", "-o", out});
    EXPECT_EQ(r.exitCode, toolFailed);
    EXPECT_TRUE(r.out.empty());
}

} // namespace
} // namespace zelvo::testing
