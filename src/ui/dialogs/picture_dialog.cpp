// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/picture_dialog.h"

#include "ui/app_state.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelvo {

PictureDialog::PictureDialog(AppState& state, const Platform& platform,
                             const std::vector<PictureView>& views, QWidget* parent)
    : ZelvoDialog(state, platform, parent), views_(views)
{
    setWindowTitle(QCoreApplication::translate("PictureDialog", "Export Picture"));
    auto* layout = new QVBoxLayout(this);
    auto* pictures = new QGroupBox(QCoreApplication::translate("PictureDialog", "Picture"), this);
    auto* pictureLayout = new QVBoxLayout(pictures);
    group_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < views_.size(); ++i) {
        auto* b = new QRadioButton(pictureViewName(views_[i]), pictures);
        b->setObjectName(QStringLiteral("view%1").arg(static_cast<int>(views_[i])));
        group_->addButton(b, static_cast<int>(i));
        pictureLayout->addWidget(b);
        if (i == 0 || views_[i] == static_cast<PictureView>(state.memory.pictureView))
            b->setChecked(true);
    }
    layout->addWidget(pictures);

    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("size"));
    size_->setRange(minPictureSize, maxPictureSize);
    size_->setSingleStep(100);
    size_->setSuffix(QCoreApplication::translate("PictureDialog", " px"));
    size_->setValue(std::clamp(state.memory.pictureSize, minPictureSize, maxPictureSize));
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("PictureDialog", "Size (longer side):"), size_);
    // The same number sizes the vector pages, at a stated resolution.
    auto* vectorSize = new QLabel(this);
    vectorSize->setObjectName(QStringLiteral("vectorSize"));
    const auto showVectorSize = [vectorSize](int pixels) {
        vectorSize->setText(QCoreApplication::translate("PictureDialog", "PDF and SVG: %1 mm at %2 dpi")
                                .arg(pixels * 25.4 / vectorPictureDpi, 0, 'f', 1)
                                .arg(vectorPictureDpi));
    };
    showVectorSize(size_->value());
    connect(size_, &QSpinBox::valueChanged, vectorSize, showVectorSize);
    form->addRow(QString(), vectorSize);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PictureView PictureDialog::view() const
{
    const int i = std::max(0, group_->checkedId());
    return views_.empty() ? PictureView::Chart : views_[static_cast<std::size_t>(i)];
}

int PictureDialog::size() const
{
    return size_->value();
}

void PictureDialog::accept()
{
    state_.memory.pictureView = static_cast<int>(view());
    state_.memory.pictureSize = size();
    QDialog::accept();
}

} // namespace zelvo
