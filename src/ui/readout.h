// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The six readouts the chart window fills for the point under the mouse (or
// the point a placement reached): Z, Y, r, Q, VSWR and RL.
#include "ui/placement.h"

#include <QString>
#include <optional>

namespace zelvo {

struct ReadoutTexts {
    QString z, y, r, q, vswr, rl;
    friend bool operator==(const ReadoutTexts&, const ReadoutTexts&) = default;
};

// The texts for chart point (x, y) (pixels at the current zoom, y up), or
// nullopt outside the chart, where the readouts keep their last values.
// `exact` replaces the one quantity a placement keeps unchanged, or gives
// the whole point (a lossy part, which keeps none).
std::optional<ReadoutTexts> readoutAt(double x, double y, int baseRadius, float zoom, float z0,
                                      ExactReadout exact = {});

// "%.1f Ohm" of the reference impedance (at start-up), and the engineering
// form "50.0 Ohm" / "1.5 kOhm" after New and after a change of Zo.
QString zoStartText(float z0);
QString zoText(float z0);

} // namespace zelvo
