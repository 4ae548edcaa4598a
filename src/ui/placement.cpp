// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/placement.h"

#include "core/chain.h"
#include "core/part_path.h"
#include "core/numeric.h"
#include "render/schematic_text.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

// The constants of the angle windows and value formulas; a committed value is
// compared with stored designs, so they stay as the program always had them.
constexpr double pi = 3.14159265359;
constexpr double halfPi = 1.570796326795;
constexpr double threeHalfPi = 4.71238898038;
constexpr double twoPi = 6.28318530718;
constexpr double invTwoPi = 0.159154943091884854;
// Rejection of the float-tiny limit of the shunt inductor: the double nearest
// to the single-precision minimum, and the float literal itself.
constexpr double floatTinyDouble = 1.1754943508222875e-38;
constexpr double floatTinyLimit = 1.1754944e-38;

double guardedDivide(double a, double b)
{
    if (b == 0.0)
        return a < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG;
    const double q = a / b;
    if (std::isinf(q))
        return q < 0.0 ? -DOUBLE_BIG : DOUBLE_BIG;
    return q;
}

double angle0To2Pi(double a)
{
    return a < 0.0 ? a + 2.0 * pi : a;
}

bool usesFullTurn(ElementKind k)
{
    return k == ElementKind::RS || k == ElementKind::CP || k == ElementKind::IP ||
           k == ElementKind::RP || k == ElementKind::TR;
}

bool keepsValidFlag(ElementKind k)
{
    return k == ElementKind::CS || k == ElementKind::IS || k == ElementKind::RS ||
           k == ElementKind::CP || k == ElementKind::IP || k == ElementKind::RP;
}

struct Angles {
    double begin = 0.0;
    double mouse = 0.0;
};

// The point the drag accepts, or nullopt when the kind's window refuses it.
std::optional<Point> acceptedPoint(const PlacementHandoff& h, const PlacementContext& c,
                                   Point mouse, double cx, double cy, double rho, Angles a, int rz,
                                   Point beginAtZoom)
{
    const double xb = c.begin.im;
    const double tb = a.begin, tm = a.mouse;
    const auto onCircle = [&] {
        return Point{toInt(cx + rho * std::cos(tm)), toInt(cy + rho * std::sin(tm))};
    };
    const bool nearAxis = std::abs(beginAtZoom.y) < 4;
    switch (c.kind) {
    case ElementKind::CS:
        if ((tb > 0.0 && (tm > tb || tm < 0.0)) || (tb < 0.0 && tb < tm && tm < 0.0))
            return onCircle();
        return std::nullopt;
    case ElementKind::IS:
        if ((tb > 0.0 && 0.0 < tm && tm < tb) || (tb < 0.0 && (tm < tb || tm > 0.0)))
            return onCircle();
        return std::nullopt;
    case ElementKind::RS:
        if (nearAxis && beginAtZoom.x < mouse.x && mouse.x < rz)
            return Point{mouse.x, 0};
        if ((tm > tb && tm < threeHalfPi && xb > 0.0) || (tm < tb && tm > halfPi && xb < 0.0))
            return onCircle();
        return std::nullopt;
    case ElementKind::CP:
        if ((tb < pi && (tm <= tb || tm >= pi)) || (tb > pi && pi < tm && tm < tb))
            return onCircle();
        return std::nullopt;
    case ElementKind::IP:
        if ((tb > pi && (tm >= tb || tm <= pi)) || (tb < pi && tb < tm && tm < pi))
            return onCircle();
        return std::nullopt;
    case ElementKind::RP:
        if (nearAxis && -rz < mouse.x && mouse.x < beginAtZoom.x)
            return Point{mouse.x, 0};
        if (xb > 0.0 && ((tm < tb && tm > threeHalfPi && tb > threeHalfPi) ||
                         ((tm < tb || tm > threeHalfPi) && tb < threeHalfPi)))
            return onCircle();
        if (xb < 0.0 &&
            ((tm > tb && tm < halfPi && tb < halfPi) || ((tm > tb || tm < halfPi) && tb > halfPi)))
            return onCircle();
        return std::nullopt;
    case ElementKind::LS:
    case ElementKind::LPS:
    case ElementKind::LPO:
        return onCircle();
    case ElementKind::TR: {
        const bool sideOk = (xb >= 0.0 && mouse.y >= 0) || (xb <= 0.0 && mouse.y < 1);
        if (!sideOk || !(-rz < mouse.x && mouse.x < rz))
            return std::nullopt;
        if (h.workingPixel[1] == 0 || xb == 0.0)
            return Point{mouse.x, 0};
        return onCircle();
    }
    default:
        return std::nullopt;
    }
}

struct Value {
    double working = 0.0;
    double value = 0.0;
};

Value valueAt(const PlacementContext& c, Complex zp)
{
    const double rb = c.begin.re, xb = c.begin.im;
    const double bb = admittanceB(rb, xb);
    const double gp = admittanceG(zp.re, zp.im), bp = admittanceB(zp.re, zp.im);
    const double f2pi = twoPi * c.f;
    switch (c.kind) {
    case ElementKind::CS: {
        double x = zp.im - xb;
        if (!(x < -DOUBLE_TINY))
            x = -DOUBLE_TINY;
        return {x, guardedDivide(-1.0, f2pi * x)};
    }
    case ElementKind::IS: {
        double x = zp.im - xb;
        if (x < 0.0)
            x = 0.0;
        return {x, guardedDivide(x, f2pi)};
    }
    case ElementKind::RS: {
        double r = zp.re - rb;
        if (r < 0.0)
            r = 0.0;
        return {r, r};
    }
    case ElementKind::CP: {
        double x = guardedDivide(1.0, bp - bb + DOUBLE_TINY);
        if (x < DOUBLE_TINY)
            x = DOUBLE_TINY;
        return {x, guardedDivide(1.0, f2pi * x)};
    }
    case ElementKind::IP: {
        double x = guardedDivide(1.0, bp - bb + DOUBLE_TINY);
        if (!(x < -floatTinyLimit))
            x = -floatTinyDouble;
        return {x, guardedDivide(-x, f2pi)};
    }
    case ElementKind::RP: {
        const double gbShifted = admittanceG(rb, xb + DOUBLE_TINY);
        double r = guardedDivide(1.0, gp - gbShifted);
        if (r < DOUBLE_TINY)
            r = DOUBLE_TINY;
        return {r, r};
    }
    case ElementKind::LPS:
    case ElementKind::LPO: {
        double db = bp - bb;
        if (db == 0.0)
            db = floatTinyDouble;
        const double inv = guardedDivide(1.0, db);
        double len = c.kind == ElementKind::LPS ? std::atan2(inv, -c.lineImpedance) * invTwoPi
                                                : std::atan2(c.lineImpedance, inv) * invTwoPi;
        if (c.kind == ElementKind::LPS && len < 0.0)
            len += 0.5;
        return {db, len};
    }
    case ElementKind::LS: {
        const Complex zb{rb, xb};
        const double zl = c.lineImpedance;
        const Complex num = zl * (zp - zb);
        const Complex den = Complex{0.0, 1.0} * (zl * zl - zb * zp);
        // Zl^2 = Zb Zp exactly: the quarter-wave point, where tan(beta l) is infinite.
        if (den.re == 0.0 && den.im == 0.0)
            return {0.25, 0.25};
        double len = complexAtan(divideGuarded(num, den)).re / twoPi;
        if (len < 0.0)
            len += 0.5;
        if (!std::isfinite(len))
            len = 0.0;
        return {len, len};
    }
    case ElementKind::TR: {
        const float n = std::sqrt(ratioMagnitude32(c.begin, zp));
        double ratio = 10000.0;
        if (n != 0.0f) {
            const float inv = 1.0f / n;
            if (!(inv > 10000.0f))
                ratio = static_cast<double>(inv);
        }
        return {ratio, ratio};
    }
    default:
        return {};
    }
}

bool commitWindow(ElementKind kind, double v)
{
    switch (kind) {
    case ElementKind::CS:
        return v < 0.0001;
    case ElementKind::IS:
        return v > 1e-12;
    case ElementKind::RS:
        return v > 0.001;
    case ElementKind::CP:
        return v > 1e-16 && v < 0.001;
    case ElementKind::IP:
        return v < 0.001;
    case ElementKind::RP:
        return v < 1000000.0;
    default:
        return true;
    }
}

Complex fromAdmittance(double g, double b)
{
    return {admittanceG(g, b), admittanceB(g, b)};
}

} // namespace

Element* pendingSlot(Design& d)
{
    if (d.elementCount < 0 || d.elementCount >= Design::elementCapacity)
        return nullptr;
    return &d.elements[static_cast<std::size_t>(d.elementCount)];
}

void savePendingSlot(AppState& state)
{
    if (const Element* slot = pendingSlot(state.design))
        state.placement.savedSlot = *slot;
}

void cancelPlacement(AppState& state)
{
    PlacementHandoff& h = state.placement;
    if (h.savedSlot) {
        if (Element* slot = pendingSlot(state.design))
            *slot = *h.savedSlot;
    }
    h.end();
}

Complex impedanceAtPixel(double x, double y, int baseRadius, float zoom, float z0)
{
    const double rf = static_cast<double>(baseRadius) * static_cast<double>(zoom);
    const double u = rf == 0.0 ? 0.0 : x / rf;
    const double v = rf == 0.0 ? 0.0 : y / rf;
    return {static_cast<double>(z0) * resistanceFromGamma(u, v),
            static_cast<double>(z0) * reactanceFromGamma(u, v)};
}

ExactReadout exactReadout(const PlacementContext& c)
{
    using W = ExactReadout::Which;
    const double rb = c.begin.re, xb = c.begin.im;
    switch (c.kind) {
    case ElementKind::CS:
    case ElementKind::IS:
        return {W::R, rb};
    case ElementKind::RS:
        return {W::X, xb};
    case ElementKind::CP:
    case ElementKind::IP:
    case ElementKind::LPS:
    case ElementKind::LPO:
        return {W::G, admittanceG(rb, xb)};
    case ElementKind::RP:
        return {W::B, admittanceB(rb, xb)};
    case ElementKind::TR:
        return {W::Q, rb == 0.0 ? static_cast<double>(FLOAT_BIG) : xb / rb};
    default:
        return {};
    }
}

std::optional<double> nearestPathParameter(std::span<const PathPoint> path, float z0,
                                           int baseRadius, float zoom, Point mouse)
{
    const double rf = static_cast<double>(baseRadius) * static_cast<double>(zoom);
    const double zr = static_cast<double>(z0);
    const auto pixelOf = [&](Complex z) {
        const Complex g = impedanceToGamma(z.re, z.im, zr);
        return Complex{g.re * rf, g.im * rf};
    };
    const double mx = mouse.x, my = mouse.y;
    std::optional<double> best;
    double bestDistance = 0.0;
    const auto consider = [&](double distance, double t) {
        if (std::isfinite(distance) && (!best || distance < bestDistance)) {
            best = t;
            bestDistance = distance;
        }
    };
    Complex a = path.empty() ? Complex{} : pixelOf(path.front().z);
    if (path.size() == 1)
        consider(std::hypot(mx - a.re, my - a.im), path.front().t);
    for (std::size_t i = 1; i < path.size(); ++i) {
        const Complex b = pixelOf(path[i].z);
        const double dx = b.re - a.re, dy = b.im - a.im;
        const double len2 = dx * dx + dy * dy;
        const double s =
            len2 > 0.0 ? std::clamp(((mx - a.re) * dx + (my - a.im) * dy) / len2, 0.0, 1.0) : 0.0;
        const double px = a.re + s * dx, py = a.im + s * dy;
        consider(std::hypot(mx - px, my - py), path[i - 1].t + s * (path[i].t - path[i - 1].t));
        a = b;
    }
    return best;
}

namespace {

// A lossy part: the mouse snaps to the nearest point of the sampled path, and
// the element is the value read there, shown where it really takes the
// impedance.
DragStep dragAlongPath(const PlacementHandoff& h, const PlacementContext& c, PlacementTrack& track,
                       Point mouse)
{
    DragStep step;
    if (mouse == track.last)
        return step;
    const std::optional<double> t =
        nearestPathParameter(h.guidePath, c.z0, c.baseRadius, c.zoom, mouse);
    if (!t) {
        step.outcome = DragOutcome::Refused;
        step.point = track.last;
        return step;
    }
    const double zr = static_cast<double>(c.z0);
    Element part;
    part.kind = c.kind;
    part.loss = c.loss;
    part.lineImpedance = static_cast<float>(c.lineImpedance);
    part.value = valueAtPathParameter(c.kind, *t, c.begin, zr, c.f);
    const Complex z = transformElement(part, c.begin, c.f, c.f);
    const Complex g = impedanceToGamma(z.re, z.im, zr);
    const double rf = static_cast<double>(c.baseRadius) * static_cast<double>(c.zoom);
    track.last = {toInt(g.re * rf), toInt(g.im * rf)};
    track.lastValid = true;
    track.working = *t;
    step.outcome = DragOutcome::Accepted;
    step.point = track.last;
    step.value = part.value;
    step.shown = pendingValueShown(c.kind, part.value);
    step.exact = ExactReadout::whole(z);
    return step;
}

} // namespace

DragStep dragPlacement(const PlacementHandoff& h, const PlacementContext& c, PlacementTrack& track,
                       double storedValue, Point mouse)
{
    if (!h.guidePath.empty())
        return dragAlongPath(h, c, track, mouse);
    DragStep step;
    const double s = static_cast<double>(c.zoom);
    const int rz = toInt(static_cast<double>(c.baseRadius) * s);
    const double rho = std::trunc(static_cast<double>(h.guideCircle[2]) * s);
    const double cx = std::trunc(static_cast<double>(h.guideCircle[0]) * s);
    const double cy = std::trunc(static_cast<double>(h.guideCircle[1]) * s);
    const Point beginAtZoom{toInt(h.workingPixel[0] * s), toInt(h.workingPixel[1] * s)};

    Angles a;
    a.begin = std::atan2(beginAtZoom.y - cy, beginAtZoom.x - cx);
    a.mouse = std::atan2(mouse.y - cy, mouse.x - cx);
    if (usesFullTurn(c.kind)) {
        a.begin = angle0To2Pi(a.begin);
        a.mouse = angle0To2Pi(a.mouse);
    }

    if (mouse == track.last)
        return step;

    const std::optional<Point> p = acceptedPoint(h, c, mouse, cx, cy, rho, a, rz, beginAtZoom);
    if (!p) {
        if (c.kind == ElementKind::CS && !(storedValue < 0.0001)) {
            step.outcome = DragOutcome::Passed;
            step.point = mouse;
            return step;
        }
        if (keepsValidFlag(c.kind))
            track.lastValid = false;
        step.outcome = DragOutcome::Refused;
        step.point = track.last;
        return step;
    }

    track.last = *p;
    if (keepsValidFlag(c.kind))
        track.lastValid = true;
    const Complex zp = impedanceAtPixel(p->x, p->y, c.baseRadius, c.zoom, c.z0);
    const Value v = valueAt(c, zp);
    track.working = v.working;
    step.outcome = DragOutcome::Accepted;
    step.point = *p;
    step.value = v.value;
    step.shown = pendingValueShown(c.kind, v.value);
    step.exact = exactReadout(c);
    return step;
}

std::optional<Element> commitPlacement(const PlacementContext& c, const PlacementTrack& track,
                                       const Element& pending)
{
    const double value = pending.value;
    Element e = pending;
    e.kind = c.kind;
    if (followsPath(e)) {
        if (value == 0.0 || !track.lastValid || !commitWindow(c.kind, value))
            return std::nullopt;
        const Complex end = transformElement(e, c.begin, c.f, c.f);
        e.rBegin = c.begin.re;
        e.xBegin = c.begin.im;
        e.rEnd = end.re;
        e.xEnd = end.im;
        return e;
    }
    if (keepsValidFlag(c.kind) &&
        (value == 0.0 || !track.lastValid || !commitWindow(c.kind, value)))
        return std::nullopt;

    const double rb = c.begin.re, xb = c.begin.im;
    const double gb = admittanceG(rb, xb), bb = admittanceB(rb, xb);
    const double w = track.working;
    Complex end{rb, xb};
    switch (c.kind) {
    case ElementKind::CS:
    case ElementKind::IS:
        end = {rb, xb + w};
        break;
    case ElementKind::RS:
        end = {rb + w, xb};
        break;
    case ElementKind::CP:
    case ElementKind::IP:
        end = fromAdmittance(gb, bb + guardedDivide(1.0, w));
        break;
    case ElementKind::RP:
        end = fromAdmittance(gb + guardedDivide(1.0, w), bb);
        break;
    case ElementKind::LPO:
        end =
            fromAdmittance(gb, bb + std::tan(twoPi * value) / static_cast<double>(e.lineImpedance));
        break;
    case ElementKind::LPS:
        end = fromAdmittance(gb, bb - guardedDivide(1.0, std::tan(twoPi * value) *
                                                             static_cast<double>(e.lineImpedance)));
        break;
    case ElementKind::TR: {
        const double m = value == 0.0 ? floatTinyDouble : value;
        end = {rb * m * m, xb * m * m};
        break;
    }
    case ElementKind::LS:
        end = transformElement(e, c.begin, c.f, c.f);
        break;
    default:
        return std::nullopt;
    }
    e.rBegin = rb;
    e.xBegin = xb;
    e.rEnd = end.re;
    e.xEnd = end.im;
    return e;
}

} // namespace zelvo
