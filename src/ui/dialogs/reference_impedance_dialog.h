// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Reference Impedance / Admittance": Zo typed in ohm or as an admittance in
// siemens. The menu allows it only while the design has no data point.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

// Wider than any line or system impedance, narrow enough that the grid
// labels (Zo times the normalised values) stay short numbers.
inline constexpr float minReferenceImpedance = 0.001f;
inline constexpr float maxReferenceImpedance = 1e6f;

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
