// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/value_rules.h"

namespace zelvo {

std::string outsideRangeText(std::string_view low, std::string_view high, std::string_view unit)
{
    std::string text = "Value must lie in the range between ";
    text += low;
    text += " and ";
    text += high;
    if (!unit.empty()) {
        text += ' ';
        text += unit;
    }
    return text;
}

} // namespace zelvo
