#pragma once
// The seven windows of S-Plot mode. They only read the loaded two-port data:
// S11 and S22 on the impedance chart, S12 and S21 on a polar grid, the
// Touchstone text, the gain table and the gain graphs.
#include "render/gain_graph.h"
#include "render/splot_plots.h"
#include "render/text_views.h"
#include "ui/main_layout.h"

#include <QAbstractScrollArea>
#include <QWidget>

namespace zelvo {

struct AppState;

class PlotView : public QWidget {
  public:
    PlotView(const AppState& state, TraceCode code, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const AppState& state_;
    TraceCode code_;
};

// The Touchstone text or the gain table, scrolled by lines and columns.
class TextListView : public QAbstractScrollArea {
  public:
    enum class Content { Touchstone, GainTable };
    TextListView(const AppState& state, Content content, QWidget* parent = nullptr);

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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void setRanges();
    void onScrollAction(bool vertical, int action);

    const AppState& state_;
    GainGraphScroll scroll_;
};

// The window of each S-Plot slot, with its title.
QWidget* createSPlotView(const AppState& state, SPlotWindow which, QWidget* parent);
QString sPlotTitle(SPlotWindow which);

} // namespace zelvo
