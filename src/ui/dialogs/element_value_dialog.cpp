// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/element_value_dialog.h"

#include "core/chain.h"
#include "core/number_text.h"
#include "model/design_rules.h"
#include "ui/app_state.h"
#include "ui/dialogs/loss_fields.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace zelvo {

namespace {

constexpr Unit lineUnits[] = {{"Lambda", 1}, {"mm", 1e-3}};

// The largest unit the value reaches (the smallest one below all of them).
int displayUnit(double value, std::span<const Unit> units)
{
    int index = 0;
    for (int i = 0; i < static_cast<int>(units.size()); ++i)
        if (value >= units[static_cast<std::size_t>(i)].factor)
            index = i;
    return index;
}

QString kindName(ElementKind k)
{
    switch (k) {
    case ElementKind::CS:
        return QCoreApplication::translate("ElementValueDialog", "series capacitor");
    case ElementKind::CP:
        return QCoreApplication::translate("ElementValueDialog", "shunt capacitor");
    case ElementKind::IS:
        return QCoreApplication::translate("ElementValueDialog", "series inductor");
    case ElementKind::IP:
        return QCoreApplication::translate("ElementValueDialog", "shunt inductor");
    case ElementKind::RS:
        return QCoreApplication::translate("ElementValueDialog", "series resistor");
    case ElementKind::RP:
        return QCoreApplication::translate("ElementValueDialog", "shunt resistor");
    case ElementKind::LS:
        return QCoreApplication::translate("ElementValueDialog", "series line");
    case ElementKind::LPS:
        return QCoreApplication::translate("ElementValueDialog", "shorted stub");
    case ElementKind::LPO:
        return QCoreApplication::translate("ElementValueDialog", "open stub");
    case ElementKind::TR:
        return QCoreApplication::translate("ElementValueDialog", "transformer");
    case ElementKind::RlcSeries:
        return QCoreApplication::translate("ElementValueDialog", "R, L, C in series, connected in shunt");
    case ElementKind::RlcParallel:
        return QCoreApplication::translate("ElementValueDialog", "R, L, C in parallel, inserted in series");
    case ElementKind::Block:
        return QCoreApplication::translate("ElementValueDialog", "two-port block");
    case ElementKind::None:
        break;
    }
    return QCoreApplication::translate("ElementValueDialog", "element",
                                       "an element of unknown kind");
}

// The main field: C, L, R (also of an RLC group), or a line length or ratio.
const ValueLimit& mainValueLimit(ElementKind k)
{
    if (isCapacitor(k))
        return capacitanceLimit;
    if (isInductor(k))
        return inductanceLimit;
    if (isResistor(k) || isRlc(k))
        return resistanceLimit;
    return ratioLimit;
}

} // namespace

double lineLengthFromMm(double millimetres, double f0)
{
    const float wavelength = f0 == 0.0 ? FLOAT_BIG : toFloatSaturated(speedOfLight / f0);
    const double lambda = static_cast<double>(wavelength);
    return std::fmod(millimetres * 0.001, lambda / 2.0) / lambda;
}

ElementValueDialog::ElementValueDialog(AppState& state, const Platform& platform, int code,
                                       QWidget* parent)
    : ZelvoDialog(state, platform, parent), kind_(static_cast<ElementKind>(code / 65536)),
      row_(code % 65536)
{
    setWindowTitle(QCoreApplication::translate("ElementValueDialog", "Edit Element value"));
    const Design& d = state.design;
    const bool valid = row_ >= 0 && row_ < std::min(d.elementCount, Design::elementCapacity);
    const Element e = valid ? d.elements[static_cast<std::size_t>(row_)] : Element{};

    grid_ = new QGridLayout;
    if (isCapacitor(kind_)) {
        addField(main_, QStringLiteral("C:"), QStringLiteral("value"), e.value, capacitanceUnits,
                 3);
    }
    else if (isInductor(kind_)) {
        addField(main_, QStringLiteral("L:"), QStringLiteral("value"), e.value, inductanceUnits, 3);
    }
    else if (isResistor(kind_)) {
        addField(main_, QStringLiteral("R:"), QStringLiteral("value"), e.value, resistanceUnits, 3);
    }
    else if (isLine(kind_)) {
        addField(main_, QCoreApplication::translate("ElementValueDialog", "Line length:"), QStringLiteral("value"), e.value,
                 std::span<const Unit>(lineUnits).first(1), 3);
        main_.unit->addItem(QString::fromLatin1(lineUnits[1].text));
        main_.units = lineUnits;
        addField(er_, QCoreApplication::translate("ElementValueDialog", "Er:"), QStringLiteral("er"), e.lineEr, {}, 3);
        addField(impedance_, QCoreApplication::translate("ElementValueDialog", "Line impedance:"), QStringLiteral("impedance"),
                 e.lineImpedance, {}, 2);
    }
    else if (isRlc(kind_)) {
        addField(main_, QStringLiteral("R:"), QStringLiteral("value"), e.rlcR, resistanceUnits, 3);
        addField(l_, QStringLiteral("L:"), QStringLiteral("l"), e.rlcL, inductanceUnits, 3);
        addField(c_, QStringLiteral("C:"), QStringLiteral("c"), e.rlcC, capacitanceUnits, 3);
    }
    else {
        addField(main_, QStringLiteral("1:"), QStringLiteral("value"), e.value, {}, 3);
    }

    if (hasTolerance(kind_)) {
        tolerance_ = numberField(QStringLiteral("tolerance"));
        if (e.tolerance > 0.0)
            tolerance_->setText(QString::number(e.tolerance * 100.0, 'g', 6));
        // Blank: the design's series decides.
        tolerance_->setPlaceholderText(
            QStringLiteral("%1 (%2)")
                .arg(seriesTolerance(d.partSeries) * 100.0)
                .arg(QString::fromLatin1(seriesName(d.partSeries))));
        auto* label =
            new QLabel(QCoreApplication::translate("ElementValueDialog", "&Tolerance:"), this);
        label->setBuddy(tolerance_);
        grid_->addWidget(label, rows_, 0);
        grid_->addWidget(tolerance_, rows_, 1);
        grid_->addWidget(new QLabel(QStringLiteral("%"), this), rows_, 2);
        ++rows_;
    }

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ElementValueDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setHelpKeyword(QStringLiteral("Edit Element Value"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, &ElementValueDialog::showHelp);

    if (const std::optional<LossFamily> family = lossFamilyOf(kind_)) {
        loss_ = new LossBox(*family, QCoreApplication::translate("ElementValueDialog", "Losses (blank or 0: none)"),
                            QStringLiteral("loss"), this);
        loss_->showLoss(e.loss, designFrequency(d));
    }

    auto* heading =
        new QLabel(QCoreApplication::translate("ElementValueDialog", "Element %1: %2").arg(row_ + 1).arg(kindName(kind_)), this);
    heading->setObjectName(QStringLiteral("heading"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid_);
    if (loss_)
        layout->addWidget(loss_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    main_.edit->setFocus(Qt::OtherFocusReason);
    main_.edit->selectAll();
}

void ElementValueDialog::addField(Field& f, const QString& caption, const QString& name,
                                  double value, std::span<const Unit> units, int decimals)
{
    f.edit = numberField(name);
    f.units = units;
    double shownNumber = value;
    if (!units.empty()) {
        f.unit = new QComboBox(this);
        f.unit->setObjectName(name + QStringLiteral("Unit"));
        fillUnits(f.unit, units);
        f.shownUnit = displayUnit(value, units);
        f.unit->setCurrentIndex(f.shownUnit);
        shownNumber = value / units[static_cast<std::size_t>(f.shownUnit)].factor;
    }
    f.shown = {fixed(shownNumber, decimals), value};
    f.edit->setText(f.shown.text);
    auto* label = new QLabel(caption, this);
    label->setBuddy(f.edit);
    grid_->addWidget(label, rows_, 0);
    grid_->addWidget(f.edit, rows_, 1);
    if (f.unit)
        grid_->addWidget(f.unit, rows_, 2);
    ++rows_;
}

double ElementValueDialog::valueOf(const Field& f, double typed) const
{
    const int unit = f.unit ? f.unit->currentIndex() : -1;
    const double factor = f.unit && unit >= 0 && unit < static_cast<int>(f.units.size())
                              ? f.units[static_cast<std::size_t>(unit)].factor
                              : 1.0;
    if (unit == f.shownUnit)
        return f.shown.valueFor(f.edit->text(), typed * factor);
    return typed * factor;
}

bool ElementValueDialog::readPositive(const Field& f, double& out, const ValueLimit& limit)
{
    const FieldValue v = readField(f.edit->text());
    if (refuseUnreadable(f.edit, v))
        return false;
    out = valueOf(f, v.value);
    if (!(v.value > 0.0) || !(out > 0.0)) {
        failField(f.edit, QCoreApplication::translate("ElementValueDialog", "Value must be > 0"));
        return false;
    }
    if (!(out <= limit.max)) {
        failField(f.edit, outsideRange("0", limit));
        return false;
    }
    return true;
}

void ElementValueDialog::onOk()
{
    Design& d = state_.design;
    if (row_ < 0 || row_ >= std::min(d.elementCount, Design::elementCapacity)) {
        reject();
        return;
    }
    // Every field is checked before anything is stored.
    double value = 0, l = 0, c = 0, er = 0, impedance = 0;
    if (!readPositive(main_, value, mainValueLimit(kind_)))
        return;
    if (isRlc(kind_) &&
        (!readPositive(l_, l, inductanceLimit) || !readPositive(c_, c, capacitanceLimit)))
        return;
    if (isLine(kind_) && (!readPositive(er_, er, permittivityLimit) ||
                          !readPositive(impedance_, impedance, lineImpedanceLimit)))
        return;
    if (isLine(kind_) &&
        (!(toFloatSaturated(er) > 0.0f) || !(toFloatSaturated(impedance) > 0.0f))) {
        failField(!(toFloatSaturated(er) > 0.0f) ? er_.edit : impedance_.edit,
                  QCoreApplication::translate("ElementValueDialog", "Value must be > 0"));
        return;
    }
    double tolerance = 0.0;
    if (tolerance_) {
        const FieldValue t = readField(tolerance_->text());
        if (t.state != FieldValue::State::Empty) {
            if (refuseUnreadable(tolerance_, t))
                return;
            if (!(t.value >= 0.0 && t.value < 100.0)) {
                failField(tolerance_, QStringLiteral("Value must lie in the range between 0 and "
                                                     "100 % (blank: the series' tolerance)"));
                return;
            }
            tolerance = t.value / 100.0;
        }
    }
    std::optional<PartLoss> loss;
    if (loss_) {
        loss = loss_->readLoss(
            [this](QLineEdit* f, const QString& text) {
                failField(f, text);
            },
            designFrequency(d));
        if (!loss)
            return;
    }

    const char* bound = nullptr;
    switch (kind_) {
    case ElementKind::CS:
        if (value > 1e-4)
            bound = "Value must be less than 100uF";
        break;
    case ElementKind::CP:
        if (value < 1e-16)
            bound = "Value must be greater than 0.1fF";
        break;
    case ElementKind::IS:
        if (value < 1e-12)
            bound = "Value must be greater than 1pH";
        break;
    case ElementKind::IP:
        if (value > 1e-3)
            bound = "Value must be less than 1mH";
        break;
    default:
        break;
    }

    if (bound) {
        // The old value stays; the dialog closes all the same.
        refuse(QString::fromLatin1(bound));
        reject();
        return;
    }
    // Only an accepted edit is recorded: a refused one leaves the design and
    // its history exactly as they were.
    Element edited = d.elements[static_cast<std::size_t>(row_)];
    if (isRlc(kind_)) {
        edited.rlcR = value;
        edited.rlcL = l;
        edited.rlcC = c;
    }
    else if (isLine(kind_)) {
        const bool inMm = main_.unit->currentIndex() == 1;
        edited.value = inMm ? lineLengthFromMm(value / 1e-3, designFrequency(d)) : value;
        edited.lineEr = toFloatSaturated(er);
        edited.lineImpedance = toFloatSaturated(impedance);
    }
    else {
        edited.value = value;
    }
    if (loss)
        edited.loss = *loss;
    if (tolerance_)
        edited.tolerance = tolerance;
    if (!editElement(d, row_, edited)) {
        const auto full = checkHistoryRoom(d);
        message(full ? QString::fromStdString(full->text) : QString(), MessageIcon::Error, true);
        reject();
        return;
    }
    accept();
}

} // namespace zelvo
