// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The circle menu's stability, constant-gain and constant noise-figure
// commands. A circle enters the design (with its history entry) only when
// all of its dialogs end with OK; Cancel anywhere leaves the design as it was.
#include "ui/commands/command_context.h"

namespace zelvo {

void stabilityCircleCommand(CommandContext& c);
void gainCircleCommand(CommandContext& c);
void noiseCircleCommand(CommandContext& c);

} // namespace zelvo
