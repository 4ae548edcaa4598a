// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_values.h"

#include "core/format.h"
#include "core/tuning.h"
#include "model/value_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelvo {

namespace {

// Six significant digits in the file move a modulus by at most 5e-6 of
// itself, and float storage by far less: an accepted |S| = 1 may read back a
// little above 1.
constexpr double fileRounding = 1e-5;

struct Range {
    double low;
    double high;
    bool lowOpen = false; // low itself is refused
    double slack = 0.0;   // relative room above high for the file's rounding
};

bool inside(double v, const Range& r)
{
    return (r.lowOpen ? v > r.low : v >= r.low) && v <= r.high * (1.0 + r.slack);
}

std::string rangeWords(const Range& r)
{
    // The smallest positive double is how "> 0" is written in the tuning ranges.
    const bool positive =
        (r.lowOpen && r.low == 0.0) || r.low == std::numeric_limits<double>::denorm_min();
    std::string words = positive ? "> 0" : printfString(r.lowOpen ? "> %G" : ">= %G", r.low);
    if (r.high < std::numeric_limits<double>::max())
        words = printfString("%s and <= %G", words.c_str(), r.high);
    return words;
}

class Checker {
  public:
    // The item ("Element 3") and its 0-based index in the file; -1 for
    // a key without one.
    void item(std::string name, int index)
    {
        name_ = std::move(name);
        index_ = index;
    }

    void range(const char* key, double v, const Range& r)
    {
        if (!problem_ && !inside(v, r))
            outside(key, v, r);
    }
    void accepted(const char* key, double v, bool ok, const Range& r)
    {
        if (!problem_ && !ok)
            outside(key, v, r);
    }
    void finite(const char* key, double v)
    {
        if (!problem_ && !std::isfinite(v))
            fail(key, printfString("%G is not a finite number", v));
    }
    void modulus(const char* key, double re, double im, double limit)
    {
        const double m = std::hypot(re, im);
        if (!problem_ && !(m <= limit * (1.0 + fileRounding)))
            fail(key, printfString("%G is outside the accepted range (modulus <= %G)", m, limit));
    }
    void fail(const char* key, const std::string& why)
    {
        if (problem_)
            return;
        problem_ = index_ >= 0
                       ? printfString("%s, key \"%s\" (index %d): %s", name_.c_str(), key, index_,
                                      why.c_str())
                       : printfString("%s, key \"%s\": %s", name_.c_str(), key, why.c_str());
    }

    std::optional<std::string> take() { return std::move(problem_); }

  private:
    void outside(const char* key, double v, const Range& r)
    {
        fail(key, printfString("%G is outside the accepted range (%s)", v, rangeWords(r).c_str()));
    }

    std::string name_;
    int index_ = 0;
    std::optional<std::string> problem_;
};

void checkElement(Checker& c, const Element& e)
{
    if (e.kind == ElementKind::None) {
        c.fail("TYP", "the element kind is missing or unknown");
        return;
    }
    const auto part = [&](const char* key, ElementPart p) {
        const PartRange r = acceptedRange(e.kind, p);
        c.range(key, partValue(e, p), {r.low, r.high});
    };
    if (e.kind == ElementKind::Block) {
        // No value of its own; its data is checked where it is read.
    }
    else if (isRlc(e.kind)) {
        part("RLC_RESISTOR", ElementPart::R);
        part("RLC_INDUCTIVITY", ElementPart::L);
        part("RLC_CAPACITY", ElementPart::C);
    }
    else {
        part("VAL", ElementPart::Value);
    }
    if (isLine(e.kind)) {
        c.accepted("IMP", e.lineImpedance, lineImpedanceAccepted(e.lineImpedance),
                   {0.0, lineImpedanceLimit.max, true});
        c.accepted("ER", e.lineEr, permittivityAccepted(e.lineEr),
                   {0.0, permittivityLimit.max, true});
    }
    c.finite("RBEGIN", e.rBegin);
    c.finite("XBEGIN", e.xBegin);
    c.finite("REND", e.rEnd);
    c.finite("XEND", e.xEnd);
}

void checkSParams(Checker& c, const StoredSParams& s)
{
    c.modulus("S11RE, S11IM", s.s11re, s.s11im, 1.0);
    c.modulus("S12RE, S12IM", s.s12re, s.s12im, maxTransmission);
    c.modulus("S21RE, S21IM", s.s21re, s.s21im, maxTransmission);
    c.modulus("S22RE, S22IM", s.s22re, s.s22im, 1.0);
}

} // namespace

std::optional<std::string> designValueProblem(const Design& d)
{
    Checker c;
    c.item("Zo", -1);
    c.accepted("Z0", d.z0, referenceImpedanceAccepted(d.z0),
               {minReferenceImpedance, maxReferenceImpedance});

    const int points = std::clamp(d.dataPointCount, 0, Design::pointCapacity);
    for (int i = 0; i < points; ++i) {
        const DataPoint& p = d.dataPoints[static_cast<std::size_t>(i)];
        c.item(printfString("Data point %d", i + 1), i);
        c.finite("R", p.r);
        c.finite("X", p.x);
        c.accepted("F", p.f, pointFrequencyAccepted(p.f), {0.0, maxPointFrequency, true});
        if (d.widebandDone) {
            c.finite("R", d.widebandR[static_cast<std::size_t>(i)]);
            c.finite("X", d.widebandX[static_cast<std::size_t>(i)]);
        }
    }
    const int elements = std::clamp(d.elementCount, 0, Design::elementCapacity);
    for (int i = 0; i < elements; ++i) {
        c.item(printfString("Element %d", i + 1), i);
        checkElement(c, d.elements[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < std::clamp(d.qCount, 0, Design::qCapacity); ++i) {
        const float q = d.qCircles[static_cast<std::size_t>(i)];
        c.item(printfString("Q contour %d", i + 1), i);
        c.accepted("Q", q, qContourAccepted(q), {qContourMin, qContourMax});
    }
    for (int i = 0; i < std::clamp(d.vswrCount, 0, Design::vswrCapacity); ++i) {
        const float v = d.vswrCircles[static_cast<std::size_t>(i)];
        c.item(printfString("VSWR contour %d", i + 1), i);
        c.accepted("VSWR", v, vswrContourAccepted(v), {vswrContourMin, vswrContourMax});
    }
    for (int i = 0; i < std::clamp(d.stabilityCount, 0, Design::stabilityCapacity); ++i) {
        c.item(printfString("Stability circle %d", i + 1), i);
        checkSParams(c, d.stabilityCircles[static_cast<std::size_t>(i)].s);
    }
    for (int i = 0; i < std::clamp(d.gainCount, 0, Design::gainCapacity); ++i) {
        const GainCircleRecord& g = d.gainCircles[static_cast<std::size_t>(i)];
        c.item(printfString("Gain circle %d", i + 1), i);
        c.accepted("P", g.p, gainDecibelsAccepted(g.p), {-maxDecibels, maxDecibels});
        checkSParams(c, g.s);
    }
    for (int i = 0; i < std::clamp(d.noiseCount, 0, Design::noiseCapacity); ++i) {
        const NoiseCircleRecord& n = d.noiseCircles[static_cast<std::size_t>(i)];
        c.item(printfString("Noise circle %d", i + 1), i);
        c.range("NFMIN", n.nfMin, {0.0, maxDecibels, true});
        c.modulus("RNF_MIN", n.gammaOpt.re, n.gammaOpt.im, 1.0);
        // Typed in ohm, rn is stored normalised by Zo, which may be the
        // smallest one; that bound has more than six digits.
        c.range("R", n.rn, {0.0, maxNoiseResistance / minReferenceImpedance, true, fileRounding});
        c.range("NF", n.nf, {n.nfMin, maxDecibels});
    }
    return c.take();
}

} // namespace zelvo
