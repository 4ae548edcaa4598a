// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// How each element moves an impedance, and the matching chain as a whole:
// recomputed at the design frequency, or evaluated at every data point's own
// frequency (wideband). Impedances are Complex(R, X) in ohm.
#include "core/complex.h"
#include "core/element.h"

#include <span>

namespace zelvo {

// 2*pi as capacitors, inductors, lines and stubs use it, and the shorter one
// of RLC groups; results are compared with stored designs, so keep both.
inline constexpr double twoPiElement = 6.28318530718;
inline constexpr double twoPiRlc = 6.28318;
inline constexpr double speedOfLight = 299792458.0; // m/s, physical lengths only

// The impedance after element `e` for the impedance z before it, at frequency
// f; lines and stubs have their electrical length at f0, so their angle
// scales with f / f0. Never returns infinity or NaN: an open or short that
// the formulas reach by dividing by zero comes out as +-DOUBLE_BIG or 0.
Complex transformElement(const Element& e, Complex z, double f, double f0);

// Whether the element has a value at f: everything but a block outside its
// measured range (transformElement then passes the impedance through).
bool elementDefinedAt(const Element& e, double f);

// Elements from..end in order: each takes the running impedance as its begin,
// starting from elements[from]'s stored begin, and stores its end; the whole
// chain at the design frequency f0.
void recomputeChain(std::span<Element> elements, int from, double f0);

// For every point: the impedance at the end of the whole chain evaluated at
// the point's own frequency. The elements are not changed; r and x must hold
// at least points.size() values. A point at which a block has no value is
// marked in `skipped` (when given) and keeps its own impedance.
void evaluateWideband(std::span<const Element> elements, std::span<const DataPoint> points,
                      double f0, std::span<double> r, std::span<double> x,
                      std::span<bool> skipped = {});

struct LineLengths {
    double electricalMm = 0.0; // free-space length
    double mechanicalMm = 0.0; // shortened by sqrt(er)
};

// Physical lengths of a line or stub whose `value` is in wavelengths at f0.
// The wavelength is held in single precision; f0 = 0 gives the largest float.
LineLengths lineLengths(const Element& e, double f0);

} // namespace zelvo
