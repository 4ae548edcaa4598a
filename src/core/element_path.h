// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The path an element's end impedance travels as the element grows from
// nothing to itself: for a two-port with chain matrix M, the map of M^t for
// t from 0 to 1. For a series or shunt part, a line shorter than a quarter
// wave or a transformer this is the circle arc the chart always drew; for a
// measured block it is the same kind of path through its own matrix.
#include "core/abcd.h"
#include "core/complex.h"

#include <optional>
#include <vector>

namespace zelvo {

// M^t (0 <= t <= 1), scaled to determinant 1, on the branch that turns the
// least: a lossless line longer than a quarter wave is taken the shorter way
// round (its matrix is only known up to sign, and -M maps like M). nullopt
// for a matrix without a usable inverse (a one-way device), whose map
// collapses every load onto one impedance.
std::optional<Abcd> abcdPower(const Abcd& m, double t);

// `steps` + 1 impedances from zBegin (t = 0) to the element's end (t = 1);
// empty when abcdPower has no value.
std::vector<Complex> elementPath(const Abcd& m, Complex zBegin, int steps);

} // namespace zelvo
