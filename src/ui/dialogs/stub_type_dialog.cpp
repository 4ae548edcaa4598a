// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/stub_type_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

StubTypeDialog::StubTypeDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("StubTypeDialog", "Stub type"));
    setHelpKeyword(QStringLiteral("Stubs"));
    auto* shorted = new QPushButton(QCoreApplication::translate("StubTypeDialog", "SHORTED END"), this);
    shorted->setObjectName(QStringLiteral("shorted"));
    shorted->setDefault(true);
    auto* open = new QPushButton(QCoreApplication::translate("StubTypeDialog", "OPEN END"), this);
    open->setObjectName(QStringLiteral("open"));
    for (QPushButton* b : {shorted, open})
        b->setMinimumHeight(b->sizeHint().height() * 3 / 2);
    connect(shorted, &QPushButton::clicked, this, [this] {
        choice_ = ElementKind::LPS;
        accept();
    });
    connect(open, &QPushButton::clicked, this, [this] {
        choice_ = ElementKind::LPO;
        accept();
    });

    auto* row = new QHBoxLayout;
    row->addWidget(shorted);
    row->addWidget(open);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QCoreApplication::translate("StubTypeDialog", "How does the stub end?"), this));
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ElementKind chooseStubType(AppState& state, const Platform& platform, QWidget* parent)
{
    StubTypeDialog dialog(state, platform, parent);
    dialog.exec();
    return dialog.choice();
}

} // namespace zelvo
