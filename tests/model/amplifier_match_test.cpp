// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/amplifier_match.h"

#include "model/design_builders.h"
#include "model/response.h"
#include "support/block_builders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zelvo;
using namespace zelvo::test;

namespace {

constexpr double pi = 3.14159265358979323846;

Complex polar(double m, double deg)
{
    return fromPolar(m, deg * pi / 180);
}

// A device whose S-parameters hold from 3.5 to 4.5 GHz.
Element device(const TwoPort& s)
{
    auto b = std::make_shared<BlockData>();
    b->name = "fet.s2p";
    b->z0 = 50;
    b->f = {3.5e9, 4.5e9};
    b->s = {s, s};
    return zelvo::testing::blockElement(std::move(b));
}

// The textbook GaAs FET at 4 GHz: S11 = 0.72 / -116, S21 = 2.60 / 76,
// S12 = 0.03 / 57, S22 = 0.73 / -54. Worked by hand: K = 1.195,
// |delta| = 0.488, Gamma_S = 0.872 / 123.4, Gamma_L = 0.876 / 61.0,
// MAG = |S21/S12| (K - sqrt(K^2 - 1)) = 86.67 * (1.195 - 0.654) = 46.9,
// 16.71 dB (the book rounds it to 16.7 dB).
const TwoPort fet{polar(0.72, -116), polar(0.03, 57), polar(2.60, 76), polar(0.73, -54)};

std::unique_ptr<Design> loadAt4GHz(Complex load = {50, 0})
{
    auto d = emptyDesign();
    appendDataPoint(*d, {load.re, load.im, 4e9});
    return d;
}

} // namespace

TEST(AmplifierMatch, TextbookFetReachesMagThroughEveryPairOfNetworks)
{
    // A load other than z0, so that the output network has work to do.
    auto d = loadAt4GHz({30, 20});
    const AmplifierDevice dev{device(fet), false};
    const auto planned = planAmplifier(*d, dev, 4e9, std::nullopt, 50.0f, 1.0f);
    ASSERT_TRUE(std::holds_alternative<AmplifierPlan>(planned));
    const AmplifierPlan& p = std::get<AmplifierPlan>(planned);
    EXPECT_TRUE(p.stable);
    EXPECT_NEAR(p.k, 1.195, 5e-4);
    EXPECT_NEAR(p.deltaMagnitude, 0.488, 1e-3);
    EXPECT_NEAR(magnitude(p.terminations.gammaSource), 0.872, 5e-4);
    EXPECT_NEAR(magnitude(p.terminations.gammaLoad), 0.876, 5e-4);
    EXPECT_NEAR(p.gainDb, 16.71, 5e-3);
    EXPECT_NEAR(p.gainDb, *p.maxGainDb, 1e-9);
    ASSERT_FALSE(p.output.solutions.empty());
    ASSERT_FALSE(p.input.solutions.empty());
    int pairs = 0;
    for (const MatchSolution& out : p.output.solutions)
        for (const MatchSolution& in : p.input.solutions) {
            const std::vector<Element> chain = amplifierChain(dev, out, in);
            EXPECT_NEAR(amplifierGainDb(*d, dev, chain, 4e9), p.gainDb, 0.01)
                << topologyText(out, {}) << " / " << topologyText(in, {});
            ++pairs;
        }
    EXPECT_GT(pairs, 4);

    // Applied: output network, device, input network, undone as one step.
    const std::vector<Element> chain =
        amplifierChain(dev, p.output.solutions[0], p.input.solutions[0]);
    ASSERT_FALSE(applyAmplifier(*d, dev, chain));
    ASSERT_EQ(d->elementCount, static_cast<int>(chain.size()));
    const std::size_t at = p.output.solutions[0].elements.size();
    EXPECT_EQ(d->elements[at].kind, ElementKind::Block);
    EXPECT_NEAR(computeResponse(*d, {4e9}).points[0].gainDb, p.gainDb, 0.01);
    EXPECT_GT(computeResponse(*d, {4e9}).points[0].inputReturnLossDb, 100);
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elementCount, 0);
}

TEST(AmplifierMatch, BlockAtTheChainEndGetsNetworksOnBothSides)
{
    auto d = loadAt4GHz();
    ASSERT_TRUE(appendElement(*d, device(fet)));
    SParamSet none;
    auto found = amplifierDevice(*d, none);
    ASSERT_TRUE(std::holds_alternative<AmplifierDevice>(found));
    const AmplifierDevice dev = std::get<AmplifierDevice>(found);
    EXPECT_TRUE(dev.atChainEnd);
    const auto p = std::get<AmplifierPlan>(planAmplifier(*d, dev, 4e9, std::nullopt, 50, 1));
    // The output network starts from the load, not from the device's input.
    EXPECT_NEAR(p.loadSide.re, 50, 1e-9);
    const std::vector<Element> chain =
        amplifierChain(dev, p.output.solutions[0], p.input.solutions[0]);
    ASSERT_FALSE(applyAmplifier(*d, dev, chain));
    EXPECT_EQ(d->elementCount, static_cast<int>(chain.size())); // the device once
    EXPECT_NEAR(computeResponse(*d, {4e9}).points[0].gainDb, 16.71, 5e-3);
    // Undo takes the whole amplifier away, device included.
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elementCount, 0);

    // A device that was not the last step stays where it is: refused.
    auto later = loadAt4GHz();
    appendElement(*later, device(fet));
    appendDataPoint(*later, {50, 0, 4.2e9});
    const auto refused = applyAmplifier(*later, dev, chain);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("last step"), std::string::npos);
    EXPECT_EQ(later->elementCount, 1);
}

TEST(AmplifierMatch, PotentiallyUnstableDeviceIsNamedAndTakesAChosenGain)
{
    // K = 0.565, |delta| = 1.007: potentially unstable, MSG = |S21/S12| = 17.0 dB.
    const TwoPort t{polar(0.9, -60), polar(0.1, 40), polar(5, 120), polar(0.8, -30)};
    auto d = loadAt4GHz();
    const AmplifierDevice dev{device(t), false};
    const auto refused = planAmplifier(*d, dev, 4e9, std::nullopt, 50, 1);
    ASSERT_TRUE(std::holds_alternative<DialogMessage>(refused));
    const std::string text = std::get<DialogMessage>(refused).text;
    EXPECT_NE(text.find("potentially unstable at 4.000 GHz"), std::string::npos) << text;
    EXPECT_NE(text.find("K = 0.565, |delta| = 1.007"), std::string::npos) << text;
    EXPECT_NE(text.find("MSG = 16.99 dB"), std::string::npos) << text;

    const auto planned = planAmplifier(*d, dev, 4e9, 14.0, 50, 1);
    ASSERT_TRUE(std::holds_alternative<AmplifierPlan>(planned));
    const AmplifierPlan& p = std::get<AmplifierPlan>(planned);
    EXPECT_FALSE(p.stable);
    const std::vector<Element> chain =
        amplifierChain(dev, p.output.solutions[0], p.input.solutions[0]);
    EXPECT_NEAR(amplifierGainDb(*d, dev, chain, 4e9), 14.0, 0.01);
    // Above MSG there is no stable termination.
    EXPECT_TRUE(std::holds_alternative<DialogMessage>(planAmplifier(*d, dev, 4e9, 20.0, 50, 1)));
}

TEST(AmplifierMatch, DeviceComesFromTheChainEndOrTheSPlotFileOrIsAskedFor)
{
    auto d = loadAt4GHz();
    SParamSet set;
    EXPECT_TRUE(std::holds_alternative<DialogMessage>(amplifierDevice(*d, set)));
    set.loaded = true;
    set.fileName = "/data/parts/coil.s2p";
    set.sourceText = zelvo::testing::coilS2p;
    const auto fromFile = amplifierDevice(*d, set);
    ASSERT_TRUE(std::holds_alternative<AmplifierDevice>(fromFile));
    const AmplifierDevice& dev = std::get<AmplifierDevice>(fromFile);
    EXPECT_FALSE(dev.atChainEnd);
    EXPECT_EQ(dev.block.block->name, "coil.s2p");
    // Outside the file's range the plan says so.
    const auto outside = planAmplifier(*d, dev, 4e9, std::nullopt, 50, 1);
    ASSERT_TRUE(std::holds_alternative<DialogMessage>(outside));
    EXPECT_NE(std::get<DialogMessage>(outside).text.find("no data at 4.000 GHz"),
              std::string::npos);
    // A block inside the chain, not at its end, cannot get networks on both sides.
    appendElement(*d, zelvo::testing::coilBlock());
    appendElement(*d, element(ElementKind::CS, 1e-12));
    EXPECT_TRUE(std::holds_alternative<DialogMessage>(amplifierDevice(*d, set)));
}
