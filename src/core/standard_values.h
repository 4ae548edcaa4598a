// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Every L, C and R of a chain moved to a value of a standard series: of the
// two series values around each part, the combination whose worst return
// loss over the loads is best. Every combination is tried up to
// `exhaustiveLimit` parts with a choice; beyond, a local search from the
// nearest values flips one part, then two, while that improves.
#include "core/eseries.h"
#include "core/spread.h"

#include <vector>

namespace zelvo {

inline constexpr int exhaustiveLimit = 12;

struct StandardChoice {
    std::vector<double> values; // per element; unchanged for the others
    double worstDb = 0.0;       // with these values
    double nominalWorstDb = 0.0; // with the values as they were
    bool exhaustive = true;
    int combinations = 0; // evaluated
};

// `free` says which elements may move (empty: every L, C and R); the
// others keep their values.
StandardChoice chooseStandardValues(std::span<const Element> elements,
                                    std::span<const SpreadLoad> loads, double f0, Complex target,
                                    ESeries series, std::span<const bool> free = {});

} // namespace zelvo
