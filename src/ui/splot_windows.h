// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The seven windows of S-Plot mode. They only read the loaded two-port data:
// S11 and S22 on the impedance chart, S12 and S21 on a polar grid, the
// Touchstone text, the gain table and the gain graphs.
#include "render/gain_graph.h"
#include "render/splot_plots.h"
#include "render/text_views.h"
#include "ui/main_layout.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;

namespace zelvo {

struct AppState;

// The tooltip-style label that shows the values of the point under the
// pointer in the S-Plot views.
class HoverLabel {
  public:
    explicit HoverLabel(QWidget* owner);
    // Shows `text` next to the client point; an empty text hides the label.
    void show(const QString& text, QPoint near);
    QString text() const;
    bool isVisible() const;

  private:
    QLabel* label_;
};

// Hovering shows the nearest point's values; a click pins a marker with its
// frequency there, a second click on it removes it.
class PlotView : public QWidget {
  public:
    PlotView(const AppState& state, TraceCode code, QWidget* parent = nullptr);

    const std::vector<int>& pinned() const { return pinned_; }
    const HoverLabel& hover() const { return hover_; }
    // The point index under a client pixel, if any.
    std::optional<int> pointAt(QPoint client) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    struct TraceKey {
        std::uint64_t revision = 0;
        const SParamPoint* points = nullptr;
        int count = -1;
        QSize size;
        friend bool operator==(const TraceKey&, const TraceKey&) = default;
    };
    TraceKey traceKey() const;
    // The trace for the data and size as they are now; kept between paints
    // and pointer moves, as a long file's takes a while to work out.
    const PlotTrace& trace() const;

    const AppState& state_;
    TraceCode code_;
    std::vector<int> pinned_;
    HoverLabel hover_;
    mutable TraceKey traceKey_;
    mutable PlotTrace trace_;
    // The plot as last drawn: the readout label and the pinned markers come
    // and go over it without drawing the trace again.
    struct PictureKey {
        TraceKey trace;
        bool chartLabels = false;
        int lineWidth = 0;
        qreal devicePixelRatio = 0;
        friend bool operator==(const PictureKey&, const PictureKey&) = default;
    };
    std::optional<PictureKey> pictureKey_;
    QImage picture_;
};

// The Touchstone text or the gain table, scrolled by lines and columns.
class TextListView : public QAbstractScrollArea {
  public:
    enum class Content { Touchstone, GainTable };
    TextListView(const AppState& state, Content content, QWidget* parent = nullptr);

    const TextViewState& view() const { return view_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void setRanges(const TextScrollRanges& r);
    // Line and page steps of the scroll bars, limited as the views limit them.
    void onScrollAction(bool vertical, int action);

    const AppState& state_;
    Content content_;
    TextViewState view_;
    int rows_ = 0;
    int longest_ = 0;
};

class GainGraphView : public QAbstractScrollArea {
  public:
    explicit GainGraphView(const AppState& state, QWidget* parent = nullptr);

    const std::vector<int>& pinned() const { return pinned_; }
    const HoverLabel& hover() const { return hover_; }
    // The point index under a viewport pixel, if any.
    std::optional<int> pointAt(QPoint client) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void setRanges();
    void onScrollAction(bool vertical, int action);
    const GainGraphCache& cache() const;

    const AppState& state_;
    mutable GainGraphCache cache_;
    GainGraphScroll scroll_;
    std::vector<int> pinned_;
    HoverLabel hover_;
};

// The window of each S-Plot slot, with its title.
QWidget* createSPlotView(const AppState& state, SPlotWindow which, QWidget* parent);
QString sPlotTitle(SPlotWindow which);

} // namespace zelvo
