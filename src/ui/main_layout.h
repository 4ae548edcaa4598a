// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Where the main window's children go, from the screen size read once at
// creation (chart mode) and from the current client size (S-Plot windows).
#include <QRect>
#include <array>

namespace zelvo {

// The seven readouts in their order of creation.
enum class Readout { Z, Y, R, Q, Vswr, Zo, RL };
inline constexpr int readoutCount = 7;

// The seven S-Plot windows.
enum class SPlotWindow { S11, S12, S21, S22, Text, GainTable, GainGraph };
inline constexpr int sPlotWindowCount = 7;

struct MainLayout {
    QRect chart;
    std::array<QRect, readoutCount> fields;
    std::array<QRect, readoutCount> boxes;
    QRect schematic;
    QRect pointList;
    std::array<QRect, sPlotWindowCount> sPlot;
};

// screenW, screenH: the full-screen client area; charW: the widest character
// of the readout font; clientW, clientH: the main window's client area now.
MainLayout mainLayout(int screenW, int screenH, int charW, int clientW, int clientH);

// "Arrange Plots": S11, S12, S21, S22 in a 2 x 2 grid of the client area.
std::array<QRect, 4> plotGrid(int clientW, int clientH);

} // namespace zelvo
