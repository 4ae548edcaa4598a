// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Every element of the chain as a two-port: its chain (ABCD) matrix at a
// frequency, port 1 towards the generator and port 2 towards the load (the
// chain's running impedance before the element). The product over the chain
// gives its response: input impedance, transducer gain, S-parameters.
#include "core/complex.h"
#include "core/element.h"
#include "core/twoport_types.h"

#include <optional>
#include <span>

namespace zelvo {

// The matrix is (a b; c d) / den: a homogeneous matrix and a divisor, so that
// an open, a short or a one-way device (S21 = 0) needs no infinity. The
// impedance map (a Z + b) / (c Z + d) does not depend on den.
struct Abcd {
    Complex a{1.0}, b{0.0}, c{0.0}, d{1.0};
    Complex den{1.0};
};

// `generatorSide` followed, towards the load, by `loadSide`; scaled back
// towards 1 (the ratios are what count).
Abcd cascade(const Abcd& generatorSide, const Abcd& loadSide);

// (a Z + b) / (c Z + d), finite (saturated) also for an open Z of DOUBLE_BIG.
Complex inputImpedance(const Abcd& m, Complex zLoad);
// Looking back into port 2 with port 1 ended in zSource: (d Zs + b) / (c Zs + a).
Complex outputImpedance(const Abcd& m, Complex zSource);

// A part's impedance as a fraction num / den (den = 0: an open).
struct ImpedanceRatio {
    Complex num{0.0};
    Complex den{1.0};
};

// The impedance of a part at f, losses and parasitics included: L, C, R and
// the RLC groups (the group's own impedance; SERIES is placed in shunt,
// PARALLEL in series). Lines, stubs, the transformer and blocks have none.
std::optional<ImpedanceRatio> partImpedance(const Element& e, double f);

// Q of a lossy L or C at f from its Q at the reference frequency and its law.
double partQ(const PartLoss& loss, double f);

// The chain matrix of element `e` at f (lines have their length at f0).
// nullopt where the element has no value (a block outside its range).
std::optional<Abcd> elementAbcd(const Element& e, double f, double f0);

// Whether every element has a value at f.
bool chainDefinedAt(std::span<const Element> elements, double f);

// The chain as one two-port: elements[0] next to the load, the last one at
// the generator. nullopt where an element has no value.
std::optional<Abcd> chainAbcd(std::span<const Element> elements, double f, double f0);

// S-parameters of a two-port against a real reference z0.
TwoPort sFromAbcd(const Abcd& m, double z0);
Abcd abcdFromS(const TwoPort& s, double z0);

// Transducer gain of the two-port between a source zs and a load zl:
// 4 Re(zs) Re(zl) / |A zl + B + C zs zl + D zs|^2.
double transducerGain(const Abcd& m, Complex zs, Complex zl);

// The noise figure (linear) of a device with minimum noise figure fMin
// (linear), optimum source reflection gammaOpt and noise resistance rn
// (ohm), all against z0, fed from a source reflection gammaS.
double noiseFactor(double fMin, Complex gammaOpt, double rn, double z0, Complex gammaS);

} // namespace zelvo
