// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/main_layout.h"

namespace zelvo {

namespace {

std::size_t at(Readout r)
{
    return static_cast<std::size_t>(r);
}
std::size_t at(SPlotWindow w)
{
    return static_cast<std::size_t>(w);
}

} // namespace

MainLayout mainLayout(int screenW, int screenH, int charW, int clientW, int clientH)
{
    MainLayout l;
    const int s = (screenH / 9) * 8;
    // Right-aligned 5 pixels inside the client: the rim labels reach to the
    // window's edge, so the window must not hang over the screen's.
    l.chart = QRect(screenW - s - 5, -5, s, s);

    // x of the field, width in characters; the box is 5 pixels left and 10 wider.
    struct Column {
        Readout which;
        int x;
        int chars;
    };
    const Column columns[] = {
        {Readout::Z, screenW - 8 * charW - 10, 8},
        {Readout::Y, screenW - 16 * charW - 20, 8},
        {Readout::R, screenW - 24 * charW - 30, 8},
        {Readout::Q, screenW - 27 * charW - 40, 3},
        {Readout::Vswr, screenW - 32 * charW - 50, 5},
        {Readout::RL, screenW - 37 * charW - 60, 5},
        {Readout::Zo, 20, 7},
    };
    for (const Column& c : columns) {
        l.fields[at(c.which)] = QRect(c.x, screenH - 50, c.chars * charW, 30);
        l.boxes[at(c.which)] = QRect(c.x - 5, screenH - 70, c.chars * charW + 10, 50);
    }

    l.schematic = QRect(5, screenH / 12, screenW / 4, screenH / 2);
    l.pointList = QRect(5, screenH / 12 + screenH / 2 + 20, screenW / 4, screenH / 5);

    const int third = clientW / 3, half = clientH / 2, row = clientH / 3;
    l.sPlot[at(SPlotWindow::S11)] = QRect(0, 0, third, half);
    l.sPlot[at(SPlotWindow::S12)] = QRect(third, 0, third, half);
    l.sPlot[at(SPlotWindow::S21)] = QRect(0, half, third, half);
    l.sPlot[at(SPlotWindow::S22)] = QRect(third, half, third, half);
    l.sPlot[at(SPlotWindow::Text)] = QRect(clientW * 2 / 3, 0, third, row);
    l.sPlot[at(SPlotWindow::GainTable)] = QRect(clientW * 2 / 3, row, third, row);
    l.sPlot[at(SPlotWindow::GainGraph)] = QRect(clientW * 2 / 3, row * 2, third, row);
    return l;
}

std::array<QRect, 4> plotGrid(int clientW, int clientH)
{
    const int w = clientW / 2, h = clientH / 2;
    return {QRect(0, 0, w, h), QRect(w, 0, w, h), QRect(0, h, w, h), QRect(w, h, w, h)};
}

} // namespace zelvo
