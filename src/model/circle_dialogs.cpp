// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/circle_dialogs.h"

#include "core/format.h"
#include "core/number_text.h"
#include "core/twoport.h"
#include "model/value_rules.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace zelvo {

namespace {

// The constants of each conversion as the dialogs have always used them, so
// that a value shown and read back lands where it did.
constexpr double degreesPerRadianOpen = 57.29577951307855;
constexpr double piImport = 3.14159265359;
constexpr double piEntry = 3.1415927;
constexpr double twoPiNoise = 6.28318530718;

// Every refused field is input validation: titled "ERROR".
DialogMessage rangeError(std::string text) { return {std::move(text), "ERROR", MessageIcon::Error}; }

// Text after the number, or a number beyond the double range (an angle of
// it would be NaN, and K and the saved file with it).
std::optional<FieldError> unreadable(const FieldNumber& n, int field)
{
    if (n.leftover)
        return FieldError{rangeError(numberFormatMessage), field};
    if (n.overflow)
        return FieldError{rangeError(numberTooLargeMessage), field};
    return std::nullopt;
}

// Degrees to radians after the reduction by full turns, which is exact: a
// huge angle would overflow in the product and give NaN sines.
double radians(double degrees, double twoPi)
{
    return std::fmod(degrees, 360.0) * twoPi / 360.0;
}


std::string frequencyColumn(int freqExponent)
{
    switch (freqExponent) {
    case 0: return "f [Hz]";
    case 3: return "f [kHz]";
    case 6: return "f [MHz]";
    default: return "f [GHz]";
    }
}

std::string joinTabbed(std::initializer_list<double> values, bool trailingTab)
{
    std::string line;
    for (double v : values) {
        if (!line.empty())
            line += '\t';
        line += fixedText(v, 3);
    }
    if (trailingTab)
        line += '\t';
    return line;
}

// "%.{decimals}f" while it fits the 19 characters the field reads; beyond
// that "%.8E", whose nine significant digits bring a float back exactly.
std::string fittingText(double value, int decimals)
{
    std::string text = fixedText(value, decimals);
    if (text.size() > twoPortFieldChars)
        text = exponentText(value, 8);
    return text;
}

double modulus(float re, float im)
{
    const double r = re, i = im;
    return std::sqrt(r * r + i * i);
}

} // namespace

std::array<std::string, 2> fieldLabels(bool polar)
{
    if (polar)
        return {"mag", "angel [\u00B0]"};
    return {"re", "im"};
}

TwoPortFields twoPortFieldTexts(const TwoPortDialogMemory& memory)
{
    const std::array<Complex, 4> s{memory.s.s11, memory.s.s12, memory.s.s21, memory.s.s22};
    TwoPortFields f;
    f.polarMask = memory.polarMask;
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const bool polar = isPolar(memory.polarMask, k);
        const double a = polar ? magnitude(s[i]) : s[i].re;
        const double b = polar ? shownArgument(s[i]) * degreesPerRadianOpen : s[i].im;
        f.text[2 * i] = exponentText(a, 2);
        f.text[2 * i + 1] = exponentText(b, 2);
    }
    return f;
}

std::optional<DialogMessage> importUnavailable(const SParamSet& set)
{
    if (set.loaded)
        return std::nullopt;
    return DialogMessage{"No s-Parameter file opened.\n\rFirst change to s-Plot and open a file!", "",
                         MessageIcon::Error};
}

TwoPortFields importedTwoPortFields(const SParamPoint& p)
{
    const auto degrees = [](double radians) { return radians / piImport * 180.0; };
    const auto argumentOf = [](float re, float im) { return shownArgument({re, im}); };
    TwoPortFields f;
    f.polarMask = allPolar;
    f.text = {fittingText(modulus(p.s11re, p.s11im), 5), fittingText(degrees(argumentOf(p.s11re, p.s11im)), 2),
              fittingText(p.s12mag, 5),                  fittingText(degrees(p.s12ang), 2),
              fittingText(p.s21mag, 5),                  fittingText(degrees(p.s21ang), 2),
              fittingText(modulus(p.s22re, p.s22im), 5), fittingText(degrees(argumentOf(p.s22re, p.s22im)), 2)};
    return f;
}

Validated<TwoPort> validateTwoPort(const TwoPortFields& fields)
{
    std::array<Complex, 4> s{};
    for (int k = 0; k < 4; ++k) {
        const int first = 2 * k;
        std::array<double, 2> v{};
        for (int j = 0; j < 2; ++j) {
            const FieldNumber n =
                readFieldNumber(fields.text[static_cast<std::size_t>(first + j)], twoPortFieldChars);
            if (auto e = unreadable(n, first + j))
                return *e;
            v[static_cast<std::size_t>(j)] = n.value;
        }
        const bool polar = isPolar(fields.polarMask, k);
        const bool reflection = k == 0 || k == 3;
        if (reflection && polar && (v[0] < 0.0 || v[0] > 1.0))
            return FieldError{rangeError("Value must be >= 0 and <=1"), first};
        if (reflection && !polar && std::sqrt(v[0] * v[0] + v[1] * v[1]) > 1.0)
            return FieldError{rangeError("Absolute value must be <=1"), first};
        if (!reflection && !(std::hypot(v[0], polar ? 0.0 : v[1]) <= maxTransmission))
            return FieldError{
                rangeError("Absolute value must lie in the range between 0 and 1E4"), first};
        if (polar) {
            const double phi = radians(v[1], 2.0 * piEntry);
            s[static_cast<std::size_t>(k)] = {v[0] * std::cos(phi), v[0] * std::sin(phi)};
        } else {
            s[static_cast<std::size_t>(k)] = {v[0], v[1]};
        }
    }
    return TwoPort{s[0], s[1], s[2], s[3]};
}

float storedFigure(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return FLOAT_BIG;
    return toFloatSaturated(*value);
}

StabilityCircleRecord makeStabilityRecord(CirclePlane plane, const TwoPort& entered)
{
    StabilityCircleRecord r;
    r.plane = plane;
    r.s = narrow(entered);
    const TwoPort stored = widen(r.s);
    r.stableSide = stabilityCircle(stored, plane).stableSide;
    r.k = storedFigure(stabilityFactor(stored));
    return r;
}

std::optional<DialogMessage> gainExceedsMaximum(float p, float gmax)
{
    if (!(p > gmax))
        return std::nullopt;
    return DialogMessage{printfString("Desired power gain of P = %sdB is bigger than max. "
                                      "possible power gain\n\rof Gmax = %s. Impossible to show "
                                      "const. gain circle.",
                                      fixedText(p, 1).c_str(), fixedText(gmax, 1).c_str()),
                         "ERROR", MessageIcon::Error};
}

std::optional<DialogMessage> applyGainTwoPort(GainCircleRecord& slot, const TwoPort& entered)
{
    const StoredSParams stored = narrow(entered);
    const TwoPort t = widen(stored);
    slot.k = storedFigure(stabilityFactor(t));
    slot.g = storedFigure(maxGainDb(t));
    if (auto refusal = gainExceedsMaximum(slot.p, slot.g))
        return refusal;
    slot.s = stored;
    return std::nullopt;
}

GainDialogTexts gainDialogTexts(const GainCircleRecord& record)
{
    // FLOAT_BIG marks a value that does not exist; a 39-digit number would say otherwise.
    GainDialogTexts t;
    t.k = record.k == FLOAT_BIG ? notDefinedText : fixedText(record.k, 3);
    t.gmax = record.g == FLOAT_BIG ? notDefinedText : fixedText(record.g, 1) + " dB";
    return t;
}

Validated<float> validateGainValue(std::string_view text)
{
    const FieldNumber n = readFieldNumber(text, fieldChars);
    if (auto e = unreadable(n, 0))
        return *e;
    if (!(std::fabs(n.value) <= maxDecibels))
        return FieldError{rangeError("Value must lie in the range between -100 and 100 dB"), 0};
    return static_cast<float>(n.value);
}

NoiseFields noiseFieldTexts(const NoiseDialogMemory& m, double z0)
{
    NoiseFields f;
    f.polar = m.polar;
    f.normalized = m.normalized;
    const double first = m.polar ? magnitude(m.gammaOpt) : m.gammaOpt.re;
    const double second =
        m.polar ? shownArgument(m.gammaOpt) * 360.0 / twoPiNoise : m.gammaOpt.im;
    f.text = {fixedText(m.nfMin, 3), fixedText(first, 3), fixedText(second, 3),
              fixedText(m.normalized ? m.rn : m.rn * z0, 3), fixedText(m.nf, 3)};
    return f;
}

NoiseFields noiseFieldsFromPoint(const NoisePoint& p, NoiseFields current)
{
    current.text[NfMinField] = fixedText(p.fmin, 3);
    current.text[GammaFirst] = fixedText(p.gammaMag, 3);
    current.text[GammaSecond] = fixedText(p.gammaAngleDeg, 3);
    current.text[ResistanceField] = fixedText(p.rn, 3);
    current.polar = true;
    current.normalized = true;
    return current;
}

Validated<NoiseCircleRecord> validateNoise(const NoiseFields& fields, double z0)
{
    const auto read = [&](int field) { return readFieldNumber(fields.text[static_cast<std::size_t>(field)]); };
    const FieldNumber nfMin = read(NfMinField);
    if (auto e = unreadable(nfMin, NfMinField))
        return *e;
    if (nfMin.value <= 0.0)
        return FieldError{rangeError("Value must be > 0"), NfMinField};
    if (nfMin.value > maxDecibels)
        return FieldError{rangeError("Value must lie in the range between 0 and 100 dB"), NfMinField};
    const FieldNumber second = read(GammaSecond);
    if (auto e = unreadable(second, GammaSecond))
        return *e;
    // The first field is taken as far as it is a number.
    const FieldNumber firstRead = read(GammaFirst);
    if (firstRead.overflow)
        return FieldError{rangeError(numberTooLargeMessage), GammaFirst};
    const double first = firstRead.value;
    Complex gamma;
    if (fields.polar) {
        if (first < 0.0 || first > 1.0)
            return FieldError{rangeError("Value must be > 0 and <= 1"), GammaFirst};
        const double phi = radians(second.value, twoPiNoise);
        gamma = {first * std::cos(phi), first * std::sin(phi)};
    } else {
        if (std::sqrt(first * first + second.value * second.value) > 1.0)
            return FieldError{rangeError("Absolute value must be >= 0 and <=1"), GammaFirst};
        gamma = {first, second.value};
    }
    const FieldNumber resistance = read(ResistanceField);
    if (auto e = unreadable(resistance, ResistanceField))
        return *e;
    if (resistance.value <= 0.0)
        return FieldError{rangeError("Value must be > 0"), ResistanceField};
    if (resistance.value > maxNoiseResistance)
        return FieldError{rangeError("Value must lie in the range between 0 and 1E6"), ResistanceField};
    const FieldNumber nf = read(NfField);
    if (auto e = unreadable(nf, NfField))
        return *e;
    if (nf.value <= 0.0)
        return FieldError{rangeError("Value must be > 0"), NfField};
    if (nf.value > maxDecibels)
        return FieldError{rangeError("Value must lie in the range between 0 and 100 dB"), NfField};
    if (nf.value <= nfMin.value)
        return FieldError{rangeError("NF to show must be > NFmin"), NfField};
    NoiseCircleRecord r;
    r.nfMin = nfMin.value;
    r.gammaOpt = gamma;
    r.rn = fields.normalized ? resistance.value : resistance.value / z0;
    r.nf = nf.value;
    return r;
}

NoiseDialogMemory rememberNoise(const NoiseCircleRecord& record, const NoiseFields& fields)
{
    return {record.nfMin, record.gammaOpt, record.rn, record.nf, fields.polar, fields.normalized};
}

std::string noiseListCaption(const SParamSet& set)
{
    return set.loaded ? set.fileName : noNoiseListText;
}

std::string noiseListHeader(int freqExponent)
{
    return frequencyColumn(freqExponent) + "\tFmin\tmag\tangel [\u00B0]\trn";
}

std::string noiseListLine(const NoisePoint& p)
{
    return joinTabbed({p.frequency, p.fmin, p.gammaMag, p.gammaAngleDeg, p.rn}, false);
}

std::vector<std::string> noiseListLines(const SParamSet& set)
{
    std::vector<std::string> lines;
    if (!set.loaded)
        return lines;
    const int count = set.validNoise();
    for (int i = 0; i < count; ++i)
        lines.push_back(noiseListLine(set.noise[static_cast<std::size_t>(i)]));
    return lines;
}

std::string pointListHeader(int freqExponent)
{
    return frequencyColumn(freqExponent)
           + "\ts11 Mag\ts11 Ang\ts21 Mag\ts21 Ang\ts12Mag\ts12 Ang\ts22 Mag\ts22 Ang";
}

std::string pointListLine(const SParamPoint& p)
{
    const auto degrees = [](double radians) { return radians / piImport * 180.0; };
    const auto angleOf = [&](float re, float im) { return degrees(shownArgument({re, im})); };
    return joinTabbed({p.frequency, modulus(p.s11re, p.s11im), angleOf(p.s11re, p.s11im), p.s21mag,
                       degrees(p.s21ang), p.s12mag, degrees(p.s12ang), modulus(p.s22re, p.s22im),
                       angleOf(p.s22re, p.s22im)},
                      true);
}

} // namespace zelvo
