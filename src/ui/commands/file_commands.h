// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// New, Open, Save, Save As, Save Netlist and the save prompt; the design file
// named on the command line.
#include "ui/commands/command_context.h"

#include <QString>

#include <string>

namespace zelvo {

// A design's or data file's name as the user reads it: the placeholder
// "<unnamed>" in the user's language, a path as it stands.
QString shownFileName(const std::string& name);

// "Would you like to save changes made in '%s'?" when the design is modified.
// true: go on (No, or Yes with the design saved); false: abandon the
// operation (Cancel, or a Save that was cancelled or failed, so that the
// design is never dropped unsaved after the user asked to keep it).
bool savePrompt(CommandContext& c);

// Save: Save As for "<unnamed>", else the design's file; true when written.
bool saveCommand(CommandContext& c);
bool saveAsCommand(CommandContext& c);
void saveNetlistCommand(CommandContext& c);
// The matching network as an ngspice subcircuit (*.cir).
void saveSpiceNetlistCommand(CommandContext& c);
// Chosen points of a one-port Touchstone file (*.s1p) as data points.
void importOnePortCommand(CommandContext& c);

// New in chart mode.
void newDesignCommand(CommandContext& c);
// Open in chart mode: the save prompt, then the file dialog; the previous
// design stays when the dialog is cancelled or the file cannot be read.
void openDesignCommand(CommandContext& c);

// Reads the design at `path` (as typed: Linux file names keep their case).
// On success it replaces the design, named by the path and unmodified; on
// failure the message is shown and the design is left as it was.
bool openDesignFile(CommandContext& c, const QString& path);

// The file dialog filters.
QStringList designFileFilters();
QStringList netlistFileFilters();

} // namespace zelvo
