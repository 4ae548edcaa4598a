// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// One-port Touchstone files (*.s1p, version 1 or keyword files) and their
// import into the design as data points.
#include "model/design.h"
#include "model/dialog_message.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

struct OnePortPoint {
    double frequency = 0; // as written, unit by freqExponent
    double s11re = 0, s11im = 0;
};

struct OnePortData {
    std::string fileName;
    int freqExponent = 9;
    double reference = 50.0; // ohm
    std::vector<OnePortPoint> points;
};

struct OnePortRead {
    std::optional<OnePortData> data;
    std::string problem; // why nothing was read
};

// S-parameters in MA, DB or RI and any unit; every point of the file.
OnePortRead readOnePortText(std::string_view text);
// The file read whole; the problem names the path when it cannot be opened.
OnePortRead loadOnePortFile(const std::string& path);

// The line-selection dialog's header and lines: frequency, |S11|, angle.
std::string onePortHeader(int freqExponent);
std::vector<std::string> onePortLines(const OnePortData& data);

// Appends the chosen points (in the order given) as data points: Z from S11
// and the file's reference, the frequency in hertz. Stops at the data point
// limit or a full history with its message; points before it stay. Refused
// whole after a wideband evaluation.
std::optional<DialogMessage> importOnePortPoints(Design& d, const OnePortData& data,
                                                 const std::vector<int>& rows);

} // namespace zelvo
