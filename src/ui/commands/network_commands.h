// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The Network menu's matching and optimising commands.
#include "ui/commands/command_context.h"

namespace zelvo {

// Refused like an element button (no data point, wideband done, limits).
void matchCommand(CommandContext& c);
// Refused without elements or data points.
void optimiseCommand(CommandContext& c);
// Refused like an element button, except that a design without data points
// may take its load from a one-port file.
void broadbandCommand(CommandContext& c);
// Needs a block at the chain's end or a loaded S-Plot file; refused like an
// element button otherwise.
void matchAmplifierCommand(CommandContext& c);

} // namespace zelvo
