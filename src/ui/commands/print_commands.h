// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Print, Printer setup and Export Picture, in both modes.
#include "ui/commands/command_context.h"
#include "ui/picture_export.h"

#include <optional>

namespace zelvo {

// Chart mode: the "PRINT" dialog of the design; S-Plot mode: the plots' one.
void printCommand(CommandContext& c);
void printerSetupCommand(CommandContext& c);

// Chart mode offers the chart and the schematic; S-Plot mode the active view
// (`sPlotView`, the S21 plot when none is active).
void exportPictureCommand(CommandContext& c, std::optional<PictureView> sPlotView);

} // namespace zelvo
