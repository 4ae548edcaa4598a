// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The gain graph of S-Plot mode: MAG and MSG over a logarithmic frequency axis
// of whole decades, on a y-down surface.
#include "core/texts.h"
#include "model/sparam_set.h"
#include "render/canvas.h"
#include "render/scroll.h"
#include "render/trace_picture.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelvo {

struct GainSeries {
    std::string name;
    Colour colour = rgb(0, 0, 0);
    PenStyle style = PenStyle::Solid;
};

inline constexpr int magSeries = 1; // points with K >= 1
inline constexpr int msgSeries = 2; // points with K < 1

struct GainAxes {
    double fMin = 100.0;
    double fMax = 10000.0;
    double gMin = 0.0;
    double gMax = 30.0;
    std::string title = "f [GHz]";
    bool legend = false;
};

// "f [Hz]", "f [kHz]", "f [MHz]" or "f [GHz]" for the frequency exponent.
std::string frequencyAxisTitle(int freqExponent);

// Whole dB, and whole tens when the span exceeds 10 dB: the lower end rounded
// down to a multiple of 10, the upper one raised to the next multiple (a full
// ten above one already on it). The span is at least 1 dB.
void roundGainRange(double& gMin, double& gMax);

struct DecadeSpan {
    int lo = 0;
    int hi = 1;
    int count() const { return hi - lo; }
};
// floor(log10 fMin) .. ceil(log10 fMax), at least one decade.
DecadeSpan decadeSpan(double fMin, double fMax);

// The axes of the loaded set (the empty axes without a file): frequencies of
// the points with a positive frequency, gains MAG where K >= 1 and MSG
// elsewhere, rounded by roundGainRange.
GainAxes gainGraphAxes(const SParamSet& set);

// Frame, dotted grid, axis title, legend and axis labels in the area whose
// top-left corner is (x0, y0).
void drawGainGraph(Canvas& canvas, int x0, int y0, int width, int height, Colour frameColour,
                   double fMin, double fMax, double gMin, double gMax, const std::string& title,
                   std::span<const GainSeries> series, int fontHeight);
// One series: a circle of radius 2 at each of its points, joined to the
// previous point when that one immediately precedes it in the file.
void drawGainTrace(Canvas& canvas, int x0, int y0, int width, int height, Colour colour,
                   double fMin, double fMax, double gMin, double gMax, const SParamSet& set,
                   int series, PenStyle style);

// The stability factors mu and mu' on their own scale at the right edge of
// the frame, 0 at the bottom to `top`: at least 2 so that the stability
// limit mu = 1 is always inside, at most 5 so that very stable points do not
// flatten the interesting range (points above are not drawn).
inline constexpr Colour muColour = rgb(0, 150, 0);
inline constexpr Colour muPrimeColour = rgb(200, 0, 200);
double muAxisTop(const SParamSet& set);
// Labels 0, 1 and top beside the right edge, a dotted line at mu = 1, and
// both curves (mu solid, mu' dotted).
void drawMuTraces(Canvas& canvas, int x0, int y0, int width, int height, double fMin, double fMax,
                  double top, const SParamSet& set, int fontHeight);

// The gain of every dotted grid line beside the frame (a scaled window, an
// exported picture), in the decade labels' font.
void drawGainLineLabels(Canvas& canvas, int x0, int y0, int width, int height, const GainAxes& a,
                        int fontHeight);

// The window's graph: 600 x 400 at (20, 20) moved by the scroll positions.
struct GainGraphScroll {
    int horizontal = 0;
    int vertical = 0;
};
inline constexpr int gainGraphWidth = 600;
inline constexpr int gainGraphHeight = 400;

// The graph's size in a window of that size.
struct GainGraphSize {
    int width = gainGraphWidth;
    int height = gainGraphHeight;
    friend bool operator==(const GainGraphSize&, const GainGraphSize&) = default;
};
GainGraphSize gainGraphSize(int windowWidth, int windowHeight, int fontHeight);

// What the window keeps between paints, rebuilt when the data or the graph's
// size changes: the axes, where each point of the gain curves is drawn with
// the graph unscrolled, and for a long file the four curves (MAG, MSG, mu,
// mu') reduced to the graph's pixels.
struct GainGraphCache {
    std::uint64_t revision = 0;
    const SParamPoint* points = nullptr;
    int count = -1;
    GainGraphSize size{0, 0};

    GainAxes axes;
    double muTop = 2.0;
    std::vector<std::optional<Point>> positions;
    bool reduced = false;
    std::array<std::vector<TraceRun>, 4> curves;
};
// The cache brought up to date for the data and the window.
const GainGraphCache& updateGainGraphCache(GainGraphCache& cache, const SParamSet& set,
                                           int fontHeight, int windowWidth, int windowHeight);

// A window larger than the graph (with its legend) gets a graph that fills
// it, with a gain label on every grid line; 0 keeps the fixed size. A window
// that keeps a cache passes it.
void paintGainGraphWindow(Canvas& canvas, const SParamSet& set, const GainGraphScroll& scroll,
                          int fontHeight, int windowWidth = 0, int windowHeight = 0,
                          GainGraphCache* cache = nullptr, const Texts& texts = {});

// Where paintGainGraphWindow, given the same arguments, draws each point
// (y down, window pixels) and in which series; nullopt for a point it does
// not draw.
struct GainPointPosition {
    Point at;
    int series = 0;
};
std::vector<std::optional<GainPointPosition>>
gainPointPositions(const SParamSet& set, const GainGraphScroll& scroll, int fontHeight = 0,
                   int windowWidth = 0, int windowHeight = 0);
// The gain in dB a point is drawn with (MAG where K >= 1, else MSG).
double gainPointValue(const SParamSet& set, int index);

struct GainGraphRanges {
    int horizontalMax = 0;
    int verticalMax = 0;
};
GainGraphRanges gainGraphRanges(int width, int height);
// On resize: positions return to 0 when the window is nearly large enough.
void resizeGainGraph(GainGraphScroll& scroll, int width, int height);
// A scroll request; true when the position changed.
bool scrollGainGraph(GainGraphScroll& scroll, bool vertical, ScrollAction action, int thumb,
                     int width, int height);

} // namespace zelvo
