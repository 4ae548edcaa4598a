// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The IEC 60063 preferred number series (E6 .. E192) that parts are sold
// in, each with the tolerance its parts are usually made to, and the
// neighbours of any value in a series.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zelvo {

enum class ESeries : std::uint8_t { E6, E12, E24, E48, E96, E192 };

inline constexpr ESeries allSeries[] = {ESeries::E6,  ESeries::E12, ESeries::E24,
                                        ESeries::E48, ESeries::E96, ESeries::E192};
// The series whose tolerance applies where a design chose none.
inline constexpr ESeries defaultSeries = ESeries::E24;

// The mantissas of one decade, rising from 1.0: the published tables, with
// E24's historic values (2.7, 3.3, 4.7, ...) and E192's 9.20, which do not
// follow from the geometric rule.
std::span<const double> seriesMantissas(ESeries s);
// "E24".
std::string_view seriesName(ESeries s);
std::optional<ESeries> seriesFromName(std::string_view name);
// The usual tolerance of the series' parts as a fraction: E6 0.2, E12 0.1,
// E24 0.05, E48 0.02, E96 0.01, E192 0.005.
double seriesTolerance(ESeries s);

// The series values just below and just above `value` (> 0); both are the
// value itself when it is one of the series (to 1e-9 relative). nullopt for
// a value that is not positive and finite.
struct StandardNeighbours {
    double below = 0.0;
    double above = 0.0;
};
std::optional<StandardNeighbours> standardNeighbours(double value, ESeries s);
// The neighbour nearer on a logarithmic scale (the lower one on a tie).
std::optional<double> nearestStandard(double value, ESeries s);

} // namespace zelvo
