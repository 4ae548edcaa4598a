#pragma once
// The one design document of chart mode: data points, the element chain,
// contours and circles, the wideband result and the undo/redo history.
// Fixed capacities with counts; undo lowers a count and never erases an item.
#include "core/complex.h"
#include "core/element.h"
#include "core/twoport_types.h"

#include <array>
#include <cstdint>
#include <string>

namespace zelvo {

enum class HistoryKind : std::int32_t {
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
};

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
    double nfMin = 0.0;  // dB
    Complex gammaOpt;    // optimum source reflection coefficient
    double rn = 0.0;     // noise resistance, normalised to z0
    double nf = 0.0;     // dB
};

struct EditRecord {
    std::int32_t index = 0;
    double value = 0.0;
};

struct PointEditRecord {
    std::int32_t index = 0;
    double r = 0.0, x = 0.0, f = 0.0;
};

// Ten slots; the oldest record is overwritten.
template <typename Record>
struct EditRing {
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
    static constexpr int historyCapacity = 256;

    std::array<DataPoint, pointCapacity> dataPoints{};
    int dataPointCount = 0;
    int startPoint = 0;   // 1-based number of the data point the chain starts at
    Complex currentPoint; // (R, X) the next element starts from

    std::array<Element, elementCapacity> elements{};
    int elementCount = 0;

    float z0 = 50.0f;

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

    std::array<HistoryKind, historyCapacity> history{};
    int historyCount = 0;
    int historyTop = 0;

    EditRing<EditRecord> elementEditUndo, elementEditRedo;
    EditRing<PointEditRecord> pointEditUndo, pointEditRedo;

    bool modified = false;
    int maxItems = 150; // the data point and element limit
    std::string fileName = "<unnamed>";
};

} // namespace zelvo
