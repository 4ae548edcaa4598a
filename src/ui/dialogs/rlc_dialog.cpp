// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/rlc_dialog.h"

#include "core/number_text.h"
#include "model/design_rules.h"
#include "ui/app_state.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

namespace {

struct Part {
    const char* caption;
    const char* name;
    std::span<const Unit> units;
    int initialUnit;
    ValueLimit limit;
};

const Part parts[3] = {{"R", "r", resistanceUnits, 0, resistanceLimit},
                       {"L", "l", inductanceUnits, 1, inductanceLimit},
                       {"C", "c", capacitanceUnits, 0, capacitanceLimit}};

} // namespace

RlcDialog::RlcDialog(AppState& state, const Platform& platform, RlcGroup group, QWidget* parent)
    : ZelvoDialog(state, platform, parent), group_(group)
{
    setWindowTitle(group == RlcGroup::Series ? QCoreApplication::translate("RlcDialog", "RLC Series")
                                             : QCoreApplication::translate("RlcDialog", "RLC Shunt"));
    setHelpKeyword(QStringLiteral("RLC Groups"));
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        fields_[i] = numberField(QString::fromLatin1(parts[i].name));
        units_[i] = new QComboBox(this);
        units_[i]->setObjectName(QString::fromLatin1(parts[i].name) + QStringLiteral("Unit"));
        fillUnits(units_[i], parts[i].units);
        units_[i]->setCurrentIndex(parts[i].initialUnit);
        auto* caption = new QLabel(QString::fromLatin1(parts[i].caption) + QLatin1Char(':'), this);
        caption->setBuddy(fields_[i]);
        grid->addWidget(caption, i, 0);
        grid->addWidget(fields_[i], i, 1);
        grid->addWidget(units_[i], i, 2);
    }
    auto* note = new QLabel(group == RlcGroup::Series
                                ? QCoreApplication::translate("RlcDialog", "R, L and C in series, connected in shunt.")
                                : QCoreApplication::translate("RlcDialog", "R, L and C in parallel, inserted in series."),
                            this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &RlcDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fields_[0]->setFocus(Qt::OtherFocusReason);
}

void RlcDialog::onOk()
{
    FieldValue v[3];
    for (int i = 0; i < 3; ++i) {
        v[i] = readField(fields_[i]->text());
        if (v[i].state == FieldValue::State::Empty) {
            failField(fields_[i], QCoreApplication::translate("RlcDialog", "Field for [%1] must contain value")
                                      .arg(QString::fromLatin1(parts[i].caption)));
            return;
        }
    }
    double value[3];
    for (int i = 0; i < 3; ++i) {
        // "5x" used to be read as 5; a typo must not become a component value.
        if (refuseUnreadable(fields_[i], v[i]))
            return;
        // The product is taken in single precision; one that vanishes there
        // is no value either.
        const float product = toFloatSaturated(v[i].value) *
                              static_cast<float>(unitFactor(units_[i], parts[i].units));
        if (!(v[i].value > 0.0) || !(product > 0.0f)) {
            failField(fields_[i], QCoreApplication::translate("RlcDialog", "Value must be > 0"));
            return;
        }
        if (!(product <= parts[i].limit.max)) {
            failField(fields_[i], outsideRange("0", parts[i].limit));
            return;
        }
        value[i] = static_cast<double>(product);
    }

    Design& d = state_.design;
    if (auto refusal = checkElementButton(d); refusal || !historyHasRoom(d)) {
        if (!refusal)
            refusal = checkHistoryRoom(d);
        if (refusal)
            report(platform_, state_.settings, this, *refusal);
        reject();
        return;
    }
    Element e;
    e.kind = group_ == RlcGroup::Series ? ElementKind::RlcSeries : ElementKind::RlcParallel;
    e.rlcR = value[0];
    e.rlcL = value[1];
    e.rlcC = value[2];
    if (!appendElement(d, e)) {
        reject();
        return;
    }
    accept();
}

} // namespace zelvo
