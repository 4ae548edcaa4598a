// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Match automatically": every textbook matching network from the chain's
// end to a target, with its Q and its worst return loss over the design's
// other frequencies; the selected one is previewed on the chart, Apply
// appends it as ordinary elements.
#include "core/synthesis.h"
#include "model/design.h"
#include "ui/dialogs/dialog_support.h"

#include <functional>

class QButtonGroup;
class QLabel;
class QSpinBox;
class QTreeWidget;

namespace zelvo {

class MatchDialog : public ZelvoDialog {
  public:
    MatchDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);
    ~MatchDialog() override;

    // Called after the preview or the design changed.
    std::function<void()> onRepaint;

    QTreeWidget* list() const { return list_; }
    QLabel* messageLabel() const { return message_; }
    const MatchResult& result() const { return result_; }
    // Appends the selected network; false (with a message) when refused.
    bool applySelected();

    enum Target { TargetZo = 0, TargetTyped = 1, TargetConjugate = 2 };
    void setTarget(Target target);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void recompute();
    void preview();
    // The target, or why there is none (for the message line).
    std::optional<Complex> target(QString& why) const;
    // The line and stub impedance, or why it cannot be one.
    std::optional<float> lineImpedance(QString& why) const;

    QButtonGroup* targetGroup_ = nullptr;
    QLineEdit* targetR_ = nullptr;
    QLineEdit* targetX_ = nullptr;
    QSpinBox* point_ = nullptr;
    QLineEdit* lineImpedance_ = nullptr;
    QLabel* from_ = nullptr;
    QLabel* message_ = nullptr;
    QTreeWidget* list_ = nullptr;
    MatchResult result_;
};

// "L-network", "Shunt stub", "Line + series", "Quarter wave".
QString matchFamilyName(MatchFamily f);
// "23.10 - j12.00 Ohm".
QString ohmText(Complex z);
// The network with its points, as the chain computes them from `load` at
// the design frequency.
std::vector<Element> placedNetwork(const Design& d, std::vector<Element> network, Complex load);

// The worst return loss (dB) of `network` appended to the design, over the
// design's data points each at its own frequency; nullopt when every point
// has the design frequency.
std::optional<double> worstReturnLoss(const Design& d, const std::vector<Element>& network,
                                      Complex target);

} // namespace zelvo
