// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Display options and colours that outlive a run (the settings file).
#include "model/part_losses.h"

#include <cstdint>

namespace zelvo {

// R in the lowest byte, G in the next, B in the third.
using Colour = std::uint32_t;
constexpr Colour rgb(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// The zoom factors the zoom dialog offers; a file cannot set others.
inline constexpr float settingsZoomMin = 0.01f;
inline constexpr float settingsZoomMax = 50.0f;

inline constexpr std::uint8_t showZChartBit = 1;
inline constexpr std::uint8_t showYChartBit = 2;

// The language of the menus and dialogs; System follows the user's locale.
enum class UiLanguage { System, English, Chinese };

struct Settings {
    Colour zChartColour = rgb(255, 0, 0);
    Colour yChartColour = rgb(0, 255, 0);
    Colour dataPointColour = rgb(0, 0, 0);
    Colour elementColour = rgb(0, 0, 255);
    Colour qColour = rgb(0, 0, 0);
    Colour stabilityColour = rgb(0, 0, 0);
    Colour gainColour = rgb(0, 0, 0);
    Colour vswrColour = rgb(0, 0, 0);
    Colour widebandColour = rgb(255, 0, 255);
    Colour noiseColour = rgb(0, 0, 0); // not stored in the file

    bool labels = true;
    bool chartLabels = true;
    bool messageBeep = true;
    std::uint8_t chartKinds = showZChartBit | showYChartBit;
    bool linkDataPoints = false;
    float zoom = 1.0f;
    int schematicTextAngle = 2700; // tenths of a degree; 900 = turned
    int lineWidth = 1;             // 1..9, not stored in the file
    PartLossDefaults partLosses;   // of new parts; a section of its own in the file
    UiLanguage language = UiLanguage::System; // a section of its own in the file

    bool showZChart() const { return (chartKinds & showZChartBit) != 0; }
    bool showYChart() const { return (chartKinds & showYChartBit) != 0; }
};

} // namespace zelvo
