// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Element values searched over a band: the worst mismatch of the chain's end
// against a target over the chosen data points is minimised within bounds,
// by a derivative-free bounded search with several starts.
#include "core/wideband_evaluator.h"
#include "model/design.h"

#include <functional>
#include <vector>

namespace zelvo {

struct OptimiseSetup {
    std::vector<TuneVariable> variables;
    std::vector<double> lower, upper; // per variable, > 0
    Complex target{50.0};
    std::vector<int> points; // data point indices; empty: all
    int maxEvaluations = 6000;
    int starts = 4; // the present values first, then spread over the bounds
};

struct OptimiseProgress {
    int evaluations = 0;
    double bestWorst = 0.0; // |mismatch|
};

struct OptimiseResult {
    std::vector<double> values; // the best found, in the setup's order
    double worst = 1.0;         // its worst |mismatch|
    double startWorst = 1.0;    // with the present values
    int evaluations = 0;
    bool cancelled = false;
};

// The default setup for a design: every element with its default part,
// bounds 0.2x..5x of the present value (within what the dialogs accept).
OptimiseSetup defaultSetup(const Design& d, float z0);
// Bounds 0.2x..5x of `value`, within what the dialogs accept.
PartRange defaultBounds(ElementKind k, ElementPart part, double value);

// `progress` is called every few evaluations; returning false cancels, and
// the best values found so far are the result.
OptimiseResult optimise(const Design& d, const OptimiseSetup& setup,
                        const std::function<bool(const OptimiseProgress&)>& progress = {});

// The present values of the setup's variables in `d`.
std::vector<double> presentValues(const Design& d, const std::vector<TuneVariable>& variables);
// The result as the records editElementValues applies in one history entry.
std::vector<EditRecord> resultRecords(const Design& d, const std::vector<TuneVariable>& variables,
                                      const std::vector<double>& values);

} // namespace zelvo
