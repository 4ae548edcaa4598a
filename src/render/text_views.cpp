// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/text_views.h"

#include "core/format.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

int pointsOf(const SParamSet& set) { return set.validPoints(); }

bool isUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const std::size_t extra = (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 0;
        if (extra == 0 || i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2)
                return false;
        i += extra + 1;
    }
    return true;
}

std::string displayLine(std::string_view raw)
{
    const bool utf8 = isUtf8(raw);
    std::string out;
    out.reserve(raw.size());
    int column = 0;
    for (char ch : raw) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\r')
            continue;
        if (c == '\t') {
            const int spaces = 8 - column % 8;
            out.append(static_cast<std::size_t>(spaces), ' ');
            column += spaces;
            continue;
        }
        if (c >= 0x80 && !utf8) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(ch);
        }
        // Continuation bytes do not start a character.
        if (!utf8 || (c & 0xC0) != 0x80)
            ++column;
    }
    return out;
}

int characters(const std::string& s)
{
    int n = 0;
    for (char ch : s)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++n;
    return n;
}

void drawRows(Canvas& canvas, const std::vector<std::string>& rows, const TextViewState& view)
{
    const CanvasStateGuard keep(canvas);
    canvas.setFont({textViewFontHeight, FontFace::Fixed, 400, 0});
    canvas.setTextColour(rgb(0, 0, 0));
    const int lh = std::max(1, view.lineHeight);
    const int first = std::max(0, view.firstLine);
    const int visible = view.height / lh + 2;
    const int x = (1 - view.firstColumn) * view.charWidth;
    for (int k = first; k < static_cast<int>(rows.size()) && k < first + visible; ++k)
        canvas.text({x, (k - view.firstLine) * lh}, rows[static_cast<std::size_t>(k)],
                    TextAlign::LeftTop);
}

int visibleUnits(int extent, int unit)
{
    return unit > 0 ? extent / unit : 0;
}

int scrolled(int position, ScrollAction action, int thumb, int page)
{
    switch (action) {
    case ScrollAction::LineUp: return position - 1;
    case ScrollAction::LineDown: return position + 1;
    case ScrollAction::PageUp: return position - std::max(1, page);
    case ScrollAction::PageDown: return position + std::max(1, page);
    case ScrollAction::Thumb: return thumb;
    }
    return position;
}

} // namespace

void measureTextView(Canvas& canvas, TextViewState& view)
{
    const CanvasStateGuard keep(canvas);
    canvas.setFont({textViewFontHeight, FontFace::Fixed, 400, 0});
    const TextMetrics m = canvas.metrics();
    view.charWidth = std::max(1, m.maxCharWidth);
    view.lineHeight = std::max(1, m.height + m.externalLeading);
}

std::vector<std::string> touchstoneLines(std::string_view source)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < source.size()) {
        const std::size_t lf = source.find('\n', start);
        if (lf == std::string_view::npos) {
            std::string last = displayLine(source.substr(start));
            if (!last.empty())
                lines.push_back(std::move(last));
            break;
        }
        lines.push_back(displayLine(source.substr(start, lf - start)));
        start = lf + 1;
    }
    return lines;
}

TextScrollRanges textScrollRanges(const TextViewState& view, int rows, int longest)
{
    return {std::max(0, rows - visibleUnits(view.height, view.lineHeight)),
            std::max(0, longest - visibleUnits(view.width, view.charWidth))};
}

TextScrollRanges paintTouchstoneText(Canvas& canvas, const SParamSet& set, TextViewState& view)
{
    if (!set.loaded)
        return textScrollRanges(view, view.lineCount, view.longestLine);
    const std::vector<std::string> lines = touchstoneLines(set.sourceText);
    view.lineCount = static_cast<int>(lines.size());
    view.longestLine = 0;
    for (const std::string& l : lines)
        view.longestLine = std::max(view.longestLine, characters(l));
    drawRows(canvas, lines, view);
    return textScrollRanges(view, view.lineCount, view.longestLine);
}

namespace {

// "%9.3f", except that a value that rounds to zero shows without a sign:
// 10 log10 of a gain a hair below 1 is not "-0.000" dB.
std::string cell(double v)
{
    return printfString("%9.3f", std::fabs(v) < 0.0005 ? 0.0 : v);
}

} // namespace

std::vector<std::string> gainTableRows(const SParamSet& set)
{
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(pointsOf(set)) + 3);
    // Frequencies of 100000 and more are wider than "%9.3f": the whole table
    // moves right by the difference so that its columns stay aligned.
    int width = 9;
    if (set.loaded)
        for (int i = 0; i < pointsOf(set); ++i)
            width = std::max(width, characters(printfString(
                                        "%.3f", set.points[static_cast<std::size_t>(i)].frequency)));
    const std::string pad(static_cast<std::size_t>(width - 9), ' ');
    rows.push_back(pad + "    Freq.     MAG         MSG         K          mu        mu'");
    const char* unit = set.freqExponent == 3   ? "    [kHz]"
                       : set.freqExponent == 6 ? "    [MHz]"
                       : set.freqExponent == 9 ? "    [GHz]"
                                               : "    [Hz] ";
    rows.push_back(pad + unit + "     [dB]        [dB]        [-]         [-]        [-]");
    rows.push_back(std::string(pad.size(), '-')
                   + "-----------------------------------------------------------------");
    if (!set.loaded)
        return rows;
    for (int i = 0; i < pointsOf(set); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string f = printfString("%*.3f", width, set.points[k].frequency);
        const double stability = set.stabilityK[k];
        std::string row = stability < 1.0
                              ? f + "    -------  " + cell(set.msgDb[k]) + "  " + cell(stability)
                              : f + " " + cell(set.magDb[k]) + "      ------- " + cell(stability);
        rows.push_back(row + "  " + cell(set.muLoad[k]) + "  " + cell(set.muSource[k]));
    }
    return rows;
}

TextScrollRanges paintGainTable(Canvas& canvas, const SParamSet& set, TextViewState& view)
{
    const std::vector<std::string> rows = gainTableRows(set);
    int longest = 0;
    for (const std::string& r : rows)
        longest = std::max(longest, characters(r));
    drawRows(canvas, rows, view);
    return textScrollRanges(view, pointsOf(set) + 3, longest);
}

int scrollTextVertical(const TextViewState& view, int rows, ScrollAction action, int thumb)
{
    const int visible = visibleUnits(view.height, view.lineHeight);
    const int p = scrolled(view.firstLine, action, thumb, visible);
    return std::max(0, std::min(p, rows + 1 - visible));
}

int scrollTextHorizontal(const TextViewState& view, int longest, ScrollAction action, int thumb)
{
    const int visible = visibleUnits(view.width, view.charWidth);
    const int p = scrolled(view.firstColumn, action, thumb, visible);
    return std::max(0, std::min(p, longest - visible));
}

} // namespace zelvo
