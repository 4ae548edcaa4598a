// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/tolerance_cloud.h"

#include "render/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zelvo;

TEST(ConvexOutline, KeepsTheCornersAndDropsInsideAndRepeatedPoints)
{
    const std::vector<Point> points = {{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10},
                                       {5, 0}, {10, 10}, {3, 7}};
    const std::vector<Point> hull = convexOutline(points);
    EXPECT_EQ(hull, (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    EXPECT_EQ(convexOutline({{1, 1}, {1, 1}}), (std::vector<Point>{Point{1, 1}}));
    EXPECT_TRUE(convexOutline({}).empty());
}

TEST(ToleranceCloud, EachLoadGetsAnOutlineAroundItsSamplesDotsAndTheWorstMarked)
{
    // Two loads, 400 samples each on a small circle of Gamma around 0.2 and
    // -0.3j; one sample not a number, which is left out.
    ToleranceCloud cloud;
    const float z0 = 50.0f;
    for (const Complex centre : {Complex{0.2, 0.0}, Complex{0.0, -0.3}}) {
        std::vector<Complex> ends;
        for (int s = 0; s < 400; ++s) {
            const Complex g = centre + Complex{0.05 * std::cos(s * 0.1), 0.05 * std::sin(s * 0.1)};
            ends.push_back(z0 * (1.0 + g) / (1.0 - g));
        }
        ends.push_back({std::nan(""), 0.0});
        cloud.worst.push_back(ends[7]);
        cloud.ends.push_back(std::move(ends));
    }
    RecordingCanvas canvas;
    ChartGeometry g;
    g.baseRadius = 200;
    drawToleranceCloud(canvas, cloud, z0, rgb(230, 120, 0), g, 100);
    const std::vector<DrawCall> outlines = canvas.ofKind(DrawOp::Polyline);
    ASSERT_EQ(outlines.size(), 2u);
    int checked = 0;
    for (std::size_t l = 0; l < 2; ++l) {
        const std::vector<Point>& p = outlines[l].points;
        ASSERT_GT(p.size(), 10u);
        EXPECT_EQ(p.front(), p.back()); // closed
        // Every vertex lies on the circle of radius 0.05 * 200 = 10 pixels.
        const double cx = l == 0 ? 40.0 : 0.0, cy = l == 0 ? 0.0 : -60.0;
        for (const Point q : p) {
            EXPECT_NEAR(std::hypot(q.x - cx, q.y - cy), 10.0, 1.5);
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
    // 100 dots per load (every fourth sample) and a circle at each worst.
    const std::vector<DrawCall> ellipses = canvas.ofKind(DrawOp::Ellipse);
    int dots = 0, marks = 0;
    for (const DrawCall& e : ellipses)
        (e.radius() == 1 ? dots : marks) += 1;
    EXPECT_EQ(dots, 200);
    EXPECT_EQ(marks, 2);
    EXPECT_EQ(ellipses.back().pen.colour, rgb(230, 120, 0));
}
