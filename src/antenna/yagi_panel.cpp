// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/yagi_panel.h"

#include "antenna/calc.h"
#include "antenna/forms.h"
#include "antenna/kd_form.h"
#include "antenna/notes_box.h"
#include "antenna/texts.h"
#include "antenna/yagi_drawing.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wendra {
namespace {

struct ElementCount {
    const char* name;
    const char* caption;
    int maskTwips;
};

constexpr ElementCount kCounts[] = {
    {"Option1", "三单元", 5970}, {"Option2", "四单元", 5250}, {"Option3", "五单元", 4530},
    {"Option4", "七单元", 3090}, {"Option5", "九单元", 1650}, {"Option6", "十一单元", 210},
};

} // namespace

YagiPanel::YagiPanel(Forms& forms, QWidget* parent)
    : QGroupBox(QStringLiteral("八木天线图例计算器"), parent), forms_(forms)
{
    setObjectName(QStringLiteral("FBM"));

    frequency_ = new QLineEdit(QStringLiteral("145"), this);
    frequency_->setObjectName(QStringLiteral("Text3"));
    frequency_->setMaximumWidth(90);
    auto* freqRow = new QHBoxLayout;
    freqRow->addWidget(new QLabel(QStringLiteral("请输入频率："), this));
    freqRow->addWidget(frequency_);
    freqRow->addWidget(new QLabel(QStringLiteral("MHZ"), this));
    freqRow->addStretch();

    drawing_ = new YagiDrawing(this);

    auto* options = new QGridLayout;
    int n = 0;
    for (const ElementCount& c : kCounts) {
        auto* b = new QRadioButton(QString::fromUtf8(c.caption), this);
        b->setObjectName(QString::fromLatin1(c.name));
        const int twips = c.maskTwips;
        connect(b, &QRadioButton::clicked, this, [this, twips] { drawing_->setMaskHeightTwips(twips); });
        b->setChecked(twips == 210); // the drawing opens with all 11 elements
        options->addWidget(b, n / 2, n % 2);
        ++n;
    }

    auto* calc = new QPushButton(QStringLiteral("计  算"), this);
    calc->setObjectName(QStringLiteral("Command3"));
    connect(calc, &QPushButton::clicked, this, &YagiPanel::calculate);
    connect(frequency_, &QLineEdit::returnPressed, calc, &QPushButton::click);

    auto* feedBox = new QPushButton(QStringLiteral("馈电盒"), this);
    feedBox->setObjectName(QStringLiteral("Command4"));
    connect(feedBox, &QPushButton::clicked, this, [this] { forms_.showKd(); });
    // The feed box button sits beside Calculate rather than under the
    // drawing, so that the window fits a 700-pixel-high screen.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calc, 1);
    buttons->addWidget(feedBox);

    auto* left = new QVBoxLayout;
    left->addLayout(freqRow);
    left->addLayout(options);
    left->addLayout(buttons);
    left->addSpacing(8);
    left->addWidget(new QLabel(QStringLiteral("注意事项："), this));
    left->addWidget(notesBox(QStringLiteral("Text4"), yagiNotes(), this), 1);

    auto* result = new QGroupBox(QStringLiteral("八木天线图例计算结果"), this);
    auto* resultLayout = new QVBoxLayout(result);
    resultLayout->setContentsMargins(4, 4, 4, 4);
    resultLayout->addWidget(drawing_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(left);
    layout->addWidget(result);
}

void YagiPanel::calculate()
{
    const auto r = yagi(frequency_->text().toStdString());
    if (!r) {
        forms_.services().message(window(), inputErrorText());
        return;
    }
    forms_.kd().setLength(QString::fromStdString(r->feedBox));
    for (const Caption& c : r->labels)
        drawing_->setCaption(QString::fromStdString(c.label), QString::fromStdString(c.text));
}

} // namespace wendra
