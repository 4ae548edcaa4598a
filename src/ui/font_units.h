// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Character cells for layouts measured in characters. The widest character of
// a font is taken over its Latin-1 characters, the set the layouts were made
// for: a whole modern font's widest glyph (a box-drawing or CJK sign) is about
// twice as wide and would spread the columns apart.
class QFontMetrics;

namespace zelvo {

int widestLatin1Char(const QFontMetrics& metrics);

} // namespace zelvo
