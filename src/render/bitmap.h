// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A small monochrome picture (the schematic tiles) with the few drawing
// operations needed to make one.
#include <cstdint>
#include <vector>

namespace zelvo {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink; // row-major, 1 = black, 0 = white

    Bitmap() = default;
    Bitmap(int w, int h);

    bool at(int x, int y) const;
    // Writes outside the picture are dropped.
    void set(int x, int y);
    void line(int x0, int y0, int x1, int y1);
    void rect(int left, int top, int right, int bottom); // outline, inclusive
    void fill(int left, int top, int right, int bottom); // inclusive
    void circle(int cx, int cy, int r);
    // The part of the circle between the two angles (degrees, counter-clockwise
    // on screen from the positive x axis, a0 < a1).
    void arc(double cx, double cy, double r, double a0, double a1);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

// Turned by 90 degrees clockwise: the new pixel in row i, column j is the old
// pixel in row H - 1 - j, column i.
Bitmap rotateClockwise(const Bitmap& b);

} // namespace zelvo
