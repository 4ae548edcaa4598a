// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// What the windows, the toolbox and the commands ask of the main window:
// repaints, the title, the "Zo" readout, the chart's undo and redo gestures.
// The main window implements it; nothing else needs to know the main window.
#include "ui/app_state.h"

class QWidget;

namespace zelvo {

class ChartWindow;

class Shell {
  public:
    virtual ~Shell() = default;

    // Owner of modal dialogs and message boxes.
    virtual QWidget* dialogParent() = 0;
    virtual ChartWindow* chartWindow() = 0;

    virtual void repaintChart() = 0;
    virtual void repaintSchematic() = 0;
    virtual void repaintPointList() = 0;
    // The main window and every child window.
    virtual void repaintAll() = 0;
    // The design was replaced (New, Open): placement, picks and tuning start
    // afresh.
    virtual void resetInteraction() = 0;
    // Only element values changed (live tuning): the chain on the chart over
    // its kept picture, the schematic and the data point list.
    virtual void repaintChain() = 0;

    // "Zelvo-Chart %s" with the design's file name (chart mode).
    virtual void updateTitle() = 0;
    // The "Zo" field in the engineering form.
    virtual void refreshZo() = 0;
    // Check marks and graying after an option or the mode changed.
    virtual void refreshMenu() = 0;
    // The mode switch with its windows, menu items and title.
    virtual void switchMode(AppMode mode) = 0;
};

} // namespace zelvo
