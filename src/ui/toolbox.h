// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The toolbox: the modeless window whose buttons add a data point or start
// placing an element. An element button checks the limits, asks for the
// kind's extra values, hands the guide to the chart window, puts the pointer
// onto the working point and starts the placement.
#include "core/element.h"
#include "ui/dialogs/input_device_dialog.h"
#include "ui/platform.h"

#include <QDialog>
#include <functional>

namespace zelvo {

struct AppState;
class Shell;

// The element buttons; the two RLC buttons add a group at once.
enum class ToolButton { CS, IS, RS, LS, RlcInSeries, CP, IP, RP, Stub, RlcInShunt, TR };

class Toolbox : public QDialog {
  public:
    Toolbox(AppState& state, const Platform& platform, Shell& shell, QWidget* parent = nullptr);

    // What " DATAPOINT " does when the user chooses S11 or S22 from S-Plot.
    void setImport(std::function<void(InputDevice)> import) { import_ = std::move(import); }

    void pressElement(ToolButton button);
    // The measured two-port block, from a Touchstone file.
    void pressBlock();
    void pressDataPoint();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void reject() override; // Esc does not close the toolbox

  private:
    bool refused(ToolButton button);
    bool askExtraValues(ToolButton button, ElementKind& kind);

    AppState& state_;
    const Platform& platform_;
    Shell& shell_;
    std::function<void(InputDevice)> import_;
};

// The kind a button places (None for the RLC buttons).
ElementKind kindOf(ToolButton button);

} // namespace zelvo
