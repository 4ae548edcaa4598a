// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "optimise/optimiser.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <span>

namespace zelvo {

namespace {

// Everything the objective needs; the search runs on logarithms of the
// values, as element values span decades and the bounds are ratios.
struct Search {
    WidebandEvaluator* evaluator = nullptr;
    Complex target;
    std::vector<double> values;
    std::vector<double> best;
    double bestWorst = 2.0;
    int evaluations = 0;
    int limit = 0;
    bool cancelled = false;
    nlopt_opt opt = nullptr;
    const std::function<bool(const OptimiseProgress&)>* progress = nullptr;
};

// How often the progress is reported: often enough for a smooth dialog,
// rarely enough that the GUI costs nothing.
constexpr int progressInterval = 50;

double objective(unsigned n, const double* x, double*, void* data)
{
    auto& s = *static_cast<Search*>(data);
    for (unsigned i = 0; i < n; ++i)
        s.values[i] = std::exp(x[i]);
    const double worst = s.evaluator->worstMismatch(s.values, s.target);
    ++s.evaluations;
    if (worst < s.bestWorst) {
        s.bestWorst = worst;
        s.best = s.values;
    }
    const bool report = s.evaluations % progressInterval == 0;
    if (report && *s.progress && !(*s.progress)({s.evaluations, s.bestWorst})) {
        s.cancelled = true;
        nlopt_force_stop(s.opt);
    }
    if (s.evaluations >= s.limit)
        nlopt_force_stop(s.opt);
    return worst;
}

std::vector<DataPoint> chosenPoints(const Design& d, const std::vector<int>& indices)
{
    const int n = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    std::vector<DataPoint> points;
    if (indices.empty())
        return {d.dataPoints.begin(), d.dataPoints.begin() + n};
    for (int i : indices)
        if (i >= 0 && i < n)
            points.push_back(d.dataPoints[static_cast<std::size_t>(i)]);
    return points;
}

} // namespace

PartRange defaultBounds(ElementKind k, ElementPart part, double value)
{
    return {clampToAccepted(k, part, 0.2 * value), clampToAccepted(k, part, 5.0 * value)};
}

OptimiseSetup defaultSetup(const Design& d, float z0)
{
    OptimiseSetup s;
    s.target = {static_cast<double>(z0), 0.0};
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    for (int i = 0; i < n; ++i) {
        const Element& e = d.elements[static_cast<std::size_t>(i)];
        if (!isTunable(e.kind))
            continue;
        const ElementPart part = defaultPart(e.kind);
        const PartRange b = defaultBounds(e.kind, part, partValue(e, part));
        s.variables.push_back({i, part});
        s.lower.push_back(b.low);
        s.upper.push_back(b.high);
    }
    return s;
}

std::vector<double> presentValues(const Design& d, const std::vector<TuneVariable>& variables)
{
    std::vector<double> v;
    for (const TuneVariable& t : variables) {
        const bool inChain = t.index >= 0 && t.index < std::min(d.elementCount, Design::elementCapacity);
        v.push_back(inChain ? partValue(d.elements[static_cast<std::size_t>(t.index)], t.part) : 0.0);
    }
    return v;
}

std::vector<EditRecord> resultRecords(const Design& d, const std::vector<TuneVariable>& variables,
                                      const std::vector<double>& values)
{
    std::vector<EditRecord> records;
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    for (std::size_t i = 0; i < variables.size() && i < values.size(); ++i) {
        const int index = variables[i].index;
        if (index < 0 || index >= n)
            continue;
        // Several parts of one element end in one record.
        auto it = std::find_if(records.begin(), records.end(),
                               [index](const EditRecord& r) { return r.index == index; });
        if (it == records.end()) {
            records.push_back(editRecordOf(index, d.elements[static_cast<std::size_t>(index)]));
            it = records.end() - 1;
        }
        Element e = d.elements[static_cast<std::size_t>(index)];
        restoreEdit(e, *it);
        setPartValue(e, variables[i].part, values[i]);
        *it = editRecordOf(index, e);
    }
    return records;
}

OptimiseResult optimise(const Design& d, const OptimiseSetup& setup,
                        const std::function<bool(const OptimiseProgress&)>& progress)
{
    OptimiseResult result;
    const std::size_t n = setup.variables.size();
    const int elements = std::clamp(d.elementCount, 0, Design::elementCapacity);
    const std::vector<DataPoint> points = chosenPoints(d, setup.points);
    WidebandEvaluator evaluator({d.elements.data(), static_cast<std::size_t>(elements)},
                                      points, designFrequency(d), setup.variables);
    result.values = presentValues(d, setup.variables);
    result.startWorst = result.worst = evaluator.worstMismatch(result.values, setup.target);
    if (n == 0 || points.empty() || setup.lower.size() != n || setup.upper.size() != n)
        return result;

    std::vector<double> lower(n), upper(n), x(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double lo = std::max(setup.lower[i], std::numeric_limits<double>::min());
        const double hi = std::max(setup.upper[i], lo);
        lower[i] = std::log(lo);
        upper[i] = std::log(hi);
    }

    Search s;
    s.evaluator = &evaluator;
    s.target = setup.target;
    s.values.resize(n);
    s.best = result.values;
    s.bestWorst = result.worst;
    s.progress = &progress;
    // Fixed seed: the same design gives the same result every time.
    std::mt19937 random(12345);
    const int starts = std::max(1, setup.starts);
    for (int start = 0; start < starts && !s.cancelled; ++start) {
        for (std::size_t i = 0; i < n; ++i) {
            const double present = std::log(std::max(result.values[i], 1e-300));
            x[i] = start == 0 ? std::clamp(present, lower[i], upper[i])
                              : std::uniform_real_distribution<double>(lower[i], upper[i])(random);
        }
        s.opt = nlopt_create(NLOPT_LN_SBPLX, static_cast<unsigned>(n));
        if (!s.opt)
            break;
        nlopt_set_lower_bounds(s.opt, lower.data());
        nlopt_set_upper_bounds(s.opt, upper.data());
        nlopt_set_min_objective(s.opt, objective, &s);
        nlopt_set_xtol_rel(s.opt, 1e-9);
        nlopt_set_ftol_abs(s.opt, 1e-12);
        s.limit = s.evaluations + std::max(1, setup.maxEvaluations / starts);
        double value = 0.0;
        nlopt_optimize(s.opt, x.data(), &value);
        nlopt_destroy(s.opt);
        s.opt = nullptr;
    }
    result.values = s.best;
    result.worst = s.bestWorst;
    result.evaluations = s.evaluations;
    result.cancelled = s.cancelled;
    return result;
}

} // namespace zelvo
