// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/chart_image.h"

#include "render/chart_objects.h"
#include "render/painter_canvas.h"

#include <QPainter>

namespace zelvo {

void paintChartImage(QImage& image, const Design& design, const ChartStyle& style,
                     const ChartGeometry& geometry, const ChartLayers& layers,
                     const std::function<void(Canvas&)>& overlay)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, CanvasMapping::chart(image.width() / 2, image.height() / 2));
    renderChart(canvas, design, style, geometry, layers);
    if (overlay)
        overlay(canvas);
    painter.end();
}

QImage copyChartToClipboard(const Design& design, const Settings& settings, bool useScreenColours,
                           const Texts& texts)
{
    QImage image(chartImageSize, chartImageSize, QImage::Format_RGB32);
    ChartGeometry g;
    g.baseRadius = chartImageRadius;
    g.zoom = 1.0f;
    g.gridFontHeight = chartImageFontHeight;
    paintChartImage(image, design, chartStyle(settings, useScreenColours, GridMode::Chart, texts), g);
    return image;
}

} // namespace zelvo
