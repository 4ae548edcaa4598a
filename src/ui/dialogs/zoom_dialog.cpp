// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/zoom_dialog.h"

#include "core/numeric.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zelvo {

float clampZoom(double typed)
{
    if (std::isnan(typed))
        return 1.0f;
    return static_cast<float>(std::min(std::max(typed, minZoom), maxZoom));
}

ZoomDialog::ZoomDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("ZoomDialog", "Zoom"));
    setHelpKeyword(QStringLiteral("Zoom"));
    factor_ = numberField(QStringLiteral("factor"));
    shown_ = {fixed(state.settings.zoom, 2), state.settings.zoom};
    factor_->setText(shown_.text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ZoomDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* group = new QGroupBox(QCoreApplication::translate("ZoomDialog", "Zoom factor"), this);
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(factor_);
    for (const char* hint : {QT_TRANSLATE_NOOP("ZoomDialog", "bigger values > 1: zoom in"),
                             QT_TRANSLATE_NOOP("ZoomDialog", "smaller values < 1: zoom out")}) {
        auto* label = new QLabel(QCoreApplication::translate("ZoomDialog", hint), group);
        label->setObjectName(QStringLiteral("hint"));
        inGroup->addWidget(label);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ZoomDialog::onOk()
{
    const std::optional<double> read = requireNumber(factor_);
    if (!read)
        return;
    const double typed = shown_.valueFor(factor_->text(), *read);
    // Compared as stored: 0.0099999 must not pass as a float of 0.01.
    const float zoom = toFloatSaturated(typed);
    if (!(zoom >= static_cast<float>(minZoom) && zoom <= static_cast<float>(maxZoom))) {
        failField(factor_, outsideRange(QStringLiteral("0.01"), QStringLiteral("50")));
        return;
    }
    state_.settings.zoom = zoom;
    accept();
}

} // namespace zelvo
