// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The load of a broadband match and the band it is matched over. The load
// is known at some frequencies (the design's data points through the chain
// drawn so far, or a one-port file) and is interpolated linearly in Gamma
// between them; the band's frequencies are spread evenly over it or are the
// load's own.
#include "core/ladder.h"
#include "model/design.h"
#include "model/one_port.h"

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

inline constexpr int defaultBandPoints = 41;
inline constexpr int minBandPoints = 3;
inline constexpr int maxBandPoints = 1001;

struct LoadSamples {
    std::vector<double> frequencies; // Hz, ascending and distinct
    std::vector<Complex> gammas;     // against `reference`
    double reference = 50.0;         // ohm
    std::string note; // what was left out while reading, or empty
};

struct LoadRead {
    std::optional<LoadSamples> samples;
    std::string problem; // why there is no load
};

// Every data point through the chain's elements at its own frequency.
LoadRead designLoad(const Design& d);
// Every point of a one-port file.
LoadRead onePortLoad(const OnePortData& data);

// Gamma at f, linear between the two nearest samples; nullopt outside them.
std::optional<Complex> interpolateGamma(const LoadSamples& s, double f);

struct BandRequest {
    double f1 = 0.0, f2 = 0.0; // Hz
    int count = defaultBandPoints; // evenly spaced, f1 and f2 included
    bool ownFrequencies = false;   // the load's own frequencies inside the band
    double weight1 = 1.0, weight2 = 1.0; // |Gamma| weights at f1 and f2, linear between
    double source = 50.0;          // ohm
};

struct BandProblem {
    LadderBand band; // the loads in ohm; frequencies left out are not in it
    std::optional<Complex> centreLoad; // at (f1 + f2) / 2, when passive there
    std::string problem; // non-empty: nothing to search
    std::string warning; // frequencies left out
};

BandProblem makeBandProblem(const LoadSamples& s, const BandRequest& r);

} // namespace zelvo
