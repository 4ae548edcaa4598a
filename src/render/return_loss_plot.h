// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The broadband dialog's small plot: return loss over the band of the chosen
// network and of the load alone, with the Bode-Fano limit as a line. Device
// coordinates, y down, the plot filling width x height.
#include "core/texts.h"
#include "render/canvas.h"

#include <optional>
#include <vector>

namespace zelvo {

struct ReturnLossPlot {
    std::vector<double> frequencies; // Hz, ascending
    std::vector<double> returnLoss;  // dB, the network; empty: none chosen
    std::vector<double> unmatched;   // dB, the load alone
    std::optional<double> limit;     // dB
    Texts texts = {};
};

// The top of the dB axis: the largest value shown (a network, or the limit
// when it lies not far above), rounded up to a multiple of 5, 5 at least
// and 60 at most.
double plotTop(const ReturnLossPlot& p);

void drawReturnLossPlot(Canvas& canvas, const ReturnLossPlot& p, int width, int height);

} // namespace zelvo
