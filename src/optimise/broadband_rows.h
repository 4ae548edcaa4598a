// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The broadband search's results as the dialog and the command line show
// them: per row the chain elements, the return loss at every frequency, the
// worst one, the loaded Q and the distance from the Bode-Fano limit.
#include "core/bode_fano.h"
#include "optimise/broadband.h"

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

struct BroadbandRow {
    int size = 0; // the row's n: at most n elements
    std::vector<Element> elements; // chain order, lines in wavelengths at f0
    std::vector<double> returnLoss; // dB, per band frequency
    double worstReturnLoss = 0.0;   // dB, the smallest of them
    std::optional<double> q;        // loaded Q at the band centre, when the load is known there
    std::optional<double> belowLimit; // dB under the limit's return loss
};

struct BroadbandSummary {
    std::vector<BroadbandRow> rows;
    BroadbandRow none; // the load without a network
    int overall = -1;
    LoadFits fits;
    std::optional<double> limitReturnLoss; // dB, of the chosen model
};

// Return loss of |Gamma| in dB, 120 dB for a perfect match.
double returnLossOf(double gamma);

// f0 is the frequency the lines' lengths refer to (the design frequency);
// er the lines' permittivity for their physical lengths.
BroadbandSummary summarise(const LadderEvaluator& evaluator, const BroadbandResult& result,
                           double f0, float er, std::optional<Complex> centreLoad);

// "parallel RC: R = 100 Ohm, C = 5 pF (fit error |dGamma| <= 0.002)" and the
// limit's sentence; several lines for the command line and the dialog.
std::string limitText(const BroadbandSummary& s, double f1, double f2);

} // namespace zelvo
