// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/part_losses.h"

#include "core/format.h"

#include <cmath>

namespace zelvo {

namespace {

bool inRange(double v, double low, double high)
{
    return v >= low && v <= high;
}

} // namespace

PartLoss defaultLossFor(const PartLossDefaults& d, ElementKind kind, double f0)
{
    PartLoss l;
    if (isInductor(kind))
        l = lossForKind(d.inductor, kind);
    else if (isCapacitor(kind))
        l = lossForKind(d.capacitor, kind);
    else if (isLine(kind))
        l = lossForKind(d.line, kind);
    if (l.q > 0.0 && l.qFrequency <= 0.0 && f0 > 0.0 && f0 <= maxLossFrequency)
        l.qFrequency = f0;
    return l;
}

PartLoss lossForKind(const PartLoss& l, ElementKind kind)
{
    PartLoss out;
    if (isInductor(kind) || isCapacitor(kind)) {
        if (inRange(l.q, minPartQ, maxPartQ)) {
            out.q = l.q;
            out.qLaw = l.qLaw;
            if (inRange(l.qFrequency, 0.0, maxLossFrequency))
                out.qFrequency = l.qFrequency;
        }
    }
    if (isInductor(kind) && inRange(l.srf, 0.0, maxLossFrequency))
        out.srf = l.srf;
    if (isCapacitor(kind)) {
        if (inRange(l.esr, 0.0, maxPartEsr)) {
            out.esr = l.esr;
            // A constant ESR stands instead of Q.
            if (out.esr > 0.0) {
                out.q = out.qFrequency = 0.0;
                out.qLaw = QLaw::Constant;
            }
        }
        if (inRange(l.esl, 0.0, maxPartEsl))
            out.esl = l.esl;
    }
    if (isLine(kind) && inRange(l.lineDb, 0.0, maxLineLossDb))
        out.lineDb = l.lineDb;
    return out;
}

std::string compactSi(double value)
{
    static constexpr const char* prefixes[] = {"f", "p", "n", "u", "m", "", "k", "M", "G", "T"};
    if (!std::isfinite(value) || value == 0.0)
        return printfString("%g ", value);
    int group = static_cast<int>(std::floor(std::log10(std::fabs(value)) / 3.0));
    group = group < -5 ? -5 : group > 4 ? 4 : group;
    double shown = value / std::pow(1000.0, group);
    // What rounds to 1000 in four digits takes the next prefix: "1 G", not "1000 M".
    if (std::fabs(shown) >= 999.95 && group < 4) {
        ++group;
        shown = value / std::pow(1000.0, group);
    }
    const char* prefix = prefixes[group + 5];
    return printfString("%.4g %s", shown, prefix);
}

std::string partLossText(const PartLoss& loss, ElementKind kind, LossTextForm form)
{
    const bool ascii = form == LossTextForm::Ascii;
    const PartLoss l = lossForKind(loss, kind);
    std::string text;
    const auto add = [&text](const std::string& piece) {
        if (!text.empty())
            text += ", ";
        text += piece;
    };
    if (l.q > 0.0) {
        std::string q = printfString("Q %.4g", l.q);
        if (l.qFrequency > 0.0)
            q += " @ " + compactSi(l.qFrequency) + "Hz";
        if (l.qLaw == QLaw::Sqrt)
            q += ascii ? " (Q ~ sqrt f)" : " (\u221D\u221Af)";
        else if (l.qLaw == QLaw::Linear)
            q += ascii ? " (Q ~ f)" : " (\u221Df)";
        add(q);
    }
    if (l.esr > 0.0)
        add("ESR " + compactSi(l.esr) + (ascii ? "Ohm" : "\u03A9"));
    if (l.esl > 0.0)
        add("ESL " + compactSi(l.esl) + "H");
    if (l.srf > 0.0)
        add("SRF " + compactSi(l.srf) + "Hz");
    if (l.lineDb > 0.0)
        add(printfString("%.4g dB/", l.lineDb) + (ascii ? "lambda" : "\u03BB"));
    return text;
}

} // namespace zelvo
