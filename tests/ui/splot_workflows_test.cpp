// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// S-Plot workflows through the real main window: the line dialogs, S11 / S22
// to the chart, the three circle commands and the parameter exports.
#include "dialog_test_support.h"
#include "main_window_fixture.h"

#include "model/design_file.h"
#include "model/point_list.h"
#include "model/twoport_export.h"
#include "render/chart_objects.h"
#include "render/chart_style.h"
#include "render/recording_canvas.h"
#include "ui/dialogs/circle_dialogs.h"
#include "ui/dialogs/sparam_line_dialog.h"

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTemporaryDir>
#include <complex>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zelvo::testing {
namespace {

QString testFile(const char* name)
{
    return QStringLiteral(ZELVO_TESTDATA_DIR "/touchstone/") + QString::fromLatin1(name);
}

std::string fileBytes(const QString& path)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

QListWidget* lines(QDialog& d)
{
    auto* l = d.findChild<QListWidget*>(QStringLiteral("lines"));
    EXPECT_NE(l, nullptr);
    return l;
}

void selectRows(QDialog& d, std::initializer_list<int> rows)
{
    QListWidget* l = lines(d);
    for (int r : rows)
        l->selectionModel()->select(l->model()->index(r, 0), QItemSelectionModel::Select);
}

// Answers a dialog opened from within a scripted step: the script's own timer
// does not fire again while its step runs.
void answerNested(QDialog& outer, std::function<void(QDialog&)> step)
{
    auto* timer = new QTimer(&outer);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &outer, step] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d == &outer || !d->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        step(*d);
    });
    timer->start();
}

struct SPlotTest : MainWindowTest {
    // Loads a real file, or skips the test when the test data is absent.
    bool load(const char* name)
    {
        const QString path = testFile(name);
        if (!QFile::exists(path))
            return false;
        window->run(Command::SPlotMode);
        recorder.fileNames.push_back(path);
        window->run(Command::Open);
        return state.sparams.loaded;
    }
    int circleCalls(void (*draw)(Canvas&, const Design&, const ChartStyle&, const ChartGeometry&))
    {
        RecordingCanvas c;
        ChartGeometry g;
        g.baseRadius = 190;
        draw(c, design(), chartStyle(Settings{}, true, GridMode::Chart), g);
        int n = 0;
        for (const DrawCall& call : c.calls)
            n += call.op == DrawOp::Ellipse || call.op == DrawOp::Arc;
        return n;
    }
    std::vector<std::string> circleListLines()
    {
        std::vector<std::string> out;
        for (const PointListLine& l : pointListLines(design()))
            if (l.kind == ListLineKind::Circle)
                out.push_back(l.text);
        return out;
    }
};

#define LOAD_OR_SKIP(name)                                                                         \
    if (!load(name))                                                                               \
    GTEST_SKIP() << "test data " << name << " not available"

TEST_F(SPlotTest, LineDialogsListThePointsAndSelectByTheirRules)
{
    LOAD_OR_SKIP("NE02103.s2p");
    const LineListSource source = pointLines(state.sparams);
    EXPECT_EQ(source.header, QStringLiteral("f [MHz]\ts11 Mag\ts11 Ang\ts21 Mag\ts21 Ang\ts12Mag\t"
                                            "s12 Ang\ts22 Mag\ts22 Ang"));
    ASSERT_EQ(source.lines.size(), state.sparams.pointCount);
    EXPECT_TRUE(source.lines[0].startsWith(QStringLiteral("100.000\t")));
    EXPECT_TRUE(source.lines[0].endsWith(QLatin1Char('\t')));

    SParamLineDialog several(state, platform, source, SParamLineDialog::Mode::Several);
    EXPECT_EQ(several.windowTitle(), QStringLiteral("s-Parameters"));
    EXPECT_TRUE(several.selected().empty());
    EXPECT_EQ(several.list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_NE(several.findChild<QLabel*>(QStringLiteral("hint")), nullptr);
    selectRows(several, {2, 0}); // list order, not click order
    EXPECT_EQ(several.selected(), (std::vector<int>{0, 2}));

    SParamLineDialog one(state, platform, source, SParamLineDialog::Mode::One);
    EXPECT_EQ(one.windowTitle(), QStringLiteral("Choose a line..."));
    EXPECT_EQ(one.selected(), std::vector<int>{0});
    EXPECT_EQ(one.list()->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(SPlotTest, S11AndS22BecomeDataPointsAtTheirFrequencies)
{
    LOAD_OR_SKIP("NE02103.s2p");
    EXPECT_TRUE(window->menu().action(Command::ImportS11)->isEnabled());
    const SParamSet& set = state.sparams;
    ModalScript modals;
    modals.then([](QDialog& d) {
        selectRows(d, {3, 1});
        clickOk(d);
    });
    window->run(Command::ImportS22);
    ASSERT_TRUE(modals.done());
    ASSERT_EQ(design().dataPointCount, 2);
    int n = 0;
    for (int row : {1, 3}) {
        const SParamPoint& p = set.points[static_cast<std::size_t>(row)];
        const std::complex<double> gamma(p.s22re, p.s22im);
        const std::complex<double> z = 50.0 * (1.0 + gamma) / (1.0 - gamma);
        const DataPoint& dp = design().dataPoints[static_cast<std::size_t>(n++)];
        EXPECT_NEAR(dp.r, z.real(), 1e-9);
        EXPECT_NEAR(dp.x, z.imag(), 1e-9);
        EXPECT_DOUBLE_EQ(dp.f, static_cast<double>(p.frequency) * 1e6);
    }
    EXPECT_EQ(design().historyCount, 2);
    EXPECT_EQ(design().history[0], HistoryEntry::DataPoint);
    EXPECT_EQ(design().startPoint, 1);
    EXPECT_DOUBLE_EQ(design().currentPoint.re, design().dataPoints[0].r);
    EXPECT_TRUE(design().modified);

    // Cancel adds nothing.
    modals.then([](QDialog& d) {
        selectRows(d, {0});
        d.reject();
    });
    window->run(Command::ImportS11);
    EXPECT_EQ(design().dataPointCount, 2);
}

TEST_F(SPlotTest, ImportStopsAtTheDataPointLimitWithOneMessage)
{
    LOAD_OR_SKIP("NE02103.s2p");
    for (int i = 0; i < 147; ++i)
        addPoint(50, i, 1e9);
    ModalScript modals;
    modals.then([](QDialog& d) {
        lines(d)->selectAll();
        clickOk(d);
    });
    window->run(Command::ImportS11);
    EXPECT_EQ(design().dataPointCount, 150);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("Maximum number of 150 datapoints exceeded!\nNo more datapoints possible."));
    EXPECT_EQ(recorder.messages[0].title, QString()); // a limit, not input validation
}

TEST_F(SPlotTest, StabilityCirclesOnBothPlanesUndoAndRedo)
{
    ModalScript modals;
    for (const char* plane : {"inputPlane", "outputPlane"}) {
        modals.then([plane](QDialog& d) { clickButton(d, plane); });
        modals.then(clickOk); // the remembered two-port values
    }
    window->run(Command::StabilityCircles);
    window->run(Command::StabilityCircles);
    ASSERT_TRUE(modals.done());
    ASSERT_EQ(design().stabilityCount, 2);
    // OK on the opened dialog reads back the "%.2E" texts it shows.
    const TwoPort shown = std::get<TwoPort>(validateTwoPort(twoPortFieldTexts(TwoPortDialogMemory{})));
    const StabilityCircleRecord expected = makeStabilityRecord(CirclePlane::Output, shown);
    const StabilityCircleRecord& r = design().stabilityCircles[1];
    EXPECT_EQ(r.plane, CirclePlane::Output);
    EXPECT_EQ(r.stableSide, expected.stableSide);
    EXPECT_EQ(r.k, expected.k);
    EXPECT_EQ(r.s.s21re, expected.s.s21re);
    EXPECT_EQ(design().stabilityCircles[0].plane, CirclePlane::Input);
    EXPECT_EQ(design().historyCount, 2);
    EXPECT_EQ(design().history[1], HistoryEntry::StabCircle);
    EXPECT_TRUE(design().modified);
    EXPECT_EQ(circleListLines().size(), 2u);
    EXPECT_EQ(circleCalls(drawStabilityCircles), 2);

    window->run(Command::Undo);
    window->run(Command::Undo);
    EXPECT_EQ(design().stabilityCount, 0);
    EXPECT_EQ(circleCalls(drawStabilityCircles), 0);
    window->run(Command::Redo);
    EXPECT_EQ(design().stabilityCount, 1);
    EXPECT_EQ(design().stabilityCircles[0].plane, CirclePlane::Input);
}

TEST_F(SPlotTest, CancelAtEveryStepLeavesTheDesignAsItWas)
{
    const std::string before = designFileText(design());
    ModalScript modals;
    modals.then([](QDialog& d) { d.reject(); }); // plane chooser
    window->run(Command::StabilityCircles);
    modals.then([](QDialog& d) { clickButton(d, "inputPlane"); });
    modals.then([](QDialog& d) { d.reject(); }); // two-port dialog
    window->run(Command::StabilityCircles);
    modals.then([](QDialog& d) { clickButton(d, "outputPlane"); });
    modals.then([](QDialog& d) { d.reject(); });
    window->run(Command::GainCircles);
    modals.then([](QDialog& d) { clickButton(d, "outputPlane"); });
    modals.then(clickOk);
    modals.then([](QDialog& d) { d.reject(); }); // gain value dialog closed
    window->run(Command::GainCircles);
    modals.then([](QDialog& d) { d.reject(); }); // noise dialog
    window->run(Command::NoiseCircles);
    ASSERT_TRUE(modals.done());
    EXPECT_EQ(modals.unexpected(), 0);
    EXPECT_EQ(designFileText(design()), before);
    EXPECT_EQ(design().historyCount, 0);
    EXPECT_FALSE(design().modified);
}

TEST_F(SPlotTest, GainCircleAsksForTheGainAndRefusesOneAboveGmax)
{
    GainCircleRecord slot;
    applyGainTwoPort(slot, std::get<TwoPort>(validateTwoPort(twoPortFieldTexts(TwoPortDialogMemory{}))));
    const GainDialogTexts texts = gainDialogTexts(slot);
    EXPECT_EQ(texts.gmax, "20.1 dB");
    ModalScript modals;
    modals.then([](QDialog& d) { clickButton(d, "inputPlane"); });
    modals.then(clickOk);
    modals.then([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("power gain to show"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("k"))->text().toStdString(), texts.k);
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("gmax"))->text().toStdString(), texts.gmax);
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("value"))->text(), QStringLiteral("10"));
        typeInto(d, "value", QStringLiteral("25"));
        clickOk(d);
        EXPECT_TRUE(d.isVisible()); // no circle could be drawn for it
        typeInto(d, "value", QStringLiteral("15"));
        clickOk(d);
    });
    window->run(Command::GainCircles);
    ASSERT_TRUE(modals.done());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_TRUE(recorder.messages[0].text.startsWith(
        QStringLiteral("Desired power gain of P = 25.0dB is bigger than max. possible power gain")));
    ASSERT_EQ(design().gainCount, 1);
    const GainCircleRecord& g = design().gainCircles[0];
    EXPECT_EQ(g.p, 15.0f);
    EXPECT_EQ(g.g, slot.g);
    EXPECT_EQ(design().history[0], HistoryEntry::GainCircle);
    EXPECT_EQ(circleCalls(drawGainCircles), 1);

    // Undone, its slot still holds 15 dB: a two-port whose Gmax is lower is
    // answered with the message and the gain dialog before anything is stored.
    window->run(Command::Undo);
    TwoPortFields lower = twoPortFieldTexts(state.memory.twoPort);
    lower.text[S21First] = "2.5";
    GainCircleRecord probe;
    applyGainTwoPort(probe, std::get<TwoPort>(validateTwoPort(lower)));
    ASSERT_LT(probe.g, 14.0f);
    const QString below = QString::number(std::floor(probe.g) - 1.0);
    modals.then([](QDialog& d) { clickButton(d, "outputPlane"); });
    modals.then([&](QDialog& d) {
        typeInto(d, "s21First", QStringLiteral("2.5"));
        answerNested(d, [&](QDialog& gain) { typeInto(gain, "value", below), clickOk(gain); });
        clickOk(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(recorder.lastMessage().startsWith(QStringLiteral("Desired power gain of P = 15.0dB")));
        clickOk(d); // with the lower gain now in the slot
    });
    modals.then([&](QDialog& d) { typeInto(d, "value", below), clickOk(d); });
    window->run(Command::GainCircles);
    ASSERT_TRUE(modals.done());
    ASSERT_EQ(design().gainCount, 1);
    EXPECT_EQ(design().gainCircles[0].plane, CirclePlane::Output);
    EXPECT_EQ(design().gainCircles[0].p, below.toFloat());
}

TEST_F(SPlotTest, TwoPortDialogValidatesAndImportsALine)
{
    ModalScript modals;
    modals.then([](QDialog& d) { clickButton(d, "inputPlane"); });
    modals.then([this](QDialog& d) {
        clickButton(d, "import"); // no file loaded
        EXPECT_EQ(recorder.lastMessage(),
                  QStringLiteral("No s-Parameter file opened.\nFirst change to s-Plot and open a file!"));
        clickButton(d, "s11Cartesian"); // relabels, keeps the numbers
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("s11FirstLabel"))->text(), QStringLiteral("re"));
        clickOk(d); // 0.64 and -170 read as re and im
        EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Absolute value must be <=1"));
        EXPECT_TRUE(focusedAndSelected(d, "s11First"));
        clickButton(d, "s11Polar");
        typeInto(d, "s12Second", QStringLiteral("0.5x"));
        typeInto(d, "s22First", QStringLiteral("1.5"));
        clickOk(d);
        EXPECT_EQ(recorder.lastMessage(),
                  QStringLiteral("Incorrect number format.\nUse exponential form only."));
        EXPECT_TRUE(focusedAndSelected(d, "s12Second"));
        typeInto(d, "s12Second", QStringLiteral("1e-3"));
        clickOk(d);
        EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be >= 0 and <=1"));
        EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
        EXPECT_TRUE(focusedAndSelected(d, "s22First"));
        d.reject();
    });
    window->run(Command::StabilityCircles);
    ASSERT_TRUE(modals.done());
    EXPECT_EQ(design().stabilityCount, 0);

    // With a file: "Import s-Parameter ..." fills all four groups, polar.
    const QString file = testFile("NE02103.s2p");
    if (!QFile::exists(file))
        GTEST_SKIP() << "test data not available";
    recorder.fileNames.push_back(file);
    window->run(Command::SPlotMode);
    window->run(Command::Open);
    window->run(Command::ChartMode);
    const SParamPoint p = state.sparams.points[1];
    modals.then([](QDialog& d) { clickButton(d, "outputPlane"); });
    modals.then([&](QDialog& d) {
        clickButton(d, "s11Cartesian");
        answerNested(d, [](QDialog& chooser) {
            EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Choose a line..."));
            lines(chooser)->setCurrentRow(1);
            clickOk(chooser);
        });
        clickButton(d, "import");
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("s11Polar"))->isChecked());
        const TwoPortFields expected = importedTwoPortFields(p);
        EXPECT_EQ(field(d, "s21First")->text().toStdString(), expected.text[S21First]);
        EXPECT_EQ(field(d, "s11Second")->text().toStdString(), expected.text[S11Second]);
        char text[32];
        std::snprintf(text, sizeof text, "%.5f", static_cast<double>(p.s21mag));
        EXPECT_EQ(field(d, "s21First")->text().toStdString(), text);
        clickOk(d);
    });
    window->run(Command::StabilityCircles);
    ASSERT_TRUE(modals.done());
    ASSERT_EQ(design().stabilityCount, 1);
    EXPECT_NEAR(design().stabilityCircles[0].s.s21re, p.s21mag * std::cos(p.s21ang), 1e-4);
}

TEST_F(SPlotTest, NoiseCircleFromTheFilesNoiseBlock)
{
    LOAD_OR_SKIP("BFU520_05V0_010mA_NF_SP.s2p");
    window->run(Command::ChartMode);
    ASSERT_GT(state.sparams.noiseCount, 2);
    const NoisePoint np = state.sparams.noise[2];
    ModalScript modals;
    modals.then([&](QDialog& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("noiseLines"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), state.sparams.noiseCount);
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("caption"))->text().toStdString(),
                  state.sparams.fileName);
        list->setCurrentRow(2);
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("normalized"))->isChecked());
        typeInto(d, "nf", field(d, "nfMin")->text()); // NF = NFmin
        clickOk(d);
        EXPECT_EQ(recorder.lastMessage(), QStringLiteral("NF to show must be > NFmin"));
        EXPECT_TRUE(focusedAndSelected(d, "nf"));
        typeInto(d, "nf", QStringLiteral("2.5"));
        clickOk(d);
    });
    window->run(Command::NoiseCircles);
    ASSERT_TRUE(modals.done());
    ASSERT_EQ(design().noiseCount, 1);
    const NoiseCircleRecord& r = design().noiseCircles[0];
    EXPECT_NEAR(r.nfMin, np.fmin, 5e-4); // "%.3f" of the file's value
    EXPECT_NEAR(r.rn, np.rn, 5e-4);
    EXPECT_NEAR(std::abs(std::complex<double>(r.gammaOpt.re, r.gammaOpt.im)), np.gammaMag, 5e-4);
    EXPECT_EQ(r.nf, 2.5);
    EXPECT_EQ(design().history[0], HistoryEntry::NoiseCircle);
    EXPECT_TRUE(design().modified);
    EXPECT_EQ(circleListLines().size(), 1u);
    EXPECT_EQ(circleCalls(drawNoiseCircles), 1);
    // Saved and read back, the circle is still there.
    Design reread;
    ASSERT_EQ(readDesignText(reread, designFileText(design())), 0);
    EXPECT_EQ(reread.noiseCount, 1);
    window->run(Command::Undo);
    EXPECT_EQ(design().noiseCount, 0);
    window->run(Command::Redo);
    EXPECT_EQ(design().noiseCount, 1);
}

TEST_F(SPlotTest, AFailedOpenKeepsTheFileShown)
{
    LOAD_OR_SKIP("NE02103.s2p");
    const std::string name = state.sparams.fileName;
    EXPECT_EQ(window->sPlotFrame(SPlotWindow::Text)->windowTitle().toStdString(), name);
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.s2p"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("! no data\n");
    f.close();
    recorder.fileNames.push_back(bad);
    window->run(Command::Open);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Incorrect file format. Unable\nto read data."));
    EXPECT_TRUE(state.sparams.loaded);
    EXPECT_EQ(state.sparams.fileName, name);
    EXPECT_EQ(state.sparams.pointCount, 9);
    window->run(Command::New); // "&Close"
    EXPECT_FALSE(state.sparams.loaded);
    EXPECT_EQ(window->sPlotFrame(SPlotWindow::Text)->windowTitle(), QStringLiteral("untitled"));
}

TEST_F(SPlotTest, CircleLimitsAreTestedBeforeAnyDialog)
{
    design().stabilityCount = 20;
    design().gainCount = 20;
    design().noiseCount = 20;
    ModalScript modals;
    window->run(Command::StabilityCircles);
    window->run(Command::GainCircles);
    window->run(Command::NoiseCircles);
    EXPECT_TRUE(modals.seen().empty());
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("Max. number of 20 stability circles exceeded!"));
    EXPECT_EQ(recorder.messages[1].text, QStringLiteral("Max. number of 20 const. gain circles exceeded!"));
    EXPECT_EQ(recorder.messages[2].text,
              QStringLiteral("Max. number of 20 const. noise figure circles exceeded!"));
}

TEST_F(SPlotTest, ExportsWriteWhatTheWriterWrites)
{
    LOAD_OR_SKIP("NE02103.s2p");
    QTemporaryDir dir;
    const std::string source = fileBytes(testFile("NE02103.s2p"));
    ModalScript modals;
    const std::pair<Command, ParameterKind> kinds[] = {{Command::ExportH, ParameterKind::H},
                                                       {Command::ExportZ, ParameterKind::Z},
                                                       {Command::ExportY, ParameterKind::Y},
                                                       {Command::ExportA, ParameterKind::A}};
    for (const auto& [command, kind] : kinds) {
        ASSERT_TRUE(window->menu().action(command)->isEnabled());
        const QString path = dir.filePath(QStringLiteral("out.%1").arg(static_cast<char>(kind)));
        recorder.fileNames.push_back(path);
        const bool normalise = kind != ParameterKind::Z;
        modals.then([normalise](QDialog& d) { clickButton(d, normalise ? "normalize" : "notNormalize"); });
        window->run(command);
        ASSERT_TRUE(modals.done());
        EXPECT_EQ(fileBytes(path), exportFileText(state.sparams, kind, normalise, source));
        EXPECT_EQ(recorder.lastMessage(), QStringLiteral("%1-parameter-file '%2' created")
                                              .arg(static_cast<char>(kind))
                                              .arg(path));
    }
    const FileDialogRequest& r = recorder.fileDialogs.back();
    EXPECT_EQ(r.title, QStringLiteral("Filename of A-Parameter-File to save"));
    EXPECT_EQ(r.defaultSuffix, QStringLiteral("A2P"));
    EXPECT_EQ(r.filters.front(), QStringLiteral("A-Parameter-Files (*.A2P)"));
}

TEST_F(SPlotTest, ExportIntoAFolderThatCannotBeWrittenIsReported)
{
    LOAD_OR_SKIP("NE02103.s2p");
    QTemporaryDir dir;
    const QString readOnly = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    const QString path = readOnly + QStringLiteral("/out.h2p");
    std::filesystem::path probe = QFile::encodeName(readOnly).toStdString() + "/probe";
    if (std::ofstream(probe).good())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    recorder.fileNames.push_back(path);
    ModalScript modals;
    window->run(Command::ExportH);
    EXPECT_TRUE(modals.seen().empty()); // no normalisation question
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Error while opening file '%1'\nPermission denied.").arg(path));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace zelvo::testing
