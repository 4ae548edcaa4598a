// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/line_width_dialog.h"

#include "core/numeric.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace zelvo {

LineWidthDialog::LineWidthDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("LineWidthDialog", "Settings"));
    setHelpKeyword(QStringLiteral("Line Width"));
    width_ = numberField(QStringLiteral("width"));
    width_->setText(QString::number(state.settings.lineWidth));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &LineWidthDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("LineWidthDialog", "Width of drawing lines (1 ... 9):"), width_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LineWidthDialog::onOk()
{
    const FieldValue v = readField(width_->text());
    if (!v.isNumber() || v.value != std::floor(v.value) || v.value < 1 || v.value > 9) {
        failField(width_, QCoreApplication::translate("LineWidthDialog", "Value must in range from 1 to 9"));
        return;
    }
    state_.settings.lineWidth = toInt(v.value);
    accept();
}

} // namespace zelvo
