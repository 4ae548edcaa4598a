// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Two-port block": what a measured two-port of the chain is (its file, the
// measured range, the reference impedance, whether it has noise data, its
// S-parameters at the design frequency) and which way round it sits. It has
// no value to edit; its one choice is "reversed".
#include "core/block.h"
#include "ui/dialogs/dialog_support.h"

class QCheckBox;

namespace zelvo {

class BlockDialog : public ZelvoDialog {
  public:
    // `heading` names the element ("Element 3: two-port block") or the insertion.
    BlockDialog(AppState& state, const Platform& platform, const BlockData& block, bool reversed,
                const QString& heading, QWidget* parent = nullptr);

    bool reversed() const;

  private:
    QCheckBox* reversed_ = nullptr;
};

// The lines the dialog shows about the block, at the design frequency f0.
QStringList blockFacts(const BlockData& block, bool reversed, double f0);

} // namespace zelvo
