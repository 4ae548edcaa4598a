// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/toolbox.h"

#include "core/numeric.h"
#include "model/design_rules.h"
#include "model/part_losses.h"
#include "ui/app_state.h"
#include "ui/chart_window.h"
#include "ui/commands/block_commands.h"
#include "ui/dialogs/data_point_dialog.h"
#include "ui/dialogs/line_impedance_dialog.h"
#include "ui/dialogs/rlc_dialog.h"
#include "ui/dialogs/stub_type_dialog.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/shell.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

ElementKind kindOf(ToolButton button)
{
    switch (button) {
    case ToolButton::CS:
        return ElementKind::CS;
    case ToolButton::IS:
        return ElementKind::IS;
    case ToolButton::RS:
        return ElementKind::RS;
    case ToolButton::LS:
        return ElementKind::LS;
    case ToolButton::CP:
        return ElementKind::CP;
    case ToolButton::IP:
        return ElementKind::IP;
    case ToolButton::RP:
        return ElementKind::RP;
    case ToolButton::Stub:
        return ElementKind::LPS; // the stub type dialog decides
    case ToolButton::TR:
        return ElementKind::TR;
    case ToolButton::RlcInSeries:
    case ToolButton::RlcInShunt:
        return ElementKind::None;
    }
    return ElementKind::None;
}

Toolbox::Toolbox(AppState& state, const Platform& platform, Shell& shell, QWidget* parent)
    : QDialog(parent, Qt::Tool), state_(state), platform_(platform), shell_(shell)
{
    setWindowTitle(QCoreApplication::translate("Toolbox", "Toolbox"));
    setObjectName(QStringLiteral("toolbox"));
    struct Entry {
        const char* caption;
        const char* name;
        ToolButton button;
    };
    static constexpr Entry series[] = {{"C", "seriesC", ToolButton::CS},
                                       {"L", "seriesL", ToolButton::IS},
                                       {"R", "seriesR", ToolButton::RS},
                                       {QT_TRANSLATE_NOOP("Toolbox", "LINE"), "seriesLine", ToolButton::LS},
                                       {"RLC", "seriesRlc", ToolButton::RlcInSeries}};
    static constexpr Entry shunt[] = {{"C", "shuntC", ToolButton::CP},
                                      {"L", "shuntL", ToolButton::IP},
                                      {"R", "shuntR", ToolButton::RP},
                                      {QT_TRANSLATE_NOOP("Toolbox", "LINE"), "shuntLine", ToolButton::Stub},
                                      {"RLC", "shuntRlc", ToolButton::RlcInShunt}};
    const auto column = [this](const char* title, const Entry(&entries)[5]) {
        auto* box = new QGroupBox(QCoreApplication::translate("Toolbox", title), this);
        auto* layout = new QVBoxLayout(box);
        layout->setSpacing(4);
        for (const Entry& e : entries) {
            auto* b = new QPushButton(QCoreApplication::translate("Toolbox", e.caption), box);
            b->setObjectName(QString::fromLatin1(e.name));
            b->setAutoDefault(false);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QPushButton::clicked, this,
                    [this, button = e.button] { pressElement(button); });
            layout->addWidget(b);
        }
        return box;
    };
    auto* grid = new QGridLayout(this);
    grid->addWidget(column(QT_TRANSLATE_NOOP("Toolbox", "SERIES"), series), 0, 0);
    grid->addWidget(column(QT_TRANSLATE_NOOP("Toolbox", "SHUNT"), shunt), 0, 1);
    auto* transformer = new QPushButton(QCoreApplication::translate("Toolbox", "TRANSF."), this);
    transformer->setObjectName(QStringLiteral("transformer"));
    connect(transformer, &QPushButton::clicked, this, [this] { pressElement(ToolButton::TR); });
    auto* block = new QPushButton(QCoreApplication::translate("Toolbox", "2-PORT..."), this);
    block->setObjectName(QStringLiteral("block"));
    connect(block, &QPushButton::clicked, this, &Toolbox::pressBlock);
    auto* point = new QPushButton(QCoreApplication::translate("Toolbox", " DATAPOINT "), this);
    point->setObjectName(QStringLiteral("dataPoint"));
    connect(point, &QPushButton::clicked, this, &Toolbox::pressDataPoint);
    for (QPushButton* b : {transformer, block, point}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    grid->addWidget(transformer, 1, 0, 1, 2);
    grid->addWidget(block, 2, 0, 1, 2);
    grid->addWidget(point, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void Toolbox::reject()
{
    // Esc never closes the toolbox; it ends a placement started from it.
    if (ChartWindow* chart = shell_.chartWindow())
        chart->escape();
}

void Toolbox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        shell_.chartWindow()->undoGesture();
    else if (event->button() == Qt::MiddleButton)
        shell_.chartWindow()->redoGesture();
    else
        QDialog::mousePressEvent(event);
}

bool Toolbox::refused(ToolButton button)
{
    const Design& d = state_.design;
    if (const std::optional<DialogMessage> m = checkElementButton(d)) {
        report(platform_, state_.settings, this, *m);
        return true;
    }
    // Tests of the slot that the new element will take, which may still hold
    // an undone element's value; a value outside the range refuses silently.
    const int n = d.elementCount;
    const double v =
        n >= 0 && n < Design::elementCapacity ? d.elements[static_cast<std::size_t>(n)].value : 0.0;
    if (button == ToolButton::CP && !(v == 0.0 || v > 1e-16))
        return true;
    if (button == ToolButton::RP && !(v == 0.0 || (v > 1e-15 && v < 1e6)))
        return true;
    return false;
}

bool Toolbox::askExtraValues(ToolButton button, ElementKind& kind)
{
    if (button != ToolButton::LS && button != ToolButton::Stub)
        return true;
    LineImpedanceDialog line(state_, platform_, this);
    if (line.exec() != QDialog::Accepted)
        return false;
    if (button == ToolButton::Stub) {
        kind = chooseStubType(state_, platform_, this);
        return kind != ElementKind::None;
    }
    return true;
}

void Toolbox::pressElement(ToolButton button)
{
    if (refused(button))
        return;
    Design& d = state_.design;
    PlacementHandoff& h = state_.placement;
    // A placement in progress gives way to the new one.
    if (h.placing)
        cancelPlacement(state_);
    savePendingSlot(state_);
    ElementKind kind = kindOf(button);
    if (!askExtraValues(button, kind)) {
        cancelPlacement(state_);
        return;
    }
    const bool rlc = kind == ElementKind::None;
    if (!rlc) {
        h.placing = true;
        h.placingKind = kind;
        shell_.repaintSchematic();
    }
    if (d.elementCount >= 1) {
        const Element& last = d.elements[static_cast<std::size_t>(d.elementCount - 1)];
        d.currentPoint = {last.rEnd, last.xEnd};
    }
    if (rlc) {
        h.savedSlot.reset(); // the dialog appends its group or leaves the slot alone
        RlcDialog dialog(state_, platform_,
                         button == ToolButton::RlcInSeries ? RlcGroup::Shunt : RlcGroup::Series,
                         nullptr);
        dialog.exec();
        shell_.repaintAll();
        return;
    }
    Element* slot = pendingSlot(d);
    const double zl = slot ? static_cast<double>(slot->lineImpedance) : 50.0;
    ChartWindow* chart = shell_.chartWindow();
    const float zoom = state_.settings.zoom;
    // A new part takes the losses set for its kind (Options, Part Losses);
    // a lossy one follows its real path instead of the ideal circle.
    Element part;
    if (slot) {
        slot->loss = defaultLossFor(state_.settings.partLosses, kind, designFrequency(d));
        part = *slot;
        part.kind = kind;
    }
    if (followsPath(part))
        computePathGuide(h, part, d.currentPoint, d.z0, designFrequency(d),
                         state_.chartView.baseRadius);
    else
        computeGuide(h, kind, d.currentPoint, d.z0, zl, state_.chartView.baseRadius, zoom);
    const Point begin{toInt(h.workingPixel[0] * static_cast<double>(zoom)),
                      toInt(h.workingPixel[1] * static_cast<double>(zoom))};
    const int offset = pointerOffset(kind);
    if (platform_.moveCursor)
        platform_.moveCursor(chart->mapToGlobal(chart->clientPoint(begin)) +
                             QPoint(offset, offset));
    chart->startPlacement(begin);
    shell_.repaintChart();
}

void Toolbox::pressBlock()
{
    CommandContext c{state_, platform_, shell_};
    insertBlockCommand(c);
}

void Toolbox::pressDataPoint()
{
    if (const std::optional<DialogMessage> m = checkDataPointButton(state_.design)) {
        report(platform_, state_.settings, this, *m);
        return;
    }
    const InputDevice device = chooseInputDevice(state_, platform_, nullptr);
    switch (device) {
    case InputDevice::Mouse:
        state_.pickDataPoint = state_.pickCursor = true;
        break;
    case InputDevice::Keyboard: {
        DataPointDialog dialog(state_, platform_, nullptr);
        dialog.exec();
        shell_.repaintAll();
        break;
    }
    case InputDevice::S11:
    case InputDevice::S22:
        if (import_)
            import_(device);
        break;
    case InputDevice::None:
        break;
    }
}

} // namespace zelvo
