// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// zelvo broadband: the broadband dialog's search and table without a window.
#include "ui/command_line.h"

#include <optional>

namespace zelvo {

// arguments: program, "broadband", options and the load's file.
ToolRun broadbandTool(const QStringList& arguments);

// A frequency as a script writes it: hertz, or with a prefix and optional
// unit ("14M", "14.35 MHz", "433k", "2.4GHz"); nullopt for anything else.
std::optional<double> frequencyArgument(const QString& text);

} // namespace zelvo
