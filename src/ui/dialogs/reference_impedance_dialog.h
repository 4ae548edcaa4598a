// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Reference Impedance / Admittance": Zo typed in ohm or as an admittance in
// siemens. The menu allows it only while the design has no data point.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

// Ends Accepted when z0 changed (the "Zo" readout needs a refresh).
class ReferenceImpedanceDialog : public ZelvoDialog {
  public:
    ReferenceImpedanceDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

  private:
    void showValue();
    void onOk();

    QLineEdit* value_;
    QComboBox* unit_;
    ShownValue shown_;
};

} // namespace zelvo
