// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/value_rules.h"

#include "core/format.h"

namespace zelvo {

std::string outsideRangeText(std::string_view low, std::string_view high, std::string_view unit)
{
    const std::string l(low), h(high), u(unit);
    if (u.empty())
        return printfString("Value must lie in the range between %s and %s", l.c_str(), h.c_str());
    return printfString("Value must lie in the range between %s and %s %s", l.c_str(), h.c_str(),
                        u.c_str());
}

} // namespace zelvo
