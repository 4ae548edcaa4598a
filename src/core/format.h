// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Text of numbers: printf formats in the "C" locale, and values with a
// metric prefix (2.2 n, 1.500 G) to which the caller appends the unit.
#include <string>

namespace zelvo {

// vsnprintf into a string, always with the "C" locale's decimal point: Qt
// switches the process to the user's locale, and files and lists must not
// depend on it.
std::string printfString(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "%G" of a double (six significant digits, upper-case exponent), the number
// form of the program's own text files.
std::string formatG(double value);

// The value divided by the metric prefix of its range, printed with `digits`
// decimals and followed by the prefix letter ("1.000 k", "2.2 n"), or by one
// blank without a prefix ("50.0 "). Zero, negative values, values outside
// 1e-15 .. 1e15 and NaN take the exponent form ("-5.000E+01") with no blank.
std::string formatSi(double value, int digits);
// The same for a single-precision value, widened first.
std::string formatSiFloat(float value, int digits);
// formatSi for a frequency: 0 Hz (a DC point of a measured file) reads
// "0.000 " as the other prefix-less values do, not "0.000E+00".
std::string formatFrequency(double hertz, int digits);

} // namespace zelvo
