// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The two text windows of S-Plot mode: the Touchstone file as it was read, and
// the gain table. Both draw in the fixed-pitch font, one line per row, and
// scroll by lines and columns.
#include "model/sparam_set.h"
#include "render/canvas.h"
#include "render/scroll.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

inline constexpr int textViewFontHeight = 14;

struct TextViewState {
    int width = 0;
    int height = 0;
    int charWidth = 8;   // the font's maximum character width
    int lineHeight = 16; // font height + external leading
    int firstLine = 0;
    int firstColumn = 0;
    int lineCount = 0;   // file window: found by the last painting
    int longestLine = 0; // in characters
};

struct TextScrollRanges {
    int verticalMax = 0;
    int horizontalMax = 0;
    friend bool operator==(const TextScrollRanges&, const TextScrollRanges&) = default;
};

// Measures the fixed-pitch font as the windows do when they are created.
void measureTextView(Canvas& canvas, TextViewState& view);

// The file's lines: split at line feeds, carriage returns dropped, a last line
// without a line feed kept when it is not empty. Tabs are expanded to stops of
// eight and bytes that are not UTF-8 read as Latin-1, as the files were written.
std::vector<std::string> touchstoneLines(std::string_view source);

// Paints the file's text (only when loaded), counting its lines and measuring
// the longest; returns the scroll ranges.
TextScrollRanges paintTouchstoneText(Canvas& canvas, const SParamSet& set, TextViewState& view);

// Header, unit row, rule and one row per point (when loaded).
std::vector<std::string> gainTableRows(const SParamSet& set);
TextScrollRanges paintGainTable(Canvas& canvas, const SParamSet& set, TextViewState& view);

// Scroll ranges for a text of `rows` lines, the longest `longest` characters.
TextScrollRanges textScrollRanges(const TextViewState& view, int rows, int longest);
// New first line / first column after a scroll request: the vertical position
// is limited to rows + 1 - visible lines, the horizontal to longest - visible
// columns, and never below 0.
int scrollTextVertical(const TextViewState& view, int rows, ScrollAction action, int thumb = 0);
int scrollTextHorizontal(const TextViewState& view, int longest, ScrollAction action,
                         int thumb = 0);

} // namespace zelvo
