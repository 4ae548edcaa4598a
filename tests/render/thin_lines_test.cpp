// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/thin_lines.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace zelvo {
namespace {

struct Picture {
    int w, h;
    std::vector<std::uint32_t> px;
    ThinLineRaster raster;
    Picture(int width, int height)
        : w(width), h(height), px(static_cast<std::size_t>(width * height), 0xFFFFFFFFu),
          raster(px.data(), width, height, width)
    {
        raster.setColour(0xFF000000u);
    }
    // Darkness 0 (white) .. 255 (black) of the blue channel.
    int ink(int x, int y) const { return 255 - static_cast<int>(px[static_cast<std::size_t>(y * w + x)] & 0xFF); }
    int columnInk(int x) const
    {
        int sum = 0;
        for (int y = 0; y < h; ++y)
            sum += ink(x, y);
        return sum;
    }
};

TEST(ThinLines, HorizontalLineOnAPixelRowIsSolid)
{
    Picture p(20, 20);
    p.raster.line({2.0, 10.5}, {17.0, 10.5});
    for (int x = 2; x <= 16; ++x) {
        EXPECT_EQ(p.ink(x, 10), 255) << x;
        EXPECT_EQ(p.ink(x, 9), 0);
        EXPECT_EQ(p.ink(x, 11), 0);
    }
    EXPECT_EQ(p.ink(0, 10), 0);
}

TEST(ThinLines, LineBetweenRowsSharesItsInk)
{
    Picture p(20, 20);
    p.raster.line({2.0, 11.0}, {17.0, 11.0});
    // Half the line in each of the two rows (128 of 256, blended: 127 or 128).
    EXPECT_NEAR(p.ink(5, 10), 128, 1);
    EXPECT_NEAR(p.ink(5, 11), 128, 1);
}

TEST(ThinLines, SlopedLinesPutOneLineOfInkPerColumn)
{
    Picture p(40, 40);
    p.raster.line({1.5, 3.5}, {38.5, 21.0});
    for (int x = 2; x <= 37; ++x)
        EXPECT_NEAR(p.columnInk(x), 255, 2) << x;
}

TEST(ThinLines, PolylineJointsAreNotInkedTwice)
{
    Picture one(40, 10), two(40, 10);
    one.raster.line({1.5, 5.2}, {38.5, 5.2});
    const DevicePoint pts[] = {{1.5, 5.2}, {20.5, 5.2}, {38.5, 5.2}};
    two.raster.polyline(pts, 3);
    EXPECT_EQ(one.px, two.px);
}

TEST(ThinLines, SteepLinesAndClippingFarOutside)
{
    Picture p(20, 20);
    p.raster.line({10.5, -1e9}, {10.5, 1e9});
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(p.ink(10, y), 255) << y;
    Picture q(20, 20);
    q.raster.line({-50.0, -50.0}, {-10.0, 5.0}); // entirely off the picture
    for (std::uint32_t v : q.px)
        EXPECT_EQ(v, 0xFFFFFFFFu);
}

TEST(ThinLines, WidePensCoverTheirWidth)
{
    Picture p(20, 20);
    p.raster.setWidth(3);
    p.raster.line({2.0, 10.5}, {17.0, 10.5});
    EXPECT_EQ(p.ink(8, 9), 255);
    EXPECT_EQ(p.ink(8, 10), 255);
    EXPECT_EQ(p.ink(8, 11), 255);
    EXPECT_EQ(p.ink(8, 8), 0);
    EXPECT_EQ(p.ink(8, 12), 0);
}

TEST(ThinLines, ColoursBlendWithTheBackground)
{
    Picture p(10, 10);
    p.raster.setColour(0x00FF0000u); // red; alpha is made opaque
    p.raster.line({0.0, 5.5}, {9.0, 5.5});
    EXPECT_EQ(p.px[5 * 10 + 4], 0xFFFF0000u);
}

TEST(ThinLines, ArcPointsStayOnTheCircle)
{
    std::vector<DevicePoint> pts;
    appendArcPoints(pts, 100, 100, 50, 0, 90);
    ASSERT_GE(pts.size(), 3u);
    EXPECT_NEAR(pts.front().x, 150, 1e-9);
    EXPECT_NEAR(pts.front().y, 100, 1e-9);
    EXPECT_NEAR(pts.back().x, 100, 1e-6);
    EXPECT_NEAR(pts.back().y, 50, 1e-6); // counter-clockwise as seen: upwards on the device
    for (std::size_t i = 1; i < pts.size(); ++i) {
        EXPECT_NEAR(std::hypot(pts[i].x - 100, pts[i].y - 100), 50, 1e-6);
        // Chords stay within 0.2 pixels of the arc.
        const double mx = (pts[i].x + pts[i - 1].x) / 2, my = (pts[i].y + pts[i - 1].y) / 2;
        EXPECT_LT(50 - std::hypot(mx - 100, my - 100), 0.2);
    }
}

} // namespace
} // namespace zelvo
