// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "optimise/broadband_rows.h"

#include "core/format.h"
#include "core/synthesis.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

// Beyond this the fitted model's limit says nothing a table should show.
constexpr double limitShown = 100.0;
// A fit this far off (in |Gamma|) describes another load.
constexpr double poorFit = 0.1;

BroadbandRow rowOf(const LadderEvaluator& evaluator, const LadderNetwork& n, int size, double f0,
                   float er, std::optional<Complex> centreLoad,
                   std::optional<double> limit)
{
    const LadderBand& band = evaluator.band();
    BroadbandRow row;
    row.size = size;
    row.elements = ladderElements(n.topology, n.x, band.source, band.centre, f0, er);
    for (double g : evaluator.reflections(n.topology, n.x))
        row.returnLoss.push_back(returnLossOf(g));
    row.worstReturnLoss = row.returnLoss.empty()
                              ? 0.0
                              : *std::min_element(row.returnLoss.begin(), row.returnLoss.end());
    if (centreLoad) {
        // networkQ evaluates lines at their own frequency: give it the
        // lengths at the centre.
        const std::vector<Element> atCentre =
            ladderElements(n.topology, n.x, band.source, band.centre, band.centre, er);
        const double q = networkQ(atCentre, *centreLoad, band.centre);
        if (q < 1e6)
            row.q = q;
    }
    if (limit)
        row.belowLimit = *limit - row.worstReturnLoss;
    return row;
}

std::string valueText(double v, const char* unit)
{
    return formatSi(v, 3) + unit;
}

} // namespace

double returnLossOf(double gamma)
{
    return gamma <= 1e-6 ? 120.0 : -20.0 * std::log10(gamma);
}

BroadbandSummary summarise(const LadderEvaluator& evaluator, const BroadbandResult& result,
                           double f0, float er, std::optional<Complex> centreLoad)
{
    BroadbandSummary s;
    const LadderBand& band = evaluator.band();
    const auto [f1, f2] = std::minmax_element(band.frequencies.begin(), band.frequencies.end());
    if (f1 != band.frequencies.end())
        s.fits = fitLoadModels(band.frequencies, band.loads, band.weights, band.source, *f1, *f2);
    if (s.fits.chosen && !s.fits.resistive)
        s.limitReturnLoss = boundReturnLoss(s.fits.chosen->limit);
    for (std::size_t i = 0; i < result.best.size(); ++i)
        s.rows.push_back(rowOf(evaluator, result.best[i], static_cast<int>(i) + 1, f0, er,
                               centreLoad, s.limitReturnLoss));
    s.none = rowOf(evaluator, result.none, 0, f0, er, centreLoad, s.limitReturnLoss);
    s.overall = result.overall;
    return s;
}

std::string limitText(const BroadbandSummary& s, double f1, double f2)
{
    if (s.fits.resistive)
        return "The load is a resistance over the band (within |\u0394\u0393| 0.001): the "
               "Bode-Fano limit sets no bound.";
    if (!s.fits.chosen)
        return "No Bode-Fano limit: the load fits none of the models (R with L or C in series "
               "or in parallel, or an RLC resonance) with positive parts over the band.";
    const LoadFit& f = *s.fits.chosen;
    std::string parts = "R = " + valueText(f.r, "\u03a9");
    if (f.l > 0.0)
        parts += ", L = " + valueText(f.l, "H");
    if (f.c > 0.0)
        parts += ", C = " + valueText(f.c, "F");
    std::string text = printfString("Load model, fitted near the band centre: %s, %s; it differs "
                                    "from the load by |\u0394\u0393| up to %.4f over the band.\n",
                                    fanoModelName(f.model), parts.c_str(), f.error);
    const double rl = boundReturnLoss(f.limit);
    const std::string band =
        printfString("%sHz to %sHz", formatSi(f1, 3).c_str(), formatSi(f2, 3).c_str());
    // Each case one whole pattern, so that the line is translated whole.
    const bool poor = f.error > poorFit;
    if (rl > limitShown && poor)
        text += printfString("Bode-Fano limit of this model over %s: above %.0f dB worst-case "
                             "return loss, no practical bound. The limit holds for the model; "
                             "the load differs from it by the fit error. The fit is poor, so "
                             "the limit is a rough guide only.",
                             band.c_str(), limitShown);
    else if (rl > limitShown)
        text += printfString("Bode-Fano limit of this model over %s: above %.0f dB worst-case "
                             "return loss, no practical bound. The limit holds for the model; "
                             "the load differs from it by the fit error.",
                             band.c_str(), limitShown);
    else if (poor)
        text += printfString("Bode-Fano limit of this model over %s: no lossless network "
                             "reaches more than %.2f dB worst-case return loss (|\u0393| %.4f). "
                             "The limit holds for the model; the load differs from it by the "
                             "fit error. The fit is poor, so the limit is a rough guide only.",
                             band.c_str(), rl, std::exp(-f.limit));
    else
        text += printfString("Bode-Fano limit of this model over %s: no lossless network "
                             "reaches more than %.2f dB worst-case return loss (|\u0393| %.4f). "
                             "The limit holds for the model; the load differs from it by the "
                             "fit error.",
                             band.c_str(), rl, std::exp(-f.limit));
    return text;
}

} // namespace zelvo
