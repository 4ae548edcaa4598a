// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Antenna dimensions as the label captions that show them. Each calculation
// takes the input texts as typed and either returns every caption to set,
// in the order the forms set them, or refuses the input (nothing).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wendra {

// The message for a refused input.
inline constexpr std::string_view kInputError = "你输入有误！！请重新输入！！";

// Above this the J antenna's shortest sections (C, D) would be under 1 mm.
inline constexpr double kJMaxMHz = 6705.0;
// The dipole's frequency range, MHz.
inline constexpr double kDipoleMinMHz = 1.0;
inline constexpr double kDipoleMaxMHz = 30000.0;

// The messages naming the ranges, shown for a number outside them.
inline constexpr std::string_view kJRangeError = "频率超出范围！！请输入1至6705MHZ之间的频率！！";
inline constexpr std::string_view kDipoleRangeError =
    "超出范围！！请输入1至30000MHZ之间的频率（0.01至300米波）！！";

struct Caption {
    std::string label; // object name of the label
    std::string text;
};
using Captions = std::vector<Caption>;

struct YagiResult {
    int wavelength = 0;  // mm, a 16-bit whole number
    Captions labels;     // Label18 .. Label27, then Label30 .. Label40
    std::string feedBox; // KD's Label4: shorting bar length
};

// Yagi from the frequency in MHz (leading number of the text). Refused when
// the wavelength in mm does not round to 1 .. 32767, which covers 0, text
// that is no number, negative values and frequencies up to 9.155 MHz.
std::optional<YagiResult> yagi(std::string_view frequencyText);

// J antenna from the frequency text, cut to whole MHz. The text must be a
// number as a whole; refused unless 1 <= f <= 6705.
std::optional<Captions> jAntenna(std::string_view frequencyText);

struct DipoleResult {
    std::string bandText;      // dvForm's Text1 after the calculation
    std::string frequencyText; // dvForm's Text3 after the calculation
    Captions labels;           // Label2, 6, 7, 5, 8, 4, 9, 11
};

// "逆 算": from the metre band to the frequency (Text3 becomes 300 / m to
// five digits). Refused unless the band text is a number whose frequency
// lies in 1 .. 30000 MHz.
std::optional<DipoleResult> dipoleFromBand(std::string_view bandText);

// "计  算": from the frequency, with its decimals, to the band (Text1 becomes
// 300 / f to four digits). Refused unless the text is a number in 1 .. 30000.
std::optional<DipoleResult> dipoleFromFrequency(std::string_view frequencyText);

} // namespace wendra
