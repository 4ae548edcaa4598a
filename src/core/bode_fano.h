// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// How well any lossless network can match a reactive load over a band (the
// Bode-Fano limit), for a load described by a simple model fitted to it:
// R with C or L in parallel or in series, or a resonant RLC. With |Gamma| at
// most Gm over the band f1..f2 (dw = 2 pi (f2 - f1), w1 w2 = 4 pi^2 f1 f2):
//   parallel RC   ln(1/Gm) <= pi / (dw R C)
//   series RL     ln(1/Gm) <= pi R / (dw L)
//   series RC     ln(1/Gm) <= pi R C w1 w2 / dw
//   parallel RL   ln(1/Gm) <= pi L w1 w2 / (R dw)
// A series RLC obeys both series bounds, a parallel RLC both parallel ones;
// the smaller one holds.
#include "core/complex.h"

#include <optional>
#include <span>
#include <vector>

namespace zelvo {

enum class FanoModel { ParallelRC, SeriesRL, SeriesRC, ParallelRL, SeriesRLC, ParallelRLC };

struct LoadFit {
    FanoModel model = FanoModel::ParallelRC;
    double r = 0.0, l = 0.0, c = 0.0; // ohm, H, F; the parts the model lacks are 0
    double error = 0.0; // the largest |Gamma(model) - Gamma(load)| over the band
    double limit = 0.0; // the bound on ln(1 / worst |Gamma|)
};

// "parallel RC", "series RLC", ...
const char* fanoModelName(FanoModel m);

// The bound on ln(1 / worst |Gamma|) of a model over f1..f2 (Hz).
double fanoBound(FanoModel m, double r, double l, double c, double f1, double f2);
// The best worst-case return loss (dB) that the bound allows.
double boundReturnLoss(double bound);

struct LoadFits {
    std::optional<LoadFit> chosen; // none when no model has positive parts
    std::vector<LoadFit> candidates; // every model that fitted with positive parts
    bool resistive = false; // a plain resistance fits within 0.001: no bound at all
};

// Each model fitted to the load near the band's centre (f1 + f2) / 2 (the
// frequencies with a non-zero weight): the two-part models to the load's
// value there, the resonant ones to its value and slope. Their errors over
// the whole band decide: the two-part models win unless a resonant one fits
// clearly better.
LoadFits fitLoadModels(std::span<const double> frequencies, std::span<const Complex> loads,
                       std::span<const double> weights, double source, double f1, double f2);

} // namespace zelvo
