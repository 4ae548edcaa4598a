// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/standard_values.h"

#include "core/tolerance.h"

#include <cmath>
#include <cstdint>

namespace zelvo {

namespace {

// A part with two series values to choose from.
struct Choice {
    int element = 0;
    double below = 0.0, above = 0.0;
};

// How far a combination moves its parts (sum of |log ratio|): the tie-break
// between combinations that match equally well.
double distance(std::span<const Element> elements, const std::vector<double>& values)
{
    double d = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (elements[i].value > 0.0)
            d += std::abs(std::log(values[i] / elements[i].value));
    return d;
}

class Search {
  public:
    Search(std::span<const Element> elements, const ChainSpread& chain, Complex target)
        : elements_(elements), chain_(chain), target_(target)
    {
    }

    // Evaluates candidate value sets; returns the index of the best one.
    std::size_t best(const std::vector<std::vector<double>>& candidates, double& worstG2)
    {
        const std::size_t n = elements_.size(), count = candidates.size();
        factors_.assign(n * count, 1.0);
        for (std::size_t s = 0; s < count; ++s)
            for (std::size_t i = 0; i < n; ++i)
                if (elements_[i].value > 0.0)
                    factors_[i * count + s] = candidates[s][i] / elements_[i].value;
        chain_.evaluate(factors_, static_cast<int>(count), target_, out_);
        evaluated += static_cast<int>(count);
        std::size_t best = 0;
        for (std::size_t s = 1; s < count; ++s) {
            const double a = out_.worstGamma2[s], b = out_.worstGamma2[best];
            // Differences below rounding are ties, decided by distance.
            if (a < b * (1.0 - 1e-12) ||
                (a <= b * (1.0 + 1e-12) &&
                 distance(elements_, candidates[s]) < distance(elements_, candidates[best])))
                best = s;
        }
        worstG2 = out_.worstGamma2[best];
        return best;
    }

    int evaluated = 0;

  private:
    std::span<const Element> elements_;
    const ChainSpread& chain_;
    Complex target_;
    std::vector<double> factors_;
    ChainSpread::Output out_;
};

std::vector<double> flipped(std::vector<double> values, const Choice& c)
{
    double& v = values[static_cast<std::size_t>(c.element)];
    v = v == c.below ? c.above : c.below;
    return values;
}

} // namespace

StandardChoice chooseStandardValues(std::span<const Element> elements,
                                    std::span<const SpreadLoad> loads, double f0, Complex target,
                                    ESeries series, std::span<const bool> free)
{
    StandardChoice r;
    const ChainSpread chain(elements, loads, f0);
    std::vector<double> nominal;
    std::vector<Choice> choices;
    std::vector<double> start; // the nearest values
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& e = elements[i];
        nominal.push_back(e.value);
        start.push_back(e.value);
        if (!chain.varies(static_cast<int>(i)) || (i < free.size() && !free[i]))
            continue;
        const std::optional<StandardNeighbours> n = standardNeighbours(e.value, series);
        if (!n)
            continue;
        // A value on the grid stays exactly as it is.
        if (n->below == n->above)
            continue;
        start.back() = *nearestStandard(e.value, series);

        choices.push_back({static_cast<int>(i), n->below, n->above});
    }
    Search search(elements, chain, target);
    double g2 = 1.0;
    search.best({nominal}, g2);
    r.nominalWorstDb = returnLossDb(g2);

    if (static_cast<int>(choices.size()) <= exhaustiveLimit) {
        const std::size_t combos = std::size_t{1} << choices.size();
        std::vector<std::vector<double>> candidates(combos, start);
        for (std::size_t c = 0; c < combos; ++c)
            for (std::size_t k = 0; k < choices.size(); ++k) {
                const Choice& ch = choices[k];
                candidates[c][static_cast<std::size_t>(ch.element)] =
                    (c >> k) & 1U ? ch.above : ch.below;
            }
        r.values = candidates[search.best(candidates, g2)];
    }
    else {
        r.exhaustive = false;
        std::vector<double> current = start;
        double currentG2 = 1.0;
        search.best({current}, currentG2);
        for (bool improved = true; improved;) {
            improved = false;
            // Single flips first; pairs only when no single flip helps.
            for (int width = 1; width <= 2 && !improved; ++width) {
                std::vector<std::vector<double>> candidates{current};
                for (std::size_t a = 0; a < choices.size(); ++a) {
                    if (width == 1) {
                        candidates.push_back(flipped(current, choices[a]));
                        continue;
                    }
                    for (std::size_t b = a + 1; b < choices.size(); ++b)
                        candidates.push_back(flipped(flipped(current, choices[a]), choices[b]));
                }
                const std::size_t best = search.best(candidates, g2);
                if (best != 0 && g2 < currentG2) {
                    current = candidates[best];
                    currentG2 = g2;
                    improved = true;
                }
            }
        }
        r.values = current;
        g2 = currentG2;
    }
    r.worstDb = returnLossDb(g2);
    r.combinations = search.evaluated;
    return r;
}

} // namespace zelvo
