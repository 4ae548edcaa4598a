// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/tuner.h"

#include "ui/app_state.h"
#include "ui/shell.h"

#include <algorithm>

namespace zelvo {

std::optional<ReadoutTexts> readoutForImpedance(Complex z, float z0)
{
    if (!(z.re >= 0.0))
        return std::nullopt;
    const double zn = static_cast<double>(z0);
    const double r = z.re / zn, x = z.im / zn;
    // readoutAt works on chart pixels; a large radius keeps the pixel grid
    // far below the printed digits.
    constexpr int radius = 1 << 24;
    const double u = gammaRe(r, x), v = gammaIm(r, x);
    return readoutAt(u * radius, v * radius, radius, 1.0f, z0,
                     {ExactReadout::Which::R, z.re});
}

Complex chainEnd(const Design& d)
{
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    if (n == 0)
        return d.currentPoint;
    const Element& e = d.elements[static_cast<std::size_t>(n - 1)];
    return {e.rEnd, e.xEnd};
}

Tuner::Tuner(AppState& state, Shell& shell) : state_(state), shell_(shell)
{
    pause_.setSingleShot(true);
    pause_.setInterval(sessionPauseMs);
    connect(&pause_, &QTimer::timeout, this, [this] { endSession(); });
}

void Tuner::endSession()
{
    const bool tuning = session_.index >= 0;
    endTuning(session_);
    pause_.stop();
    // While tuning the chain is drawn over the circles; the picture goes back
    // to the chart's own order.
    if (tuning)
        shell_.repaintChart();
}

void Tuner::prune()
{
    const int n = std::clamp(state_.design.elementCount, 0, Design::elementCapacity);
    std::erase_if(tuned_, [n](const Tuned& t) { return t.index >= n; });
    if (selected_ >= n)
        selected_ = -1;
}

void Tuner::clear()
{
    endSession();
    tuned_.clear();
    selected_ = -1;
    if (onChanged)
        onChanged();
}

void Tuner::select(int index)
{
    prune();
    const int n = std::clamp(state_.design.elementCount, 0, Design::elementCapacity);
    if (index != selected_)
        endSession();
    selected_ = index >= 0 && index < n ? index : -1;
    // A block has no value: it is not selected for tuning.
    if (selected_ >= 0 && !isTunable(state_.design.elements[static_cast<std::size_t>(selected_)].kind))
        selected_ = -1;
    if (selected_ >= 0) {
        const auto it = std::find_if(tuned_.begin(), tuned_.end(),
                                     [this](const Tuned& t) { return t.index == selected_; });
        if (it == tuned_.end()) {
            const Element& e = state_.design.elements[static_cast<std::size_t>(selected_)];
            const ElementPart part = defaultPart(e.kind);
            const double v = partValue(e, part);
            tuned_.push_back({selected_, part, v, clampToAccepted(e.kind, part, 0.5 * v),
                              clampToAccepted(e.kind, part, 2.0 * v)});
            if (static_cast<int>(tuned_.size()) > maxTuned)
                tuned_.erase(tuned_.begin());
        }
    }
    if (onChanged)
        onChanged();
    shell_.repaintSchematic();
}

ElementPart Tuner::selectedPart() const
{
    for (const Tuned& t : tuned_)
        if (t.index == selected_)
            return t.part;
    return ElementPart::Value;
}

void Tuner::selectPart(ElementPart part)
{
    for (Tuned& t : tuned_) {
        if (t.index != selected_)
            continue;
        const Element& e = state_.design.elements[static_cast<std::size_t>(t.index)];
        if (!isRlc(e.kind) || part == ElementPart::Value || t.part == part)
            return;
        endSession();
        const double v = partValue(e, part);
        t = {t.index, part, v, 0.5 * v, 2.0 * v};
    }
    if (onChanged)
        onChanged();
}

void Tuner::setRange(int slot, double low, double high)
{
    if (slot < 0 || slot >= static_cast<int>(tuned_.size()) || !(low > 0.0) || !(high > low))
        return;
    Tuned& t = tuned_[static_cast<std::size_t>(slot)];
    t.low = low;
    t.high = high;
}

bool Tuner::step(int steps, bool fine)
{
    prune();
    if (selected_ < 0 || steps == 0 || state_.placement.placing)
        return false;
    const Element& e = state_.design.elements[static_cast<std::size_t>(selected_)];
    const ElementPart part = isRlc(e.kind) ? selectedPart() : ElementPart::Value;
    return setValue(selected_, part, tunedValue(e.kind, part, partValue(e, part), steps, fine));
}

bool Tuner::setValue(int index, ElementPart part, double value)
{
    if (state_.placement.placing)
        return false;
    if (index != session_.index || part != session_.part)
        endSession();
    if (!tuneElement(state_.design, session_, index, part, value))
        return false;
    pause_.start();
    refresh();
    return true;
}

void Tuner::refresh()
{
    shell_.repaintChain();
    if (readoutSink)
        if (const auto texts = readoutForImpedance(chainEnd(state_.design), state_.design.z0))
            readoutSink(*texts);
    if (onChanged)
        onChanged();
}

} // namespace zelvo
