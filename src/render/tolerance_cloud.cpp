// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/tolerance_cloud.h"

#include <algorithm>

namespace zelvo {

namespace {

long long cross(Point o, Point a, Point b)
{
    return static_cast<long long>(a.x - o.x) * (b.y - o.y) -
           static_cast<long long>(a.y - o.y) * (b.x - o.x);
}

} // namespace

std::vector<Point> convexOutline(std::vector<Point> p)
{
    std::sort(p.begin(), p.end(), [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    p.erase(std::unique(p.begin(), p.end()), p.end());
    if (p.size() < 3)
        return p;
    // Andrew's monotone chain: the lower hull left to right, then the upper
    // one back.
    std::vector<Point> hull(2 * p.size());
    std::size_t k = 0;
    for (const Point q : p) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], q) <= 0)
            --k;
        hull[k++] = q;
    }
    const std::size_t lower = k + 1;
    for (std::size_t i = p.size() - 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], p[i]) <= 0)
            --k;
        hull[k++] = p[i];
    }
    hull.resize(k - 1);
    return hull;
}

void drawToleranceCloud(Canvas& canvas, const ToleranceCloud& cloud, float z0, Colour colour,
                        const ChartGeometry& g, int dots)
{
    const int R = chartRadius(g.baseRadius, g.zoom);
    const CanvasStateGuard keep(canvas);
    for (std::size_t l = 0; l < cloud.ends.size(); ++l) {
        const std::vector<Complex>& ends = cloud.ends[l];
        std::vector<Point> pixels;
        pixels.reserve(ends.size());
        for (const Complex& z : ends)
            if (const std::optional<Point> p = impedanceToChart(z.re, z.im, z0, R, g.cx, g.cy))
                pixels.push_back(*p);
        if (pixels.empty())
            continue;
        canvas.setPen({PenStyle::Solid, 1, colour});
        const std::size_t step = std::max<std::size_t>(1, pixels.size() / std::max(1, dots));
        for (std::size_t i = 0; i < pixels.size(); i += step)
            canvas.ellipse(pixels[i].x - 1, pixels[i].y - 1, pixels[i].x + 1, pixels[i].y + 1);
        std::vector<Point> outline = convexOutline(std::move(pixels));
        if (outline.size() >= 3) {
            outline.push_back(outline.front());
            canvas.setPen({PenStyle::Solid, 2, colour});
            canvas.polyline(outline);
        }
        if (l < cloud.worst.size())
            if (const std::optional<Point> w =
                    impedanceToChart(cloud.worst[l].re, cloud.worst[l].im, z0, R, g.cx, g.cy)) {
                canvas.setPen({PenStyle::Solid, 2, colour});
                drawCircle(canvas, w->x, w->y, 4);
            }
    }
}

} // namespace zelvo
