// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/point_list.h"

#include "core/block.h"
#include "core/complex.h"
#include "core/format.h"
#include "core/numeric.h"
#include "model/block_file.h"
#include "model/part_losses.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelvo {

namespace {

enum class Style { List, Clipboard };

std::size_t slot(int i)
{
    return static_cast<std::size_t>(i);
}

// Exactly 1000 ohm reads better as "1000.000" than as "1e+03"; it counts as small.
bool large(double v)
{
    return std::fabs(v) > 1000.0;
}

// The impedance text for one line kind. The sign of X is printed apart from
// its magnitude, so -0 shows as "+ j0.000".
std::string impedanceText(double r, double x, ListLineKind kind, Style style)
{
    const bool negative = x < 0.0;
    const double m = std::fabs(x);
    const bool rl = large(r), xl = large(m);
    const char* f = nullptr;
    if (style == Style::Clipboard) {
        if (!negative)
            f = !rl && !xl  ? "(%.3f + j%.3f) Ohm       "
                : rl && !xl ? "(%.3g + j%.3f) Ohm       "
                : !rl       ? "(%.3f + j%.3g) Ohm       "
                            : "(%.3g + j%.3g) Ohm       ";
        else
            f = !rl && !xl  ? "(%.3f - j%.3f) Ohm       "
                : rl && !xl ? "(%.3g - j%.3f) Ohm       "
                : !rl       ? "(%.3f - j%.3g) Ohm       "
                            : "(%.3g - j%.3g) Ohm       ";
        return printfString(f, r, m);
    }
    if (!negative) {
        if (!rl && !xl)
            f = "(%.3f + j%.3f)Ohm";
        else if (rl && !xl)
            f = "(%.3g + j%.3f)Ohm";
        else if (!rl)
            f = "(%.3f + j%.3g)Ohm";
        else
            f = kind == ListLineKind::DataPoint  ? "(%.3e + j%.3e)Ohm"
                : kind == ListLineKind::Wideband ? "(%.3g + j%.3g)Ohm"
                                                 : "(%.2g + j%.2g)Ohm";
    }
    else {
        if (!rl && !xl)
            f = "(%.3f - j%.3f)Ohm";
        else if (rl && !xl)
            f = kind == ListLineKind::DataPoint  ? "(%.3g - j%.3g)Ohm"
                : kind == ListLineKind::Wideband ? "(%.3g - j%.3f)Ohm"
                                                 : "(%.2g - j%.2f)Ohm";
        else if (!rl)
            f = "(%.3f - j%.3g)Ohm";
        else
            f = "(%.3g - j%.3g)Ohm";
    }
    return printfString(f, r, m);
}

std::string qText(double r, double x)
{
    // Q of a pure reactance is infinite; show the largest float as the list does.
    if (r == 0.0)
        return printfString("Q = %.1E  ", static_cast<double>(FLOAT_BIG));
    const double q = std::fabs(x / r);
    return printfString(q < 1000.0 ? "Q = %.3f  " : "Q = %.3E  ", q);
}

// "DP-Nr. 3" or "DP-Nr. W3"; the clipboard's with a space before the impedance.
std::string pointLabel(bool wideband, int number, Style style, const Texts& texts)
{
    return fillIn(wideband ? texts.translate("PointList", "DP-Nr. W%1")
                           : texts.translate("PointList", "DP-Nr. %1"),
                  {std::to_string(number)}) +
           (style == Style::Clipboard ? " " : "");
}

PointListLine pointLine(ListLineKind kind, const std::string& label, double r, double x,
                        double f, Style style)
{
    PointListLine line;
    line.kind = kind;
    line.label = label;
    line.impedance = impedanceText(r, x, kind, style);
    line.q = qText(r, x);
    line.frequency = formatFrequency(f, 3) + (style == Style::List ? "Hz   " : "Hz\r\n");
    return line;
}

// Angles as the list has always shown them: this value of pi.
double degrees(float re, float im)
{
    return shownArgument({re, im}) * 360.0 / 2.0 / 3.14159265359;
}

std::string sParamPart(const char* name, float re, float im, bool last, Style style)
{
    const double m = magnitude({re, im});
    const double a = degrees(re, im);
    if (last && style == Style::Clipboard)
        return printfString("%s = %.3G / %.3G\u00B0\r\n", name, m, a);
    return printfString("%s = %.3G / %.3G\u00B0; ", name, m, a);
}

std::string sParamsText(const StoredSParams& s, Style style)
{
    return sParamPart("s11", s.s11re, s.s11im, false, style) +
           sParamPart("s12", s.s12re, s.s12im, false, style) +
           sParamPart("s21", s.s21re, s.s21im, false, style) +
           sParamPart("s22", s.s22re, s.s22im, true, style);
}

std::string stabilityText(const StabilityCircleRecord& c, int number, Style style,
                          const Texts& texts)
{
    std::string t = fillIn(c.plane == CirclePlane::Input
                               ? texts.translate("PointList", "S%1: input plane stability circle; ")
                               : texts.translate("PointList", "S%1: output plane stability circle; "),
                           {std::to_string(number)});
    t += c.stableSide == StableSide::Inside ? texts.translate("PointList", "stable inside; ")
                                            : texts.translate("PointList", "stable outside; ");
    if (c.k != FLOAT_BIG)
        t += printfString("K = %.2f; ", static_cast<double>(c.k));
    return t + sParamsText(c.s, style);
}

std::string gainText(const GainCircleRecord& c, int number, Style style, const Texts& texts)
{
    std::string t = fillIn(c.plane == CirclePlane::Input
                               ? texts.translate("PointList", "G%1: input plane const. gain circle; ")
                               : texts.translate("PointList", "G%1: output plane const. gain circle; "),
                           {std::to_string(number)});
    if (c.g != FLOAT_BIG)
        t += printfString("Gmax = %.1fdB; ", static_cast<double>(c.g));
    t += printfString("Vp = %.1f dB; ", static_cast<double>(c.p));
    return t + sParamsText(c.s, style);
}

// The record keeps the noise resistance normalised; the line shows ohm.
std::string noiseText(const NoiseCircleRecord& c, double z0, int number, Style style,
                      const Texts& texts)
{
    return fillIn(texts.translate("PointList", "N%1: constant %2dB noise figure circle;  "),
                  {std::to_string(number), printfString("%.2f", c.nf)}) +
           printfString("NFmin = %.2fdB;  ", c.nfMin) +
           printfString("r_NFmin = (%.2f + j%.2f);  ", c.gammaOpt.re, c.gammaOpt.im) +
           printfString(style == Style::List ? "R'noise = %.2f Ohm" : "R'noise = %.2f Ohm\r\n",
                        c.rn * z0);
}

// The line of a wideband point at which a block of the chain has no value.
PointListLine skippedLine(const Design& d, int number, double f, Style style, const Texts& texts)
{
    PointListLine line;
    line.kind = ListLineKind::Wideband;
    line.label = pointLabel(true, number, style, texts);
    // Padded in the clipboard text as the impedance texts are.
    line.impedance = texts.translate("PointList", "no value");
    if (style == Style::Clipboard)
        line.impedance += "       ";
    line.frequency = formatSi(f, 3) + (style == Style::List ? "Hz   " : "Hz\r\n");
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    for (int i = 0; i < n; ++i) {
        const Element& e = d.elements[slot(i)];
        if (e.kind == ElementKind::Block && e.block && !blockCovers(*e.block, f)) {
            line.note = fillIn(texts.translate("PointList", "outside the range of %1, %2"),
                               {e.block->name, blockRangeText(*e.block, texts)});
            break;
        }
    }
    return line;
}

std::string blockNote(const Element& e, const Texts& texts)
{
    if (e.kind != ElementKind::Block || !e.block)
        return {};
    return fillIn(e.reversed ? texts.translate("PointList", "two-port block %1, reversed")
                             : texts.translate("PointList", "two-port block %1"),
                  {e.block->name});
}

PointListLine circleLine(std::string text)
{
    PointListLine line;
    line.kind = ListLineKind::Circle;
    line.text = std::move(text);
    return line;
}

// Lines outside [from, to) keep their kind alone: formatting is most of the
// walk's cost, and a window shows a screenful of a long list.
std::vector<PointListLine> walk(const Design& d, Style style, const Texts& texts,
                                std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    const int points = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    const int elements = std::clamp(d.elementCount, 0, Design::elementCapacity);
    const double f0 = designFrequency(d);
    int number = 1, stability = 0, gain = 0, noise = 0, point = 0, element = 0;
    std::vector<PointListLine> lines;
    const auto shown = [&] { return lines.size() >= from && lines.size() < to; };
    const auto kindOnly = [](ListLineKind kind) {
        PointListLine line;
        line.kind = kind;
        return line;
    };
    const auto pointLineIfShown = [&](ListLineKind kind, double r, double x, double f) {
        lines.push_back(shown() ? pointLine(kind,
                                            pointLabel(kind == ListLineKind::Wideband, number,
                                                       style, texts),
                                            r, x, f, style)
                                : kindOnly(kind));
    };
    const auto circleLineIfShown = [&](const auto& text) {
        lines.push_back(shown() ? circleLine(text()) : kindOnly(ListLineKind::Circle));
    };
    const int entries = std::clamp(d.historyCount, 0, Design::historyCapacity);
    for (int h = 0; h < entries; ++h) {
        switch (d.history[slot(h)]) {
        case HistoryEntry::DataPoint:
            if (point >= points)
                break;
            {
                const DataPoint& p = d.dataPoints[slot(point)];
                pointLineIfShown(ListLineKind::DataPoint, p.r, p.x, p.f);
                if (d.widebandDone && point + 1 != d.startPoint) {
                    if (d.widebandSkipped[slot(point)])
                        lines.push_back(shown() ? skippedLine(d, number, p.f, style, texts)
                                                : kindOnly(ListLineKind::Wideband));
                    else
                        pointLineIfShown(ListLineKind::Wideband, d.widebandR[slot(point)],
                                         d.widebandX[slot(point)], p.f);
                }
            }
            ++number;
            ++point;
            break;
        case HistoryEntry::Element: {
            if (element >= elements)
                break;
            {
                const bool visible = shown();
                const Element& e = d.elements[slot(element)];
                pointLineIfShown(ListLineKind::Element, e.rEnd, e.xEnd, f0);
                if (visible)
                    lines.back().note = e.kind == ElementKind::Block ? blockNote(e, texts)
                                        : isLossy(e)                 ? partLossText(e.loss, e.kind)
                                                                     : std::string();
            }
            ++number;
            ++element;
            break;
        }
        case HistoryEntry::StabCircle:
            if (stability < std::min(d.stabilityCount, Design::stabilityCapacity))
                circleLineIfShown([&] {
                    return stabilityText(d.stabilityCircles[slot(stability)], stability + 1, style, texts);
                });
            ++stability;
            break;
        case HistoryEntry::GainCircle:
            if (gain < std::min(d.gainCount, Design::gainCapacity))
                circleLineIfShown(
                    [&] { return gainText(d.gainCircles[slot(gain)], gain + 1, style, texts); });
            ++gain;
            break;
        case HistoryEntry::NoiseCircle:
            if (noise < std::min(d.noiseCount, Design::noiseCapacity))
                circleLineIfShown(
                    [&] { return noiseText(d.noiseCircles[slot(noise)], d.z0, noise + 1, style, texts); });
            ++noise;
            break;
        default:
            break;
        }
    }
    return lines;
}

} // namespace

std::vector<PointListLine> pointListLines(const Design& d, const Texts& texts)
{
    return walk(d, Style::List, texts);
}

std::vector<PointListLine> pointListLines(const Design& d, std::size_t from, std::size_t to,
                                          const Texts& texts)
{
    return walk(d, Style::List, texts, from, to);
}

std::string commentsText(const Design& d, const Texts& texts)
{
    std::string text;
    for (const PointListLine& line : walk(d, Style::Clipboard, texts)) {
        if (line.kind == ListLineKind::Circle) {
            text += line.text;
            continue;
        }
        text += line.label + line.impedance + line.q;
        // The note goes before the frequency's line end.
        const std::size_t end = line.frequency.rfind("\r\n");
        text += line.note.empty() || end == std::string::npos
                    ? line.frequency
                    : line.frequency.substr(0, end) + "   " + line.note + "\r\n";
    }
    return text;
}

} // namespace zelvo
