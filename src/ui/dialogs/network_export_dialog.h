// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Export network as Touchstone": the frequencies of the two-port file. A
// chain with a block offers the block's own frequencies (the default) or a
// linear sweep; otherwise the linear sweep over the data points' span.
#include "ui/dialogs/dialog_support.h"

#include <vector>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zelvo {

class NetworkExportDialog : public ZelvoDialog {
  public:
    NetworkExportDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

    // The chosen frequencies (Hz, rising); valid once the dialog is accepted.
    const std::vector<double>& frequencies() const { return chosen_; }

  private:
    void onOk();
    void enableSweep();

    std::vector<double> blockFrequencies_;
    std::vector<double> chosen_;
    QRadioButton* blockChoice_ = nullptr;
    QRadioButton* linearChoice_ = nullptr;
    QLineEdit* start_ = nullptr;
    QLineEdit* stop_ = nullptr;
    QLineEdit* points_ = nullptr;
    QComboBox* startUnit_ = nullptr;
    QComboBox* stopUnit_ = nullptr;
};

} // namespace zelvo
