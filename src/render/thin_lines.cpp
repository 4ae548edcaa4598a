// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/thin_lines.h"

#include "core/numeric.h"
#include "render/clip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvo {

namespace {

// p = colour * a + p * (1 - a), a in 256ths; two channels at a time (red and
// blue, then alpha and green).
inline void blendPixel(std::uint32_t& p, std::uint32_t colour, std::uint32_t a)
{
    const std::uint32_t na = 256 - a;
    const std::uint32_t rb = (((colour & 0xFF00FFu) * a + (p & 0xFF00FFu) * na) >> 8) & 0xFF00FFu;
    const std::uint32_t ag =
        (((colour >> 8) & 0xFF00FFu) * a + ((p >> 8) & 0xFF00FFu) * na) & 0xFF00FF00u;
    p = rb | ag;
}

} // namespace

ThinLineRaster::ThinLineRaster(std::uint32_t* bits, int width, int height,
                               std::ptrdiff_t strideWords)
    : bits_(bits), width_(width), height_(height), stride_(strideWords)
{
}

void ThinLineRaster::segment(double x0, double y0, double x1, double y1, bool includeEnd)
{
    // Pixel centres at integers from here on.
    x0 -= 0.5;
    y0 -= 0.5;
    x1 -= 0.5;
    y1 -= 0.5;
    const double dx = x1 - x0, dy = y1 - y0;
    double ax = x0, ay = y0, bx = x1, by = y1;
    const bool inside = std::min(x0, x1) >= 0.0 && std::max(x0, x1) <= width_ - 1.0 &&
                        std::min(y0, y1) >= 0.0 && std::max(y0, y1) <= height_ - 1.0;
    if (!inside) {
        // Clip to the picture and a pixel around it.
        const auto range = clipSegment(x0, y0, x1, y1, -1.0, -1.0, width_, height_);
        if (!range)
            return;
        const auto [t0, t1] = *range;
        if (t1 < 1.0)
            includeEnd = true; // the cut end is off the picture anyway
        ax = x0 + t0 * dx;
        ay = y0 + t0 * dy;
        bx = x0 + t1 * dx;
        by = y0 + t1 * dy;
    }

    // Each step along the major axis covers the two pixels nearest the line
    // across it, in proportion to how close their centres are. The position
    // across runs in 16.16 fixed point: no rounding calls in the loop.
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const double from = xMajor ? ax : ay, to = xMajor ? bx : by;
    const double across0 = xMajor ? ay : ax;
    const double major = xMajor ? dx : dy;
    const double slope = major == 0.0 ? 0.0 : (xMajor ? dy : dx) / major;
    const int first = toInt(std::floor(from + 0.5));
    const int last = toInt(std::floor(to + 0.5));
    const int step = last >= first ? 1 : -1;
    const int count = (last - first) * step + (includeEnd ? 1 : 0);
    if (count <= 0)
        return;
    if (width_px_ > 1) {
        wideSegment(xMajor, first, step, count, across0 + slope * (first - from), slope);
        return;
    }
    // Only the steps on the picture.
    const int majorLimit = xMajor ? width_ : height_;
    const int begin = step > 0 ? std::max(0, -first) : std::max(0, first - (majorLimit - 1));
    const int end = step > 0 ? std::min(count, majorLimit - first) : std::min(count, first + 1);
    if (begin >= end)
        return;
    constexpr double one = 65536.0;
    // +1: keep the fixed-point value positive so that the shift floors.
    std::int64_t c = toInt64((across0 + slope * (first + step * begin - from) + 1.0) * one);
    const std::int64_t dc = toInt64(slope * step * one);
    const int acrossLimit = xMajor ? height_ : width_;
    const std::uint32_t colour = colour_;
    int m = first + step * begin;
    if (xMajor) {
        for (int i = begin; i < end; ++i, m += step, c += dc) {
            const int ci = static_cast<int>(c >> 16) - 1;
            const auto cover = static_cast<std::uint32_t>((c >> 8) & 0xFF);
            if (ci >= 0 && ci < acrossLimit)
                blendPixel(bits_[ci * stride_ + m], colour, 256 - cover);
            if (ci + 1 >= 0 && ci + 1 < acrossLimit)
                blendPixel(bits_[(ci + 1) * stride_ + m], colour, cover);
        }
        return;
    }
    // Every step is a new row and misses the cache; asking for the row a few
    // steps ahead lets those misses overlap instead of queueing. (Prefetches
    // never fault, so the address needs no bounds.)
    constexpr int ahead = 16;
    const auto rowAhead = static_cast<std::intptr_t>(ahead * step * stride_ * 4);
    for (int i = begin; i < end; ++i, m += step, c += dc) {
        std::uint32_t* row = bits_ + m * stride_;
        __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<std::intptr_t>(row) + rowAhead), 1);
        const int ci = static_cast<int>(c >> 16) - 1;
        const auto cover = static_cast<std::uint32_t>((c >> 8) & 0xFF);
        if (ci >= 0 && ci < acrossLimit)
            blendPixel(row[ci], colour, 256 - cover);
        if (ci + 1 >= 0 && ci + 1 < acrossLimit)
            blendPixel(row[ci + 1], colour, cover);
    }
}

void ThinLineRaster::wideSegment(bool xMajor, int first, int step, int count, double across,
                                 double slope)
{
    // The line's cross-section along the minor axis is wider than the pen
    // by 1 / cos of the line's angle.
    const double half = width_px_ * std::sqrt(1.0 + slope * slope) / 2.0;
    const int majorLimit = xMajor ? width_ : height_;
    const int acrossLimit = xMajor ? height_ : width_;
    int m = first;
    for (int i = 0; i < count; ++i, m += step, across += slope * step) {
        if (m < 0 || m >= majorLimit)
            continue;
        const double lo = across - half, hi = across + half;
        const int k0 = std::max(0, toInt(std::floor(lo + 0.5)));
        const int k1 = std::min(acrossLimit - 1, toInt(std::floor(hi + 0.5)));
        for (int k = k0; k <= k1; ++k) {
            // Overlap of [lo, hi] with the pixel [k - 0.5, k + 0.5].
            const double cover = std::min(hi, k + 0.5) - std::max(lo, k - 0.5);
            const std::uint32_t a = static_cast<std::uint32_t>(std::clamp(toInt(cover * 256.0), 0, 256));
            std::uint32_t& p = xMajor ? bits_[static_cast<std::ptrdiff_t>(k) * stride_ + m]
                                      : bits_[static_cast<std::ptrdiff_t>(m) * stride_ + k];
            blendPixel(p, colour_, a);
        }
    }
}

void ThinLineRaster::polyline(const DevicePoint* points, std::size_t count)
{
    if (count == 1)
        segment(points[0].x, points[0].y, points[0].x, points[0].y, true);
    for (std::size_t i = 1; i < count; ++i)
        segment(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, i + 1 == count);
}

void ThinLineRaster::line(DevicePoint a, DevicePoint b)
{
    segment(a.x, a.y, b.x, b.y, true);
}

void appendArcPoints(std::vector<DevicePoint>& out, double cx, double cy, double r,
                     double startDeg, double sweepDeg)
{
    r = std::abs(r);
    const double sweep = sweepDeg * std::numbers::pi / 180.0;
    // The chord of angle t lies r (1 - cos(t / 2)) inside the circle.
    constexpr double tolerance = 0.2;
    const double maxStep = r > tolerance ? 2.0 * std::acos(1.0 - tolerance / r) : std::numbers::pi / 2;
    const int n = std::clamp(toInt(std::ceil(std::abs(sweep) / maxStep)), 2, 20000);
    const double a0 = startDeg * std::numbers::pi / 180.0;
    const double step = sweep / n;
    // Rotating the radius vector step by step: one sine and cosine in all.
    const double cs = std::cos(step), sn = std::sin(step);
    double ux = std::cos(a0), uy = std::sin(a0);
    out.reserve(out.size() + static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        out.push_back({cx + r * ux, cy - r * uy});
        const double nx = ux * cs - uy * sn;
        uy = ux * sn + uy * cs;
        ux = nx;
    }
}

} // namespace zelvo
