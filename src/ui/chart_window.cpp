// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/chart_window.h"

#include "model/design.h"
#include "model/part_losses.h"
#include "ui/chart_paint.h"
#include "ui/dialogs/data_point_dialog.h"
#include "ui/dialogs/frequency_dialog.h"
#include "ui/icons.h"
#include "ui/shell.h"
#include "ui/tips.h"
#include "ui/wait_cursor.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zelvo {

ChartWindow::ChartWindow(AppState& state, const Platform& platform, Shell& shell, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), shell_(shell)
{
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    const QFontMetrics fm(font());
    state_.chartView.lineHeight = fm.height() + fm.leading();
    setStatusTip(QCoreApplication::translate("ChartWindow",
                                             "Ctrl + wheel zooms about the pointer; Shift + drag "
                                             "or the scroll bars pan a zoomed chart"));
    hBar_ = new QScrollBar(Qt::Horizontal, this);
    vBar_ = new QScrollBar(Qt::Vertical, this);
    hBar_->setObjectName(QStringLiteral("chartHScroll"));
    vBar_->setObjectName(QStringLiteral("chartVScroll"));
    for (QScrollBar* bar : {hBar_, vBar_}) {
        bar->setCursor(Qt::ArrowCursor);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (syncing_)
                return;
            // Scrolling right or down shows more of the right or bottom.
            panBy(-hBar_->value() - state_.chartView.panX, -vBar_->value() - state_.chartView.panY);
        });
    }
}

void ChartWindow::viewChanged(double zoomRatio)
{
    // The last accepted point of a placement is held at the current zoom.
    if (state_.placement.placing && zoomRatio != 1.0) {
        track_.last = {toInt(std::trunc(track_.last.x * zoomRatio)),
                       toInt(std::trunc(track_.last.y * zoomRatio))};
    }
    invalidate(); // brings the scroll bars along
}

void ChartWindow::zoomAt(float newZoom, QPoint client)
{
    float& zoom = state_.settings.zoom;
    const float old = zoom;
    zoomAbout(state_.chartView, zoom, newZoom, client.x(), client.y());
    viewChanged(static_cast<double>(zoom) / static_cast<double>(old));
}

void ChartWindow::panBy(int dx, int dy)
{
    ChartView& v = state_.chartView;
    const int oldX = v.panX, oldY = v.panY;
    v.panX = toInt(static_cast<double>(v.panX) + dx);
    v.panY = toInt(static_cast<double>(v.panY) + dy);
    clampPan(v, state_.settings.zoom);
    if (v.panX != oldX || v.panY != oldY)
        viewChanged(1.0);
}

void ChartWindow::centreChart()
{
    state_.chartView.panX = state_.chartView.panY = 0;
    viewChanged(1.0);
}

void ChartWindow::zoomChanged(float oldZoom)
{
    ChartView& v = state_.chartView;
    const float zoom = state_.settings.zoom;
    if (!(oldZoom > 0.0f) || !(zoom > 0.0f))
        return;
    const double k = static_cast<double>(zoom) / static_cast<double>(oldZoom);
    v.panX = toInt(std::round(v.panX * k));
    v.panY = toInt(std::round(v.panY * k));
    clampPan(v, zoom);
    viewChanged(k);
}

void ChartWindow::layoutScrollBars()
{
    // Only the part of the window inside its parent is seen (the layout lets
    // the chart window reach past the main window's edges).
    QRect seen = rect();
    if (parentWidget())
        seen &= QRect(mapFromParent(QPoint(0, 0)), parentWidget()->size());
    ChartView& v = state_.chartView;
    v.seenX = seen.x();
    v.seenY = seen.y();
    v.seenWidth = std::max(0, seen.width());
    v.seenHeight = std::max(0, seen.height());
    const int e = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    vBar_->setGeometry(seen.right() + 1 - e, seen.top(), e, std::max(0, seen.height() - e));
    hBar_->setGeometry(seen.left(), seen.bottom() + 1 - e, std::max(0, seen.width() - e), e);
}

void ChartWindow::syncScrollBars()
{
    ChartView& v = state_.chartView;
    const float zoom = state_.settings.zoom;
    syncing_ = true;
    // The bar's value is minus the pan: moving it right shows more of the right.
    const auto sync = [](QScrollBar* bar, PanRange range, int pan, int page) {
        bar->setRange(-range.hi, -range.lo);
        bar->setPageStep(std::max(1, page));
        bar->setSingleStep(20);
        bar->setValue(-pan);
        bar->setVisible(range.lo < range.hi);
    };
    sync(hBar_, panRangeX(v, zoom), v.panX, v.clientWidth);
    sync(vBar_, panRangeY(v, zoom), v.panY, v.clientHeight);
    v.coveredRight = vBar_->isVisibleTo(this) ? vBar_->width() : 0;
    v.coveredBottom = hBar_->isVisibleTo(this) ? hBar_->height() : 0;
    syncing_ = false;
}

QPoint ChartWindow::clientPoint(Point chart) const
{
    const Point p = chartToClient(state_.chartView, chart);
    return {p.x, p.y};
}

Point ChartWindow::chartPoint(QPoint client) const
{
    return clientToChart(state_.chartView, client.x(), client.y());
}

PlacementContext ChartWindow::context() const
{
    const Design& d = state_.design;
    PlacementContext c;
    c.kind = state_.placement.placingKind;
    c.begin = d.currentPoint;
    c.z0 = d.z0;
    c.f = designFrequency(d);
    const int n = d.elementCount;
    if (n >= 0 && n < Design::elementCapacity) {
        const Element& slot = d.elements[static_cast<std::size_t>(n)];
        c.lineImpedance = static_cast<double>(slot.lineImpedance);
        c.loss = slot.loss;
    }
    c.baseRadius = state_.chartView.baseRadius;
    c.zoom = state_.settings.zoom;
    return c;
}

void ChartWindow::startPlacement(Point begin)
{
    track_ = PlacementTrack{};
    track_.last = begin;
    updateStatus();
    update();
}

void ChartWindow::updateStatus()
{
    if (!status_)
        return;
    const PlacementHandoff& h = state_.placement;
    if (!h.placing) {
        status_(QString());
        return;
    }
    const PlacementContext c = context();
    status_(placementStatus(h.placingKind, h.liveValue, c.lineImpedance,
                            QString::fromStdString(partLossText(c.loss, c.kind))));
}

void ChartWindow::resetInteraction()
{
    cancelPlacement(state_);
    state_.pickDataPoint = state_.pickCursor = false;
    track_ = PlacementTrack{};
    setCursor(Qt::CrossCursor);
    updateStatus();
    invalidate();
}

void ChartWindow::invalidate()
{
    baseValid_ = fixedValid_ = chainOnly_ = false;
    syncScrollBars();
    update();
}

void ChartWindow::invalidateChain()
{
    chainOnly_ = true;
    update();
}

void ChartWindow::paintEvent(QPaintEvent*)
{
    const auto fits = [this](const QImage& image) {
        return image.deviceIndependentSize().toSize() == size() &&
               image.devicePixelRatio() == devicePixelRatioF();
    };
    // Only when a layer is drawn: a placement repaints at every mouse move.
    const auto fontHeight = [this] { return QFontMetrics(font()).height(); };
    if (chainOnly_ && !(fixedValid_ && fits(fixed_))) {
        fixed_ = chartFixedImage(state_, devicePixelRatioF(), fontHeight());
        fixedValid_ = true;
    }
    if (chainOnly_) {
        // Into the kept buffer: a new 4 MB image at every step costs more
        // than the copy.
        if (base_.size() == fixed_.size() && base_.format() == fixed_.format() &&
            base_.bytesPerLine() == fixed_.bytesPerLine() &&
            base_.devicePixelRatio() == fixed_.devicePixelRatio())
            std::memcpy(base_.bits(), fixed_.constBits(), static_cast<std::size_t>(fixed_.sizeInBytes()));
        else
            base_ = fixed_.copy();
        QPainter chain(&base_);
        paintChainLayers(chain, state_, fontHeight());
        baseValid_ = true;
        chainOnly_ = false;
    }
    else if (!baseValid_ || !fits(base_)) {
        // Drawn into an image of its own: the picture is kept for the mouse
        // moves of a placement, which only change the guide on top of it.
        base_ = chartBaseImage(state_, devicePixelRatioF(), fontHeight());
        baseValid_ = true;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, base_);
    std::optional<Point> reached;
    if (state_.placement.placing)
        reached = track_.last;
    paintPlacementOverlay(painter, state_, reached);
}

void ChartWindow::resizeEvent(QResizeEvent*)
{
    resizeChartView(state_.chartView, width(), height());
    layoutScrollBars();
    clampPan(state_.chartView, state_.settings.zoom);
    syncScrollBars();
    baseValid_ = false;
}

void ChartWindow::moveEvent(QMoveEvent*)
{
    // How much of the window the parent shows may have changed.
    layoutScrollBars();
    clampPan(state_.chartView, state_.settings.zoom);
    syncScrollBars();
}

void ChartWindow::showReadout(Point chart, ExactReadout exact)
{
    const std::optional<ReadoutTexts> t = readoutAt(chart.x, chart.y, state_.chartView.baseRadius,
                                                    state_.settings.zoom, state_.design.z0, exact);
    if (t && sink_)
        sink_(*t);
}

void ChartWindow::movePointerTo(Point chart)
{
    if (platform_.moveCursor)
        platform_.moveCursor(mapToGlobal(clientPoint(chart)));
}

void ChartWindow::mouseMoveEvent(QMouseEvent* event)
{
    const Qt::CursorShape wanted = state_.pickCursor ? Qt::BitmapCursor : Qt::CrossCursor;
    if (cursor().shape() != wanted)
        setCursor(state_.pickCursor ? pickCursor() : QCursor(Qt::CrossCursor));
    if (panning_) {
        const QPoint now = event->position().toPoint();
        const QPoint d = now - panFrom_;
        panFrom_ = now;
        panBy(d.x(), d.y());
        return;
    }
    const Point m = chartPoint(event->position().toPoint());
    if (state_.placement.placing)
        drag(m);
    else
        showReadout(m);
}

void ChartWindow::drag(Point mouse)
{
    Design& d = state_.design;
    const PlacementContext c = context();
    Element* slot = pendingSlot(d);
    if (!slot)
        return;
    const DragStep step = dragPlacement(state_.placement, c, track_, slot->value, mouse);
    switch (step.outcome) {
    case DragOutcome::Ignored:
    case DragOutcome::Passed:
        return;
    case DragOutcome::Refused:
        movePointerTo(step.point);
        return;
    case DragOutcome::Accepted:
        break;
    }
    movePointerTo(step.point);
    showReadout(step.point, step.exact);
    slot->value = step.value;
    if (step.shown) {
        state_.placement.liveValue = step.value;
        shell_.repaintSchematic();
    }
    updateStatus();
    update();
}

void ChartWindow::commit()
{
    Design& d = state_.design;
    Element* slot = pendingSlot(d);
    if (!slot)
        return;
    const std::optional<Element> e = commitPlacement(context(), track_, *slot);
    if (!e)
        return;
    // The toolbox made sure of room in the chain and the history; should the
    // append still fail, the placement ends as if cancelled.
    if (appendElementAsPlaced(d, *e))
        state_.placement.end(); // the slot holds the new element now
    else
        cancelPlacement(state_);
    updateStatus();
    shell_.repaintAll();
}

void ChartWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier)) {
        panning_ = true;
        panFrom_ = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    switch (event->button()) {
    case Qt::LeftButton:
        if (state_.placement.placing && !state_.pickDataPoint)
            commit();
        else if (state_.pickDataPoint)
            pick(event->position().toPoint());
        else if (state_.design.elementCount == 0 && state_.design.dataPointCount >= 2)
            chooseStartPoint(event->position().toPoint());
        break;
    case Qt::RightButton:
        undoGesture();
        break;
    case Qt::MiddleButton:
        redoGesture();
        break;
    default:
        break;
    }
}

void ChartWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (panning_ && event->button() == Qt::LeftButton) {
        panning_ = false;
        setCursor(state_.pickCursor ? pickCursor() : QCursor(Qt::CrossCursor));
    }
}

void ChartWindow::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        wheelNotches_ += angle.y() / 120.0;
        // Whole steps of a quarter notch, so that a touchpad zooms smoothly
        // but a resting finger does not.
        const double steps = std::trunc(wheelNotches_ * 4.0) / 4.0;
        if (steps != 0.0) {
            wheelNotches_ -= steps;
            zoomAt(wheelZoom(state_.settings.zoom, steps), event->position().toPoint());
        }
        event->accept();
        return;
    }
    // A plain wheel scrolls a zoomed chart: up/down, with Shift sideways.
    const int pixels = angle.y() / 3; // 40 pixels a notch
    if (event->modifiers() & Qt::ShiftModifier)
        panBy(pixels, 0);
    else
        panBy(angle.x() / 3, pixels);
    event->accept();
}

void ChartWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event); // every right or middle press is one undo or redo
        return;
    }
    if (state_.design.dataPointCount >= 1)
        editDataPoint(event->position().toPoint());
}

void ChartWindow::undoGesture()
{
    const WaitCursor wait;
    if (state_.placement.placing) {
        cancelPlacement(state_);
        updateStatus();
    }
    else if (state_.pickDataPoint) {
        state_.pickDataPoint = state_.pickCursor = false;
        setCursor(Qt::CrossCursor);
    }
    else if (!undoLast(state_.design)) {
        if (state_.settings.messageBeep && platform_.beep)
            platform_.beep();
    }
    shell_.repaintAll();
}

bool ChartWindow::escape()
{
    if (!state_.placement.placing && !state_.pickDataPoint)
        return false;
    undoGesture();
    return true;
}

void ChartWindow::redoGesture()
{
    const WaitCursor wait;
    // Redo would bring an element back into the slot being placed.
    if (state_.placement.placing || state_.pickDataPoint)
        return;
    Design& d = state_.design;
    if (d.historyCount < d.historyTop && redoNext(d)) {
        shell_.repaintAll();
        return;
    }
    if (state_.settings.messageBeep && platform_.beep)
        platform_.beep();
}

void ChartWindow::pick(QPoint client)
{
    const std::optional<Complex> g =
        clientToGamma(state_.chartView, state_.settings.zoom, client.x(), client.y());
    if (!g)
        return;
    Design& d = state_.design;
    const double z0 = static_cast<double>(d.z0);
    const DataPoint p{z0 * resistanceFromGamma(g->re, g->im), z0 * reactanceFromGamma(g->re, g->im),
                      0.0};
    const bool added = appendDataPoint(d, p);
    state_.pickCursor = false;
    setCursor(Qt::CrossCursor);
    if (added) {
        invalidate();
        repaint();
        FrequencyDialog dialog(state_, platform_, shell_.dialogParent());
        dialog.exec();
        d.modified = true;
    }
    state_.pickDataPoint = false;
    shell_.repaintAll();
}

std::optional<int> ChartWindow::nearestDataPoint(QPoint client, double& distance) const
{
    const std::optional<Complex> g =
        clientToGamma(state_.chartView, state_.settings.zoom, client.x(), client.y());
    if (!g)
        return std::nullopt;
    const Design& d = state_.design;
    const double z0 = static_cast<double>(d.z0);
    const double r = z0 * resistanceFromGamma(g->re, g->im);
    const double x = z0 * reactanceFromGamma(g->re, g->im);
    std::optional<int> best;
    const int n = std::min(d.dataPointCount, Design::pointCapacity);
    for (int i = 0; i < n; ++i) {
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(i)];
        const double dist = std::sqrt((r - p.r) * (r - p.r) + (x - p.x) * (x - p.x));
        if (!best || dist < distance) {
            best = i;
            distance = dist;
        }
    }
    return best;
}

void ChartWindow::chooseStartPoint(QPoint client)
{
    double distance = 0.0;
    const std::optional<int> i = nearestDataPoint(client, distance);
    if (!i)
        return;
    Design& d = state_.design;
    const DataPoint& p = d.dataPoints[static_cast<std::size_t>(*i)];
    if (d.startPoint != *i + 1)
        d.modified = true; // the start point is saved with the design
    d.startPoint = *i + 1;
    d.currentPoint = {p.r, p.x};
    shell_.repaintChart();
    shell_.repaintPointList();
}

void ChartWindow::editDataPoint(QPoint client)
{
    double distance = 0.0;
    const std::optional<int> i = nearestDataPoint(client, distance);
    if (!i || !(distance < 3.0))
        return;
    DataPointDialog dialog(state_, platform_, *i, shell_.dialogParent());
    dialog.exec();
    shell_.repaintAll();
}

} // namespace zelvo
