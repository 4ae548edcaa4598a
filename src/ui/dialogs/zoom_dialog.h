// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The zoom factor: 0.01 .. 50; anything else typed is refused.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

inline constexpr double minZoom = 0.01;
inline constexpr double maxZoom = 50.0;

// A factor from elsewhere (the settings file) brought into the range.
float clampZoom(double typed);

class ZoomDialog : public ZelvoDialog {
  public:
    ZoomDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

  private:
    void onOk();

    QLineEdit* factor_;
    ShownValue shown_;
};

} // namespace zelvo
