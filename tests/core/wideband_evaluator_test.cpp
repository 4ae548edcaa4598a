// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/wideband_evaluator.h"

#include "core/chain.h"
#include "core/synthesis.h"
#include "support/element_builders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zelvo {
namespace {

using testing::element;
using testing::rlcElement;

// The element-by-element wideband evaluation with the same values set.
double reference(std::vector<Element> chain, const std::vector<DataPoint>& points, double f0,
                 const std::vector<TuneVariable>& vars, const std::vector<double>& values,
                 Complex target)
{
    for (std::size_t i = 0; i < vars.size(); ++i)
        setPartValue(chain[static_cast<std::size_t>(vars[i].index)], vars[i].part, values[i]);
    std::vector<double> r(points.size()), x(points.size());
    evaluateWideband(chain, points, f0, r, x);
    double worst = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
        worst = std::max(worst, magnitude(mismatch({r[i], x[i]}, target)));
    return worst;
}

TEST(WidebandEvaluator, AgreesWithElementByElementEvaluation)
{
    const std::vector<Element> chain{
        element(ElementKind::CS, 3e-12),    element(ElementKind::LS, 0.11, 60.0f),
        element(ElementKind::IP, 12e-9),    element(ElementKind::RS, 4.0),
        element(ElementKind::LPS, 0.07, 40.0f), element(ElementKind::LPO, 0.19),
        element(ElementKind::TR, 1.3),      rlcElement(ElementKind::RlcSeries, 300, 8e-9, 3e-12),
        element(ElementKind::IS, 5e-9),     rlcElement(ElementKind::RlcParallel, 500, 20e-9, 1e-12),
        element(ElementKind::RP, 400.0),    element(ElementKind::CP, 2e-12)};
    std::vector<DataPoint> points;
    for (int i = 0; i < 9; ++i)
        points.push_back({12.0 + 7 * i, -40.0 + 11 * i, 8e8 + 5e7 * i});
    const double f0 = 1e9;
    const Complex target{50, 0};
    // Variables at the ends, next to each other and one RLC part, given out
    // of chain order.
    const std::vector<TuneVariable> vars{{11, ElementPart::Value}, {0, ElementPart::Value},
                                         {1, ElementPart::Value},  {7, ElementPart::C},
                                         {4, ElementPart::Value}};
    WidebandEvaluator eval(chain, points, f0, vars);
    for (double scale : {1.0, 0.6, 1.7}) {
        std::vector<double> values;
        for (const TuneVariable& v : vars)
            values.push_back(partValue(chain[static_cast<std::size_t>(v.index)], v.part) * scale);
        const double expected = reference(chain, points, f0, vars, values, target);
        // The chain rounds a line's resistance to single precision.
        EXPECT_NEAR(eval.worstMismatch(values, target), expected, 1e-6) << scale;
    }
    // One value at a time, as an optimiser moves: only that element's path
    // in the kept products is redone, and the result is the same.
    std::vector<double> values;
    for (const TuneVariable& v : vars)
        values.push_back(partValue(chain[static_cast<std::size_t>(v.index)], v.part));
    for (int round = 0; round < 3; ++round)
        for (std::size_t k = 0; k < values.size(); ++k) {
            values[k] *= round % 2 ? 0.93 : 1.12;
            EXPECT_NEAR(eval.worstMismatch(values, target),
                        reference(chain, points, f0, vars, values, target), 1e-6)
                << round << " " << k;
        }
    EXPECT_NEAR(eval.worstMismatch(values, target),
                reference(chain, points, f0, vars, values, target), 1e-6);
    // No variables: the fixed chain alone.
    WidebandEvaluator fixed(chain, points, f0, {});
    EXPECT_NEAR(fixed.worstMismatch({}, target), reference(chain, points, f0, {}, {}, target), 1e-6);
}

// The optimiser sees the same lossy chain as the wideband evaluation: parts
// with every kind of loss, variables among them.
TEST(WidebandEvaluator, AgreesForLossyParts)
{
    std::vector<Element> chain{element(ElementKind::IS, 5e-9), element(ElementKind::CP, 2e-12),
                               element(ElementKind::LS, 0.11, 60.0f),
                               element(ElementKind::CS, 3e-12), element(ElementKind::LPO, 0.19),
                               element(ElementKind::IP, 12e-9)};
    chain[0].loss = {.q = 30, .qFrequency = 2e9, .qLaw = QLaw::Sqrt, .srf = 6e9};
    chain[1].loss = {.q = 80, .qFrequency = 1e9, .qLaw = QLaw::Linear};
    chain[2].loss.lineDb = 0.8;
    chain[3].loss = {.esr = 0.4, .esl = 0.3e-9};
    chain[4].loss.lineDb = 1.5;
    chain[5].loss = {.q = 25};
    std::vector<DataPoint> points;
    for (int i = 0; i < 7; ++i)
        points.push_back({15.0 + 6 * i, -30.0 + 9 * i, 7e8 + 1e8 * i});
    const double f0 = 1e9;
    const std::vector<TuneVariable> vars{{0, ElementPart::Value}, {3, ElementPart::Value},
                                         {4, ElementPart::Value}};
    WidebandEvaluator eval(chain, points, f0, vars);
    std::vector<double> values{4e-9, 2.5e-12, 0.22};
    const Complex target{50, 0};
    const double lossy = reference(chain, points, f0, vars, values, target);
    EXPECT_NEAR(eval.worstMismatch(values, target), lossy, 1e-9);
    for (Element& e : chain)
        e.loss = {};
    EXPECT_GT(std::abs(reference(chain, points, f0, vars, values, target) - lossy), 1e-3);
}

TEST(WidebandEvaluator, ShortedLoadThroughOpenStubIsTotalReflection)
{
    const std::vector<Element> chain{element(ElementKind::LPO, 0.25), element(ElementKind::CS, 1e-12)};
    const std::vector<DataPoint> points{{0, 0, 1e9}};
    WidebandEvaluator eval(chain, points, 1e9, {{1, ElementPart::Value}});
    const double values[] = {2e-12};
    EXPECT_NEAR(eval.worstMismatch(values, {50, 0}), 1.0, 1e-12);
}

} // namespace
} // namespace zelvo
