// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Broadband matching by search over ladder topologies, after the published
// grid-search method: for every ladder of up to N elements, a coarse
// quasi-random sweep over the normalised values, then a local minimax
// refinement (NLopt's SLSQP on the worst weighted |Gamma| over the band)
// from the best points of the sweep, from the best smaller ladders with one
// element added at a vanishing value, and from the single-frequency
// L-networks at the band centre. Deterministic for a given input.
#include "core/ladder.h"

#include <functional>
#include <optional>
#include <vector>

namespace zelvo {

inline constexpr int maxBroadbandElements = 8;
// Lines and stubs make many more ladders: beyond this a search takes minutes.
inline constexpr int maxBroadbandElementsWithLines = 5;

struct BroadbandOptions {
    int maxElements = 4; // 1..maxBroadbandElements
    bool lines = false;  // lines and open or short stubs besides L and C
    double zcMin = 15.0, zcMax = 150.0; // ohm, the lines' and stubs' impedances
    // The load at the band centre: its L-networks start searches of the
    // two-element ladders, so the result is never worse than they are.
    std::optional<Complex> centreLoad;
};

struct LadderNetwork {
    Topology topology; // empty: the load left as it is
    std::vector<double> x; // normalised values (see core/ladder.h)
    double worst = 1.0;    // the worst weighted |Gamma| over the band
};

struct BroadbandProgress {
    int done = 0;  // topologies searched
    int total = 0;
    int elements = 0; // the size being searched
    double bestWorst = 1.0;
};

struct BroadbandResult {
    // best[n - 1]: the best ladder with at most n elements, so that a row is
    // never worse than the one before (a smaller ladder is a special case).
    std::vector<LadderNetwork> best;
    LadderNetwork none; // no network at all
    int overall = -1; // the row of the best overall: fewest elements within 0.01 dB
    int topologies = 0; // searched
    long evaluations = 0;
    bool cancelled = false;
};

// The number of topologies the options search.
int topologyCount(const BroadbandOptions& options);

// `progress` is called after every topology; returning false cancels, and
// the rows finished so far are the result.
BroadbandResult searchBroadband(const LadderEvaluator& evaluator, const BroadbandOptions& options,
                                const std::function<bool(const BroadbandProgress&)>& progress = {});

// The bounds of a ladder's normalised values for the options (lumped values
// over ten decades each side of Rs, angles up to half a wave, impedances
// within zcMin..zcMax).
void ladderBounds(const Topology& t, const BroadbandOptions& options, double source,
                  std::vector<double>& lower, std::vector<double>& upper);

} // namespace zelvo
