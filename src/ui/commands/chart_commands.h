// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The chart-mode commands that act on the design or the display: copy,
// wideband, contours, the display options, Zo, line width, colours, zoom.
#include "ui/commands/command_context.h"
#include "ui/dialogs/contour_dialog.h"

namespace zelvo {

void copyCommand(CommandContext& c);
void widebandCommand(CommandContext& c);
// The limit is tested before the dialog opens.
void contourCommand(CommandContext& c, ContourKind kind);
void changeZoCommand(CommandContext& c);
void lineWidthCommand(CommandContext& c);
// The losses of parts placed from now on; the schematic and chart are not
// changed (placed parts keep theirs).
void partLossesCommand(CommandContext& c);
void coloursCommand(CommandContext& c);

enum class DisplayOption { ZChart, YChart, Labels, ChartLabeling, MessageBeep, ConnectDataPoints };
void toggleOption(CommandContext& c, DisplayOption option);

// Kept in the settings; the windows change language when Zelvo next starts,
// which a message says in the language chosen.
void languageCommand(CommandContext& c, UiLanguage language);

// Zoom in / out repaint only when the factor changed; true then.
bool zoomInCommand(CommandContext& c);
bool zoomOutCommand(CommandContext& c);
void zoomValueCommand(CommandContext& c);
// Zoom 1 with the chart centred.
void zoomFitCommand(CommandContext& c);

} // namespace zelvo
