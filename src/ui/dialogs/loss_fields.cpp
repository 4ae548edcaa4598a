// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/loss_fields.h"

#include "core/format.h"
#include "core/number_text.h"
#include "model/part_losses.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace zelvo {

namespace {

constexpr Unit ohmUnit[] = {{"Ohm", 1}};

// The largest unit the value reaches (the first one for values below all).
int unitFor(double value, std::span<const Unit> units)
{
    int best = -1;
    for (int i = 0; i < static_cast<int>(units.size()); ++i) {
        const double f = units[static_cast<std::size_t>(i)].factor;
        if (value >= f && (best < 0 || f > units[static_cast<std::size_t>(best)].factor))
            best = i;
    }
    if (best >= 0)
        return best;
    int smallest = 0;
    for (int i = 1; i < static_cast<int>(units.size()); ++i)
        if (units[static_cast<std::size_t>(i)].factor <
            units[static_cast<std::size_t>(smallest)].factor)
            smallest = i;
    return smallest;
}

} // namespace

std::optional<LossFamily> lossFamilyOf(ElementKind kind)
{
    if (isInductor(kind))
        return LossFamily::Inductor;
    if (isCapacitor(kind))
        return LossFamily::Capacitor;
    if (isLine(kind))
        return LossFamily::Line;
    return std::nullopt;
}

LossBox::LossBox(LossFamily family, const QString& title, const QString& prefix, QWidget* parent)
    : QGroupBox(title, parent), family_(family)
{
    setObjectName(prefix + QStringLiteral("Box"));
    grid_ = new QGridLayout(this);
    if (family == LossFamily::Line) {
        addField(db_, QCoreApplication::translate("LossFields", "Loss:"), prefix + QStringLiteral("Db"), {},
                 QCoreApplication::translate("LossFields", "dB/\u03bb at f0"));
        db_.edit->setToolTip(QCoreApplication::translate(
            "LossFields", "Loss per wavelength at the design frequency; it "
                          "grows as the square root of frequency"));
        return;
    }
    addField(q_, QStringLiteral("Q:"), prefix + QStringLiteral("Q"), {});
    addField(qAt_, QCoreApplication::translate("LossFields", "at:"), prefix + QStringLiteral("QAt"), frequencyUnits);
    law_ = new QComboBox(this);
    law_->setObjectName(prefix + QStringLiteral("QLaw"));
    law_->addItems({QCoreApplication::translate("LossFields", "constant"), QStringLiteral("\u221d \u221af"),
                    QStringLiteral("\u221d f")});
    law_->setToolTip(QCoreApplication::translate(
        "LossFields", "How Q changes with frequency from its value at the "
                      "reference frequency"));
    auto* lawLabel = new QLabel(QCoreApplication::translate("LossFields", "Q varies:"), this);
    lawLabel->setBuddy(law_);
    grid_->addWidget(lawLabel, rows_, 0);
    grid_->addWidget(law_, rows_, 1);
    ++rows_;
    if (family == LossFamily::Inductor) {
        addField(srf_, QCoreApplication::translate("LossFields", "SRF:"), prefix + QStringLiteral("Srf"), frequencyUnits);
        srf_.edit->setToolTip(QCoreApplication::translate(
            "LossFields", "Self-resonance frequency: a capacitance across "
                          "the inductor"));
    }
    else {
        addField(esr_, QCoreApplication::translate("LossFields", "ESR:"), prefix + QStringLiteral("Esr"), ohmUnit);
        esr_.edit->setToolTip(QCoreApplication::translate("LossFields", "A constant series resistance, instead of a Q"));
        addField(esl_, QCoreApplication::translate("LossFields", "ESL:"), prefix + QStringLiteral("Esl"), inductanceUnits);
        esl_.unit->setCurrentIndex(1); // nH: what a capacitor's ESL is typed in
        esl_.edit->setToolTip(QCoreApplication::translate("LossFields", "Series inductance of the capacitor"));
    }
}

void LossBox::addField(Field& f, const QString& caption, const QString& name,
                       std::span<const Unit> units, const QString& unitText)
{
    f.edit = new QLineEdit(this);
    f.edit->setObjectName(name);
    f.edit->setMaxLength(static_cast<int>(fieldChars));
    f.units = units;
    auto* label = new QLabel(caption, this);
    label->setBuddy(f.edit);
    grid_->addWidget(label, rows_, 0);
    grid_->addWidget(f.edit, rows_, 1);
    if (units.size() > 1) {
        f.unit = new QComboBox(this);
        f.unit->setObjectName(name + QStringLiteral("Unit"));
        fillUnits(f.unit, units);
        grid_->addWidget(f.unit, rows_, 2);
    }
    else if (units.size() == 1 || !unitText.isEmpty()) {
        grid_->addWidget(
            new QLabel(unitText.isEmpty() ? QString::fromUtf8(units[0].text) : unitText, this),
            rows_, 2);
    }
    ++rows_;
}

void LossBox::setField(Field& f, double value, int decimals)
{
    if (!f.edit)
        return;
    if (!(value > 0.0)) {
        f.shown = {};
        f.edit->clear();
        f.shownUnit = f.unit ? f.unit->currentIndex() : -1;
        return;
    }
    double shown = value;
    if (f.unit) {
        f.shownUnit = unitFor(value, f.units);
        f.unit->setCurrentIndex(f.shownUnit);
        shown = value / f.units[static_cast<std::size_t>(f.shownUnit)].factor;
    }
    const QString text = decimals < 0 ? QString::fromStdString(printfString("%.6g", shown))
                                      : fixed(shown, decimals);
    f.shown = {text, value};
    f.edit->setText(text);
}

void LossBox::showLoss(const PartLoss& loss, double designFrequency)
{
    setField(q_, loss.q, -1);
    setField(qAt_, loss.q > 0.0 && loss.qFrequency <= 0.0 ? designFrequency : loss.qFrequency, 3);
    if (law_)
        law_->setCurrentIndex(static_cast<int>(loss.qLaw));
    setField(srf_, loss.srf, 3);
    setField(esr_, loss.esr, -1);
    setField(esl_, loss.esl, -1);
    setField(db_, loss.lineDb, -1);
}

bool LossBox::readField(const Field& f, double low, double high, const QString& range,
                        const Fail& fail, double& out) const
{
    out = 0.0;
    if (!f.edit)
        return true;
    const FieldValue v = zelvo::readField(f.edit->text());
    if (v.state == FieldValue::State::Empty)
        return true;
    if (v.state == FieldValue::State::Malformed || v.state == FieldValue::State::TooLarge) {
        fail(f.edit, QString::fromLatin1(v.state == FieldValue::State::Malformed
                                             ? numberFormatMessage
                                             : numberTooLargeMessage));
        return false;
    }
    const int unit = f.unit ? f.unit->currentIndex() : -1;
    const double factor = unit >= 0 && unit < static_cast<int>(f.units.size())
                              ? f.units[static_cast<std::size_t>(unit)].factor
                              : 1.0;
    out = unit == f.shownUnit ? f.shown.valueFor(f.edit->text(), v.value * factor)
                              : v.value * factor;
    if (out == 0.0)
        return true;
    if (!(out >= low && out <= high)) {
        fail(f.edit, range);
        return false;
    }
    return true;
}

std::optional<PartLoss> LossBox::readLoss(const Fail& fail, double designFrequency) const
{
    PartLoss l;
    const QString frequencyRange = frequencyOutsideRange();
    if (family_ == LossFamily::Line) {
        if (!readField(db_, 0.0, maxLineLossDb,
                       outsideRange(QStringLiteral("0"), QStringLiteral("10"),
                                    QCoreApplication::translate("LossFields", "dB per wavelength")),
                       fail, l.lineDb))
            return std::nullopt;
        return l;
    }
    double at = 0.0;
    if (!readField(q_, minPartQ, maxPartQ, outsideRange(QStringLiteral("1"), QStringLiteral("1E6")),
                   fail, l.q) ||
        !readField(qAt_, 0.0, maxLossFrequency, frequencyRange, fail, at))
        return std::nullopt;
    if (l.q > 0.0) {
        l.qFrequency = at > 0.0 ? at : designFrequency;
        l.qLaw = static_cast<QLaw>(std::clamp(law_->currentIndex(), 0, 2));
    }
    if (family_ == LossFamily::Inductor)
        return readField(srf_, 0.0, maxLossFrequency, frequencyRange, fail, l.srf)
                   ? std::optional<PartLoss>(l)
                   : std::nullopt;
    if (!readField(esr_, 0.0, maxPartEsr,
                   outsideRange(QStringLiteral("0"), QStringLiteral("1000"), QCoreApplication::translate("LossFields", "Ohm")),
                   fail, l.esr) ||
        !readField(esl_, 0.0, maxPartEsl,
                   outsideRange(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("uH")),
                   fail, l.esl))
        return std::nullopt;
    if (l.q > 0.0 && l.esr > 0.0) {
        fail(esr_.edit, QString::fromLatin1(qOrEsrText));
        return std::nullopt;
    }
    return l;
}

} // namespace zelvo
