// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The numeric rules of the data point input and the data point editor: from
// the two typed values in a representation (impedance, admittance,
// reflection coefficient) and form (cartesian, polar) to R + jX in ohm, with
// the exact refusal messages; and back, for showing a point in any form.
#include "core/complex.h"

#include <QString>
#include <cstdint>
#include <variant>

namespace zelvo {

struct Design;

enum class PointField { First, Second, Frequency };

struct PointFailure {
    QString text;
    PointField field = PointField::First;
};

using PointOutcome = std::variant<Complex, PointFailure>;

// The data point input ("Data Point"): polar angles reduced by 360 keeping
// their sign, then limited to the right half plane.
PointOutcome impedanceFromInput(std::uint8_t format, double first, double second, double z0);

// The data point editor ("Edit Datapoint Nr. %i"): polar angles in -180..180,
// and no point left of the chart (negative real part).
PointOutcome impedanceFromEditor(std::uint8_t format, double first, double second, double z0);

// The two values that show R + jX in `format`.
struct PointValues {
    double first = 0.0;
    double second = 0.0;
};
PointValues valuesInFormat(std::uint8_t format, Complex impedance, double z0);

// Caption pair of the value fields: "re"/"im" or "magnitude"/"angle [°]".
QString firstCaption(std::uint8_t format);
QString secondCaption(std::uint8_t format);

// The number under which point `index` appears in the data point list
// (data points and element ends counted along the history), 0 when the
// history has no entry for it.
int dataPointListNumber(const Design& d, int index);

} // namespace zelvo
