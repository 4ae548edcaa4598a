// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Designs and data sets for the rendering tests, built field by field so that
// they depend only on the element formulas.
#include "core/chain.h"
#include "core/twoport_types.h"
#include "model/design.h"
#include "model/sparam_set.h"
#include "support/element_builders.h"

#include <cmath>
#include <numbers>

namespace zelvo::testing {

inline void pushEntry(Design& d, HistoryEntry k)
{
    d.history[static_cast<std::size_t>(d.historyCount++)] = k;
    d.historyTop = d.historyCount;
}

inline void addPoint(Design& d, double r, double x, double f = 1e9)
{
    d.dataPoints[static_cast<std::size_t>(d.dataPointCount++)] = {r, x, f};
    pushEntry(d, HistoryEntry::DataPoint);
    if (d.dataPointCount == 1) {
        d.startPoint = 1;
        d.currentPoint = {r, x};
    }
}

inline double startFrequency(const Design& d)
{
    return d.dataPoints[static_cast<std::size_t>(d.startPoint - 1)].f;
}

// Appends an element starting where the chain ends and fills in its end.
inline Element& addElement(Design& d, Element e)
{
    const DataPoint& start = d.dataPoints[static_cast<std::size_t>(d.startPoint - 1)];
    const Complex begin = d.elementCount == 0
                              ? Complex{start.r, start.x}
                              : Complex{d.elements[static_cast<std::size_t>(d.elementCount - 1)].rEnd,
                                        d.elements[static_cast<std::size_t>(d.elementCount - 1)].xEnd};
    e.rBegin = begin.re;
    e.xBegin = begin.im;
    const double f0 = startFrequency(d);
    const Complex end = transformElement(e, begin, f0, f0);
    e.rEnd = end.re;
    e.xEnd = end.im;
    Element& slot = d.elements[static_cast<std::size_t>(d.elementCount++)];
    slot = e;
    pushEntry(d, HistoryEntry::Element);
    return slot;
}

inline Element rlc(ElementKind k, double r, double l, double c) { return rlcElement(k, r, l, c); }

// A chain from 25 - j30 ohm at 1 GHz through every element kind.
inline Design everyKindDesign()
{
    Design d;
    addPoint(d, 25.0, -30.0, 1e9);
    addPoint(d, 80.0, 40.0, 1.5e9);
    addPoint(d, 10.0, 5.0, 0.7e9);
    addElement(d, element(ElementKind::IS, 5e-9));
    addElement(d, element(ElementKind::CP, 2e-12));
    addElement(d, element(ElementKind::RS, 20.0));
    addElement(d, element(ElementKind::CS, 4e-12));
    addElement(d, element(ElementKind::IP, 10e-9));
    addElement(d, element(ElementKind::RP, 300.0));
    addElement(d, element(ElementKind::LS, 0.08, 75.0f, 2.2f));
    addElement(d, element(ElementKind::LPS, 0.1, 50.0f, 1.0f));
    addElement(d, element(ElementKind::LPO, 0.07, 60.0f, 4.0f));
    addElement(d, element(ElementKind::TR, 1.4));
    addElement(d, rlc(ElementKind::RlcSeries, 200.0, 20e-9, 1e-12));
    addElement(d, rlc(ElementKind::RlcParallel, 500.0, 8e-9, 3e-12));
    return d;
}

inline void addWideband(Design& d)
{
    const double f0 = startFrequency(d);
    evaluateWideband(std::span<const Element>(d.elements.data(), static_cast<std::size_t>(d.elementCount)),
                     std::span<const DataPoint>(d.dataPoints.data(), static_cast<std::size_t>(d.dataPointCount)),
                     f0, d.widebandR, d.widebandX);
    d.widebandDone = true;
    pushEntry(d, HistoryEntry::Wideband);
}

// The two-port the circle dialogs start with: potentially unstable, 20 dB MSG.
inline StoredSParams sampleTwoPort()
{
    TwoPort t;
    t.s11 = {-0.63362, -0.096958};
    t.s12 = {0.054709, 0.015998};
    t.s21 = {5.8086, 0.98199};
    t.s22 = {-0.056811, -0.56917};
    return narrow(t);
}

inline void addCircles(Design& d)
{
    StabilityCircleRecord s;
    s.plane = CirclePlane::Input;
    s.s = sampleTwoPort();
    d.stabilityCircles[static_cast<std::size_t>(d.stabilityCount++)] = s;
    s.plane = CirclePlane::Output;
    d.stabilityCircles[static_cast<std::size_t>(d.stabilityCount++)] = s;
    GainCircleRecord g;
    g.plane = CirclePlane::Input;
    g.p = 15.0f;
    g.s = sampleTwoPort();
    d.gainCircles[static_cast<std::size_t>(d.gainCount++)] = g;
    g.p = 18.0f;
    d.gainCircles[static_cast<std::size_t>(d.gainCount++)] = g;
    NoiseCircleRecord n;
    n.nfMin = 1.9;
    n.gammaOpt = {-0.50728, 0.28119};
    n.rn = 0.15;
    n.nf = 2.5;
    d.noiseCircles[static_cast<std::size_t>(d.noiseCount++)] = n;
    n.nf = 4.0;
    d.noiseCircles[static_cast<std::size_t>(d.noiseCount++)] = n;
}

} // namespace zelvo::testing
