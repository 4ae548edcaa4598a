// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The design's results as text, walked from the history: the lines of the
// "Data Points" window and printout, and the "Comments" clipboard text.
#include "core/texts.h"
#include "model/design.h"

#include <string>
#include <vector>

namespace zelvo {

enum class ListLineKind { DataPoint, Wideband, Element, Circle };

// A point line has four fields, drawn at pointListColumns; a circle line is
// one text at column 0.
struct PointListLine {
    ListLineKind kind = ListLineKind::Circle;
    std::string label;     // "DP-Nr. 3"
    std::string impedance; // "(50.000 - j12.500)Ohm"
    std::string q;         // "Q = 0.250  "
    std::string frequency; // "1.000 GHz   "
    // After the frequency: what a point line needs besides its numbers (a
    // block's name, a lossy part's losses such as "Q 30 @ 2.4 GHz", why a
    // wideband point has no value); mostly empty.
    std::string note;
    std::string text; // circle lines only
};

// Columns (in character widths) of the label, impedance, Q and frequency.
inline constexpr int pointListColumns[4] = {0, 8, 24, 31};

// The lines of the window and the printout, in history order.
std::vector<PointListLine> pointListLines(const Design& d, const Texts& texts = {});
// All the lines, but only those from `from` to before `to` (0-based) with
// their texts; the others carry their kind alone.
std::vector<PointListLine> pointListLines(const Design& d, std::size_t from, std::size_t to,
                                          const Texts& texts = {});

// The clipboard text: the same walk with the clipboard's formats, each line
// ending in CR LF (a note stands before it).
std::string commentsText(const Design& d, const Texts& texts = {});

} // namespace zelvo
