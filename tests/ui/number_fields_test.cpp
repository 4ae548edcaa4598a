// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Every number field of every dialog against text beyond the double range,
// and the one rule for message titles: input validation is titled "ERROR".
#include "dialog_test_support.h"

#include "model/design.h"
#include "support/element_builders.h"
#include "ui/dialogs/circle_dialogs.h"
#include "ui/dialogs/contour_dialog.h"
#include "ui/dialogs/data_point_dialog.h"
#include "ui/dialogs/element_value_dialog.h"
#include "ui/dialogs/frequency_dialog.h"
#include "ui/dialogs/line_impedance_dialog.h"
#include "ui/dialogs/line_width_dialog.h"
#include "ui/dialogs/optimise_dialog.h"
#include "ui/dialogs/reference_impedance_dialog.h"
#include "ui/dialogs/rlc_dialog.h"
#include "ui/dialogs/zoom_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include <functional>
#include <memory>

namespace zelvo {
namespace {

using testing::DialogTest;
using testing::element;
using testing::rlcElement;

const QString tooLarge = QStringLiteral("Number too large.\nUse values between -1E308 and 1E308.");

int code(ElementKind kind, int row)
{
    return static_cast<int>(kind) * 65536 + row;
}

struct FieldCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(AppState&, const Platform&)> make;
    std::vector<std::pair<const char*, const char*>> fill; // valid texts first
    const char* field;
    QString message = tooLarge;
};

template <typename D, typename... Args>
std::function<std::unique_ptr<QDialog>(AppState&, const Platform&)> maker(Args... args)
{
    return [=](AppState& s, const Platform& p) { return std::make_unique<D>(s, p, args...); };
}

struct NumberFields : DialogTest {
    void SetUp() override
    {
        Design& d = state.design;
        appendDataPoint(d, {20, -30, 1e9});
        appendElement(d, element(ElementKind::CS, 2e-12));
        appendElement(d, element(ElementKind::LS, 0.1));
        appendElement(d, rlcElement(ElementKind::RlcSeries, 5, 1e-9, 1e-12));
        d.modified = false;
    }
};

TEST_F(NumberFields, TextBeyondTheDoubleRangeIsRefusedInEveryField)
{
    const GainCircleRecord gain{};
    const std::vector<FieldCase> cases = {
        {"point input, polar", maker<DataPointDialog>(), {{"first", "50"}, {"second", "10"}},
         "first"},
        {"point input angle", maker<DataPointDialog>(), {{"first", "50"}, {"second", "10"}},
         "second"},
        {"point input frequency", maker<DataPointDialog>(), {{"first", "50"}, {"second", "10"}},
         "frequency"},
        {"point editor", maker<DataPointDialog>(0), {}, "second"},
        {"point editor frequency", maker<DataPointDialog>(0), {}, "frequency"},
        {"frequency query", maker<FrequencyDialog>(), {}, "frequency"},
        {"line impedance", maker<LineImpedanceDialog>(), {}, "impedance"},
        {"line er", maker<LineImpedanceDialog>(), {}, "er"},
        {"rlc r", maker<RlcDialog>(RlcGroup::Series), {{"r", "1"}, {"l", "1"}, {"c", "1"}}, "r"},
        {"rlc l", maker<RlcDialog>(RlcGroup::Series), {{"r", "1"}, {"l", "1"}, {"c", "1"}}, "l"},
        {"rlc c", maker<RlcDialog>(RlcGroup::Shunt), {{"r", "1"}, {"l", "1"}, {"c", "1"}}, "c"},
        {"element value", maker<ElementValueDialog>(code(ElementKind::CS, 0)), {}, "value"},
        {"line length", maker<ElementValueDialog>(code(ElementKind::LS, 1)), {}, "value"},
        {"line er", maker<ElementValueDialog>(code(ElementKind::LS, 1)), {}, "er"},
        {"line zc", maker<ElementValueDialog>(code(ElementKind::LS, 1)), {}, "impedance"},
        {"rlc edit l", maker<ElementValueDialog>(code(ElementKind::RlcSeries, 2)), {}, "l"},
        {"rlc edit c", maker<ElementValueDialog>(code(ElementKind::RlcSeries, 2)), {}, "c"},
        {"reference impedance", maker<ReferenceImpedanceDialog>(), {}, "value"},
        {"zoom", maker<ZoomDialog>(), {}, "factor"},
        {"Q contour", maker<ContourDialog>(ContourKind::Q), {}, "value"},
        {"VSWR contour", maker<ContourDialog>(ContourKind::Vswr), {}, "value"},
        {"line width", maker<LineWidthDialog>(), {}, "width",
         QStringLiteral("Value must in range from 1 to 9")},
        {"s11 angle", maker<TwoPortDialog>(CircleKind::Stability), {}, "s11Second"},
        {"s12 angle", maker<TwoPortDialog>(CircleKind::Stability), {}, "s12Second"},
        {"s21 angle", maker<TwoPortDialog>(CircleKind::Gain), {}, "s21Second"},
        {"s22 angle", maker<TwoPortDialog>(CircleKind::Gain), {}, "s22Second"},
        {"s21 magnitude", maker<TwoPortDialog>(CircleKind::Gain), {}, "s21First"},
        {"gain", maker<GainValueDialog>(gain), {}, "value"},
        {"NFmin", maker<NoiseFigureDialog>(), {}, "nfMin"},
        {"gamma opt magnitude", maker<NoiseFigureDialog>(), {}, "gammaFirst"},
        {"gamma opt angle", maker<NoiseFigureDialog>(), {}, "gammaSecond"},
        {"noise resistance", maker<NoiseFigureDialog>(), {}, "resistance"},
        {"NF", maker<NoiseFigureDialog>(), {}, "nf"},
    };
    int checked = 0;
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        state.memory.dataPointFormat = formatImpedance | formatPolar;
        const int history = state.design.historyCount;
        const float z0 = state.design.z0;
        const std::size_t shown = recorder.messages.size();
        std::unique_ptr<QDialog> dialog = c.make(state, platform);
        dialog->show();
        for (const auto& [name, text] : c.fill)
            testing::type(*dialog, name, QString::fromLatin1(text));
        testing::type(*dialog, c.field, QStringLiteral("1e999"));
        testing::pressOk(*dialog);
        ASSERT_EQ(recorder.messages.size(), shown + 1);
        EXPECT_EQ(recorder.messages.back().text, c.message);
        EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
        EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Error);
        EXPECT_TRUE(testing::staysOpen(*dialog));
        EXPECT_TRUE(testing::focusedAndSelected(*dialog, c.field));
        EXPECT_EQ(state.design.historyCount, history);
        EXPECT_EQ(state.design.z0, z0);
        EXPECT_FALSE(state.design.modified);
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(cases.size()));
}

TEST_F(NumberFields, OptimiserTargetAndBoundsRefuseTextBeyondTheDoubleRange)
{
    for (const char* name : {"optimiseTargetR", "optimiseTargetX"}) {
        SCOPED_TRACE(name);
        OptimiseDialog dialog(state, platform);
        dialog.show();
        testing::type(dialog, name, QStringLiteral("1e999"));
        EXPECT_FALSE(dialog.setup());
        EXPECT_EQ(recorder.lastMessage(), tooLarge);
        EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    }
}

TEST_F(NumberFields, FormatMessagesAreInputValidationToo)
{
    // Every dialog reads its fields through the same refusal: the format
    // message is titled "ERROR" like the range messages beside it.
    FrequencyDialog frequency(state, platform);
    frequency.show();
    testing::type(frequency, "frequency", QStringLiteral("5x"));
    testing::pressOk(frequency);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Incorrect number format.\nUse exponential form only."));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));

    TwoPortDialog twoPort(state, platform, CircleKind::Stability);
    twoPort.QDialog::show();
    testing::type(twoPort, "s12First", QStringLiteral("0.5x"));
    testing::pressOk(twoPort);
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_TRUE(testing::focusedAndSelected(twoPort, "s12First"));

    // A refused command is no input validation: no title.
    ContourDialog contour(state, platform, ContourKind::Q);
    contour.show();
    testing::button(contour, "deleteAll")->click();
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("No Q circle existing"));
    EXPECT_EQ(recorder.messages.back().title, QString());
}

TEST(MessageBoxes, LinesBreakOnlyWhereTheTextDoes)
{
    // The gain refusal's first line is a little longer than the box's usual
    // wrapping width: it read "... power" / "gain" / "of Gmax = ...".
    MessageRequest r;
    r.text = QString::fromStdString(gainExceedsMaximum(30.0f, 20.1f)->text);
    r.icon = MessageIcon::Error;
    QMessageBox box;
    prepareMessageBox(box, r);
    box.show();
    QApplication::processEvents();
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    const QStringList lines = box.text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines)
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(line));
    EXPECT_LT(label->height(), 3 * label->fontMetrics().lineSpacing());
}

} // namespace
} // namespace zelvo
