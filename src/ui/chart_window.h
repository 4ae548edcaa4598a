// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The chart window: paints the chart, fills the readouts for the point under
// the mouse, drags an element being placed along its guide and fixes it,
// picks data points, chooses and edits them, and carries the undo (right
// button) and redo (middle button) gestures.
#include "ui/placement.h"
#include "ui/platform.h"
#include "ui/readout.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QScrollBar;

namespace zelvo {

class Shell;

class ChartWindow : public QWidget {
  public:
    ChartWindow(AppState& state, const Platform& platform, Shell& shell, QWidget* parent = nullptr);

    // Where the readouts go.
    void setReadoutSink(std::function<void(const ReadoutTexts&)> sink) { sink_ = std::move(sink); }
    // Where the placement status (element kind, live value) goes.
    void setStatusSink(std::function<void(const QString&)> sink) { status_ = std::move(sink); }

    // StartPlacement: the toolbox has filled the hand-off; `begin` is the
    // working point at the current zoom.
    void startPlacement(Point begin);
    // Right button: cancels a placement or a pick, else undoes.
    void undoGesture();
    // Esc: ends a running placement or data point pick as the right button
    // does; false (nothing done) when neither runs.
    bool escape();
    // Middle button: redoes.
    void redoGesture();
    // The chart interaction state back to idle (New, Open, a command line file).
    void resetInteraction();
    // The design or the options changed: the chart is drawn anew. A mouse move
    // of a placement only redraws the guide over the kept picture.
    void invalidate();
    // Only the elements' values changed (live tuning): what does not depend
    // on them is kept as a picture and the chain is painted anew over it.
    void invalidateChain();

    // Zoom about a client pixel (the wheel) and pan by client pixels; neither
    // touches the design or its history.
    void zoomAt(float newZoom, QPoint client);
    void panBy(int dx, int dy);
    // The centred chart (Zoom Redraw, Zoom Fit).
    void centreChart();
    // The zoom factor was changed by a command: the pan keeps the middle of
    // the window on the same point of the chart.
    void zoomChanged(float oldZoom);

    const PlacementTrack& track() const { return track_; }
    // Client pixel of a chart point at the current zoom, and back.
    QPoint clientPoint(Point chart) const;
    Point chartPoint(QPoint client) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    PlacementContext context() const;
    void showReadout(Point chart, ExactReadout exact = {});
    void drag(Point mouse);
    void commit();
    void pick(QPoint client);
    void chooseStartPoint(QPoint client);
    void editDataPoint(QPoint client);
    std::optional<int> nearestDataPoint(QPoint client, double& distance) const;
    void movePointerTo(Point chart);
    void viewChanged(double zoomRatio);
    void layoutScrollBars();
    void syncScrollBars();

    AppState& state_;
    const Platform& platform_;
    Shell& shell_;
    std::function<void(const ReadoutTexts&)> sink_;
    std::function<void(const QString&)> status_;
    void updateStatus();
    PlacementTrack track_;
    QImage base_; // the chart with the design, as last drawn
    bool baseValid_ = false;
    QImage fixed_; // the picture without the chain, while tuning
    bool fixedValid_ = false;
    bool chainOnly_ = false; // base_ needs only the chain painted anew
    QScrollBar* hBar_ = nullptr;
    QScrollBar* vBar_ = nullptr;
    bool syncing_ = false;
    bool panning_ = false;
    QPoint panFrom_;
    double wheelNotches_ = 0.0; // touchpads send fractions of a notch
};

} // namespace zelvo
