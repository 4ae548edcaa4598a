// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/optimise_dialog.h"

#include "core/abcd.h"
#include "core/format.h"
#include "core/number_text.h"
#include "model/design_rules.h"
#include "model/design_spread.h"
#include "ui/app_state.h"
#include "ui/dialogs/standard_values_dialog.h"
#include "ui/element_label.h"
#include "ui/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace zelvo {

namespace {

double returnLoss(double gamma)
{
    return gamma <= 1e-6 ? 120.0 : -20.0 * std::log10(std::min(gamma, 1.0));
}

enum Column { ColumnElement, ColumnValue, ColumnLow, ColumnHigh };

} // namespace

OptimiseDialog::OptimiseDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("OptimiseDialog", "Optimize"));
    setObjectName(QStringLiteral("optimiseDialog"));
    const Design& d = state.design;
    auto* column = new QVBoxLayout(this);
    column->addWidget(
        new QLabel(QCoreApplication::translate(
                       "OptimiseDialog",
                       "Minimise the worst reflection of the chain's end against the target over "
                       "the checked data points, each at its own frequency."),
                   this));

    const OptimiseSetup defaults = defaultSetup(d, d.z0);
    elements_ = new QTableWidget(static_cast<int>(defaults.variables.size()), 4, this);
    elements_->setObjectName(QStringLiteral("optimiseElements"));
    elements_->setHorizontalHeaderLabels({QCoreApplication::translate("OptimiseDialog", "Element"), QCoreApplication::translate("OptimiseDialog", "Value"),
                                          QCoreApplication::translate("OptimiseDialog", "Min"), QCoreApplication::translate("OptimiseDialog", "Max")});
    elements_->verticalHeader()->hide();
    for (std::size_t i = 0; i < defaults.variables.size(); ++i) {
        const int row = static_cast<int>(i);
        const TuneVariable& v = defaults.variables[i];
        const Element& e = d.elements[static_cast<std::size_t>(v.index)];
        auto* name = new QTableWidgetItem(elementLabel(e, v.index, v.part));
        name->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setCheckState(Qt::Checked);
        elements_->setItem(row, ColumnElement, name);
        auto* value = new QTableWidgetItem(partValueText(e, v.part, partValue(e, v.part)));
        value->setFlags(Qt::ItemIsEnabled);
        elements_->setItem(row, ColumnValue, value);
        // In the element's unit, as the Tuner shows its range; the exact
        // bound stays while the text is as shown.
        const QString unit = partUnit(e, v.part);
        const ShownValue low{boundText(defaults.lower[i], unit), defaults.lower[i]};
        const ShownValue high{boundText(defaults.upper[i], unit), defaults.upper[i]};
        elements_->setItem(row, ColumnLow, new QTableWidgetItem(low.text));
        elements_->setItem(row, ColumnHigh, new QTableWidgetItem(high.text));
        shownBounds_.push_back({low, high});
    }
    elements_->resizeColumnsToContents();
    elements_->setMinimumSize(520, 200);
    column->addWidget(elements_, 1);

    auto* row = new QGridLayout;
    points_ = new QListWidget(this);
    points_->setObjectName(QStringLiteral("optimisePoints"));
    const int n = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    for (int i = 0; i < n; ++i) {
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(i)];
        auto* item = new QListWidgetItem(
            QCoreApplication::translate("OptimiseDialog", "DP %1   %2Hz").arg(i + 1).arg(QString::fromStdString(formatFrequency(p.f, 3))),
            points_);
        // Where a block has no value the chain has no end to optimise.
        const bool defined = chainDefinedAt(
            {d.elements.data(), static_cast<std::size_t>(std::clamp(d.elementCount, 0,
                                                                    Design::elementCapacity))},
            p.f);
        if (!defined)
            item->setText(item->text() + QCoreApplication::translate("OptimiseDialog", "   (outside the block's range)"));
        item->setFlags(defined ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled : Qt::NoItemFlags);
        item->setCheckState(defined ? Qt::Checked : Qt::Unchecked);
    }
    points_->setMaximumHeight(120);
    row->addWidget(new QLabel(QCoreApplication::translate("OptimiseDialog", "Data points"), this), 0, 0, Qt::AlignTop);
    row->addWidget(points_, 0, 1, 1, 4);
    targetR_ = numberField(QStringLiteral("optimiseTargetR"));
    targetR_->setText(fixed(d.z0, 2));
    targetX_ = numberField(QStringLiteral("optimiseTargetX"));
    targetX_->setText(QStringLiteral("0"));
    row->addWidget(new QLabel(QCoreApplication::translate("OptimiseDialog", "Target  R"), this), 1, 0);
    row->addWidget(targetR_, 1, 1);
    row->addWidget(new QLabel(QStringLiteral("X"), this), 1, 2);
    row->addWidget(targetX_, 1, 3);
    row->addWidget(new QLabel(QCoreApplication::translate("OptimiseDialog", "Ohm"), this), 1, 4);
    column->addLayout(row);
    auto* standardRow = new QHBoxLayout;
    standard_ =
        new QCheckBox(QCoreApplication::translate("OptimiseDialog",
                                                  "Round the result to standard &values of series"),
                      this);
    standard_->setObjectName(QStringLiteral("standardValues"));
    series_ = seriesCombo(this, d.partSeries);
    series_->setObjectName(QStringLiteral("series"));
    standardRow->addWidget(standard_);
    standardRow->addWidget(series_);
    standardRow->addStretch(1);
    column->addLayout(standardRow);
    summary_ = new QLabel(this);
    column->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* go = buttons->addButton(QCoreApplication::translate("OptimiseDialog", "&Optimize"), QDialogButtonBox::AcceptRole);
    go->setDefault(true);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(go, &QPushButton::clicked, this, [this] {
        if (run())
            accept();
    });
}

std::optional<OptimiseSetup> OptimiseDialog::setup()
{
    const Design& d = state_.design;
    const OptimiseSetup defaults = defaultSetup(d, d.z0);
    OptimiseSetup s;
    for (QLineEdit* field : {targetR_, targetX_}) {
        const FieldValue v = readField(field->text());
        if (field == targetR_ && v.state == FieldValue::State::Empty) {
            failField(field, QCoreApplication::translate("OptimiseDialog", "Field must contain value"));
            return std::nullopt;
        }
        if (refuseUnreadable(field, v))
            return std::nullopt;
        const std::optional<QString> refusal = field == targetR_
                                                   ? targetResistanceRefusal(v.value)
                                                   : targetReactanceRefusal(v.value);
        if (refusal) {
            failField(field, *refusal);
            return std::nullopt;
        }
        (field == targetR_ ? s.target.re : s.target.im) = v.value;
    }
    for (int row = 0; row < elements_->rowCount(); ++row) {
        if (elements_->item(row, ColumnElement)->checkState() != Qt::Checked)
            continue;
        const TuneVariable& v = defaults.variables[static_cast<std::size_t>(row)];
        const Element& e = d.elements[static_cast<std::size_t>(v.index)];
        const QString unit = partUnit(e, v.part);
        double bound[2] = {0.0, 0.0};
        for (int end = 0; end < 2; ++end) {
            const int column = end == 0 ? ColumnLow : ColumnHigh;
            const QString text = elements_->item(row, column)->text();
            const FieldValue read = readBoundText(text, unit);
            if (!read.isNumber()) {
                elements_->setCurrentCell(row, column);
                refuse(read.state == FieldValue::State::TooLarge
                           ? QString::fromLatin1(numberTooLargeMessage)
                           : QStringLiteral("%1: Min and Max are numbers, an SI prefix and the "
                                            "unit may follow (2.2n, 2.2 nH).")
                                 .arg(elementLabel(e, v.index, v.part)));
                return std::nullopt;
            }
            const ShownValue& shown = shownBounds_[static_cast<std::size_t>(row)][end];
            bound[end] = shown.valueFor(text, read.value);
        }
        if (const std::optional<QString> refusal =
                boundsRefusal(e, v.index, v.part, bound[0], bound[1], true)) {
            elements_->setCurrentCell(row, ColumnLow);
            refuse(*refusal);
            return std::nullopt;
        }
        s.variables.push_back(v);
        s.lower.push_back(bound[0]);
        s.upper.push_back(bound[1]);
    }
    for (int i = 0; i < points_->count(); ++i)
        if (points_->item(i)->checkState() == Qt::Checked)
            s.points.push_back(i);
    if (s.variables.empty() || s.points.empty()) {
        refuse(QCoreApplication::translate("OptimiseDialog", "Check at least one element and one data point."));
        return std::nullopt;
    }
    return s;
}

std::vector<double> OptimiseDialog::standardResult(const OptimiseSetup& s,
                                                   std::vector<double> values) const
{
    const Design& d = state_.design;
    const std::span<const Element> own = designChain(d);
    std::vector<Element> chain(own.begin(), own.end());
    std::unique_ptr<bool[]> free(new bool[chain.size()]());
    for (std::size_t i = 0; i < s.variables.size(); ++i) {
        const TuneVariable& v = s.variables[i];
        const std::size_t k = static_cast<std::size_t>(v.index);
        if (k >= chain.size())
            continue;
        setPartValue(chain[k], v.part, values[i]);
        free[k] = v.part == ElementPart::Value;
    }
    const ESeries series = comboSeries(series_);
    const std::vector<bool> allowed = standardFree(chain, series);
    for (std::size_t i = 0; i < chain.size(); ++i)
        free[i] = free[i] && allowed[i];
    std::vector<SpreadLoad> loads;
    for (const int p : s.points) {
        const DataPoint& dp = d.dataPoints[static_cast<std::size_t>(p)];
        loads.push_back({{dp.r, dp.x}, dp.f});
    }
    const StandardChoice c = chooseStandardValues(chain, loads, designFrequency(d), s.target,
                                                  series, {free.get(), chain.size()});
    for (std::size_t i = 0; i < s.variables.size(); ++i) {
        const std::size_t k = static_cast<std::size_t>(s.variables[i].index);
        if (k < chain.size() && free[k])
            values[i] = c.values[k];
    }
    return values;
}

bool OptimiseDialog::run()
{
    const std::optional<OptimiseSetup> s = setup();
    if (!s)
        return false;
    Design& d = state_.design;
    QProgressDialog progress(QCoreApplication::translate("OptimiseDialog", "Optimizing..."), QCoreApplication::translate("OptimiseDialog", "Cancel"), 0,
                             s->maxEvaluations, this);
    progress.setWindowTitle(QCoreApplication::translate("OptimiseDialog", "Optimize"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const auto report = [&](const OptimiseProgress& p) {
        if (progressOverride)
            return progressOverride(p);
        progress.setLabelText(QCoreApplication::translate("OptimiseDialog", "Evaluation %1\nBest worst-case return loss: %2 dB")
                                  .arg(p.evaluations)
                                  .arg(returnLoss(p.bestWorst), 0, 'f', 2));
        progress.setValue(std::min(p.evaluations, s->maxEvaluations - 1));
        return !progress.wasCanceled();
    };
    result_ = optimise(d, *s, report);
    progress.reset();
    if (!(result_.worst < result_.startWorst)) {
        summary_->setText(QCoreApplication::translate("OptimiseDialog", "No better values found (worst return loss %1 dB).")
                              .arg(returnLoss(result_.startWorst), 0, 'f', 2));
        return false;
    }
    std::vector<double> values = result_.values;
    if (standard_->isChecked())
        values = standardResult(*s, values);
    if (!editElementValues(d, resultRecords(d, s->variables, values))) {
        if (const auto full = checkHistoryRoom(d))
            zelvo::report(platform_, state_.settings, this, *full);
        return false;
    }
    return true;
}

} // namespace zelvo
