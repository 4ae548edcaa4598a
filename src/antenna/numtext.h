// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The forms run-time's number conversions, reproduced without locale
// dependence: results must not change with the user's decimal separator.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wendra {

// General number-to-text: up to 15 significant digits, no trailing zeros,
// exponent form ("1E+15", "3.5E-07") only outside 1e-5 <= |v| < 1e15.
std::string text(double v);

// text() of the value rounded to `significant` digits (1 .. 15): a length
// or a band computed by division, not 15 digits of it.
std::string roundedText(double v, int significant);

// Leading decimal number of a text (blanks before it are skipped, anything
// after it ignored); 0 when the text does not start with a number. A number
// too large for a double gives an infinity, which callers must refuse.
double number(std::string_view t);

// The whole text as one decimal number (blanks around it allowed), or
// nothing when anything else is in it or the value is not finite.
std::optional<double> wholeNumber(std::string_view t);

// Nearest whole number, halves to even, saturating at the 16-bit range;
// NaN gives 0.
std::int16_t round16(double v);

// As round16, but nothing when the value does not fit into 16 bits.
std::optional<std::int16_t> round16Exact(double v);

} // namespace wendra
