// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "model/broadband_load.h"
#include "model/design_file.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zelvo;
using namespace zelvo::test;

namespace {

Complex gammaOf(Complex z, double z0)
{
    return (z - z0) / (z + z0);
}

TEST(BroadbandLoad, DataPointsPassThroughTheChainSortedByFrequency)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {30, 20, 2e9});
    appendDataPoint(*d, {10, -5, 1e9});
    appendDataPoint(*d, {20, 0, 1.5e9});
    appendDataPoint(*d, {99, 99, 1.5e9}); // a repeated frequency
    appendElement(*d, element(ElementKind::IS, 1e-9));
    const LoadRead r = designLoad(*d);
    ASSERT_TRUE(r.samples) << r.problem;
    const LoadSamples& s = *r.samples;
    ASSERT_EQ(s.frequencies, (std::vector<double>{1e9, 1.5e9, 2e9}));
    EXPECT_NE(s.note.find("1 point at a frequency already given"), std::string::npos);
    // The series inductor adds 2 pi f L at each point's own frequency.
    const Complex z{10, -5 + 6.28318530718 * 1e9 * 1e-9};
    EXPECT_NEAR(magnitude(s.gammas[0] - gammaOf(z, 50)), 0.0, 1e-12);
    // Linear in Gamma between samples.
    const std::optional<Complex> mid = interpolateGamma(s, 1.25e9);
    ASSERT_TRUE(mid);
    EXPECT_NEAR(magnitude(*mid - (s.gammas[0] + s.gammas[1]) * 0.5), 0.0, 1e-15);
    EXPECT_FALSE(interpolateGamma(s, 0.99e9));
    EXPECT_FALSE(interpolateGamma(s, 2.01e9));
    EXPECT_EQ(*interpolateGamma(s, 2e9), s.gammas[2]);

    auto two = emptyDesign();
    appendDataPoint(*two, {30, 20, 2e9});
    appendDataPoint(*two, {10, -5, 1e9});
    appendDataPoint(*two, {10, -5, 0.0});
    const LoadRead few = designLoad(*two);
    EXPECT_FALSE(few.samples);
    EXPECT_EQ(few.problem, "Broadband matching needs the load at three or more frequencies; "
                           "the design's data points have 2.");
}

TEST(BroadbandLoad, BandFrequenciesWeightsAndRefusals)
{
    LoadSamples s;
    s.reference = 50.0;
    s.frequencies = {100e6, 150e6, 200e6};
    s.gammas = {{0.5, 0.1}, {0.2, -0.3}, {-0.4, 0.2}};
    BandRequest r;
    r.f1 = 120e6;
    r.f2 = 180e6;
    r.count = 7;
    r.weight1 = 1.0;
    r.weight2 = 3.0;
    BandProblem p = makeBandProblem(s, r);
    ASSERT_TRUE(p.problem.empty()) << p.problem;
    ASSERT_EQ(p.band.frequencies.size(), 7u);
    EXPECT_DOUBLE_EQ(p.band.frequencies.front(), 120e6);
    EXPECT_DOUBLE_EQ(p.band.frequencies.back(), 180e6);
    EXPECT_DOUBLE_EQ(p.band.centre, 150e6);
    EXPECT_DOUBLE_EQ(p.band.weights[3], 2.0);
    // The load at the centre is the sample there, in ohm.
    ASSERT_TRUE(p.centreLoad);
    EXPECT_NEAR(magnitude(gammaOf(*p.centreLoad, 50.0) - s.gammas[1]), 0.0, 1e-12);
    EXPECT_NEAR(magnitude(gammaOf(p.band.loads[0], 50.0) - (s.gammas[0] * 0.6 + s.gammas[1] * 0.4)),
                0.0, 1e-12);

    r.ownFrequencies = true;
    p = makeBandProblem(s, r);
    EXPECT_NE(p.problem.find("Fewer than two of the load's frequencies"), std::string::npos);
    r.f1 = 100e6;
    p = makeBandProblem(s, r);
    EXPECT_EQ(p.band.frequencies, (std::vector<double>{100e6, 150e6}));

    const auto refusal = [&](BandRequest b) { return makeBandProblem(s, b).problem; };
    BandRequest b;
    b.f1 = 90e6;
    b.f2 = 150e6;
    EXPECT_EQ(refusal(b), "The band must lie within the load's frequencies, 100.000 MHz to "
                          "200.000 MHz.");
    b.f1 = 150e6;
    b.f2 = 150e6;
    EXPECT_NE(refusal(b).find("upper frequency must lie above"), std::string::npos);
    b.f2 = 160e6;
    b.count = 2;
    EXPECT_EQ(refusal(b), "The number of frequencies must be from 3 to 1001.");
    b.count = 41;
    b.source = 0.0;
    EXPECT_NE(refusal(b).find("source resistance"), std::string::npos);
    b.source = 50.0;
    b.weight2 = 0.0;
    EXPECT_NE(refusal(b).find("weights"), std::string::npos);
}

TEST(BroadbandLoad, FrequenciesWhereTheLoadIsActiveAreLeftOut)
{
    LoadSamples s;
    s.frequencies = {1e6, 2e6, 3e6};
    s.gammas = {{1.02, 0.0}, {0.3, 0.0}, {0.0, 0.5}};
    BandRequest r;
    r.f1 = 1e6;
    r.f2 = 3e6;
    r.count = 5;
    const BandProblem p = makeBandProblem(s, r);
    ASSERT_TRUE(p.problem.empty());
    // 1 MHz (|Gamma| 1.02) goes; 1.5 MHz interpolates to 0.66 and stays.
    EXPECT_EQ(p.band.frequencies.size(), 4u);
    EXPECT_EQ(p.band.frequencies.front(), 1.5e6);
    EXPECT_NE(p.warning.find("1 of 5 frequencies left out"), std::string::npos);
    EXPECT_NE(p.warning.find("1.0200 at 1.000 MHz"), std::string::npos);
    s.gammas = {{1.5, 0.0}, {1.2, 0.0}, {0.0, 1.0}};
    EXPECT_EQ(makeBandProblem(s, r).problem,
              "Fewer than two frequencies of the band are left to match.");
}

TEST(BroadbandLoad, MeasuredLoopAntenna)
{
    const std::filesystem::path file =
        std::filesystem::path(ZELVO_TESTDATA_DIR) / "oneport" / "20m120222.s1p";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << file << " is not here";
    const OnePortRead read = loadOnePortFile(file.string());
    ASSERT_TRUE(read.data) << read.problem;
    const LoadRead load = onePortLoad(*read.data);
    ASSERT_TRUE(load.samples) << load.problem;
    EXPECT_EQ(load.samples->frequencies.size(), 303u);
    EXPECT_EQ(load.samples->frequencies.front(), 14e6);
    EXPECT_EQ(load.samples->gammas.front(), (Complex{0.9126010658388177, 0.4394337825664282}));
    BandRequest r;
    r.f1 = 14.0e6;
    r.f2 = 14.35e6;
    const BandProblem p = makeBandProblem(*load.samples, r);
    ASSERT_TRUE(p.problem.empty());
    // The first points of the measurement reflect more than they receive.
    EXPECT_NE(p.warning.find("2 of 41 frequencies left out"), std::string::npos) << p.warning;
    EXPECT_EQ(p.band.frequencies.size(), 39u);
    EXPECT_TRUE(p.centreLoad);
}

} // namespace
