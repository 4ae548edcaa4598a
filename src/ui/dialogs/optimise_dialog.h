// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Optimize": the elements to vary with their bounds, the data points whose
// worst return loss is to be minimised, the target; runs the search with a
// progress dialog and applies the result as one undo step.
#include "optimise/optimiser.h"
#include "ui/dialogs/dialog_support.h"

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QTableWidget;

namespace zelvo {

class OptimiseDialog : public ZelvoDialog {
  public:
    OptimiseDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

    QTableWidget* elementTable() const { return elements_; }
    QListWidget* pointList() const { return points_; }
    // The setup as the dialog's fields say, or nullopt after a field message.
    std::optional<OptimiseSetup> setup();
    // Runs the search (progress with Cancel) and applies the best values.
    bool run();
    const OptimiseResult& result() const { return result_; }

    // For tests: replaces the progress dialog; false cancels.
    std::function<bool(const OptimiseProgress&)> progressOverride;

  private:
    QTableWidget* elements_ = nullptr;
    QListWidget* points_ = nullptr;
    QLineEdit* targetR_ = nullptr;
    QLineEdit* targetX_ = nullptr;
    QLabel* summary_ = nullptr;
    std::vector<std::array<ShownValue, 2>> shownBounds_; // Min, Max of each row
    OptimiseResult result_;
};

} // namespace zelvo
