// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The finished chain over a continuous sweep: what the generator sees, what
// the load sees, the transducer gain and stability of the whole network with
// its blocks, and the noise figure where a block has noise data.
#include "core/complex.h"
#include "model/design.h"

#include <span>
#include <string>
#include <vector>

namespace zelvo {

struct Sweep {
    double start = 0.0; // Hz
    double stop = 0.0;
    int points = 401;
    bool logarithmic = false;
};

// The data points' span widened by 20 % (10 % on each side, never below
// 0 Hz), 401 points, linear. A design with one frequency gets +-10 % of it;
// none gives an empty sweep (points 0).
Sweep defaultSweep(const Design& d);
// The sweep's frequencies, rising; a logarithmic sweep needs start > 0.
std::vector<double> sweepFrequencies(const Sweep& s);

// How the load is taken over the sweep.
enum class LoadModel {
    Interpolated, // the data points, linear in Gamma between their frequencies
    Constant,     // the start point's impedance at every frequency
};

struct ResponsePoint {
    double f = 0.0;
    bool defined = true; // false where a block has no value: nothing below holds
    Complex load;        // ohm, the load at f
    Complex input;       // ohm, the chain end (what the generator sees)
    double inputReturnLossDb = 0.0; // against z0
    double vswr = 1.0;
    double outputReturnLossDb = 0.0; // the load against the chain seen from it (conjugate)
    double gainDb = 0.0;             // transducer gain from a z0 generator into the load
    double k = 0.0, mu = 0.0;        // of the whole chain against z0 (NaN where undefined)
    double noiseFigureDb = 0.0;      // NaN without noise data at f
};

struct Response {
    LoadModel load = LoadModel::Constant;
    bool hasBlock = false;
    bool hasNoise = false; // some block on the generator side has noise data
    std::vector<ResponsePoint> points;
};

// The load at f under `model` (the data points as they stand).
Complex loadAt(const Design& d, LoadModel model, double f);
// Interpolated when the data points have two or more distinct frequencies.
LoadModel loadModelOf(const Design& d);

// The response of the design's chain over `frequencies`; `elements` may
// stand in for the design's chain (previews, tolerance samples).
Response computeResponse(const Design& d, const std::vector<double>& frequencies);
Response computeResponse(const Design& d, std::span<const Element> elements,
                         const std::vector<double>& frequencies);

// The response as comma-separated text for a spreadsheet: a header row, then
// one row per frequency (Hz; ohm; dB). A value that does not exist there (a
// block without data, K of a chain without feedback, no noise data) is an
// empty field, never a made-up number.
std::string responseCsv(const Response& r);

} // namespace zelvo
