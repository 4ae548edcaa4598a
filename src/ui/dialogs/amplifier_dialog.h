// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Match amplifier": the device's stability and terminations at a chosen
// frequency, the output networks (load to port 2) and the input networks
// (port 1 to the generator) to pick from, the pair previewed on the chart
// with the GT it reaches; Apply builds output network, device and input
// network as one undo step.
#include "model/amplifier_match.h"
#include "ui/dialogs/dialog_support.h"

#include <functional>
#include <optional>
#include <variant>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace zelvo {

class AmplifierDialog : public ZelvoDialog {
  public:
    AmplifierDialog(AppState& state, const Platform& platform, AmplifierDevice device,
                    QWidget* parent = nullptr);
    ~AmplifierDialog() override;

    // Called after the preview or the design changed.
    std::function<void()> onRepaint;

    // The frequency (Hz) and, for a potentially unstable device, the gain
    // (dB); the lists follow.
    void setFrequency(double hertz);
    void setGain(double db);
    void select(int output, int input);
    bool applySelected();

    const std::variant<AmplifierPlan, DialogMessage>& plan() const { return plan_; }
    QTreeWidget* outputList() const { return output_; }
    QTreeWidget* inputList() const { return input_; }
    QLabel* deviceLabel() const { return device_; }
    QLabel* resultLabel() const { return result_; }
    QLineEdit* gainField() const { return gain_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void recompute();
    void preview();
    std::optional<std::vector<Element>> selectedChain() const;

    AmplifierDevice deviceData_;
    std::variant<AmplifierPlan, DialogMessage> plan_;
    QLineEdit* frequency_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLineEdit* gain_ = nullptr;
    QLabel* device_ = nullptr;
    QLabel* result_ = nullptr;
    QTreeWidget* output_ = nullptr;
    QTreeWidget* input_ = nullptr;
};

} // namespace zelvo
