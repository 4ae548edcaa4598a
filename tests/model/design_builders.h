// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Small builders shared by the model tests.
#include "model/design.h"
#include "support/element_builders.h"

#include <memory>

namespace zelvo::test {

// Designs are large fixed-capacity records; keep them off the stack.
inline std::unique_ptr<Design> emptyDesign()
{
    auto d = std::make_unique<Design>();
    resetDesign(*d);
    return d;
}

using zelvo::testing::element;
using zelvo::testing::rlcElement;

inline Complex endOf(const Design& d, int i)
{
    return {d.elements[static_cast<std::size_t>(i)].rEnd,
            d.elements[static_cast<std::size_t>(i)].xEnd};
}

inline Complex beginOf(const Design& d, int i)
{
    return {d.elements[static_cast<std::size_t>(i)].rBegin,
            d.elements[static_cast<std::size_t>(i)].xBegin};
}

} // namespace zelvo::test
