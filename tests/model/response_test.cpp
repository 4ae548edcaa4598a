// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/response.h"

#include "core/abcd.h"
#include "core/block.h"
#include "model/design_builders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zelvo;
using namespace zelvo::test;

namespace {

std::shared_ptr<BlockData> device(double fLow, double fHigh)
{
    auto b = std::make_shared<BlockData>();
    b->name = "device.s2p";
    b->z0 = 50;
    b->f = {fLow, fHigh};
    const TwoPort s{{0.3, -0.4}, {0.05, 0.02}, {4.0, 3.0}, {-0.2, 0.5}};
    b->s = {s, s};
    return b;
}

Element blockElement(std::shared_ptr<const BlockData> b)
{
    Element e;
    e.kind = ElementKind::Block;
    e.block = std::move(b);
    return e;
}

} // namespace

TEST(Sweep, DefaultWidensTheDataPointSpanAndEndsExactly)
{
    auto d = emptyDesign();
    EXPECT_EQ(defaultSweep(*d).points, 0);
    appendDataPoint(*d, {50, 0, 1e9});
    appendDataPoint(*d, {50, 0, 2e9});
    const Sweep s = defaultSweep(*d);
    EXPECT_DOUBLE_EQ(s.start, 0.9e9);
    EXPECT_DOUBLE_EQ(s.stop, 2.1e9);
    EXPECT_EQ(s.points, 401);
    const std::vector<double> f = sweepFrequencies(s);
    ASSERT_EQ(f.size(), 401u);
    EXPECT_EQ(f.front(), 0.9e9);
    EXPECT_EQ(f.back(), 2.1e9);
    const std::vector<double> log = sweepFrequencies({1e6, 1e9, 4, true});
    EXPECT_NEAR(log[1], 1e7, 1e-3);
    EXPECT_NEAR(log[2], 1e8, 1e-2);
}

TEST(Response, LoadIsInterpolatedInGammaOrHeld)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {25, -10, 1e9});
    EXPECT_EQ(loadModelOf(*d), LoadModel::Constant);
    EXPECT_EQ(loadAt(*d, LoadModel::Constant, 3e9), Complex(25, -10));
    appendDataPoint(*d, {100, 40, 2e9});
    EXPECT_EQ(loadModelOf(*d), LoadModel::Interpolated);
    // Halfway, Gamma is the mean of the two points' Gamma.
    const Complex ga = impedanceToGamma(25, -10, 50), gb = impedanceToGamma(100, 40, 50);
    const Complex mid = impedanceToGamma(loadAt(*d, LoadModel::Interpolated, 1.5e9).re,
                                         loadAt(*d, LoadModel::Interpolated, 1.5e9).im, 50);
    EXPECT_NEAR(mid.re, (ga.re + gb.re) / 2, 1e-12);
    EXPECT_NEAR(mid.im, (ga.im + gb.im) / 2, 1e-12);
    // Beyond the points the nearest holds.
    EXPECT_EQ(loadAt(*d, LoadModel::Interpolated, 0.5e9), Complex(25, -10));
    EXPECT_EQ(loadAt(*d, LoadModel::Interpolated, 5e9), Complex(100, 40));
}

TEST(Response, LosslessChainDeliversWhatIsNotReflected)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {10, -20, 1e9});
    appendElement(*d, element(ElementKind::IS, 5e-9));
    appendElement(*d, element(ElementKind::CP, 3e-12));
    const Response r = computeResponse(*d, sweepFrequencies({0.5e9, 2e9, 31, false}));
    ASSERT_EQ(r.points.size(), 31u);
    EXPECT_FALSE(r.hasBlock);
    for (const ResponsePoint& p : r.points) {
        const double g = std::pow(10.0, -p.inputReturnLossDb / 20.0);
        EXPECT_NEAR(std::pow(10.0, p.gainDb / 10.0), 1.0 - g * g, 1e-12) << p.f;
        // Lossless: the load sees the same mismatch as the generator.
        EXPECT_NEAR(p.outputReturnLossDb, p.inputReturnLossDb, 1e-9) << p.f;
        EXPECT_NEAR(p.vswr, (1 + g) / (1 - g), 1e-9);
        EXPECT_TRUE(std::isnan(p.noiseFigureDb));
    }
    // At the design frequency the chain end is the chain's own.
    const Response at = computeResponse(*d, {1e9});
    EXPECT_NEAR(at.points[0].input.re, d->elements[1].rEnd, 1e-9);
    EXPECT_NEAR(at.points[0].input.im, d->elements[1].xEnd, 1e-9);
}

TEST(Response, BlockBetweenTerminationsGivesItsS21AndNothingOutside)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    ASSERT_TRUE(appendElement(*d, blockElement(device(0.8e9, 1.2e9))));
    const Response r = computeResponse(*d, {0.7e9, 1e9, 1.3e9});
    EXPECT_TRUE(r.hasBlock);
    EXPECT_FALSE(r.points[0].defined);
    EXPECT_FALSE(r.points[2].defined);
    ASSERT_TRUE(r.points[1].defined);
    EXPECT_NEAR(r.points[1].gainDb, 10 * std::log10(25.0), 1e-12);
    // K of the whole chain is the device's own.
    const TwoPort s{{0.3, -0.4}, {0.05, 0.02}, {4.0, 3.0}, {-0.2, 0.5}};
    const double det = magnitude(s.s11 * s.s22 - s.s12 * s.s21);
    const double k = (1 - 0.25 - 0.29 + det * det) / (2 * magnitude(s.s12 * s.s21));
    EXPECT_NEAR(r.points[1].k, k, 1e-12);
}

TEST(Response, NoiseFigureIsTheMinimumWhenTheInputPresentsGammaOpt)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    auto b = device(0.5e9, 1.5e9);
    // Gamma_opt = 0.5 (150 ohm), NFmin 1 dB, Rn 20 ohm.
    b->noise = {{0.5e9, 1.0, {0.5, 0.0}, 20.0}, {1.5e9, 1.0, {0.5, 0.0}, 20.0}};
    ASSERT_TRUE(appendElement(*d, blockElement(b)));
    // A lossless 1 : n transformer towards the generator with n^2 = 1/3 shows
    // the device 50 * 3 = 150 ohm.
    Element tr = element(ElementKind::TR, std::sqrt(1.0 / 3.0));
    ASSERT_TRUE(appendElement(*d, tr));
    const Response r = computeResponse(*d, {1e9});
    EXPECT_TRUE(r.hasNoise);
    EXPECT_NEAR(r.points[0].noiseFigureDb, 1.0, 1e-9);
    // A lossy input network adds its loss in dB (the device then sees another
    // source; here a 3 dB pad in front keeps the match).
    auto padded = emptyDesign();
    appendDataPoint(*padded, {50, 0, 1e9});
    appendElement(*padded, blockElement(b));
    appendElement(*padded, tr);
    const double k = std::pow(10.0, 3.0 / 20.0);
    appendElement(*padded, element(ElementKind::RP, 50 * (k + 1) / (k - 1)));
    appendElement(*padded, element(ElementKind::RS, 50 * (k * k - 1) / (2 * k)));
    appendElement(*padded, element(ElementKind::RP, 50 * (k + 1) / (k - 1)));
    EXPECT_NEAR(computeResponse(*padded, {1e9}).points[0].noiseFigureDb, 4.0, 1e-9);
}

TEST(Response, NoiseFigureUnknownBehindABlockWithoutNoiseData)
{
    // A second stage without noise data nearer the generator: its own noise
    // is unknown and it is no passive input network, so no figure is made up.
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    auto noisy = device(0.5e9, 1.5e9);
    noisy->noise = {{0.5e9, 1.0, {0.5, 0.0}, 20.0}, {1.5e9, 1.0, {0.5, 0.0}, 20.0}};
    appendElement(*d, blockElement(noisy));
    appendElement(*d, blockElement(device(0.5e9, 1.5e9)));
    const Response r = computeResponse(*d, {1e9});
    EXPECT_FALSE(r.hasNoise);
    EXPECT_TRUE(std::isnan(r.points[0].noiseFigureDb));
}

TEST(Response, CsvHasARowPerFrequencyAndEmptyFieldsWhereNothingExists)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, blockElement(device(0.8e9, 1.2e9)));
    const std::string csv = responseCsv(computeResponse(*d, {0.7e9, 1e9}));
    const std::size_t header = csv.find("\r\n");
    EXPECT_EQ(csv.substr(0, header),
              "f (Hz),load R (ohm),load X (ohm),input R (ohm),input X (ohm),"
              "input return loss (dB),VSWR,output return loss (dB),GT (dB),K,mu,NF (dB)");
    const std::size_t first = csv.find("\r\n", header + 2);
    // Outside the block's data only the frequency and the load.
    EXPECT_EQ(csv.substr(header + 2, first - header - 2), "700000000,50,0,,,,,,,,,");
    const std::string second = csv.substr(first + 2);
    EXPECT_EQ(second.substr(0, 14), "1000000000,50,");
    // 12 fields; the last (no noise data) empty.
    EXPECT_EQ(std::count(second.begin(), second.end(), ','), 11);
    EXPECT_EQ(second.substr(second.size() - 3), ",\r\n");
}
