// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The chart as a picture for the clipboard.
#include "model/design.h"
#include "model/settings.h"
#include "render/canvas.h"
#include "render/chart_style.h"

#include <QImage>
#include <functional>

namespace zelvo {

inline constexpr int chartImageSize = 600;
inline constexpr int chartImageRadius = 270;
inline constexpr int chartImageFontHeight = 10;

// Clears the image to white and paints the chart with its centre at the
// image's centre, then the overlay (in the same chart coordinates). Painting
// into an RGB32 or ARGB32_Premultiplied image and showing that is how a
// window gets the fast line drawing; a window's own painter takes Qt's
// slower path.
void paintChartImage(QImage& image, const Design& design, const ChartStyle& style,
                     const ChartGeometry& geometry, const ChartLayers& layers = {},
                     const std::function<void(Canvas&)>& overlay = {});

// 600 x 600, white, the chart at radius 270 and zoom 1 whatever the window
// shows, in the settings' colours or in black (the start square stays red).
QImage copyChartToClipboard(const Design& design, const Settings& settings, bool useScreenColours,
                           const Texts& texts = {});

} // namespace zelvo
