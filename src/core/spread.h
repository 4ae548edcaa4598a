// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The chain evaluated for many sets of part values at once: each L, C and R
// scaled by a factor per sample, at every load (an impedance at its own
// frequency). Built for the tolerance spread and the standard value search,
// which ask for thousands of variants of one chain: each element's nominal
// impedance per load is computed once, and the samples run in the inner loop
// over contiguous arrays.
#include "core/abcd.h"
#include "core/complex.h"
#include "core/element.h"

#include <span>
#include <vector>

namespace zelvo {

struct SpreadLoad {
    Complex z; // ohm
    double f = 0.0; // Hz
};

class ChainSpread {
  public:
    // elements[0] next to the load; lines have their length at f0. Loads at
    // which an element has no value (a block outside its range) must be left
    // out by the caller (chainDefinedAt).
    ChainSpread(std::span<const Element> elements, std::span<const SpreadLoad> loads, double f0);

    int elementCount() const { return static_cast<int>(elements_.size()); }
    int loadCount() const { return static_cast<int>(loads_.size()); }
    // Whether element i's value is varied (an L, C or R).
    bool varies(int i) const;

    struct Output {
        // Per sample: the largest |mismatch|^2 against the target over all
        // loads (1 for a result that overflowed).
        std::vector<double> worstGamma2;
        // When asked for: the chain's end, ends[load * count + sample].
        std::vector<Complex> ends;
        // When asked for: per load the smallest and largest |mismatch|^2 over
        // the samples.
        std::vector<double> loadMin, loadMax;
    };
    // `factors` holds count factors per element, element after element
    // (factors[i * count + s] scales element i in sample s; elements that do
    // not vary ignore theirs). `target` as `mismatch` takes it.
    void evaluate(std::span<const double> factors, int count, Complex target, Output& out,
                  bool keepEnds = false, bool keepLoadRange = false) const;

  private:
    // How one step of the chain is computed per load.
    enum class StepKind : std::uint8_t {
        Series,  // z += fixed + scaled * m
        Shunt,   // z = z || (fixed + scaled * m)
        Matrix,  // fixed elements, their chain matrices multiplied
        General, // a varying part whose impedance is not linear in its factor
    };
    struct Step {
        StepKind kind = StepKind::Matrix;
        int element = -1;     // the element whose factor applies
        bool inverse = false; // m = 1 / factor (capacitors) instead of factor
        std::vector<Complex> fixed, scaled; // per load
        std::vector<Abcd> matrix;           // per load
    };
    std::vector<Element> elements_;
    std::vector<SpreadLoad> loads_;
    double f0_ = 0.0;
    std::vector<Step> steps_;
};

// How factors are drawn within a part's tolerance t.
enum class SpreadLaw : std::uint8_t {
    Uniform,  // flat over 1 - t .. 1 + t
    Gaussian, // sigma = t / 3, cut at +-t (a draw beyond it is drawn again)
};

// count factors for one part, the same for the same seed and stream: a part
// keeps its draws when another part's tolerance or value changes.
void drawFactors(std::uint64_t seed, int stream, double tolerance, SpreadLaw law,
                 std::span<double> out);

} // namespace zelvo
