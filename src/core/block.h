// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A measured two-port in the chain: its S-parameters over frequency, with the
// noise data when the file has it. Between the measured frequencies the
// S-parameters are interpolated linearly in real and imaginary part; outside
// them the block has no value (nothing is extrapolated).
#include "core/complex.h"
#include "core/twoport_types.h"

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

struct BlockNoise {
    double f = 0.0;     // Hz
    double nfMinDb = 0.0;
    Complex gammaOpt;   // against the block's reference impedance
    double rn = 0.0;    // ohm
};

struct BlockData {
    std::string name;       // the file's base name, shown in the schematic
    std::string sourceText; // the Touchstone file byte for byte, kept in designs
    double z0 = 50.0;       // reference impedance of the S-parameters, ohm
    std::vector<double> f;  // Hz, strictly ascending
    std::vector<TwoPort> s; // one per frequency
    std::vector<BlockNoise> noise; // ascending in f; may be empty
};

// S-parameters at f with port 1 towards the generator; reversed swaps the
// ports. nullopt outside [f.front(), f.back()].
std::optional<TwoPort> blockSParams(const BlockData& b, double f, bool reversed);

// Minimum noise figure (dB), optimum source reflection (against b.z0) and
// noise resistance (ohm) at f, interpolated like the S-parameters (the noise
// data describes port 1 as the input; a reversed block has none).
std::optional<BlockNoise> blockNoise(const BlockData& b, double f, bool reversed);

// Whether f lies within the measured range.
bool blockCovers(const BlockData& b, double f);

} // namespace zelvo
