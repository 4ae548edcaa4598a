// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Placing an element with the mouse, as plain functions: the guide along which
// each kind moves the working point (toolbox), the snapping of a mouse
// position onto that guide with the element value that reaches it, and the
// end point of the committed element (chart window). Chart pixels: origin at
// the chart centre, y up.
#include "core/complex.h"
#include "core/element.h"
#include "render/canvas.h"
#include "ui/app_state.h"

#include <optional>
#include <span>

namespace zelvo {

// The guide of `kind` for a working point `begin` (R + jX in ohm); fills
// workingPixel, guideCircle and the arc / straight guides of `h` (pixels at
// zoom 1). `lineImpedance` is Zl of a line (LS only). The zoom decides
// whether a constant-reactance or constant-susceptance guide is drawn as an
// arc or, when nearly straight, as a segment.
void computeGuide(PlacementHandoff& h, ElementKind kind, Complex begin, float z0,
                  double lineImpedance, int baseRadius, float zoom);

// The guide of a lossy part (`part`: kind, losses and line data): its path
// from the working point `begin` over the whole range of its value at the
// design frequency f0; fills workingPixel and guidePath of `h`.
void computePathGuide(PlacementHandoff& h, const Element& part, Complex begin, float z0, double f0,
                      int baseRadius);

// The pointer offset of each kind's toolbox button (both screen coordinates).
int pointerOffset(ElementKind kind);

// The chart window's own record of the placement in progress.
struct PlacementTrack {
    Point last;             // last accepted point, chart pixels at the current zoom
    bool lastValid = false; // kept by CS, IS, RS, CP, IP and RP only
    double working = 0.0;   // the working quantity of the last accepted point (a path: its t)
};

// Everything a drag step reads besides the hand-off.
struct PlacementContext {
    ElementKind kind = ElementKind::None;
    Complex begin; // Rb + jXb, ohm
    float z0 = 50.0f;
    double f = 0.0;            // design frequency, Hz
    double lineImpedance = 50; // Zl of a line or stub, ohm
    PartLoss loss;             // the pending part's losses
    int baseRadius = 0;
    float zoom = 1.0f;
};

// A readout quantity that a placement keeps exactly (the one its kind does
// not change) instead of reading it back from the rounded pixel.
struct ExactReadout {
    enum class Which { None, R, X, G, B, Q, Z };
    Which which = Which::None;
    double value = 0.0;
    Complex impedance; // Z: every quantity from this impedance (a lossy part keeps none)

    ExactReadout() = default;
    ExactReadout(Which w, double v) : which(w), value(v) {}
    static ExactReadout whole(Complex z)
    {
        ExactReadout e;
        e.which = Which::Z;
        e.impedance = z;
        return e;
    }
};
ExactReadout exactReadout(const PlacementContext& c);

enum class DragOutcome {
    Ignored,  // the mouse is on the last accepted point (the pointer was just moved there)
    Accepted, // `point` is the new point on the guide; `value` the element's value
    Refused,  // the pointer goes back to `point`, the last accepted one
    Passed,   // refused, but the pointer is left where it is (CS with a large value)
};

struct DragStep {
    DragOutcome outcome = DragOutcome::Ignored;
    Point point;
    double value = 0.0; // Accepted: the element value (F, H, ohm, wavelengths, ratio)
    bool shown = false; // Accepted: the value lies in the kind's display window
    ExactReadout exact; // Accepted: what the readout takes exactly
};

// One mouse move (chart pixels at the current zoom) during a placement.
// Updates `track` as the chart window keeps it; `storedValue` is the value the
// pending slot holds from the previous accepted step. With a path guide the
// mouse snaps to the nearest point of the path, and the point shown is where
// the value read there really takes the impedance.
DragStep dragPlacement(const PlacementHandoff& h, const PlacementContext& c, PlacementTrack& track,
                       double storedValue, Point mouse);

// The element a left click fixes, or nullopt when the click is refused (value
// outside the commit window, or after a refused position). `pending` is the
// slot being placed: its value, losses and, for lines, Zl and er. A lossy
// part ends exactly where transformElement takes the begin point.
std::optional<Element> commitPlacement(const PlacementContext& c, const PlacementTrack& track,
                                       const Element& pending);

// The slot of the element being placed (index elementCount); nullptr when
// the chain is full.
Element* pendingSlot(Design& d);
// Keeps the pending slot's contents before dialogs and the drag write into it.
void savePendingSlot(AppState& state);
// Ends a placement without an element: the slot gets its old contents back.
void cancelPlacement(AppState& state);

// The parameter (core/part_path.h) of the point of `path` nearest to
// `mouse`, interpolated along the nearest segment; chart pixels at the
// current zoom. nullopt for an empty path.
std::optional<double> nearestPathParameter(std::span<const PathPoint> path, float z0,
                                           int baseRadius, float zoom, Point mouse);

// The impedance of a chart pixel at the current zoom (Gamma from the unrounded
// radius baseRadius * zoom).
Complex impedanceAtPixel(double x, double y, int baseRadius, float zoom, float z0);

} // namespace zelvo
