// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// What every menu command works with: the application state, the desktop
// seam and the main window's services.
#include "ui/app_state.h"
#include "ui/platform.h"
#include "ui/shell.h"

namespace zelvo {

struct CommandContext {
    AppState& state;
    const Platform& platform;
    Shell& shell;

    Design& design() const { return state.design; }
    QWidget* parent() const { return shell.dialogParent(); }
};

} // namespace zelvo
