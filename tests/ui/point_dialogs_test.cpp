// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The data point input, the data point editor and the frequency query of a
// mouse-placed point: conversion rules, validation order, exact values.
#include "dialog_test_support.h"

#include "model/design.h"
#include "ui/dialogs/data_point_dialog.h"
#include "ui/dialogs/data_point_rules.h"
#include "ui/dialogs/frequency_dialog.h"

#include <QLabel>
#include <cmath>

namespace zelvo {
namespace {

using testing::DialogTest;
using testing::focusedAndSelected;
using testing::pressOk;
using testing::staysOpen;
using testing::type;

constexpr std::uint8_t zCart = formatImpedance | formatCartesian;
constexpr std::uint8_t zPolar = formatImpedance | formatPolar;
constexpr std::uint8_t yCart = formatAdmittance | formatCartesian;
constexpr std::uint8_t yPolar = formatAdmittance | formatPolar;
constexpr std::uint8_t gCart = formatReflection | formatCartesian;
constexpr std::uint8_t gPolar = formatReflection | formatPolar;

struct RuleRow {
    std::uint8_t format;
    double first, second;
    // Expected impedance, or the refusal text (empty when accepted).
    double r, x;
    const char* refusal;
    PointField field;
};

// Hand-worked values; 1e-9 ohm absorbs the rounding of cos/sin with the
// program's 2*pi of 6.28318530718 (a relative error near 1e-12).
constexpr double tol = 1e-9;

TEST(DataPointRules, InputTableOfRepresentationsAndRefusals)
{
    const double s45 = 100 * std::sqrt(0.5);
    const RuleRow rows[] = {
        {zCart, 50, 10, 50, 10, "", PointField::First},
        {zCart, -1, 0, 0, 0, "Only positiv real part allowed", PointField::First},
        {zPolar, 100, 405, s45, s45, "", PointField::First}, // reduced to 45
        {zPolar, 100, -300, 0, 0,
         "Angle must lie in the range between\n\r+90° and -90°\n\rresp. +270° and +90°",
         PointField::Second},
        {zPolar, 100, 91, 0, 0,
         "Angle must lie in the range between\n\r+90° and -90°\n\rresp. +270° and +90°",
         PointField::Second},
        {zPolar, 100, 270, 0, -100, "", PointField::First},
        {zPolar, -5, 0, 0, 0, "Magnitude must be positiv.", PointField::First},
        {yCart, 0.01, -0.01, 50, 50, "", PointField::First},
        // 0 S is the open circuit, where a reflection coefficient of 1 lies.
        {yCart, 0, 0, 9.9999995e8, 0, "", PointField::First},
        {yCart, 1e-12, 0, 9.9999995e8, 0, "", PointField::First}, // beyond it: open too
        {yCart, -0.01, 0, 0, 0, "Only positiv real part allowed", PointField::First},
        {yPolar, 0.02, 0, 50, 0, "", PointField::First},
        {yPolar, 0.02, 120, 0, 0,
         "Angle must lie in the range between\n\r+90° and -90°\n\rresp. +270° and +90°",
         PointField::Second},
        {gCart, 0, 0, 50, 0, "", PointField::First},
        {gCart, 0.8, 0.7, 0, 0, "Absolute value (magnitude) exceeds 1", PointField::First},
        // Gamma = j0.5: z = (1 + j0.5) / (1 - j0.5) = 0.6 + j0.8.
        {gPolar, 0.5, 90, 30, 40, "", PointField::First},
        {gPolar, 1.2, 0, 0, 0, "Magnitude must lie in the range between 0 and 1",
         PointField::First},
        {gPolar, -0.1, 0, 0, 0, "Magnitude must lie in the range between 0 and 1",
         PointField::First},
        {zCart, 1e308, 0, 0, 0, "Value must lie in the range between 0 and 1E9 Ohm",
         PointField::First},
        {zCart, 50, -2e9, 0, 0, "Value must lie in the range between -1E9 and 1E9 Ohm",
         PointField::Second},
        {zPolar, 1e10, 0, 0, 0, "Value must lie in the range between 0 and 1E9 Ohm",
         PointField::First},
        {yCart, 1e39, 0, 0, 0, "Value must lie in the range between 0 and 1E9 Siemens",
         PointField::First},
    };
    int checked = 0;
    for (const RuleRow& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << int(row.format) << " " << row.first << " " << row.second);
        const PointOutcome out = impedanceFromInput(row.format, row.first, row.second, 50);
        if (*row.refusal) {
            const auto* f = std::get_if<PointFailure>(&out);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->text, QString::fromUtf8(row.refusal));
            EXPECT_EQ(f->field, row.field);
        }
        else {
            const auto* z = std::get_if<Complex>(&out);
            ASSERT_NE(z, nullptr);
            // The open circuit's own rounding is ~0.1 ohm (see below).
            EXPECT_NEAR(z->re, row.r, row.r > 1e8 ? 1.0 : tol);
            EXPECT_NEAR(z->im, row.x, tol);
            EXPECT_GE(z->re, 0.0);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 22);
}

TEST(DataPointRules, ReflectionOfOneStaysFinite)
{
    // 50 (1 - 0.9999999^2) / (1 - 0.9999999)^2 = 999999950 ohm.
    const auto in = std::get<Complex>(impedanceFromInput(gCart, 1, 0, 50));
    EXPECT_NEAR(in.re, 9.9999995e8, 1.0); // the replacement's own rounding is ~0.1 ohm
    EXPECT_EQ(in.im, 0.0);
    const auto edited = std::get<Complex>(impedanceFromEditor(gCart, 1, 0, 50));
    EXPECT_TRUE(std::isfinite(edited.re));
    EXPECT_NEAR(edited.re, 9.9999995e8, 1.0);
    EXPECT_EQ(edited.im, 0.0);
}

TEST(DataPointRules, EditorRefusals)
{
    const auto fails = [](std::uint8_t fmt, double a, double b) {
        const PointOutcome out = impedanceFromEditor(fmt, a, b, 50);
        const auto* f = std::get_if<PointFailure>(&out);
        return f ? *f : PointFailure{};
    };
    EXPECT_EQ(fails(zCart, -1, 5).text, QStringLiteral("Only positiv values allowed."));
    EXPECT_EQ(fails(zPolar, -1, 5).text, QStringLiteral("Only positiv values allowed."));
    EXPECT_EQ(fails(zPolar, 10, 200).text,
              QStringLiteral("Only angles in the range between -180° and +180° allowed."));
    EXPECT_EQ(fails(zPolar, 10, 200).field, PointField::Second);
    // 120 degrees would put the point left of the chart.
    EXPECT_EQ(fails(yPolar, 0.02, 120).text, QStringLiteral("Only positiv values allowed."));
    EXPECT_EQ(fails(yPolar, 0.02, 120).field, PointField::Second);
    EXPECT_EQ(fails(gPolar, 1.5, 0).text,
              QStringLiteral("Absolut value must be in the range between 0 and 1."));
    EXPECT_EQ(fails(gCart, 0.9, 0.9).text,
              QStringLiteral("Absolut value must be in the range between 0 and 1."));
    // A negative real part of Gamma is an ordinary point inside the chart.
    const auto z = std::get<Complex>(impedanceFromEditor(gCart, -0.5, 0, 50));
    EXPECT_NEAR(z.re, 50.0 / 3.0, tol);
}

TEST(DataPointRules, EveryFormShowsAPointThatReadsBackToIt)
{
    const Complex points[] = {{25, -10}, {50, 0}, {3.3, 120}, {1200, -700}};
    int checked = 0;
    for (std::uint8_t fmt : {zCart, zPolar, yCart, yPolar, gCart, gPolar}) {
        for (Complex p : points) {
            const PointValues v = valuesInFormat(fmt, p, 50);
            const auto back = std::get<Complex>(impedanceFromEditor(fmt, v.first, v.second, 50));
            // Conversions through Gamma lose a few ulps of |Z| near the chart's edge.
            EXPECT_NEAR(back.re, p.re, 1e-9 * std::max(1.0, std::abs(p.re) + std::abs(p.im)));
            EXPECT_NEAR(back.im, p.im, 1e-9 * std::max(1.0, std::abs(p.re) + std::abs(p.im)));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 24);
}

TEST(DataPointRules, ListNumberCountsPointsAndElementEnds)
{
    Design d;
    using K = HistoryEntry;
    const K entries[] = {K::DataPoint, K::DataPoint, K::Element,  K::EditElement,
                         K::Element,   K::Wideband,  K::DataPoint};
    for (K k : entries)
        d.history[static_cast<std::size_t>(d.historyCount++)] = k;
    EXPECT_EQ(dataPointListNumber(d, 0), 1);
    EXPECT_EQ(dataPointListNumber(d, 1), 2);
    EXPECT_EQ(dataPointListNumber(d, 2), 5);
    EXPECT_EQ(dataPointListNumber(d, 3), 0);
}

struct DataPointInput : DialogTest {};

TEST_F(DataPointInput, OpensWithTheRememberedFormatAndFrequency)
{
    state.memory.dataPointFormat = yPolar;
    state.memory.lastFrequency = 2.45e9;
    DataPointDialog dialog(state, platform);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Data Point"));
    EXPECT_TRUE(testing::button(dialog, "admittance")->isChecked());
    EXPECT_TRUE(testing::button(dialog, "polar")->isChecked());
    EXPECT_EQ(testing::field(dialog, "frequency")->text(), QStringLiteral("2.450"));
    EXPECT_EQ(testing::combo(dialog, "unit")->currentText(), QStringLiteral("GHz"));
    QStringList captions;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        captions << l->text();
    EXPECT_TRUE(captions.contains(QStringLiteral("magnitude:")));
    EXPECT_TRUE(captions.contains(QStringLiteral("angle [°]:")));

    state.memory.lastFrequency = 999.0;
    DataPointDialog hertz(state, platform);
    EXPECT_EQ(testing::field(hertz, "frequency")->text(), QStringLiteral("999.000"));
    EXPECT_EQ(testing::combo(hertz, "unit")->currentText(), QStringLiteral("Hz"));
}

TEST_F(DataPointInput, FormatButtonsChangeTheMemoryAtOnce)
{
    DataPointDialog dialog(state, platform);
    testing::button(dialog, "polar")->click();
    EXPECT_EQ(state.memory.dataPointFormat, zPolar);
    testing::button(dialog, "reflection")->click();
    EXPECT_EQ(state.memory.dataPointFormat, gPolar);
    dialog.reject(); // the memory stays as clicked
    EXPECT_EQ(state.memory.dataPointFormat, gPolar);
}

TEST_F(DataPointInput, ValidatesInFieldOrderWithExactTexts)
{
    DataPointDialog dialog(state, platform);
    dialog.show();
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Field must contain value"));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Error);
    EXPECT_TRUE(focusedAndSelected(dialog, "first"));

    type(dialog, "first", QStringLiteral("25"));
    pressOk(dialog);
    EXPECT_TRUE(focusedAndSelected(dialog, "second"));

    type(dialog, "second", QStringLiteral("-10j"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Incorrect number format.\nUse exponential form only."));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_TRUE(focusedAndSelected(dialog, "second"));

    type(dialog, "second", QStringLiteral("-10"));
    type(dialog, "frequency", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Only values > 0 allowed."));
    EXPECT_TRUE(focusedAndSelected(dialog, "frequency"));
    EXPECT_TRUE(staysOpen(dialog));
    EXPECT_EQ(state.design.dataPointCount, 0);
    EXPECT_EQ(recorder.beeps, 4);
    EXPECT_EQ(recorder.messages.size(), 4u);
}

TEST_F(DataPointInput, AcceptedPointIsAppendedWithItsFrequency)
{
    DataPointDialog dialog(state, platform);
    dialog.show();
    type(dialog, "first", QStringLiteral("25"));
    type(dialog, "second", QStringLiteral("-1e1"));
    type(dialog, "frequency", QStringLiteral("1.5"));
    testing::combo(dialog, "unit")->setCurrentText(QStringLiteral("GHz"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(state.design.dataPointCount, 1);
    EXPECT_EQ(state.design.dataPoints[0].r, 25.0);
    EXPECT_EQ(state.design.dataPoints[0].x, -10.0);
    EXPECT_EQ(state.design.dataPoints[0].f, 1.5e9);
    EXPECT_EQ(state.design.history[0], HistoryEntry::DataPoint);
    EXPECT_EQ(state.design.startPoint, 1);
    EXPECT_TRUE(state.design.modified);
    EXPECT_EQ(state.memory.lastFrequency, 1.5e9);
    EXPECT_TRUE(recorder.messages.empty());

    // 1.5 in Hz is 1.5 Hz.
    DataPointDialog second(state, platform);
    type(second, "first", QStringLiteral("50"));
    type(second, "second", QStringLiteral("0"));
    type(second, "frequency", QStringLiteral("1.5"));
    testing::combo(second, "unit")->setCurrentText(QStringLiteral("Hz"));
    pressOk(second);
    EXPECT_EQ(state.design.dataPoints[1].f, 1.5);
}

TEST_F(DataPointInput, UnchangedFrequencyKeepsTheExactRememberedValue)
{
    state.memory.lastFrequency = 1234567891.25;
    DataPointDialog dialog(state, platform);
    EXPECT_EQ(testing::field(dialog, "frequency")->text(), QStringLiteral("1.235"));
    type(dialog, "first", QStringLiteral("50"));
    type(dialog, "second", QStringLiteral("0"));
    pressOk(dialog);
    ASSERT_EQ(state.design.dataPointCount, 1);
    EXPECT_EQ(state.design.dataPoints[0].f, 1234567891.25);
}

TEST_F(DataPointInput, HelpCancelAndSilentErrors)
{
    state.settings.messageBeep = false;
    DataPointDialog dialog(state, platform);
    dialog.show();
    testing::press(dialog, QDialogButtonBox::Help);
    ASSERT_EQ(recorder.helpTopics.size(), 1u);
    EXPECT_EQ(recorder.helpTopics[0], QStringLiteral("Input of Datapoints"));
    pressOk(dialog);
    EXPECT_EQ(recorder.beeps, 0);
    EXPECT_EQ(recorder.messages.size(), 1u);
    testing::press(dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(state.design.dataPointCount, 0);
}

struct DataPointEditor : DialogTest {
    void SetUp() override
    {
        appendDataPoint(state.design, {100.0 / 3.0, -12.345678912345678, 1234567891.2345});
        appendDataPoint(state.design, {75, 20, 1e9});
        Element c;
        c.kind = ElementKind::CS;
        c.value = 2.2e-12;
        appendElement(state.design, c);
        appendDataPoint(state.design, {10, 5, 2e9});
        state.design.modified = false;
    }
    const DataPoint& point(int i) const
    {
        return state.design.dataPoints[static_cast<std::size_t>(i)];
    }
};

TEST_F(DataPointEditor, TitleNumberComesFromTheListWalk)
{
    DataPointDialog first(state, platform, 0);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Edit Datapoint Nr. 1"));
    DataPointDialog third(state, platform, 2);
    EXPECT_EQ(third.windowTitle(), QStringLiteral("Edit Datapoint Nr. 4")); // after the element end
}

TEST_F(DataPointEditor, OkWithoutChangeKeepsTheExactPoint)
{
    const DataPoint before = point(0);
    DataPointDialog dialog(state, platform, 0);
    EXPECT_TRUE(testing::button(dialog, "impedance")->isChecked());
    EXPECT_TRUE(testing::button(dialog, "cartesian")->isChecked());
    // Switching forms back and forth without typing must not round either.
    testing::button(dialog, "reflection")->click();
    testing::button(dialog, "polar")->click();
    testing::button(dialog, "impedance")->click();
    testing::button(dialog, "cartesian")->click();
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(point(0).r, before.r);
    EXPECT_EQ(point(0).x, before.x);
    EXPECT_EQ(point(0).f, before.f);
    EXPECT_EQ(state.design.history[static_cast<std::size_t>(state.design.historyCount - 1)],
              HistoryEntry::EditDataPoint);
}

TEST_F(DataPointEditor, EditingOneFieldKeepsTheOthersExact)
{
    const DataPoint before = point(0);
    DataPointDialog dialog(state, platform, 0);
    type(dialog, "first", QStringLiteral("40"));
    pressOk(dialog);
    EXPECT_EQ(point(0).r, 40.0);
    EXPECT_EQ(point(0).x, before.x);
    EXPECT_EQ(point(0).f, before.f);
}

TEST_F(DataPointEditor, StartPointEditMovesTheChain)
{
    DataPointDialog dialog(state, platform, 0);
    type(dialog, "first", QStringLiteral("20"));
    type(dialog, "second", QStringLiteral("5"));
    pressOk(dialog);
    const Element& e = state.design.elements[0];
    EXPECT_EQ(e.rBegin, 20.0);
    EXPECT_EQ(e.xBegin, 5.0);
    EXPECT_EQ(e.rEnd, 20.0);
    // A series C of 2.2 pF at the start point's 1.2346 GHz.
    EXPECT_NEAR(e.xEnd, 5.0 - 1.0 / (6.28318530718 * point(0).f * 2.2e-12), 1e-9);
    EXPECT_EQ(state.design.currentPoint, (Complex{20, 5}));
    EXPECT_TRUE(state.design.modified);
}

TEST_F(DataPointEditor, ReflectionOfOneGivesAFiniteHighImpedance)
{
    DataPointDialog dialog(state, platform, 1);
    testing::button(dialog, "reflection")->click();
    type(dialog, "first", QStringLiteral("1"));
    type(dialog, "second", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_NEAR(point(1).r, 9.9999995e8, 1.0);
    EXPECT_EQ(point(1).x, 0.0);
}

TEST_F(DataPointEditor, RefusedInputLeavesNoTraceAndAnAcceptedOneIsOneUndoStep)
{
    const DataPoint before = point(1);
    const int entries = state.design.historyCount;
    DataPointDialog dialog(state, platform, 1);
    dialog.show();
    type(dialog, "first", QStringLiteral("-3"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Only positiv values allowed."));
    EXPECT_TRUE(focusedAndSelected(dialog, "first"));
    EXPECT_TRUE(staysOpen(dialog));

    type(dialog, "first", QStringLiteral("75"));
    type(dialog, "frequency", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Only values > 0 allowed."));
    type(dialog, "frequency", QStringLiteral("1e39"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Value must lie in the range between 0 and 1000 GHz"));
    EXPECT_EQ(point(1).f, before.f);
    EXPECT_EQ(point(1).r, before.r);
    EXPECT_EQ(state.design.historyCount, entries);
    EXPECT_FALSE(state.design.modified);

    type(dialog, "first", QStringLiteral("80"));
    type(dialog, "frequency", QStringLiteral("2"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(point(1).r, 80.0);
    EXPECT_EQ(state.design.historyCount, entries + 1);
    ASSERT_TRUE(undoLast(state.design));
    EXPECT_EQ(point(1).r, before.r);
    EXPECT_EQ(point(1).f, before.f);
    EXPECT_EQ(state.design.historyCount, entries);
}

TEST_F(DataPointEditor, HelpTopic)
{
    DataPointDialog dialog(state, platform, 0);
    testing::press(dialog, QDialogButtonBox::Help);
    ASSERT_EQ(recorder.helpTopics.size(), 1u);
    EXPECT_EQ(recorder.helpTopics[0], QStringLiteral("Edit Datapoints"));
}

struct FrequencyQuery : DialogTest {
    void SetUp() override
    {
        appendDataPoint(state.design, {50, 0, 1e9});
        appendDataPoint(state.design, {30, 40, 0}); // placed with the mouse
    }
};

TEST_F(FrequencyQuery, OpensWith500MHzAndStoresTheTypedFrequency)
{
    FrequencyDialog dialog(state, platform);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Datapoint"));
    EXPECT_EQ(testing::field(dialog, "frequency")->text(), QStringLiteral("500"));
    EXPECT_EQ(testing::combo(dialog, "unit")->currentText(), QStringLiteral("MHz"));
    type(dialog, "frequency", QStringLiteral("1.5"));
    testing::combo(dialog, "unit")->setCurrentText(QStringLiteral("GHz"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.design.dataPoints[1].f, 1.5e9);
    EXPECT_EQ(state.design.dataPointCount, 2);
}

TEST_F(FrequencyQuery, RefusesTextAndZeroAsInputErrors)
{
    FrequencyDialog dialog(state, platform);
    dialog.show();
    type(dialog, "frequency", QStringLiteral("12abc"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Incorrect number format.\nUse exponential form only."));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    type(dialog, "frequency", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Only values > 0 allowed."));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_TRUE(focusedAndSelected(dialog, "frequency"));
    EXPECT_TRUE(staysOpen(dialog));
    EXPECT_EQ(recorder.beeps, 2);
    type(dialog, "frequency", QStringLiteral("1e39"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Value must lie in the range between 0 and 1000 GHz"));
    EXPECT_TRUE(staysOpen(dialog));
    EXPECT_EQ(state.design.dataPoints[1].f, 0.0);
}

TEST_F(FrequencyQuery, CancelWithdrawsThePointForGood)
{
    FrequencyDialog dialog(state, platform);
    testing::press(dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(state.design.dataPointCount, 1);
    EXPECT_EQ(state.design.historyCount, 1);
    EXPECT_FALSE(redoNext(state.design));
    EXPECT_EQ(state.design.dataPointCount, 1);
}

} // namespace
} // namespace zelvo
