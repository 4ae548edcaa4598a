// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Input Device": how the next data point is entered.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

enum class InputDevice { None, Mouse, Keyboard, S11, S22 };

class InputDeviceDialog : public ZelvoDialog {
  public:
    InputDeviceDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

    // None when the dialog was closed without a choice.
    InputDevice choice() const { return choice_; }

  private:
    InputDevice choice_ = InputDevice::None;
};

// Runs the dialog modally and returns its choice.
InputDevice chooseInputDevice(AppState& state, const Platform& platform, QWidget* parent = nullptr);

} // namespace zelvo
