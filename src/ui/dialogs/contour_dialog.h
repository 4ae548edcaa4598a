// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Constant Q - circle" and "Constant VSWR - circle": add a contour, or
// delete the newest or all of them. The lists change without history
// entries; the messages about existing or missing contours never beep.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

enum class ContourKind { Q, Vswr };

// Ends Accepted when the contour list changed (the chart needs a repaint).
class ContourDialog : public ZelvoDialog {
  public:
    ContourDialog(AppState& state, const Platform& platform, ContourKind kind,
                  QWidget* parent = nullptr);

  private:
    void onOk();
    void onDeleteLast();
    void onDeleteAll();
    float* values() const;
    int& count() const;
    int capacity() const;

    ContourKind kind_;
    QLineEdit* value_;
};

} // namespace zelvo
