// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The RLC group dialogs, the element value editor, the line impedance query
// and the stub type choice.
#include "dialog_test_support.h"

#include "core/chain.h"
#include "model/design.h"
#include "model/part_losses.h"
#include "ui/dialogs/element_value_dialog.h"
#include "ui/dialogs/line_impedance_dialog.h"
#include "ui/dialogs/loss_fields.h"
#include "ui/dialogs/part_losses_dialog.h"
#include "ui/dialogs/rlc_dialog.h"
#include "ui/dialogs/stub_type_dialog.h"

#include <QTest>
#include <cmath>

namespace zelvo {
namespace {

using testing::DialogTest;
using testing::focusedAndSelected;
using testing::pressOk;
using testing::staysOpen;
using testing::type;

const QString formatMessage =
    QStringLiteral("Incorrect number format.\nUse exponential form only.");

struct WithPoint : DialogTest {
    void SetUp() override
    {
        appendDataPoint(state.design, {25, -10, 1e9});
        state.design.modified = false;
    }
    Element& element(int i) { return state.design.elements[static_cast<std::size_t>(i)]; }
    void append(ElementKind kind, double value)
    {
        Element e;
        e.kind = kind;
        e.value = value;
        e.lineImpedance = 50;
        e.lineEr = 1;
        ASSERT_TRUE(appendElement(state.design, e));
    }
};

using RlcGroups = WithPoint;

TEST_F(RlcGroups, EmptyFieldsAreNamedInOrder)
{
    RlcDialog dialog(state, platform, RlcGroup::Series);
    dialog.show();
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Field for [R] must contain value"));
    EXPECT_TRUE(focusedAndSelected(dialog, "r"));
    type(dialog, "r", QStringLiteral("50"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Field for [L] must contain value"));
    type(dialog, "l", QStringLiteral("10"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Field for [C] must contain value"));
    EXPECT_TRUE(focusedAndSelected(dialog, "c"));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_TRUE(staysOpen(dialog));
    EXPECT_EQ(state.design.elementCount, 0);
}

TEST_F(RlcGroups, ANumberFollowedByTextIsRefused)
{
    RlcDialog dialog(state, platform, RlcGroup::Series);
    dialog.show();
    type(dialog, "r", QStringLiteral("5x"));
    type(dialog, "l", QStringLiteral("10"));
    type(dialog, "c", QStringLiteral("1"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), formatMessage);
    EXPECT_TRUE(focusedAndSelected(dialog, "r"));
    EXPECT_EQ(state.design.elementCount, 0);
}

TEST_F(RlcGroups, ValuesMustBePositive)
{
    RlcDialog dialog(state, platform, RlcGroup::Series);
    dialog.show();
    type(dialog, "r", QStringLiteral("50"));
    type(dialog, "l", QStringLiteral("0"));
    type(dialog, "c", QStringLiteral("-1"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be > 0"));
    EXPECT_TRUE(focusedAndSelected(dialog, "l"));
    EXPECT_EQ(recorder.beeps, 1);
    type(dialog, "l", QStringLiteral("1e39"));
    type(dialog, "c", QStringLiteral("1"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must lie in the range between 0 and 1 H"));
    EXPECT_EQ(state.design.elementCount, 0);
}

TEST_F(RlcGroups, SeriesGroupIsAppendedWithItsEndPoint)
{
    RlcDialog dialog(state, platform, RlcGroup::Series);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("RLC Series"));
    EXPECT_EQ(testing::combo(dialog, "rUnit")->currentText(), QStringLiteral("Ohm"));
    EXPECT_EQ(testing::combo(dialog, "lUnit")->currentText(), QStringLiteral("nH"));
    EXPECT_EQ(testing::combo(dialog, "cUnit")->currentText(), QStringLiteral("pF"));
    type(dialog, "r", QStringLiteral("2"));
    type(dialog, "l", QStringLiteral("10"));
    type(dialog, "c", QStringLiteral("2.2"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(state.design.elementCount, 1);
    const Element& e = element(0);
    EXPECT_EQ(e.kind, ElementKind::RlcSeries);
    EXPECT_EQ(e.rlcR, 2.0);
    // Products taken in single precision.
    EXPECT_EQ(e.rlcL, static_cast<double>(10.0f * 1e-9f));
    EXPECT_EQ(e.rlcC, static_cast<double>(2.2f * 1e-12f));
    EXPECT_EQ(e.rBegin, 25.0);
    EXPECT_EQ(e.xBegin, -10.0);
    const Complex end = transformElement(e, {25, -10}, 1e9, 1e9);
    EXPECT_EQ(e.rEnd, end.re);
    EXPECT_EQ(e.xEnd, end.im);
    EXPECT_EQ(state.design.history[1], HistoryEntry::Element);
    EXPECT_TRUE(state.design.modified);
}

TEST_F(RlcGroups, ShuntDialogMakesAParallelGroupInKOhmAndMicroUnits)
{
    RlcDialog dialog(state, platform, RlcGroup::Shunt);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("RLC Shunt"));
    type(dialog, "r", QStringLiteral("1.5"));
    testing::combo(dialog, "rUnit")->setCurrentText(QStringLiteral("kOhm"));
    type(dialog, "l", QStringLiteral("1"));
    testing::combo(dialog, "lUnit")->setCurrentText(QStringLiteral("uH"));
    type(dialog, "c", QStringLiteral("1e3"));
    pressOk(dialog);
    ASSERT_EQ(state.design.elementCount, 1);
    EXPECT_EQ(element(0).kind, ElementKind::RlcParallel);
    EXPECT_EQ(element(0).rlcR, 1500.0);
    EXPECT_EQ(element(0).rlcL, static_cast<double>(1.0f * 1e-6f));
    EXPECT_EQ(element(0).rlcC, static_cast<double>(1e3f * 1e-12f));
}

TEST_F(RlcGroups, RefusedAfterTheWidebandEvaluation)
{
    state.design.widebandDone = true;
    RlcDialog dialog(state, platform, RlcGroup::Series);
    type(dialog, "r", QStringLiteral("1"));
    type(dialog, "l", QStringLiteral("1"));
    type(dialog, "c", QStringLiteral("1"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Wideband calculation done.\nNo more elements possible."));
    EXPECT_EQ(state.design.elementCount, 0);
}

using ElementEditor = WithPoint;

TEST_F(ElementEditor, ShowsEachKindInItsUnit)
{
    struct Row {
        ElementKind kind;
        double value;
        const char* text;
        const char* unit;
    };
    const Row rows[] = {
        {ElementKind::CS, 2.2e-12, "2.200", "pF"}, {ElementKind::CP, 4.7e-9, "4.700", "nF"},
        {ElementKind::CS, 1e-6, "1.000", "uF"},    {ElementKind::CS, 5e-14, "0.050", "pF"},
        {ElementKind::IS, 8.2e-9, "8.200", "nH"},  {ElementKind::IP, 3.3e-6, "3.300", "uH"},
        {ElementKind::IS, 9e-10, "900.000", "pH"}, {ElementKind::RS, 999, "999.000", "Ohm"},
        {ElementKind::RP, 1500, "1.500", "kOhm"},  {ElementKind::LS, 0.125, "0.125", "Lambda"},
    };
    int row = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        append(r.kind, r.value);
        ElementValueDialog dialog(state, platform, elementEditCode(r.kind, row++));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Element value"));
        EXPECT_EQ(testing::field(dialog, "value")->text(), QString::fromLatin1(r.text));
        EXPECT_EQ(testing::combo(dialog, "valueUnit")->currentText(), QString::fromLatin1(r.unit));
    }
    EXPECT_EQ(row, 10);
}

TEST_F(ElementEditor, OkWithoutChangeKeepsTheExactValueAndRecordsIt)
{
    append(ElementKind::CS, 2.23456789e-12);
    const int entries = state.design.historyCount;
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::CS, 0));
    EXPECT_EQ(testing::field(dialog, "value")->text(), QStringLiteral("2.235"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(element(0).value, 2.23456789e-12);
    EXPECT_EQ(state.design.historyCount, entries + 1);
    EXPECT_EQ(state.design.history[static_cast<std::size_t>(entries)], HistoryEntry::EditElement);
}

TEST_F(ElementEditor, NewValueRecomputesTheChainAndUndoRestoresIt)
{
    append(ElementKind::IS, 1e-9);
    append(ElementKind::CP, 1e-12);
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::IS, 0));
    type(dialog, "value", QStringLiteral("2"));
    pressOk(dialog);
    EXPECT_EQ(element(0).value, 2e-9);
    // Series L of 2 nH at 1 GHz: X rises by 2 pi f L.
    EXPECT_NEAR(element(0).xEnd, -10 + 6.28318530718 * 1e9 * 2e-9, 1e-12);
    EXPECT_EQ(element(1).rBegin, element(0).rEnd);
    EXPECT_EQ(element(1).xBegin, element(0).xEnd);
    ASSERT_TRUE(undoLast(state.design));
    EXPECT_EQ(element(0).value, 1e-9);
}

TEST_F(ElementEditor, BoundsKeepTheOldValueAndClose)
{
    struct Row {
        ElementKind kind;
        double value;
        const char* typed;
        const char* unit;
        const char* message;
    };
    const Row rows[] = {
        {ElementKind::CS, 1e-12, "200", "uF", "Value must be less than 100uF"},
        {ElementKind::CP, 1e-12, "0.00001", "pF", "Value must be greater than 0.1fF"},
        {ElementKind::IS, 1e-9, "0.5", "pH", "Value must be greater than 1pH"},
        {ElementKind::IP, 1e-9, "2000", "uH", "Value must be less than 1mH"},
    };
    int row = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.message);
        append(r.kind, r.value);
        ElementValueDialog dialog(state, platform, elementEditCode(r.kind, row));
        dialog.show();
        type(dialog, "value", QString::fromLatin1(r.typed));
        testing::combo(dialog, "valueUnit")->setCurrentText(QString::fromLatin1(r.unit));
        pressOk(dialog);
        EXPECT_EQ(recorder.lastMessage(), QString::fromLatin1(r.message));
        EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
        EXPECT_EQ(element(row).value, r.value);
        EXPECT_FALSE(staysOpen(dialog));
        EXPECT_EQ(state.design.historyCount, 2 + row); // the point and the elements only
        ++row;
    }
    EXPECT_EQ(row, 4);
}

TEST_F(ElementEditor, ZeroOrTextKeepsTheDialogOpen)
{
    append(ElementKind::RS, 10);
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::RS, 0));
    dialog.show();
    type(dialog, "value", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be > 0"));
    EXPECT_TRUE(focusedAndSelected(dialog, "value"));
    type(dialog, "value", QStringLiteral("12 Ohm"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), formatMessage);
    EXPECT_TRUE(staysOpen(dialog));
    EXPECT_EQ(element(0).value, 10.0);
}

TEST_F(ElementEditor, LineLengthInMillimetresIsReducedByHalfWavelengths)
{
    append(ElementKind::LS, 0.1);
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::LS, 0));
    EXPECT_EQ(testing::field(dialog, "er")->text(), QStringLiteral("1.000"));
    EXPECT_EQ(testing::field(dialog, "impedance")->text(), QStringLiteral("50.00"));
    type(dialog, "value", QStringLiteral("200"));
    testing::combo(dialog, "valueUnit")->setCurrentText(QStringLiteral("mm"));
    type(dialog, "er", QStringLiteral("2.2"));
    type(dialog, "impedance", QStringLiteral("75"));
    pressOk(dialog);
    // lambda = 299.792458 mm at 1 GHz: 200 mm leaves 200 - 149.896229 =
    // 50.103771 mm, 0.16713 wavelengths (the float wavelength moves the 6th digit).
    EXPECT_NEAR(element(0).value, 50.103771 / 299.792458, 1e-6);
    EXPECT_EQ(element(0).lineEr, 2.2f);
    EXPECT_EQ(element(0).lineImpedance, 75.0f);
    EXPECT_DOUBLE_EQ(lineLengthFromMm(100, 1e9), 0.1 / static_cast<double>(0.299792458f));
}

TEST_F(ElementEditor, RefusedLineImpedanceChangesNothing)
{
    append(ElementKind::LPO, 0.1);
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::LPO, 0));
    dialog.show();
    type(dialog, "value", QStringLiteral("0.2"));
    type(dialog, "impedance", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be > 0"));
    EXPECT_TRUE(focusedAndSelected(dialog, "impedance"));
    EXPECT_EQ(element(0).value, 0.1);
    EXPECT_EQ(element(0).lineImpedance, 50.0f);
}

TEST_F(ElementEditor, ARefusedEditLeavesTheDesignExactlyAsItWas)
{
    // As placed with the mouse: the end is where the pointer was, not
    // exactly where a recomputation would put it.
    Element g;
    g.kind = ElementKind::RlcSeries;
    g.rlcR = 10;
    g.rlcL = 1e-9;
    g.rlcC = 1e-12;
    g.rBegin = 25;
    g.xBegin = -10;
    g.rEnd = 35.5;
    g.xEnd = -150.25;
    ASSERT_TRUE(appendElementAsPlaced(state.design, g));
    state.design.modified = false;
    const int entries = state.design.historyCount;
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::RlcSeries, 0));
    dialog.show();
    type(dialog, "value", QStringLiteral("20"));
    type(dialog, "l", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be > 0"));
    type(dialog, "l", QStringLiteral("1"));
    type(dialog, "c", QStringLiteral("1e39"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must lie in the range between 0 and 1 F"));
    testing::press(dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(element(0).rlcR, 10.0);
    EXPECT_EQ(element(0).rEnd, 35.5);
    EXPECT_EQ(element(0).xEnd, -150.25);
    EXPECT_EQ(state.design.historyCount, entries);
    EXPECT_FALSE(state.design.modified);
}

TEST_F(ElementEditor, ValuesBeyondWhatAnElementCanBeAreRefusedWithTheirRange)
{
    append(ElementKind::RS, 10);
    append(ElementKind::LS, 0.1);
    ElementValueDialog r(state, platform, elementEditCode(ElementKind::RS, 0));
    r.show();
    type(r, "value", QStringLiteral("1e308"));
    pressOk(r);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Value must lie in the range between 0 and 1E9 Ohm"));
    EXPECT_TRUE(staysOpen(r));
    ElementValueDialog line(state, platform, elementEditCode(ElementKind::LS, 1));
    line.show();
    type(line, "er", QStringLiteral("1e39"));
    pressOk(line);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must lie in the range between 0 and 1000"));
    EXPECT_TRUE(focusedAndSelected(line, "er"));
    EXPECT_EQ(element(0).value, 10.0);
    EXPECT_EQ(element(1).lineEr, 1.0f);
}

TEST_F(ElementEditor, RlcGroupEditsItsThreeValues)
{
    Element g;
    g.kind = ElementKind::RlcParallel;
    g.rlcR = 100;
    g.rlcL = 1e-9;
    g.rlcC = 1e-12;
    ASSERT_TRUE(appendElement(state.design, g));
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::RlcParallel, 0));
    EXPECT_EQ(testing::field(dialog, "value")->text(), QStringLiteral("100.000"));
    EXPECT_EQ(testing::field(dialog, "l")->text(), QStringLiteral("1.000"));
    EXPECT_EQ(testing::combo(dialog, "lUnit")->currentText(), QStringLiteral("nH"));
    EXPECT_EQ(testing::field(dialog, "c")->text(), QStringLiteral("1.000"));
    type(dialog, "l", QStringLiteral("4.7"));
    pressOk(dialog);
    EXPECT_EQ(element(0).rlcR, 100.0);
    EXPECT_DOUBLE_EQ(element(0).rlcL, 4.7e-9);
    EXPECT_EQ(element(0).rlcC, 1e-12);
    EXPECT_EQ(element(0).rEnd, transformElement(element(0), {25, -10}, 1e9, 1e9).re);
}

TEST_F(ElementEditor, WidebandFollowsTheEdit)
{
    appendDataPoint(state.design, {30, 5, 2e9});
    append(ElementKind::TR, 2);
    ASSERT_FALSE(runWideband(state.design).has_value());
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::TR, 0));
    type(dialog, "value", QStringLiteral("3"));
    pressOk(dialog);
    EXPECT_EQ(state.design.widebandR[1], 9 * 30.0);
    EXPECT_EQ(state.design.widebandX[1], 9 * 5.0);
    testing::press(dialog, QDialogButtonBox::Help);
    EXPECT_EQ(recorder.helpTopics.back(), QStringLiteral("Edit Element Value"));
}

using LineImpedance = WithPoint;

TEST_F(LineImpedance, RemembersValuesAndFillsTheSlotBeingPlaced)
{
    LineImpedanceDialog dialog(state, platform);
    EXPECT_EQ(testing::field(dialog, "impedance")->text(), QStringLiteral("50.0"));
    EXPECT_EQ(testing::field(dialog, "er")->text(), QStringLiteral("1.0"));
    type(dialog, "impedance", QStringLiteral("75.25"));
    type(dialog, "er", QStringLiteral("4.5"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.memory.lineImpedance, 75.25f);
    EXPECT_EQ(element(0).lineImpedance, 75.25f);
    EXPECT_EQ(element(0).lineEr, 4.5f);

    // Shown rounded to one decimal, kept exact when confirmed unchanged.
    LineImpedanceDialog again(state, platform);
    EXPECT_EQ(testing::field(again, "impedance")->text(), QStringLiteral("75.2"));
    pressOk(again);
    EXPECT_EQ(state.memory.lineImpedance, 75.25f);
}

TEST_F(LineImpedance, RefusesInOrder)
{
    LineImpedanceDialog dialog(state, platform);
    dialog.show();
    type(dialog, "impedance", QStringLiteral("0"));
    type(dialog, "er", QStringLiteral("0.5"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be > 0"));
    EXPECT_TRUE(focusedAndSelected(dialog, "impedance"));
    type(dialog, "impedance", QStringLiteral("50"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be >= 1"));
    EXPECT_TRUE(focusedAndSelected(dialog, "er"));
    type(dialog, "er", QStringLiteral("1e39"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must lie in the range between 1 and 1000"));
    type(dialog, "impedance", QStringLiteral("1e308"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Value must lie in the range between 0 and 1E6 Ohm"));
    EXPECT_TRUE(focusedAndSelected(dialog, "impedance"));
    EXPECT_EQ(state.memory.lineImpedance, 50.0f);
    // Esc ends it without a value: the caller does not place the line.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(WithPoint, StubTypeChoosesTheEnd)
{
    StubTypeDialog shorted(state, platform);
    EXPECT_EQ(shorted.windowTitle(), QStringLiteral("Stub type"));
    testing::button(shorted, "shorted")->click();
    EXPECT_EQ(shorted.choice(), ElementKind::LPS);
    StubTypeDialog open(state, platform);
    testing::button(open, "open")->click();
    EXPECT_EQ(open.choice(), ElementKind::LPO);
    StubTypeDialog none(state, platform);
    none.reject();
    EXPECT_EQ(none.choice(), ElementKind::None);
}

} // namespace
} // namespace zelvo

namespace zelvo {
namespace {

using testing::DialogTest;
using testing::focusedAndSelected;
using testing::pressOk;
using testing::staysOpen;
using testing::type;

struct LossEditor : DialogTest {
    void SetUp() override { appendDataPoint(state.design, {25, -10, 1e9}); }
    Element& element(int i) { return state.design.elements[static_cast<std::size_t>(i)]; }
    void append(ElementKind kind, double value)
    {
        Element e;
        e.kind = kind;
        e.value = value;
        e.lineImpedance = 50;
        e.lineEr = 1;
        ASSERT_TRUE(appendElement(state.design, e));
    }
};

TEST_F(LossEditor, LossesAreOneUndoableEditOfTheElement)
{
    append(ElementKind::IS, 5e-9);
    append(ElementKind::CP, 1e-12);
    const Element before = element(0);
    {
        ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::IS, 0));
        EXPECT_EQ(testing::field(dialog, "lossQ")->text(), QString());
        EXPECT_EQ(testing::field(dialog, "lossSrf")->text(), QString());
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("lossEsr")), nullptr);
        type(dialog, "lossQ", QStringLiteral("30"));
        type(dialog, "lossQAt", QStringLiteral("2.4"));
        testing::combo(dialog, "lossQAtUnit")->setCurrentText(QStringLiteral("GHz"));
        testing::combo(dialog, "lossQLaw")->setCurrentIndex(1);
        type(dialog, "lossSrf", QStringLiteral("8"));
        testing::combo(dialog, "lossSrfUnit")->setCurrentText(QStringLiteral("GHz"));
        pressOk(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const PartLoss want{.q = 30, .qFrequency = 2.4e9, .qLaw = QLaw::Sqrt, .srf = 8e9};
    EXPECT_EQ(element(0).loss, want);
    EXPECT_EQ(element(0).value, 5e-9);
    const Complex end = transformElement(element(0), {25, -10}, 1e9, 1e9);
    EXPECT_EQ(element(0).rEnd, end.re);
    EXPECT_EQ(element(0).xEnd, end.im);
    EXPECT_GT(element(0).rEnd, 25.0); // R = wL / Q(1 GHz) joins the begin's
    EXPECT_EQ(element(1).rBegin, end.re);
    EXPECT_EQ(state.design.history[static_cast<std::size_t>(state.design.historyCount - 1)],
              HistoryEntry::EditElement);
    {
        // Shown again as typed; OK without a change keeps the exact values.
        ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::IS, 0));
        EXPECT_EQ(testing::field(dialog, "lossQ")->text(), QStringLiteral("30"));
        EXPECT_EQ(testing::field(dialog, "lossQAt")->text(), QStringLiteral("2.400"));
        EXPECT_EQ(testing::combo(dialog, "lossQLaw")->currentIndex(), 1);
        EXPECT_EQ(testing::field(dialog, "lossSrf")->text(), QStringLiteral("8.000"));
        pressOk(dialog);
        EXPECT_EQ(element(0).loss, want);
    }
    ASSERT_TRUE(undoLast(state.design));
    ASSERT_TRUE(undoLast(state.design));
    EXPECT_EQ(element(0).loss, PartLoss{});
    EXPECT_EQ(element(0).rEnd, before.rEnd);
    EXPECT_EQ(element(0).xEnd, before.xEnd);
    ASSERT_TRUE(redoNext(state.design));
    EXPECT_EQ(element(0).loss, want);
}

TEST_F(LossEditor, LossFieldsAreCheckedBeforeAnythingChanges)
{
    append(ElementKind::CS, 2e-12);
    append(ElementKind::LPO, 0.1);
    const int entries = state.design.historyCount;
    struct Row {
        const char* field;
        const char* text;
        const char* message;
    };
    const Row capacitorRows[] = {
        {"lossQ", "0.5", "Value must lie in the range between 1 and 1E6"},
        {"lossQ", "1x", "Incorrect number format.\nUse exponential form only."},
        {"lossQAt", "2000", "Value must lie in the range between 0 and 1000 GHz"},
        {"lossEsr", "2000", "Value must lie in the range between 0 and 1000 Ohm"},
        {"lossEsl", "2000", "Value must lie in the range between 0 and 1 uH"},
    };
    int refused = 0;
    for (const Row& r : capacitorRows) {
        SCOPED_TRACE(r.text);
        ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::CS, 0));
        dialog.show();
        if (std::string_view(r.field) != "lossQ")
            type(dialog, "lossQ", QStringLiteral("100"));
        if (std::string_view(r.field) == "lossEsl" || std::string_view(r.field) == "lossEsr")
            type(dialog, "lossQ", QString());
        type(dialog, r.field, QString::fromLatin1(r.text));
        if (std::string_view(r.field) == "lossEsl")
            testing::combo(dialog, "lossEslUnit")->setCurrentText(QStringLiteral("nH"));
        pressOk(dialog);
        EXPECT_EQ(recorder.lastMessage(), QString::fromLatin1(r.message));
        EXPECT_TRUE(focusedAndSelected(dialog, r.field));
        EXPECT_TRUE(staysOpen(dialog));
        ++refused;
    }
    EXPECT_EQ(refused, 5);
    {
        ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::CS, 0));
        dialog.show();
        type(dialog, "lossQ", QStringLiteral("100"));
        type(dialog, "lossEsr", QStringLiteral("0.1"));
        pressOk(dialog);
        EXPECT_EQ(recorder.lastMessage(), QString::fromLatin1(qOrEsrText));
        EXPECT_TRUE(focusedAndSelected(dialog, "lossEsr"));
    }
    {
        ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::LPO, 1));
        dialog.show();
        type(dialog, "lossDb", QStringLiteral("12"));
        pressOk(dialog);
        EXPECT_EQ(recorder.lastMessage(),
                  QStringLiteral("Value must lie in the range between 0 and 10 dB per wavelength"));
        EXPECT_TRUE(focusedAndSelected(dialog, "lossDb"));
    }
    EXPECT_EQ(element(0).loss, PartLoss{});
    EXPECT_EQ(element(1).loss, PartLoss{});
    EXPECT_EQ(state.design.historyCount, entries);

    // A Q without its frequency holds at the design frequency; a line's loss
    // in dB per wavelength.
    {
        ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::CS, 0));
        type(dialog, "lossQ", QStringLiteral("100"));
        type(dialog, "lossQAt", QString());
        pressOk(dialog);
    }
    EXPECT_EQ(element(0).loss, (PartLoss{.q = 100, .qFrequency = 1e9}));
    {
        ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::LPO, 1));
        type(dialog, "lossDb", QStringLiteral("0.4"));
        pressOk(dialog);
    }
    EXPECT_EQ(element(1).loss, (PartLoss{.lineDb = 0.4}));
}

TEST_F(LossEditor, PartLossesDialogSetsTheLossesOfNewParts)
{
    PartLossesDialog dialog(state, platform);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Part Losses"));
    type(dialog, "inductorQ", QStringLiteral("30"));
    type(dialog, "capacitorEsr", QStringLiteral("0.05"));
    type(dialog, "lineDb", QStringLiteral("0.2"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const PartLossDefaults& d = state.settings.partLosses;
    EXPECT_EQ(d.inductor, (PartLoss{.q = 30})); // its frequency comes with the design
    EXPECT_EQ(d.capacitor, (PartLoss{.esr = 0.05}));
    EXPECT_EQ(d.line, (PartLoss{.lineDb = 0.2}));
    EXPECT_EQ(defaultLossFor(d, ElementKind::IP, 2.4e9), (PartLoss{.q = 30, .qFrequency = 2.4e9}));

    PartLossesDialog again(state, platform);
    again.show();
    EXPECT_EQ(testing::field(again, "inductorQ")->text(), QStringLiteral("30"));
    EXPECT_EQ(testing::field(again, "inductorQAt")->text(), QString());
    type(again, "capacitorQ", QStringLiteral("-3"));
    pressOk(again);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must lie in the range between 1 and 1E6"));
    EXPECT_TRUE(focusedAndSelected(again, "capacitorQ"));
    EXPECT_EQ(state.settings.partLosses, d);
}

} // namespace
} // namespace zelvo
