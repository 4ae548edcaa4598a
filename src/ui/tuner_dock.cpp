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

QString numberText(double v)
{
    return QString::number(v, 'g', 4);
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
        r.value->setMinimumWidth(90);
        r.low = new QLineEdit(body_);
        r.high = new QLineEdit(body_);
        for (QLineEdit* e : {r.low, r.high}) {
            e->setMaximumWidth(80);
            connect(e, &QLineEdit::editingFinished, this, [this, row] { onRange(row); });
        }
        r.low->setToolTip(QStringLiteral("Lower end of the slider"));
        r.high->setToolTip(QStringLiteral("Upper end of the slider"));
        r.reset = new QToolButton(body_);
        r.reset->setText(QStringLiteral("Reset"));
        r.reset->setToolTip(QStringLiteral("Back to the value the element had when it joined"));
        connect(r.slider, &QSlider::valueChanged, this, [this, row](int p) { onSlider(row, p); });
        connect(r.reset, &QToolButton::clicked, this, [this, row] {
            const Tuner::Tuned& t = tuner_.tuned()[static_cast<std::size_t>(row)];
            tuner_.setValue(t.index, t.part, t.original);
        });
        grid_->addWidget(r.name, row, 0);
        grid_->addWidget(r.slider, row, 1);
        grid_->addWidget(r.value, row, 2);
        grid_->addWidget(r.low, row, 3);
        grid_->addWidget(r.high, row, 4);
        grid_->addWidget(r.reset, row, 5);
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
        if (!r.low->hasFocus())
            r.low->setText(numberText(t.low));
        if (!r.high->hasFocus())
            r.high->setText(numberText(t.high));
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
    if (row >= static_cast<int>(rows_.size()))
        return;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    bool okLow = false, okHigh = false;
    const double low = r.low->text().toDouble(&okLow);
    const double high = r.high->text().toDouble(&okHigh);
    if (okLow && okHigh)
        tuner_.setRange(row, low, high);
    refresh();
}

} // namespace zelvo
