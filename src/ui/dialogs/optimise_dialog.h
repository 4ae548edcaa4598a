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

class QCheckBox;
class QComboBox;
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
    QCheckBox* standardValues() const { return standard_; }
    QComboBox* series() const { return series_; }

    // For tests: replaces the progress dialog; false cancels.
    std::function<bool(const OptimiseProgress&)> progressOverride;

  private:
    // The optimised values with every L, C and R among them moved to the
    // best combination of series values.
    std::vector<double> standardResult(const OptimiseSetup& s, std::vector<double> values) const;

    QTableWidget* elements_ = nullptr;
    QListWidget* points_ = nullptr;
    QLineEdit* targetR_ = nullptr;
    QLineEdit* targetX_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* standard_ = nullptr;
    QComboBox* series_ = nullptr;
    std::vector<std::array<ShownValue, 2>> shownBounds_; // Min, Max of each row
    OptimiseResult result_;
};

} // namespace zelvo
