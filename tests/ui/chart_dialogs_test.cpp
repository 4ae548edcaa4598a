// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The dialogs of the chart's menu commands: Q and VSWR contours, zoom,
// colours, clipboard choice, reference impedance, line width, input device.
#include "dialog_test_support.h"

#include "ui/dialogs/clipboard_dialog.h"
#include "ui/dialogs/colours_dialog.h"
#include "ui/dialogs/contour_dialog.h"
#include "ui/dialogs/input_device_dialog.h"
#include "ui/dialogs/line_width_dialog.h"
#include "ui/dialogs/reference_impedance_dialog.h"
#include "ui/dialogs/zoom_dialog.h"

#include <QRadioButton>
#include <QTest>

namespace zelvo {
namespace {

using testing::DialogTest;
using testing::focusedAndSelected;
using testing::pressOk;
using testing::staysOpen;
using testing::type;

struct Contours : DialogTest {
    void addQ(float q)
    {
        state.design.qCircles[static_cast<std::size_t>(state.design.qCount++)] = q;
    }
    void addVswr(float s)
    {
        state.design.vswrCircles[static_cast<std::size_t>(state.design.vswrCount++)] = s;
    }
};

TEST_F(Contours, QAddsAValueAndRefusesAnExistingOneWithoutBeep)
{
    addQ(2);
    ContourDialog dialog(state, platform, ContourKind::Q);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Constant Q - circle"));
    EXPECT_EQ(testing::field(dialog, "value")->text(), QStringLiteral("1"));
    dialog.show();
    type(dialog, "value", QStringLiteral("2"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Q circle is existing"));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_EQ(recorder.messages.back().icon, MessageIcon::Error);
    EXPECT_EQ(recorder.beeps, 0);
    EXPECT_EQ(state.design.qCount, 1);
    EXPECT_FALSE(staysOpen(dialog));

    ContourDialog second(state, platform, ContourKind::Q);
    type(second, "value", QStringLiteral("2.5"));
    pressOk(second);
    EXPECT_EQ(second.result(), QDialog::Accepted);
    ASSERT_EQ(state.design.qCount, 2);
    EXPECT_EQ(state.design.qCircles[1], 2.5f);
    EXPECT_TRUE(state.design.modified);
    EXPECT_EQ(state.design.historyCount, 0); // contours are not history steps
}

TEST_F(Contours, DeleteMessagesKeepTheDialogOpenAndNeverBeep)
{
    ContourDialog dialog(state, platform, ContourKind::Q);
    dialog.show();
    testing::button(dialog, "deleteAll")->click();
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("No Q circle existing"));
    EXPECT_TRUE(staysOpen(dialog));
    testing::button(dialog, "deleteLast")->click();
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("No more Q circles existing"));
    EXPECT_TRUE(staysOpen(dialog));
    EXPECT_EQ(testing::button(dialog, "deleteLast")->text(), QStringLiteral("Delete last "));

    ContourDialog vswr(state, platform, ContourKind::Vswr);
    vswr.show();
    testing::button(vswr, "deleteAll")->click();
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("No VSWR circle existing"));
    testing::button(vswr, "deleteLast")->click();
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("No more VSWR circles existing"));
    EXPECT_EQ(testing::button(vswr, "deleteLast")->text(), QStringLiteral("Delete last"));
    EXPECT_EQ(recorder.beeps, 0);
    EXPECT_EQ(recorder.messages.size(), 4u);
}

TEST_F(Contours, DeleteLastAndAll)
{
    addQ(1);
    addQ(3);
    addQ(5);
    ContourDialog last(state, platform, ContourKind::Q);
    testing::button(last, "deleteLast")->click();
    EXPECT_EQ(last.result(), QDialog::Accepted);
    EXPECT_EQ(state.design.qCount, 2);
    ContourDialog all(state, platform, ContourKind::Q);
    testing::button(all, "deleteAll")->click();
    EXPECT_EQ(state.design.qCount, 0);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(Contours, VswrBelowOneIsRefusedWithBeepAndSelection)
{
    addVswr(2);
    ContourDialog dialog(state, platform, ContourKind::Vswr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Constant VSWR - circle"));
    dialog.show();
    type(dialog, "value", QStringLiteral("0.5"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be >= 1"));
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_TRUE(focusedAndSelected(dialog, "value"));
    EXPECT_TRUE(staysOpen(dialog));
    type(dialog, "value", QStringLiteral("2"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("VSWR circle is existing"));
    EXPECT_EQ(recorder.beeps, 1);
    ContourDialog again(state, platform, ContourKind::Vswr);
    type(again, "value", QStringLiteral("1.5"));
    pressOk(again);
    EXPECT_EQ(state.design.vswrCount, 2);
    EXPECT_EQ(state.design.vswrCircles[1], 1.5f);
}

TEST_F(Contours, TextThatIsNoNumberAndValuesOutOfRangeAreRefused)
{
    const QString format = QStringLiteral("Incorrect number format.\nUse exponential form only.");
    struct Row {
        ContourKind kind;
        const char* typed;
        QString message;
    };
    const QString qRange = QStringLiteral("Value must lie in the range between 0.01 and 1000");
    const QString vswrRange = QStringLiteral("Value must lie in the range between 1 and 1000");
    const Row rows[] = {
        {ContourKind::Q, "abc", format},        {ContourKind::Q, "5x", format},
        {ContourKind::Q, "-3", qRange},         {ContourKind::Q, "0", qRange},
        {ContourKind::Q, "1e308", qRange},      {ContourKind::Vswr, "1.5x", format},
        {ContourKind::Vswr, "1e308", vswrRange}, {ContourKind::Vswr, "", QStringLiteral("Field must contain value")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        ContourDialog dialog(state, platform, r.kind);
        dialog.show();
        type(dialog, "value", QString::fromLatin1(r.typed));
        pressOk(dialog);
        EXPECT_EQ(recorder.lastMessage(), r.message);
        EXPECT_TRUE(focusedAndSelected(dialog, "value"));
        EXPECT_TRUE(staysOpen(dialog));
    }
    EXPECT_EQ(recorder.messages.size(), std::size(rows));
    EXPECT_EQ(state.design.qCount + state.design.vswrCount, 0);
    EXPECT_FALSE(state.design.modified);
}

TEST_F(Contours, HelpTopics)
{
    ContourDialog q(state, platform, ContourKind::Q);
    testing::press(q, QDialogButtonBox::Help);
    ContourDialog v(state, platform, ContourKind::Vswr);
    testing::press(v, QDialogButtonBox::Help);
    ASSERT_EQ(recorder.helpTopics.size(), 2u);
    EXPECT_EQ(recorder.helpTopics[0], QStringLiteral("Constant Q Contours"));
    EXPECT_EQ(recorder.helpTopics[1], QStringLiteral("Constant VSWR Circles"));
}

TEST_F(Contours, F1OpensTheSameTopicAsHelpAndDialogsWithoutHelpButtonHaveOne)
{
    ContourDialog q(state, platform, ContourKind::Q);
    QTest::keyClick(&q, Qt::Key_F1);
    ZoomDialog zoom(state, platform);
    QTest::keyClick(&zoom, Qt::Key_F1);
    ColoursDialog colours(state, platform);
    QTest::keyClick(&colours, Qt::Key_F1);
    ASSERT_EQ(recorder.helpTopics.size(), 3u);
    EXPECT_EQ(recorder.helpTopics[0], QStringLiteral("Constant Q Contours"));
    EXPECT_EQ(recorder.helpTopics[1], QStringLiteral("Zoom"));
    EXPECT_EQ(recorder.helpTopics[2], QStringLiteral("Colors"));
}

TEST(ZoomClamp, LimitsOfAFactorFromElsewhere)
{
    EXPECT_EQ(clampZoom(100), 50.0f);
    EXPECT_EQ(clampZoom(0), 0.01f);
    EXPECT_EQ(clampZoom(-3), 0.01f);
    EXPECT_EQ(clampZoom(0.3), 0.3f);
    EXPECT_EQ(clampZoom(1e300), 50.0f);
}

using Zoom = DialogTest;

TEST_F(Zoom, TypedFactorIsTakenAndUnchangedKeepsTheFactor)
{
    state.settings.zoom = 0.125f;
    ZoomDialog dialog(state, platform);
    EXPECT_EQ(testing::field(dialog, "factor")->text(), QStringLiteral("0.12"));
    pressOk(dialog);
    EXPECT_EQ(state.settings.zoom, 0.125f);

    for (const auto& [typed, expected] : {std::pair{"0.01", 0.01f}, std::pair{"50", 50.0f},
                                          std::pair{"2.5", 2.5f}}) {
        ZoomDialog d(state, platform);
        type(d, "factor", QString::fromLatin1(typed));
        pressOk(d);
        EXPECT_EQ(state.settings.zoom, expected) << typed;
    }
    ZoomDialog cancelled(state, platform);
    type(cancelled, "factor", QStringLiteral("7"));
    testing::press(cancelled, QDialogButtonBox::Cancel);
    EXPECT_EQ(state.settings.zoom, 2.5f);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(Zoom, TextAndFactorsOutsideTheRangeAreRefused)
{
    state.settings.zoom = 2.0f;
    const QString range = QStringLiteral("Value must lie in the range between 0.01 and 50");
    for (const auto& [typed, message] :
         {std::pair{"abc", QStringLiteral("Incorrect number format.\nUse exponential form only.")},
          std::pair{"100", range}, std::pair{"0", range}, std::pair{"0.0099", range}}) {
        ZoomDialog d(state, platform);
        d.show();
        type(d, "factor", QString::fromLatin1(typed));
        pressOk(d);
        EXPECT_EQ(recorder.lastMessage(), message) << typed;
        EXPECT_TRUE(focusedAndSelected(d, "factor"));
        EXPECT_TRUE(staysOpen(d));
    }
    EXPECT_EQ(state.settings.zoom, 2.0f);
}

using Colours = DialogTest;

TEST_F(Colours, CancelRestoresThreeChangedColours)
{
    const Settings before = state.settings;
    int changes = 0;
    ColoursDialog dialog(state, platform);
    dialog.setOnChange([&changes] { ++changes; });
    recorder.colours = {QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9)};
    testing::button(dialog, "swatch0")->click();
    testing::button(dialog, "swatch3")->click();
    testing::button(dialog, "swatch9")->click();
    EXPECT_EQ(state.settings.zChartColour, rgb(1, 2, 3));
    EXPECT_EQ(state.settings.elementColour, rgb(4, 5, 6));
    EXPECT_EQ(state.settings.noiseColour, rgb(7, 8, 9));
    EXPECT_EQ(changes, 3);
    testing::press(dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(state.settings.zChartColour, before.zChartColour);
    EXPECT_EQ(state.settings.elementColour, before.elementColour);
    EXPECT_EQ(state.settings.noiseColour, before.noiseColour);
    EXPECT_EQ(changes, 4);
}

TEST_F(Colours, OkKeepsChosenColoursAndACancelledChooserChangesNothing)
{
    ColoursDialog dialog(state, platform);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Colors"));
    recorder.colours = {std::nullopt, QColor(10, 20, 30)};
    testing::button(dialog, "swatch8")->click(); // chooser cancelled
    EXPECT_EQ(state.settings.widebandColour, rgb(255, 0, 255));
    testing::button(dialog, "swatch8")->click();
    auto* swatch = dialog.findChild<ColourSwatch*>(QStringLiteral("swatch8"));
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->colour(), QColor(10, 20, 30));
    pressOk(dialog);
    EXPECT_EQ(state.settings.widebandColour, rgb(10, 20, 30));
    EXPECT_EQ(dialog.findChildren<ColourSwatch*>().size(), 10);
}

using Clipboard = DialogTest;

TEST_F(Clipboard, ClicksReplaceOneHalfOfTheChoice)
{
    ClipboardDialog dialog(state, platform);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Copy to Clipboard"));
    EXPECT_TRUE(testing::button(dialog, "chart")->isChecked());
    EXPECT_TRUE(testing::button(dialog, "screenColours")->isChecked());
    testing::button(dialog, "schematic")->click();
    EXPECT_EQ(state.memory.clipboardChoice, 0x21);
    testing::button(dialog, "blackWhite")->click();
    EXPECT_EQ(state.memory.clipboardChoice, 0x22);
    testing::button(dialog, "comments")->click();
    EXPECT_EQ(state.memory.clipboardChoice, 0x32);
    testing::press(dialog, QDialogButtonBox::Help);
    EXPECT_EQ(recorder.helpTopics.back(), QStringLiteral("Clipboard"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), 0x32);

    ClipboardDialog reopened(state, platform);
    EXPECT_TRUE(testing::button(reopened, "comments")->isChecked());
    EXPECT_TRUE(testing::button(reopened, "blackWhite")->isChecked());
    testing::press(reopened, QDialogButtonBox::Cancel);
    EXPECT_EQ(reopened.result(), 0);
}

using ReferenceImpedance = DialogTest;

TEST_F(ReferenceImpedance, OhmAndSiemens)
{
    ReferenceImpedanceDialog dialog(state, platform);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Reference Impedance / Admittance"));
    EXPECT_EQ(testing::field(dialog, "value")->text(), QStringLiteral("50.0"));
    EXPECT_EQ(testing::combo(dialog, "unit")->currentText(), QStringLiteral("Ohm"));
    testing::combo(dialog, "unit")->setCurrentText(QStringLiteral("Siemens"));
    EXPECT_EQ(testing::field(dialog, "value")->text(), QStringLiteral("0.02"));
    type(dialog, "value", QStringLiteral("0.01"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.design.z0, 100.0f);
    EXPECT_TRUE(state.memory.referenceInSiemens);
    EXPECT_TRUE(state.design.modified);

    ReferenceImpedanceDialog again(state, platform);
    EXPECT_EQ(testing::combo(again, "unit")->currentText(), QStringLiteral("Siemens"));
    EXPECT_EQ(testing::field(again, "value")->text(), QStringLiteral("0.01"));
    testing::combo(again, "unit")->setCurrentText(QStringLiteral("Ohm"));
    type(again, "value", QStringLiteral("75"));
    pressOk(again);
    EXPECT_EQ(state.design.z0, 75.0f);
    EXPECT_FALSE(state.memory.referenceInSiemens);
}

TEST_F(ReferenceImpedance, RefusalsAndHelp)
{
    ReferenceImpedanceDialog dialog(state, platform);
    dialog.show();
    type(dialog, "value", QStringLiteral("50x"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Incorrect number format.\nUse exponential form only."));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    type(dialog, "value", QStringLiteral("0"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must be > 0"));
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));
    EXPECT_TRUE(focusedAndSelected(dialog, "value"));
    EXPECT_EQ(recorder.beeps, 2);
    EXPECT_EQ(state.design.z0, 50.0f);
    EXPECT_FALSE(state.design.modified);
    testing::press(dialog, QDialogButtonBox::Help);
    EXPECT_EQ(recorder.helpTopics.back(), QStringLiteral("Input of Network"));

    // Beyond what a reference can sensibly be, in either unit.
    type(dialog, "value", QStringLiteral("1e308"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Value must lie in the range between 0.001 and 1E6 Ohm"));
    type(dialog, "value", QStringLiteral("8E-80"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Value must lie in the range between 0.001 and 1E6 Ohm"));
    testing::combo(dialog, "unit")->setCurrentText(QStringLiteral("Siemens"));
    type(dialog, "value", QStringLiteral("2000"));
    pressOk(dialog);
    EXPECT_EQ(recorder.lastMessage(),
              QStringLiteral("Value must lie in the range between 1E-6 and 1000 Siemens"));
    EXPECT_TRUE(staysOpen(dialog));
    EXPECT_EQ(state.design.z0, 50.0f);

    // Unchanged "%.1f" text keeps a Zo with more digits.
    state.design.z0 = 75.25f;
    ReferenceImpedanceDialog exact(state, platform);
    pressOk(exact);
    EXPECT_EQ(state.design.z0, 75.25f);
}

using LineWidth = DialogTest;

TEST_F(LineWidth, OnlyOneToNine)
{
    state.settings.lineWidth = 2;
    LineWidthDialog dialog(state, platform);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(testing::field(dialog, "width")->text(), QStringLiteral("2"));
    dialog.show();
    for (const char* bad : {"0", "10", "2.5", "x"}) {
        type(dialog, "width", QString::fromLatin1(bad));
        pressOk(dialog);
        EXPECT_EQ(recorder.lastMessage(), QStringLiteral("Value must in range from 1 to 9")) << bad;
        EXPECT_TRUE(staysOpen(dialog));
        EXPECT_EQ(state.settings.lineWidth, 2);
    }
    EXPECT_EQ(recorder.messages.size(), 4u);
    type(dialog, "width", QStringLiteral("9"));
    pressOk(dialog);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(state.settings.lineWidth, 9);
    LineWidthDialog cancelled(state, platform);
    testing::press(cancelled, QDialogButtonBox::Cancel);
    EXPECT_EQ(cancelled.result(), 0);
}

using InputDeviceChoice = DialogTest;

TEST_F(InputDeviceChoice, EachButtonNamesItsDevice)
{
    const std::pair<const char*, InputDevice> rows[] = {{"mouse", InputDevice::Mouse},
                                                        {"keyboard", InputDevice::Keyboard},
                                                        {"s11", InputDevice::S11},
                                                        {"s22", InputDevice::S22}};
    for (const auto& [name, device] : rows) {
        InputDeviceDialog dialog(state, platform);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Input Device"));
        testing::button(dialog, name)->click();
        EXPECT_EQ(dialog.choice(), device) << name;
    }
    InputDeviceDialog closed(state, platform);
    closed.reject();
    EXPECT_EQ(closed.choice(), InputDevice::None);
}

} // namespace
} // namespace zelvo
