// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The chain evaluated at every data point's frequency many times over with
// element values changing (the optimiser's objective). Every element is a
// bilinear map of the impedance, so the runs of elements that stay fixed are
// multiplied out once per frequency. The runs and the changing elements are
// the leaves of a product tree per frequency: an evaluation in which a few
// values changed (an optimiser moves a few coordinates at a time) redoes
// only those elements and their paths to the root, whatever the length of
// the chain. Impedances are carried as numerator and denominator, so opens
// and shorts need no division.
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
    // points, with the variables at `values` (in the order given). Keeps the
    // products for the next call: one caller at a time.
    double worstMismatch(std::span<const double> values, Complex target);

  private:
    struct Mobius {
        Complex a{1.0}, b{0.0}, c{0.0}, d{1.0};
    };
    static Mobius elementMap(const Element& e, double f, double f0);
    // `inner` followed by `outer`, scaled back towards 1.
    static Mobius compose(const Mobius& inner, const Mobius& outer);
    Mobius* treeOf(std::size_t point) { return &tree_[point * 2 * leaves_]; }
    void setVariable(std::size_t i, double value);

    std::vector<TuneVariable> variables_; // in chain order
    std::vector<std::size_t> callerOrder_; // variables_[i] is the caller's callerOrder_[i]
    std::vector<Element> variableElements_;
    std::vector<DataPoint> points_;
    // Per point a tree over the leaves run 0, variable 0, run 1, ..., run K
    // (padded with identities to `leaves_`, a power of two): node 1 is the
    // root, node j has children 2j and 2j + 1, leaf k is node leaves_ + k.
    std::size_t leaves_ = 1;
    std::size_t depth_ = 0; // log2(leaves_): the nodes on a leaf's path to the root
    std::vector<Mobius> tree_;
    std::vector<double> lastValues_; // the variables as the tree holds them
    std::vector<std::size_t> changed_; // the evaluation's changed variables, kept to reuse
    bool built_ = false;      // the variables' leaves are filled
    bool nodesValid_ = false; // the nodes above the leaves agree with them
    double f0_;
};

} // namespace zelvo
