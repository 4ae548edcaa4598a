// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/texts.h"

#include <vector>

namespace zelvo {

std::string fillIn(std::string_view templ, std::initializer_list<std::string_view> values)
{
    const std::vector<std::string_view> v(values);
    std::string out;
    out.reserve(templ.size() + 16);
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const char c = templ[i];
        if (c == '%' && i + 1 < templ.size() && templ[i + 1] >= '1' && templ[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(templ[i + 1] - '1');
            if (n < v.size()) {
                out += v[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace zelvo
