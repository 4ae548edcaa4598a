// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/schematic.h"

#include "core/format.h"
#include "render/schematic_text.h"

#include <algorithm>

namespace zelvo {

namespace {

constexpr int h = schematicRowHeight;

int elementsOf(const Design& d)
{
    return std::clamp(d.elementCount, 0, Design::elementCapacity);
}

bool rowVisible(int top, const SchematicView& view)
{
    return top + h > -h && top < view.viewHeight + h;
}

} // namespace

int schematicScrollMax(int elementCount, int viewHeight)
{
    return std::max(0, (elementCount + 2) * h - viewHeight);
}

bool scrollSchematic(SchematicView& view, int elementCount, ScrollAction action, int thumb)
{
    int offset = view.scrollOffset;
    switch (action) {
    case ScrollAction::LineUp: offset -= 10; break;
    case ScrollAction::LineDown: offset += 10; break;
    case ScrollAction::PageUp: offset -= view.viewHeight - 10; break;
    case ScrollAction::PageDown: offset += view.viewHeight - 10; break;
    case ScrollAction::Thumb: offset = thumb; break;
    }
    offset = std::clamp(offset, 0, schematicScrollMax(elementCount, view.viewHeight));
    const bool changed = offset != view.scrollOffset;
    view.scrollOffset = offset;
    return changed;
}

bool clampSchematicScroll(SchematicView& view, int elementCount)
{
    const int max = schematicScrollMax(elementCount, view.viewHeight);
    if (view.scrollOffset <= max)
        return false;
    view.scrollOffset = max;
    return true;
}

bool scrollSchematicToEnd(SchematicView& view, int elementCount)
{
    const int offset = (elementCount + 3) * h - view.viewHeight;
    const bool changed = offset != view.scrollOffset;
    view.scrollOffset = offset;
    return changed;
}

std::optional<int> schematicRowAt(int y, int scrollOffset, int elementCount)
{
    const int row = (y + scrollOffset - 10) / h - 1;
    if (row < 0 || row >= elementCount)
        return std::nullopt;
    return row;
}

void paintSchematic(Canvas& canvas, const Design& d, SchematicView& view,
                    const SchematicPlacement& placement)
{
    const CanvasStateGuard keep(canvas);
    const int n = elementsOf(d);
    clampSchematicScroll(view, n);
    // The pending row and the bottom tile need one row more than the elements.
    if (placement.placing && (n + 3) * h - view.viewHeight > 0)
        scrollSchematicToEnd(view, n);
    if (n == 0 && !placement.placing)
        view.scrollOffset = 0;
    const int s = view.scrollOffset;
    const int tileX = view.viewWidth - 70;

    canvas.setTextColour(rgb(0, 0, 0));
    const Font font{schematicFontHeight, FontFace::Default, schematicFontWeight, 0};
    const TextWidth widthOf = measureIn(canvas, font);
    const double f0 = designFrequency(d);

    canvas.bitmap(tile(TileId::ColumnTop), {tileX, -s}, tileWidth, tileHeight);
    for (int i = 0; i < n; ++i) {
        const int top = (i + 1) * h - s;
        if (!rowVisible(top, view))
            continue;
        const Element& e = d.elements[static_cast<std::size_t>(i)];
        if (const std::optional<TileId> id = tileFor(e))
            canvas.bitmap(tile(*id), {tileX, top}, tileWidth, tileHeight);
        drawTextPieces(canvas, elementTextPieces(e, f0, widthOf, view.textLineHeight, false, view.texts),
                       {textStartX, top + h / 2}, schematicFontHeight, schematicFontWeight,
                       schematicFontWeight, 0);
    }

    int bottomRow = n + 1;
    if (placement.placing) {
        const int top = (n + 1) * h - s;
        if (const std::optional<TileId> id = tileFor(placement.kind))
            canvas.bitmap(tile(*id), {tileX, top}, tileWidth, tileHeight);
        if (isLine(placement.kind)) {
            const std::string zl =
                printfString("%.1f  ", static_cast<double>(placement.lineImpedance));
            const std::vector<TextPiece> pieces = {
                {zl, FontFace::Default, textStartX, 0},
                {"W", FontFace::Symbol, widthOf(zl) + 10, 0}};
            drawTextPieces(canvas, pieces, {textStartX, top + view.textLineHeight / 2 + 20},
                           schematicFontHeight, schematicFontWeight, schematicFontWeight, 0);
        }
        if (placement.value)
            drawPendingValue(canvas, view, n, placement, *placement.value, f0);
        bottomRow = n + 2;
    }
    canvas.bitmap(tile(TileId::ColumnBottom), {tileX, bottomRow * h - s}, tileWidth, tileHeight);
}

void drawPendingValue(Canvas& canvas, const SchematicView& view, int elementCount,
                      const SchematicPlacement& placement, double value, double f0)
{
    const CanvasStateGuard keep(canvas);
    canvas.setTextColour(rgb(0, 0, 0));
    const TextWidth widthOf =
        measureIn(canvas, {placement.liveFontHeight, FontFace::Default, 400, 0});
    const int baseline = h / 2 + (elementCount + 1) * h - view.scrollOffset;
    drawTextPieces(canvas,
                   pendingValuePieces(placement.kind, value, f0, widthOf,
                                      placement.chartLineHeight),
                   {textStartX, baseline}, placement.liveFontHeight, 400, 600, 0);
}

} // namespace zelvo
