// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/splot_readout.h"

#include "core/complex.h"
#include "core/format.h"
#include "render/gain_graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelvo {

std::optional<int> nearestPosition(const std::vector<std::optional<Point>>& positions, Point p,
                                   int maxDistance)
{
    std::optional<int> best;
    double bestD = static_cast<double>(maxDistance) * maxDistance;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if (!positions[i])
            continue;
        const double dx = static_cast<double>(positions[i]->x) - p.x;
        const double dy = static_cast<double>(positions[i]->y) - p.y;
        const double d = dx * dx + dy * dy;
        if (d <= bestD && (!best || d < bestD)) {
            best = static_cast<int>(i);
            bestD = d;
        }
    }
    return best;
}

std::string pointFrequencyText(const SParamSet& set, int index)
{
    if (index < 0 || index >= set.validPoints())
        return {};
    const double f = static_cast<double>(set.points[static_cast<std::size_t>(index)].frequency) *
                     std::pow(10.0, set.freqExponent);
    return formatFrequency(f, 3) + "Hz";
}

namespace {

constexpr double degreesPerRadian = 180.0 / 3.14159265358979323846;

std::string name(TraceCode code)
{
    switch (code) {
    case TraceCode::S11:
        return "S11";
    case TraceCode::S12:
        return "S12";
    case TraceCode::S21:
        return "S21";
    case TraceCode::S22:
        return "S22";
    }
    return {};
}

} // namespace

std::string traceReadoutText(const SParamSet& set, TraceCode code, int index,
                             const Texts& texts)
{
    if (index < 0 || index >= set.validPoints())
        return {};
    const SParamPoint& p = set.points[static_cast<std::size_t>(index)];
    std::string out = "f = " + pointFrequencyText(set, index) + "\n";
    if (code == TraceCode::S11 || code == TraceCode::S22) {
        const double re = code == TraceCode::S11 ? p.s11re : p.s22re;
        const double im = code == TraceCode::S11 ? p.s11im : p.s22im;
        out += printfString("|%s| = %.3f / %.1f\xc2\xb0\n", name(code).c_str(), std::hypot(re, im),
                            shownArgument({re, im}) * degreesPerRadian);
        const double z0 = set.referenceImpedance;
        const double r = z0 * resistanceFromGamma(re, im);
        const double x = z0 * reactanceFromGamma(re, im);
        if (std::isfinite(r) && std::isfinite(x))
            out += x >= 0.0 ? printfString("Z = %.2f + j%.2f Ohm", r, x)
                            : printfString("Z = %.2f - j%.2f Ohm", r, -x);
        else
            out += "Z = " + texts.translate("SPlotReadout", "open");
        return out;
    }
    const double mag = code == TraceCode::S12 ? p.s12mag : p.s21mag;
    const double ang = code == TraceCode::S12 ? p.s12ang : p.s21ang;
    // + 0.0: a stored angle of -0 reads 0.
    out += printfString("|%s| = %.3f / %.1f\xc2\xb0\n", name(code).c_str(), mag,
                        ang * degreesPerRadian + 0.0);
    out += mag > 0.0 ? printfString("%.2f dB", 20.0 * std::log10(mag)) : std::string("-inf dB");
    return out;
}

std::string gainReadoutText(const SParamSet& set, int index)
{
    if (index < 0 || index >= set.validPoints())
        return {};
    const bool mag = set.stabilityK[static_cast<std::size_t>(index)] >= 1.0;
    return "f = " + pointFrequencyText(set, index) + "\n" +
           printfString("%s = %.2f dB", mag ? "MAG" : "MSG", gainPointValue(set, index));
}

void drawPointMarker(Canvas& canvas, Point at, const std::string& label, bool yUp, int fontHeight)
{
    const CanvasStateGuard keep(canvas);
    const int up = yUp ? 1 : -1;
    canvas.setPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    const Point tri[] = {at, {at.x - 5, at.y + up * 9}, {at.x + 5, at.y + up * 9}, at};
    canvas.polyline(tri);
    canvas.setFont({fontHeight, FontFace::Default, 400, 0});
    canvas.setTextColour(rgb(0, 0, 0));
    canvas.text({at.x, at.y + up * 11}, label, TextAlign::CentreBottom);
}

void togglePinned(std::vector<int>& pinned, int index)
{
    const auto it = std::find(pinned.begin(), pinned.end(), index);
    if (it != pinned.end())
        pinned.erase(it);
    else
        pinned.push_back(index);
}

} // namespace zelvo
