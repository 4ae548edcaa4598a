// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/commands/network_commands.h"

#include "model/amplifier_match.h"
#include "model/design_rules.h"
#include "ui/dialogs/amplifier_dialog.h"
#include "ui/dialogs/broadband_dialog.h"
#include "ui/dialogs/match_dialog.h"
#include "ui/dialogs/optimise_dialog.h"
#include "ui/dialogs/standard_values_dialog.h"
#include "ui/messages.h"

namespace zelvo {

void matchCommand(CommandContext& c)
{
    if (const auto refusal = checkElementButton(c.design())) {
        report(c.platform, c.state.settings, c.parent(), *refusal);
        return;
    }
    MatchDialog dialog(c.state, c.platform, c.parent());
    dialog.onRepaint = [&c] { c.shell.repaintChart(); };
    dialog.exec();
    c.shell.repaintAll();
}

namespace {

// Whether the design has the data point and element that changing element
// values needs, and room in the history for the change; says why not.
bool readyToChangeValues(CommandContext& c, const char* refusal)
{
    const Design& d = c.design();
    if (d.elementCount <= 0 || d.dataPointCount <= 0) {
        report(c.platform, c.state.settings, c.parent(), {refusal, "", MessageIcon::Exclamation});
        return false;
    }
    if (const auto full = checkHistoryRoom(d)) {
        report(c.platform, c.state.settings, c.parent(), *full);
        return false;
    }
    return true;
}

} // namespace

void optimiseCommand(CommandContext& c)
{
    if (!readyToChangeValues(c, "Optimizing needs at least one data point and one element."))
        return;
    OptimiseDialog dialog(c.state, c.platform, c.parent());
    dialog.exec();
    c.shell.repaintAll();
}

void standardValuesCommand(CommandContext& c)
{
    if (!readyToChangeValues(c, "Standard values need at least one data point and one element."))
        return;
    StandardValuesDialog dialog(c.state, c.platform, c.parent());
    dialog.exec();
    c.shell.updateTitle();
    c.shell.repaintAll();
}

void broadbandCommand(CommandContext& c)
{
    const Design& d = c.design();
    if (d.dataPointCount > 0) {
        if (const auto refusal = checkElementButton(d)) {
            report(c.platform, c.state.settings, c.parent(), *refusal);
            return;
        }
    } else if (d.widebandDone) {
        report(c.platform, c.state.settings, c.parent(),
               {widebandNoElementsText, "", MessageIcon::Error});
        return;
    }
    BroadbandDialog dialog(c.state, c.platform, c.parent());
    dialog.onRepaint = [&c] { c.shell.repaintChart(); };
    dialog.exec();
    c.shell.updateTitle();
    c.shell.repaintAll();
}

void matchAmplifierCommand(CommandContext& c)
{
    const Design& d = c.design();
    if (const auto refusal = checkElementButton(d)) {
        report(c.platform, c.state.settings, c.parent(), *refusal);
        return;
    }
    auto device = amplifierDevice(d, c.state.sparams);
    if (const auto* m = std::get_if<DialogMessage>(&device)) {
        report(c.platform, c.state.settings, c.parent(), *m);
        return;
    }
    AmplifierDialog dialog(c.state, c.platform, std::get<AmplifierDevice>(std::move(device)),
                           c.parent());
    dialog.onRepaint = [&c] { c.shell.repaintChart(); };
    dialog.exec();
    c.shell.repaintAll();
}

} // namespace zelvo
