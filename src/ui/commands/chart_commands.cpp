// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/commands/chart_commands.h"

#include "model/design_rules.h"
#include "model/point_list.h"
#include "render/chart_image.h"
#include "render/schematic_picture.h"
#include "ui/chart_window.h"
#include "ui/dialogs/clipboard_dialog.h"
#include "ui/dialogs/colours_dialog.h"
#include "ui/dialogs/line_width_dialog.h"
#include "ui/dialogs/part_losses_dialog.h"
#include "ui/dialogs/reference_impedance_dialog.h"
#include "ui/dialogs/zoom_dialog.h"
#include "ui/language.h"
#include "ui/messages.h"

namespace zelvo {

void copyCommand(CommandContext& c)
{
    ClipboardDialog dialog(c.state, c.platform, c.parent());
    const int code = dialog.exec();
    const Design& d = c.design();
    switch (code & 0xF0) {
    case clipChart:
        if (c.platform.setClipboardImage)
            c.platform.setClipboardImage(
                copyChartToClipboard(d, c.state.settings, (code & 0x0F) == clipScreenColours,
                                     interfaceTexts()));
        break;
    case clipSchematic:
        if (c.platform.setClipboardImage)
            c.platform.setClipboardImage(copySchematicToClipboard(d, interfaceTexts()));
        break;
    case clipComments:
        if (c.platform.setClipboardText)
            c.platform.setClipboardText(QString::fromStdString(commentsText(d, interfaceTexts())));
        break;
    default:
        break;
    }
}

void widebandCommand(CommandContext& c)
{
    if (const std::optional<DialogMessage> m = runWideband(c.design())) {
        report(c.platform, c.state.settings, c.parent(), *m);
        return;
    }
    c.shell.repaintChart();
    c.shell.repaintPointList();
}

void contourCommand(CommandContext& c, ContourKind kind)
{
    const std::optional<DialogMessage> refusal =
        kind == ContourKind::Q ? checkQContour(c.design()) : checkVswrContour(c.design());
    if (refusal) {
        report(c.platform, c.state.settings, c.parent(), *refusal);
        return;
    }
    c.design().modified = true;
    ContourDialog dialog(c.state, c.platform, kind, c.parent());
    dialog.exec();
    c.shell.repaintChart();
}

void changeZoCommand(CommandContext& c)
{
    if (const std::optional<DialogMessage> m = checkZoChange(c.design())) {
        report(c.platform, c.state.settings, c.parent(), *m);
        return;
    }
    ReferenceImpedanceDialog dialog(c.state, c.platform, c.parent());
    if (dialog.exec() == QDialog::Accepted)
        c.shell.refreshZo();
    c.shell.repaintAll();
}

void lineWidthCommand(CommandContext& c)
{
    LineWidthDialog dialog(c.state, c.platform, c.parent());
    dialog.exec();
    c.shell.repaintAll();
}

void partLossesCommand(CommandContext& c)
{
    PartLossesDialog dialog(c.state, c.platform, c.parent());
    dialog.exec();
}

void coloursCommand(CommandContext& c)
{
    ColoursDialog dialog(c.state, c.platform, c.parent());
    dialog.setOnChange([&c] { c.shell.repaintChart(); });
    dialog.exec();
    c.shell.repaintChart();
}

void toggleOption(CommandContext& c, DisplayOption option)
{
    Settings& s = c.state.settings;
    switch (option) {
    case DisplayOption::ZChart:
        s.chartKinds ^= showZChartBit;
        break;
    case DisplayOption::YChart:
        s.chartKinds ^= showYChartBit;
        break;
    case DisplayOption::Labels:
        s.labels = !s.labels;
        break;
    case DisplayOption::ChartLabeling:
        s.chartLabels = !s.chartLabels;
        break;
    case DisplayOption::MessageBeep:
        s.messageBeep = !s.messageBeep;
        break;
    case DisplayOption::ConnectDataPoints:
        s.linkDataPoints = !s.linkDataPoints;
        break;
    }
    c.shell.refreshMenu();
    if (option == DisplayOption::ChartLabeling || option == DisplayOption::ConnectDataPoints)
        c.shell.repaintAll();
    else if (option != DisplayOption::MessageBeep)
        c.shell.repaintChart();
}

void languageCommand(CommandContext& c, UiLanguage language)
{
    Settings& s = c.state.settings;
    const bool changed = s.language != language;
    s.language = language;
    c.shell.refreshMenu();
    if (!changed)
        return;
    // In the language chosen, which the windows cannot show before a restart.
    const QString text =
        wantsChinese(language, QLocale::system())
            ? QStringLiteral("\u91CD\u65B0\u542F\u52A8 Zelvo \u540E\u754C\u9762"
                             "\u8BED\u8A00\u5C06\u5207\u6362\u4E3A\u4E2D\u6587\u3002")
            : QStringLiteral("The language of the windows changes when Zelvo is started again.");
    tell(c.platform, s, c.parent(), text, MessageIcon::Information, false);
}

namespace {

bool setZoom(CommandContext& c, float zoom)
{
    const float old = c.state.settings.zoom;
    if (zoom == old)
        return false;
    c.state.settings.zoom = zoom;
    if (ChartWindow* chart = c.shell.chartWindow())
        chart->zoomChanged(old);
    c.shell.repaintChart();
    return true;
}

} // namespace

bool zoomInCommand(CommandContext& c)
{
    return setZoom(c, zoomIn(c.state.settings.zoom));
}
bool zoomOutCommand(CommandContext& c)
{
    return setZoom(c, zoomOut(c.state.settings.zoom));
}

void zoomValueCommand(CommandContext& c)
{
    const float old = c.state.settings.zoom;
    ZoomDialog dialog(c.state, c.platform, c.parent());
    dialog.exec();
    if (ChartWindow* chart = c.shell.chartWindow(); chart && c.state.settings.zoom != old)
        chart->zoomChanged(old);
    c.shell.repaintChart();
}

void zoomFitCommand(CommandContext& c)
{
    c.state.settings.zoom = 1.0f;
    if (ChartWindow* chart = c.shell.chartWindow())
        chart->centreChart();
    c.shell.repaintChart();
}

} // namespace zelvo
