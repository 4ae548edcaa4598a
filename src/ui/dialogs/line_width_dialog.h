// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Settings": the width of the lines drawn on the chart, 1..9 pixels.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

class LineWidthDialog : public ZelvoDialog {
  public:
    LineWidthDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

  private:
    void onOk();

    QLineEdit* width_;
};

} // namespace zelvo
