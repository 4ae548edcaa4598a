// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The path a real part moves the impedance along as its value runs over its
// range. Losses take it off the circle of constant resistance or conductance
// an ideal part keeps to, so placing a lossy part and drawing it on the chart
// both follow this sampled path instead.
#include "core/complex.h"
#include "core/element.h"

#include <vector>

namespace zelvo {

// One parameter t over a kind's whole range of values: t = 0 is the kind's
// identity (no inductance in series, no capacitance in shunt, an infinite
// capacitance in series or inductance in shunt, a line of no length), t = 1
// its far end (an open or a short; half a wavelength for lines and stubs,
// which may go on beyond it). L and C take tan(t pi / 2) times the begin
// point's normalised resistance + 1 (series) or conductance + 1 (shunt) as
// their normalised reactance or susceptance: equal steps of t are then equal
// angles along the ideal part's circle.
double valueAtPathParameter(ElementKind kind, double t, Complex begin, double z0, double f0);
double pathParameterOfValue(ElementKind kind, double value, Complex begin, double z0, double f0);

// Where the sampled parameter of L and C stops short of the open or short
// (and of the infinite or zero value the far end needs); it starts as close
// above 0 for the same reason.
inline constexpr double pathParameterStart = 1e-9;
inline constexpr double pathParameterEnd = 1.0 - 1e-6;

struct PathPoint {
    double t = 0.0;
    Complex z; // ohm
};

// The impedances `e` (kind, losses, line data) reaches from `begin` at the
// design frequency f0 as t runs from 0 to tEnd: evenly spaced in t, about
// 240 samples per unit of t, the last one exactly at tEnd. Empty when the
// kind has no path or f0 is not a positive frequency.
std::vector<PathPoint> partPath(const Element& e, Complex begin, double z0, double f0,
                                   double tEnd);

// The path of an element as committed: from its identity to its own value.
std::vector<PathPoint> committedPath(const Element& e, double z0, double f0);

// Whether placing and drawing `e` follow its path rather than a circle.
inline bool followsPath(const Element& e)
{
    return isLossy(e);
}

} // namespace zelvo
