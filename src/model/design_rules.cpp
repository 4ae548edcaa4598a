// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_rules.h"

#include "core/format.h"

#include <algorithm>

namespace zelvo {

namespace {

DialogMessage error(std::string text)
{
    DialogMessage m;
    m.text = std::move(text);
    m.icon = MessageIcon::Error;
    return m;
}

// A limit refuses a command, not a typed value: no "ERROR" title.
DialogMessage limit(const char* text, int n)
{
    return error(printfString(text, n));
}

} // namespace

std::optional<DialogMessage> checkHistoryRoom(const Design& d)
{
    if (historyHasRoom(d))
        return std::nullopt;
    return limit(historyFullText, Design::historyCapacity);
}

std::optional<DialogMessage> checkRoomFor(const Design& d, std::size_t points,
                                          std::size_t elements)
{
    const auto room = [&d](int count, int capacity) {
        return static_cast<std::size_t>(std::max(0, std::min(d.maxItems, capacity) - count));
    };
    if (elements > room(d.elementCount, Design::elementCapacity))
        return limit(elementLimitText, std::min(d.maxItems, Design::elementCapacity));
    if (points > room(d.dataPointCount, Design::pointCapacity))
        return limit(dataPointLimitText, std::min(d.maxItems, Design::pointCapacity));
    const std::size_t entries = points + elements;
    if (static_cast<std::size_t>(std::max(0, historyRoom(d))) < entries + (entries > 1 ? 2 : 0))
        return limit(historyFullText, Design::historyCapacity);
    return std::nullopt;
}

std::optional<DialogMessage> checkElementButton(const Design& d)
{
    if (d.elementCount >= Design::elementCapacity)
        return limit(elementLimitText, Design::elementCapacity);
    if (d.dataPointCount == 0 || d.widebandDone || d.elementCount >= d.maxItems) {
        if (d.widebandDone)
            return error(widebandNoElementsText);
        if (d.dataPointCount == 0)
            return error(noDataPointText);
        return error({});
    }
    return checkHistoryRoom(d);
}

std::optional<DialogMessage> checkDataPointLimit(const Design& d)
{
    const int limitCount = std::min(d.maxItems, Design::pointCapacity);
    if (d.dataPointCount >= limitCount)
        return limit(dataPointLimitText, limitCount);
    return std::nullopt;
}

std::optional<DialogMessage> checkDataPointButton(const Design& d)
{
    if (d.elementCount >= Design::elementCapacity)
        return limit(elementLimitText, Design::elementCapacity);
    if (auto m = checkDataPointLimit(d))
        return m;
    if (d.widebandDone)
        return error(widebandNoPointsText);
    return checkHistoryRoom(d);
}

std::optional<DialogMessage> checkQContour(const Design& d)
{
    if (d.qCount >= Design::qCapacity)
        return limit(qLimitText, Design::qCapacity);
    return std::nullopt;
}

std::optional<DialogMessage> checkVswrContour(const Design& d)
{
    if (d.vswrCount >= Design::vswrCapacity)
        return limit(vswrLimitText, Design::vswrCapacity);
    return std::nullopt;
}

std::optional<DialogMessage> checkStabilityCircle(const Design& d)
{
    if (d.stabilityCount >= Design::stabilityCapacity)
        return limit(stabilityLimitText, Design::stabilityCapacity);
    return checkHistoryRoom(d);
}

std::optional<DialogMessage> checkGainCircle(const Design& d)
{
    if (d.gainCount >= Design::gainCapacity)
        return limit(gainLimitText, Design::gainCapacity);
    return checkHistoryRoom(d);
}

std::optional<DialogMessage> checkNoiseCircle(const Design& d)
{
    if (d.noiseCount >= Design::noiseCapacity)
        return limit(noiseLimitText, Design::noiseCapacity);
    return checkHistoryRoom(d);
}

std::optional<DialogMessage> checkWideband(const Design& d)
{
    if (d.widebandDone)
        return error(widebandDoneText);
    if (d.elementCount < 1 || d.dataPointCount < 2)
        return error(widebandNeedsText);
    return checkHistoryRoom(d);
}

std::optional<DialogMessage> checkZoChange(const Design& d)
{
    if (d.dataPointCount != 0)
        return error(zoLockedText);
    return std::nullopt;
}

} // namespace zelvo
