#include "ui/schematic_window.h"

#include "render/painter_canvas.h"
#include "ui/app_state.h"
#include "ui/chart_window.h"
#include "ui/dialogs/element_value_dialog.h"
#include "ui/shell.h"
#include "ui/white_background.h"

#include <QFontMetrics>
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
    const QFontMetrics fm(font());
    view_.textLineHeight = fm.height() + fm.leading();
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
    ElementValueDialog dialog(state_, platform_, elementEditCode(e.kind, *row),
                              shell_.dialogParent());
    dialog.exec();
    shell_.repaintAll();
}

void SchematicWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        shell_.chartWindow()->undoGesture();
    else if (event->button() == Qt::MiddleButton)
        shell_.chartWindow()->redoGesture();
    else
        QAbstractScrollArea::mousePressEvent(event);
}

} // namespace zelvo
