// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Standard values": every L, C and R of the chain moved to a value of the
// chosen E-series, the combination of neighbours with the best worst return
// loss over the data points; before and after side by side, applied as one
// undo step.
#include "core/standard_values.h"
#include "ui/dialogs/dialog_support.h"

#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace zelvo {

// A combo box of the six series, "E24 (5 %)", set to `chosen`.
QComboBox* seriesCombo(QWidget* parent, ESeries chosen);
ESeries comboSeries(const QComboBox* combo);

// Which elements may move to a standard value: every L, C and R whose two
// neighbours in the series are values the element accepts.
std::vector<bool> standardFree(std::span<const Element> elements, ESeries series);

class StandardValuesDialog : public ZelvoDialog {
  public:
    StandardValuesDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

    QComboBox* series() const { return series_; }
    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    const StandardChoice& choice() const { return choice_; }
    // Applies the values shown as one undo step; the design takes the
    // series for the tolerance of its parts. false when refused.
    bool apply();

  private:
    void recompute();

    QComboBox* series_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    StandardChoice choice_;
};

} // namespace zelvo
