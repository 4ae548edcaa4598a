// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/text_views.h"

#include "core/format.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

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

// How many bytes from the start need no translation: ASCII other than tab
// and carriage return. Eight bytes at a time, as long lines are mostly such.
std::size_t plainRun(std::string_view s)
{
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const auto hasByte = [](std::uint64_t w, unsigned char b) {
        const std::uint64_t x = w ^ (ones * b);
        return ((x - ones) & ~x & highs) != 0;
    };
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + i, 8);
        if ((w & highs) != 0 || hasByte(w, '\t') || hasByte(w, '\r'))
            break;
    }
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80 || c == '\t' || c == '\r')
            break;
        ++i;
    }
    return i;
}

constexpr long long columnLimit = INT_MAX;

// Walks a line as shown: carriage returns dropped, tabs expanded to stops of
// eight, each character one column (a byte that is not UTF-8 a Latin-1
// character). Columns [from, to) go to `out` when given; returns the columns
// walked (all of them without `out`).
long long walkColumns(std::string_view raw, bool utf8, long long from, long long to,
                      std::string* out)
{
    long long column = 0;
    std::size_t i = 0;
    while (i < raw.size() && column < columnLimit && (!out || column < to)) {
        // A run of plain bytes before the wanted columns is only counted.
        const std::size_t run = plainRun(raw.substr(i));
        if (run > 0) {
            const long long take =
                out ? std::min<long long>(static_cast<long long>(run), to - column)
                    : static_cast<long long>(run);
            if (out && column + take > from) {
                const long long skip = std::max<long long>(0, from - column);
                out->append(raw.substr(i + static_cast<std::size_t>(skip),
                                       static_cast<std::size_t>(take - skip)));
            }
            column += take;
            i += static_cast<std::size_t>(take);
            continue;
        }
        const auto c = static_cast<unsigned char>(raw[i]);
        if (c == '\r') {
            ++i;
            continue;
        }
        if (c == '\t') {
            const long long next = column + 8 - column % 8;
            if (out)
                for (long long k = std::max(column, from); k < std::min(next, to); ++k)
                    out->push_back(' ');
            column = next;
            ++i;
            continue;
        }
        if (!utf8) {
            if (out && column >= from) {
                out->push_back(static_cast<char>(0xC0 | (c >> 6)));
                out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
            }
            ++column;
            ++i;
            continue;
        }
        // A checked UTF-8 sequence: its lead byte and continuation bytes.
        std::size_t length = 1;
        while (i + length < raw.size() &&
               (static_cast<unsigned char>(raw[i + length]) & 0xC0) == 0x80)
            ++length;
        if (out && column >= from)
            out->append(raw.substr(i, length));
        ++column;
        i += length;
    }
    return std::min(column, columnLimit);
}

std::string_view withoutTrailingReturns(std::string_view raw)
{
    while (!raw.empty() && raw.back() == '\r')
        raw.remove_suffix(1);
    return raw;
}

std::string displayLine(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    walkColumns(raw, isUtf8(raw), 0, columnLimit, &out);
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

int visibleUnits(int extent, int unit)
{
    return unit > 0 ? extent / unit : 0;
}

// Rows first .. of a text of `rows` rows in view; rowText(k, from, columns)
// gives the part of row k from column `from` on. Each row is drawn from the
// column at the window's left edge, so that what shows there is the column
// the scroll bar names whatever the font's advance.
template <typename RowText>
void drawRows(Canvas& canvas, const TextViewState& view, int rows, RowText rowText)
{
    const CanvasStateGuard keep(canvas);
    canvas.setFont({textViewFontHeight, FontFace::Fixed, 400, 0});
    canvas.setTextColour(rgb(0, 0, 0));
    const int lh = std::max(1, view.lineHeight);
    const int cw = std::max(1, view.charWidth);
    const int first = std::max(0, view.firstLine);
    const int visible = view.height / lh + 2;
    const int from = std::max(0, view.firstColumn - 1);
    const int x = (1 + from - view.firstColumn) * cw;
    // Twice the columns that fit: the font's advance may be narrower than
    // its widest character.
    const int columns = 2 * (std::max(0, view.width) / cw) + 4;
    for (int k = first; k < rows && k - first < visible; ++k)
        canvas.text({x, (k - view.firstLine) * lh}, rowText(k, from, columns), TextAlign::LeftTop);
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

// The first line and column brought into the scroll limits of a text of
// `rows` rows, the longest `longest` characters.
TextScrollRanges settle(TextViewState& view, int rows, int longest)
{
    const int lastLine = rows + 1 - visibleUnits(view.height, view.lineHeight);
    view.firstLine = std::max(0, std::min(view.firstLine, lastLine));
    const TextScrollRanges r = textScrollRanges(view, rows, longest);
    view.firstColumn = std::max(0, std::min(view.firstColumn, r.horizontalMax));
    return r;
}

TextViewState::Source sourceOf(const SParamSet& set, const void* data, std::size_t size)
{
    return {set.revision, data, size, set.loaded};
}

} // namespace

std::string_view TextLineIndex::raw(std::string_view text, int k) const
{
    if (k < 0 || k >= count())
        return {};
    const std::size_t begin = std::min(starts[static_cast<std::size_t>(k)], text.size());
    // The next line starts after this one's line feed (or one past the end).
    const std::size_t end = std::min(starts[static_cast<std::size_t>(k) + 1] - 1, text.size());
    return text.substr(begin, end - std::min(begin, end));
}

std::string TextLineIndex::columns(std::string_view text, int k, int from, int columns) const
{
    const std::string_view line = raw(text, k);
    if (from < 0 || columns <= 0 || k < 0 || k >= count())
        return {};
    const Kind kind = kinds[static_cast<std::size_t>(k)];
    if (kind == Kind::Plain) {
        const std::string_view body = withoutTrailingReturns(line);
        if (static_cast<std::size_t>(from) >= body.size())
            return {};
        return std::string(
            body.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(columns)));
    }
    std::string out;
    walkColumns(line, kind == Kind::Utf8, from, static_cast<long long>(from) + columns, &out);
    return out;
}

TextLineIndex indexTextLines(std::string_view text)
{
    TextLineIndex index;
    std::size_t start = 0;
    while (start < text.size()) {
        const void* lf = std::memchr(text.data() + start, '\n', text.size() - start);
        const std::size_t end =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
        const std::string_view raw = text.substr(start, end - start);
        const std::string_view body = withoutTrailingReturns(raw);
        // A last line without a line feed shows only when something is left of it.
        if (!lf && body.empty())
            break;
        long long columns = 0;
        TextLineIndex::Kind kind = TextLineIndex::Kind::Plain;
        if (plainRun(body) == body.size()) {
            columns = static_cast<long long>(body.size());
        }
        else {
            const bool utf8 = isUtf8(raw);
            kind = utf8 ? TextLineIndex::Kind::Utf8 : TextLineIndex::Kind::Latin1;
            columns = walkColumns(raw, utf8, 0, 0, nullptr);
        }
        index.starts.push_back(start);
        index.kinds.push_back(kind);
        index.longest = std::max(index.longest, static_cast<int>(std::min(columns, columnLimit)));
        start = lf ? end + 1 : text.size() + 1;
    }
    index.starts.push_back(start);
    return index;
}

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
    const TextLineIndex index = indexTextLines(source);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(index.count()));
    for (int k = 0; k < index.count(); ++k)
        lines.push_back(displayLine(index.raw(source, k)));
    return lines;
}

TextScrollRanges textScrollRanges(const TextViewState& view, int rows, int longest)
{
    return {std::max(0, rows - visibleUnits(view.height, view.lineHeight)),
            std::max(0, longest - visibleUnits(view.width, view.charWidth))};
}

TextScrollRanges measureTouchstoneText(const SParamSet& set, TextViewState& view)
{
    const TextViewState::Source source =
        sourceOf(set, set.sourceText.data(), set.loaded ? set.sourceText.size() : 0);
    if (view.measured != source) {
        view.lines = set.loaded ? indexTextLines(set.sourceText) : TextLineIndex{};
        view.measured = source;
    }
    view.lineCount = view.lines.count();
    view.longestLine = view.lines.longest;
    return settle(view, view.lineCount, view.longestLine);
}

TextScrollRanges paintTouchstoneText(Canvas& canvas, const SParamSet& set, TextViewState& view)
{
    const TextScrollRanges r = measureTouchstoneText(set, view);
    if (!set.loaded)
        return r;
    const std::string_view text = set.sourceText;
    drawRows(canvas, view, view.lineCount, [&](int k, int from, int columns) {
        return view.lines.columns(text, k, from, columns);
    });
    return r;
}

namespace {

// "%9.3f", except that a value that rounds to zero shows without a sign:
// 10 log10 of a gain a hair below 1 is not "-0.000" dB.
std::string cell(double v)
{
    return printfString("%9.3f", std::fabs(v) < 0.0005 ? 0.0 : v);
}

// The characters cell(v) takes: nine for any value "%9.3f" fits (NaN and
// infinities included), the printed length beyond.
int cellWidth(double v)
{
    if (!(v > -9999.99 && v < 99999.99))
        return std::isfinite(v) ? characters(cell(v)) : 9;
    return 9;
}

constexpr const char* gainHeader = "     MAG         MSG         K          mu        mu'";
constexpr const char* gainUnits = "     [dB]        [dB]        [-]         [-]        [-]";
constexpr const char* gainRule =
    "-----------------------------------------------------------------";

} // namespace

GainTableMeasure measureGainTable(const SParamSet& set)
{
    GainTableMeasure m;
    const int n = set.loaded ? pointsOf(set) : 0;
    // Frequencies of 100000 and more are wider than "%9.3f": the whole table
    // moves right by the difference so that its columns stay aligned. The
    // printed width grows with the magnitude, so the extremes decide it.
    double lowest = 0.0, highest = 0.0;
    int widest = 0; // the row tail after the frequency
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double f = set.points[k].frequency;
        if (std::isfinite(f)) {
            lowest = std::min(lowest, f);
            highest = std::max(highest, f);
        }
        const double stability = set.stabilityK[k];
        const int gain = cellWidth(stability < 1.0 ? set.msgDb[k] : set.magDb[k]);
        widest = std::max(widest, gain + cellWidth(stability) + cellWidth(set.muLoad[k]) +
                                      cellWidth(set.muSource[k]));
    }
    for (const double f : {lowest, highest})
        m.frequencyWidth = std::max(m.frequencyWidth, characters(printfString("%.3f", f)));
    // The header rows: the rule is the longest of them.
    m.longest = m.frequencyWidth - 9 + static_cast<int>(std::strlen(gainRule));
    // Either kind of row has 19 characters between its cells.
    if (n > 0)
        m.longest = std::max(m.longest, m.frequencyWidth + 19 + widest);
    return m;
}

int gainTableRowCount(const SParamSet& set)
{
    return (set.loaded ? pointsOf(set) : 0) + 3;
}

std::string gainFrequencyCaption(const Texts& texts)
{
    // The five columns of "Freq.", so that the other captions stay over their
    // values; a translation is a short symbol for that reason.
    std::string caption = texts.translate("GainTable", "Freq.");
    if (caption.size() < 5)
        caption.resize(5, ' ');
    return caption;
}

std::string gainTableRow(const SParamSet& set, const GainTableMeasure& measure, int row,
                         const Texts& texts)
{
    const std::string pad(static_cast<std::size_t>(std::max(0, measure.frequencyWidth - 9)), ' ');
    switch (row) {
    case 0:
        return pad + "    " + gainFrequencyCaption(texts) + gainHeader;
    case 1: {
        const char* unit = set.freqExponent == 3   ? "    [kHz]"
                           : set.freqExponent == 6 ? "    [MHz]"
                           : set.freqExponent == 9 ? "    [GHz]"
                                                   : "    [Hz] ";
        return pad + unit + gainUnits;
    }
    case 2:
        return std::string(pad.size(), '-') + gainRule;
    default:
        break;
    }
    const int i = row - 3;
    if (!set.loaded || i < 0 || i >= pointsOf(set))
        return {};
    const auto k = static_cast<std::size_t>(i);
    const std::string f = printfString("%*.3f", measure.frequencyWidth, set.points[k].frequency);
    const double stability = set.stabilityK[k];
    const std::string body =
        stability < 1.0 ? f + "    -------  " + cell(set.msgDb[k]) + "  " + cell(stability)
                        : f + " " + cell(set.magDb[k]) + "      ------- " + cell(stability);
    return body + "  " + cell(set.muLoad[k]) + "  " + cell(set.muSource[k]);
}

std::vector<std::string> gainTableRows(const SParamSet& set, const Texts& texts)
{
    const GainTableMeasure m = measureGainTable(set);
    const int rows = gainTableRowCount(set);
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        out.push_back(gainTableRow(set, m, r, texts));
    return out;
}

TextScrollRanges measureGainTableView(const SParamSet& set, TextViewState& view)
{
    const TextViewState::Source source =
        sourceOf(set, set.points.data(), static_cast<std::size_t>(pointsOf(set)));
    if (view.measured != source) {
        view.table = measureGainTable(set);
        view.measured = source;
    }
    return settle(view, gainTableRowCount(set), view.table.longest);
}

TextScrollRanges paintGainTable(Canvas& canvas, const SParamSet& set, TextViewState& view,
                                const Texts& texts)
{
    const TextScrollRanges r = measureGainTableView(set, view);
    drawRows(canvas, view, gainTableRowCount(set), [&](int k, int from, int columns) {
        const std::string row = gainTableRow(set, view.table, k, texts);
        return static_cast<std::size_t>(from) < row.size()
                   ? row.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(columns))
                   : std::string();
    });
    return r;
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
