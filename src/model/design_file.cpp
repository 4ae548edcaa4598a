// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_file.h"

#include "core/abcd.h"
#include "core/format.h"
#include "core/numeric.h"
#include "model/design_parts.h"
#include "model/file_io.h"
#include "model/text_reader.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelvo {

namespace {

std::size_t slot(int i)
{
    return static_cast<std::size_t>(i);
}

struct KindName {
    ElementKind kind;
    const char* name;
};

// The reader tests the names in this order, first match wins.
constexpr KindName kindNames[] = {
    {ElementKind::CS, "CS"},
    {ElementKind::LS, "LS"},
    {ElementKind::RS, "RS"},
    {ElementKind::IS, "IS"},
    {ElementKind::CP, "CP"},
    {ElementKind::LPS, "LPS"},
    {ElementKind::LPO, "LPO"},
    {ElementKind::RP, "RP"},
    {ElementKind::IP, "IP"},
    {ElementKind::TR, "TR"},
    {ElementKind::RlcSeries, "RLC SERIES"},
    {ElementKind::RlcParallel, "RLC PARALLEL"},
    // Not a classic kind: such a reader keeps the element as one of no kind.
    {ElementKind::Block, "BLOCK"},
};

struct HistoryName {
    HistoryEntry kind;
    const char* name;
};

// Reader order: "EDIT_ELEMENT" before "ELEMENT", which it contains.
constexpr HistoryName historyNames[] = {
    {HistoryEntry::DataPoint, "DATAPOINT"},      {HistoryEntry::EditElement, "EDIT_ELEMENT"},
    {HistoryEntry::Element, "ELEMENT"},          {HistoryEntry::QEllipse, "Q_ELLIPSE"},
    {HistoryEntry::VswrCircle, "VSWR_CYRCLE"},   {HistoryEntry::StabCircle, "STAB_CYRCLE"},
    {HistoryEntry::GainCircle, "GAIN_CYRCLE"},   {HistoryEntry::Wideband, "WIDEBAND"},
    {HistoryEntry::NoiseCircle, "NOISE_CYRCLE"},
    // Files know single edits only; the reader takes the first row.
    {HistoryEntry::EditElements, "EDIT_ELEMENT"},
};

// ---- writing ----

// A design never holds non-finite values, but a file must not either; nor
// "-0", which a shunt element on the real axis produces and "%G" would keep.
double storable(double v)
{
    if (std::isnan(v) || v == 0.0)
        return 0.0;
    return std::clamp(v, -DOUBLE_BIG, DOUBLE_BIG);
}

class Writer {
  public:
    void line(std::string_view text)
    {
        out_ += text;
        out_ += "\r\n";
    }
    void raw(std::string_view text) { out_ += text; }
    void count(int n) { line(printfString("NR=%i", n)); }
    void value(const char* key, int i, double v)
    {
        line(printfString("%s=%i,%G", key, i, storable(v)));
    }
    void sParams(int i, const StoredSParams& s)
    {
        value("S11RE", i, s.s11re);
        value("S11IM", i, s.s11im);
        value("S12RE", i, s.s12re);
        value("S12IM", i, s.s12im);
        value("S21RE", i, s.s21re);
        value("S21IM", i, s.s21im);
        value("S22RE", i, s.s22re);
        value("S22IM", i, s.s22im);
    }
    std::string take() { return std::move(out_); }

  private:
    std::string out_;
};

void writeDataPoints(Writer& w, const Design& d, int points)
{
    w.line("[DATAPOINTS]");
    w.count(points);
    w.line(printfString("START=%i", d.startPoint));
    for (int i = 0; i < points; ++i) {
        const DataPoint& p = d.dataPoints[slot(i)];
        w.value("R", i, p.r);
        w.value("X", i, p.x);
        w.value("F", i, p.f);
    }
    w.line("");
}

void writeWideband(Writer& w, const Design& d, int points)
{
    w.line("[WIDEBAND]");
    w.line("WIDEBAND=TRUE");
    for (int i = 0; i < points; ++i) {
        w.value("R", i, d.widebandR[slot(i)]);
        w.value("X", i, d.widebandX[slot(i)]);
    }
    w.line("");
}

void writeElements(Writer& w, const Design& d, int elements)
{
    w.line("[ELEMENTS]");
    w.count(elements);
    for (int i = 0; i < elements; ++i) {
        const Element& e = d.elements[slot(i)];
        w.line(printfString("TYP=%i,%s", i, elementFileName(e.kind)));
        if (isRlc(e.kind)) {
            w.value("RLC_RESISTOR", i, e.rlcR);
            w.value("RLC_INDUCTIVITY", i, e.rlcL);
            w.value("RLC_CAPACITY", i, e.rlcC);
        }
        else if (e.kind != ElementKind::Block) {
            w.value("VAL", i, e.value);
        }
        if (isLine(e.kind)) {
            w.value("IMP", i, e.lineImpedance);
            w.value("ER", i, e.lineEr);
        }
        w.value("RBEGIN", i, e.rBegin);
        w.value("XBEGIN", i, e.xBegin);
        w.value("REND", i, e.rEnd);
        w.value("XEND", i, e.xEnd);
    }
    w.line("");
}

template <std::size_t N>
void writeContours(Writer& w, const char* header, const char* key, const std::array<float, N>& v,
                   int n)
{
    w.line(header);
    w.count(n);
    for (int i = 0; i < n; ++i)
        w.value(key, i, v[slot(i)]);
    w.line("");
}

const char* planeName(CirclePlane p)
{
    return p == CirclePlane::Input ? "INPUT" : "OUTPUT";
}

void writeStability(Writer& w, const Design& d, int n)
{
    w.line("[STABILITY]");
    w.count(n);
    for (int i = 0; i < n; ++i) {
        const StabilityCircleRecord& c = d.stabilityCircles[slot(i)];
        w.line(printfString("TYP=%i,%s", i, planeName(c.plane)));
        w.line(printfString("STABLE=%i,%s", i,
                            c.stableSide == StableSide::Inside ? "INSIDE" : "OUTSIDE"));
        w.value("K", i, c.k);
        w.sParams(i, c.s);
    }
    w.line("");
}

void writeGain(Writer& w, const Design& d, int n)
{
    w.line("[GAIN]");
    w.count(n);
    for (int i = 0; i < n; ++i) {
        const GainCircleRecord& c = d.gainCircles[slot(i)];
        w.line(printfString("TYP=%i,%s", i, planeName(c.plane)));
        w.value("P", i, c.p);
        w.value("G", i, c.g);
        w.sParams(i, c.s);
    }
    w.line("");
}

void writeNoise(Writer& w, const Design& d, int n)
{
    w.line("[NOISE]");
    w.count(n);
    for (int i = 0; i < n; ++i) {
        const NoiseCircleRecord& c = d.noiseCircles[slot(i)];
        w.value("NFMIN", i, c.nfMin);
        w.line(
            printfString("RNF_MIN=%i,%G,%G", i, storable(c.gammaOpt.re), storable(c.gammaOpt.im)));
        w.value("R", i, c.rn);
        w.value("NF", i, c.nf);
    }
    w.line("");
}

void writeHistory(Writer& w, const Design& d, int n)
{
    w.line("[HISTORY]");
    w.count(n);
    for (int i = 0; i < n; ++i)
        if (const char* keyword = historyKeyword(d.history[slot(i)]))
            w.line(printfString("TYP=%i,%s", i, keyword));
}

// ---- reading ----

enum class Section {
    None,
    DataPoints,
    Wideband,
    Elements,
    Q,
    Vswr,
    Stability,
    Gain,
    History,
    Noise,
    Z0
};

struct Header {
    const char* text;
    Section section;
};

// Tested in this order; the last header contained in a line wins.
constexpr Header headers[] = {
    {"[DATAPOINTS]", Section::DataPoints},
    {"[WIDEBAND]", Section::Wideband},
    {"[ELEMENTS]", Section::Elements},
    {"[Q]", Section::Q},
    {"[VSWR]", Section::Vswr},
    {"[STABILITY]", Section::Stability},
    {"[GAIN]", Section::Gain},
    {"[HISTORY]", Section::History},
    {"[NOISE]", Section::Noise},
    {"[Z0]", Section::Z0},
};

// A key line "KEY=index,value": the index (when within `capacity`) and the
// value after the first ",". Lines without "=" or "," give nothing.
struct Indexed {
    int index = -1;
    double value = 0.0;
};

std::optional<Indexed> indexed(std::string_view line, int capacity)
{
    const std::optional<int> index = intAfter(line, '=');
    const std::optional<double> value = numberAfter(line, ',');
    if (!index || !value || *index < 0 || *index >= capacity)
        return std::nullopt;
    return Indexed{*index, *value};
}

void readCount(std::string_view line, int& count, int capacity)
{
    if (const std::optional<int> n = intAfter(line, '='))
        count = std::clamp(*n, 0, capacity);
}

// K and Gmax use the largest float as "not defined"; "%G" writes it as
// 3.40282E+38, which must come back as the marker.
float markerFloat(double v)
{
    return v >= 3.402815e38 ? FLOAT_BIG : toFloatSaturated(v);
}

void readDataPointLine(Design& d, std::string_view line)
{
    if (contains(line, "NR"))
        return readCount(line, d.dataPointCount, Design::pointCapacity);
    if (contains(line, "START")) {
        if (const std::optional<int> n = intAfter(line, '='))
            d.startPoint = *n;
        return;
    }
    const auto v = indexed(line, Design::pointCapacity);
    if (!v)
        return;
    DataPoint& p = d.dataPoints[slot(v->index)];
    if (contains(line, "R"))
        p.r = v->value;
    else if (contains(line, "X"))
        p.x = v->value;
    else if (contains(line, "F"))
        p.f = v->value;
}

void readWidebandLine(Design& d, std::string_view line)
{
    if (contains(line, "WIDEBAND")) {
        if (contains(line, "TRUE"))
            d.widebandDone = true;
        else if (contains(line, "FALSE"))
            d.widebandDone = false;
    }
    const auto v = indexed(line, Design::pointCapacity);
    if (!v)
        return;
    if (contains(line, "R"))
        d.widebandR[slot(v->index)] = v->value;
    if (contains(line, "X"))
        d.widebandX[slot(v->index)] = v->value;
}

void readElementLine(Design& d, std::string_view line)
{
    if (contains(line, "NR"))
        return readCount(line, d.elementCount, Design::elementCapacity);
    const auto v = indexed(line, Design::elementCapacity);
    if (!v)
        return;
    Element& e = d.elements[slot(v->index)];
    if (contains(line, "TYP")) {
        for (const KindName& k : kindNames)
            if (contains(line, k.name)) {
                e.kind = k.kind;
                break;
            }
    }
    else if (contains(line, "VAL"))
        e.value = v->value;
    else if (contains(line, "RLC_RESISTOR"))
        e.rlcR = v->value;
    else if (contains(line, "RLC_INDUCTIVITY"))
        e.rlcL = v->value;
    else if (contains(line, "RLC_CAPACITY"))
        e.rlcC = v->value;
    else if (contains(line, "IMP"))
        e.lineImpedance = toFloatSaturated(v->value);
    else if (contains(line, "ER"))
        e.lineEr = toFloatSaturated(v->value);
    else if (contains(line, "RBEGIN"))
        e.rBegin = v->value;
    else if (contains(line, "XBEGIN"))
        e.xBegin = v->value;
    else if (contains(line, "REND"))
        e.rEnd = v->value;
    else if (contains(line, "XEND"))
        e.xEnd = v->value;
}

template <std::size_t N>
void readContourLine(std::string_view line, const char* key, std::array<float, N>& values,
                     int& count)
{
    if (contains(line, "NR"))
        return readCount(line, count, static_cast<int>(N));
    if (!contains(line, key))
        return;
    if (const auto v = indexed(line, static_cast<int>(N)))
        values[slot(v->index)] = toFloatSaturated(v->value);
}

bool readSParamLine(std::string_view line, double value, StoredSParams& s)
{
    struct Key {
        const char* name;
        float StoredSParams::*part;
    };
    static constexpr Key keys[] = {
        {"S11RE", &StoredSParams::s11re}, {"S11IM", &StoredSParams::s11im},
        {"S12RE", &StoredSParams::s12re}, {"S12IM", &StoredSParams::s12im},
        {"S21RE", &StoredSParams::s21re}, {"S21IM", &StoredSParams::s21im},
        {"S22RE", &StoredSParams::s22re}, {"S22IM", &StoredSParams::s22im},
    };
    for (const Key& k : keys)
        if (contains(line, k.name)) {
            s.*k.part = toFloatSaturated(value);
            return true;
        }
    return false;
}

void readPlane(std::string_view line, CirclePlane& plane)
{
    if (contains(line, "INPUT"))
        plane = CirclePlane::Input;
    if (contains(line, "OUTPUT"))
        plane = CirclePlane::Output;
}

void readStabilityLine(Design& d, std::string_view line)
{
    if (contains(line, "NR"))
        return readCount(line, d.stabilityCount, Design::stabilityCapacity);
    const auto v = indexed(line, Design::stabilityCapacity);
    if (!v)
        return;
    StabilityCircleRecord& c = d.stabilityCircles[slot(v->index)];
    if (contains(line, "TYP"))
        readPlane(line, c.plane);
    else if (contains(line, "STABLE")) {
        if (contains(line, "INSIDE"))
            c.stableSide = StableSide::Inside;
        if (contains(line, "OUTSIDE"))
            c.stableSide = StableSide::Outside;
    }
    else if (contains(line, "K"))
        c.k = markerFloat(v->value);
    else
        readSParamLine(line, v->value, c.s);
}

void readGainLine(Design& d, std::string_view line)
{
    if (contains(line, "NR"))
        return readCount(line, d.gainCount, Design::gainCapacity);
    const auto v = indexed(line, Design::gainCapacity);
    if (!v)
        return;
    GainCircleRecord& c = d.gainCircles[slot(v->index)];
    if (contains(line, "TYP"))
        readPlane(line, c.plane);
    else if (contains(line, "P"))
        c.p = toFloatSaturated(v->value);
    else if (contains(line, "G"))
        c.g = markerFloat(v->value);
    else
        readSParamLine(line, v->value, c.s);
}

void readNoiseLine(Design& d, std::string_view line)
{
    if (contains(line, "NR"))
        return readCount(line, d.noiseCount, Design::noiseCapacity);
    const auto v = indexed(line, Design::noiseCapacity);
    if (!v)
        return;
    NoiseCircleRecord& c = d.noiseCircles[slot(v->index)];
    if (contains(line, "NFMIN"))
        c.nfMin = v->value;
    else if (contains(line, "RNF_MIN"))
        c.gammaOpt = {v->value, numberAfter(line, ',', 2).value_or(0.0)};
    else if (contains(line, "R"))
        c.rn = v->value;
    else if (contains(line, "NF"))
        c.nf = v->value;
}

void readHistoryLine(Design& d, std::string_view line,
                     std::array<bool, Design::historyCapacity>& typed)
{
    if (contains(line, "NR")) {
        readCount(line, d.historyCount, Design::historyCapacity);
        d.historyTop = d.historyCount;
    }
    if (!contains(line, "TYP"))
        return;
    const std::optional<int> index = intAfter(line, '=');
    if (!index || *index < 0 || *index >= Design::historyCapacity)
        return;
    for (const HistoryName& h : historyNames)
        if (contains(line, h.name)) {
            d.history[slot(*index)] = h.kind;
            typed[slot(*index)] = true;
            return;
        }
}

void readZ0Line(Design& d, std::string_view line)
{
    if (!contains(line, "Z0"))
        return;
    // A reference impedance of 0 or below would break every normalisation;
    // checked as stored, since 8E-80 is positive but its float is 0, and a
    // subnormal one has no finite reciprocal.
    const std::optional<double> z0 = numberAfter(line, '=');
    if (!z0)
        return;
    const float stored = toFloatSaturated(*z0);
    if (stored >= FLOAT_TINY)
        d.z0 = stored;
}

// Edits cannot be undone after loading (their rings are not saved), and an
// index without a keyword has no kind: both leave the history.
void dropUnrestorableEntries(Design& d, const std::array<bool, Design::historyCapacity>& typed)
{
    int kept = 0;
    for (int i = 0; i < d.historyCount; ++i) {
        const HistoryEntry k = d.history[slot(i)];
        if (typed[slot(i)] && k != HistoryEntry::EditElement)
            d.history[slot(kept++)] = k;
    }
    const int removed = d.historyCount - kept;
    d.historyCount = kept;
    d.historyTop = std::clamp(d.historyTop - removed, kept, Design::historyCapacity);
}

// The list an entry kind adds to: its place in a table of counts, or -1.
int listOf(HistoryEntry kind)
{
    switch (kind) {
    case HistoryEntry::DataPoint: return 0;
    case HistoryEntry::Element: return 1;
    case HistoryEntry::QEllipse: return 2;
    case HistoryEntry::VswrCircle: return 3;
    case HistoryEntry::StabCircle: return 4;
    case HistoryEntry::GainCircle: return 5;
    case HistoryEntry::NoiseCircle: return 6;
    default: return -1;
    }
}

// A file may record more additions of a kind than its list holds. Undoing
// them all and redoing them would then bring back slots that hold nothing,
// so only the newest entries that the list covers are kept.
void reconcileHistoryWithCounts(Design& d)
{
    const std::array<int, 7> counts{d.dataPointCount, d.elementCount, d.qCount, d.vswrCount,
                                    d.stabilityCount, d.gainCount,    d.noiseCount};
    std::array<int, 7> seen{};
    std::array<bool, Design::historyCapacity> keep{};
    for (int i = d.historyCount - 1; i >= 0; --i) {
        const int list = listOf(d.history[slot(i)]);
        keep[slot(i)] = list < 0 || seen[slot(list)]++ < counts[slot(list)];
    }
    int kept = 0;
    for (int i = 0; i < d.historyCount; ++i)
        if (keep[slot(i)])
            d.history[slot(kept++)] = d.history[slot(i)];
    d.historyCount = kept;
    d.historyTop = kept;
}

// Older versions computed RLC groups at the last data point's frequency and
// stored those ends; the chain is now computed at the start point's
// frequency throughout, so such a chain is recomputed once on reading.
// Points a block cannot reach are found again rather than stored.
void refreshDerivedResults(Design& d)
{
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    const int points = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    const auto chain = std::span<const Element>(d.elements.data(), slot(n));
    const bool rlc = std::any_of(chain.begin(), chain.end(),
                                 [](const Element& e) { return isRlc(e.kind); });
    if (rlc && points > 0 && d.dataPoints[slot(points - 1)].f != designFrequency(d))
        recomputeChain(d, 0);
    for (int i = 0; i < points; ++i)
        d.widebandSkipped[slot(i)] = !chainDefinedAt(chain, d.dataPoints[slot(i)].f);
}

} // namespace

const char* elementFileName(ElementKind kind)
{
    for (const KindName& k : kindNames)
        if (k.kind == kind)
            return k.name;
    return "";
}

const char* historyKeyword(HistoryEntry kind)
{
    for (const HistoryName& h : historyNames)
        if (h.kind == kind)
            return h.name;
    return nullptr;
}

std::string designFileText(const Design& d)
{
    const int points = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    const int elements = std::clamp(d.elementCount, 0, Design::elementCapacity);
    Writer w;
    w.raw(partsSectionText(d, elements));
    if (points > 0)
        writeDataPoints(w, d, points);
    if (d.widebandDone)
        writeWideband(w, d, points);
    w.line("[Z0]");
    w.line(printfString("Z0=%G", storable(d.z0)));
    w.line("");
    if (elements > 0)
        writeElements(w, d, elements);
    if (d.qCount > 0)
        writeContours(w, "[Q]", "Q", d.qCircles, std::min(d.qCount, Design::qCapacity));
    if (d.vswrCount > 0)
        writeContours(w, "[VSWR]", "VSWR", d.vswrCircles,
                      std::min(d.vswrCount, Design::vswrCapacity));
    if (d.stabilityCount > 0)
        writeStability(w, d, std::min(d.stabilityCount, Design::stabilityCapacity));
    if (d.gainCount > 0)
        writeGain(w, d, std::min(d.gainCount, Design::gainCapacity));
    if (d.noiseCount > 0)
        writeNoise(w, d, std::min(d.noiseCount, Design::noiseCapacity));
    writeHistory(w, d, std::clamp(d.historyCount, 0, Design::historyCapacity));
    return w.take();
}

int writeDesignFile(const Design& d, const std::string& path, std::string* why)
{
    return writeFileReplacing(path, designFileText(d), why) ? designFileOk : designFileCannotWrite;
}

int readDesignText(Design& d, std::string_view bytes)
{
    {
        std::string name = std::move(d.fileName);
        const int maxItems = d.maxItems;
        d = Design{};
        d.fileName = std::move(name);
        d.maxItems = maxItems;
    }
    std::array<bool, Design::historyCapacity> typed{};
    int headerLines = 0;
    Section section = Section::None;
    TextLineReader reader(bytes, designLineLimit);
    std::string line;
    while (reader.next(line)) {
        for (const Header& h : headers)
            if (contains(line, h.text))
                section = h.section;
        headerLines += contains(line, "[HISTORY]") + contains(line, "[Z0]");
        switch (section) {
        case Section::DataPoints:
            readDataPointLine(d, line);
            break;
        case Section::Wideband:
            readWidebandLine(d, line);
            break;
        case Section::Elements:
            readElementLine(d, line);
            break;
        case Section::Q:
            readContourLine(line, "Q", d.qCircles, d.qCount);
            break;
        case Section::Vswr:
            readContourLine(line, "VSWR", d.vswrCircles, d.vswrCount);
            break;
        case Section::Stability:
            readStabilityLine(d, line);
            break;
        case Section::Gain:
            readGainLine(d, line);
            break;
        case Section::History:
            readHistoryLine(d, line, typed);
            break;
        case Section::Noise:
            readNoiseLine(d, line);
            break;
        case Section::Z0:
            readZ0Line(d, line);
            break;
        case Section::None:
            break;
        }
    }
    dropUnrestorableEntries(d, typed);
    reconcileHistoryWithCounts(d);
    // A start point outside the list would leave the chain without a frequency.
    d.startPoint = d.dataPointCount == 0 ? 0 : std::clamp(d.startPoint, 1, d.dataPointCount);
    if (d.startPoint > 0) {
        const DataPoint& p = d.dataPoints[slot(d.startPoint - 1)];
        d.currentPoint = {p.r, p.x};
    }
    if (!readPartsSection(d, bytes, nullptr))
        return designFileNotADesign;
    refreshDerivedResults(d);
    return headerLines == 2 ? designFileOk : designFileNotADesign;
}

int readDesignFile(Design& d, const std::string& path)
{
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes)
        return designFileCannotOpen;
    return readDesignText(d, *bytes);
}

} // namespace zelvo
