// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/point_list_window.h"

#include "model/point_list.h"
#include "ui/tuner.h"

#include "render/painter_canvas.h"
#include "ui/app_state.h"
#include "ui/chart_window.h"
#include "ui/font_units.h"
#include "ui/shell.h"
#include "ui/white_background.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace zelvo {

namespace {

Font listFont(const QWidget& w)
{
    return {QFontMetrics(w.font()).height(), FontFace::Default, 400, 0};
}

} // namespace

PointListWindow::PointListWindow(AppState& state, Shell& shell, QWidget* parent)
    : QAbstractScrollArea(parent), state_(state), shell_(shell)
{
    setObjectName(QStringLiteral("pointList"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    whiteBackground(viewport());
    // The column unit and line height of the font the list is drawn in.
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    PainterCanvas canvas(painter, CanvasMapping::device());
    canvas.setFont(listFont(*this));
    const TextMetrics m = canvas.metrics();
    scroll_.columnUnit = widestLatin1Char(QFontMetrics(font()));
    scroll_.lineHeight = std::max(1, m.height + m.externalLeading);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(1);
        bar->setPageStep(10);
    }
}

void PointListWindow::syncScrollBars()
{
    {
        QScrollBar* v = verticalScrollBar();
        const QSignalBlocker block(v);
        v->setRange(0, pointListVerticalMax(scroll_));
        v->setValue(scroll_.firstLine);
    }
    QScrollBar* h = horizontalScrollBar();
    const QSignalBlocker block(h);
    h->setRange(0, pointListHorizontalMax(scroll_));
    h->setValue(scroll_.firstColumn);
}

void PointListWindow::refresh()
{
    viewport()->update();
}

void PointListWindow::paintEvent(QPaintEvent*)
{
    // The list may have become shorter (another design, an undo) while it was
    // scrolled down: the bars bring the position into the new range first,
    // and what they show is what is drawn.
    scroll_.lineCount = static_cast<int>(pointListLines(state_.design, 0, 0).size()) + 1;
    syncScrollBars();
    scroll_.firstLine = verticalScrollBar()->value();
    scroll_.firstColumn = horizontalScrollBar()->value();
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    PainterCanvas canvas(painter, CanvasMapping::device());
    canvas.setFont(listFont(*this));
    canvas.setTextColour(rgb(0, 0, 0));
    renderDataPointList(canvas, state_.design, scroll_.firstColumn, scroll_.firstLine,
                        scroll_.columnUnit, scroll_.lineHeight, windowListColumns,
                        viewport()->height() / std::max(1, scroll_.lineHeight) + 1);
}

void PointListWindow::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    scroll_.width = viewport()->width();
    scroll_.height = viewport()->height();
    scroll_.firstColumn = std::min(scroll_.firstColumn, pointListHorizontalMax(scroll_));
    syncScrollBars();
}

void PointListWindow::scrollContentsBy(int, int)
{
    scroll_.firstLine = verticalScrollBar()->value();
    scroll_.firstColumn = horizontalScrollBar()->value();
    viewport()->update();
}

void PointListWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && tuner_ && scroll_.lineHeight > 0) {
        // Line k of the list is drawn at (k - firstLine) * lineHeight, from k = 1;
        // element lines come in chain order.
        const int line = event->position().toPoint().y() / scroll_.lineHeight + scroll_.firstLine;
        const std::vector<PointListLine> lines = pointListLines(state_.design, 0, 0); // kinds only
        if (line >= 1 && line <= static_cast<int>(lines.size()) &&
            lines[static_cast<std::size_t>(line - 1)].kind == ListLineKind::Element) {
            int element = 0;
            for (int i = 0; i < line - 1; ++i)
                element += lines[static_cast<std::size_t>(i)].kind == ListLineKind::Element;
            tuner_->select(element);
        }
    }
    if (event->button() == Qt::RightButton)
        shell_.chartWindow()->undoGesture();
    else if (event->button() == Qt::MiddleButton)
        shell_.chartWindow()->redoGesture();
    else
        QAbstractScrollArea::mousePressEvent(event);
}

void PointListWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton)
        mousePressEvent(event);
}

} // namespace zelvo
