// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A design's chain as the tolerance spread and the standard value search
// take it: its data points as loads, each at its own frequency, and the
// tolerance each part has.
#include "core/spread.h"
#include "core/standard_values.h"
#include "core/tolerance.h"
#include "model/design.h"

#include <span>
#include <vector>

namespace zelvo {

struct DesignLoads {
    std::vector<SpreadLoad> loads;
    std::vector<int> points; // the data point index of each load
};

// Every data point at which the whole chain has a value (a block may not).
DesignLoads designLoads(const Design& d);

std::span<const Element> designChain(const Design& d);

// The part's own tolerance, or its series' where it has none; 0 for an
// element without a value to spread (lines, blocks, ...).
double effectiveTolerance(const Element& e, ESeries series);
std::vector<double> designTolerances(const Design& d);

// The design's L, C and R moved to the series' values that give the best
// worst return loss against z0 over the data points, as the records
// editElementValues applies (only the elements that change).
std::vector<EditRecord> standardValueRecords(const Design& d, const StandardChoice& choice);

// The return loss against z0 over a sweep, as the frequency response shows
// it, with its spread over the parts' tolerances: per frequency the best and
// the worst sample and the chain as it is (dB). The load between the data
// points as the response takes it; NaN at frequencies at which a block has
// no value (gaps in a graph).
struct ReturnLossBand {
    std::vector<double> f;
    std::vector<double> bestDb, worstDb, nominalDb;
};
ReturnLossBand returnLossBand(const Design& d, const std::vector<double>& frequencies,
                              ToleranceSetup setup);

} // namespace zelvo
