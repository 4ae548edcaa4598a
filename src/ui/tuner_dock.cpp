// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/tuner_dock.h"

#include "core/number_text.h"
#include "ui/app_state.h"
#include "ui/element_label.h"
#include "ui/language.h"
#include "ui/messages.h"
#include "ui/tuner.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace zelvo {

namespace {

// The slider runs logarithmically: a step is the same share of the value
// anywhere in the range.
int positionOf(double value, double low, double high)
{
    if (!(value > 0.0) || !(high > low))
        return 0;
    const double t = std::log(value / low) / std::log(high / low);
    return static_cast<int>(std::lround(std::clamp(t, 0.0, 1.0) * TunerDock::sliderSteps));
}

double valueAt(int position, double low, double high)
{
    return low * std::pow(high / low, static_cast<double>(position) / TunerDock::sliderSteps);
}

} // namespace

TunerDock::TunerDock(AppState& state, const Platform& platform, Tuner& tuner, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("Tuner", "Tuner"), parent), state_(state), platform_(platform),
      tuner_(tuner)
{
    setObjectName(QStringLiteral("tunerDock"));
    body_ = new QWidget(this);
    auto* column = new QVBoxLayout(body_);
    hint_ = new QLabel(QCoreApplication::translate(
                           "Tuner", "Click an element in the Schematic window, then turn the "
                                    "mouse wheel or press Up/Down (Shift: fine)."),
                       body_);
    hint_->setWordWrap(true);
    column->addWidget(hint_);
    grid_ = new QGridLayout;
    column->addLayout(grid_);
    column->addStretch(1);
    setWidget(body_);
    refresh();
}

QSlider* TunerDock::slider(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].slider : nullptr;
}
QLabel* TunerDock::valueLabel(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].value : nullptr;
}
QToolButton* TunerDock::resetButton(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].reset : nullptr;
}
QLineEdit* TunerDock::lowEdit(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].low : nullptr;
}
QLineEdit* TunerDock::highEdit(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].high : nullptr;
}

void TunerDock::build()
{
    for (Row& r : rows_) {
        delete r.name;
        delete r.to;
        delete r.slider;
        delete r.value;
        delete r.low;
        delete r.high;
        delete r.reset;
    }
    rows_.clear();
    shownIndices_.clear();
    const auto& tuned = tuner_.tuned();
    for (std::size_t i = 0; i < tuned.size(); ++i) {
        const int row = static_cast<int>(i);
        Row r;
        r.name = new QLabel(body_);
        r.slider = new QSlider(Qt::Horizontal, body_);
        r.slider->setRange(0, sliderSteps);
        r.slider->setMinimumWidth(160);
        r.slider->setObjectName(QStringLiteral("tunerSlider%1").arg(row));
        r.value = new QLabel(body_);
        r.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r.to = new QLabel(QCoreApplication::translate("Tuner", "to"), body_);
        r.low = new QLineEdit(body_);
        r.high = new QLineEdit(body_);
        for (QLineEdit* e : {r.low, r.high}) {
            e->setMaximumWidth(90);
            connect(e, &QLineEdit::editingFinished, this, [this, row] { onRange(row); });
        }
        r.low->setToolTip(QCoreApplication::translate("Tuner", "Lower end of the slider (an SI prefix may follow: 2.2n)"));
        r.high->setToolTip(QCoreApplication::translate("Tuner", "Upper end of the slider (an SI prefix may follow: 22n)"));
        r.reset = new QToolButton(body_);
        r.reset->setText(QCoreApplication::translate("Tuner", "Reset"));
        r.reset->setToolTip(QCoreApplication::translate("Tuner", "Back to the value the element had when it joined"));
        connect(r.slider, &QSlider::valueChanged, this, [this, row](int p) { onSlider(row, p); });
        connect(r.reset, &QToolButton::clicked, this, [this, row] {
            const Tuner::Tuned& t = tuner_.tuned()[static_cast<std::size_t>(row)];
            tuner_.setValue(t.index, t.part, t.original);
        });
        // Three lines an element, so that the dock fits the narrow room
        // beside the chart: name and value, the slider, the range.
        const int line = 3 * row;
        grid_->addWidget(r.name, line, 0, 1, 3);
        grid_->addWidget(r.value, line, 3);
        grid_->addWidget(r.slider, line + 1, 0, 1, 4);
        grid_->addWidget(r.low, line + 2, 0);
        grid_->addWidget(r.to, line + 2, 1);
        grid_->addWidget(r.high, line + 2, 2);
        grid_->addWidget(r.reset, line + 2, 3, Qt::AlignRight);
        if (row > 0)
            grid_->setRowMinimumHeight(line - 1, r.low->sizeHint().height() + 10);
        rows_.push_back(r);
        shownIndices_.push_back(tuned[i].index * 4 + static_cast<int>(tuned[i].part));
    }
}

void TunerDock::refresh()
{
    tuner_.prune();
    const auto& tuned = tuner_.tuned();
    std::vector<int> keys;
    for (const Tuner::Tuned& t : tuned)
        keys.push_back(t.index * 4 + static_cast<int>(t.part));
    if (keys != shownIndices_)
        build();
    hint_->setVisible(tuned.empty());
    updating_ = true;
    for (std::size_t i = 0; i < tuned.size(); ++i) {
        const Tuner::Tuned& t = tuned[i];
        const Row& r = rows_[i];
        const Element& e = state_.design.elements[static_cast<std::size_t>(t.index)];
        const double v = partValue(e, t.part);
        QFont f = r.name->font();
        f.setBold(t.index == tuner_.selected());
        r.name->setFont(f);
        r.name->setText(elementLabel(e, t.index, t.part));
        r.value->setText(partValueText(e, t.part, v));
        const QString unit = partUnit(e, t.part);
        if (!r.low->hasFocus())
            r.low->setText(boundText(t.low, unit));
        if (!r.high->hasFocus())
            r.high->setText(boundText(t.high, unit));
        const QSignalBlocker block(r.slider);
        r.slider->setValue(positionOf(v, t.low, t.high));
    }
    updating_ = false;
}

void TunerDock::onSlider(int row, int position)
{
    if (updating_ || row >= static_cast<int>(tuner_.tuned().size()))
        return;
    const Tuner::Tuned t = tuner_.tuned()[static_cast<std::size_t>(row)];
    if (t.index != tuner_.selected())
        tuner_.select(t.index);
    tuner_.setValue(t.index, t.part, valueAt(position, t.low, t.high));
}

void TunerDock::onRange(int row)
{
    // The message box takes the focus, which finishes the editing again.
    if (refusing_ || row >= static_cast<int>(rows_.size()) ||
        row >= static_cast<int>(tuner_.tuned().size()))
        return;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const Tuner::Tuned t = tuner_.tuned()[static_cast<std::size_t>(row)];
    const Element& e = state_.design.elements[static_cast<std::size_t>(t.index)];
    const QString unit = partUnit(e, t.part);
    const FieldValue low = readBoundText(r.low->text(), unit);
    const FieldValue high = readBoundText(r.high->text(), unit);
    QLineEdit* failed = nullptr;
    QString why;
    for (const auto& [edit, v] : {std::pair{r.low, low}, std::pair{r.high, high}}) {
        if (failed || v.isNumber())
            continue;
        failed = edit;
        why = v.state == FieldValue::State::TooLarge
                  ? QString::fromLatin1(numberTooLargeMessage)
                  // Translated here: the hint below would keep the whole from being found.
                  : translatedMessage(QString::fromLatin1(numberFormatMessage)) +
                        QCoreApplication::translate(
                            "Tuner", "\n\rAn SI prefix and the unit may follow: 2.2n, 2.2 nH.");
    }
    if (!failed) {
        // An end the element refuses would make the knob jump to where the
        // element's own limit clamps the value.
        if (const std::optional<QString> refusal =
                boundsRefusal(e, t.index, t.part, low.value, high.value, false)) {
            const PartRange accepted = acceptedRange(e.kind, t.part);
            failed = low.value >= accepted.low && low.value <= accepted.high ? r.high : r.low;
            why = *refusal;
        }
    }
    if (failed) {
        refusing_ = true;
        tell(platform_, state_.settings, this, why, MessageIcon::Error, true, errorTitle);
        refusing_ = false;
        // The present range comes back, selected for typing over.
        r.low->setText(boundText(t.low, unit));
        r.high->setText(boundText(t.high, unit));
        failed->setFocus(Qt::OtherFocusReason);
        failed->selectAll();
        return;
    }
    tuner_.setRange(row, low.value, high.value);
    refresh();
}

} // namespace zelvo
