// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/font_units.h"

#include <QChar>
#include <QFontMetrics>

#include <algorithm>

namespace zelvo {

int widestLatin1Char(const QFontMetrics& metrics)
{
    int widest = 1;
    for (char16_t c = 0x20; c <= 0xFF; ++c) {
        if (c >= 0x7F && c < 0xA0)
            continue; // control characters
        widest = std::max(widest, metrics.horizontalAdvance(QChar(c)));
    }
    return widest;
}

} // namespace zelvo
