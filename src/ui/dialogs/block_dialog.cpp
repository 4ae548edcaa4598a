// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/block_dialog.h"

#include "core/format.h"
#include "model/block_file.h"
#include "ui/app_state.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace zelvo {

namespace {

QString polar(Complex s)
{
    const double degrees = argument(s) * 180.0 / std::numbers::pi;
    return QString::fromStdString(printfString("%.3f / %.1f\u00B0", magnitude(s), degrees));
}

QString decibels(Complex s)
{
    const double m = magnitude(s);
    return m > 0.0 ? QString::fromStdString(printfString(" (%.2f dB)", 20.0 * std::log10(m)))
                   : QString();
}

} // namespace

QStringList blockFacts(const BlockData& b, bool reversed, double f0)
{
    QStringList facts;
    facts << QCoreApplication::translate("BlockDialog", "File: %1").arg(QString::fromStdString(b.name));
    facts << QCoreApplication::translate("BlockDialog", "Measured: %1, %2 frequencies")
                 .arg(QString::fromStdString(blockRangeText(b, interfaceTexts())))
                 .arg(b.f.size());
    facts << QCoreApplication::translate("BlockDialog", "Reference impedance: %1 Ohm")
                 .arg(QString::fromStdString(formatG(b.z0)));
    facts << (b.noise.empty()
                  ? QCoreApplication::translate("BlockDialog", "Noise data: none")
                  : QCoreApplication::translate("BlockDialog", "Noise data: %1 frequencies, %2")
                        .arg(b.noise.size())
                        .arg(QCoreApplication::translate("BlockDialog", "%1Hz to %2Hz")
                                 .arg(QString::fromStdString(formatSi(b.noise.front().f, 3)),
                                      QString::fromStdString(formatSi(b.noise.back().f, 3)))));
    const QString at = QString::fromStdString(formatSi(f0, 3) + "Hz");
    if (const std::optional<TwoPort> s = blockSParams(b, f0, reversed))
        facts << QCoreApplication::translate("BlockDialog", "At the design frequency %1 (as placed): S11 %2, S21 %3%4")
                     .arg(at, polar(s->s11), polar(s->s21), decibels(s->s21));
    else
        facts << QCoreApplication::translate("BlockDialog", "No value at the design frequency %1.").arg(at);
    return facts;
}

BlockDialog::BlockDialog(AppState& state, const Platform& platform, const BlockData& block,
                         bool reversed, const QString& heading, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("BlockDialog", "Two-port block"));
    setHelpKeyword(QStringLiteral("Two-Port Block"));
    auto* title = new QLabel(heading, this);
    title->setObjectName(QStringLiteral("heading"));
    auto* facts =
        new QLabel(blockFacts(block, reversed, designFrequency(state.design)).join(QLatin1Char('\n')),
                   this);
    facts->setObjectName(QStringLiteral("facts"));
    facts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reversed_ =
        new QCheckBox(QCoreApplication::translate(
                          "BlockDialog", "&Reversed: port 1 towards the load, port 2 towards "
                                         "the generator"),
                      this);
    reversed_->setObjectName(QStringLiteral("reversed"));
    reversed_->setChecked(reversed);
    connect(reversed_, &QCheckBox::toggled, this, [this, facts, &block](bool on) {
        facts->setText(blockFacts(block, on, designFrequency(state_.design)).join(QLatin1Char('\n')));
    });
    auto* note = new QLabel(QCoreApplication::translate(
                                "BlockDialog", "As measured, port 2 faces the load (the chain so "
                                               "far) and port 1 the generator."),
                            this);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &BlockDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(facts);
    layout->addSpacing(6);
    layout->addWidget(note);
    layout->addWidget(reversed_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool BlockDialog::reversed() const
{
    return reversed_->isChecked();
}

} // namespace zelvo
