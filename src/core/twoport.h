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

// The reflection looking into port 1 with port 2 ended in gammaLoad, and
// into port 2 with port 1 ended in gammaSource.
Complex inputReflection(const TwoPort& t, Complex gammaLoad);
Complex outputReflection(const TwoPort& t, Complex gammaSource);

// Whether every passive source and load keeps the two-port stable: K > 1 and
// |delta| < 1, or, without feedback (s12 s21 = 0), |s11| < 1 and |s22| < 1.
bool unconditionallyStable(const TwoPort& t);

// The simultaneous conjugate match of an unconditionally stable two-port:
// the source and load reflections that give the maximum available gain
// (s11* and s22* without feedback). nullopt for a potentially unstable one.
struct ConjugateMatch {
    Complex gammaSource;
    Complex gammaLoad;
};
std::optional<ConjugateMatch> simultaneousMatch(const TwoPort& t);

// A design for a chosen gain below the maximum: the load on the operating
// power gain circle of gainDb, the source conjugate to the input it then
// presents (so the transducer gain is gainDb), chosen where both ports keep
// the largest stability margin min(1 - |Gamma_L|, 1 - |Gamma_S|,
// 1 - |Gamma_out|). nullopt when no point of the circle keeps both ports
// stable (or there is no circle for that gain).
struct GainMatch {
    ConjugateMatch terminations;
    double margin = 0.0;
};
std::optional<GainMatch> gainCircleMatch(const TwoPort& t, double gainDb);

} // namespace zelvo
