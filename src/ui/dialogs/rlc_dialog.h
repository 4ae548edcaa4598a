// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "RLC Series" (an RLC SERIES group: R, L, C in series, connected in shunt)
// and "RLC Shunt" (an RLC PARALLEL group: R, L, C in parallel, inserted in
// series). OK appends the group to the chain at once.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

enum class RlcGroup { Series, Shunt };

// Ends Accepted when the element was appended.
class RlcDialog : public ZelvoDialog {
  public:
    RlcDialog(AppState& state, const Platform& platform, RlcGroup group, QWidget* parent = nullptr);

  private:
    void onOk();

    RlcGroup group_;
    QLineEdit* fields_[3];
    QComboBox* units_[3];
};

} // namespace zelvo
