// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The rules behind the circle dialogs: the two-port parameter dialog (136),
// the gain value dialog (161) and the noise-figure dialog (169), their
// memories, field texts and validation, and the list lines of the point and
// noise choosers. The GUI shows what these return and nothing else.
#include "core/twoport_types.h"
#include "model/design.h"
#include "model/dialog_message.h"
#include "model/sparam_set.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelvo {

// A refused entry: the message and the field (index into the dialog's
// field array) that gets the focus with its text selected.
struct FieldError {
    DialogMessage message;
    int field = 0;
};

template <typename T>
using Validated = std::variant<T, FieldError>;

// ---- Two-port parameter dialog (136) ----

// Field order: s11 first, s11 second, s12 first, ... s22 second.
enum TwoPortField { S11First = 0, S11Second, S12First, S12Second, S21First, S21Second, S22First, S22Second };

// Bit 0 s11, bit 1 s12, bit 2 s21, bit 3 s22; set = polar.
inline constexpr unsigned allPolar = 0xF;
constexpr bool isPolar(unsigned mask, int parameter) { return ((mask >> parameter) & 1u) != 0; }

struct TwoPortDialogMemory {
    TwoPort s{{-0.63362, -0.096958}, {0.054709, 0.015998}, {5.8086, 0.98199}, {-0.056811, -0.56917}};
    unsigned polarMask = allPolar;
};

struct TwoPortFields {
    std::array<std::string, 8> text;
    unsigned polarMask = allPolar;
};

// "mag" / "angel [°]" in polar form, "re" / "im" in cartesian form.
std::array<std::string, 2> fieldLabels(bool polar);

// The fields as the dialog opens: "%.2E", polar as modulus and degrees.
TwoPortFields twoPortFieldTexts(const TwoPortDialogMemory& memory);

// The refusal of "Import s-Parameter ..." when no Touchstone file is loaded.
std::optional<DialogMessage> importUnavailable(const SParamSet& set);

// A chosen frequency point: all four polar, "%.5f" magnitude, "%.2f" degrees.
TwoPortFields importedTwoPortFields(const SParamPoint& point);

// OK: reads s11, s12, s21, s22 in turn (19 characters a field); |S11| and
// |S22| up to 1, |S12| and |S21| up to 1E4.
Validated<TwoPort> validateTwoPort(const TwoPortFields& fields);

// ---- Stability and gain circles ----

// K or Gmax as a record keeps it: FLOAT_BIG when not defined (or not finite).
float storedFigure(std::optional<double> value);

// The record of an accepted stability circle: parameters stored as floats,
// the stable side and K decided from those stored values.
StabilityCircleRecord makeStabilityRecord(CirclePlane plane, const TwoPort& entered);

// OK of the two-port dialog for a gain circle: K and Gmax go into the slot;
// when the slot's gain p exceeds Gmax the message comes back and the
// parameters are not stored, else they are.
std::optional<DialogMessage> applyGainTwoPort(GainCircleRecord& slot, const TwoPort& entered);

// "Desired power gain of P = ..." when p > Gmax.
std::optional<DialogMessage> gainExceedsMaximum(float p, float gmax);

// ---- Gain value dialog (161) ----

// In place of K or Gmax where the device has none; the noise list's caption
// without a file.
inline constexpr const char* notDefinedText = "not defined";
inline constexpr const char* noNoiseListText =
    "Open file in S-Plot mode to see list of noise parameters";

struct GainDialogTexts {
    std::string k;    // "%.3f"
    std::string gmax; // "%.1f dB"
    std::string value = "10";
};
GainDialogTexts gainDialogTexts(const GainCircleRecord& record);

// OK: the gain p in dB, -100 to 100.
Validated<float> validateGainValue(std::string_view text);

// ---- Noise-figure dialog (169) ----

enum NoiseField { NfMinField = 0, GammaFirst, GammaSecond, ResistanceField, NfField };

struct NoiseDialogMemory {
    double nfMin = 1.9;
    Complex gammaOpt{-0.50728, 0.28119};
    double rn = 0.15; // normalised
    double nf = 2.0;
    bool polar = true;
    bool normalized = false;
};

struct NoiseFields {
    std::array<std::string, 5> text;
    bool polar = true;
    bool normalized = false;
};

// The fields as the dialog opens ("%.3f"); z0 is the design's reference.
NoiseFields noiseFieldTexts(const NoiseDialogMemory& memory, double z0);

// A chosen noise list line: Fmin, magnitude, angle and rn, polar, normalised.
NoiseFields noiseFieldsFromPoint(const NoisePoint& point, NoiseFields current);

// OK: the record of the new noise circle (rn normalised by z0 when entered
// in ohm); noise figures up to 100 dB, rn up to 1E6.
Validated<NoiseCircleRecord> validateNoise(const NoiseFields& fields, double z0);

NoiseDialogMemory rememberNoise(const NoiseCircleRecord& record, const NoiseFields& fields);

// The caption above the noise list, its header and its lines.
std::string noiseListCaption(const SParamSet& set);
std::string noiseListHeader(int freqExponent);
std::string noiseListLine(const NoisePoint& point);
std::vector<std::string> noiseListLines(const SParamSet& set);

// ---- Point choosers (176, 177) ----

std::string pointListHeader(int freqExponent);
std::string pointListLine(const SParamPoint& point);

} // namespace zelvo
