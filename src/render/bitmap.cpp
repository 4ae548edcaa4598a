// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/bitmap.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace zelvo {

Bitmap::Bitmap(int w, int h)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0),
      ink(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
{
}

bool Bitmap::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    return ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x)] != 0;
}

void Bitmap::set(int x, int y)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
        static_cast<std::size_t>(x)] = 1;
}

void Bitmap::line(int x0, int y0, int x1, int y1)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        set(x0, y0);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Bitmap::rect(int left, int top, int right, int bottom)
{
    line(left, top, right, top);
    line(left, bottom, right, bottom);
    line(left, top, left, bottom);
    line(right, top, right, bottom);
}

void Bitmap::fill(int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            set(x, y);
}

void Bitmap::circle(int cx, int cy, int r)
{
    arc(cx, cy, r, 0.0, 360.0);
}

void Bitmap::arc(double cx, double cy, double r, double a0, double a1)
{
    // Dense enough that neighbouring samples touch: a step of under one pixel.
    const double step = r > 1.0 ? 0.5 / r : 0.5;
    const double from = a0 * std::numbers::pi / 180.0;
    const double to = a1 * std::numbers::pi / 180.0;
    for (double t = from; t <= to + 1e-9; t += step)
        set(static_cast<int>(std::lround(cx + r * std::cos(t))),
            static_cast<int>(std::lround(cy - r * std::sin(t))));
}

Bitmap rotateClockwise(const Bitmap& b)
{
    Bitmap out(b.height, b.width);
    for (int i = 0; i < out.height; ++i)
        for (int j = 0; j < out.width; ++j)
            if (b.at(i, b.height - 1 - j))
                out.set(j, i);
    return out;
}

} // namespace zelvo
