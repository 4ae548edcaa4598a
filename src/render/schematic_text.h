// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The texts beside the schematic symbols, laid out once for the vertical
// window (read left to right) and reused turned for the horizontal picture.
#include "core/element.h"
#include "core/texts.h"
#include "render/canvas.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// One run of text. x is where it starts in the window's frame, in which the
// element's text begins at x = 10; dy moves its baseline down from the row's.
struct TextPiece {
    std::string text;
    FontFace face = FontFace::Default;
    int x = 10;
    int dy = 0;
    friend bool operator==(const TextPiece&, const TextPiece&) = default;
};

inline constexpr int textStartX = 10;

// Width of a text in the font the pieces are measured in (the classic layout
// took characters times the average character width).
using TextWidth = std::function<int(std::string_view)>;
// Measures on the canvas in the given font (selected for each measurement).
TextWidth measureIn(Canvas& canvas, const Font& font);

// The element's value texts; lineHeight is the text line height of the
// window; shortForms writes "mm(e)" and "mm(m)" for the line lengths, as the
// narrow picture does.
std::vector<TextPiece> elementTextPieces(const Element& e, double f0, const TextWidth& widthOf,
                                         int lineHeight, bool shortForms,
                                         const Texts& texts = {});

// "(%.2f + j%.2f)", or "(%.2f - j%.2f)" with the magnitude of a negative reactance.
std::string impedanceText(double r, double x);

// Whether the live value of an element being placed lies in the range in
// which the chart window shows it.
bool pendingValueShown(ElementKind kind, double value);

// The live value text of the pending row: the pieces the chart window writes
// while the element follows the mouse (f0 the design frequency). dy is
// relative to the pending row's baseline; lineHeight is the chart window's.
std::vector<TextPiece> pendingValuePieces(ElementKind kind, double value, double f0,
                                          const TextWidth& widthOf, int lineHeight);

// Draws pieces in a font of the given height and weight (Symbol pieces in the
// symbol face), with baseline alignment, starting at the anchor: along the
// line for unturned text, or turned by `escapement` with x running along the
// text and dy across it.
void drawTextPieces(Canvas& canvas, const std::vector<TextPiece>& pieces, Point baselineStart,
                    int fontHeight, int weight, int symbolWeight, int escapement);

} // namespace zelvo
