// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/tolerance_dialog.h"

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
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdint>

namespace zelvo {

namespace {

QString percentText(double fraction)
{
    return QStringLiteral("%1%2 %").arg(fraction > 0.0 ? QStringLiteral("+") : QString())
        .arg(fraction * 100.0, 0, 'f', 2);
}

enum Column { ColumnElement, ColumnValue, ColumnTolerance, ColumnWorst, ColumnSensitivity };

} // namespace

ToleranceDialog::ToleranceDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("ToleranceDialog", "Tolerance analysis"));
    setObjectName(QStringLiteral("toleranceDialog"));
    setHelpKeyword(QStringLiteral("Tolerance Analysis"));
    setModal(false);
    const DialogMemory& m = state.memory;
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    const auto add = [&](const QString& caption, QWidget* field, const QString& after = {}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (!after.isEmpty())
            grid->addWidget(new QLabel(after, this), row, 2);
        ++row;
    };
    law_ = new QComboBox(this);
    law_->setObjectName(QStringLiteral("law"));
    law_->addItem(QCoreApplication::translate("ToleranceDialog", "Uniform within the tolerance"));
    law_->addItem(QCoreApplication::translate("ToleranceDialog", "Gaussian, 3 sigma = tolerance"));
    law_->setToolTip(QCoreApplication::translate(
        "ToleranceDialog", "Gaussian: the tolerance is three standard deviations; a draw "
                           "beyond it is drawn again"));
    law_->setCurrentIndex(m.toleranceGaussian ? 1 : 0);
    add(QCoreApplication::translate("ToleranceDialog", "&Spread"), law_);
    samples_ = new QSpinBox(this);
    samples_->setObjectName(QStringLiteral("samples"));
    samples_->setRange(100, 100000);
    samples_->setSingleStep(1000);
    samples_->setValue(m.toleranceSamples);
    add(QCoreApplication::translate("ToleranceDialog", "S&amples"), samples_);
    seed_ = new QSpinBox(this);
    seed_->setObjectName(QStringLiteral("seed"));
    seed_->setRange(0, 999999);
    seed_->setValue(m.toleranceSeed);
    seed_->setToolTip(
        QCoreApplication::translate("ToleranceDialog", "The same seed gives the same samples"));
    add(QCoreApplication::translate("ToleranceDialog", "S&eed"), seed_);
    target_ = numberField(QStringLiteral("target"));
    target_->setText(fixed(m.toleranceTargetDb, 1));
    add(QCoreApplication::translate("ToleranceDialog", "&Target return loss"), target_,
        QStringLiteral("dB"));
    series_ = seriesCombo(this, state.design.partSeries);
    series_->setObjectName(QStringLiteral("series"));
    series_->setToolTip(QCoreApplication::translate(
        "ToleranceDialog", "The series whose tolerance a part without one of its own "
                           "has; kept in the design"));
    add(QCoreApplication::translate("ToleranceDialog", "&Part series"), series_);
    column->addLayout(grid);
    follow_ = new QCheckBox(QCoreApplication::translate(
                                "ToleranceDialog", "&Follow changes of the design (live tuning)"),
                            this);
    follow_->setObjectName(QStringLiteral("follow"));
    follow_->setChecked(true);
    column->addWidget(follow_);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(summary_);
    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName(QStringLiteral("parts"));
    table_->setHorizontalHeaderLabels(
        {QCoreApplication::translate("ToleranceDialog", "Element"),
         QCoreApplication::translate("ToleranceDialog", "Value"),
         QCoreApplication::translate("ToleranceDialog", "Tolerance"),
         QCoreApplication::translate("ToleranceDialog", "Worst sample"),
         QCoreApplication::translate("ToleranceDialog", "RL drop")});
    table_->horizontalHeaderItem(ColumnSensitivity)
        ->setToolTip(QCoreApplication::translate(
            "ToleranceDialog", "How much the worst return loss drops with this part alone at "
                               "the worse end of its tolerance"));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setMinimumSize(440, 150);
    column->addWidget(table_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* go = buttons->addButton(QCoreApplication::translate("ToleranceDialog", "&Run"),
                                         QDialogButtonBox::ActionRole);
    go->setObjectName(QStringLiteral("run"));
    go->setDefault(true);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(go, &QPushButton::clicked, this, [this] { run(); });
    connect(series_, &QComboBox::currentIndexChanged, this, [this] {
        Design& d = state_.design;
        const ESeries s = comboSeries(series_);
        if (d.partSeries != s) {
            d.partSeries = s;
            d.modified = true;
            if (onRepaint)
                onRepaint();
        }
    });
    timer_ = new QTimer(this);
    timer_->setInterval(60);
    connect(timer_, &QTimer::timeout, this, [this] { followDesign(); });
    timer_->start();
}

ToleranceDialog::~ToleranceDialog()
{
    state_.toleranceCloud = {};
    if (onRepaint)
        onRepaint();
}

std::vector<double> ToleranceDialog::fingerprint() const
{
    const Design& d = state_.design;
    std::vector<double> f{static_cast<double>(d.z0), static_cast<double>(d.partSeries),
                          static_cast<double>(d.startPoint)};
    for (const Element& e : designChain(d)) {
        const PartLoss& l = e.loss;
        f.insert(f.end(), {static_cast<double>(e.kind), e.value, e.lineImpedance, e.lineEr, e.rlcR,
                           e.rlcL, e.rlcC, e.tolerance, l.q, l.qFrequency,
                           static_cast<double>(l.qLaw), l.esr, l.srf, l.esl, l.lineDb,
                           e.reversed ? 1.0 : 0.0,
                           static_cast<double>(reinterpret_cast<std::uintptr_t>(e.block.get()))});
    }
    const int n = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    for (int i = 0; i < n; ++i) {
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(i)];
        f.insert(f.end(), {p.r, p.x, p.f});
    }
    return f;
}

void ToleranceDialog::followDesign()
{
    if (!follow_->isChecked() || result_.samples == 0)
        return;
    const std::vector<double> now = fingerprint();
    if (now == ranOn_)
        return;
    const Design& d = state_.design;
    const double work = static_cast<double>(samples_->value()) * std::max(1, d.dataPointCount) *
                        std::max(1, d.elementCount);
    if (work > toleranceQuickWork) {
        ranOn_ = now;
        summary_->setText(
            summary_->text() +
            QCoreApplication::translate("ToleranceDialog",
                                        "\nThe design has changed: Run to see its spread."));
        return;
    }
    const FieldValue t = readField(target_->text());
    const bool targetReadable = t.isNumber() && t.value > 0.0 && t.value <= 100.0;
    if (!targetReadable)
        return; // Run says why
    if (d.elementCount <= 0 || d.dataPointCount <= 0 || designLoads(d).loads.empty()) {
        ranOn_ = now;
        result_ = {};
        state_.toleranceCloud = {};
        summary_->setText(QCoreApplication::translate("ToleranceDialog", "No chain to analyse."));
        table_->setRowCount(0);
        if (onRepaint)
            onRepaint();
        return;
    }
    run();
}

bool ToleranceDialog::run()
{
    const Design& d = state_.design;
    if (d.elementCount <= 0 || d.dataPointCount <= 0) {
        message(QStringLiteral("Tolerance analysis needs at least one data point and one element."),
                MessageIcon::Exclamation, true);
        return false;
    }
    const FieldValue t = readField(target_->text());
    if (refuseUnreadable(target_, t))
        return false;
    if (!t.isNumber() || !(t.value > 0.0 && t.value <= 100.0)) {
        failField(target_, outsideRange(QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("dB")));
        return false;
    }
    const DesignLoads loads = designLoads(d);
    if (loads.loads.empty()) {
        message(QStringLiteral("The chain has no value at any data point's frequency: a two-port "
                               "block's data does not reach them."),
                MessageIcon::Exclamation, true);
        return false;
    }
    DialogMemory& m = state_.memory;
    m.toleranceGaussian = law_->currentIndex() == 1;
    m.toleranceSamples = samples_->value();
    m.toleranceSeed = seed_->value();
    m.toleranceTargetDb = t.value;

    ToleranceSetup setup;
    setup.tolerances = designTolerances(d);
    setup.law = m.toleranceGaussian ? SpreadLaw::Gaussian : SpreadLaw::Uniform;
    setup.samples = m.toleranceSamples;
    setup.seed = static_cast<std::uint64_t>(m.toleranceSeed);
    setup.targetDb = t.value;
    setup.target = {static_cast<double>(d.z0)};
    const ChainSpread chain(designChain(d), loads.loads, designFrequency(d));

    const double work = static_cast<double>(setup.samples) * static_cast<double>(loads.loads.size()) *
                        std::max(1, d.elementCount);
    std::unique_ptr<QProgressDialog> progress;
    std::function<bool(int, int)> report = progressOverride;
    if (!report && work > toleranceQuickWork) {
        progress = std::make_unique<QProgressDialog>(
            QCoreApplication::translate("ToleranceDialog", "Sampling the tolerances..."),
            QCoreApplication::translate("ToleranceDialog", "Cancel"), 0, setup.samples, this);
        progress->setWindowTitle(
            QCoreApplication::translate("ToleranceDialog", "Tolerance analysis"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(200);
        report = [&progress](int done, int total) {
            progress->setValue(std::min(done, total - 1));
            return !progress->wasCanceled();
        };
    }
    result_ = runTolerance(chain, setup, report);
    progress.reset();
    points_ = loads.points;
    ranOn_ = fingerprint();

    ToleranceCloud cloud;
    const std::size_t n = static_cast<std::size_t>(result_.endsPerLoad);
    for (std::size_t l = 0; l < loads.loads.size() && n > 0; ++l) {
        const auto from = result_.ends.begin() + static_cast<std::ptrdiff_t>(l * n);
        cloud.ends.emplace_back(from, from + static_cast<std::ptrdiff_t>(n));
    }
    cloud.worst = result_.worstEnds;
    // The cloud keeps the ends; the result need not hold them twice.
    result_.ends.clear();
    result_.ends.shrink_to_fit();
    state_.toleranceCloud = std::move(cloud);
    showResult();
    if (onRepaint)
        onRepaint();
    return !result_.cancelled;
}

void ToleranceDialog::showResult()
{
    const Design& d = state_.design;
    const ToleranceResult& r = result_;
    const std::span<const Element> chain = designChain(d);
    QString text =
        QCoreApplication::translate(
            "ToleranceDialog", "Yield: %1 %  (%2 of %3 samples reach %4 dB at every data point)")
            .arg(r.yield * 100.0, 0, 'f', 1)
            .arg(r.passing)
            .arg(r.samples)
            .arg(state_.memory.toleranceTargetDb, 0, 'f', 1);
    text += QCoreApplication::translate(
                "ToleranceDialog",
                "\nWorst return loss: %1 dB with the values as they are, %2 dB in the "
                "worst sample (no. %3)")
                .arg(r.nominalWorstDb, 0, 'f', 2)
                .arg(r.worstDb, 0, 'f', 2)
                .arg(r.worstSample + 1);
    if (r.mostSensitive >= 0 && static_cast<std::size_t>(r.mostSensitive) < chain.size())
        text += QCoreApplication::translate("ToleranceDialog", "\nMost sensitive: %1")
                    .arg(elementLabel(chain[static_cast<std::size_t>(r.mostSensitive)],
                                      r.mostSensitive));
    if (static_cast<int>(points_.size()) < d.dataPointCount)
        text += QCoreApplication::translate("ToleranceDialog",
                                            "\n%1 data point(s) outside a block's range left out")
                    .arg(d.dataPointCount - static_cast<int>(points_.size()));
    if (r.cancelled)
        text += QCoreApplication::translate(
            "ToleranceDialog", "\nCancelled: the figures are those of the samples done.");
    summary_->setText(text);

    table_->setRowCount(0);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const Element& e = chain[i];
        if (!hasTolerance(e.kind))
            continue;
        const int row = table_->rowCount();
        table_->insertRow(row);
        const double tol = effectiveTolerance(e, d.partSeries);
        table_->setItem(row, ColumnElement, new QTableWidgetItem(elementLabel(e, static_cast<int>(i))));
        table_->setItem(row, ColumnValue,
                        new QTableWidgetItem(partValueText(e, ElementPart::Value, e.value)));
        table_->setItem(row, ColumnTolerance,
                        new QTableWidgetItem(QStringLiteral("%1 %%2")
                                                 .arg(tol * 100.0, 0, 'g', 3)
                                                 .arg(e.tolerance > 0.0
                                                          ? QString()
                                                          : QStringLiteral(" (") +
                                                                QString::fromLatin1(seriesName(
                                                                    d.partSeries)) +
                                                                QLatin1Char(')'))));
        if (i < r.worstFactors.size())
            table_->setItem(row, ColumnWorst,
                            new QTableWidgetItem(percentText(r.worstFactors[i] - 1.0)));
        if (i < r.sensitivityDb.size()) {
            auto* item = new QTableWidgetItem(QStringLiteral("%1 dB").arg(r.sensitivityDb[i], 0, 'f', 2));
            if (static_cast<int>(i) == r.mostSensitive) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(row, ColumnSensitivity, item);
        }
    }
    table_->resizeColumnsToContents();
}

} // namespace zelvo
