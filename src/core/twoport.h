// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Two-port analysis: stability factor, maximum gain and the stability, gain
// and noise circles drawn on the chart.
#include <optional>

#include "core/complex.h"
#include "core/twoport_types.h"

namespace zelvo {

struct Circle {
    Complex centre;
    double radius = 0.0;
};

struct StabilityCircle {
    Complex centre;
    double radius = 0.0;
    StableSide stableSide = StableSide::Inside;
};

// s11*s22 - s12*s21.
Complex determinant(const TwoPort& t);
// Rollett's K; nullopt when |s12| = 0.
std::optional<double> stabilityFactor(const TwoPort& t);
// MAG when K >= 1, MSG otherwise, in dB; nullopt when |s12| = 0.
std::optional<double> maxGainDb(const TwoPort& t);
// K - sqrt(K^2 - 1), the factor of |s21/s12| that gives the maximum available
// gain; NaN for K < 1, where no such gain exists.
double maxAvailableGainFactor(double k);
// Edwards-Sinsky stability factors: the distance from the chart's centre to
// the nearest unstable reflection in the load plane (mu) and in the source
// plane (mu'). The two-port is unconditionally stable exactly when mu > 1.
// Infinite when no reflection of that plane is unstable (s12*s21 = 0 and the
// other port matched).
struct MuFactors {
    double load;
    double source;
};
MuFactors muFactors(const TwoPort& t);
StabilityCircle stabilityCircle(const TwoPort& t, CirclePlane plane);
Circle gainCircle(const TwoPort& t, CirclePlane plane, double gainDb);
Circle noiseCircle(double nfMinDb, Complex gammaOpt, double rn, double nfDb);

// The simultaneous conjugate match of an unconditionally stable two-port
// (K > 1, |delta| < 1): the source and load reflections that give MAG.
// nullopt for a potentially unstable one.
struct ConjugateMatch {
    Complex gammaSource;
    Complex gammaLoad;
};
std::optional<ConjugateMatch> simultaneousMatch(const TwoPort& t);

} // namespace zelvo
