// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// zelvo broadband: the broadband dialog's search and table without a window.
#include "ui/command_args.h"
#include "ui/command_line.h"

#include <optional>

namespace zelvo {

ToolRun broadbandTool(const ToolRequest& request);

} // namespace zelvo
