// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/bode_fano.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace zelvo {
namespace {

constexpr double pi = std::numbers::pi;

struct Sampled {
    std::vector<double> f;
    std::vector<Complex> z;
    std::vector<double> w;
};

Sampled sample(double f1, double f2, int n, const std::function<Complex(double)>& z)
{
    Sampled s;
    for (int i = 0; i < n; ++i) {
        const double f = f1 + (f2 - f1) * i / (n - 1);
        s.f.push_back(f);
        s.z.push_back(z(2 * pi * f));
        s.w.push_back(1.0);
    }
    return s;
}

TEST(BodeFano, ParallelRcLoadGivesItsValuesAndTheTextbookLimit)
{
    // R = 100 ohm, C = 5 pF over 200..400 MHz: ln(1/G) <= pi / (dw R C)
    // = 1 / (2 * 200e6 * 100 * 5e-12) = 5 nepers, 43.43 dB.
    const double r = 100.0, c = 5e-12, f1 = 200e6, f2 = 400e6;
    const Sampled s = sample(f1, f2, 41, [&](double w) { return 1.0 / Complex{1.0 / r, w * c}; });
    const LoadFits fits = fitLoadModels(s.f, s.z, s.w, 50.0, f1, f2);
    ASSERT_TRUE(fits.chosen);
    EXPECT_FALSE(fits.resistive);
    EXPECT_EQ(fits.chosen->model, FanoModel::ParallelRC);
    EXPECT_NEAR(fits.chosen->r, r, 1e-9);
    EXPECT_NEAR(fits.chosen->c, c, 1e-20);
    EXPECT_LT(fits.chosen->error, 1e-12);
    EXPECT_NEAR(fits.chosen->limit, 5.0, 1e-9);
    EXPECT_NEAR(boundReturnLoss(fits.chosen->limit), 5.0 * 20.0 / std::log(10.0), 1e-9);
}

TEST(BodeFano, EachModelIsRecognisedWithItsBound)
{
    const double f1 = 10e6, f2 = 14e6, w1 = 2 * pi * f1, w2 = 2 * pi * f2, dw = w2 - w1;
    struct Case {
        FanoModel model;
        std::function<Complex(double)> z;
        double bound;
    };
    const double r = 20.0, l = 1e-6, c = 200e-12;
    const Case cases[] = {
        {FanoModel::SeriesRL, [&](double w) { return Complex{r, w * l}; }, pi * r / (dw * l)},
        {FanoModel::SeriesRC, [&](double w) { return Complex{r, -1.0 / (w * c)}; },
         pi * r * c * w1 * w2 / dw},
        {FanoModel::ParallelRL, [&](double w) { return 1.0 / Complex{1.0 / 500.0, -1.0 / (w * l)}; },
         pi * l * w1 * w2 / (500.0 * dw)},
        // Resonant at 11.25 MHz, inside the band: both series bounds, the smaller holds.
        {FanoModel::SeriesRLC, [&](double w) { return Complex{r, w * l - 1.0 / (w * c)}; },
         std::min(pi * r / (dw * l), pi * r * c * w1 * w2 / dw)},
        {FanoModel::ParallelRLC,
         [&](double w) { return 1.0 / Complex{1.0 / 2000.0, w * c - 1.0 / (w * l)}; },
         std::min(pi / (dw * 2000.0 * c), pi * l * w1 * w2 / (2000.0 * dw))},
    };
    for (const Case& k : cases) {
        const Sampled s = sample(f1, f2, 21, k.z);
        const LoadFits fits = fitLoadModels(s.f, s.z, s.w, 50.0, f1, f2);
        ASSERT_TRUE(fits.chosen) << fanoModelName(k.model);
        EXPECT_EQ(fits.chosen->model, k.model) << fanoModelName(fits.chosen->model);
        // The two-part models take the exact value at the centre; the
        // resonant ones also the slope of a parabola through the five
        // samples nearest it, which the 1/w term bends by about 1e-4.
        const bool resonant = k.model == FanoModel::SeriesRLC || k.model == FanoModel::ParallelRLC;
        EXPECT_LT(fits.chosen->error, resonant ? 1e-3 : 1e-9) << fanoModelName(k.model);
        EXPECT_NEAR(fits.chosen->limit / k.bound, 1.0, resonant ? 1e-3 : 1e-9)
            << fanoModelName(k.model);
    }
}

TEST(BodeFano, ResistiveActiveAndUnfittableLoads)
{
    const double f1 = 1e9, f2 = 2e9;
    const Sampled resistor = sample(f1, f2, 11, [](double) { return Complex{30.0, 0.0}; });
    EXPECT_TRUE(fitLoadModels(resistor.f, resistor.z, resistor.w, 50.0, f1, f2).resistive);
    // Negative resistance: no passive model.
    const Sampled active = sample(f1, f2, 11, [](double w) { return Complex{-10.0, w * 1e-9}; });
    const LoadFits none = fitLoadModels(active.f, active.z, active.w, 50.0, f1, f2);
    EXPECT_FALSE(none.chosen);
    EXPECT_FALSE(none.resistive);
    // Reactance falling with frequency as no lossless part can (Foster):
    // the only candidates fit badly.
    const Sampled odd = sample(f1, f2, 11, [](double w) { return Complex{50.0, 100.0 - w * 1e-8}; });
    const LoadFits poor = fitLoadModels(odd.f, odd.z, odd.w, 50.0, f1, f2);
    if (poor.chosen) {
        EXPECT_GT(poor.chosen->error, 0.1);
    }
    // Frequencies with weight 0 are not fitted.
    Sampled partly = sample(f1, f2, 11, [](double w) { return Complex{25.0, w * 2e-9}; });
    partly.z[0] = {-5.0, 0.0};
    partly.w[0] = 0.0;
    const LoadFits rl = fitLoadModels(partly.f, partly.z, partly.w, 50.0, f1, f2);
    ASSERT_TRUE(rl.chosen);
    EXPECT_EQ(rl.chosen->model, FanoModel::SeriesRL);
    EXPECT_NEAR(rl.chosen->l, 2e-9, 1e-18);
}

} // namespace
} // namespace zelvo
