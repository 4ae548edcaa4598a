// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/schematic_window.h"

#include "render/painter_canvas.h"
#include "ui/app_state.h"
#include "ui/chart_window.h"
#include "ui/commands/block_commands.h"
#include "ui/dialogs/element_value_dialog.h"
#include "ui/language.h"
#include "ui/shell.h"
#include "ui/tuner.h"
#include "ui/white_background.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace zelvo {

namespace {

int elementCountOf(const AppState& s)
{
    return std::clamp(s.design.elementCount, 0, Design::elementCapacity);
}

} // namespace

SchematicWindow::SchematicWindow(AppState& state, const Platform& platform, Shell& shell,
                                 QWidget* parent)
    : QAbstractScrollArea(parent), state_(state), platform_(platform), shell_(shell)
{
    setObjectName(QStringLiteral("schematic"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    whiteBackground(viewport());
    verticalScrollBar()->setSingleStep(10);
    setFocusPolicy(Qt::StrongFocus);
    const QFontMetrics fm(font());
    view_.textLineHeight = fm.height() + fm.leading();
    view_.texts = interfaceTexts();
}

SchematicPlacement SchematicWindow::placement() const
{
    const PlacementHandoff& h = state_.placement;
    SchematicPlacement p;
    p.placing = h.placing;
    p.kind = h.placingKind;
    const int n = state_.design.elementCount;
    if (n >= 0 && n < Design::elementCapacity)
        p.lineImpedance = state_.design.elements[static_cast<std::size_t>(n)].lineImpedance;
    p.value = h.liveValue;
    p.chartLineHeight = state_.chartView.lineHeight;
    p.liveFontHeight = QFontMetrics(font()).height();
    return p;
}

void SchematicWindow::syncScrollBar()
{
    QScrollBar* bar = verticalScrollBar();
    const QSignalBlocker block(bar);
    bar->setRange(0, schematicScrollMax(elementCountOf(state_), view_.viewHeight));
    bar->setPageStep(std::max(1, view_.viewHeight - 10));
    bar->setValue(view_.scrollOffset);
}

void SchematicWindow::rangeChanged()
{
    clampSchematicScroll(view_, elementCountOf(state_));
    syncScrollBar();
}

void SchematicWindow::scrollToEnd()
{
    if (scrollSchematicToEnd(view_, elementCountOf(state_)))
        viewport()->update();
    syncScrollBar();
}

void SchematicWindow::refresh()
{
    const int n = elementCountOf(state_);
    rangeChanged();
    if (state_.placement.placing && (n + 2) * schematicRowHeight - view_.viewHeight > 0)
        scrollToEnd();
    if (n == 0)
        view_.scrollOffset = 0;
    syncScrollBar();
    viewport()->update();
}

void SchematicWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    PainterCanvas canvas(painter, CanvasMapping::device());
    paintSchematic(canvas, state_.design, view_, placement());
    // The element being tuned: a frame around its row.
    if (tuner_ && tuner_->selected() >= 0 && tuner_->selected() < elementCountOf(state_)) {
        const int top = (tuner_->selected() + 1) * schematicRowHeight + 10 - view_.scrollOffset;
        painter.setPen(QPen(QColor(0, 120, 215), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(1, top, viewport()->width() - 3, schematicRowHeight - 1);
    }
}

void SchematicWindow::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    view_.viewWidth = viewport()->width();
    view_.viewHeight = viewport()->height();
    rangeChanged();
}

void SchematicWindow::scrollContentsBy(int, int)
{
    view_.scrollOffset = verticalScrollBar()->value();
    viewport()->update();
}

void SchematicWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    // Mouse events of the viewport arrive here in viewport coordinates.
    const int y = event->position().toPoint().y();
    const std::optional<int> row = schematicRowAt(y, view_.scrollOffset, elementCountOf(state_));
    if (!row)
        return;
    const Element& e = state_.design.elements[static_cast<std::size_t>(*row)];
    if (e.kind == ElementKind::Block) {
        // A block has no value: its dialog shows the data and turns it round.
        CommandContext c{state_, platform_, shell_};
        editBlockCommand(c, *row);
        shell_.repaintAll();
        return;
    }
    ElementValueDialog dialog(state_, platform_, elementEditCode(e.kind, *row),
                              shell_.dialogParent());
    dialog.exec();
    shell_.repaintAll();
}

void SchematicWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && tuner_ && !state_.placement.placing) {
        const std::optional<int> row = schematicRowAt(event->position().toPoint().y(),
                                                      view_.scrollOffset, elementCountOf(state_));
        tuner_->select(row.value_or(-1));
        setFocus(Qt::MouseFocusReason);
        viewport()->update();
    }
    if (event->button() == Qt::RightButton)
        shell_.chartWindow()->undoGesture();
    else if (event->button() == Qt::MiddleButton)
        shell_.chartWindow()->redoGesture();
    else
        QAbstractScrollArea::mousePressEvent(event);
}

void SchematicWindow::wheelEvent(QWheelEvent* event)
{
    // Over an element row the wheel tunes that element; elsewhere it scrolls.
    const std::optional<int> row = tuner_ && !state_.placement.placing
                                       ? schematicRowAt(event->position().toPoint().y(),
                                                        view_.scrollOffset, elementCountOf(state_))
                                       : std::nullopt;
    if (!row) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    if (*row != tuner_->selected())
        tuner_->select(*row);
    // Some desktops turn Shift+wheel into a horizontal turn.
    const QPoint delta = event->angleDelta();
    wheelRemainder_ += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    tuner_->step(notches, event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

void SchematicWindow::keyPressEvent(QKeyEvent* event)
{
    const bool up = event->key() == Qt::Key_Up, down = event->key() == Qt::Key_Down;
    if (tuner_ && tuner_->selected() >= 0 && (up || down)) {
        tuner_->step(up ? 1 : -1, event->modifiers() & Qt::ShiftModifier);
        event->accept();
        return;
    }
    // R, L and C choose the part of an RLC group that tuning changes.
    const int parts[][2] = {{Qt::Key_R, static_cast<int>(ElementPart::R)},
                            {Qt::Key_L, static_cast<int>(ElementPart::L)},
                            {Qt::Key_C, static_cast<int>(ElementPart::C)}};
    for (const auto& [key, part] : parts) {
        if (tuner_ && tuner_->selected() >= 0 && event->key() == key &&
            !(event->modifiers() & Qt::ControlModifier)) {
            tuner_->selectPart(static_cast<ElementPart>(part));
            event->accept();
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

} // namespace zelvo
