// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/splot_windows.h"

#include "core/numeric.h"
#include "render/painter_canvas.h"
#include "render/splot_readout.h"
#include "ui/app_state.h"
#include "ui/language.h"
#include "ui/white_background.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>

namespace zelvo {

HoverLabel::HoverLabel(QWidget* owner) : label_(new QLabel(owner))
{
    label_->setObjectName(QStringLiteral("hoverReadout"));
    label_->setForegroundRole(QPalette::ToolTipText);
    label_->setBackgroundRole(QPalette::ToolTipBase);
    label_->setPalette(QToolTip::palette());
    label_->setAutoFillBackground(true);
    label_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label_->setMargin(3);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->hide();
}

void HoverLabel::show(const QString& text, QPoint near)
{
    if (text.isEmpty()) {
        label_->hide();
        return;
    }
    label_->setText(text);
    label_->adjustSize();
    // Below right of the pointer, turned inwards at the window's edges.
    const QWidget* owner = label_->parentWidget();
    QPoint at = near + QPoint(14, 14);
    if (at.x() + label_->width() > owner->width())
        at.setX(near.x() - 14 - label_->width());
    if (at.y() + label_->height() > owner->height())
        at.setY(near.y() - 14 - label_->height());
    label_->move(std::max(0, at.x()), std::max(0, at.y()));
    label_->show();
    label_->raise();
}

QString HoverLabel::text() const
{
    return label_->isVisibleTo(label_->parentWidget()) ? label_->text() : QString();
}

bool HoverLabel::isVisible() const
{
    return label_->isVisibleTo(label_->parentWidget());
}

namespace {

// Pins that name points the data no longer has are dropped (another file).
void dropStalePins(std::vector<int>& pinned, const SParamSet& set)
{
    const int n = set.loaded ? set.validPoints() : 0;
    std::erase_if(pinned, [n](int i) { return i < 0 || i >= n; });
}

} // namespace

PlotView::PlotView(const AppState& state, TraceCode code, QWidget* parent)
    : QWidget(parent), state_(state), code_(code), hover_(this)
{
    whiteBackground(this);
    setMouseTracking(true);
}

PlotView::TraceKey PlotView::traceKey() const
{
    const SParamSet& set = state_.sparams;
    return {set.revision, set.points.data(), set.validPoints(), size()};
}

const PlotTrace& PlotView::trace() const
{
    const TraceKey key = traceKey();
    if (!(key == traceKey_)) {
        trace_ = plotWindowTrace(state_.sparams, code_, width(), height());
        traceKey_ = key;
    }
    return trace_;
}

std::optional<int> PlotView::pointAt(QPoint client) const
{
    if (!state_.sparams.loaded)
        return std::nullopt;
    const Point p{client.x() - width() / 2, height() / 2 - client.y()};
    return nearestPosition(trace().positions, p);
}

void PlotView::paintEvent(QPaintEvent*)
{
    const Settings& s = state_.settings;
    const PictureKey key{traceKey(), s.chartLabels, s.lineWidth, devicePixelRatioF()};
    if (pictureKey_ != key) {
        const qreal dpr = key.devicePixelRatio > 0 ? key.devicePixelRatio : 1.0;
        picture_ = QImage(toInt(std::ceil(width() * dpr)), toInt(std::ceil(height() * dpr)),
                          QImage::Format_RGB32);
        picture_.setDevicePixelRatio(dpr);
        picture_.fill(Qt::white);
        QPainter painter(&picture_);
        PainterCanvas canvas(painter, CanvasMapping::chart(width() / 2, height() / 2));
        if (code_ == TraceCode::S11 || code_ == TraceCode::S22)
            paintChartPlotWindow(canvas, state_.sparams, code_, width(), height(), s.chartLabels,
                                 s.lineWidth, &trace());
        else
            paintPolarPlotWindow(canvas, state_.sparams, code_, width(), height(), s.chartLabels,
                                 s.lineWidth, &trace());
        pictureKey_ = key;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
    PainterCanvas canvas(painter, CanvasMapping::chart(width() / 2, height() / 2));
    dropStalePins(pinned_, state_.sparams);
    if (pinned_.empty())
        return;
    const auto& positions = trace().positions;
    for (int i : pinned_)
        if (i < static_cast<int>(positions.size()) && positions[static_cast<std::size_t>(i)])
            drawPointMarker(canvas, *positions[static_cast<std::size_t>(i)],
                            pointFrequencyText(state_.sparams, i), true,
                            QFontMetrics(font()).height());
}

void PlotView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const std::optional<int> i = pointAt(at);
    hover_.show(i ? QString::fromStdString(traceReadoutText(state_.sparams, code_, *i, interfaceTexts())) : QString(),
                at);
}

void PlotView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    dropStalePins(pinned_, state_.sparams);
    if (const std::optional<int> i = pointAt(event->position().toPoint())) {
        togglePinned(pinned_, *i);
        update();
    }
}

void PlotView::leaveEvent(QEvent*)
{
    hover_.show(QString(), {});
}

TextListView::TextListView(const AppState& state, Content content, QWidget* parent)
    : QAbstractScrollArea(parent), state_(state), content_(content)
{
    whiteBackground(viewport());
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    PainterCanvas canvas(painter, CanvasMapping::device());
    measureTextView(canvas, view_);
    // Both bars always, so that a long file or a narrow window shows at once
    // that there is more.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { onScrollAction(true, action); });
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { onScrollAction(false, action); });
}

namespace {

std::optional<ScrollAction> scrollActionOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return ScrollAction::LineUp;
    case QAbstractSlider::SliderSingleStepAdd: return ScrollAction::LineDown;
    case QAbstractSlider::SliderPageStepSub: return ScrollAction::PageUp;
    case QAbstractSlider::SliderPageStepAdd: return ScrollAction::PageDown;
    default: return std::nullopt; // the thumb: its position is taken as it is
    }
}

} // namespace

void TextListView::onScrollAction(bool vertical, int action)
{
    const std::optional<ScrollAction> a = scrollActionOf(action);
    if (!a)
        return;
    QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
    // The bar has not moved yet; the slider position set here is where it goes.
    bar->setSliderPosition(vertical ? scrollTextVertical(view_, rows_, *a)
                                    : scrollTextHorizontal(view_, longest_, *a));
}

void TextListView::setRanges(const TextScrollRanges& r)
{
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        const QSignalBlocker block(bar);
        const bool vertical = bar == verticalScrollBar();
        bar->setRange(0, vertical ? r.verticalMax : r.horizontalMax);
        bar->setPageStep(vertical ? std::max(1, view_.height / std::max(1, view_.lineHeight))
                                  : std::max(1, view_.width / std::max(1, view_.charWidth)));
        bar->setValue(vertical ? view_.firstLine : view_.firstColumn);
    }
}

void TextListView::paintEvent(QPaintEvent*)
{
    view_.width = viewport()->width();
    view_.height = viewport()->height();
    const bool file = content_ == Content::Touchstone;
    const TextScrollRanges r = file ? measureTouchstoneText(state_.sparams, view_)
                                    : measureGainTableView(state_.sparams, view_);
    rows_ = file ? view_.lineCount : gainTableRowCount(state_.sparams);
    longest_ = file ? view_.longestLine : view_.table.longest;
    // The bars hold the positions within their ranges (another file may be
    // shorter than the one scrolled through): what they show is what is drawn.
    setRanges(r);
    view_.firstLine = verticalScrollBar()->value();
    view_.firstColumn = horizontalScrollBar()->value();
    QPainter painter(viewport());
    PainterCanvas canvas(painter, CanvasMapping::device());
    if (file)
        paintTouchstoneText(canvas, state_.sparams, view_);
    else
        paintGainTable(canvas, state_.sparams, view_, interfaceTexts());
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
    : QAbstractScrollArea(parent), state_(state), hover_(viewport())
{
    whiteBackground(viewport());
    viewport()->setMouseTracking(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(20);
        bar->setPageStep(200);
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, vertical = bar == verticalScrollBar()](int action) {
                    onScrollAction(vertical, action);
                });
    }
}

void GainGraphView::onScrollAction(bool vertical, int action)
{
    const std::optional<ScrollAction> a = scrollActionOf(action);
    if (!a)
        return;
    GainGraphScroll s = scroll_;
    scrollGainGraph(s, vertical, *a, 0, viewport()->width(), viewport()->height());
    (vertical ? verticalScrollBar() : horizontalScrollBar())
        ->setSliderPosition(vertical ? s.vertical : s.horizontal);
}

const GainGraphCache& GainGraphView::cache() const
{
    return updateGainGraphCache(cache_, state_.sparams, QFontMetrics(font()).height(),
                                viewport()->width(), viewport()->height());
}

void GainGraphView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    PainterCanvas canvas(painter, CanvasMapping::device());
    paintGainGraphWindow(canvas, state_.sparams, scroll_, QFontMetrics(font()).height(),
                         viewport()->width(), viewport()->height(), &cache_, interfaceTexts());
    dropStalePins(pinned_, state_.sparams);
    // The cache has the points where they are with the graph unscrolled.
    const auto& positions = cache().positions;
    for (int i : pinned_)
        if (i < static_cast<int>(positions.size()) && positions[static_cast<std::size_t>(i)]) {
            const Point at = *positions[static_cast<std::size_t>(i)];
            drawPointMarker(canvas, {at.x - scroll_.horizontal, at.y - scroll_.vertical},
                            pointFrequencyText(state_.sparams, i), false,
                            QFontMetrics(font()).height());
        }
}

std::optional<int> GainGraphView::pointAt(QPoint client) const
{
    if (!state_.sparams.loaded)
        return std::nullopt;
    return nearestPosition(cache().positions,
                           {client.x() + scroll_.horizontal, client.y() + scroll_.vertical});
}

bool GainGraphView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const std::optional<int> i = pointAt(at);
        hover_.show(i ? QString::fromStdString(gainReadoutText(state_.sparams, *i)) : QString(),
                    at);
        break;
    }
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            break;
        dropStalePins(pinned_, state_.sparams);
        if (const std::optional<int> i = pointAt(e->position().toPoint())) {
            togglePinned(pinned_, *i);
            viewport()->update();
        }
        return true;
    }
    case QEvent::Leave:
        hover_.show(QString(), {});
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void GainGraphView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    resizeGainGraph(scroll_, viewport()->width(), viewport()->height());
    setRanges();
}

void GainGraphView::setRanges()
{
    const int w = viewport()->width(), h = viewport()->height();
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
        return QCoreApplication::translate("SPlot", "untitled");
    case SPlotWindow::GainTable:
        return QCoreApplication::translate("SPlot", "gain table");
    case SPlotWindow::GainGraph:
        return QCoreApplication::translate("SPlot", "gain graphs");
    }
    return {};
}

} // namespace zelvo
