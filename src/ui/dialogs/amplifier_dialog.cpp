// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/amplifier_dialog.h"

#include "core/block.h"
#include "core/chain.h"
#include "core/format.h"
#include "ui/app_state.h"
#include "ui/dialogs/match_dialog.h"
#include "ui/element_label.h"
#include "ui/language.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace zelvo {

namespace {

QTreeWidget* networkList(const QString& name, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QCoreApplication::translate("AmplifierDialog", "Network"), QCoreApplication::translate("AmplifierDialog", "Elements (from the load)"),
                           QStringLiteral("Q")});
    list->setMinimumHeight(130);
    return list;
}

void fillList(QTreeWidget* list, const MatchResult& r, Complex from, double f)
{
    list->clear();
    for (const MatchSolution& s : r.solutions) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, matchFamilyName(s.family));
        item->setText(1, s.elements.empty() ? QCoreApplication::translate("AmplifierDialog", "(matched already)")
                                            : networkText(s.elements));
        item->setToolTip(1, QString::fromStdString(topologyText(s, interfaceTexts())));
        const double q = networkQ(s.elements, from, f);
        item->setText(2, q >= 1e6 ? QStringLiteral("-") : QString::number(q, 'f', 2));
    }
    for (int c = 0; c < list->columnCount(); ++c)
        list->resizeColumnToContents(c);
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

int selectedRow(const QTreeWidget* list)
{
    return list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
}

QString gammaText(Complex g)
{
    return QString::fromStdString(
        printfString("%.3f / %.1f deg", magnitude(g), argument(g) * 180.0 / 3.14159265358979));
}

} // namespace

AmplifierDialog::AmplifierDialog(AppState& state, const Platform& platform,
                                 AmplifierDevice device, QWidget* parent)
    : ZelvoDialog(state, platform, parent), deviceData_(std::move(device)),
      plan_(DialogMessage{})
{
    setWindowTitle(QCoreApplication::translate("AmplifierDialog", "Match amplifier"));
    setObjectName(QStringLiteral("amplifierDialog"));
    auto* column = new QVBoxLayout(this);
    const QString name = QString::fromStdString(deviceData_.block.block->name);
    column->addWidget(new QLabel(
        deviceData_.atChainEnd
            ? QCoreApplication::translate("AmplifierDialog", "Device: %1, the block at the chain's end").arg(name)
            : QCoreApplication::translate("AmplifierDialog", "Device: %1 from the S-Plot file, inserted as a block").arg(name),
        this));

    auto* row = new QHBoxLayout;
    auto* frequencyLabel = new QLabel(QCoreApplication::translate("AmplifierDialog", "&Frequency"), this);
    row->addWidget(frequencyLabel);
    frequency_ = numberField(QStringLiteral("frequency"));
    frequencyLabel->setBuddy(frequency_);
    row->addWidget(frequency_);
    unit_ = new QComboBox(this);
    fillUnits(unit_, frequencyUnits);
    row->addWidget(unit_);
    row->addSpacing(20);
    auto* gainLabel = new QLabel(QCoreApplication::translate("AmplifierDialog", "&Gain (potentially unstable device)"), this);
    row->addWidget(gainLabel);
    gain_ = numberField(QStringLiteral("gain"));
    gainLabel->setBuddy(gain_);
    row->addWidget(gain_);
    row->addWidget(new QLabel(QStringLiteral("dB"), this));
    row->addStretch(1);
    column->addLayout(row);

    device_ = new QLabel(this);
    device_->setObjectName(QStringLiteral("deviceState"));
    device_->setWordWrap(true);
    device_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(device_);

    auto* outBox = new QGroupBox(QCoreApplication::translate("AmplifierDialog", "Output network: load to the device's port 2"), this);
    auto* outLayout = new QVBoxLayout(outBox);
    output_ = networkList(QStringLiteral("outputNetworks"), outBox);
    outLayout->addWidget(output_);
    column->addWidget(outBox, 1);
    auto* inBox =
        new QGroupBox(QCoreApplication::translate("AmplifierDialog", "Input network: the device's port 1 to the generator"), this);
    auto* inLayout = new QVBoxLayout(inBox);
    input_ = networkList(QStringLiteral("inputNetworks"), inBox);
    inLayout->addWidget(input_);
    column->addWidget(inBox, 1);

    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("amplifierResult"));
    column->addWidget(result_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = buttons->addButton(QCoreApplication::translate("AmplifierDialog", "&Apply"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));
    buttons->addButton(QDialogButtonBox::Close);
    column->addWidget(buttons);
    setMinimumWidth(760);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, [this] {
        if (applySelected())
            accept();
    });
    for (QLineEdit* e : {frequency_, gain_})
        connect(e, &QLineEdit::editingFinished, this, [this] { recompute(); });
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    for (QTreeWidget* list : {output_, input_})
        connect(list, &QTreeWidget::currentItemChanged, this, [this] { preview(); });

    const double f = designFrequency(state.design);
    frequency_->setText(showFrequency(f, unit_));
    recompute();
}

void AmplifierDialog::showEvent(QShowEvent* event)
{
    ZelvoDialog::showEvent(event);
    // Over the schematic column rather than the chart, so that the preview
    // stays in sight.
    if (const QWidget* p = parentWidget())
        move(p->mapToGlobal(QPoint(8, 60)));
    // The first pair was chosen before the chart could be told.
    preview();
}

AmplifierDialog::~AmplifierDialog()
{
    state_.matchPreview.clear();
    if (onRepaint)
        onRepaint();
}

void AmplifierDialog::setFrequency(double hertz)
{
    showFrequency(hertz, unit_);
    frequency_->setText(QString::number(hertz / unitFactor(unit_, frequencyUnits), 'g', 12));
    recompute();
}

void AmplifierDialog::setGain(double db)
{
    gain_->setText(QString::number(db, 'f', 2));
    recompute();
}

void AmplifierDialog::select(int output, int input)
{
    if (output >= 0 && output < output_->topLevelItemCount())
        output_->setCurrentItem(output_->topLevelItem(output));
    if (input >= 0 && input < input_->topLevelItemCount())
        input_->setCurrentItem(input_->topLevelItem(input));
}

void AmplifierDialog::recompute()
{
    output_->clear();
    input_->clear();
    const FieldValue f = readField(frequency_->text());
    if (!f.isNumber() || !(f.value > 0.0)) {
        plan_ = DialogMessage{"The frequency must be a number above 0.", "", MessageIcon::Error};
        device_->setText(
            translatedMessage(QString::fromStdString(std::get<DialogMessage>(plan_).text)));
        preview();
        return;
    }
    const double hertz = f.value * unitFactor(unit_, frequencyUnits);
    const FieldValue g = readField(gain_->text());
    std::optional<double> gain = g.isNumber() ? std::optional(g.value) : std::nullopt;
    // A potentially unstable device gets a gain to aim for at once: 1 dB
    // below MSG, which the user may change.
    const std::optional<TwoPort> s =
        blockSParams(*deviceData_.block.block, hertz, deviceData_.block.reversed);
    if (!gain && s && !unconditionallyStable(*s))
        if (const std::optional<double> msg = maxGainDb(*s)) {
            gain = std::floor((*msg - 1.0) * 10.0) / 10.0;
            gain_->setText(QString::number(*gain, 'f', 1));
        }
    gain_->setEnabled(s && !unconditionallyStable(*s));
    plan_ = planAmplifier(state_.design, deviceData_, hertz, gain, state_.memory.lineImpedance,
                          state_.memory.lineEr);
    if (const auto* m = std::get_if<DialogMessage>(&plan_)) {
        device_->setText(translatedMessage(QString::fromStdString(m->text)));
        preview();
        return;
    }
    const AmplifierPlan& p = std::get<AmplifierPlan>(plan_);
    QString text =
        QCoreApplication::translate("AmplifierDialog", "K = %1   |delta| = %2   %3 = %4 dB\n")
            .arg(p.k >= 1e300 ? QStringLiteral("-") : QString::number(p.k, 'f', 3))
            .arg(p.deltaMagnitude, 0, 'f', 3)
            .arg(p.stable ? QCoreApplication::translate("AmplifierDialog", "MAG") : QCoreApplication::translate("AmplifierDialog", "MSG"))
            .arg(p.maxGainDb ? QString::number(*p.maxGainDb, 'f', 2) : QStringLiteral("-"));
    text += p.stable
                ? QCoreApplication::translate(
                      "AmplifierDialog", "Unconditionally stable: simultaneous conjugate match, ")
                : translatedMessage(QString::fromStdString(unstableText(p))) +
                      QCoreApplication::translate("AmplifierDialog", "\nOn the %1 dB gain circle: ")
                          .arg(p.gainDb, 0, 'f', 2);
    text += QCoreApplication::translate("AmplifierDialog", "Gamma S = %1, Gamma L = %2 (against %3 Ohm)")
                .arg(gammaText(p.terminations.gammaSource), gammaText(p.terminations.gammaLoad))
                .arg(p.deviceZ0, 0, 'f', 1);
    device_->setText(text);
    fillList(output_, p.output, p.loadSide, p.f);
    fillList(input_, p.input, p.portOne, p.f);
    preview();
}

std::optional<std::vector<Element>> AmplifierDialog::selectedChain() const
{
    const auto* p = std::get_if<AmplifierPlan>(&plan_);
    const int out = selectedRow(output_), in = selectedRow(input_);
    if (p == nullptr || out < 0 || in < 0 || out >= static_cast<int>(p->output.solutions.size()) ||
        in >= static_cast<int>(p->input.solutions.size()))
        return std::nullopt;
    return amplifierChain(deviceData_, p->output.solutions[static_cast<std::size_t>(out)],
                          p->input.solutions[static_cast<std::size_t>(in)]);
}

void AmplifierDialog::preview()
{
    state_.matchPreview.clear();
    const std::optional<std::vector<Element>> chain = selectedChain();
    const auto* p = std::get_if<AmplifierPlan>(&plan_);
    if (chain && p) {
        const double gt = amplifierGainDb(state_.design, deviceData_, *chain, p->f);
        result_->setText(QCoreApplication::translate("AmplifierDialog", "GT at %1Hz = %2 dB  (%3 %4 dB)")
                             .arg(QString::fromStdString(formatFrequency(p->f, 3)))
                             .arg(gt, 0, 'f', 2)
                             .arg(p->stable ? QCoreApplication::translate("AmplifierDialog", "MAG") : QCoreApplication::translate("AmplifierDialog", "aimed at"))
                             .arg(p->gainDb, 0, 'f', 2));
        // The preview starts where the output network will: at the chain's
        // end before the device, at the design frequency.
        const Design& d = state_.design;
        const int before = std::clamp(d.elementCount, 0, Design::elementCapacity) -
                           (deviceData_.atChainEnd ? 1 : 0);
        const Element& first = d.elements[0];
        const Complex start =
            before > 0 ? Complex{d.elements[static_cast<std::size_t>(before - 1)].rEnd,
                                 d.elements[static_cast<std::size_t>(before - 1)].xEnd}
            : d.elementCount > 0 ? Complex{first.rBegin, first.xBegin}
                                 : d.currentPoint;
        state_.matchPreview = placedNetwork(d, *chain, start);
    } else {
        result_->clear();
    }
    if (onRepaint)
        onRepaint();
}

bool AmplifierDialog::applySelected()
{
    const std::optional<std::vector<Element>> chain = selectedChain();
    if (!chain) {
        message(std::holds_alternative<DialogMessage>(plan_)
                    ? QString::fromStdString(std::get<DialogMessage>(plan_).text)
                    : QCoreApplication::translate("AmplifierDialog", "Choose an output and an input network."),
                MessageIcon::Exclamation, true);
        return false;
    }
    if (const std::optional<DialogMessage> refused =
            applyAmplifier(state_.design, deviceData_, *chain)) {
        report(platform_, state_.settings, this, *refused);
        return false;
    }
    state_.matchPreview.clear();
    if (onRepaint)
        onRepaint();
    return true;
}

} // namespace zelvo
