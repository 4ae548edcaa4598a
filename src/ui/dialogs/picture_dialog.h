// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Export Picture": which picture (chart or schematic in chart mode; the
// active view in S-Plot mode) and its size in pixels, which also sizes the
// pages of PDF and SVG files (shown in millimetres beside it).
#include "ui/dialogs/dialog_support.h"
#include "ui/picture_export.h"

#include <vector>

class QButtonGroup;
class QSpinBox;

namespace zelvo {

class PictureDialog : public ZelvoDialog {
  public:
    // `views`: the pictures offered, the first one chosen unless the last
    // choice of the run is among them.
    PictureDialog(AppState& state, const Platform& platform, const std::vector<PictureView>& views,
                  QWidget* parent);

    PictureView view() const;
    int size() const;

  protected:
    void accept() override;

  private:
    std::vector<PictureView> views_;
    QButtonGroup* group_ = nullptr;
    QSpinBox* size_ = nullptr;
};

} // namespace zelvo
