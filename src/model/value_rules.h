// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The ranges the dialogs accept, in one place, so that the readers of files
// hold a design to the same rules as the user who types it.
#include "core/numeric.h"

#include <string>
#include <string_view>

namespace zelvo {

// Upper limits of the values typed into the element dialogs: beyond them an
// element is an open or a short at every frequency a chart is used for, and
// lines or dielectrics of such values do not exist.
struct ValueLimit {
    double max;
    const char* text; // the range's upper end with its unit
};
inline constexpr ValueLimit resistanceLimit{1e9, "1E9 Ohm"};
inline constexpr ValueLimit inductanceLimit{1.0, "1 H"};
inline constexpr ValueLimit capacitanceLimit{1.0, "1 F"};
inline constexpr ValueLimit lineImpedanceLimit{1e6, "1E6 Ohm"};
inline constexpr ValueLimit permittivityLimit{1000.0, "1000"};
inline constexpr ValueLimit ratioLimit{1e6, "1E6"};

// A data point's frequency: beyond 1000 GHz no lumped element or line model
// of the chain means anything.
inline constexpr double maxPointFrequency = 1e12;

// Zo: wider than any line or system impedance, narrow enough that the grid
// labels (Zo times the normalised values) stay short numbers.
inline constexpr float minReferenceImpedance = 0.001f;
inline constexpr float maxReferenceImpedance = 1e6f;

// Beyond these the contours lie on the chart's rim and the labels say nothing.
inline constexpr double qContourMin = 0.01;
inline constexpr double qContourMax = 1000.0;
inline constexpr double vswrContourMin = 1.0;
inline constexpr double vswrContourMax = 1000.0;

// |S12| and |S21| up to 80 dB: more than any single stage, and far inside
// what the circle records' floats hold once squared.
inline constexpr double maxTransmission = 1e4;
// Gains and noise figures in dB beyond this are typing mistakes.
inline constexpr double maxDecibels = 100.0;
// Noise resistance, ohm or normalised.
inline constexpr double maxNoiseResistance = 1e6;

// "Value must lie in the range between <low> and <high>[ <unit>]".
std::string outsideRangeText(std::string_view low, std::string_view high,
                             std::string_view unit = {});

// A data point's frequency in hertz.
inline bool pointFrequencyAccepted(double hertz)
{
    return hertz > 0.0 && hertz <= maxPointFrequency;
}

// Zo as the design stores it, in single precision: 0.0009999 ohm must not
// pass as a float that rounds up to the limit.
inline bool referenceImpedanceAccepted(float z0)
{
    return z0 >= minReferenceImpedance && z0 <= maxReferenceImpedance;
}

// Values the design keeps in single precision are checked as stored, against
// bounds rounded the same way: a file written with six digits then reads
// back what was accepted, and 0.01 typed for a Q is 0.01.
inline bool lineImpedanceAccepted(float ohm)
{
    return ohm > 0.0f && ohm <= static_cast<float>(lineImpedanceLimit.max);
}
inline bool permittivityAccepted(float er)
{
    return er > 0.0f && er <= static_cast<float>(permittivityLimit.max);
}
inline bool qContourAccepted(float q)
{
    return q >= static_cast<float>(qContourMin) && q <= static_cast<float>(qContourMax);
}
inline bool vswrContourAccepted(float vswr)
{
    return vswr >= static_cast<float>(vswrContourMin) && vswr <= static_cast<float>(vswrContourMax);
}
inline bool gainDecibelsAccepted(float p)
{
    return p >= -static_cast<float>(maxDecibels) && p <= static_cast<float>(maxDecibels);
}

} // namespace zelvo
