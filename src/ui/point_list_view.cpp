// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/point_list_view.h"

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

int renderDataPointList(Canvas& canvas, const Design& design, int firstColumn, int firstLine,
                        int columnUnit, int lineHeight, const std::array<int, 3>& columns,
                        int shownLines)
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
    for (const PointListLine& line : pointListLines(design, from, to)) {
        const auto index = static_cast<std::size_t>(k - 1);
        if (index < from || index >= to) {
            ++k;
            continue;
        }
        const int y = (k - firstLine) * lineHeight;
        if (line.kind == ListLineKind::Circle) {
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
    return k;
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
