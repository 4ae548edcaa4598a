#pragma once
// The chain evaluated at every data point's frequency many times over with a
// few element values changing (the optimiser's objective). Every element is
// a bilinear map of the impedance, so the runs of elements that stay fixed
// are multiplied out once per frequency; an evaluation applies those
// products and the changing elements only. Impedances are carried as
// numerator and denominator, so opens and shorts need no division.
#include "core/complex.h"
#include "core/element.h"
#include "core/tuning.h"

#include <span>
#include <vector>

namespace zelvo {

struct TuneVariable {
    int index = 0; // element index in the chain
    ElementPart part = ElementPart::Value;
};

class WidebandEvaluator {
  public:
    // `variables` in any order, each element at most once; the points are
    // the loads at their own frequencies, lines have their lengths at f0.
    WidebandEvaluator(std::span<const Element> elements, std::span<const DataPoint> points,
                      double f0, std::vector<TuneVariable> variables);

    // The largest |mismatch| of the chain's end against `target` over the
    // points, with the variables at `values` (in the order given).
    double worstMismatch(std::span<const double> values, Complex target) const;


  private:
    struct Mobius {
        Complex a{1.0}, b{0.0}, c{0.0}, d{1.0};
    };
    static Mobius elementMap(const Element& e, double f, double f0);

    std::vector<TuneVariable> variables_; // in chain order
    std::vector<std::size_t> callerOrder_; // variables_[i] is the caller's callerOrder_[i]
    std::vector<Element> variableElements_;
    std::vector<DataPoint> points_;
    std::vector<Mobius> runs_; // (variables + 1) runs per point, point-major
    double f0_;
};

} // namespace zelvo
