// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/point_list_view.h"
#include "ui/language.h"

#include "core/numeric.h"
#include "model/point_list.h"

#include <algorithm>

namespace zelvo {

namespace {

int step(int position, ScrollAction action, int thumb)
{
    switch (action) {
    case ScrollAction::LineUp:
        return position - 1;
    case ScrollAction::LineDown:
        return position + 1;
    case ScrollAction::PageUp:
        return position - 10;
    case ScrollAction::PageDown:
        return position + 10;
    case ScrollAction::Thumb:
        return thumb;
    }
    return position;
}

int visibleLines(const PointListScroll& s)
{
    return s.lineHeight > 0 ? s.height / s.lineHeight : 0;
}
int visibleColumns(const PointListScroll& s)
{
    return s.columnUnit > 0 ? s.width / s.columnUnit : 0;
}

} // namespace

namespace {

// Pieces of `text` each ending after one of `breaks` (the last one as it is).
std::vector<std::string> piecesOf(const std::string& text, const std::string& breaks)
{
    std::vector<std::string> pieces;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t at = text.find(breaks, from);
        at = at == std::string::npos ? text.size() : at + breaks.size();
        pieces.push_back(text.substr(from, at - from));
        from = at;
    }
    return pieces;
}

void fill(Canvas& canvas, const std::vector<std::string>& pieces, int width,
          std::vector<std::string>& lines, bool splitWide)
{
    std::string line;
    for (const std::string& piece : pieces) {
        if (line.empty() || canvas.textWidth(line + piece) <= width) {
            line += piece;
            continue;
        }
        lines.push_back(line);
        line = piece;
    }
    if (!line.empty())
        lines.push_back(line);
    if (!splitWide)
        return;
    // A piece wider than the line on its own breaks at its blanks.
    std::vector<std::string> out;
    for (const std::string& l : lines) {
        if (canvas.textWidth(l) <= width)
            out.push_back(l);
        else
            fill(canvas, piecesOf(l, " "), width, out, false);
    }
    lines = std::move(out);
}

} // namespace

std::vector<std::string> wrapListText(Canvas& canvas, const std::string& text, int width)
{
    std::vector<std::string> lines;
    fill(canvas, piecesOf(text, "; "), width, lines, true);
    return lines;
}

int renderDataPointList(Canvas& canvas, const Design& design, int firstColumn, int firstLine,
                        int columnUnit, int lineHeight, const std::array<int, 3>& columns,
                        int shownLines, int wrapRight)
{
    const int at[4] = {0, columns[0], columns[1], columns[2]};
    const int unit = columnUnit;
    const auto x = [&](int column) { return (1 + column - firstColumn) * unit; };
    // Line k is index k - 1; the one above firstLine may show in part.
    const auto from = static_cast<std::size_t>(std::max(0, firstLine - 2));
    const auto to = static_cast<std::size_t>(
        std::clamp(static_cast<long long>(firstLine) + shownLines + 1, 0LL,
                   static_cast<long long>(INT_MAX)));
    int k = 1;
    int wrapped = 0; // lines added by wrapping, above line k
    for (const PointListLine& line : pointListLines(design, from, to, interfaceTexts())) {
        const auto index = static_cast<std::size_t>(k - 1);
        if (index < from || index >= to) {
            ++k;
            continue;
        }
        const int y = (k + wrapped - firstLine) * lineHeight;
        if (line.kind == ListLineKind::Circle && wrapRight > 0) {
            const int indent = 2 * unit;
            const std::vector<std::string> parts =
                wrapListText(canvas, line.text, wrapRight - x(0) - indent);
            for (std::size_t i = 0; i < parts.size(); ++i)
                canvas.text({x(0) + (i > 0 ? indent : 0),
                             y + static_cast<int>(i) * lineHeight},
                            parts[i], TextAlign::LeftTop);
            wrapped += std::max(0, static_cast<int>(parts.size()) - 1);
        }
        else if (line.kind == ListLineKind::Circle) {
            canvas.text({x(0), y}, line.text, TextAlign::LeftTop);
        }
        else {
            const std::string* fields[4] = {&line.label, &line.impedance, &line.q, &line.frequency};
            for (int i = 0; i < 4; ++i)
                canvas.text({x(at[i]), y}, *fields[i], TextAlign::LeftTop);
            // Its trailing blanks keep the note apart from the frequency.
            if (!line.note.empty())
                canvas.text({sumSaturated(x(at[3]), canvas.textWidth(line.frequency)), y}, line.note,
                            TextAlign::LeftTop);
        }
        ++k;
    }
    return k + wrapped;
}

int pointListVerticalMax(const PointListScroll& s)
{
    return std::max(0, s.lineCount - visibleLines(s));
}

int pointListHorizontalMax(const PointListScroll& s)
{
    return std::max(0, 200 - visibleColumns(s));
}

int scrollPointListVertical(const PointListScroll& s, ScrollAction action, int thumb)
{
    const int p = std::min(step(s.firstLine, action, thumb), s.lineCount + 1 - visibleLines(s));
    return std::max(0, p);
}

int scrollPointListHorizontal(const PointListScroll& s, ScrollAction action, int thumb)
{
    const int p = std::min(step(s.firstColumn, action, thumb), 200 - visibleColumns(s));
    return std::max(0, p);
}

} // namespace zelvo
