// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Live tuning, matching and optimising through the real windows.
#include "main_window_fixture.h"

#include "core/format.h"
#include "core/synthesis.h"
#include "model/design_file.h"
#include "model/point_list.h"
#include "render/schematic.h"
#include "render/schematic_text.h"
#include "support/element_builders.h"
#include "ui/chart_paint.h"
#include "ui/chart_window.h"
#include "ui/dialogs/match_dialog.h"
#include "ui/dialogs/optimise_dialog.h"
#include "ui/point_list_window.h"
#include "ui/schematic_window.h"
#include "ui/tuner.h"
#include "ui/tuner_dock.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

namespace zelvo::testing {
namespace {

struct TuningTest : MainWindowTest {
    void SetUp() override
    {
        MainWindowTest::SetUp();
        addPoint(20, -30, 1e9);
        addPoint(24, -22, 1.1e9);
        appendElement(design(), element(ElementKind::IS, 10e-9));
        appendElement(design(), element(ElementKind::CP, 2e-12));
        appendElement(design(), element(ElementKind::LS, 0.05));
        window->repaintAll();
        QApplication::processEvents();
    }

    SchematicWindow* schematic() { return window->schematic(); }
    // A point inside element row `row` of the schematic.
    QPoint rowPoint(int row) { return {40, (row + 1) * schematicRowHeight + 10 + 4}; }

    void wheel(int row, int delta, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* vp = schematic()->viewport();
        const QPoint p = rowPoint(row);
        QWheelEvent e(QPointF(p), QPointF(vp->mapToGlobal(p)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(vp, &e);
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(schematic(), &e);
    }
    QString zText(Complex z)
    {
        return QString::fromStdString(z.im < 0 ? printfString("%.2f - j%.2f", z.re, -z.im)
                                               : printfString("%.2f + j%.2f", z.re, z.im));
    }
};

TEST_F(TuningTest, WheelAndKeysTuneTheElementUnderThePointerInOneUndoStep)
{
    const int entries = design().historyCount;
    wheel(1, 120);
    EXPECT_EQ(window->tuner().selected(), 1);
    EXPECT_NEAR(design().elements[1].value, 2e-12 * 1.01, 1e-24);
    key(Qt::Key_Up);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NEAR(design().elements[1].value, 2e-12 * 1.01 * 1.01 / 1.001, 1e-24);
    EXPECT_EQ(design().historyCount, entries + 1);

    // The chain, the readouts of its end and the data point list follow.
    const Element& last = design().elements[2];
    EXPECT_EQ(last.rBegin, design().elements[1].rEnd);
    EXPECT_EQ(readout(Readout::Z), zText({last.rEnd, last.xEnd}));
    const std::string endText = printfString("(%.3f", last.rEnd);
    bool listed = false;
    for (const PointListLine& l : pointListLines(design()))
        listed |= l.kind == ListLineKind::Element && l.impedance.starts_with(endText);
    EXPECT_TRUE(listed) << endText;

    // Another element: a session of its own.
    wheel(0, -240);
    EXPECT_NEAR(design().elements[0].value, 10e-9 / 1.01 / 1.01, 1e-20);
    EXPECT_EQ(design().historyCount, entries + 2);
    window->run(Command::Undo);
    EXPECT_DOUBLE_EQ(design().elements[0].value, 10e-9);
    window->run(Command::Undo);
    EXPECT_DOUBLE_EQ(design().elements[1].value, 2e-12);
    window->run(Command::Redo);
    EXPECT_NEAR(design().elements[1].value, 2e-12 * 1.01 * 1.01 / 1.001, 1e-24);
}

// Pixels in which two pictures of the same size differ.
int differingPixels(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return -1;
    int n = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            n += x.pixel(col, row) != y.pixel(col, row);
    return n;
}

TEST_F(TuningTest, TheChartFollowsEachStepAndSettlesToTheWholePicture)
{
    const auto shown = [this] { return chart()->grab().toImage(); };
    const auto whole = [this] {
        return chartBaseImage(state, chart()->devicePixelRatioF(),
                              QFontMetrics(chart()->font()).height());
    };
    const QImage before = shown();
    ASSERT_EQ(differingPixels(before, whole()), 0);
    wheel(0, 360);
    const QImage during = shown();
    // The kept picture with the chain over it: the elements moved, and only
    // where a number crosses another mark may the order of drawing show.
    EXPECT_GT(differingPixels(during, before), 200);
    const int left = differingPixels(during, whole());
    EXPECT_GE(left, 0);
    EXPECT_LT(left, 40);
    // A second step starts from the kept picture, not from the first step's.
    wheel(0, -120);
    EXPECT_LT(differingPixels(shown(), whole()), 40);
    window->tuner().endSession();
    EXPECT_EQ(differingPixels(shown(), whole()), 0);
}

TEST_F(TuningTest, APauseEndsTheSession)
{
    const int entries = design().historyCount;
    wheel(2, 120);
    QTest::qWait(Tuner::sessionPauseMs + 200);
    wheel(2, 120);
    EXPECT_EQ(design().historyCount, entries + 2);
}

TEST_F(TuningTest, DockSlidersRangesAndReset)
{
    window->run(Command::Tuner);
    TunerDock* dock = window->tunerDock();
    ASSERT_TRUE(dock->isVisible());
    EXPECT_TRUE(window->menu().action(Command::Tuner)->isChecked());
    for (int row : {0, 1, 2})
        sendMouse(schematic()->viewport(), QEvent::MouseButtonPress, rowPoint(row), Qt::LeftButton);
    ASSERT_NE(dock->slider(2), nullptr);
    EXPECT_EQ(dock->slider(3), nullptr);
    // Middle of the 0.5x..2x range is the present value.
    EXPECT_EQ(dock->slider(2)->value(), TunerDock::sliderSteps / 2);
    dock->slider(2)->setValue(TunerDock::sliderSteps);
    EXPECT_NEAR(design().elements[2].value, 0.1, 1e-12);
    EXPECT_EQ(dock->valueLabel(2)->text(), QString::fromUtf8("0.1000 λ"));
    dock->lowEdit(2)->setText(QStringLiteral("0.01"));
    dock->highEdit(2)->setText(QStringLiteral("0.2"));
    Q_EMIT dock->highEdit(2)->editingFinished();
    dock->slider(2)->setValue(0);
    EXPECT_NEAR(design().elements[2].value, 0.01, 1e-12);
    dock->resetButton(2)->click();
    EXPECT_DOUBLE_EQ(design().elements[2].value, 0.05);
    // Range ends in the element's unit, with or without an SI prefix.
    EXPECT_EQ(dock->highEdit(0)->text(), QStringLiteral("20 nH"));
    dock->lowEdit(0)->setText(QStringLiteral("2.2n"));
    dock->highEdit(0)->setText(QStringLiteral("22 nH"));
    Q_EMIT dock->highEdit(0)->editingFinished();
    EXPECT_NEAR(window->tuner().tuned()[0].low, 2.2e-9, 1e-21);
    EXPECT_NEAR(window->tuner().tuned()[0].high, 22e-9, 1e-21);
    EXPECT_EQ(dock->lowEdit(0)->text(), QStringLiteral("2.2 nH"));
    dock->lowEdit(0)->setText(QStringLiteral("2.2 nF"));
    Q_EMIT dock->lowEdit(0)->editingFinished();
    EXPECT_NEAR(window->tuner().tuned()[0].low, 2.2e-9, 1e-21);
    EXPECT_EQ(dock->lowEdit(0)->text(), QStringLiteral("2.2 nH"));
    // A click on an element's line in the data point list selects it.
    window->tuner().select(-1);
    auto* list = window->pointList();
    const std::vector<PointListLine> lines = pointListLines(design());
    int firstElementLine = 0;
    while (lines[static_cast<std::size_t>(firstElementLine)].kind != ListLineKind::Element)
        ++firstElementLine;
    const int y = (firstElementLine + 1 - list->scroll().firstLine) * list->scroll().lineHeight + 2;
    sendMouse(list->viewport(), QEvent::MouseButtonPress, {20, y}, Qt::LeftButton);
    EXPECT_EQ(window->tuner().selected(), 0);
}

TEST_F(TuningTest, AnotherDesignStartsWithNothingTuned)
{
    // Saved with its elements at other values: the tuner's ranges and reset
    // values of this design would be wrong for it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.zvc"));
    auto other = std::make_unique<Design>(design());
    other->elements[1].value = 5e-12;
    ASSERT_EQ(writeDesignFile(*other, path.toStdString()), designFileOk);
    window->run(Command::Tuner);
    wheel(1, 120);
    ASSERT_EQ(window->tuner().tuned().size(), 1u);
    window->tuner().endSession();
    design().modified = false;
    recorder.fileNames.push_back(path);
    window->run(Command::Open);
    ASSERT_NEAR(design().elements[1].value, 5e-12, 1e-18);
    EXPECT_TRUE(window->tuner().tuned().empty());
    EXPECT_EQ(window->tuner().selected(), -1);
    EXPECT_EQ(window->tunerDock()->slider(0), nullptr);
}

TEST_F(TuningTest, MatchDialogAppliesAnUndoableNetwork)
{
    ModalScript script;
    const int before = design().elementCount;
    script.then([](QDialog& d) {
        auto* list = d.findChild<QTreeWidget*>(QStringLiteral("solutions"));
        ASSERT_NE(list, nullptr);
        ASSERT_GE(list->topLevelItemCount(), 4);
        list->setCurrentItem(list->topLevelItem(0));
        clickButton(d, "apply");
    });
    window->run(Command::MatchAutomatically);
    EXPECT_TRUE(script.done());
    ASSERT_GT(design().elementCount, before);
    const Element& end = design().elements[static_cast<std::size_t>(design().elementCount - 1)];
    EXPECT_NEAR(end.rEnd, 50.0, 1e-6);
    EXPECT_NEAR(end.xEnd, 0.0, 1e-6);
    EXPECT_TRUE(state.matchPreview.empty());
    while (design().elementCount > before)
        window->run(Command::Undo);
    EXPECT_EQ(design().elementCount, before);
}

TEST_F(TuningTest, MatchDialogPreviewsAndRefusesALosslessLoad)
{
    MatchDialog dialog(state, platform, window.get());
    ASSERT_GT(dialog.list()->topLevelItemCount(), 0);
    ASSERT_FALSE(state.matchPreview.empty());
    EXPECT_EQ(state.matchPreview.front().rBegin, design().elements[2].rEnd);

    // A short at the end of the chain: |Gamma| = 1.
    Design& d = design();
    d.elements[2].rEnd = 0.0;
    d.elements[2].xEnd = 25.0;
    dialog.setTarget(MatchDialog::TargetZo);
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
    EXPECT_TRUE(dialog.messageLabel()->text().contains(QStringLiteral("lossless")));
    EXPECT_TRUE(state.matchPreview.empty());
}

TEST_F(TuningTest, MatchDialogPreviewsTheFirstSolutionWhenItOpens)
{
    MatchDialog dialog(state, platform, window.get());
    int repaints = 0;
    dialog.onRepaint = [&] { ++repaints; }; // set after construction, as the command does
    dialog.show();
    EXPECT_GE(repaints, 1);
    ASSERT_FALSE(state.matchPreview.empty());
    EXPECT_EQ(dialog.list()->currentItem(), dialog.list()->topLevelItem(0));
}

TEST_F(TuningTest, MatchDialogListsLumpedNetworksAndSaysWhyLinesAreMissing)
{
    MatchDialog dialog(state, platform, window.get());
    auto* zc = dialog.findChild<QLineEdit*>(QStringLiteral("lineImpedance"));
    ASSERT_NE(zc, nullptr);
    const auto families = [&] {
        QStringList f;
        for (int i = 0; i < dialog.list()->topLevelItemCount(); ++i)
            f << dialog.list()->topLevelItem(i)->text(0);
        return f;
    };
    ASSERT_TRUE(families().contains(QStringLiteral("Shunt stub")));
    for (const char* text : {"-5", "1e400", "2e6", "50x"}) {
        SCOPED_TRACE(text);
        zc->setText(QString::fromLatin1(text));
        Q_EMIT zc->editingFinished();
        EXPECT_TRUE(families().contains(QStringLiteral("L-network")));
        EXPECT_FALSE(families().contains(QStringLiteral("Shunt stub")));
        EXPECT_FALSE(families().contains(QStringLiteral("Quarter wave")));
        const QString why = dialog.messageLabel()->text();
        EXPECT_TRUE(why.startsWith(QStringLiteral("Line and stub impedance: "))) << why.toStdString();
        EXPECT_TRUE(why.endsWith(QStringLiteral("Networks with lines and stubs are not listed.")));
        EXPECT_FALSE(why.contains(QLatin1Char('\r')));
    }
    EXPECT_TRUE(dialog.messageLabel()->text().contains(QStringLiteral("Incorrect number format.\n")));
    zc->setText(QStringLiteral("75"));
    Q_EMIT zc->editingFinished();
    EXPECT_TRUE(families().contains(QStringLiteral("Shunt stub")));
    EXPECT_TRUE(dialog.messageLabel()->text().isEmpty());
}

TEST_F(TuningTest, MatchDialogRefusesTargetsOutsideTheDataPointRanges)
{
    MatchDialog dialog(state, platform, window.get());
    auto* r = dialog.findChild<QLineEdit*>(QStringLiteral("targetR"));
    auto* x = dialog.findChild<QLineEdit*>(QStringLiteral("targetX"));
    r->setText(QStringLiteral("50"));
    const QString reactance =
        QStringLiteral("The target reactance must lie in the range between -1E9 and 1E9 Ohm.");
    for (const char* text : {"1e200", "1e300", "-2e9"}) {
        SCOPED_TRACE(text);
        x->setText(QString::fromLatin1(text));
        dialog.setTarget(MatchDialog::TargetTyped);
        // 1e200 used to list "(no elements needed)" at 120 dB.
        EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
        EXPECT_EQ(dialog.messageLabel()->text(), reactance);
        EXPECT_TRUE(state.matchPreview.empty());
    }
    x->setText(QStringLiteral("0"));
    r->setText(QStringLiteral("2e9"));
    dialog.setTarget(MatchDialog::TargetTyped);
    EXPECT_EQ(dialog.messageLabel()->text(),
              QStringLiteral("The target resistance must lie in the range between 0 and 1E9 Ohm."));
    r->setText(QStringLiteral("50"));
    x->setText(QStringLiteral("1e9"));
    dialog.setTarget(MatchDialog::TargetTyped);
    EXPECT_GT(dialog.list()->topLevelItemCount(), 0);
    EXPECT_TRUE(dialog.messageLabel()->text().isEmpty());
}

TEST_F(TuningTest, DockRefusesRangeEndsTheElementRefuses)
{
    appendElement(design(), element(ElementKind::CS, 10e-12));
    window->repaintAll();
    window->run(Command::Tuner);
    TunerDock* dock = window->tunerDock();
    window->tuner().select(3);
    ASSERT_NE(dock->lowEdit(0), nullptr);
    const Tuner::Tuned before = window->tuner().tuned()[0];
    const QString low = dock->lowEdit(0)->text(), high = dock->highEdit(0)->text();
    // A series C takes at most 100 uF: a 1 F - 10 F range made the knob
    // jump to the clamped value.
    dock->lowEdit(0)->setText(QStringLiteral("1 F"));
    dock->highEdit(0)->setText(QStringLiteral("10 F"));
    Q_EMIT dock->highEdit(0)->editingFinished();
    EXPECT_EQ(lastText(), QString::fromUtf8("Range of 4: series C outside the values the element "
                                            "takes.\nUse values greater than 0 F and at most "
                                            "100 µF."));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_EQ(window->tuner().tuned()[0].low, before.low);
    EXPECT_EQ(window->tuner().tuned()[0].high, before.high);
    EXPECT_EQ(dock->lowEdit(0)->text(), low);
    EXPECT_EQ(dock->highEdit(0)->text(), high);
    EXPECT_DOUBLE_EQ(design().elements[3].value, 10e-12);

    dock->highEdit(0)->setText(QStringLiteral("1e999"));
    Q_EMIT dock->highEdit(0)->editingFinished();
    EXPECT_EQ(lastText(), QStringLiteral("Number too large.\nUse values between -1E308 and 1E308."));
    dock->lowEdit(0)->setText(QStringLiteral("20p"));
    dock->highEdit(0)->setText(QStringLiteral("5p"));
    Q_EMIT dock->highEdit(0)->editingFinished();
    EXPECT_TRUE(lastText().contains(QStringLiteral("lower end must lie below the upper end")));
    const std::size_t shown = recorder.messages.size();
    dock->lowEdit(0)->setText(QStringLiteral("1p"));
    dock->highEdit(0)->setText(QString::fromUtf8("100 µF"));
    Q_EMIT dock->highEdit(0)->editingFinished();
    EXPECT_EQ(recorder.messages.size(), shown);
    EXPECT_DOUBLE_EQ(window->tuner().tuned()[0].high, 1e-4);
}

TEST_F(TuningTest, OptimiserBoundsCarryUnitsAndReadBackExactly)
{
    OptimiseDialog dialog(state, platform, window.get());
    QTableWidget* table = dialog.elementTable();
    // 0.2 and 5 times 10 nH; 0.2 and 5 times 2 pF.
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("2 nH"));
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("50 nH"));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("400 fF"));
    EXPECT_EQ(table->item(1, 3)->text(), QStringLiteral("10 pF"));
    design().elements[0].value = 2.77348e-9; // shown rounded, used exactly
    OptimiseDialog exact(state, platform, window.get());
    EXPECT_EQ(exact.elementTable()->item(0, 2)->text(), QStringLiteral("554.7 pH"));
    std::optional<OptimiseSetup> s = exact.setup();
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->lower[0], 0.2 * 2.77348e-9);
    // Typed like the Tuner's range ends.
    exact.elementTable()->item(1, 3)->setText(QStringLiteral("22p"));
    exact.elementTable()->item(0, 3)->setText(QStringLiteral("0.1 uH"));
    s = exact.setup();
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->upper[1], 22e-12, 1e-24);
    EXPECT_NEAR(s->upper[0], 1e-7, 1e-19);
    // A shunt C takes 0.1 fF and more.
    exact.elementTable()->item(1, 2)->setText(QStringLiteral("0.01f"));
    EXPECT_FALSE(exact.setup());
    EXPECT_EQ(lastText(), QString::fromUtf8("Range of 2: shunt C outside the values the element "
                                            "takes.\nUse values at least 0.1 fF."));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
}

TEST_F(TuningTest, OptimiserResultIsOneUndoStep)
{
    const double before[] = {design().elements[0].value, design().elements[1].value,
                             design().elements[2].value};
    OptimiseDialog dialog(state, platform, window.get());
    int reports = 0;
    dialog.progressOverride = [&](const OptimiseProgress&) { return ++reports < 1000; };
    ASSERT_TRUE(dialog.run());
    EXPECT_GT(reports, 0);
    EXPECT_LT(dialog.result().worst, dialog.result().startWorst);
    EXPECT_NE(design().elements[0].value, before[0]);
    window->run(Command::Undo);
    for (int i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(design().elements[static_cast<std::size_t>(i)].value, before[i]);
}

} // namespace
} // namespace zelvo::testing
