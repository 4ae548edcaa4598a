// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/standard_values_dialog.h"

#include "model/design_rules.h"
#include "model/design_spread.h"
#include "ui/app_state.h"
#include "ui/element_label.h"
#include "ui/messages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

namespace zelvo {

QComboBox* seriesCombo(QWidget* parent, ESeries chosen)
{
    auto* combo = new QComboBox(parent);
    for (const ESeries s : allSeries) {
        combo->addItem(QStringLiteral("%1 (%2 %)")
                           .arg(QString::fromLatin1(seriesName(s)))
                           .arg(seriesTolerance(s) * 100.0),
                       static_cast<int>(s));
        if (s == chosen)
            combo->setCurrentIndex(combo->count() - 1);
    }
    return combo;
}

ESeries comboSeries(const QComboBox* combo)
{
    const int v = combo->currentData().toInt();
    for (const ESeries s : allSeries)
        if (static_cast<int>(s) == v)
            return s;
    return defaultSeries;
}

std::vector<bool> standardFree(std::span<const Element> elements, ESeries series)
{
    std::vector<bool> free;
    for (const Element& e : elements) {
        const std::optional<StandardNeighbours> n = standardNeighbours(e.value, series);
        const PartRange range = acceptedRange(e.kind, ElementPart::Value);
        free.push_back(hasTolerance(e.kind) && n && n->below >= range.low &&
                       n->above <= range.high);
    }
    return free;
}

namespace {

QString dbText(double db)
{
    return QStringLiteral("%1 dB").arg(db, 0, 'f', 2);
}

} // namespace

StandardValuesDialog::StandardValuesDialog(AppState& state, const Platform& platform,
                                           QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("StandardValuesDialog", "Standard values"));
    setObjectName(QStringLiteral("standardValuesDialog"));
    setHelpKeyword(QStringLiteral("Standard Values"));
    auto* column = new QVBoxLayout(this);
    auto* intro =
        new QLabel(QCoreApplication::translate(
                       "StandardValuesDialog",
                       "Each inductor, capacitor and resistor takes one of the two series values "
                       "around it: the combination with the best worst-case return loss against "
                       "Zo over the data points, each at its own frequency."),
                   this);
    intro->setWordWrap(true);
    column->addWidget(intro);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QCoreApplication::translate("StandardValuesDialog", "&Series"), this);
    series_ = seriesCombo(this, state.design.partSeries);
    series_->setObjectName(QStringLiteral("series"));
    label->setBuddy(series_);
    row->addWidget(label);
    row->addWidget(series_);
    row->addStretch(1);
    column->addLayout(row);

    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("standardValues"));
    table_->setHorizontalHeaderLabels(
        {QCoreApplication::translate("StandardValuesDialog", "Element"),
         QCoreApplication::translate("StandardValuesDialog", "Now"),
         QCoreApplication::translate("StandardValuesDialog", "Standard")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setMinimumSize(440, 220);
    column->addWidget(table_, 1);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    column->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* go =
        buttons->addButton(QCoreApplication::translate("StandardValuesDialog", "&Apply"),
                           QDialogButtonBox::AcceptRole);
    go->setObjectName(QStringLiteral("apply"));
    go->setDefault(true);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(go, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    connect(series_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    recompute();
}

void StandardValuesDialog::recompute()
{
    const Design& d = state_.design;
    const ESeries s = comboSeries(series_);
    const std::span<const Element> chain = designChain(d);
    const std::vector<bool> free = standardFree(chain, s);
    // std::vector<bool> has no span: the mask goes as plain bools.
    std::unique_ptr<bool[]> mask(new bool[free.size()]);
    for (std::size_t i = 0; i < free.size(); ++i)
        mask[i] = free[i];
    choice_ = chooseStandardValues(chain, designLoads(d).loads, designFrequency(d), {d.z0}, s,
                                   {mask.get(), free.size()});
    table_->setRowCount(0);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        if (!hasTolerance(chain[i].kind))
            continue;
        const int r = table_->rowCount();
        table_->insertRow(r);
        const Element& e = chain[i];
        table_->setItem(r, 0, new QTableWidgetItem(elementLabel(e, static_cast<int>(i))));
        table_->setItem(r, 1, new QTableWidgetItem(partValueText(e, ElementPart::Value, e.value)));
        table_->setItem(r, 2,
                        new QTableWidgetItem(
                            free[i]
                                ? partValueText(e, ElementPart::Value, choice_.values[i])
                                : QCoreApplication::translate("StandardValuesDialog", "(kept)")));
    }
    table_->resizeColumnsToContents();
    QString text = QCoreApplication::translate("StandardValuesDialog",
                                               "Worst return loss: %1 now, %2 with %3 values")
                       .arg(dbText(choice_.nominalWorstDb), dbText(choice_.worstDb),
                            QString::fromLatin1(seriesName(s)));
    if (!choice_.exhaustive)
        text += QCoreApplication::translate(
                    "StandardValuesDialog",
                    "\n(more than %1 parts: a local search from the nearest values)")
                    .arg(exhaustiveLimit);
    summary_->setText(text);
}

bool StandardValuesDialog::apply()
{
    Design& d = state_.design;
    const std::vector<EditRecord> records = standardValueRecords(d, choice_);
    if (!records.empty() && !editElementValues(d, records)) {
        if (const auto full = checkHistoryRoom(d))
            report(platform_, state_.settings, this, *full);
        return false;
    }
    // The parts now come from this series: its tolerance is theirs.
    const ESeries s = comboSeries(series_);
    if (d.partSeries != s) {
        d.partSeries = s;
        d.modified = true;
    }
    return true;
}

} // namespace zelvo
