// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/frequency_dialog.h"

#include "core/number_text.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

FrequencyDialog::FrequencyDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("FrequencyDialog", "Datapoint"));
    setHelpKeyword(QStringLiteral("Picking Data Points"));
    auto* box = new QGroupBox(QCoreApplication::translate("FrequencyDialog", "frequency"), this);
    frequency_ = numberField(QStringLiteral("frequency"));
    frequency_->setText(QStringLiteral("500"));
    unit_ = new QComboBox(box);
    unit_->setObjectName(QStringLiteral("unit"));
    fillUnits(unit_, frequencyUnits);
    unit_->setCurrentIndex(1); // MHz
    auto* row = new QHBoxLayout(box);
    row->addWidget(frequency_, 1);
    row->addWidget(unit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &FrequencyDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &FrequencyDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    frequency_->setFocus(Qt::OtherFocusReason);
    frequency_->selectAll();
}

void FrequencyDialog::onOk()
{
    const FieldValue v = readField(frequency_->text());
    if (v.state == FieldValue::State::Empty) {
        failField(frequency_, QString::fromLatin1(numberFormatMessage));
        return;
    }
    if (refuseUnreadable(frequency_, v))
        return;
    // Tested and stored in single precision, as the point's frequency always was.
    const float typed = toFloatSaturated(v.value);
    if (!(typed > 0.0f)) {
        failField(frequency_, QCoreApplication::translate("FrequencyDialog", "Only values > 0 allowed."));
        return;
    }
    const double frequency = static_cast<double>(typed) * unitFactor(unit_, frequencyUnits);
    if (frequency > maxPointFrequency) {
        failField(frequency_, frequencyOutsideRange());
        return;
    }
    Design& d = state_.design;
    if (d.dataPointCount > 0 && d.dataPointCount <= Design::pointCapacity)
        d.dataPoints[static_cast<std::size_t>(d.dataPointCount - 1)].f = frequency;
    d.modified = true;
    accept();
}

void FrequencyDialog::reject()
{
    Design& d = state_.design;
    if (d.historyCount > 0 && d.historyCount <= Design::historyCapacity &&
        d.history[static_cast<std::size_t>(d.historyCount - 1)] == HistoryEntry::DataPoint) {
        undoLast(d);
        // The withdrawn point must not come back through Redo.
        d.historyTop = d.historyCount;
    }
    QDialog::reject();
}

} // namespace zelvo
