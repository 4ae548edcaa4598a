#include "ui/splot_windows.h"

#include "render/painter_canvas.h"
#include "ui/app_state.h"
#include "ui/white_background.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace zelvo {

PlotView::PlotView(const AppState& state, TraceCode code, QWidget* parent)
    : QWidget(parent), state_(state), code_(code)
{
    whiteBackground(this);
}

void PlotView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PainterCanvas canvas(painter, CanvasMapping::chart(width() / 2, height() / 2));
    const Settings& s = state_.settings;
    if (code_ == TraceCode::S11 || code_ == TraceCode::S22)
        paintChartPlotWindow(canvas, state_.sparams, code_, width(), height(), s.chartLabels,
                             s.lineWidth);
    else
        paintPolarPlotWindow(canvas, state_.sparams, code_, width(), height(), s.chartLabels,
                             s.lineWidth);
}

TextListView::TextListView(const AppState& state, Content content, QWidget* parent)
    : QAbstractScrollArea(parent), state_(state), content_(content)
{
    whiteBackground(viewport());
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    PainterCanvas canvas(painter, CanvasMapping::device());
    measureTextView(canvas, view_);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
}

void TextListView::setRanges(const TextScrollRanges& r)
{
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        const QSignalBlocker block(bar);
        const bool vertical = bar == verticalScrollBar();
        bar->setRange(0, vertical ? r.verticalMax : r.horizontalMax);
        bar->setPageStep(10);
        bar->setValue(vertical ? view_.firstLine : view_.firstColumn);
    }
}

void TextListView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    PainterCanvas canvas(painter, CanvasMapping::device());
    view_.width = viewport()->width();
    view_.height = viewport()->height();
    setRanges(content_ == Content::Touchstone ? paintTouchstoneText(canvas, state_.sparams, view_)
                                              : paintGainTable(canvas, state_.sparams, view_));
}

void TextListView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    view_.width = viewport()->width();
    view_.height = viewport()->height();
}

void TextListView::scrollContentsBy(int, int)
{
    view_.firstLine = verticalScrollBar()->value();
    view_.firstColumn = horizontalScrollBar()->value();
    viewport()->update();
}

GainGraphView::GainGraphView(const AppState& state, QWidget* parent)
    : QAbstractScrollArea(parent), state_(state)
{
    whiteBackground(viewport());
    horizontalScrollBar()->setSingleStep(10);
    verticalScrollBar()->setSingleStep(10);
}

void GainGraphView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    PainterCanvas canvas(painter, CanvasMapping::device());
    paintGainGraphWindow(canvas, state_.sparams, scroll_, QFontMetrics(font()).height());
}

void GainGraphView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const int w = viewport()->width(), h = viewport()->height();
    resizeGainGraph(scroll_, w, h);
    const GainGraphRanges r = gainGraphRanges(w, h);
    const QSignalBlocker bh(horizontalScrollBar());
    const QSignalBlocker bv(verticalScrollBar());
    horizontalScrollBar()->setRange(0, r.horizontalMax);
    verticalScrollBar()->setRange(0, r.verticalMax);
    horizontalScrollBar()->setValue(scroll_.horizontal);
    verticalScrollBar()->setValue(scroll_.vertical);
}

void GainGraphView::scrollContentsBy(int, int)
{
    scroll_.horizontal = horizontalScrollBar()->value();
    scroll_.vertical = verticalScrollBar()->value();
    viewport()->update();
}

QWidget* createSPlotView(const AppState& state, SPlotWindow which, QWidget* parent)
{
    switch (which) {
    case SPlotWindow::S11:
        return new PlotView(state, TraceCode::S11, parent);
    case SPlotWindow::S12:
        return new PlotView(state, TraceCode::S12, parent);
    case SPlotWindow::S21:
        return new PlotView(state, TraceCode::S21, parent);
    case SPlotWindow::S22:
        return new PlotView(state, TraceCode::S22, parent);
    case SPlotWindow::Text:
        return new TextListView(state, TextListView::Content::Touchstone, parent);
    case SPlotWindow::GainTable:
        return new TextListView(state, TextListView::Content::GainTable, parent);
    case SPlotWindow::GainGraph:
        return new GainGraphView(state, parent);
    }
    return nullptr;
}

QString sPlotTitle(SPlotWindow which)
{
    switch (which) {
    case SPlotWindow::S11:
        return QStringLiteral("S11");
    case SPlotWindow::S12:
        return QStringLiteral("S12");
    case SPlotWindow::S21:
        return QStringLiteral("S21");
    case SPlotWindow::S22:
        return QStringLiteral("S22");
    case SPlotWindow::Text:
        return QStringLiteral("untitled");
    case SPlotWindow::GainTable:
        return QStringLiteral("gain table");
    case SPlotWindow::GainGraph:
        return QStringLiteral("gain graphs");
    }
    return {};
}

} // namespace zelvo
