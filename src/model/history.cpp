// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design.h"

#include <algorithm>

namespace zelvo {

namespace {

std::size_t slot(int i)
{
    return static_cast<std::size_t>(i);
}

bool isEdit(HistoryEntry k)
{
    return k == HistoryEntry::EditElement || k == HistoryEntry::EditDataPoint ||
           k == HistoryEntry::EditElements;
}

// The oldest edit entry whose ring record has already been overwritten (its
// kind has more applied entries than the ring holds), else the oldest edit
// entry at all; -1 when the applied history holds no edit.
int droppableEntry(const Design& d)
{
    int elementEdits = 0, pointEdits = 0, groupEdits = 0;
    for (int i = 0; i < d.historyCount; ++i) {
        elementEdits += d.history[slot(i)] == HistoryEntry::EditElement;
        pointEdits += d.history[slot(i)] == HistoryEntry::EditDataPoint;
        groupEdits += d.history[slot(i)] == HistoryEntry::EditElements;
    }
    int oldestEdit = -1;
    for (int i = 0; i < d.historyCount; ++i) {
        const HistoryEntry k = d.history[slot(i)];
        if ((k == HistoryEntry::EditElement && elementEdits > EditRing<EditRecord>::size) ||
            (k == HistoryEntry::EditDataPoint && pointEdits > EditRing<PointEditRecord>::size) ||
            (k == HistoryEntry::EditElements && groupEdits > EditRing<GroupEditRecord>::size))
            return i;
        if (oldestEdit < 0 && isEdit(k))
            oldestEdit = i;
    }
    return oldestEdit;
}

void dropEntry(Design& d, int index)
{
    const auto begin = d.history.begin() + index;
    std::copy(begin + 1, d.history.begin() + d.historyTop, begin);
    --d.historyCount;
    --d.historyTop;
}

// Lowers (by -1) or raises (by +1) a list count within 0..capacity.
void step(int& count, int by, int capacity)
{
    count = std::clamp(count + by, 0, capacity);
}

void stepContour(Design& d, HistoryEntry k, int by)
{
    switch (k) {
    case HistoryEntry::QEllipse:
        step(d.qCount, by, Design::qCapacity);
        break;
    case HistoryEntry::VswrCircle:
        step(d.vswrCount, by, Design::vswrCapacity);
        break;
    case HistoryEntry::StabCircle:
        step(d.stabilityCount, by, Design::stabilityCapacity);
        break;
    case HistoryEntry::GainCircle:
        step(d.gainCount, by, Design::gainCapacity);
        break;
    case HistoryEntry::NoiseCircle:
        step(d.noiseCount, by, Design::noiseCapacity);
        break;
    default:
        break;
    }
}

Complex startImpedance(const Design& d)
{
    if (d.startPoint < 1 || d.startPoint > Design::pointCapacity)
        return d.currentPoint;
    const DataPoint& p = d.dataPoints[slot(d.startPoint - 1)];
    return {p.r, p.x};
}

// Element value edits: take the record from one ring, remember the current
// value on the other, restore.
void swapElementValue(Design& d, EditRing<EditRecord>& from, EditRing<EditRecord>& to)
{
    const EditRecord r = from.pop();
    if (r.index < 0 || r.index >= Design::elementCapacity)
        return;
    Element& e = d.elements[slot(r.index)];
    to.push(editRecordOf(r.index, e));
    restoreEdit(e, r);
    recomputeChain(d, r.index);
    if (d.widebandDone)
        evaluateWideband(d);
}

void swapElementValues(Design& d, EditRing<GroupEditRecord>& from, EditRing<GroupEditRecord>& to)
{
    const GroupEditRecord r = from.pop();
    GroupEditRecord current;
    int first = Design::elementCapacity;
    for (const EditRecord& e : r.edits) {
        if (e.index < 0 || e.index >= Design::elementCapacity)
            continue;
        Element& element = d.elements[slot(e.index)];
        current.edits.push_back(editRecordOf(e.index, element));
        restoreEdit(element, e);
        first = std::min(first, e.index);
    }
    to.push(current);
    if (first < Design::elementCapacity)
        recomputeChain(d, first);
    if (d.widebandDone)
        evaluateWideband(d);
}

void swapPoint(Design& d, EditRing<PointEditRecord>& from, EditRing<PointEditRecord>& to)
{
    const PointEditRecord r = from.pop();
    if (r.index < 0 || r.index >= Design::pointCapacity)
        return;
    DataPoint& p = d.dataPoints[slot(r.index)];
    to.push({r.index, p.r, p.x, p.f});
    p = {r.r, r.x, r.f};
    applyDataPointChange(d, r.index);
}

// Whether the group entry at `at` (a beginning or an end) has its partner
// the run's length away: an action after an undo may have taken a slot of
// the run, and its entries are then steps of their own.
bool intactGroup(const Design& d, int at, HistoryEntry kind)
{
    const HistoryEntry k = d.history[slot(at)];
    const bool begin = kind == HistoryEntry::GroupBegin;
    const int size = groupSize(k, kind);
    const int partner = begin ? at + size + 1 : at - size - 1;
    const int top = std::min(d.historyTop, Design::historyCapacity);
    if (size <= 0 || partner < 0 || partner >= top)
        return false;
    return d.history[slot(partner)] ==
           groupEntry(begin ? HistoryEntry::GroupEnd : HistoryEntry::GroupBegin, size);
}

// The entry below historyCount undone, the group entries' runs aside.
void undoEntry(Design& d, HistoryEntry k)
{
    switch (k) {
    case HistoryEntry::DataPoint:
        step(d.dataPointCount, -1, Design::pointCapacity);
        if (d.startPoint > d.dataPointCount) {
            // The first of several such undos knows where the start was.
            if (d.undoneStartPoint <= d.startPoint)
                d.undoneStartPoint = d.startPoint;
            d.startPoint = d.dataPointCount;
            if (d.dataPointCount > 0)
                d.currentPoint = startImpedance(d);
        }
        break;
    case HistoryEntry::Element:
        step(d.elementCount, -1, Design::elementCapacity);
        if (d.elementCount == 0)
            d.currentPoint = startImpedance(d);
        break;
    case HistoryEntry::Wideband:
        d.widebandDone = false;
        break;
    case HistoryEntry::EditElement:
        swapElementValue(d, d.elementEditUndo, d.elementEditRedo);
        break;
    case HistoryEntry::EditElements:
        swapElementValues(d, d.groupEditUndo, d.groupEditRedo);
        break;
    case HistoryEntry::EditDataPoint:
        swapPoint(d, d.pointEditUndo, d.pointEditRedo);
        break;
    default:
        // Contours; an unknown kind changes nothing but is stepped over.
        stepContour(d, k, -1);
        break;
    }
    --d.historyCount;
}

void redoEntry(Design& d, HistoryEntry k)
{
    switch (k) {
    case HistoryEntry::DataPoint: {
        const int before = d.dataPointCount;
        step(d.dataPointCount, +1, Design::pointCapacity);
        if (d.dataPointCount == 1) {
            d.startPoint = 1;
            d.currentPoint = {d.dataPoints[0].r, d.dataPoints[0].x};
        }
        // The start goes back up with the points an undo took it down from,
        // unless it was chosen anew since.
        if (d.undoneStartPoint > before && d.startPoint == before && before > 0) {
            d.startPoint = std::min(d.undoneStartPoint, d.dataPointCount);
            if (d.elementCount == 0)
                d.currentPoint = startImpedance(d);
        }
        if (d.undoneStartPoint <= d.startPoint)
            d.undoneStartPoint = 0;
        break;
    }
    case HistoryEntry::Element: {
        step(d.elementCount, +1, Design::elementCapacity);
        const Element& first = d.elements[0];
        const Complex start = startImpedance(d);
        // The chain may have been built on another start point than the one
        // chosen since; find the point it starts from.
        if (d.elementCount == 1 && (start.re != first.rBegin || start.im != first.xBegin)) {
            for (int i = 0; i < d.dataPointCount; ++i) {
                const DataPoint& p = d.dataPoints[slot(i)];
                if (p.r == first.rBegin && p.x == first.xBegin) {
                    d.startPoint = i + 1;
                    break;
                }
            }
        }
        break;
    }
    case HistoryEntry::Wideband:
        d.widebandDone = true;
        break;
    case HistoryEntry::EditElement:
        swapElementValue(d, d.elementEditRedo, d.elementEditUndo);
        break;
    case HistoryEntry::EditElements:
        swapElementValues(d, d.groupEditRedo, d.groupEditUndo);
        break;
    case HistoryEntry::EditDataPoint:
        swapPoint(d, d.pointEditRedo, d.pointEditUndo);
        break;
    default:
        stepContour(d, k, +1);
        break;
    }
    ++d.historyCount;
}

} // namespace

bool historyHasRoom(const Design& d)
{
    return d.historyCount < Design::historyCapacity || droppableEntry(d) >= 0;
}

int historyRoom(const Design& d)
{
    const int count = std::clamp(d.historyCount, 0, Design::historyCapacity);
    int edits = 0;
    for (int i = 0; i < count; ++i)
        edits += isEdit(d.history[slot(i)]);
    return Design::historyCapacity - count + edits;
}

bool pushHistory(Design& d, HistoryEntry kind)
{
    d.historyCount = std::clamp(d.historyCount, 0, Design::historyCapacity);
    d.historyTop = std::clamp(d.historyTop, d.historyCount, Design::historyCapacity);
    if (d.historyCount == Design::historyCapacity) {
        const int drop = droppableEntry(d);
        if (drop < 0)
            return false;
        dropEntry(d, drop);
    }
    d.history[slot(d.historyCount)] = kind;
    ++d.historyCount;
    // A new action: the start that an undo moved stays where it is now.
    d.undoneStartPoint = 0;
    d.historyTop = std::max(d.historyTop, d.historyCount);
    return true;
}

bool undoLast(Design& d)
{
    if (d.historyCount <= 0 || d.historyCount > Design::historyCapacity)
        return false;
    const int last = d.historyCount - 1;
    const HistoryEntry k = d.history[slot(last)];
    if (groupSize(k, HistoryEntry::GroupEnd) > 0 && intactGroup(d, last, HistoryEntry::GroupEnd)) {
        --d.historyCount;
        for (int i = groupSize(k, HistoryEntry::GroupEnd); i > 0; --i)
            undoEntry(d, d.history[slot(d.historyCount - 1)]);
        --d.historyCount; // the group's beginning
    } else {
        // A group entry without its partner changes nothing, like an
        // unknown kind.
        undoEntry(d, k);
    }
    d.modified = true;
    return true;
}

bool redoNext(Design& d)
{
    if (d.historyTop <= d.historyCount || d.historyCount < 0 ||
        d.historyCount >= Design::historyCapacity)
        return false;
    const HistoryEntry k = d.history[slot(d.historyCount)];
    if (groupSize(k, HistoryEntry::GroupBegin) > 0 &&
        intactGroup(d, d.historyCount, HistoryEntry::GroupBegin)) {
        ++d.historyCount;
        for (int i = groupSize(k, HistoryEntry::GroupBegin); i > 0; --i)
            redoEntry(d, d.history[slot(d.historyCount)]);
        ++d.historyCount; // the group's end
    } else {
        redoEntry(d, k);
    }
    d.modified = true;
    return true;
}

} // namespace zelvo
