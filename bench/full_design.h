// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The full design the benchmarks share: every list at its capacity (150 data
// points, 150 elements of every kind, 30 Q and 30 VSWR contours, 20 circles of
// each two-port kind) and the wideband result, built through the model.
#include "model/design.h"

#include <memory>

namespace zelvo::bench {

inline void fillDesign(Design& d)
{
    resetDesign(d);
    for (int i = 0; i < Design::pointCapacity; ++i)
        appendDataPoint(d, {10.0 + 1.5 * i, -80.0 + 1.1 * i, 4e8 + 1e7 * i});
    const ElementKind kinds[] = {
        ElementKind::CS, ElementKind::LS,  ElementKind::RS,        ElementKind::IS,
        ElementKind::CP, ElementKind::LPS, ElementKind::LPO,       ElementKind::RP,
        ElementKind::IP, ElementKind::TR,  ElementKind::RlcSeries, ElementKind::RlcParallel};
    for (int i = 0; i < Design::elementCapacity; ++i) {
        Element e;
        e.kind = kinds[i % 12];
        e.value = isLine(e.kind)                                           ? 0.02 + 0.0005 * i
                  : e.kind == ElementKind::TR                              ? (i % 24 < 12 ? 1.05 : 0.95)
                  : e.kind == ElementKind::RS || e.kind == ElementKind::RP ? 5.0 + i
                  : e.kind == ElementKind::CS || e.kind == ElementKind::CP ? 1e-12 * (1 + i % 7)
                                                                           : 1e-9 * (1 + i % 5);
        e.lineImpedance = 50.0f;
        e.lineEr = 2.2f;
        e.rlcR = 200;
        e.rlcL = 5e-9;
        e.rlcC = 2e-12;
        appendElement(d, e);
    }
    for (int i = 0; i < Design::qCapacity; ++i)
        d.qCircles[static_cast<std::size_t>(i)] = 0.2f + 0.3f * static_cast<float>(i);
    d.qCount = Design::qCapacity;
    for (int i = 0; i < Design::vswrCapacity; ++i)
        d.vswrCircles[static_cast<std::size_t>(i)] = 1.1f + 0.4f * static_cast<float>(i);
    d.vswrCount = Design::vswrCapacity;
    TwoPort t{{-0.63362, -0.096958}, {0.054709, 0.015998}, {5.8086, 0.98199}, {-0.056811, -0.56917}};
    for (int i = 0; i < Design::stabilityCapacity; ++i) {
        StabilityCircleRecord s;
        s.plane = i % 2 ? CirclePlane::Output : CirclePlane::Input;
        t.s11.re = -0.63362 + 0.01 * i;
        s.s = narrow(t);
        appendStabilityCircle(d, s);
        GainCircleRecord g;
        g.plane = s.plane;
        g.p = 5.0f + static_cast<float>(i % 10);
        g.s = s.s;
        appendGainCircle(d, g);
        appendNoiseCircle(d, {1.9, {-0.50728, 0.28119}, 0.15, 2.0 + 0.2 * i});
    }
    runWideband(d);
}

inline std::unique_ptr<Design> fullDesign()
{
    auto d = std::make_unique<Design>();
    fillDesign(*d);
    return d;
}

} // namespace zelvo::bench
