// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Reading and writing numbers as text, independent of the process locale
// (Qt sets the user's locale, which would turn "0.5" into "0,5").
#include <cstddef>
#include <string>
#include <string_view>

namespace zelvo {

// The message every dialog shows for a field with characters after its number.
inline constexpr const char* numberFormatMessage =
    "Incorrect number format.\n\rUse exponential form only.";

// The message for a field whose number lies beyond the double range: read,
// it would saturate, and an angle or a product of it would become infinite.
inline constexpr const char* numberTooLargeMessage =
    "Number too large.\n\rUse values between -1E308 and 1E308.";

// Field lengths read by the dialogs: 20 characters, 19 in the two-port dialog.
inline constexpr std::size_t fieldChars = 20;
inline constexpr std::size_t twoPortFieldChars = 19;

struct ScannedNumber {
    double value = 0.0;
    std::size_t end = 0; // index after the number; the start index when none was read
    bool ok = false;
};

// A decimal number starting at text[start]: white space skipped, optional
// sign, digits with an optional point, optional exponent (like strtod in the
// C locale, without the hexadecimal, infinity and NaN forms). A magnitude
// beyond the double range saturates to DOUBLE_BIG, one below it gives 0.
ScannedNumber scanNumber(std::string_view text, std::size_t start = 0);

struct FieldNumber {
    double value = 0.0;    // 0 when no number was read
    bool anyNumber = false;
    bool leftover = false; // characters after the number: the format message
    bool overflow = false; // beyond the double range, saturated: numberTooLargeMessage
};

// A dialog field: at most maxChars characters of text are looked at.
FieldNumber readFieldNumber(std::string_view text, std::size_t maxChars = fieldChars);

// printf's "%{width}.{decimals}f" and "%.{decimals}E", glibc's spelling of
// non-finite values included ("nan", "-nan", "inf"; "NAN", "INF").
std::string fixedText(double value, int decimals, int width = 0);
std::string exponentText(double value, int decimals);

} // namespace zelvo
