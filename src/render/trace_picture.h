// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Traces of far more points than the surface has pixels, reduced to what the
// pixels can show: within each pixel column a run of consecutive points keeps
// only its first, lowest, highest and last point (the line covers the same
// pixels), a line between two pixels is drawn once however often the trace
// goes back and forth between them (noise), and each pixel gets one circle
// however many points share it.
#include "render/canvas.h"

#include <cstdint>
#include <vector>

namespace zelvo {

// Traces of more points than this are reduced; shorter ones, every sweep an
// analyser commonly writes, are drawn point by point as they always were.
inline constexpr int reduceTracesAbove = 4096;

// One joined run of a trace and the circles along it.
struct TraceRun {
    std::vector<Point> line;
    std::vector<Point> markers;
};

// Inclusive pixel bounds.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

class TraceReducer {
  public:
    // Circles are merged by pixel inside `box`; outside it only a repeat of
    // the point before is dropped. The box should cover what the surface shows.
    explicit TraceReducer(PixelBox box);

    // The next point of the trace, in trace order.
    void add(Point p);
    // A point that is not drawn: the line breaks here.
    void gap();
    // The runs; the reducer starts afresh.
    std::vector<TraceRun> finish();

  private:
    struct Seen {
        Point p;
        std::uint64_t order;
    };
    void mark(Point p);
    void closeColumn();
    void extendLine(Point p);
    // The pixel's place in the box, or -1 outside it.
    long long pixelIndex(Point p) const;
    // True when the line between the two pixels was drawn before.
    bool drawnBefore(long long a, long long b);
    void endRun();

    PixelBox box_;
    long long boxWidth_ = 0;
    std::vector<std::uint64_t> seen_;  // one bit per pixel of the box
    std::vector<std::uint64_t> lines_; // open addressing; 0 is an empty slot
    std::size_t lineCount_ = 0;
    std::vector<TraceRun> runs_;
    TraceRun run_;
    bool hasLast_ = false;
    Point last_;
    std::uint64_t order_ = 0;
    bool columnOpen_ = false;
    Seen first_, low_, high_, end_;
};

// How a run's line is drawn: one polyline, or a line per pair of points
// (a dotted pen then starts afresh at every point, as a point-by-point trace
// does).
enum class TraceJoin : std::uint8_t { Polyline, Segments };

// Each run: a circle of radius 2 at every marker in `markerPen`, then its
// line in `linePen`; everything moved by `offset`.
void drawTraceRuns(Canvas& canvas, const std::vector<TraceRun>& runs, const Pen& markerPen,
                   const Pen& linePen, TraceJoin join, Point offset = {});

} // namespace zelvo
