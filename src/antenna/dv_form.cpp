// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/dv_form.h"

#include "antenna/calc.h"
#include "antenna/dipole_drawing.h"
#include "antenna/forms.h"
#include "antenna/notes_box.h"
#include "antenna/texts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wendra {

DvForm::DvForm(Forms& forms, QWidget* parent) : QWidget(parent, Qt::Window), forms_(forms)
{
    setObjectName(QStringLiteral("dvForm"));
    setWindowTitle(QStringLiteral("倒V天线"));
    setAttribute(Qt::WA_DeleteOnClose);

    drawing_ = new DipoleDrawing(this);
    auto* frame = new QGroupBox(QStringLiteral("倒V"), this);
    (new QVBoxLayout(frame))->addWidget(drawing_);

    frequency_ = new QLineEdit(QStringLiteral("30"), this);
    frequency_->setObjectName(QStringLiteral("Text3"));
    band_ = new QLineEdit(QStringLiteral("10"), this);
    band_->setObjectName(QStringLiteral("Text1"));
    for (QLineEdit* e : {frequency_, band_})
        e->setMaximumWidth(150);
    auto* forward = new QPushButton(QStringLiteral("计  算"), this);
    forward->setObjectName(QStringLiteral("Command3"));
    auto* reverse = new QPushButton(QStringLiteral("逆 算"), this);
    reverse->setObjectName(QStringLiteral("Command1"));
    connect(forward, &QPushButton::clicked, this, &DvForm::fromFrequency);
    connect(reverse, &QPushButton::clicked, this, &DvForm::fromBand);
    connect(frequency_, &QLineEdit::returnPressed, forward, &QPushButton::click);
    connect(band_, &QLineEdit::returnPressed, reverse, &QPushButton::click);

    auto* inputs = new QGridLayout;
    inputs->addWidget(new QLabel(QStringLiteral("请输入频率："), this), 0, 0);
    inputs->addWidget(frequency_, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("MHZ"), this), 0, 2);
    inputs->addWidget(forward, 0, 3);
    inputs->addWidget(band_, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("米波"), this), 1, 2);
    inputs->addWidget(reverse, 1, 3);
    inputs->setRowStretch(2, 1);

    auto* notes = new QVBoxLayout;
    notes->addWidget(new QLabel(QStringLiteral("注意事项："), this));
    notes->addWidget(notesBox(QStringLiteral("Text4"), dipoleNotes(), this));

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(inputs);
    bottom->addSpacing(16);
    bottom->addLayout(notes, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(bottom);

    fromBand(); // opens with the values of the band in Text1
}

void DvForm::fromBand()
{
    const auto r = dipoleFromBand(band_->text().toStdString());
    if (!r) {
        forms_.services().message(this, refusalText(band_->text(), kDipoleRangeError));
        return;
    }
    display(*r);
}

void DvForm::fromFrequency()
{
    const auto r = dipoleFromFrequency(frequency_->text().toStdString());
    if (!r) {
        forms_.services().message(this, refusalText(frequency_->text(), kDipoleRangeError));
        return;
    }
    display(*r);
}

void DvForm::display(const DipoleResult& r)
{
    band_->setText(QString::fromStdString(r.bandText));
    frequency_->setText(QString::fromStdString(r.frequencyText));
    for (const Caption& c : r.labels)
        drawing_->setCaption(QString::fromStdString(c.label), QString::fromStdString(c.text));
}

void DvForm::closeEvent(QCloseEvent* e)
{
    forms_.invertedVClosed();
    e->accept();
}

} // namespace wendra
