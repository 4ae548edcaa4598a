// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Scroll bar requests, as the windows receive them.
#include <cstdint>

namespace zelvo {

enum class ScrollAction : std::uint8_t { LineUp, LineDown, PageUp, PageDown, Thumb };

} // namespace zelvo
