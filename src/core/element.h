// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Element kinds and records of the matching chain, and the data point record.
// An element is one record whatever it is: an ideal part, a real part with
// its losses and tolerance, or a measured two-port block with its data.
#include <cstdint>
#include <memory>

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
    Block = 0x1000,      // measured two-port, port 2 towards the load
};

struct DataPoint {
    double r = 0.0; // ohm
    double x = 0.0; // ohm
    double f = 0.0; // Hz
};

// How a part's Q changes with frequency from its value at the reference.
enum class QLaw : std::uint8_t { Constant = 0, Sqrt = 1, Linear = 2 };

// The losses and parasitics of a real part. All zero is the ideal part, which
// is computed exactly as it always was.
struct PartLoss {
    double q = 0.0;          // IS, IP, CS, CP: Q at qFrequency; 0 = lossless
    double qFrequency = 0.0; // Hz
    QLaw qLaw = QLaw::Constant;
    double esr = 0.0; // ohm, CS and CP: a constant series resistance instead of Q
    double srf = 0.0; // Hz, IS and IP: self-resonance (a parallel capacitance)
    double esl = 0.0; // H, CS and CP: series inductance
    double lineDb = 0.0; // LS, LPS, LPO: dB per wavelength at f0, growing as sqrt(f)

    friend bool operator==(const PartLoss&, const PartLoss&) = default;
};

inline bool isIdeal(const PartLoss& l)
{
    return l == PartLoss{};
}

struct BlockData; // core/block.h

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
    PartLoss loss;
    // Fraction of the value (0.05 for 5 %) for L, C and R; 0 = not set, the
    // standard series' tolerance applies.
    double tolerance = 0.0;
    // Block only: the measured data, shared by copies of the element (undo
    // records, previews); reversed puts port 1 towards the load.
    std::shared_ptr<const BlockData> block;
    bool reversed = false;
};

inline bool isLine(ElementKind k)
{
    return k == ElementKind::LS || k == ElementKind::LPS || k == ElementKind::LPO;
}
inline bool isRlc(ElementKind k)
{
    return k == ElementKind::RlcSeries || k == ElementKind::RlcParallel;
}
inline bool isInductor(ElementKind k)
{
    return k == ElementKind::IS || k == ElementKind::IP;
}
inline bool isCapacitor(ElementKind k)
{
    return k == ElementKind::CS || k == ElementKind::CP;
}
inline bool isResistor(ElementKind k)
{
    return k == ElementKind::RS || k == ElementKind::RP;
}
// Kinds in the path from load to generator (the rest stand in shunt).
inline bool isSeries(ElementKind k)
{
    return k == ElementKind::CS || k == ElementKind::IS || k == ElementKind::RS ||
           k == ElementKind::LS || k == ElementKind::TR || k == ElementKind::RlcParallel ||
           k == ElementKind::Block;
}
// Kinds that can carry losses: inductors, capacitors, lines and stubs.
inline bool canBeLossy(ElementKind k)
{
    return isInductor(k) || isCapacitor(k) || isLine(k);
}
// Kinds with a tolerance: every L, C and R.
inline bool hasTolerance(ElementKind k)
{
    return isInductor(k) || isCapacitor(k) || isResistor(k);
}
inline bool isLossy(const Element& e)
{
    return canBeLossy(e.kind) && !isIdeal(e.loss);
}

} // namespace zelvo
