// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Reading the S-Plot views off at a point: the drawn point nearest to the
// pointer, its values as text, and the pinned markers.
#include "core/texts.h"
#include "model/sparam_set.h"
#include "render/canvas.h"
#include "render/splot_plots.h"

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

// Pointer distance within which a point is "under" it, in pixels.
inline constexpr int tracePickDistance = 12;

// The index of the position nearest to `p` within maxDistance pixels (the
// first of equals); nullopt when none is that near.
std::optional<int> nearestPosition(const std::vector<std::optional<Point>>& positions, Point p,
                                   int maxDistance = tracePickDistance);

// The frequency of a point in Hz, engineering form: "1.25GHz".
std::string pointFrequencyText(const SParamSet& set, int index);

// "f = 1.25GHz", then for S11 / S22 "|S11| = 0.512 / -35.2°" and
// "Z = 23.10 - j12.00 Ohm" (in the file's reference impedance); for S12 / S21
// the magnitude in dB as well. Lines joined with "\n".
std::string traceReadoutText(const SParamSet& set, TraceCode code, int index,
                             const Texts& texts = {});
// "f = 1.25GHz" and "MAG = 14.20 dB" (or MSG).
std::string gainReadoutText(const SParamSet& set, int index);

// A pinned marker: a small triangle whose tip touches the point and the
// frequency above it. yUp tells which way "above" is on the surface.
void drawPointMarker(Canvas& canvas, Point at, const std::string& label, bool yUp, int fontHeight);

// Pins the index, or unpins it when it is pinned already.
void togglePinned(std::vector<int>& pinned, int index);

} // namespace zelvo
