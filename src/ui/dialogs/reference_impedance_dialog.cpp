// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/reference_impedance_dialog.h"

#include "core/format.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace zelvo {

ReferenceImpedanceDialog::ReferenceImpedanceDialog(AppState& state, const Platform& platform,
                                                   QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("ReferenceImpedanceDialog", "Reference Impedance / Admittance"));
    value_ = numberField(QStringLiteral("value"));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unit"));
    unit_->addItems({QCoreApplication::translate("ReferenceImpedanceDialog", "Ohm"), QCoreApplication::translate("ReferenceImpedanceDialog", "Siemens")});
    unit_->setCurrentIndex(state.memory.referenceInSiemens ? 1 : 0);
    showValue();
    // A unit switch shows the same Zo in the other unit unless the user typed.
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
        if (value_->text().trimmed() == shown_.text.trimmed() || value_->text().trimmed().isEmpty())
            showValue();
    });

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReferenceImpedanceDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setHelpKeyword(QStringLiteral("Input of Network"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, &ReferenceImpedanceDialog::showHelp);

    auto* row = new QHBoxLayout;
    row->addWidget(value_);
    row->addWidget(unit_);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("ReferenceImpedanceDialog", "Reference Zo:"), row);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ReferenceImpedanceDialog::showValue()
{
    const double z0 = state_.design.z0;
    if (unit_->currentIndex() == 1)
        shown_ = {QString::fromStdString(printfString("%.3g", 1.0 / z0)), 1.0 / z0};
    else
        shown_ = {fixed(z0, 1), z0};
    value_->setText(shown_.text);
}

void ReferenceImpedanceDialog::onOk()
{
    const QString text = value_->text();
    const FieldValue v = readField(text);
    if (refuseUnreadable(value_, v))
        return;
    const double typed = shown_.valueFor(text, v.value);
    const bool siemens = unit_->currentIndex() == 1;
    if (!(typed > 0.0)) {
        failField(value_, QCoreApplication::translate("ReferenceImpedanceDialog", "Value must be > 0"));
        return;
    }
    const float z0 = toFloatSaturated(siemens ? 1.0 / typed : typed);
    if (!referenceImpedanceAccepted(z0)) {
        failField(value_, siemens ? outsideRange(QStringLiteral("1E-6"), QStringLiteral("1000"),
                                                 QCoreApplication::translate("ReferenceImpedanceDialog", "Siemens"))
                                  : outsideRange(QStringLiteral("0.001"), QStringLiteral("1E6"),
                                                 QCoreApplication::translate("ReferenceImpedanceDialog", "Ohm")));
        return;
    }
    state_.design.z0 = z0;
    state_.memory.referenceInSiemens = siemens;
    state_.design.modified = true;
    accept();
}

} // namespace zelvo
