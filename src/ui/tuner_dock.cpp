// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/tuner_dock.h"

#include "core/number_text.h"
#include "ui/app_state.h"
#include "ui/element_label.h"
#include "ui/tuner.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace zelvo {

namespace {

// The slider runs logarithmically: a step is the same share of the value
// anywhere in the range.
int positionOf(double value, double low, double high)
{
    if (!(value > 0.0) || !(high > low))
        return 0;
    const double t = std::log(value / low) / std::log(high / low);
    return static_cast<int>(std::lround(std::clamp(t, 0.0, 1.0) * TunerDock::sliderSteps));
}

double valueAt(int position, double low, double high)
{
    return low * std::pow(high / low, static_cast<double>(position) / TunerDock::sliderSteps);
}

bool takesPrefix(const QString& unit)
{
    return unit == QStringLiteral("Ω") || unit == QStringLiteral("H") || unit == QStringLiteral("F");
}

struct Prefix {
    double scale;
    QChar letter;
};
constexpr Prefix prefixes[] = {{1e-15, u'f'}, {1e-12, u'p'}, {1e-9, u'n'}, {1e-6, u'µ'},
                               {1e-3, u'm'},  {1.0, u'\0'},  {1e3, u'k'},  {1e6, u'M'},
                               {1e9, u'G'}};

// "9 nH", "36 nH", "0.03 λ": the ends of a range as an engineer writes them.
QString rangeText(double v, const QString& unit)
{
    if (!takesPrefix(unit))
        return unit.isEmpty() ? QString::number(v, 'g', 4)
                              : QString::number(v, 'g', 4) + QLatin1Char(' ') + unit;
    const Prefix* p = &prefixes[0];
    for (const Prefix& q : prefixes)
        if (std::abs(v) >= q.scale * 0.9995)
            p = &q;
    QString s = QString::number(v / p->scale, 'g', 4) + QLatin1Char(' ');
    if (p->letter != QChar(u'\0'))
        s += p->letter;
    return s + unit;
}

// A number with an optional SI prefix and unit: "36n", "36 nH", "3.6e-8".
std::optional<double> readRangeText(const QString& text, const QString& unit)
{
    const std::string s = text.toStdString();
    const ScannedNumber n = scanNumber(s);
    if (!n.ok)
        return std::nullopt;
    const QString rest = QString::fromStdString(s.substr(n.end)).trimmed();
    const auto isUnit = [&unit](const QString& t) {
        return t.isEmpty() || t == unit ||
               (unit == QStringLiteral("Ω") && t.compare(QStringLiteral("ohm"), Qt::CaseInsensitive) == 0);
    };
    if (isUnit(rest))
        return n.value;
    if (!takesPrefix(unit))
        return std::nullopt;
    for (const Prefix& p : prefixes) {
        const bool micro = p.letter == QChar(u'µ') && rest.startsWith(QLatin1Char('u'));
        if (p.letter != QChar(u'\0') && (rest.startsWith(p.letter) || micro) && isUnit(rest.mid(1).trimmed()))
            return n.value * p.scale;
    }
    return std::nullopt;
}

} // namespace

TunerDock::TunerDock(AppState& state, Tuner& tuner, QWidget* parent)
    : QDockWidget(QStringLiteral("Tuner"), parent), state_(state), tuner_(tuner)
{
    setObjectName(QStringLiteral("tunerDock"));
    body_ = new QWidget(this);
    auto* column = new QVBoxLayout(body_);
    hint_ = new QLabel(QStringLiteral("Click an element in the Schematic window, then turn the "
                                      "mouse wheel or press Up/Down (Shift: fine)."),
                       body_);
    hint_->setWordWrap(true);
    column->addWidget(hint_);
    grid_ = new QGridLayout;
    column->addLayout(grid_);
    column->addStretch(1);
    setWidget(body_);
    refresh();
}

QSlider* TunerDock::slider(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].slider : nullptr;
}
QLabel* TunerDock::valueLabel(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].value : nullptr;
}
QToolButton* TunerDock::resetButton(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].reset : nullptr;
}
QLineEdit* TunerDock::lowEdit(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].low : nullptr;
}
QLineEdit* TunerDock::highEdit(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].high : nullptr;
}

void TunerDock::build()
{
    for (Row& r : rows_) {
        delete r.name;
        delete r.to;
        delete r.slider;
        delete r.value;
        delete r.low;
        delete r.high;
        delete r.reset;
    }
    rows_.clear();
    shownIndices_.clear();
    const auto& tuned = tuner_.tuned();
    for (std::size_t i = 0; i < tuned.size(); ++i) {
        const int row = static_cast<int>(i);
        Row r;
        r.name = new QLabel(body_);
        r.slider = new QSlider(Qt::Horizontal, body_);
        r.slider->setRange(0, sliderSteps);
        r.slider->setMinimumWidth(160);
        r.slider->setObjectName(QStringLiteral("tunerSlider%1").arg(row));
        r.value = new QLabel(body_);
        r.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r.to = new QLabel(QStringLiteral("to"), body_);
        r.low = new QLineEdit(body_);
        r.high = new QLineEdit(body_);
        for (QLineEdit* e : {r.low, r.high}) {
            e->setMaximumWidth(90);
            connect(e, &QLineEdit::editingFinished, this, [this, row] { onRange(row); });
        }
        r.low->setToolTip(QStringLiteral("Lower end of the slider (an SI prefix may follow: 2.2n)"));
        r.high->setToolTip(QStringLiteral("Upper end of the slider (an SI prefix may follow: 22n)"));
        r.reset = new QToolButton(body_);
        r.reset->setText(QStringLiteral("Reset"));
        r.reset->setToolTip(QStringLiteral("Back to the value the element had when it joined"));
        connect(r.slider, &QSlider::valueChanged, this, [this, row](int p) { onSlider(row, p); });
        connect(r.reset, &QToolButton::clicked, this, [this, row] {
            const Tuner::Tuned& t = tuner_.tuned()[static_cast<std::size_t>(row)];
            tuner_.setValue(t.index, t.part, t.original);
        });
        // Three lines an element, so that the dock fits the narrow room
        // beside the chart: name and value, the slider, the range.
        const int line = 3 * row;
        grid_->addWidget(r.name, line, 0, 1, 3);
        grid_->addWidget(r.value, line, 3);
        grid_->addWidget(r.slider, line + 1, 0, 1, 4);
        grid_->addWidget(r.low, line + 2, 0);
        grid_->addWidget(r.to, line + 2, 1);
        grid_->addWidget(r.high, line + 2, 2);
        grid_->addWidget(r.reset, line + 2, 3, Qt::AlignRight);
        if (row > 0)
            grid_->setRowMinimumHeight(line - 1, r.low->sizeHint().height() + 10);
        rows_.push_back(r);
        shownIndices_.push_back(tuned[i].index * 4 + static_cast<int>(tuned[i].part));
    }
}

void TunerDock::refresh()
{
    tuner_.prune();
    const auto& tuned = tuner_.tuned();
    std::vector<int> keys;
    for (const Tuner::Tuned& t : tuned)
        keys.push_back(t.index * 4 + static_cast<int>(t.part));
    if (keys != shownIndices_)
        build();
    hint_->setVisible(tuned.empty());
    updating_ = true;
    for (std::size_t i = 0; i < tuned.size(); ++i) {
        const Tuner::Tuned& t = tuned[i];
        const Row& r = rows_[i];
        const Element& e = state_.design.elements[static_cast<std::size_t>(t.index)];
        const double v = partValue(e, t.part);
        QFont f = r.name->font();
        f.setBold(t.index == tuner_.selected());
        r.name->setFont(f);
        r.name->setText(elementLabel(e, t.index, t.part));
        r.value->setText(partValueText(e, t.part, v));
        const QString unit = partUnit(e, t.part);
        if (!r.low->hasFocus())
            r.low->setText(rangeText(t.low, unit));
        if (!r.high->hasFocus())
            r.high->setText(rangeText(t.high, unit));
        const QSignalBlocker block(r.slider);
        r.slider->setValue(positionOf(v, t.low, t.high));
    }
    updating_ = false;
}

void TunerDock::onSlider(int row, int position)
{
    if (updating_ || row >= static_cast<int>(tuner_.tuned().size()))
        return;
    const Tuner::Tuned t = tuner_.tuned()[static_cast<std::size_t>(row)];
    if (t.index != tuner_.selected())
        tuner_.select(t.index);
    tuner_.setValue(t.index, t.part, valueAt(position, t.low, t.high));
}

void TunerDock::onRange(int row)
{
    if (row >= static_cast<int>(rows_.size()) || row >= static_cast<int>(tuner_.tuned().size()))
        return;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const Tuner::Tuned& t = tuner_.tuned()[static_cast<std::size_t>(row)];
    const QString unit = partUnit(state_.design.elements[static_cast<std::size_t>(t.index)], t.part);
    const std::optional<double> low = readRangeText(r.low->text(), unit);
    const std::optional<double> high = readRangeText(r.high->text(), unit);
    // Text that is not a range puts back the present one.
    if (low && high)
        tuner_.setRange(row, *low, *high);
    refresh();
}

} // namespace zelvo
