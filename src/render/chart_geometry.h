#pragma once
// The chart window's view state, the mappings between the reflection
// coefficient and chart pixels (origin at Gamma = 0, y up), the circle and arc
// primitives every chart drawing uses, and the zoom rules.
#include "core/complex.h"
#include "model/settings.h"
#include "render/canvas.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

struct ChartView {
    int clientWidth = 0;
    int clientHeight = 0;
    int centreX = 0;
    int centreY = 0;
    int baseRadius = 0; // radius at zoom 1; follows the width only
    int lineHeight = 0; // default font height + external leading of the window
};

// Fills every field but lineHeight from the client size.
void resizeChartView(ChartView& view, int clientWidth, int clientHeight);

// The drawn radius of |Gamma| = 1: baseRadius * zoom in float, truncated.
int chartRadius(int baseRadius, float zoom);

// (cx + trunc(Re * R), cy + trunc(Im * R)), saturating.
Point gammaToChart(Complex gamma, int radius, int cx, int cy);

// Gamma of an impedance in ohm for the reference z0. Impedances too large for
// the plain formulas (a saturated open) still give their limit, Gamma = 1;
// nullopt only when the impedance is not a number.
std::optional<Complex> impedanceGamma(double r, double x, float z0);
// The pixel of an impedance; nullopt when it has no finite Gamma.
std::optional<Point> impedanceToChart(double r, double x, float z0, int radius, int cx, int cy);

// Gamma under a client pixel, or nullopt outside the chart (the boundary
// circle itself counts as outside).
std::optional<Complex> clientToGamma(const ChartView& view, float zoom, int px, int py);

void drawCircle(Canvas& canvas, int cx, int cy, int r);
// Arc of the circle about (cx, cy), counter-clockwise from start to end.
void drawArcAbout(Canvas& canvas, int cx, int cy, int r, Point start, Point end);
// The same with every point moved by (dx, dy), or with y replaced by dy - y
// when flipY is set.
void drawArcOffset(Canvas& canvas, int cx, int cy, int r, Point start, Point end, int dx, int dy,
                   bool flipY);

// True when a pixel value computed in double can be drawn: finite and inside
// the int range. Saturated values (guarded divisions by zero) are not.
bool drawablePixel(double v);

inline constexpr float zoomMax = 16.0f;
inline constexpr float zoomMin = 0.125f;
inline constexpr float zoomValueMin = settingsZoomMin;
inline constexpr float zoomValueMax = settingsZoomMax;

float zoomIn(float zoom);
float zoomOut(float zoom);
// The zoom factor dialog: the text read as a decimal number (0 when it is
// none), raised to 0.01 and limited to 50.
float zoomFromText(std::string_view text);
// What the zoom factor dialog shows: "%.2f".
std::string zoomText(float zoom);

} // namespace zelvo
