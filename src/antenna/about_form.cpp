// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/about_form.h"

#include "antenna/link_label.h"
#include "antenna/texts.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wendra {

AboutForm::AboutForm(const Services& services, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("aboutform"));
    setWindowTitle(QStringLiteral("关于"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* heading = new QLabel(QStringLiteral("声明："), this);
    auto* statement = new QPlainTextEdit(aboutStatement(), this);
    statement->setObjectName(QStringLiteral("Text1"));
    statement->setReadOnly(true);
    const QFontMetrics fm(statement->font());
    statement->setMinimumSize(fm.horizontalAdvance(QStringLiteral("计")) * 30,
                              fm.lineSpacing() * 20);
    auto* link = new LinkLabel(QUrl(QString::fromLatin1(kProjectUrl)), services, this);
    link->setObjectName(QStringLiteral("Label1"));
    auto* ok = new QPushButton(QStringLiteral("确 定"), this);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(link);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(statement);
    layout->addLayout(bottom);
}

} // namespace wendra
