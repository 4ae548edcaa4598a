// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The schematic window: a column of element tiles from the load (top) to the
// input (bottom), each with its value beside it, scrolling vertically; and the
// pending row of an element that is being placed.
#include "core/texts.h"
#include "model/design.h"
#include "render/canvas.h"
#include "render/scroll.h"
#include "render/tiles.h"

#include <optional>

namespace zelvo {

struct SchematicView {
    int viewWidth = 0;
    int viewHeight = 0;
    int scrollOffset = 0;   // pixels, 0 at the top
    int textLineHeight = 0; // default font height + external leading
    Texts texts = {};
};

inline constexpr int schematicRowHeight = tileHeight;
inline constexpr int schematicFontHeight = 13; // the chart label height minus 2
inline constexpr int schematicFontWeight = 100;

// Largest scroll offset: (elementCount + 2) * rowHeight - viewHeight, at least 0.
int schematicScrollMax(int elementCount, int viewHeight);
// A scroll bar request, clamped to 0 .. max; true when the offset changed.
bool scrollSchematic(SchematicView& view, int elementCount, ScrollAction action, int thumb = 0);
// After the element count changed: an offset beyond the maximum is lowered to it.
bool clampSchematicScroll(SchematicView& view, int elementCount);
// Shows the row after the last element and the bottom tile.
bool scrollSchematicToEnd(SchematicView& view, int elementCount);
// The element row under a double click at client y; nullopt on the top tile,
// the pending row or below.
std::optional<int> schematicRowAt(int y, int scrollOffset, int elementCount);

// The placement as the schematic shows it. value is the live value the chart
// window last wrote: the last one that lay in the kind's display range
// (pendingValueShown), since a value outside it leaves the old text standing.
struct SchematicPlacement {
    bool placing = false;
    ElementKind kind = ElementKind::None;
    float lineImpedance = 0.0f; // the pending slot's, for lines and stubs
    std::optional<double> value;
    int chartLineHeight = 16;   // the chart window's line height
    int liveFontHeight = 16;    // the window's default font
};

// designFrequency (the start point's frequency) is model/design.h's.

// Paints the window (y down, origin top-left). Adjusts the scroll offset first,
// as the window does before painting: clamped, at the end while placing, 0
// without elements.
void paintSchematic(Canvas& canvas, const Design& design, SchematicView& view,
                    const SchematicPlacement& placement);

// The live value text in the pending row, as the chart window writes it.
void drawPendingValue(Canvas& canvas, const SchematicView& view, int elementCount,
                      const SchematicPlacement& placement, double value, double f0);

} // namespace zelvo
