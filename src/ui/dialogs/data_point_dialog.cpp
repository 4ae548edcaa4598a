// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/data_point_dialog.h"

#include "core/format.h"
#include "core/number_text.h"
#include "model/design_rules.h"
#include "ui/app_state.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelvo {

namespace {

QString shortText(double v)
{
    return QString::fromStdString(printfString("%.10G", v));
}

QString fieldMustContainValue()
{
    return QCoreApplication::translate("DataPointDialog", "Field must contain value");
}

} // namespace

DataPointDialog::DataPointDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    build();
    setWindowTitle(QCoreApplication::translate("DataPointDialog", "Data Point"));
    setFormat(state.memory.dataPointFormat);
    shownFrequency_ = {showFrequency(state.memory.lastFrequency, unit_),
                       state.memory.lastFrequency};
    shownUnit_ = unit_->currentIndex();
    frequency_->setText(shownFrequency_.text);
}

DataPointDialog::DataPointDialog(AppState& state, const Platform& platform, int index,
                                 QWidget* parent)
    : ZelvoDialog(state, platform, parent), edit_(true), index_(index),
      editFormat_(formatImpedance | formatCartesian)
{
    build();
    const Design& d = state.design;
    const bool valid = index >= 0 && index < std::min(d.dataPointCount, Design::pointCapacity);
    const DataPoint p = valid ? d.dataPoints[static_cast<std::size_t>(index)] : DataPoint{};
    // A design file may hold points without history entries; their place in
    // the list is then their own number.
    const int number = dataPointListNumber(d, index);
    setWindowTitle(QCoreApplication::translate("DataPointDialog", "Edit Datapoint Nr. %1").arg(number > 0 ? number : index + 1));
    setFormat(editFormat_);
    showPoint({p.r, p.x});
    shownFrequency_ = {showFrequency(p.f, unit_), p.f};
    shownUnit_ = unit_->currentIndex();
    frequency_->setText(shownFrequency_.text);
}

void DataPointDialog::build()
{
    auto* representationBox = new QGroupBox(QCoreApplication::translate("DataPointDialog", "Representation"), this);
    auto* representationLayout = new QVBoxLayout(representationBox);
    representation_ = new QButtonGroup(this);
    struct Choice {
        const char* text;
        const char* name;
        std::uint8_t bit;
    };
    for (const Choice& c : {Choice{QT_TRANSLATE_NOOP("DataPointDialog", "impedance (Ohm)"), "impedance", formatImpedance},
                            Choice{QT_TRANSLATE_NOOP("DataPointDialog", "admittance (Siemens)"), "admittance", formatAdmittance},
                            Choice{QT_TRANSLATE_NOOP("DataPointDialog", "reflection coefficient"), "reflection", formatReflection}}) {
        auto* b = new QRadioButton(QCoreApplication::translate("DataPointDialog", c.text), representationBox);
        b->setObjectName(QString::fromLatin1(c.name));
        representation_->addButton(b, c.bit);
        representationLayout->addWidget(b);
    }

    auto* formBox = new QGroupBox(QCoreApplication::translate("DataPointDialog", "Form"), this);
    auto* formLayout = new QVBoxLayout(formBox);
    form_ = new QButtonGroup(this);
    for (const Choice& c : {Choice{QT_TRANSLATE_NOOP("DataPointDialog", "cartesian"), "cartesian", formatCartesian},
                            Choice{QT_TRANSLATE_NOOP("DataPointDialog", "polar"), "polar", formatPolar}}) {
        auto* b = new QRadioButton(QCoreApplication::translate("DataPointDialog", c.text), formBox);
        b->setObjectName(QString::fromLatin1(c.name));
        form_->addButton(b, c.bit);
        formLayout->addWidget(b);
    }
    formLayout->addStretch();
    connect(representation_, &QButtonGroup::idClicked, this, &DataPointDialog::onFormatClicked);
    connect(form_, &QButtonGroup::idClicked, this, &DataPointDialog::onFormatClicked);

    auto* valueBox = new QGroupBox(QCoreApplication::translate("DataPointDialog", "Value"), this);
    auto* valueLayout = new QGridLayout(valueBox);
    first_ = numberField(QStringLiteral("first"));
    second_ = numberField(QStringLiteral("second"));
    firstCaption_ = new QLabel(valueBox);
    secondCaption_ = new QLabel(valueBox);
    firstCaption_->setBuddy(first_);
    secondCaption_->setBuddy(second_);
    // Wide enough for the longer caption, so switching forms does not resize.
    const int captionWidth = fontMetrics().horizontalAdvance(QCoreApplication::translate("DataPointDialog", "magnitude: "));
    firstCaption_->setMinimumWidth(captionWidth);
    secondCaption_->setMinimumWidth(captionWidth);
    valueLayout->addWidget(firstCaption_, 0, 0);
    valueLayout->addWidget(first_, 0, 1);
    valueLayout->addWidget(secondCaption_, 1, 0);
    valueLayout->addWidget(second_, 1, 1);

    auto* frequencyBox = new QGroupBox(QCoreApplication::translate("DataPointDialog", "Frequency"), this);
    auto* frequencyLayout = new QHBoxLayout(frequencyBox);
    frequency_ = numberField(QStringLiteral("frequency"));
    unit_ = new QComboBox(frequencyBox);
    unit_->setObjectName(QStringLiteral("unit"));
    fillUnits(unit_, frequencyUnits);
    frequencyLayout->addWidget(frequency_, 1);
    frequencyLayout->addWidget(unit_);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &DataPointDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setHelpKeyword(edit_ ? QStringLiteral("Edit Datapoints")
                         : QCoreApplication::translate("DataPointDialog", "Input of Datapoints"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, &DataPointDialog::showHelp);

    auto* top = new QHBoxLayout;
    top->addWidget(representationBox);
    top->addWidget(formBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(valueBox);
    layout->addWidget(frequencyBox);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    first_->setFocus(Qt::OtherFocusReason);
}

std::uint8_t DataPointDialog::format() const
{
    return static_cast<std::uint8_t>(representation_->checkedId() | form_->checkedId());
}

void DataPointDialog::setFormat(std::uint8_t format)
{
    const int representation = format & (formatImpedance | formatAdmittance | formatReflection);
    const int form = format & (formatCartesian | formatPolar);
    if (QAbstractButton* b =
            representation_->button(representation ? representation : formatImpedance))
        b->setChecked(true);
    if (QAbstractButton* b = form_->button(form ? form : formatCartesian))
        b->setChecked(true);
    firstCaption_->setText(firstCaption(this->format()) + QLatin1Char(':'));
    secondCaption_->setText(secondCaption(this->format()) + QLatin1Char(':'));
}

void DataPointDialog::onFormatClicked()
{
    const std::uint8_t chosen = format();
    if (!edit_) {
        // The input keeps the typed texts; only their meaning changes.
        state_.memory.dataPointFormat = chosen;
        setFormat(chosen);
        return;
    }
    // The editor shows the point it holds in the new form: the typed values
    // when they make a valid point, else the point as it was shown.
    const Complex z = enteredImpedance();
    editFormat_ = chosen;
    setFormat(chosen);
    showPoint(z);
}

Complex DataPointDialog::enteredImpedance() const
{
    const QString a = first_->text(), b = second_->text();
    if (a.trimmed() == shownFirst_.text && b.trimmed() == shownSecond_.text)
        return shownImpedance_;
    const FieldValue va = readField(a), vb = readField(b);
    if (!va.isNumber() || !vb.isNumber())
        return shownImpedance_;
    const PointOutcome out =
        impedanceFromEditor(editFormat_, shownFirst_.valueFor(a, va.value),
                            shownSecond_.valueFor(b, vb.value), state_.design.z0);
    if (const Complex* z = std::get_if<Complex>(&out))
        return *z;
    return shownImpedance_;
}

void DataPointDialog::showPoint(Complex impedance)
{
    const PointValues v = valuesInFormat(editFormat_, impedance, state_.design.z0);
    shownImpedance_ = impedance;
    shownFirst_ = {shortText(v.first), v.first};
    shownSecond_ = {shortText(v.second), v.second};
    first_->setText(shownFirst_.text);
    second_->setText(shownSecond_.text);
}

QLineEdit* DataPointDialog::fieldOf(PointField field) const
{
    switch (field) {
    case PointField::First:
        return first_;
    case PointField::Second:
        return second_;
    case PointField::Frequency:
        return frequency_;
    }
    return first_;
}

void DataPointDialog::failAt(PointField field, const QString& text)
{
    failField(fieldOf(field), text);
}

void DataPointDialog::onOk()
{
    Design& d = state_.design;
    if (edit_) {
        if (index_ < 0 || index_ >= std::min(d.dataPointCount, Design::pointCapacity)) {
            reject();
            return;
        }
    }

    const PointField order[] = {PointField::First, PointField::Second, PointField::Frequency};
    FieldValue values[3];
    for (PointField f : order) {
        values[static_cast<int>(f)] = readField(fieldOf(f)->text());
        if (values[static_cast<int>(f)].state == FieldValue::State::Empty) {
            failAt(f, fieldMustContainValue());
            return;
        }
    }
    for (PointField f : order)
        if (refuseUnreadable(fieldOf(f), values[static_cast<int>(f)]))
            return;
    const double first = shownFirst_.valueFor(first_->text(), values[0].value);
    const double second = shownSecond_.valueFor(second_->text(), values[1].value);
    const bool frequencyAsShown = unit_->currentIndex() == shownUnit_;
    const double frequency =
        frequencyAsShown
            ? shownFrequency_.valueFor(frequency_->text(),
                                       values[2].value * unitFactor(unit_, frequencyUnits))
            : values[2].value * unitFactor(unit_, frequencyUnits);

    Complex z;
    const bool pointAsShown = edit_ && first_->text().trimmed() == shownFirst_.text &&
                              second_->text().trimmed() == shownSecond_.text;
    if (pointAsShown) {
        z = shownImpedance_;
    }
    else {
        const PointOutcome out = edit_ ? impedanceFromEditor(editFormat_, first, second, d.z0)
                                       : impedanceFromInput(format(), first, second, d.z0);
        if (const PointFailure* f = std::get_if<PointFailure>(&out)) {
            failAt(f->field, f->text);
            return;
        }
        z = std::get<Complex>(out);
    }
    // Every element and the wideband evaluation divide by the frequency.
    if (!(frequency > 0.0)) {
        failAt(PointField::Frequency, QCoreApplication::translate("DataPointDialog", "Only values > 0 allowed."));
        return;
    }
    if (frequency > maxPointFrequency) {
        failAt(PointField::Frequency, frequencyOutsideRange());
        return;
    }

    const DataPoint point{z.re, z.im, frequency};
    if (edit_) {
        // Recorded only now: a refused edit leaves no history entry behind.
        if (!editDataPoint(d, index_, point)) {
            const auto full = checkHistoryRoom(d);
            message(full ? QString::fromStdString(full->text) : QString(), MessageIcon::Error,
                    true);
            reject();
            return;
        }
        accept();
        return;
    }
    if (!appendDataPoint(d, point)) {
        auto refusal = checkDataPointLimit(d);
        if (!refusal)
            refusal = checkHistoryRoom(d);
        if (refusal)
            report(platform_, state_.settings, this, *refusal);
        reject();
        return;
    }
    state_.memory.lastFrequency = frequency;
    accept();
}

} // namespace zelvo
