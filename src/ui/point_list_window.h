// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The "Data Points" window: every data point and element point of the design
// with its impedance, Q and frequency, and the circle lines, scrolled both
// ways. The right and middle buttons are the chart's undo and redo.
#include "ui/point_list_view.h"

#include <QAbstractScrollArea>

namespace zelvo {

struct AppState;
class Shell;
class Tuner;

class PointListWindow : public QAbstractScrollArea {
  public:
    PointListWindow(AppState& state, Shell& shell, QWidget* parent = nullptr);

    const PointListScroll& scroll() const { return scroll_; }
    // Ranges and repaint after the design changed.
    void refresh();
    // A click on an element's line selects it for tuning.
    void setTuner(Tuner* tuner) { tuner_ = tuner; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void syncScrollBars();

    AppState& state_;
    Shell& shell_;
    PointListScroll scroll_;
    Tuner* tuner_ = nullptr;
};

} // namespace zelvo
