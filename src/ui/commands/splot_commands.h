// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// S-Plot mode's file commands and the ".s2p" / ".zvc" command line.
#include "model/twoport_export.h"
#include "ui/commands/command_context.h"

namespace zelvo {

// Loads a Touchstone file into the two-port data, with the wait cursor and
// the messages of a failed open or format.
void loadTouchstone(CommandContext& c, const QString& path);
// Open in S-Plot mode: the file dialog, then loadTouchstone.
void openTouchstoneCommand(CommandContext& c);
// "&Close": the two-port data is dropped.
void closeTouchstoneCommand(CommandContext& c);

// S11 / S22 to the chart: the refusals (wideband done, no two-port data).
// The choice of lines comes with the S-parameter dialogs.
void importToChartCommand(CommandContext& c, bool s22);

// "s- to &H-parameter - file" and its Z, Y and A siblings: the save dialog,
// the normalisation choice, the file and the "created" message.
void exportParametersCommand(CommandContext& c, ParameterKind kind);

// The file named on the command line: ".s2p" anywhere in it (any case)
// opens S-Plot mode with it, else ".zvc" opens a design; anything else is
// ignored. The path is used as given: file names on Linux keep their case.
enum class CommandLineFile { None, Touchstone, Design };
CommandLineFile commandLineKind(const QString& argument);
void openCommandLine(CommandContext& c, const QString& argument);

} // namespace zelvo
