// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Part Losses": the losses the toolbox gives new inductors, capacitors and
// lines or stubs (kept in the settings file). Parts already placed keep
// theirs; the element value editor changes those one by one.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

class LossBox;

class PartLossesDialog : public ZelvoDialog {
  public:
    PartLossesDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

  private:
    void onOk();

    LossBox* inductor_;
    LossBox* capacitor_;
    LossBox* line_;
};

} // namespace zelvo
