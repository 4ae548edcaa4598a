// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Element kinds and records of the matching chain, and the data point record.
#include <cstdint>

namespace zelvo {

// One bit per kind; the values are those of the design file and of the
// edit dialog's (kind * 65536 + row) code.
enum class ElementKind : std::int32_t {
    None = 0,
    CS = 0x1,    // series capacitor
    LS = 0x2,    // series transmission line
    RS = 0x4,    // series resistor
    IS = 0x8,    // series inductor
    CP = 0x10,   // shunt capacitor
    LPS = 0x20,  // shorted stub
    LPO = 0x40,  // open stub
    RP = 0x80,   // shunt resistor
    IP = 0x100,  // shunt inductor
    TR = 0x200,  // ideal transformer, ratio = value
    RlcSeries = 0x400,   // R, L, C in series, group in shunt
    RlcParallel = 0x800, // R, L, C in parallel, group in series
};

struct DataPoint {
    double r = 0.0; // ohm
    double x = 0.0; // ohm
    double f = 0.0; // Hz
};

struct Element {
    ElementKind kind = ElementKind::None;
    // F (CS, CP), H (IS, IP), ohm (RS, RP), wavelengths at the design
    // frequency (LS, LPS, LPO), turns ratio (TR); unused by RLC groups.
    double value = 0.0;
    float lineImpedance = 0.0f; // ohm; LS, LPS, LPO
    float lineEr = 0.0f;        // LS, LPS, LPO
    double rlcR = 0.0, rlcL = 0.0, rlcC = 0.0;
    double rBegin = 0.0, xBegin = 0.0;
    double rEnd = 0.0, xEnd = 0.0;
};

inline bool isLine(ElementKind k)
{
    return k == ElementKind::LS || k == ElementKind::LPS || k == ElementKind::LPO;
}
inline bool isRlc(ElementKind k)
{
    return k == ElementKind::RlcSeries || k == ElementKind::RlcParallel;
}

} // namespace zelvo
