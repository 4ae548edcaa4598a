// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "optimise/broadband.h"

#include "core/synthesis.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace zelvo {

namespace {

// Lumped reactances and susceptances from 1e-5 to 1e5 times the source's:
// wide enough for loads with a Q in the thousands, and an element at the
// low end is as good as absent.
const double lumpedLow = std::log(1e-5);
const double lumpedHigh = std::log(1e5);
// The coarse sweep covers the middle of that range; the seeds reach the rest.
const double sweepLow = std::log(1e-3);
const double sweepHigh = std::log(1e3);
constexpr double angleLow = 1e-3;
constexpr double angleHigh = std::numbers::pi - 1e-3;

// Sweep points per value, and the local refinements per topology.
constexpr int sweepPerValue = 48;
constexpr int sweepStarts = 3;
constexpr int maxStarts = 6;
constexpr int localEvaluations = 300;

// Rows within this share of |Gamma| (0.01 dB) count as equally good.
const double sameResult = std::pow(10.0, -0.01 / 20.0);

// A low-discrepancy point set (Roberts' additive recurrence), the same for
// every run: point i has coordinates frac(0.5 + i * alpha_j).
class QuasiRandom {
  public:
    explicit QuasiRandom(std::size_t dims)
    {
        // phi: the positive root of x^(d+1) = x + 1.
        double phi = 2.0;
        for (int i = 0; i < 30; ++i)
            phi = std::pow(1.0 + phi, 1.0 / static_cast<double>(dims + 1));
        double a = 1.0;
        for (std::size_t j = 0; j < dims; ++j) {
            a /= phi;
            alpha_.push_back(a - std::floor(a));
        }
    }
    double at(std::size_t i, std::size_t j) const
    {
        const double v = 0.5 + static_cast<double>(i + 1) * alpha_[j];
        return v - std::floor(v);
    }

  private:
    std::vector<double> alpha_;
};

struct Start {
    std::vector<double> x;
    double worst = 1.0;
};

// One local minimax refinement: minimise t subject to w^2 |Gamma_k|^2 <= t
// for every frequency, over the values and t. The best point the search
// evaluates is kept, so the result is never worse than the start.
struct Refinement {
    const LadderEvaluator* evaluator = nullptr;
    const Topology* topology = nullptr;
    std::vector<double> squared, gradient;
    std::vector<double> best;
    double bestWorst2 = 4.0;
    long evaluations = 0;
};

double objective(unsigned n, const double* v, double* grad, void*)
{
    if (grad) {
        std::fill(grad, grad + n, 0.0);
        grad[n - 1] = 1.0;
    }
    return v[n - 1];
}

void constraints(unsigned m, double* result, unsigned n, const double* v, double* grad, void* data)
{
    auto& r = *static_cast<Refinement*>(data);
    const std::size_t params = n - 1;
    const std::span<const double> x(v, params);
    const double worst2 =
        r.evaluator->squaredWithGradient(*r.topology, x, r.squared, r.gradient);
    ++r.evaluations;
    if (worst2 < r.bestWorst2) {
        r.bestWorst2 = worst2;
        r.best.assign(v, v + params);
    }
    const double t = v[n - 1];
    for (unsigned k = 0; k < m; ++k) {
        result[k] = r.squared[k] - t;
        if (grad) {
            for (std::size_t j = 0; j < params; ++j)
                grad[k * n + j] = r.gradient[k * params + j];
            grad[k * n + params] = -1.0;
        }
    }
}

Start refine(const LadderEvaluator& evaluator, const Topology& t, const Start& start,
             const std::vector<double>& lower, const std::vector<double>& upper, long& evaluations)
{
    const std::size_t params = start.x.size();
    const std::size_t k = evaluator.size();
    Refinement r;
    r.evaluator = &evaluator;
    r.topology = &t;
    r.squared.resize(k);
    r.gradient.resize(k * params);
    r.best = start.x;
    r.bestWorst2 = start.worst * start.worst;

    nlopt_opt opt = nlopt_create(NLOPT_LD_SLSQP, static_cast<unsigned>(params + 1));
    if (!opt)
        return start;
    std::vector<double> lo = lower, hi = upper;
    lo.push_back(0.0);
    hi.push_back(4.0);
    nlopt_set_lower_bounds(opt, lo.data());
    nlopt_set_upper_bounds(opt, hi.data());
    nlopt_set_min_objective(opt, objective, nullptr);
    std::vector<double> tolerances(k, 1e-12);
    nlopt_add_inequality_mconstraint(opt, static_cast<unsigned>(k), constraints, &r,
                                     tolerances.data());
    nlopt_set_ftol_rel(opt, 1e-7);
    nlopt_set_xtol_rel(opt, 1e-7);
    nlopt_set_maxeval(opt, localEvaluations);
    std::vector<double> v = start.x;
    v.push_back(start.worst * start.worst);
    double value = 0.0;
    nlopt_optimize(opt, v.data(), &value);
    nlopt_destroy(opt);
    evaluations += r.evaluations;
    return {r.best, std::sqrt(r.bestWorst2)};
}

// The value at which an element added to a ladder changes it least.
std::vector<double> vanishing(LadderPart p, const std::vector<double>& lower,
                              const std::vector<double>& upper, std::size_t at)
{
    switch (p) {
    case LadderPart::Line:
        return {lower[at], std::clamp(0.0, lower[at + 1], upper[at + 1])};
    case LadderPart::OpenStub:
        return {lower[at], upper[at + 1]};
    case LadderPart::ShortStub:
        // A quarter wave: open at the centre, and the highest impedance
        // keeps it nearly so over the band.
        return {std::numbers::pi / 2, upper[at + 1]};
    default:
        return {lower[at]};
    }
}

double distance(const std::vector<double>& a, const std::vector<double>& b,
                const std::vector<double>& lower, const std::vector<double>& upper)
{
    double d = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double span = upper[i] - lower[i];
        if (span > 0.0)
            d = std::max(d, std::abs(a[i] - b[i]) / span);
    }
    return d;
}

// The L-networks at the band centre as ladders.
std::vector<LadderNetwork> centreNetworks(const LadderEvaluator& evaluator,
                                          const BroadbandOptions& options)
{
    std::vector<LadderNetwork> out;
    const LadderBand& band = evaluator.band();
    if (!options.centreLoad)
        return out;
    const MatchResult r =
        synthesiseMatches({*options.centreLoad, {band.source, 0.0}, band.centre, 50.0f, 1.0f});
    for (const MatchSolution& s : r.solutions) {
        if (s.family != MatchFamily::LNetwork || s.elements.empty())
            continue;
        LadderNetwork n;
        for (const Element& e : s.elements) {
            const std::optional<LumpedValue> v = lumpedValue(e, band.source, band.centre);
            if (!v)
                break;
            n.topology.push_back(v->part);
            n.x.push_back(v->x);
        }
        if (n.topology.size() == s.elements.size() && isCanonical(n.topology))
            out.push_back(n);
    }
    return out;
}

struct TopologySearch {
    const LadderEvaluator& evaluator;
    const BroadbandOptions& options;
    const std::map<Topology, LadderNetwork>& smaller;
    const std::vector<LadderNetwork>& centre;
    long evaluations = 0;

    LadderNetwork run(const Topology& t)
    {
        std::vector<double> lower, upper;
        ladderBounds(t, options, evaluator.band().source, lower, upper);
        const std::size_t params = lower.size();
        std::vector<Start> seeds;
        const auto evaluate = [&](std::vector<double> x) {
            for (std::size_t i = 0; i < params; ++i)
                x[i] = std::clamp(x[i], lower[i], upper[i]);
            const double w = evaluator.worst(t, x);
            ++evaluations;
            return Start{std::move(x), w};
        };
        // The best ladders one element smaller, with that element added.
        for (std::size_t i = 0; i < t.size(); ++i) {
            Topology reduced = t;
            reduced.erase(reduced.begin() + static_cast<std::ptrdiff_t>(i));
            const auto it = smaller.find(reduced);
            if (it == smaller.end())
                continue;
            std::size_t at = 0;
            for (std::size_t j = 0; j < i; ++j)
                at += static_cast<std::size_t>(parameterCount(t[j]));
            std::vector<double> x = it->second.x;
            const std::vector<double> added = vanishing(t[i], lower, upper, at);
            x.insert(x.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
            seeds.push_back(evaluate(std::move(x)));
        }
        for (const LadderNetwork& n : centre)
            if (n.topology == t)
                seeds.push_back(evaluate(n.x));

        // The coarse sweep; its best points that lie apart start searches.
        // Lumped values sweep the middle of their range.
        std::vector<double> sweepLower = lower, sweepUpper = upper;
        for (std::size_t i = 0, j = 0; i < t.size(); j += static_cast<std::size_t>(parameterCount(t[i++]))) {
            if (!isDistributed(t[i])) {
                sweepLower[j] = sweepLow;
                sweepUpper[j] = sweepHigh;
            }
        }
        const QuasiRandom sweep(params);
        const std::size_t count = static_cast<std::size_t>(sweepPerValue) * params;
        std::vector<Start> swept;
        swept.reserve(count);
        std::vector<double> x(params);
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t j = 0; j < params; ++j)
                x[j] = sweepLower[j] + (sweepUpper[j] - sweepLower[j]) * sweep.at(i, j);
            swept.push_back(evaluate(x));
        }
        std::sort(swept.begin(), swept.end(),
                  [](const Start& a, const Start& b) { return a.worst < b.worst; });
        std::sort(seeds.begin(), seeds.end(),
                  [](const Start& a, const Start& b) { return a.worst < b.worst; });
        std::vector<Start> starts;
        const auto apart = [&](const Start& s) {
            return std::all_of(starts.begin(), starts.end(), [&](const Start& o) {
                return distance(s.x, o.x, lower, upper) > 0.05;
            });
        };
        for (const Start& s : seeds)
            if (static_cast<int>(starts.size()) < maxStarts - sweepStarts && apart(s))
                starts.push_back(s);
        int fromSweep = 0;
        for (const Start& s : swept) {
            if (fromSweep == sweepStarts)
                break;
            if (apart(s)) {
                starts.push_back(s);
                ++fromSweep;
            }
        }
        Start best{{}, 2.0};
        for (const Start& s : starts) {
            const Start r = refine(evaluator, t, s, lower, upper, evaluations);
            if (r.worst < best.worst)
                best = r;
        }
        return {t, best.x, best.worst};
    }
};

} // namespace

void ladderBounds(const Topology& t, const BroadbandOptions& options, double source,
                  std::vector<double>& lower, std::vector<double>& upper)
{
    lower.clear();
    upper.clear();
    const double zLow = std::log(std::max(options.zcMin, 1e-3) / source);
    const double zHigh = std::max(zLow, std::log(std::max(options.zcMax, 1e-3) / source));
    for (LadderPart p : t) {
        if (isDistributed(p)) {
            lower.insert(lower.end(), {angleLow, zLow});
            upper.insert(upper.end(), {angleHigh, zHigh});
        } else {
            lower.push_back(lumpedLow);
            upper.push_back(lumpedHigh);
        }
    }
}

int topologyCount(const BroadbandOptions& options)
{
    int n = 0;
    for (int e = 1; e <= std::clamp(options.maxElements, 1, maxBroadbandElements); ++e)
        n += static_cast<int>(ladderTopologies(e, options.lines).size());
    return n;
}

BroadbandResult searchBroadband(const LadderEvaluator& evaluator, const BroadbandOptions& options,
                                const std::function<bool(const BroadbandProgress&)>& progress)
{
    BroadbandResult result;
    result.none = {{}, {}, evaluator.worst({}, {})};
    const int maxElements = std::clamp(options.maxElements, 1, maxBroadbandElements);
    const std::vector<LadderNetwork> centre = centreNetworks(evaluator, options);
    BroadbandProgress p{0, topologyCount(options), 0, result.none.worst};
    std::map<Topology, LadderNetwork> previous;
    LadderNetwork rowBest = result.none;
    for (int n = 1; n <= maxElements && !result.cancelled; ++n) {
        std::map<Topology, LadderNetwork> current;
        TopologySearch search{evaluator, options, previous, centre};
        p.elements = n;
        for (const Topology& t : ladderTopologies(n, options.lines)) {
            LadderNetwork found = search.run(t);
            if (found.worst < rowBest.worst)
                rowBest = found;
            current.emplace(t, std::move(found));
            ++result.topologies;
            ++p.done;
            p.bestWorst = rowBest.worst;
            if (progress && !progress(p)) {
                result.cancelled = true;
                break;
            }
        }
        result.evaluations += search.evaluations;
        // A row cut short by Cancel is still the best found with up to n.
        result.best.push_back(rowBest);
        previous = std::move(current);
    }
    const double finest = rowBest.worst;
    for (std::size_t i = 0; i < result.best.size(); ++i) {
        if (result.best[i].worst * sameResult <= finest) {
            result.overall = static_cast<int>(i);
            break;
        }
    }
    return result;
}

} // namespace zelvo
