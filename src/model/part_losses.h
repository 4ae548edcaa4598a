// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The losses of real parts as the user gives and reads them: the ranges the
// dialogs and the settings file accept, the losses new parts take when they
// are placed, and the short text under a part's value ("Q 30 @ 2.4 GHz").
#include "core/element.h"

#include <string>

namespace zelvo {

// Beyond these a part is no longer a usable L, C or line at any frequency a
// chart is drawn for. A blank field or 0 means "none" for every one of them.
inline constexpr double minPartQ = 1.0;
inline constexpr double maxPartQ = 1e6;
inline constexpr double maxPartEsr = 1e3;       // ohm
inline constexpr double maxPartEsl = 1e-6;      // H
inline constexpr double maxLineLossDb = 10.0;   // dB per wavelength at f0
inline constexpr double maxLossFrequency = 1e12; // Hz, as for data points

// The losses the toolbox gives new inductors, capacitors and lines or stubs
// (kept in the settings file). All ideal by default.
struct PartLossDefaults {
    PartLoss inductor;
    PartLoss capacitor;
    PartLoss line;
    friend bool operator==(const PartLossDefaults&, const PartLossDefaults&) = default;
};

// The losses a new part of `kind` takes, ideal for kinds without losses; a
// Q set without its frequency holds at the design frequency f0.
PartLoss defaultLossFor(const PartLossDefaults& defaults, ElementKind kind, double f0);

// `loss` with only the fields `kind` uses; each kept only when it lies in
// its range (a Q below 1 or a negative value is no loss at all).
PartLoss lossForKind(const PartLoss& loss, ElementKind kind);

// The part's losses in a few words: "Q 30 @ 2.4 GHz (∝√f), SRF 6 GHz",
// "ESR 0.1 Ω, ESL 0.5 nH", "0.2 dB/λ" (UTF-8), or in plain ASCII for
// netlists ("Q 30 @ 2.4 GHz (Q ~ sqrt f)", "ESR 100 mOhm", "0.2 dB/lambda").
// Empty for an ideal part.
enum class LossTextForm { Unicode, Ascii };
std::string partLossText(const PartLoss& loss, ElementKind kind,
                         LossTextForm form = LossTextForm::Unicode);

// A value with its metric prefix and up to four significant digits, without
// trailing zeros: "2.4 G", "150 m", "30 " (the caller appends the unit).
std::string compactSi(double value);

} // namespace zelvo
