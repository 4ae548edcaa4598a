// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/j_panel.h"

#include "antenna/calc.h"
#include "antenna/forms.h"
#include "antenna/j_drawing.h"
#include "antenna/notes_box.h"
#include "antenna/texts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wendra {

JPanel::JPanel(Forms& forms, QWidget* parent) : QWidget(parent), forms_(forms)
{
    setObjectName(QStringLiteral("FJ"));

    drawing_ = new JDrawing(this);
    auto* result = new QGroupBox(QStringLiteral("J型天线图例计算结果"), this);
    (new QVBoxLayout(result))->addWidget(drawing_, 0, Qt::AlignCenter);

    frequency_ = new QLineEdit(QStringLiteral("145"), this);
    frequency_->setObjectName(QStringLiteral("Text1"));
    frequency_->setMaximumWidth(90);
    auto* freqRow = new QHBoxLayout;
    freqRow->addWidget(new QLabel(QStringLiteral("请输入频率："), this));
    freqRow->addWidget(frequency_);
    freqRow->addWidget(new QLabel(QStringLiteral("MHZ"), this));
    freqRow->addStretch();

    auto* calc = new QPushButton(QStringLiteral("计  算"), this);
    calc->setObjectName(QStringLiteral("Command1"));
    connect(calc, &QPushButton::clicked, this, &JPanel::calculate);
    connect(frequency_, &QLineEdit::returnPressed, calc, &QPushButton::click);

    // Inputs on the left, as on the Yagi panel.
    auto* left = new QVBoxLayout;
    left->addLayout(freqRow);
    left->addWidget(calc);
    left->addSpacing(8);
    left->addWidget(new QLabel(QStringLiteral("注意事项："), this));
    left->addWidget(notesBox(QStringLiteral("Text2"), jNotes(), this), 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(result, 1);
}

void JPanel::calculate()
{
    const auto r = jAntenna(frequency_->text().toStdString());
    if (!r) {
        forms_.services().message(window(), refusalText(frequency_->text(), kJRangeError));
        return;
    }
    for (const Caption& c : *r)
        drawing_->setCaption(QString::fromStdString(c.label), QString::fromStdString(c.text));
}

} // namespace wendra
