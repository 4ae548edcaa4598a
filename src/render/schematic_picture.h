// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The schematic as one horizontal picture for the clipboard: the input on the
// left, the load on the right, texts turned to read upwards above the tiles.
#include "core/texts.h"
#include "model/design.h"
#include "render/canvas.h"

#include <QImage>

namespace zelvo {

inline constexpr int schematicPictureFontHeight = 12;

struct SchematicPictureLayout {
    int width = 0;   // (elementCount + 6) * 40
    int height = 0;  // 3 * 60, or more when the turned texts need it
    int tileTop = 0; // 2 * 60, or lower by the same amount; texts start here
};

// Measures the turned texts on the canvas so that none is cut off at the top.
SchematicPictureLayout schematicPictureLayout(Canvas& canvas, const Design& design,
                                              const Texts& texts = {});

// Draws the picture on a y-down canvas whose origin is its top-left corner.
void drawSchematicPicture(Canvas& canvas, const Design& design,
                          const SchematicPictureLayout& layout, const Texts& texts = {});

// The picture on a white image of its size.
QImage copySchematicToClipboard(const Design& design, const Texts& texts = {});

} // namespace zelvo
