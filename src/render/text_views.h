// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The two text windows of S-Plot mode: the Touchstone file as it was read, and
// the gain table. Both draw in the fixed-pitch font, one line per row, and
// scroll by lines and columns.
#include "model/sparam_set.h"
#include "core/texts.h"
#include "render/canvas.h"
#include "render/scroll.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

inline constexpr int textViewFontHeight = 14;

// Where each line of a text starts and how it reads, so that a view can show
// any few lines, or a few columns of a very long one, without going through
// the rest. Lines as touchstoneLines splits them.
struct TextLineIndex {
    enum class Kind : std::uint8_t {
        Plain, // ASCII without tabs or carriage returns (but at its end): a column is a byte
        Utf8,
        Latin1, // bytes that are not UTF-8 read as Latin-1
    };
    // One more than the lines: the last says where a line after them would start.
    std::vector<std::size_t> starts;
    std::vector<Kind> kinds;
    int longest = 0; // in characters, tabs expanded

    int count() const { return static_cast<int>(kinds.size()); }
    // The bytes of line k as the file has them, line feed excluded.
    std::string_view raw(std::string_view text, int k) const;
    // Columns [from, from + columns) of line k as shown.
    std::string columns(std::string_view text, int k, int from, int columns) const;
};
TextLineIndex indexTextLines(std::string_view text);

// What the gain table's scrolling needs from every row: the width of the
// frequency column and the longest row.
struct GainTableMeasure {
    int frequencyWidth = 9;
    int longest = 0;
};
GainTableMeasure measureGainTable(const SParamSet& set);

struct TextViewState {
    int width = 0;
    int height = 0;
    int charWidth = 8;   // the font's maximum character width
    int lineHeight = 16; // font height + external leading
    int firstLine = 0;
    int firstColumn = 0;
    int lineCount = 0;   // file window: found by the last painting
    int longestLine = 0; // in characters

    // What the two windows found in the data, kept until it changes.
    struct Source {
        std::uint64_t revision = 0;
        const void* data = nullptr;
        std::size_t size = 0;
        bool loaded = false;
        friend bool operator==(const Source&, const Source&) = default;
    };
    std::optional<Source> measured;
    TextLineIndex lines;
    GainTableMeasure table;
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

// Counts the file's lines and measures the longest (once for each text) and
// returns the scroll ranges; the first line and column are brought into them,
// so that a shorter file never leaves the window scrolled past its end.
TextScrollRanges measureTouchstoneText(const SParamSet& set, TextViewState& view);
// The same, then paints the lines in view (only when loaded).
TextScrollRanges paintTouchstoneText(Canvas& canvas, const SParamSet& set, TextViewState& view);

// The gain table's caption over the frequencies, at least five columns wide.
std::string gainFrequencyCaption(const Texts& texts);
// Header, unit row, rule and one row per point (when loaded); the header's
// frequency caption in the language of `texts`.
std::vector<std::string> gainTableRows(const SParamSet& set, const Texts& texts = {});
// Row `row` of that list alone (0 to point count + 2).
std::string gainTableRow(const SParamSet& set, const GainTableMeasure& measure, int row,
                         const Texts& texts = {});
// The rows (point count + 3) and their scroll ranges, as for the file text.
TextScrollRanges measureGainTableView(const SParamSet& set, TextViewState& view);
TextScrollRanges paintGainTable(Canvas& canvas, const SParamSet& set, TextViewState& view,
                                const Texts& texts = {});
// Rows of the gain table: the point count + 3.
int gainTableRowCount(const SParamSet& set);

// Scroll ranges for a text of `rows` lines, the longest `longest` characters.
TextScrollRanges textScrollRanges(const TextViewState& view, int rows, int longest);
// New first line / first column after a scroll request: the vertical position
// is limited to rows + 1 - visible lines, the horizontal to longest - visible
// columns, and never below 0.
int scrollTextVertical(const TextViewState& view, int rows, ScrollAction action, int thumb = 0);
int scrollTextHorizontal(const TextViewState& view, int longest, ScrollAction action,
                         int thumb = 0);

} // namespace zelvo
