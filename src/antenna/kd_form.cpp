// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/kd_form.h"

#include "antenna/feed_box_drawing.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace wendra {

KdForm::KdForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("KD"));
    setWindowTitle(QStringLiteral("馈电盒接线示意图"));
    drawing_ = new FeedBoxDrawing(this);
    // "知道了" only hides the form, so the length is still there next time.
    auto* ok = new QPushButton(QStringLiteral("知道了"), this);
    ok->setObjectName(QStringLiteral("Command4"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drawing_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void KdForm::setLength(const QString& text) { drawing_->setCaption(QStringLiteral("Label4"), text); }

QString KdForm::length() const { return drawing_->caption(QStringLiteral("Label4")); }

} // namespace wendra
