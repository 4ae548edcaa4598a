// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/line_impedance_dialog.h"

#include "core/number_text.h"
#include "core/numeric.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace zelvo {

LineImpedanceDialog::LineImpedanceDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("LineImpedanceDialog", "Line impedance"));
    setHelpKeyword(QStringLiteral("Lines"));
    impedance_ = numberField(QStringLiteral("impedance"));
    er_ = numberField(QStringLiteral("er"));
    shownImpedance_ = {fixed(state.memory.lineImpedance, 1), state.memory.lineImpedance};
    shownEr_ = {fixed(state.memory.lineEr, 1), state.memory.lineEr};
    impedance_->setText(shownImpedance_.text);
    er_->setText(shownEr_.text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &LineImpedanceDialog::onOk);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("LineImpedanceDialog", "Ohms:"), impedance_);
    form->addRow(QCoreApplication::translate("LineImpedanceDialog", "Er:"), er_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LineImpedanceDialog::onOk()
{
    const FieldValue z = readField(impedance_->text());
    if (refuseUnreadable(impedance_, z))
        return;
    const float impedance = toFloatSaturated(shownImpedance_.valueFor(impedance_->text(), z.value));
    if (!(impedance > 0.0f)) {
        failField(impedance_, QCoreApplication::translate("LineImpedanceDialog", "Value must be > 0"));
        return;
    }
    if (!(impedance <= lineImpedanceLimit.max)) {
        failField(impedance_, outsideRange("0", lineImpedanceLimit));
        return;
    }
    const FieldValue e = readField(er_->text());
    if (refuseUnreadable(er_, e))
        return;
    const float er = toFloatSaturated(shownEr_.valueFor(er_->text(), e.value));
    if (!(er >= 1.0f)) {
        failField(er_, QCoreApplication::translate("LineImpedanceDialog", "Value must be >= 1"));
        return;
    }
    if (!(er <= permittivityLimit.max)) {
        failField(er_, outsideRange("1", permittivityLimit));
        return;
    }
    state_.memory.lineImpedance = impedance;
    state_.memory.lineEr = er;
    Design& d = state_.design;
    if (d.elementCount < Design::elementCapacity) {
        Element& slot = d.elements[static_cast<std::size_t>(d.elementCount)];
        slot.lineImpedance = impedance;
        slot.lineEr = er;
    }
    accept();
}

} // namespace zelvo
