// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/commands/circle_commands.h"

#include "model/design_rules.h"
#include "ui/dialogs/circle_dialogs.h"
#include "ui/messages.h"

namespace zelvo {

namespace {

// The limit, then room in the history: both before any dialog opens.
bool refused(CommandContext& c, std::optional<DialogMessage> limit)
{
    if (!limit)
        limit = checkHistoryRoom(c.design());
    if (!limit)
        return false;
    report(c.platform, c.state.settings, c.parent(), *limit);
    return true;
}

} // namespace

void stabilityCircleCommand(CommandContext& c)
{
    if (refused(c, checkStabilityCircle(c.design())))
        return;
    const std::optional<CirclePlane> plane =
        choosePlane(c.state, c.platform, CircleKind::Stability, c.parent());
    if (!plane)
        return;
    TwoPortDialog dialog(c.state, c.platform, CircleKind::Stability, c.parent());
    if (dialog.exec() != QDialog::Accepted)
        return;
    appendStabilityCircle(c.design(), makeStabilityRecord(*plane, dialog.entered()));
    c.shell.repaintAll();
}

void gainCircleCommand(CommandContext& c)
{
    Design& d = c.design();
    if (refused(c, checkGainCircle(d)))
        return;
    const std::optional<CirclePlane> plane =
        choosePlane(c.state, c.platform, CircleKind::Gain, c.parent());
    if (!plane)
        return;
    // The slot keeps the gain of a circle undone from it (0 when never used),
    // which the two-port dialog checks against Gmax; a copy, so that Cancel
    // leaves the design untouched.
    GainCircleRecord slot = d.gainCircles[static_cast<std::size_t>(d.gainCount)];
    slot.plane = *plane;
    TwoPortDialog dialog(c.state, c.platform, CircleKind::Gain, c.parent());
    dialog.onValid = [&](const TwoPort& entered) {
        const std::optional<DialogMessage> tooHigh = applyGainTwoPort(slot, entered);
        if (!tooHigh)
            return true;
        report(c.platform, c.state.settings, &dialog, *tooHigh);
        GainValueDialog gain(c.state, c.platform, slot, &dialog);
        if (gain.exec() == QDialog::Accepted)
            slot.p = gain.gain();
        return false;
    };
    if (dialog.exec() != QDialog::Accepted)
        return;
    GainValueDialog gain(c.state, c.platform, slot, c.parent());
    if (gain.exec() != QDialog::Accepted)
        return;
    slot.p = gain.gain();
    appendGainCircle(d, slot);
    c.shell.repaintAll();
}

void noiseCircleCommand(CommandContext& c)
{
    if (refused(c, checkNoiseCircle(c.design())))
        return;
    NoiseFigureDialog dialog(c.state, c.platform, c.parent());
    dialog.exec();
    c.shell.repaintAll();
}

} // namespace zelvo
