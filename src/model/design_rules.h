// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The limit and state tests run before an action starts, with the exact
// messages for the GUI. nullopt: go ahead. A message with empty text means
// "refuse with the beep only".
#include "model/design.h"
#include "model/dialog_message.h"

#include <optional>

namespace zelvo {

// Message templates; %i is the limit.
inline constexpr const char* dataPointLimitText =
    "Maximum number of %i datapoints exceeded!\n\rNo more datapoints possible.";
inline constexpr const char* elementLimitText = "Max. Number of %i elements exceeded!";
inline constexpr const char* qLimitText = "Max. Number of %i Q-ellipses exceeded!";
inline constexpr const char* vswrLimitText = "Max. number of %i VSWR-ellipses exceeded!";
inline constexpr const char* stabilityLimitText = "Max. number of %i stability circles exceeded!";
inline constexpr const char* gainLimitText = "Max. number of %i const. gain circles exceeded!";
inline constexpr const char* noiseLimitText =
    "Max. number of %i const. noise figure circles exceeded!";
inline constexpr const char* noDataPointText = "At minimum one Data-Point necessary.";
inline constexpr const char* widebandNoPointsText =
    "Wideband calculation done.\n\rNo more datapoints possible.";
inline constexpr const char* widebandNoElementsText =
    "Wideband calculation done.\n\rNo more elements possible.";
inline constexpr const char* widebandDoneText = "Wideband still calculated.";
inline constexpr const char* widebandNeedsText =
    "Need at least two manual input datapoints\n\rand one element to calculate wideband.";
inline constexpr const char* zoLockedText =
    "There are yet data points defined. Impossible to change Zo.";
// A history can fill up only with structural entries read from a file.
inline constexpr const char* historyFullText =
    "The undo history is full (%i entries).\n\rNo more changes possible.";

// Any toolbox element button: element limit, then no data point / wideband
// done / maxItems reached.
std::optional<DialogMessage> checkElementButton(const Design& d);
// The toolbox's data point button: element limit, data point limit, wideband.
std::optional<DialogMessage> checkDataPointButton(const Design& d);
// The data point limit alone (points exported from S-Plot mode).
std::optional<DialogMessage> checkDataPointLimit(const Design& d);
std::optional<DialogMessage> checkQContour(const Design& d);
std::optional<DialogMessage> checkVswrContour(const Design& d);
std::optional<DialogMessage> checkStabilityCircle(const Design& d);
std::optional<DialogMessage> checkGainCircle(const Design& d);
std::optional<DialogMessage> checkNoiseCircle(const Design& d);
std::optional<DialogMessage> checkWideband(const Design& d);
std::optional<DialogMessage> checkZoChange(const Design& d);
// One more history entry (every recorded action, edits included).
std::optional<DialogMessage> checkHistoryRoom(const Design& d);
// Room for a whole network with the data points it comes with, applied as
// one step: the element limit, the data point limit, then the history.
std::optional<DialogMessage> checkRoomFor(const Design& d, std::size_t points,
                                          std::size_t elements);

} // namespace zelvo
