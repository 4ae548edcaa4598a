// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Long traces reduced to their pixels: the line covers the same pixels as the
// full trace, every pixel with a point keeps one circle, gaps still break.
#include "render/recording_canvas.h"
#include "render/trace_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace zelvo {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels of a segment, by the integer steps of the longer axis, the same
// either way round: enough to compare two paths made of the same segments.
void rasterise(Pixels& out, Point a, Point b)
{
    if (std::pair(b.x, b.y) < std::pair(a.x, a.y))
        std::swap(a, b);
    const int dx = b.x - a.x, dy = b.y - a.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i <= steps; ++i) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
        out.insert({a.x + static_cast<int>(std::lround(t * dx)),
                    a.y + static_cast<int>(std::lround(t * dy))});
    }
}

Pixels linePixels(const std::vector<std::vector<Point>>& runs)
{
    Pixels out;
    for (const auto& run : runs) {
        if (run.size() == 1)
            out.insert({run[0].x, run[0].y});
        for (std::size_t i = 1; i < run.size(); ++i)
            rasterise(out, run[i - 1], run[i]);
    }
    return out;
}

// A measured-looking trace: about 130 points to a column, drifting up and
// down with one-pixel jitter (now and then sideways), spikes, a gap every
// 5000 points and a stretch outside the box.
std::vector<std::optional<Point>> wanderingTrace(int n)
{
    std::vector<std::optional<Point>> out;
    unsigned r = 7;
    for (int i = 0; i < n; ++i) {
        r = r * 1103515245u + 12345u;
        if (i % 5000 == 4999) {
            out.emplace_back(std::nullopt);
            continue;
        }
        const int jitter = static_cast<int>((r >> 16) % 3) - 1;
        int x = i / 133 + ((r >> 24) % 64 == 0 ? jitter : 0);
        // Every other stretch higher up, so that a line across a gap would show.
        int y = static_cast<int>(80 * std::sin(i * 0.0005)) + jitter + i / 5000 % 2 * 100;
        if (i % 997 == 0)
            y += 60;
        if (i > 30000 && i < 30500)
            x += 1000;
        out.emplace_back(Point{x, y});
    }
    return out;
}

TEST(TraceReducer, SamePixelsFewerPointsOneCirclePerPixel)
{
    const auto trace = wanderingTrace(40000);
    const PixelBox box{-10, -200, 400, 200};
    TraceReducer reducer(box);
    std::vector<std::vector<Point>> full(1);
    Pixels distinctInside;
    std::size_t repeatsOutside = 0; // circles kept outside the box
    bool hasBefore = false;
    Point before;
    for (const auto& p : trace) {
        if (!p) {
            reducer.gap();
            full.emplace_back();
            hasBefore = false;
            continue;
        }
        reducer.add(*p);
        full.back().push_back(*p);
        const bool inside =
            p->x >= box.left && p->x <= box.right && p->y >= box.top && p->y <= box.bottom;
        if (inside)
            distinctInside.insert({p->x, p->y});
        else if (!(hasBefore && before == *p))
            ++repeatsOutside;
        hasBefore = true;
        before = *p;
    }
    const std::vector<TraceRun> runs = reducer.finish();

    ASSERT_GE(runs.size(), 8u); // the last gap ends the trace
    std::vector<std::vector<Point>> lines;
    std::size_t linePoints = 0;
    std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> segments;
    std::size_t segmentsInside = 0;
    std::multiset<std::pair<int, int>> circlesInside;
    std::size_t circlesOutside = 0;
    for (const TraceRun& run : runs) {
        lines.push_back(run.line);
        linePoints += run.line.size();
        for (std::size_t i = 1; i < run.line.size(); ++i) {
            const Point a = run.line[i - 1], b = run.line[i];
            const auto inside = [&](Point p) {
                return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
            };
            if (!inside(a) || !inside(b))
                continue;
            const std::pair<int, int> pa{a.x, a.y}, pb{b.x, b.y};
            segments.insert({std::min(pa, pb), std::max(pa, pb)});
            ++segmentsInside;
        }
        for (const Point m : run.markers) {
            if (m.x >= box.left && m.x <= box.right && m.y >= box.top && m.y <= box.bottom)
                circlesInside.insert({m.x, m.y});
            else
                ++circlesOutside;
        }
    }
    EXPECT_EQ(linePixels(lines), linePixels(full));
    EXPECT_LT(linePoints, trace.size() / 4);
    // Back and forth between two pixels draws their line once.
    EXPECT_EQ(segmentsInside, segments.size());
    // One circle for each pixel with a point inside the box, none twice.
    EXPECT_EQ(Pixels(circlesInside.begin(), circlesInside.end()), distinctInside);
    EXPECT_EQ(circlesInside.size(), distinctInside.size());
    EXPECT_EQ(circlesOutside, repeatsOutside);
    EXPECT_GT(circlesOutside, 0u);
}

TEST(TraceReducer, NoiseBetweenTwoPixelsDrawsTheirLineOnce)
{
    TraceReducer reducer({0, 0, 100, 100});
    for (int i = 0; i < 1000; ++i)
        reducer.add(i % 2 == 0 ? Point{10, 10} : Point{11, 12});
    reducer.add({20, 20});
    std::vector<std::vector<Point>> lines;
    std::size_t circles = 0;
    for (const TraceRun& run : reducer.finish()) {
        if (run.line.size() >= 2)
            lines.push_back(run.line);
        circles += run.markers.size();
    }
    EXPECT_EQ(lines, (std::vector<std::vector<Point>>{{{10, 10}, {11, 12}}, {{11, 12}, {20, 20}}}));
    EXPECT_EQ(circles, 3u);
}

TEST(TraceReducer, AColumnKeepsEntryExtremesAndExitInOrder)
{
    TraceReducer reducer({0, 0, 100, 100});
    for (const Point p : {Point{5, 50}, Point{5, 52}, Point{5, 90}, Point{5, 51}, Point{5, 10},
                          Point{5, 50}, Point{5, 60}, Point{6, 61}})
        reducer.add(p);
    const auto runs = reducer.finish();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].line, (std::vector<Point>{{5, 50}, {5, 90}, {5, 10}, {5, 60}, {6, 61}}));
    // (5, 50) came twice: one circle.
    EXPECT_EQ(runs[0].markers.size(), 7u);
}

TEST(TraceRuns, DrawnWithTheirPensAndMoved)
{
    std::vector<TraceRun> runs(2);
    runs[0].line = {{0, 0}, {3, 4}, {3, 9}};
    runs[0].markers = {{0, 0}, {3, 4}};
    runs[1].line = {{10, 10}};
    runs[1].markers = {{10, 10}};
    const Pen marker{PenStyle::Solid, 1, rgb(255, 0, 0)};
    const Pen line{PenStyle::Dotted, 1, rgb(255, 0, 0)};

    RecordingCanvas poly;
    drawTraceRuns(poly, runs, marker, line, TraceJoin::Polyline, {100, 200});
    const auto polylines = poly.ofKind(DrawOp::Polyline);
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_EQ(polylines[0].points, (std::vector<Point>{{100, 200}, {103, 204}, {103, 209}}));
    EXPECT_EQ(polylines[0].pen, line);
    const auto circles = poly.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ((Point{circles[2].centreX(), circles[2].centreY()}), (Point{110, 210}));
    EXPECT_EQ(circles[2].radius(), 2);
    EXPECT_EQ(circles[0].pen, marker);

    RecordingCanvas segments;
    drawTraceRuns(segments, runs, marker, line, TraceJoin::Segments);
    const auto to = segments.ofKind(DrawOp::LineTo);
    ASSERT_EQ(to.size(), 2u); // a single point joins nothing
    EXPECT_EQ((std::vector<int>{to[1].v[2], to[1].v[3], to[1].v[0], to[1].v[1]}),
              (std::vector<int>{3, 4, 3, 9}));
    EXPECT_EQ(segments.saveDepth(), 0);
}

} // namespace
} // namespace zelvo
