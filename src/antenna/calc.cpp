// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/calc.h"

#include "antenna/numtext.h"

#include <array>
#include <cmath>

namespace wendra {
namespace {

std::string mm(double v) { return text(v) + "mm"; }

struct Factor {
    const char* label;
    double value;
};

// Element lengths as fractions of a quarter wave, reflector "a" first.
constexpr std::array<Factor, 11> kElements{{
    {"Label40", 0.98}, {"Label39", 0.95}, {"Label38", 0.90}, {"Label37", 0.88},
    {"Label36", 0.86}, {"Label35", 0.84}, {"Label34", 0.82}, {"Label33", 0.80},
    {"Label32", 0.78}, {"Label31", 0.76}, {"Label30", 0.74},
}};

// Bands and frequencies computed by division are shown to these digits:
// 300 / 14 is the "21.43" metre band, not 21.4285714285714.
constexpr int kBandDigits = 4;
constexpr int kFrequencyDigits = 5;

bool dipoleFrequencyInRange(double f) { return f >= kDipoleMinMHz && f <= kDipoleMaxMHz; }

DipoleResult dipoleLabels(double f, std::string bandText, std::string frequencyText)
{
    const double m = number(bandText);
    const double arm = std::floor(148.0 / f * 1000.0 / 2.0);
    DipoleResult r;
    const std::string label2 = mm(arm);
    const double base = number(label2); // later lengths build on the shown text
    r.labels = {
        {"Label2", label2},
        {"Label6", text(arm)},
        {"Label7", bandText + "米波" + frequencyText + "MHZ"},
        {"Label5", mm(2.0 * base)},
        {"Label8", roundedText(2.0 * m, kBandDigits) + "米波"
                       + roundedText(f / 2.0, kFrequencyDigits) + "MHZ"},
        {"Label4", mm(3.0 * base)},
        {"Label9", roundedText(3.0 * m, kBandDigits) + "米波"
                       + roundedText(f / 3.0, kFrequencyDigits) + "MHZ"},
        {"Label11", mm(std::floor(f / 0.0933))},
    };
    r.bandText = std::move(bandText);
    r.frequencyText = std::move(frequencyText);
    return r;
}

} // namespace

std::optional<YagiResult> yagi(std::string_view frequencyText)
{
    const double f = number(frequencyText);
    const auto lambda = round16Exact(300000.0 / f);
    if (!std::isfinite(f) || !lambda || *lambda < 1)
        return std::nullopt;

    YagiResult r;
    r.wavelength = *lambda;
    const double l = *lambda;
    r.feedBox = mm(l * 0.15);
    // Spacings "J" (Label18) down to "B" (Label26) are 0.2 wavelength each.
    for (int n = 18; n <= 26; ++n)
        r.labels.push_back({"Label" + std::to_string(n), mm(l * 0.2)});
    r.labels.push_back({"Label27", mm(l * 0.23)});
    for (auto it = kElements.rbegin(); it != kElements.rend(); ++it)
        r.labels.push_back({it->label, mm(l * it->value / 4.0)});
    return r;
}

std::optional<Captions> jAntenna(std::string_view frequencyText)
{
    const auto v = wholeNumber(frequencyText);
    if (!v)
        return std::nullopt;
    const double f = std::floor(*v);
    if (!(f >= 1.0 && f <= kJMaxMHz))
        return std::nullopt;
    // k / f is a length in feet; 304.8 mm to the foot.
    return Captions{
        {"Label3", mm(std::floor(705.0 / f * 304.8))},
        {"Label2", mm(std::floor(234.0 / f * 304.8))},
        {"Label1", mm(std::floor(23.0 / f * 304.8))},
        {"Label4", mm(std::floor(22.0 / f * 304.8))},
        {"Label5", mm(std::floor(705.0 / f * 304.8 * 0.2))},
    };
}

std::optional<DipoleResult> dipoleFromBand(std::string_view bandText)
{
    const auto m = wholeNumber(bandText);
    if (!m || !(*m > 0.0))
        return std::nullopt;
    std::string frequencyText = roundedText(300.0 / *m, kFrequencyDigits);
    const double f = number(frequencyText);
    if (!dipoleFrequencyInRange(f))
        return std::nullopt;
    return dipoleLabels(f, std::string(bandText), std::move(frequencyText));
}

std::optional<DipoleResult> dipoleFromFrequency(std::string_view frequencyText)
{
    // The frequency is used with its decimals: 14.2 MHz is not 14 MHz.
    const auto f = wholeNumber(frequencyText);
    if (!f || !dipoleFrequencyInRange(*f))
        return std::nullopt;
    return dipoleLabels(*f, roundedText(300.0 / *f, kBandDigits), std::string(frequencyText));
}

} // namespace wendra
