// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Datapoint": the frequency of a data point just placed with the mouse.
// The chart has already appended the point; Cancel withdraws it again.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

class FrequencyDialog : public ZelvoDialog {
  public:
    FrequencyDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

    // Cancel, Esc and the close button withdraw the point and its history
    // entry; a later Redo does not bring it back.
    void reject() override;

  private:
    void onOk();

    QLineEdit* frequency_;
    QComboBox* unit_;
};

} // namespace zelvo
