// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The data point list drawn on a canvas: the window and the printed comments
// page share it. Text in the canvas's current font; the column unit is its
// widest character, a line its height plus external leading.
#include "model/design.h"
#include "render/canvas.h"
#include "render/scroll.h"

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace zelvo {

// Draws the lines from `firstLine` and `firstColumn` on, in the canvas's
// current font (line k at y = (k - firstLine) * lineHeight, a field of column
// c at x = (1 + c - firstColumn) * columnUnit) and returns the line count,
// the last line number + 1 (1 for an empty list). `columns` places the
// impedance, Q and frequency fields (the label is at column 0). Only lines
// up to `shownLines` lines below `firstLine` are drawn. With `wrapRight`
// (a page, which cannot scroll), a circle line wider than the room left of
// it goes on in lines of its own, indented; the count includes them.
inline constexpr std::array<int, 3> windowListColumns = {8, 24, 31};
int renderDataPointList(Canvas& canvas, const Design& design, int firstColumn, int firstLine,
                        int columnUnit, int lineHeight,
                        const std::array<int, 3>& columns = windowListColumns,
                        int shownLines = INT_MAX, int wrapRight = 0);

// `text` in lines no wider than `width`, broken after "; " where it can be,
// else at blanks; a single word wider than that keeps a line of its own.
std::vector<std::string> wrapListText(Canvas& canvas, const std::string& text, int width);

// The list window's scroll position and ranges.
struct PointListScroll {
    int columnUnit = 8;
    int lineHeight = 16;
    int width = 0;
    int height = 0;
    int firstLine = 0;
    int firstColumn = 0;
    int lineCount = 1;
};

// Vertical range 0 .. max(0, lineCount - height / lineHeight); horizontal
// 0 .. 200 - width / columnUnit (the list counts as 200 columns wide).
int pointListVerticalMax(const PointListScroll& s);
int pointListHorizontalMax(const PointListScroll& s);

// The new position after a scroll request, limited as the window limits it.
int scrollPointListVertical(const PointListScroll& s, ScrollAction action, int thumb = 0);
int scrollPointListHorizontal(const PointListScroll& s, ScrollAction action, int thumb = 0);

} // namespace zelvo
