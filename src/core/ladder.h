// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Ideal ladders of series and shunt L and C, lines and stubs, evaluated over a
// band against a real source: the inner loop of the broadband search. A
// ladder's values are kept as the search sees them, normalised to the source
// resistance Rs at the band centre fc:
//   series L, C     ln(|X(fc)| / Rs)
//   shunt L, C      ln(|B(fc)| * Rs)
//   line, stub      electrical angle at fc in radians, then ln(Zc / Rs)
// so that a value's size means the same in every position and a lumped
// element vanishes towards the low end of its range.
#include "core/complex.h"
#include "core/element.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zelvo {

enum class LadderPart : std::uint8_t { SeriesL, SeriesC, ShuntL, ShuntC, Line, OpenStub, ShortStub };

// Element parts in chain order: the first one next to the load.
using Topology = std::vector<LadderPart>;

bool isSeriesLumped(LadderPart p);
bool isShuntPart(LadderPart p); // shunt L, C and the stubs
bool isDistributed(LadderPart p);
// 1 for L and C, 2 for lines and stubs (angle, impedance).
int parameterCount(LadderPart p);
int parameterCount(const Topology& t);

// Every distinct ladder of exactly `n` elements. Of L and C alone: series
// and shunt branches alternate, a branch is L, C or both (in series for a
// series branch, in parallel for a shunt one, L first); adjacent elements
// that merge into one (two series L) are left out. With `lines` also the
// ladders with lines and open or short stubs, whose branches are single
// elements (a stub is a shunt one) and in which a line may sit beside a
// series element but not beside another line.
std::vector<Topology> ladderTopologies(int n, bool lines);
bool isCanonical(const Topology& t);

// The loads and weights of one search. Frequencies in Hz, > 0; loads in
// ohm; a weight multiplies |Gamma| at its frequency, 0 leaves it out.
struct LadderBand {
    std::vector<double> frequencies;
    std::vector<Complex> loads;
    std::vector<double> weights;
    double source = 50.0; // ohm, > 0
    double centre = 0.0;  // Hz, > 0: the reference of the normalised values
};

class LadderEvaluator {
  public:
    explicit LadderEvaluator(const LadderBand& band);

    const LadderBand& band() const { return band_; }
    std::size_t size() const { return ratio_.size(); }

    // The largest weighted |Gamma| of the ladder's input against the source.
    double worst(const Topology& t, std::span<const double> x) const;
    // |Gamma| at every frequency, unweighted.
    std::vector<double> reflections(const Topology& t, std::span<const double> x) const;
    // Per frequency the weighted |Gamma|^2 and its gradient by the values
    // (row k holds the derivatives of frequency k); returns the largest.
    double squaredWithGradient(const Topology& t, std::span<const double> x,
                               std::span<double> squared, std::span<double> gradient) const;

  private:
    // Runs the ladder over every frequency; with `derivatives` also the
    // derivatives of the state by each value (parameter-major).
    void run(const Topology& t, std::span<const double> x, bool derivatives) const;

    LadderBand band_;
    std::vector<double> ratio_;   // f / fc
    std::vector<double> inverse_; // fc / f
    std::vector<Complex> load_;   // normalised to the source
    std::vector<double> weight2_; // squared weights
    // The homogeneous state (n, d), z = n / d, per frequency, and its
    // derivatives; reused between calls (one caller at a time).
    mutable std::vector<Complex> n_, d_, dn_, dd_;
};

// The chain's elements of a ladder: lines with their length in wavelengths
// at f0 (the design frequency), impedances rounded to the chain's floats.
std::vector<Element> ladderElements(const Topology& t, std::span<const double> x, double source,
                                    double centre, double f0, float er);

// The part and normalised value of a chain element that a ladder can hold
// (series and shunt L and C only); nullopt for any other kind or value.
struct LumpedValue {
    LadderPart part;
    double x;
};
std::optional<LumpedValue> lumpedValue(const Element& e, double source, double centre);

} // namespace zelvo
