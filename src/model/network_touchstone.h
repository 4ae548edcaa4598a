// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The matching network without its load as a two-port Touchstone file
// (version 1, RI, Hz): port 1 at the generator (the chain's end), port 2 at
// the load (where the start data point's impedance sits), referenced to the
// design's Z0, so that other tools can cascade it with the load.
#include "model/design.h"
#include "model/dialog_message.h"
#include "model/response.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelvo {

inline constexpr int defaultSweepPoints = 401;
// Beyond this a file would be hundreds of megabytes.
inline constexpr int maxSweepPoints = 100000;

// Why the design has no network to export (no element), or nullopt.
std::optional<DialogMessage> checkNetworkExport(const Design& d);

// Every frequency of the chain's blocks at which all of them have a value,
// rising; empty when the chain holds no block.
std::vector<double> blockSweepFrequencies(const Design& d);

// The response's default sweep (the data points' span widened by 20 %, 401
// points, linear), but never below half the lowest frequency: at 0 Hz a
// series capacitor is an open whose reverse transmission is 0 / 0.
Sweep defaultExportSweep(const Design& d);

// What is wrong with a sweep the user gave, in a sentence; nullopt when it
// can be exported (sweepFrequencies of model/response.h makes it).
std::optional<std::string> sweepProblem(const Sweep& s);

struct NetworkTouchstone {
    std::string text;
    int written = 0;   // frequencies in the file
    int leftOut = 0;   // frequencies at which a block has no value
};

// The file for the frequencies `f` (rising); those at which a block of the
// chain has no value are left out and said so in a comment line.
NetworkTouchstone networkTouchstone(const Design& d, std::span<const double> f);

struct NetworkExportResult {
    bool ok = false;
    DialogMessage message; // the success message, or why nothing was written
};

// Writes through the one replacing writer: a failure leaves an existing
// file as it was. Refused (nothing written) when no frequency remains.
NetworkExportResult writeNetworkTouchstone(const Design& d, std::span<const double> f,
                                           const std::string& path);

} // namespace zelvo
