// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/network_export_dialog.h"

#include "core/format.h"
#include "model/network_touchstone.h"
#include "ui/app_state.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace zelvo {

NetworkExportDialog::NetworkExportDialog(AppState& state, const Platform& platform,
                                         QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("NetworkExportDialog", "Export network as Touchstone"));
    setHelpKeyword(QStringLiteral("Network as Touchstone"));
    const Design& d = state.design;
    blockFrequencies_ = blockSweepFrequencies(d);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QCoreApplication::translate(
                       "NetworkExportDialog",
                       "The chain without its load as a two-port: port 1 at the generator,\n"
                       "port 2 at the load, referenced to Zo = %1 Ohm (version 1, RI).")
                       .arg(QString::fromStdString(formatG(d.z0))),
                   this));

    if (!blockFrequencies_.empty()) {
        blockChoice_ = new QRadioButton(
            QCoreApplication::translate("NetworkExportDialog", "The &block's frequencies: %1 from %2 to %3")
                .arg(blockFrequencies_.size())
                .arg(QString::fromStdString(formatSi(blockFrequencies_.front(), 3) + "Hz"),
                     QString::fromStdString(formatSi(blockFrequencies_.back(), 3) + "Hz")),
            this);
        blockChoice_->setObjectName(QStringLiteral("blockFrequencies"));
        linearChoice_ = new QRadioButton(QCoreApplication::translate("NetworkExportDialog", "A &linear sweep:"), this);
        linearChoice_->setObjectName(QStringLiteral("linearSweep"));
        blockChoice_->setChecked(true);
        layout->addWidget(blockChoice_);
        layout->addWidget(linearChoice_);
        connect(linearChoice_, &QRadioButton::toggled, this, &NetworkExportDialog::enableSweep);
    }

    // The linear sweep starts from the data points' span, or from the
    // block's range when the chain holds a block.
    Sweep sweep = defaultExportSweep(d);
    if (!blockFrequencies_.empty())
        sweep = {blockFrequencies_.front(), blockFrequencies_.back(), defaultSweepPoints, false};
    auto* grid = new QGridLayout;
    const auto frequencyRow = [&](int row, const QString& caption, const char* name,
                                  QLineEdit*& field, QComboBox*& unit, double hertz) {
        field = numberField(QString::fromLatin1(name));
        unit = new QComboBox(this);
        unit->setObjectName(QString::fromLatin1(name) + QStringLiteral("Unit"));
        fillUnits(unit, frequencyUnits);
        field->setText(showFrequency(hertz, unit));
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(unit, row, 2);
    };
    frequencyRow(0, QCoreApplication::translate("NetworkExportDialog", "&Start:"), "start", start_, startUnit_, sweep.start);
    frequencyRow(1, QCoreApplication::translate("NetworkExportDialog", "S&top:"), "stop", stop_, stopUnit_, sweep.stop);
    points_ = numberField(QStringLiteral("points"));
    points_->setText(QString::number(sweep.points > 0 ? sweep.points : defaultSweepPoints));
    auto* pointsLabel = new QLabel(QCoreApplication::translate("NetworkExportDialog", "&Points:"), this);
    pointsLabel->setBuddy(points_);
    grid->addWidget(pointsLabel, 2, 0);
    grid->addWidget(points_, 2, 1);
    layout->addLayout(grid);
    enableSweep();

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &NetworkExportDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &NetworkExportDialog::showHelp);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NetworkExportDialog::enableSweep()
{
    const bool linear = !blockChoice_ || linearChoice_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{start_, stop_, points_, startUnit_, stopUnit_})
        w->setEnabled(linear);
}

void NetworkExportDialog::onOk()
{
    if (blockChoice_ && blockChoice_->isChecked()) {
        chosen_ = blockFrequencies_;
        accept();
        return;
    }
    const std::optional<double> start = requireNumber(start_);
    if (!start)
        return;
    const std::optional<double> stop = requireNumber(stop_);
    if (!stop)
        return;
    const std::optional<double> points = requireNumber(points_);
    if (!points)
        return;
    const QString pointsProblem =
        QCoreApplication::translate("NetworkExportDialog", "The number of points must be a whole number from 1 to %1.")
            .arg(maxSweepPoints);
    if (!(*points >= 1.0 && *points <= maxSweepPoints && std::floor(*points) == *points)) {
        failField(points_, pointsProblem);
        return;
    }
    const Sweep s{*start * unitFactor(startUnit_, frequencyUnits),
                  *stop * unitFactor(stopUnit_, frequencyUnits), static_cast<int>(*points), false};
    if (const std::optional<std::string> problem = sweepProblem(s)) {
        failField(!(s.start > 0.0) || !std::isfinite(s.start) ? start_ : stop_,
                  QString::fromStdString(*problem));
        return;
    }
    chosen_ = sweepFrequencies(s);
    accept();
}

} // namespace zelvo
