// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The spread of a matched chain over its parts' tolerances: a seeded Monte
// Carlo run of the chain's end at every load, the yield against a return
// loss target, the worst sample, and which part matters most.
#include "core/spread.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zelvo {

struct ToleranceSetup {
    std::vector<double> tolerances; // per element, a fraction; 0: held at its value
    SpreadLaw law = SpreadLaw::Uniform;
    int samples = 2000;
    std::uint64_t seed = 1;
    double targetDb = 15.0; // the return loss every load must reach
    Complex target{50.0};   // what the chain's end is matched to
    bool keepEnds = true;   // the cloud of ends, for the chart
    // Ends are kept for the first samples only: a large run of a design with
    // many data points would otherwise hold gigabytes for a picture.
    int maxEnds = 20000;
};

struct ToleranceResult {
    int samples = 0; // evaluated (fewer after a cancel)
    int passing = 0;
    double yield = 0.0;          // passing / samples
    double nominalWorstDb = 0.0; // every part at its value
    int worstSample = -1;
    double worstDb = 0.0;
    std::vector<double> worstFactors; // per element, the worst sample's
    // Per element: how much the worst return loss drops (dB) with that part
    // alone at the worse end of its tolerance; 0 for a part held.
    std::vector<double> sensitivityDb;
    int mostSensitive = -1; // element index, -1 when no part varies
    // ends[load * endsPerLoad + sample] for the first endsPerLoad samples,
    // when kept; worstEnds[load] the worst sample's.
    std::vector<Complex> ends;
    int endsPerLoad = 0;
    std::vector<Complex> worstEnds;
    // Per load: the return loss range over the samples (dB).
    std::vector<double> loadBestDb, loadWorstDb;
    bool cancelled = false;
};

// Return loss (dB) of |mismatch|^2; 120 dB for a perfect match.
double returnLossDb(double gamma2);

// `progress(done, total)` is called between blocks of samples; false cancels
// and the result holds the samples done.
ToleranceResult runTolerance(const ChainSpread& chain, const ToleranceSetup& setup,
                             const std::function<bool(int, int)>& progress = {});

} // namespace zelvo
