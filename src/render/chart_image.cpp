#include "render/chart_image.h"

#include "render/chart_objects.h"
#include "render/painter_canvas.h"

#include <QPainter>

namespace zelvo {

QImage copyChartToClipboard(const Design& design, const Settings& settings, bool useScreenColours)
{
    QImage image(chartImageSize, chartImageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, CanvasMapping::chart(chartImageSize / 2, chartImageSize / 2));
    ChartGeometry g;
    g.baseRadius = chartImageRadius;
    g.zoom = 1.0f;
    g.gridFontHeight = chartImageFontHeight;
    renderChart(canvas, design, chartStyle(settings, useScreenColours, GridMode::Chart), g);
    painter.end();
    return image;
}

} // namespace zelvo
