// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Tooltips and status-bar tips: what a menu item does, what a toolbox button
// places, what a readout shows and in which unit; and the status text while
// an element is being placed.
#include "core/element.h"
#include "ui/menu.h"

#include <QString>
#include <optional>

class QWidget;

namespace zelvo {

// The status tip of a menu command (empty for none).
QString commandTip(Command c);
// Sets the status tips of every item of the menu.
void applyMenuTips(const MainMenu& menu);

// Tooltips and status tips of the toolbox buttons, by their object names.
void applyToolboxTips(QWidget* toolbox);
// Tooltips and status tips of the readout fields and their caption boxes.
void applyReadoutTips(QWidget* readoutParent);

// "Placing series capacitor: 1.2pF" while a placement runs; the value once
// the drag has produced one, and a lossy part's losses ("with Q 30 ...").
QString placementStatus(ElementKind kind, std::optional<double> value, double lineImpedance,
                        const QString& losses = {});

} // namespace zelvo
