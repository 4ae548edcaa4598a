#pragma once
// The loaded two-port data of S-Plot mode.
#include "core/complex.h"
#include "core/twoport_types.h"

#include <array>
#include <string>

namespace zelvo {

// Mixed storage forms: S11 and S22 rectangular, S12 and S21 polar (radians).
// Field order is matrix order (S11, S12, S21, S22), not the file's.
struct SParamPoint {
    float frequency = 0; // as written in the file, unit by freqExponent
    float s11re = 0, s11im = 0;
    float s12mag = 0, s12ang = 0;
    float s21mag = 0, s21ang = 0;
    float s22re = 0, s22im = 0;
};

// Stored exactly as read.
struct NoisePoint {
    float frequency = 0;
    float fmin = 0;          // dB
    float gammaMag = 0;      // |Gamma_opt|
    float gammaAngleDeg = 0; // degrees
    float rn = 0;            // normalised
};

struct SParamSet {
    static constexpr int capacity = 200;

    std::string sourceText; // the whole file, byte for byte
    std::string fileName = "<unnamed>";
    int freqExponent = 9;
    float referenceImpedance = 50.0f;
    int formatCode = 1; // 1 MA, 2 DB, 4 RI
    int pointCount = 0;
    std::array<SParamPoint, capacity> points{};
    // Per point; NaN where not computed.
    std::array<double, capacity> stabilityK{};
    std::array<double, capacity> magDb{};
    std::array<double, capacity> msgDb{};
    int noiseCount = 0;
    std::array<NoisePoint, capacity> noise{};
    bool loaded = false;

    int sourceLength() const { return static_cast<int>(sourceText.size()); }
};

// The four S-parameters of a point as complex numbers, widened to double.
inline TwoPort twoPortOf(const SParamPoint& p)
{
    return {{p.s11re, p.s11im},
            fromPolar(p.s12mag, p.s12ang),
            fromPolar(p.s21mag, p.s21ang),
            {p.s22re, p.s22im}};
}

} // namespace zelvo
