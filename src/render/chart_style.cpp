// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/chart_style.h"

namespace zelvo {

ChartColours chartColours(const Settings& s, bool useScreenColours)
{
    if (!useScreenColours)
        return {};
    return {s.zChartColour, s.yChartColour, s.dataPointColour, s.elementColour, s.qColour,
            s.vswrColour,   s.widebandColour, s.stabilityColour, s.gainColour, s.noiseColour};
}

ChartStyle chartStyle(const Settings& s, bool useScreenColours, GridMode mode,
                      const Texts& texts)
{
    ChartStyle style;
    style.colours = chartColours(s, useScreenColours);
    style.chartKinds = s.chartKinds;
    style.chartLabels = s.chartLabels;
    style.labels = s.labels;
    style.linkDataPoints = s.linkDataPoints;
    style.lineWidth = s.lineWidth;
    style.mode = mode;
    style.texts = texts;
    return style;
}

int markerRadius(int radius)
{
    const int q = radius / 160;
    return q < 3 ? 2 : q;
}

} // namespace zelvo
