// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Tolerance analysis": a seeded Monte Carlo run of the chain over its
// parts' tolerances. The cloud of the chain's end at each data point is
// drawn on the chart; the yield against a return loss target, the worst
// sample and each part's sensitivity are listed. The window stays open
// beside the chart and runs again when the design changes (live tuning).
#include "core/tolerance.h"
#include "ui/dialogs/dialog_support.h"

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace zelvo {

// Above this many element steps (samples x data points x elements) a run
// shows its progress with Cancel and is not repeated on its own.
inline constexpr double toleranceQuickWork = 2e7;

class ToleranceDialog : public ZelvoDialog {
  public:
    ToleranceDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);
    ~ToleranceDialog() override;

    // Called after the cloud changed, and when the design's series changed.
    std::function<void()> onRepaint;

    // Runs with the fields' choices; false (with a message) when refused or
    // cancelled.
    bool run();
    // Runs again when the design changed since the last run (a timer calls it).
    void followDesign();
    const ToleranceResult& result() const { return result_; }

    QComboBox* law() const { return law_; }
    QSpinBox* samples() const { return samples_; }
    QLineEdit* target() const { return target_; }
    QComboBox* series() const { return series_; }
    QLabel* summary() const { return summary_; }
    QTableWidget* table() const { return table_; }
    // For tests: replaces the progress dialog; false cancels.
    std::function<bool(int, int)> progressOverride;

  private:
    std::vector<double> fingerprint() const;
    void showResult();

    QComboBox* law_ = nullptr;
    QSpinBox* samples_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QLineEdit* target_ = nullptr;
    QComboBox* series_ = nullptr;
    QCheckBox* follow_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QTimer* timer_ = nullptr;
    ToleranceResult result_;
    std::vector<int> points_; // data point of each load of the result
    std::vector<double> ranOn_; // the design's fingerprint at the last run
};

} // namespace zelvo
