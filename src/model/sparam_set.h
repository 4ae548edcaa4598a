// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The loaded two-port data of S-Plot mode.
#include "core/complex.h"
#include "core/twoport_types.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zelvo {

// Mixed storage forms: S11 and S22 rectangular, S12 and S21 polar (radians).
// Field order is matrix order (S11, S12, S21, S22), not the file's.
struct SParamPoint {
    // The decimal the file wrote, in its unit (freqExponent): a float would
    // show a 9 GHz line as 8999999488.
    double frequency = 0;
    float s11re = 0, s11im = 0;
    float s12mag = 0, s12ang = 0;
    float s21mag = 0, s21ang = 0;
    float s22re = 0, s22im = 0;
};

// Stored exactly as read.
struct NoisePoint {
    double frequency = 0;
    float fmin = 0;          // dB
    float gammaMag = 0;      // |Gamma_opt|
    float gammaAngleDeg = 0; // degrees
    float rn = 0;            // normalised
};

// Every point of the file is kept; the per-point vectors run in parallel with
// `points`, and the counts never exceed their sizes.
struct SParamSet {
    std::string sourceText; // the whole file, byte for byte
    std::string fileName = "<unnamed>";
    int freqExponent = 9;
    float referenceImpedance = 50.0f;
    int formatCode = 1; // 1 MA, 2 DB, 4 RI
    int pointCount = 0;
    std::vector<SParamPoint> points;
    // Per point; NaN where not computed.
    std::vector<double> stabilityK;
    std::vector<double> magDb;
    std::vector<double> msgDb;
    std::vector<double> muLoad;   // Edwards-Sinsky mu (load plane)
    std::vector<double> muSource; // mu' (source plane)
    int noiseCount = 0;
    std::vector<NoisePoint> noise;
    bool loaded = false;
    // The S-parameters in double precision as the file gives them, kept only
    // when asked (a two-port block of the chain needs them exact).
    bool keepExact = false;
    std::vector<TwoPort> exact;

    int sourceLength() const { return static_cast<int>(sourceText.size()); }

    // The counts as safe loop bounds, whatever a caller set them to.
    int validPoints() const
    {
        const auto n = std::min({points.size(), stabilityK.size(), magDb.size(), msgDb.size(),
                                 muLoad.size(), muSource.size()});
        return std::clamp(pointCount, 0, static_cast<int>(std::min<std::size_t>(n, 0x7fffffff)));
    }
    int validNoise() const
    {
        return std::clamp(noiseCount, 0,
                          static_cast<int>(std::min<std::size_t>(noise.size(), 0x7fffffff)));
    }

    // Sizes every per-point vector to n (new entries zero) and sets the count.
    void resizePoints(int n)
    {
        const auto size = static_cast<std::size_t>(std::max(n, 0));
        points.resize(size);
        for (auto* v : {&stabilityK, &magDb, &msgDb, &muLoad, &muSource})
            v->resize(size);
        pointCount = static_cast<int>(size);
    }
    void resizeNoise(int n)
    {
        noise.resize(static_cast<std::size_t>(std::max(n, 0)));
        noiseCount = static_cast<int>(noise.size());
    }
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
