// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The one design document of chart mode: data points, the element chain,
// contours and circles, the wideband result and the undo/redo history.
// Fixed capacities with counts; undo lowers a count and never erases an item.
#include "core/complex.h"
#include "core/element.h"
#include "core/eseries.h"
#include "core/twoport_types.h"
#include "model/dialog_message.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelvo {

enum class HistoryEntry : std::int32_t {
    None = 0,
    DataPoint = 0x1,
    Element = 0x2,
    QEllipse = 0x4,
    VswrCircle = 0x8,
    StabCircle = 0x10,
    GainCircle = 0x20,
    Wideband = 0x40,
    EditElement = 0x80,
    NoiseCircle = 0x400,
    EditDataPoint = 0x800,
    // Several element values changed together (the optimiser's result).
    EditElements = 0x1000,
    // Open and close a run of entries that undo and redo take as one step
    // (a network applied whole); the run's length is kept in the bits above
    // 16 of both.
    GroupBegin = 0x2000,
    GroupEnd = 0x4000,
};

inline HistoryEntry groupEntry(HistoryEntry kind, int size)
{
    return static_cast<HistoryEntry>(static_cast<std::int32_t>(kind) | (size << 16));
}
// The run's length for a group entry of the kind, 0 for any other entry.
inline int groupSize(HistoryEntry k, HistoryEntry kind)
{
    const auto v = static_cast<std::int32_t>(k);
    return (v & 0xffff) == static_cast<std::int32_t>(kind) ? v >> 16 : 0;
}

struct StabilityCircleRecord {
    CirclePlane plane = CirclePlane::Input;
    StableSide stableSide = StableSide::Inside;
    float k = 0.0f; // FLOAT_BIG: not defined
    StoredSParams s;
};

struct GainCircleRecord {
    CirclePlane plane = CirclePlane::Input;
    float p = 0.0f; // gain of the circle, dB
    float g = 0.0f; // maximum gain of the two-port, dB; FLOAT_BIG: none
    float k = 0.0f; // stability factor shown by the gain dialog; not saved
    StoredSParams s;
};

struct NoiseCircleRecord {
    double nfMin = 0.0; // dB
    Complex gammaOpt;   // optimum source reflection coefficient
    double rn = 0.0;    // noise resistance, normalised to z0
    double nf = 0.0;    // dB
};

// An element's editable values before an edit. Besides `value` it keeps the
// line data and the RLC values, so that undoing an edit of a line or an RLC
// group restores everything the element value editor can change.
struct EditRecord {
    std::int32_t index = 0;
    double value = 0.0;
    float lineImpedance = 0.0f, lineEr = 0.0f;
    double rlcR = 0.0, rlcL = 0.0, rlcC = 0.0;
    PartLoss loss;
    double tolerance = 0.0;
    bool reversed = false;
};

inline EditRecord editRecordOf(std::int32_t index, const Element& e)
{
    return {index,  e.value, e.lineImpedance, e.lineEr,   e.rlcR,
            e.rlcL, e.rlcC,  e.loss,          e.tolerance, e.reversed};
}

inline void restoreEdit(Element& e, const EditRecord& r)
{
    e.value = r.value;
    e.lineImpedance = r.lineImpedance;
    e.lineEr = r.lineEr;
    e.rlcR = r.rlcR;
    e.rlcL = r.rlcL;
    e.rlcC = r.rlcC;
    e.loss = r.loss;
    e.tolerance = r.tolerance;
    e.reversed = r.reversed;
}

struct GroupEditRecord {
    std::vector<EditRecord> edits;
};

struct PointEditRecord {
    std::int32_t index = 0;
    double r = 0.0, x = 0.0, f = 0.0;
};

// Ten slots; the oldest record is overwritten.
template <typename Record> struct EditRing {
    static constexpr int size = 10;
    std::array<Record, size> slots{};
    std::int32_t position = 0; // next free slot

    void push(const Record& r)
    {
        slots[static_cast<std::size_t>(position)] = r;
        position = position == size - 1 ? 0 : position + 1;
    }
    Record pop()
    {
        position = position == 0 ? size - 1 : position - 1;
        return slots[static_cast<std::size_t>(position)];
    }
};

struct Design {
    static constexpr int pointCapacity = 150;
    static constexpr int elementCapacity = 150;
    static constexpr int qCapacity = 30;
    static constexpr int vswrCapacity = 30;
    static constexpr int stabilityCapacity = 20;
    static constexpr int gainCapacity = 20;
    static constexpr int noiseCapacity = 20;
    // Room for every structural entry (150 + 150 + 30 + 30 + 20 + 20 + 20 + 1
    // = 421) plus edits; when it is full, pushHistory drops the oldest edit.
    static constexpr int historyCapacity = 512;

    std::array<DataPoint, pointCapacity> dataPoints{};
    int dataPointCount = 0;
    int startPoint = 0;   // 1-based number of the data point the chain starts at
    Complex currentPoint; // (R, X) the next element starts from
    // The start point that undoing the last data points moved down from, so
    // that redoing them puts it back; 0 when no undo moved it.
    int undoneStartPoint = 0;

    std::array<Element, elementCapacity> elements{};
    int elementCount = 0;

    float z0 = 50.0f;
    // The series the parts are bought from: its tolerance applies to every
    // L, C and R without one of its own.
    ESeries partSeries = defaultSeries;

    std::array<float, qCapacity> qCircles{};
    int qCount = 0;
    std::array<float, vswrCapacity> vswrCircles{};
    int vswrCount = 0;
    std::array<StabilityCircleRecord, stabilityCapacity> stabilityCircles{};
    int stabilityCount = 0;
    std::array<GainCircleRecord, gainCapacity> gainCircles{};
    int gainCount = 0;
    std::array<NoiseCircleRecord, noiseCapacity> noiseCircles{};
    int noiseCount = 0;

    bool widebandDone = false;
    std::array<double, pointCapacity> widebandR{};
    std::array<double, pointCapacity> widebandX{};
    // Points at which a block of the chain has no value: no wideband result.
    std::array<bool, pointCapacity> widebandSkipped{};

    std::array<HistoryEntry, historyCapacity> history{};
    int historyCount = 0;
    int historyTop = 0;

    EditRing<EditRecord> elementEditUndo, elementEditRedo;
    EditRing<PointEditRecord> pointEditUndo, pointEditRedo;
    EditRing<GroupEditRecord> groupEditUndo, groupEditRedo;

    bool modified = false;
    int maxItems = 150; // the data point and element limit
    std::string fileName = "<unnamed>";
};

// Everything back to empty: counts, history, rings, z0 = 50 (start-up, Open).
void resetDesign(Design& d);
// The New command: as resetDesign, but the edit rings keep their positions;
// the file name becomes "<unnamed>".
void newDesign(Design& d);

// f of the start data point: the design frequency at which the whole chain
// is computed; 0 without data points.
double designFrequency(const Design& d);

// Re-establishes begin and end points from element `from` on (its own begin
// as it stands) at the design frequency.
void recomputeChain(Design& d, int from);
// Fills widebandR/X for every data point; does not set widebandDone.
void evaluateWideband(Design& d);

// Whether one more history entry can be recorded (see pushHistory).
bool historyHasRoom(const Design& d);
// How many entries can still be recorded, counting the edits that would be
// dropped to make room.
int historyRoom(const Design& d);
// Records an applied action at historyCount, keeping the redo entries beyond
// it. A full history first drops its oldest edit entry (preferring one whose
// ring record has already been overwritten); false, with nothing recorded,
// when only structural entries remain.
bool pushHistory(Design& d, HistoryEntry kind);

// The actions below check capacity and history room (the GUI tests the limits
// first, with the messages of design_rules.h); false means nothing changed.
// Every one of them sets `modified`.

// Appends a data point; the first one becomes the start point.
bool appendDataPoint(Design& d, const DataPoint& p);
// Appends `e` after the chain's end (currentPoint for the first element) and
// computes its end impedance.
bool appendElement(Design& d, const Element& e);
// Appends `e` with the begin and end impedance it carries (the chart window
// commits what the mouse reached).
bool appendElementAsPlaced(Design& d, const Element& e);
// Data points, then elements after the chain's end, as one undo step. With
// `startPoint` (1-based among the new points) the chain starts there; the
// design must have no data points then. False, with nothing changed, when
// the design or the history has no room for them all.
bool appendAsOneStep(Design& d, const std::vector<DataPoint>& points,
                     const std::vector<Element>& elements, int startPoint = 0);
bool appendStabilityCircle(Design& d, const StabilityCircleRecord& c);
bool appendGainCircle(Design& d, const GainCircleRecord& c);
bool appendNoiseCircle(Design& d, const NoiseCircleRecord& c);

// New value of element `index` (recorded for undo); the chain is recomputed
// from it and the wideband result re-evaluated when there is one.
bool editElementValue(Design& d, int index, double value);
// Element `index` takes the editable values of `edited` (value, line data,
// RLC values; recorded for undo as one step); the chain and the wideband
// result follow. False, with nothing changed, without history room.
bool editElement(Design& d, int index, const Element& edited);
// New values of several elements (each record names its element) as one
// history entry; the chain follows from the first of them.
bool editElementValues(Design& d, const std::vector<EditRecord>& values);
// New R, X, F of data point `index` (recorded for undo); a start point also
// moves currentPoint and the chain's begin; the chain and the wideband result
// follow.
bool editDataPoint(Design& d, int index, const DataPoint& p);

// After data point `index` changed: a start point gives the chain its new
// begin and becomes currentPoint; the wideband result and the chain follow.
void applyDataPointChange(Design& d, int index);

// Undo and redo of the last / next history entry. false when there was
// nothing to undo or redo (the GUI beeps). Cancelling a placement or a pick
// comes before these and is the chart window's.
bool undoLast(Design& d);
bool redoNext(Design& d);

// The wideband command: the refusal message, or nothing after it was done.
std::optional<DialogMessage> runWideband(Design& d);
// The Zo command: refused while data points exist.
std::optional<DialogMessage> changeZ0(Design& d, float z0);

} // namespace zelvo
