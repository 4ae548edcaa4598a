// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The "Schematic" window: the element column with its values, scrolled
// vertically; a double click on an element edits its value; the right and
// middle buttons are the chart's undo and redo.
#include "render/schematic.h"
#include "ui/platform.h"

#include <QAbstractScrollArea>

namespace zelvo {

struct AppState;
class Shell;
class Tuner;

class SchematicWindow : public QAbstractScrollArea {
  public:
    SchematicWindow(AppState& state, const Platform& platform, Shell& shell,
                    QWidget* parent = nullptr);

    const SchematicView& view() const { return view_; }
    // After the element count changed: the scroll range follows, an offset
    // beyond it comes down.
    void rangeChanged();
    // Shows the last rows (the pending element and the bottom end).
    void scrollToEnd();
    // Adjusts the scrolling to the design and placement, then repaints.
    void refresh();
    // The placement as this window shows it.
    SchematicPlacement placement() const;
    // A click selects an element for tuning, the wheel and Up/Down tune it.
    void setTuner(Tuner* tuner) { tuner_ = tuner; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void syncScrollBar();

    AppState& state_;
    const Platform& platform_;
    Shell& shell_;
    SchematicView view_;
    Tuner* tuner_ = nullptr;
    int wheelRemainder_ = 0; // eighths of a degree short of a notch
};

} // namespace zelvo
