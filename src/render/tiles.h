// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The 60 x 40 monochrome schematic symbols. Each shows one element of the
// chain drawn vertically: the signal wire runs from the top edge (towards the
// load) to the bottom edge (towards the input) at x = 12, shunt branches go
// right to their ground.
#include "core/element.h"
#include "render/bitmap.h"

#include <optional>

namespace zelvo {

inline constexpr int tileWidth = 60;
inline constexpr int tileHeight = 40;
inline constexpr int tileWireX = 12;

// Resource numbers of the tiles.
enum class TileId : int {
    CS = 123,
    IS = 119,
    RS = 122,
    LS = 142,
    CP = 124,
    IP = 121,
    RP = 120,
    LPS = 145,
    LPO = 143,
    TR = 144,
    RlcSeries = 1119,
    RlcParallel = 1120,
    Block = 1121,         // a measured two-port, port 1 towards the input
    BlockReversed = 1122, // the same turned round: port 1 towards the load
    ColumnTop = 135,    // the load end: top of the window column, right of the picture
    ColumnBottom = 134, // the input end at the bottom of the window column
    PictureLeft = 167,  // the input end at the left of the picture
};

std::optional<TileId> tileFor(ElementKind kind);
// The tile of an element: a reversed block shows its ports the other way.
std::optional<TileId> tileFor(const Element& e);
// The tile's picture; built once and never changed.
const Bitmap& tile(TileId id);

} // namespace zelvo
