// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The measured two-port block of the chain (inserted from a Touchstone file,
// looked at and turned round), and the network as a Touchstone file.
#include "ui/commands/command_context.h"

namespace zelvo {

// "Network > Insert two-port block..." and the toolbox's block button:
// refused like an element button, then the file, a refusal when the block
// has no value at the design frequency, the block dialog, and the element
// appended as one undoable step.
void insertBlockCommand(CommandContext& c);

// The block dialog for element `index` (a double click in the schematic);
// turning it round is one undoable edit.
void editBlockCommand(CommandContext& c, int index);

// "File > Export network as Touchstone...": the sweep dialog, the file
// dialog and the file.
void exportNetworkCommand(CommandContext& c);

} // namespace zelvo
