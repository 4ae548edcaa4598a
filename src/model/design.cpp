// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design.h"

#include "core/chain.h"
#include "model/design_rules.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace zelvo {

namespace {

std::size_t slot(int i)
{
    return static_cast<std::size_t>(i);
}

int clampedCount(int count, int capacity)
{
    return std::clamp(count, 0, capacity);
}

std::span<Element> chain(Design& d)
{
    return {d.elements.data(), slot(clampedCount(d.elementCount, Design::elementCapacity))};
}

void clearCounts(Design& d)
{
    d.dataPointCount = 0;
    d.elementCount = 0;
    d.qCount = d.vswrCount = 0;
    d.stabilityCount = d.gainCount = d.noiseCount = 0;
    d.historyCount = d.historyTop = 0;
    d.startPoint = 0;
    d.undoneStartPoint = 0;
    d.currentPoint = {};
    d.z0 = 50.0f;
    d.partSeries = defaultSeries;
    d.widebandDone = false;
    d.modified = false;
}

template <typename Record, std::size_t N>
bool appendRecord(Design& d, std::array<Record, N>& list, int& count, const Record& r,
                  HistoryEntry kind)
{
    if (count < 0 || slot(count) >= N || !historyHasRoom(d))
        return false;
    list[slot(count)] = r;
    ++count;
    pushHistory(d, kind);
    d.modified = true;
    return true;
}

} // namespace

void resetDesign(Design& d)
{
    clearCounts(d);
    d.elementEditUndo.position = d.elementEditRedo.position = 0;
    d.pointEditUndo.position = d.pointEditRedo.position = 0;
    d.groupEditUndo.position = d.groupEditRedo.position = 0;
}

void newDesign(Design& d)
{
    clearCounts(d);
    d.fileName = "<unnamed>";
}

double designFrequency(const Design& d)
{
    if (d.startPoint < 1 || d.startPoint > clampedCount(d.dataPointCount, Design::pointCapacity))
        return 0.0;
    return d.dataPoints[slot(d.startPoint - 1)].f;
}

void recomputeChain(Design& d, int from)
{
    zelvo::recomputeChain(chain(d), from, designFrequency(d));
}

void evaluateWideband(Design& d)
{
    const std::size_t n = slot(clampedCount(d.dataPointCount, Design::pointCapacity));
    zelvo::evaluateWideband(chain(d), {d.dataPoints.data(), n}, designFrequency(d), d.widebandR,
                            d.widebandX, d.widebandSkipped);
}

bool appendDataPoint(Design& d, const DataPoint& p)
{
    if (!appendRecord(d, d.dataPoints, d.dataPointCount, p, HistoryEntry::DataPoint))
        return false;
    if (d.dataPointCount == 1) {
        d.startPoint = 1;
        d.currentPoint = {p.r, p.x};
    }
    return true;
}

bool appendElementAsPlaced(Design& d, const Element& e)
{
    return appendRecord(d, d.elements, d.elementCount, e, HistoryEntry::Element);
}

bool appendElement(Design& d, const Element& e)
{
    const int n = d.elementCount;
    if (n < 0 || n >= Design::elementCapacity)
        return false;
    Element placed = e;
    const Complex begin = n == 0
                              ? d.currentPoint
                              : Complex{d.elements[slot(n - 1)].rEnd, d.elements[slot(n - 1)].xEnd};
    const double f0 = designFrequency(d);
    const Complex end = transformElement(placed, begin, f0, f0);
    placed.rBegin = begin.re;
    placed.xBegin = begin.im;
    placed.rEnd = end.re;
    placed.xEnd = end.im;
    return appendElementAsPlaced(d, placed);
}

bool appendAsOneStep(Design& d, const std::vector<DataPoint>& points,
                     const std::vector<Element>& elements, int startPoint)
{
    const int pointCount = static_cast<int>(points.size());
    const int elementCount = static_cast<int>(elements.size());
    const int entries = pointCount + elementCount;
    if (entries == 0)
        return true;
    const int pointsAfter = d.dataPointCount + pointCount;
    if (d.dataPointCount < 0 || d.elementCount < 0 || pointsAfter > Design::pointCapacity ||
        d.elementCount + elementCount > Design::elementCapacity ||
        historyRoom(d) < entries + (entries > 1 ? 2 : 0) ||
        (startPoint != 0 && (startPoint < 1 || startPoint > pointCount || d.dataPointCount != 0)))
        return false;
    if (entries > 1)
        pushHistory(d, groupEntry(HistoryEntry::GroupBegin, entries));
    for (const DataPoint& p : points)
        appendDataPoint(d, p);
    if (startPoint != 0) {
        d.startPoint = startPoint;
        const DataPoint& p = d.dataPoints[slot(startPoint - 1)];
        d.currentPoint = {p.r, p.x};
    }
    for (const Element& e : elements)
        appendElement(d, e);
    if (entries > 1)
        pushHistory(d, groupEntry(HistoryEntry::GroupEnd, entries));
    return true;
}

bool appendStabilityCircle(Design& d, const StabilityCircleRecord& c)
{
    return appendRecord(d, d.stabilityCircles, d.stabilityCount, c, HistoryEntry::StabCircle);
}

bool appendGainCircle(Design& d, const GainCircleRecord& c)
{
    return appendRecord(d, d.gainCircles, d.gainCount, c, HistoryEntry::GainCircle);
}

bool appendNoiseCircle(Design& d, const NoiseCircleRecord& c)
{
    return appendRecord(d, d.noiseCircles, d.noiseCount, c, HistoryEntry::NoiseCircle);
}

bool editElementValue(Design& d, int index, double value)
{
    if (index < 0 || index >= clampedCount(d.elementCount, Design::elementCapacity) ||
        !historyHasRoom(d))
        return false;
    Element& e = d.elements[slot(index)];
    d.elementEditUndo.push(editRecordOf(index, e));
    pushHistory(d, HistoryEntry::EditElement);
    e.value = value;
    recomputeChain(d, index);
    if (d.widebandDone)
        evaluateWideband(d);
    d.modified = true;
    return true;
}

bool editElement(Design& d, int index, const Element& edited)
{
    if (index < 0 || index >= clampedCount(d.elementCount, Design::elementCapacity) ||
        !historyHasRoom(d))
        return false;
    Element& e = d.elements[slot(index)];
    d.elementEditUndo.push(editRecordOf(index, e));
    pushHistory(d, HistoryEntry::EditElement);
    restoreEdit(e, editRecordOf(index, edited));
    recomputeChain(d, index);
    if (d.widebandDone)
        evaluateWideband(d);
    d.modified = true;
    return true;
}

bool editElementValues(Design& d, const std::vector<EditRecord>& values)
{
    const int n = clampedCount(d.elementCount, Design::elementCapacity);
    int first = n;
    for (const EditRecord& r : values) {
        if (r.index < 0 || r.index >= n)
            return false;
        first = std::min(first, r.index);
    }
    if (values.empty() || !historyHasRoom(d))
        return false;
    GroupEditRecord before;
    for (const EditRecord& r : values) {
        before.edits.push_back(editRecordOf(r.index, d.elements[slot(r.index)]));
        restoreEdit(d.elements[slot(r.index)], r);
    }
    d.groupEditUndo.push(before);
    pushHistory(d, HistoryEntry::EditElements);
    recomputeChain(d, first);
    if (d.widebandDone)
        evaluateWideband(d);
    d.modified = true;
    return true;
}

void applyDataPointChange(Design& d, int index)
{
    if (index < 0 || index >= Design::pointCapacity)
        return;
    const DataPoint& p = d.dataPoints[slot(index)];
    const bool isStart = index == d.startPoint - 1;
    if (isStart) {
        d.elements[0].rBegin = p.r;
        d.elements[0].xBegin = p.x;
    }
    if (d.widebandDone)
        evaluateWideband(d);
    if (d.elementCount > 0)
        recomputeChain(d, 0);
    if (isStart)
        d.currentPoint = {p.r, p.x};
}

bool editDataPoint(Design& d, int index, const DataPoint& p)
{
    if (index < 0 || index >= clampedCount(d.dataPointCount, Design::pointCapacity) ||
        !historyHasRoom(d))
        return false;
    DataPoint& old = d.dataPoints[slot(index)];
    d.pointEditUndo.push({index, old.r, old.x, old.f});
    pushHistory(d, HistoryEntry::EditDataPoint);
    old = p;
    applyDataPointChange(d, index);
    d.modified = true;
    return true;
}

std::optional<DialogMessage> runWideband(Design& d)
{
    if (auto refusal = checkWideband(d))
        return refusal;
    evaluateWideband(d);
    d.widebandDone = true;
    pushHistory(d, HistoryEntry::Wideband);
    d.modified = true;
    return std::nullopt;
}

std::optional<DialogMessage> changeZ0(Design& d, float z0)
{
    if (auto refusal = checkZoChange(d))
        return refusal;
    d.z0 = z0;
    d.modified = true;
    return std::nullopt;
}

} // namespace zelvo
