// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A measured two-port for tests whose numbers are worked by hand: a series
// inductor of 50 ohm at 1 GHz and 100 ohm at 2 GHz between 50 ohm
// terminations, S11 = jX / (jX + 100), S21 = 100 / (jX + 100).
#include "core/block.h"
#include "core/element.h"
#include "model/block_file.h"

#include <memory>
#include <variant>

namespace zelvo::testing {

inline constexpr const char* coilS2p = "! a measured coil\n"
                                       "# GHz S RI R 50\n"
                                       "1 0.2 0.4 0.8 -0.4 0.8 -0.4 0.2 0.4\n"
                                       "2 0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5\n";

inline Element blockElement(std::shared_ptr<const BlockData> b, bool reversed = false)
{
    Element e;
    e.kind = ElementKind::Block;
    e.block = std::move(b);
    e.reversed = reversed;
    return e;
}

// The coil as a block named "coil.s2p".
inline Element coilBlock(bool reversed = false)
{
    return blockElement(
        std::get<std::shared_ptr<const BlockData>>(blockFromText(coilS2p, "coil.s2p")), reversed);
}

} // namespace zelvo::testing
