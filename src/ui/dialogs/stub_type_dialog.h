// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Stub type": a shunt line ends shorted (LPS) or open (LPO).
#include "core/element.h"
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

class StubTypeDialog : public ZelvoDialog {
  public:
    StubTypeDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

    // LPS or LPO; None when the dialog was closed without a choice.
    ElementKind choice() const { return choice_; }

  private:
    ElementKind choice_ = ElementKind::None;
};

// Runs the dialog modally and returns its choice.
ElementKind chooseStubType(AppState& state, const Platform& platform, QWidget* parent = nullptr);

} // namespace zelvo
