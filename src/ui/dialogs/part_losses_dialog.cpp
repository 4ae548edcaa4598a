// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/part_losses_dialog.h"

#include "ui/app_state.h"
#include "ui/dialogs/loss_fields.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

PartLossesDialog::PartLossesDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("PartLossesDialog", "Part Losses"));
    setHelpKeyword(QStringLiteral("Part Losses"));
    auto* intro = new QLabel(QCoreApplication::translate("PartLossesDialog",
                                           "Losses of the parts placed from now on (blank or 0: "
                                           "ideal).\nA Q without its frequency holds at the "
                                           "design frequency."),
                             this);
    const PartLossDefaults& d = state.settings.partLosses;
    inductor_ = new LossBox(LossFamily::Inductor, QCoreApplication::translate("PartLossesDialog", "Inductors"),
                            QStringLiteral("inductor"), this);
    capacitor_ = new LossBox(LossFamily::Capacitor, QCoreApplication::translate("PartLossesDialog", "Capacitors"),
                             QStringLiteral("capacitor"), this);
    line_ = new LossBox(LossFamily::Line, QCoreApplication::translate("PartLossesDialog", "Lines and stubs"),
                        QStringLiteral("line"), this);
    // No design frequency here: a Q without its frequency stays without one.
    inductor_->showLoss(d.inductor, 0.0);
    capacitor_->showLoss(d.capacitor, 0.0);
    line_->showLoss(d.line, 0.0);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PartLossesDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &PartLossesDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(inductor_);
    layout->addWidget(capacitor_);
    layout->addWidget(line_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PartLossesDialog::onOk()
{
    const LossBox::Fail fail = [this](QLineEdit* f, const QString& text) { failField(f, text); };
    const std::optional<PartLoss> inductor = inductor_->readLoss(fail, 0.0);
    if (!inductor)
        return;
    const std::optional<PartLoss> capacitor = capacitor_->readLoss(fail, 0.0);
    if (!capacitor)
        return;
    const std::optional<PartLoss> line = line_->readLoss(fail, 0.0);
    if (!line)
        return;
    state_.settings.partLosses = {*inductor, *capacitor, *line};
    accept();
}

} // namespace zelvo
