// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/trace_picture.h"

#include "core/numeric.h"
#include "render/chart_geometry.h"

#include <algorithm>
#include <array>

namespace zelvo {

namespace {

// A box larger than this (a poster-sized page) merges only repeated points:
// its bitmap would cost more than the circles it saves.
constexpr long long largestBoxPixels = 1LL << 27;

} // namespace

TraceReducer::TraceReducer(PixelBox box) : box_(box)
{
    const long long w = static_cast<long long>(box.right) - box.left + 1;
    const long long h = static_cast<long long>(box.bottom) - box.top + 1;
    if (w > 0 && h > 0 && w * h <= largestBoxPixels) {
        boxWidth_ = w;
        seen_.assign(static_cast<std::size_t>((w * h + 63) / 64), 0);
    }
}

void TraceReducer::mark(Point p)
{
    if (boxWidth_ > 0 && p.x >= box_.left && p.x <= box_.right && p.y >= box_.top &&
        p.y <= box_.bottom) {
        const auto bit = static_cast<std::size_t>(
            (static_cast<long long>(p.y) - box_.top) * boxWidth_ + (p.x - box_.left));
        std::uint64_t& word = seen_[bit / 64];
        const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
        if (word & mask)
            return;
        word |= mask;
    }
    run_.markers.push_back(p);
}

void TraceReducer::add(Point p)
{
    // A repeat adds neither a pixel to the line nor a circle.
    if (hasLast_ && p == last_)
        return;
    hasLast_ = true;
    last_ = p;
    mark(p);
    const Seen s{p, order_++};
    if (columnOpen_ && p.x == first_.p.x) {
        if (p.y < low_.p.y)
            low_ = s;
        if (p.y > high_.p.y)
            high_ = s;
        end_ = s;
        return;
    }
    closeColumn();
    columnOpen_ = true;
    first_ = low_ = high_ = end_ = s;
}

void TraceReducer::closeColumn()
{
    if (!columnOpen_)
        return;
    columnOpen_ = false;
    // All of the column's points lie on one vertical line, which the path
    // covers from its lowest to its highest point: entering, both extremes
    // in the order they came, and leaving cover the same pixels.
    std::array<Seen, 4> kept = {first_, low_, high_, end_};
    std::sort(kept.begin(), kept.end(),
              [](const Seen& a, const Seen& b) { return a.order < b.order; });
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0 && kept[i].order == kept[i - 1].order)
            continue;
        if (run_.line.empty() || !(run_.line.back() == kept[i].p))
            run_.line.push_back(kept[i].p);
    }
}

void TraceReducer::gap()
{
    closeColumn();
    hasLast_ = false;
    if (!run_.line.empty() || !run_.markers.empty())
        runs_.push_back(std::move(run_));
    run_ = {};
}

std::vector<TraceRun> TraceReducer::finish()
{
    gap();
    std::vector<TraceRun> out = std::move(runs_);
    runs_ = {};
    std::fill(seen_.begin(), seen_.end(), 0);
    return out;
}

void drawTraceRuns(Canvas& canvas, const std::vector<TraceRun>& runs, const Pen& markerPen,
                   const Pen& linePen, TraceJoin join, Point offset)
{
    const CanvasStateGuard keep(canvas);
    const auto moved = [&](Point p) {
        return Point{sumSaturated(p.x, offset.x), sumSaturated(p.y, offset.y)};
    };
    std::vector<Point> line;
    for (const TraceRun& run : runs) {
        canvas.setPen(markerPen);
        for (const Point p : run.markers) {
            const Point at = moved(p);
            drawCircle(canvas, at.x, at.y, 2);
        }
        canvas.setPen(linePen);
        if (join == TraceJoin::Polyline) {
            line.clear();
            for (const Point p : run.line)
                line.push_back(moved(p));
            canvas.polyline(line);
            continue;
        }
        for (std::size_t i = 1; i < run.line.size(); ++i) {
            canvas.moveTo(moved(run.line[i - 1]));
            canvas.lineTo(moved(run.line[i]));
        }
    }
}

} // namespace zelvo
