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

long long TraceReducer::pixelIndex(Point p) const
{
    if (boxWidth_ == 0 || p.x < box_.left || p.x > box_.right || p.y < box_.top ||
        p.y > box_.bottom)
        return -1;
    return (static_cast<long long>(p.y) - box_.top) * boxWidth_ + (p.x - box_.left);
}

void TraceReducer::mark(Point p)
{
    if (const long long index = pixelIndex(p); index >= 0) {
        const auto bit = static_cast<std::size_t>(index);
        std::uint64_t& word = seen_[bit / 64];
        const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
        if (word & mask)
            return;
        word |= mask;
    }
    run_.markers.push_back(p);
}

bool TraceReducer::drawnBefore(long long a, long long b)
{
    // Both ends below 2^27: the pair fits a word, one more keeps it off 0.
    const std::uint64_t key = ((static_cast<std::uint64_t>(std::min(a, b)) << 27) |
                               static_cast<std::uint64_t>(std::max(a, b))) +
                              1;
    if (2 * (lineCount_ + 1) > lines_.size()) {
        std::vector<std::uint64_t> old = std::move(lines_);
        lines_.assign(std::max<std::size_t>(1024, 2 * old.size()), 0);
        lineCount_ = 0;
        for (const std::uint64_t k : old)
            if (k != 0)
                drawnBefore(static_cast<long long>((k - 1) >> 27),
                            static_cast<long long>((k - 1) & ((1ULL << 27) - 1)));
    }
    const std::size_t mask = lines_.size() - 1;
    for (std::size_t slot = (key * 0x9E3779B97F4A7C15ULL) >> 20 & mask;; slot = (slot + 1) & mask) {
        if (lines_[slot] == key)
            return true;
        if (lines_[slot] == 0) {
            lines_[slot] = key;
            ++lineCount_;
            return false;
        }
    }
}

void TraceReducer::endRun()
{
    if (run_.line.size() >= 2 || !run_.markers.empty())
        runs_.push_back(std::move(run_));
    run_ = {};
}

void TraceReducer::extendLine(Point p)
{
    if (run_.line.empty()) {
        run_.line.push_back(p);
        return;
    }
    const Point from = run_.line.back();
    if (from == p)
        return;
    const long long a = pixelIndex(from), b = pixelIndex(p);
    if (a >= 0 && b >= 0 && drawnBefore(a, b)) {
        // The line breaks here and goes on from this point.
        if (run_.line.size() >= 2)
            endRun();
        run_.line.assign(1, p);
        return;
    }
    run_.line.push_back(p);
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
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (i == 0 || kept[i].order != kept[i - 1].order)
            extendLine(kept[i].p);
}

void TraceReducer::gap()
{
    closeColumn();
    hasLast_ = false;
    endRun();
}

std::vector<TraceRun> TraceReducer::finish()
{
    gap();
    std::vector<TraceRun> out = std::move(runs_);
    runs_ = {};
    std::fill(seen_.begin(), seen_.end(), 0);
    lines_.clear();
    lineCount_ = 0;
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
