// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/match_dialog.h"

#include "core/chain.h"
#include "core/format.h"
#include "core/number_text.h"
#include "model/design_rules.h"
#include "model/design_spread.h"
#include "ui/app_state.h"
#include "ui/dialogs/standard_values_dialog.h"
#include "ui/element_label.h"
#include "ui/language.h"
#include "ui/messages.h"
#include "ui/tuner.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace zelvo {

QString matchFamilyName(MatchFamily f)
{
    switch (f) {
    case MatchFamily::LNetwork:
        return QCoreApplication::translate("MatchDialog", "L-network");
    case MatchFamily::ShuntStub:
        return QCoreApplication::translate("MatchDialog", "Shunt stub");
    case MatchFamily::SeriesReactance:
        return QCoreApplication::translate("MatchDialog", "Line + series");
    case MatchFamily::QuarterWave:
        return QCoreApplication::translate("MatchDialog", "Quarter wave");
    }
    return {};
}

QString ohmText(Complex z)
{
    return QString::fromStdString(printfString("%.2f %c j%.2f Ohm", z.re, z.im < 0 ? '-' : '+',
                                               std::abs(z.im)));
}

std::vector<Element> placedNetwork(const Design& d, std::vector<Element> network, Complex load)
{
    if (network.empty())
        return network;
    network[0].rBegin = load.re;
    network[0].xBegin = load.im;
    recomputeChain(network, 0, designFrequency(d));
    return network;
}

std::optional<double> worstReturnLoss(const Design& d, const std::vector<Element>& network,
                                      Complex target)
{
    const int points = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    const double f0 = designFrequency(d);
    bool otherFrequency = false;
    for (int i = 0; i < points; ++i)
        otherFrequency |= d.dataPoints[static_cast<std::size_t>(i)].f != f0;
    if (!otherFrequency)
        return std::nullopt;
    auto copy = std::make_unique<Design>(d);
    for (const Element& e : network)
        appendElement(*copy, e);
    evaluateWideband(*copy);
    double worst = 0.0;
    for (int i = 0; i < points; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        worst = std::max(worst, magnitude(mismatch({copy->widebandR[k], copy->widebandX[k]}, target)));
    }
    return worst <= 0.0 ? 120.0 : -20.0 * std::log10(std::min(worst, 1.0));
}

std::vector<Element> standardNetwork(const Design& d, std::vector<Element> network, Complex target,
                                     ESeries series)
{
    const std::span<const Element> own = designChain(d);
    std::vector<Element> whole(own.begin(), own.end());
    whole.insert(whole.end(), network.begin(), network.end());
    const std::vector<bool> free = standardFree(network, series);
    std::unique_ptr<bool[]> mask(new bool[whole.size()]());
    for (std::size_t i = 0; i < free.size(); ++i)
        mask[own.size() + i] = free[i];
    const StandardChoice c = chooseStandardValues(whole, designLoads(d).loads, designFrequency(d),
                                                  target, series, {mask.get(), whole.size()});
    for (std::size_t i = 0; i < network.size(); ++i)
        network[i].value = c.values[own.size() + i];
    return network;
}

MatchDialog::MatchDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("MatchDialog", "Match automatically"));
    setObjectName(QStringLiteral("matchDialog"));
    auto* column = new QVBoxLayout(this);
    from_ = new QLabel(this);
    column->addWidget(from_);

    auto* box = new QGroupBox(QCoreApplication::translate("MatchDialog", "Target"), this);
    auto* grid = new QGridLayout(box);
    targetGroup_ = new QButtonGroup(this);
    auto* zo = new QRadioButton(
        QCoreApplication::translate("MatchDialog", "&Zo (%1 Ohm)").arg(static_cast<double>(state.design.z0), 0, 'f', 1), box);
    auto* typed = new QRadioButton(QCoreApplication::translate("MatchDialog", "&Impedance  R"), box);
    auto* conj = new QRadioButton(QCoreApplication::translate("MatchDialog", "&Conjugate of data point"), box);
    targetGroup_->addButton(zo, TargetZo);
    targetGroup_->addButton(typed, TargetTyped);
    targetGroup_->addButton(conj, TargetConjugate);
    zo->setChecked(true);
    targetR_ = numberField(QStringLiteral("targetR"));
    targetR_->setText(fixed(state.design.z0, 2));
    targetX_ = numberField(QStringLiteral("targetX"));
    targetX_->setText(QStringLiteral("0"));
    point_ = new QSpinBox(box);
    point_->setRange(1, std::max(1, state.design.dataPointCount));
    point_->setValue(std::clamp(state.design.startPoint, 1, std::max(1, state.design.dataPointCount)));
    grid->addWidget(zo, 0, 0, 1, 4);
    grid->addWidget(typed, 1, 0);
    grid->addWidget(targetR_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("X"), box), 1, 2);
    grid->addWidget(targetX_, 1, 3);
    grid->addWidget(new QLabel(QCoreApplication::translate("MatchDialog", "Ohm"), box), 1, 4);
    grid->addWidget(conj, 2, 0);
    grid->addWidget(point_, 2, 1);
    column->addWidget(box);

    auto* lineRow = new QHBoxLayout;
    auto* lineLabel = new QLabel(QCoreApplication::translate("MatchDialog", "&Line and stub impedance (Ohm)"), this);
    lineImpedance_ = numberField(QStringLiteral("lineImpedance"));
    lineImpedance_->setText(fixed(state.memory.lineImpedance, 1));
    lineLabel->setBuddy(lineImpedance_);
    lineRow->addWidget(lineLabel);
    lineRow->addWidget(lineImpedance_);
    lineRow->addSpacing(24);
    standard_ = new QCheckBox(
        QCoreApplication::translate("MatchDialog", "Standard &values of series"), this);
    standard_->setObjectName(QStringLiteral("standardValues"));
    series_ = seriesCombo(this, state.design.partSeries);
    series_->setObjectName(QStringLiteral("series"));
    lineRow->addWidget(standard_);
    lineRow->addWidget(series_);
    lineRow->addStretch(1);
    column->addLayout(lineRow);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("solutions"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QCoreApplication::translate("MatchDialog", "Network"), QCoreApplication::translate("MatchDialog", "Elements (from the load)"),
                            QStringLiteral("Q"), QCoreApplication::translate("MatchDialog", "Worst RL")});
    list_->setMinimumWidth(720);
    list_->setMinimumHeight(260);
    column->addWidget(list_, 1);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("matchMessage"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    column->addWidget(message_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = buttons->addButton(QCoreApplication::translate("MatchDialog", "&Apply"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));
    buttons->addButton(QDialogButtonBox::Close);
    column->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, [this] {
        if (applySelected())
            accept();
    });
    connect(targetGroup_, &QButtonGroup::idClicked, this, [this] { recompute(); });
    for (QLineEdit* e : {targetR_, targetX_, lineImpedance_})
        connect(e, &QLineEdit::editingFinished, this, [this] { recompute(); });
    connect(standard_, &QCheckBox::toggled, this, [this] { recompute(); });
    connect(series_, &QComboBox::currentIndexChanged, this, [this] {
        if (standard_->isChecked())
            recompute();
    });
    connect(point_, &QSpinBox::valueChanged, this, [this] {
        if (targetGroup_->checkedId() == TargetConjugate)
            recompute();
    });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { preview(); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (applySelected())
            accept();
    });
    recompute();
}

MatchDialog::~MatchDialog()
{
    state_.matchPreview.clear();
    if (onRepaint)
        onRepaint();
}

void MatchDialog::showEvent(QShowEvent* event)
{
    ZelvoDialog::showEvent(event);
    // Over the schematic column rather than the chart, so that the preview
    // stays in sight.
    if (const QWidget* p = parentWidget())
        move(p->mapToGlobal(QPoint(8, 60)));
    // The first solution was chosen before the chart could be told.
    preview();
}

void MatchDialog::setTarget(Target target)
{
    if (QAbstractButton* b = targetGroup_->button(target))
        b->setChecked(true);
    recompute();
}

namespace {

// Why a field's text is no number, for the message line.
QString unreadableText(const FieldValue& v)
{
    return messageText(QString::fromLatin1(v.state == FieldValue::State::TooLarge
                                               ? numberTooLargeMessage
                                               : numberFormatMessage));
}

} // namespace

std::optional<Complex> MatchDialog::target(QString& why) const
{
    const Design& d = state_.design;
    switch (targetGroup_->checkedId()) {
    case TargetTyped: {
        const FieldValue r = readField(targetR_->text()), x = readField(targetX_->text());
        if (!r.isNumber()) {
            why = QCoreApplication::translate("MatchDialog", "Target R: ") + unreadableText(r);
            return std::nullopt;
        }
        if (!(x.isNumber() || x.state == FieldValue::State::Empty)) {
            why = QCoreApplication::translate("MatchDialog", "Target X: ") + unreadableText(x);
            return std::nullopt;
        }
        // The ranges of a data point: beyond them the mismatch of any load
        // is numerically 1 and no element value means anything.
        if (const std::optional<QString> refusal = targetResistanceRefusal(r.value)) {
            why = *refusal;
            return std::nullopt;
        }
        if (const std::optional<QString> refusal = targetReactanceRefusal(x.value)) {
            why = *refusal;
            return std::nullopt;
        }
        return Complex{r.value, x.value};
    }
    case TargetConjugate: {
        const int i = point_->value() - 1;
        if (i < 0 || i >= std::clamp(d.dataPointCount, 0, Design::pointCapacity))
            return std::nullopt;
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(i)];
        return Complex{p.r, -p.x};
    }
    default:
        return Complex{static_cast<double>(d.z0), 0.0};
    }
}

void MatchDialog::recompute()
{
    const Design& d = state_.design;
    const Complex load = chainEnd(d);
    from_->setText(QCoreApplication::translate("MatchDialog", "From  Z = %1  at  %2Hz")
                       .arg(ohmText(load))
                       .arg(QString::fromStdString(formatFrequency(designFrequency(d), 3))));
    list_->clear();
    result_ = {};
    QString why;
    const std::optional<Complex> t = target(why);
    if (!t) {
        message_->setText(why);
        preview();
        return;
    }
    MatchRequest request{load, *t, designFrequency(d), 50.0f, state_.memory.lineEr};
    QString lineNote;
    if (const std::optional<float> zc = lineImpedance(lineNote)) {
        request.lineImpedance = *zc;
        state_.memory.lineImpedance = *zc;
    }
    else {
        request.lineImpedance = 0.0f; // lumped networks only
    }
    result_ = synthesiseMatches(request);
    if (standard_->isChecked())
        for (MatchSolution& s : result_.solutions)
            s.elements = standardNetwork(d, std::move(s.elements), *t, comboSeries(series_));
    // Why nothing is listed comes first; why the lines are missing after it.
    QStringList notes;
    if (!result_.refusal.empty())
        notes << translatedMessage(QString::fromStdString(result_.refusal));
    if (!lineNote.isEmpty() && result_.refusal.empty())
        notes << lineNote;
    message_->setText(notes.join(QLatin1Char('\n')));
    for (const MatchSolution& s : result_.solutions) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, matchFamilyName(s.family));
        item->setText(1, networkText(s.elements));
        item->setToolTip(1, QString::fromStdString(topologyText(s, interfaceTexts())));
        const double q = networkQ(s.elements, load, request.frequency);
        item->setText(2, q >= 1e6 ? QStringLiteral("-") : QString::number(q, 'f', 2));
        const std::optional<double> rl = worstReturnLoss(d, s.elements, *t);
        item->setText(3, rl ? QCoreApplication::translate("MatchDialog", "%1 dB").arg(*rl, 0, 'f', 1) : QStringLiteral("-"));
    }
    for (int c = 0; c < list_->columnCount(); ++c)
        list_->resizeColumnToContents(c);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    preview();
}

std::optional<float> MatchDialog::lineImpedance(QString& why) const
{
    const FieldValue zc = readField(lineImpedance_->text());
    QString reason;
    if (!zc.isNumber())
        reason = unreadableText(zc);
    else if (!(zc.value > 0.0 && zc.value <= lineImpedanceLimit.max))
        reason = outsideRange("0", lineImpedanceLimit) + QLatin1Char('.');
    if (reason.isEmpty())
        return static_cast<float>(zc.value);
    why = QCoreApplication::translate("MatchDialog", "Line and stub impedance: ") + reason +
          QCoreApplication::translate("MatchDialog", "\nNetworks with lines and stubs are not listed.");
    return std::nullopt;
}

void MatchDialog::preview()
{
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    state_.matchPreview.clear();
    if (row >= 0 && row < static_cast<int>(result_.solutions.size()))
        state_.matchPreview = placedNetwork(state_.design,
                                            result_.solutions[static_cast<std::size_t>(row)].elements,
                                            chainEnd(state_.design));
    if (onRepaint)
        onRepaint();
}

bool MatchDialog::applySelected()
{
    Design& d = state_.design;
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    if (row < 0 || row >= static_cast<int>(result_.solutions.size()))
        return false;
    const std::vector<Element>& network = result_.solutions[static_cast<std::size_t>(row)].elements;
    if (network.empty())
        return true;
    if (const auto refusal = checkElementButton(d)) {
        report(platform_, state_.settings, this, *refusal);
        return false;
    }
    if (const auto full = checkRoomFor(d, 0, network.size())) {
        report(platform_, state_.settings, this, *full);
        return false;
    }
    for (const Element& e : network) {
        if (!appendElement(d, e)) {
            if (const auto full = checkHistoryRoom(d))
                report(platform_, state_.settings, this, *full);
            break;
        }
    }
    state_.matchPreview.clear();
    if (onRepaint)
        onRepaint();
    return true;
}

} // namespace zelvo
