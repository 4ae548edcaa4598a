// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Textbook matching networks from a load impedance to a target impedance at
// one frequency: the two-element L-networks with ideal L and C, a line with a
// shunt open or short stub, a line with a series L or C, and the quarter-wave
// transformer. Elements come out in chain order (the first one next to the
// load), with their values only; the chain computes their points.
#include "core/complex.h"
#include "core/element.h"
#include "core/texts.h"

#include <string>
#include <vector>

namespace zelvo {

enum class MatchFamily { LNetwork, ShuntStub, SeriesReactance, QuarterWave };

struct MatchSolution {
    MatchFamily family = MatchFamily::LNetwork;
    std::vector<Element> elements; // empty: the load is matched already
};

struct MatchRequest {
    Complex load;        // ohm, at the end of the chain
    Complex target;      // ohm; the chain's end should become this
    double frequency = 0.0; // Hz
    float lineImpedance = 50.0f; // ohm, lines and stubs
    float lineEr = 1.0f;
};

struct MatchResult {
    std::vector<MatchSolution> solutions;
    std::string refusal; // why nothing can be listed; empty otherwise
};

MatchResult synthesiseMatches(const MatchRequest& request);

// "series L, shunt C", "line, quarter-wave transformer", ...: `topology`
// in the language of `texts`.
std::string topologyText(const MatchSolution& s, const Texts& texts);

// Power-wave reflection of z against the target: 0 when z equals the target;
// the ordinary reflection coefficient for a real target.
Complex mismatch(Complex z, Complex target);

// The largest |X| / R along the network from `load` on (its nodes, and for
// lines points along the way), at frequency f: the loaded Q the Q contours
// show. DOUBLE_BIG for a node on the reactance axis.
double networkQ(const std::vector<Element>& elements, Complex load, double f);

} // namespace zelvo
