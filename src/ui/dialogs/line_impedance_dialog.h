// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Line impedance": the impedance and permittivity of a line or stub about to
// be placed. Both are remembered for the next line.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

// On OK the values go to the memory and to the element slot being placed
// (index elementCount). The dialog has no Cancel button; closing it with Esc
// ends it Rejected, and the caller then does not start the placement.
class LineImpedanceDialog : public ZelvoDialog {
  public:
    LineImpedanceDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

  private:
    void onOk();

    QLineEdit* impedance_;
    QLineEdit* er_;
    ShownValue shownImpedance_;
    ShownValue shownEr_;
};

} // namespace zelvo
