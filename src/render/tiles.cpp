// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/tiles.h"

#include <array>
#include <utility>

namespace zelvo {

namespace {

constexpr int W = tileWireX;
constexpr int mid = tileHeight / 2; // the row of horizontal shunt branches

void wire(Bitmap& b, int y0, int y1)
{
    b.line(W, y0, W, y1);
}

// Ground at the end of a horizontal branch: down from its end to three bars
// getting shorter.
void groundRight(Bitmap& b, int x)
{
    b.line(x, mid, x, mid + 8);
    b.line(x - 7, mid + 8, x + 7, mid + 8);
    b.line(x - 4, mid + 11, x + 4, mid + 11);
    b.line(x - 1, mid + 14, x + 1, mid + 14);
}

// Half circles of diameter 8 along a vertical run, bulging right.
void coilDown(Bitmap& b, int x, int y0, int turns)
{
    for (int k = 0; k < turns; ++k)
        b.arc(x, y0 + 4 + 8 * k, 4, -90, 90);
}

// Half circles of diameter 8 along a horizontal run, bulging up.
void coilRight(Bitmap& b, int x0, int turns)
{
    for (int k = 0; k < turns; ++k)
        b.arc(x0 + 4 + 8 * k, mid, 4, 0, 180);
}

// A line section: outer conductor as a box, inner conductor through it.
void lineBoxVertical(Bitmap& b, int y0, int y1)
{
    b.rect(W - 6, y0, W + 6, y1);
    b.rect(W - 5, y0 + 1, W + 5, y1 - 1);
}

Bitmap seriesCapacitor()
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, mid - 4);
    b.fill(W - 10, mid - 4, W + 10, mid - 3);
    b.fill(W - 10, mid + 2, W + 10, mid + 3);
    wire(b, mid + 3, tileHeight - 1);
    return b;
}

Bitmap seriesInductor()
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, 4);
    coilDown(b, W, 4, 4);
    wire(b, 36, tileHeight - 1);
    return b;
}

Bitmap seriesResistor()
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, 7);
    b.rect(W - 4, 7, W + 4, 32);
    wire(b, 32, tileHeight - 1);
    return b;
}

Bitmap seriesLine()
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, tileHeight - 1);
    lineBoxVertical(b, 6, 33);
    // The outer conductor returns to ground.
    b.line(W + 6, mid, W + 22, mid);
    groundRight(b, W + 22);
    return b;
}

Bitmap shuntCapacitor()
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, tileHeight - 1);
    b.line(W, mid, 28, mid);
    b.fill(29, mid - 9, 30, mid + 9);
    b.fill(35, mid - 9, 36, mid + 9);
    b.line(37, mid, 48, mid);
    groundRight(b, 48);
    return b;
}

Bitmap shuntInductor()
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, tileHeight - 1);
    b.line(W, mid, 18, mid);
    coilRight(b, 18, 3);
    b.line(42, mid, 48, mid);
    groundRight(b, 48);
    return b;
}

Bitmap shuntResistor()
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, tileHeight - 1);
    b.line(W, mid, 20, mid);
    b.rect(20, mid - 4, 42, mid + 4);
    b.line(42, mid, 48, mid);
    groundRight(b, 48);
    return b;
}

Bitmap stub(bool shorted)
{
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, tileHeight - 1);
    b.rect(20, mid - 6, 44, mid + 6);
    b.rect(21, mid - 5, 43, mid + 5);
    if (shorted) {
        // Inner conductor joined to the end wall, which goes to ground.
        b.line(W, mid, 44, mid);
        b.line(44, mid, 50, mid);
        groundRight(b, 50);
    } else {
        // Inner conductor stops short of the end: the open end.
        b.line(W, mid, 37, mid);
        b.fill(37, mid - 1, 38, mid + 1);
    }
    return b;
}

Bitmap transformer()
{
    // Two overlapping windings, the single-line transformer symbol.
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, 4);
    b.circle(W, 13, 8);
    b.circle(W, 26, 8);
    wire(b, 34, tileHeight - 1);
    return b;
}

Bitmap rlcSeries()
{
    // R, L and C in series, the group from the wire to ground.
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, tileHeight - 1);
    b.line(W, mid, 14, mid);
    b.rect(14, mid - 3, 21, mid + 3);
    b.line(21, mid, 23, mid);
    coilRight(b, 23, 2);
    b.line(39, mid, 41, mid);
    b.line(41, mid - 6, 41, mid + 6);
    b.line(44, mid - 6, 44, mid + 6);
    b.line(44, mid, 52, mid);
    groundRight(b, 52);
    return b;
}

Bitmap rlcParallel()
{
    // R, L and C side by side between two bus bars in the wire.
    Bitmap b(tileWidth, tileHeight);
    const int top = 5, bottom = 34;
    wire(b, 0, top);
    wire(b, bottom, tileHeight - 1);
    b.line(3, top, 38, top);
    b.line(3, bottom, 38, bottom);
    // R
    b.line(3, top, 3, 11);
    b.rect(0, 11, 6, 28);
    b.line(3, 28, 3, bottom);
    // L
    b.line(20, top, 20, 7);
    coilDown(b, 20, 7, 3);
    b.line(20, 31, 20, bottom);
    // C
    b.line(38, top, 38, mid - 3);
    b.fill(31, mid - 3, 45, mid - 2);
    b.fill(31, mid + 2, 45, mid + 3);
    b.line(38, mid + 3, 38, bottom);
    return b;
}

Bitmap loadEnd()
{
    // The load (the start point's impedance) closing the chain at the top.
    Bitmap b(tileWidth, tileHeight);
    wire(b, 26, tileHeight - 1);
    b.rect(W - 7, 8, W + 7, 26);
    b.line(W - 4, 12, W + 4, 12);
    b.line(W + 4, 12, W - 4, 22);
    b.line(W - 4, 22, W + 4, 22);
    wire(b, 4, 8);
    b.line(W - 8, 4, W + 8, 4);
    b.line(W - 5, 2, W + 5, 2);
    b.line(W - 2, 0, W + 2, 0);
    return b;
}

Bitmap inputEnd()
{
    // The input port where the matched impedance is seen.
    Bitmap b(tileWidth, tileHeight);
    wire(b, 0, 24);
    b.circle(W, 29, 4);
    b.arc(W, 29, 2, 0, 360);
    return b;
}

struct TileSet {
    std::array<std::pair<TileId, Bitmap>, 15> tiles;
};

TileSet makeTiles()
{
    return {{{
        {TileId::CS, seriesCapacitor()},
        {TileId::IS, seriesInductor()},
        {TileId::RS, seriesResistor()},
        {TileId::LS, seriesLine()},
        {TileId::CP, shuntCapacitor()},
        {TileId::IP, shuntInductor()},
        {TileId::RP, shuntResistor()},
        {TileId::LPS, stub(true)},
        {TileId::LPO, stub(false)},
        {TileId::TR, transformer()},
        {TileId::RlcSeries, rlcSeries()},
        {TileId::RlcParallel, rlcParallel()},
        {TileId::ColumnTop, loadEnd()},
        {TileId::ColumnBottom, inputEnd()},
        {TileId::PictureLeft, inputEnd()},
    }}};
}

} // namespace

std::optional<TileId> tileFor(ElementKind kind)
{
    switch (kind) {
    case ElementKind::CS: return TileId::CS;
    case ElementKind::IS: return TileId::IS;
    case ElementKind::RS: return TileId::RS;
    case ElementKind::LS: return TileId::LS;
    case ElementKind::CP: return TileId::CP;
    case ElementKind::IP: return TileId::IP;
    case ElementKind::RP: return TileId::RP;
    case ElementKind::LPS: return TileId::LPS;
    case ElementKind::LPO: return TileId::LPO;
    case ElementKind::TR: return TileId::TR;
    case ElementKind::RlcSeries: return TileId::RlcSeries;
    case ElementKind::RlcParallel: return TileId::RlcParallel;
    case ElementKind::Block:
    case ElementKind::None: break;
    }
    return std::nullopt;
}

const Bitmap& tile(TileId id)
{
    // Constant pictures, like the image resources they stand for.
    static const TileSet set = makeTiles();
    for (const auto& [tid, bitmap] : set.tiles)
        if (tid == id)
            return bitmap;
    return set.tiles.front().second;
}

} // namespace zelvo
