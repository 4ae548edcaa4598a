// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/abcd.h"

#include "core/block.h"
#include "core/chain.h"
#include "support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace zelvo;
using zelvo::testing::element;
using zelvo::testing::rlcElement;

namespace {

void expectNear(Complex a, Complex b, double relative)
{
    const double scale = std::max(1.0, magnitude(b));
    EXPECT_NEAR(a.re, b.re, relative * scale);
    EXPECT_NEAR(a.im, b.im, relative * scale);
}

// The S-parameters of a chain of elements between z0 terminations.
TwoPort sOf(const std::vector<Element>& chain, double f, double z0)
{
    return sFromAbcd(*chainAbcd(chain, f, f), z0);
}

std::shared_ptr<const BlockData> blockOf(const std::vector<Element>& chain,
                                         std::vector<double> fs, double z0)
{
    auto b = std::make_shared<BlockData>();
    b->name = "net.s2p";
    b->z0 = z0;
    b->f = fs;
    for (double f : fs)
        b->s.push_back(sOf(chain, f, z0));
    return b;
}

Element blockElement(std::shared_ptr<const BlockData> b, bool reversed = false)
{
    Element e;
    e.kind = ElementKind::Block;
    e.block = std::move(b);
    e.reversed = reversed;
    return e;
}

} // namespace

// The chain matrix and the chain's own formulas are two derivations of each
// element; they must agree for every kind (LS: R' in single precision).
TEST(ElementAbcd, AgreesWithTheChainForEveryIdealKind)
{
    const std::vector<Element> kinds = {
        element(ElementKind::CS, 2e-12),          element(ElementKind::IS, 7e-9),
        element(ElementKind::RS, 12),             element(ElementKind::CP, 3e-12),
        element(ElementKind::IP, 9e-9),           element(ElementKind::RP, 220),
        element(ElementKind::LPS, 0.11, 60.0f),   element(ElementKind::LPO, 0.07, 35.0f),
        element(ElementKind::LS, 0.19, 75.0f),    element(ElementKind::TR, 1.7),
        rlcElement(ElementKind::RlcSeries, 5, 4e-9, 2e-12),
        rlcElement(ElementKind::RlcParallel, 300, 4e-9, 2e-12)};
    const Complex loads[] = {{25, -10}, {50, 0}, {3, 80}, {400, -250}};
    int checked = 0;
    for (const Element& e : kinds)
        for (const Complex z : loads)
            for (const double f : {0.7e9, 1e9, 2.3e9}) {
                const Complex expected = transformElement(e, z, f, 1e9);
                const Complex viaAbcd = inputImpedance(*elementAbcd(e, f, 1e9), z);
                SCOPED_TRACE(static_cast<int>(e.kind));
                expectNear(viaAbcd, expected, 1e-6);
                ++checked;
            }
    EXPECT_EQ(checked, 12 * 4 * 3);
}

TEST(PartImpedance, LossyInductorFollowsItsQLaw)
{
    // R = wL / Q(f), with Q = 30 at 1 GHz, evaluated at 2 GHz (worked with numpy).
    Element l = element(ElementKind::IS, 1e-8);
    l.loss.q = 30;
    l.loss.qFrequency = 1e9;
    const double wl = twoPiElement * 2e9 * 1e-8;
    const struct {
        QLaw law;
        double r;
    } rows[] = {{QLaw::Constant, 4.1887902047863905},
                {QLaw::Sqrt, 2.961921958772244},
                {QLaw::Linear, 2.0943951023931953}};
    for (const auto& row : rows) {
        l.loss.qLaw = row.law;
        const ImpedanceRatio z = *partImpedance(l, 2e9);
        const Complex zl = divideGuarded(z.num, z.den);
        // 2 pi is the chain's 6.28318530718: 1e-11 relative from numpy's.
        EXPECT_NEAR(zl.re, row.r, 1e-9);
        EXPECT_NEAR(zl.im, wl, 1e-12);
    }
    // The same part in the chain, in series and in shunt.
    const Complex z{20, 5};
    const Complex zl = divideGuarded(partImpedance(l, 2e9)->num, partImpedance(l, 2e9)->den);
    expectNear(transformElement(l, z, 2e9, 1e9), z + zl, 1e-12);
    Element shunt = l;
    shunt.kind = ElementKind::IP;
    const Complex y = divideGuarded({1.0}, z) + divideGuarded({1.0}, zl);
    expectNear(transformElement(shunt, z, 2e9, 1e9), divideGuarded({1.0}, y), 1e-12);
}

TEST(PartImpedance, SelfResonanceAndCapacitorParasitics)
{
    Element l = element(ElementKind::IS, 10e-9);
    l.loss.q = 50;
    l.loss.qFrequency = 1e9;
    l.loss.srf = 3e9;
    // At the self-resonance the part is a parallel tank of impedance ~Q wL.
    const ImpedanceRatio atSrf = *partImpedance(l, 3e9);
    const Complex z = divideGuarded(atSrf.num, atSrf.den);
    EXPECT_NEAR(z.re, 50 * twoPiElement * 3e9 * 10e-9, 0.01 * 50 * 188.5);
    // Far below it the capacitance hardly matters.
    const ImpedanceRatio low = *partImpedance(l, 1e6);
    EXPECT_NEAR(divideGuarded(low.num, low.den).im, twoPiElement * 1e6 * 10e-9, 1e-6);

    // C = 1 pF, ESR 0.5 ohm, ESL 0.5 nH at 1 GHz: 0.5 + j(wL - 1/(wC)).
    Element c = element(ElementKind::CS, 1e-12);
    c.loss.esr = 0.5;
    c.loss.esl = 0.5e-9;
    const ImpedanceRatio zc = *partImpedance(c, 1e9);
    expectNear(divideGuarded(zc.num, zc.den), {0.5, -156.01335043830554}, 1e-9);
    // Q at a reference frequency instead of ESR: ESR = 1 / (wC Q).
    c.loss = {};
    c.loss.q = 100;
    c.loss.qFrequency = 1e9;
    const ImpedanceRatio zq = *partImpedance(c, 1e9);
    EXPECT_NEAR(divideGuarded(zq.num, zq.den).re, 1.0 / (twoPiElement * 1e9 * 1e-12 * 100), 1e-9);
}

TEST(PartImpedance, LossyLineAgainstTheLossyLineFormula)
{
    // Zin = Zc (Zl + Zc tanh(gl)) / (Zc + Zl tanh(gl)); a quarter wave of 50 ohm
    // with 0.1 dB per wavelength into 100 ohm (numpy): at f0 al = 0.025 dB,
    // at 4 f0 the loss doubles (sqrt(4)) and the line is a full wave.
    Element line = element(ElementKind::LS, 0.25, 50.0f);
    line.loss.lineDb = 0.1;
    expectNear(transformElement(line, {100, 0}, 1e9, 1e9), {25.107778273211494, 0}, 1e-9);
    expectNear(transformElement(line, {100, 0}, 4e9, 1e9), {99.14636782263645, 0}, 1e-9);
    // Lossless again: exactly the ideal chain's numbers.
    line.loss = {};
    EXPECT_EQ(transformElement(line, {100, 0}, 1e9, 1e9),
              transformElement(element(ElementKind::LS, 0.25, 50.0f), {100, 0}, 1e9, 1e9));
}

TEST(SParameters, AbcdRoundTripAndOrder)
{
    // Values that reveal a swapped or transposed pair.
    const TwoPort s{{0.11, 0.011}, {0.12, -0.012}, {2.1, 0.21}, {0.22, -0.022}};
    const TwoPort back = sFromAbcd(abcdFromS(s, 50), 50);
    expectNear(back.s11, s.s11, 1e-14);
    expectNear(back.s12, s.s12, 1e-14);
    expectNear(back.s21, s.s21, 1e-14);
    expectNear(back.s22, s.s22, 1e-14);
    // A series impedance Z between z0: S11 = Z / (Z + 2 z0), S21 = 2 z0 / (Z + 2 z0).
    const TwoPort series = sOf({element(ElementKind::RS, 100)}, 1e9, 50);
    expectNear(series.s11, {0.5, 0}, 1e-15);
    expectNear(series.s21, {0.5, 0}, 1e-15);
    // A one-way device (S12 = 0) turned round passes nothing, without infinities.
    const TwoPort oneWay{{0.1, 0}, {0, 0}, {3, 0}, {0.2, 0}};
    const TwoPort reversed = {oneWay.s22, oneWay.s21, oneWay.s12, oneWay.s11};
    const Abcd m = abcdFromS(reversed, 50);
    EXPECT_EQ(transducerGain(m, 50, 50), 0.0);
    EXPECT_TRUE(std::isfinite(inputImpedance(m, {50, 0}).re));
}

TEST(Block, EqualsTheNetworkItWasMeasuredFrom)
{
    // A pi attenuator (frequency independent, so interpolation is exact) and
    // a lowpass section (exact at the measured frequencies).
    const std::vector<Element> pi = {element(ElementKind::RP, 150), element(ElementKind::RS, 37.5),
                                     element(ElementKind::RP, 150)};
    const std::vector<Element> lowpass = {element(ElementKind::CP, 2e-12),
                                          element(ElementKind::IS, 8e-9)};
    const Element piBlock = blockElement(blockOf(pi, {1e8, 1e9, 3e9}, 50));
    const Element lpBlock = blockElement(blockOf(lowpass, {1e8, 1e9, 3e9}, 75));
    int checked = 0;
    for (const Complex z : {Complex{25, -10}, Complex{50, 0}, Complex{7, 90}}) {
        for (const double f : {1e8, 4.5e8, 1e9, 2.2e9, 3e9}) {
            Complex viaElements = z;
            for (const Element& e : pi)
                viaElements = transformElement(e, viaElements, f, 1e9);
            expectNear(transformElement(piBlock, z, f, 1e9), viaElements, 1e-12);
            ++checked;
        }
        for (const double f : {1e8, 1e9, 3e9}) {
            Complex viaElements = z;
            for (const Element& e : lowpass)
                viaElements = transformElement(e, viaElements, f, 1e9);
            expectNear(transformElement(lpBlock, z, f, 1e9), viaElements, 1e-12);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 3 * 8);
    // Reversed: the same network built in the opposite order.
    const Element reversed = blockElement(lpBlock.block, true);
    Complex z{30, 40};
    for (auto it = lowpass.rbegin(); it != lowpass.rend(); ++it)
        z = transformElement(*it, z, 1e9, 1e9);
    expectNear(transformElement(reversed, {30, 40}, 1e9, 1e9), z, 1e-12);
}

TEST(Block, HasNoValueOutsideItsRange)
{
    const Element b =
        blockElement(blockOf({element(ElementKind::RS, 10)}, {1e9, 2e9}, 50));
    EXPECT_TRUE(elementDefinedAt(b, 1e9));
    EXPECT_TRUE(elementDefinedAt(b, 2e9));
    EXPECT_FALSE(elementDefinedAt(b, 0.999e9));
    EXPECT_FALSE(elementDefinedAt(b, 2.001e9));
    EXPECT_FALSE(chainAbcd(std::vector<Element>{element(ElementKind::CS, 1e-12), b}, 3e9, 1e9));
    // Wideband: the point outside is marked and keeps its own impedance.
    const std::vector<Element> chain = {b};
    const std::vector<DataPoint> points = {{20, 0, 1.5e9}, {20, 5, 3e9}};
    std::vector<double> r(2), x(2);
    bool flags[2] = {true, true};
    evaluateWideband(chain, points, 1.5e9, r, x, flags);
    EXPECT_FALSE(flags[0]);
    EXPECT_TRUE(flags[1]);
    EXPECT_NEAR(r[0], 30.0, 1e-12);
    EXPECT_EQ(r[1], 20.0);
    EXPECT_EQ(x[1], 5.0);
}

TEST(Response, TransducerGainOfLosslessAndMeasuredChains)
{
    // A lossless L-network from 10 - j20 ohm: GT = 1 - |Gamma_in|^2 at every
    // frequency, the load being the data point held constant.
    const std::vector<Element> match = {element(ElementKind::IS, 5e-9),
                                        element(ElementKind::CP, 3e-12)};
    const Complex load{10, -20};
    int checked = 0;
    for (double f = 0.5e9; f <= 2e9; f += 0.25e9) {
        const Abcd m = *chainAbcd(match, f, 1e9);
        const Complex zin = inputImpedance(m, load);
        const double g = ratioMagnitude(zin - Complex{50}, zin + Complex{50});
        EXPECT_NEAR(transducerGain(m, 50, load), 1.0 - g * g, 1e-12) << f;
        ++checked;
    }
    EXPECT_EQ(checked, 7);
    // A block alone between z0 terminations: GT = |S21|^2.
    auto b = std::make_shared<BlockData>();
    b->z0 = 50;
    b->f = {1e9};
    b->s = {{{0.3, -0.4}, {0.05, 0.02}, {4.0, 3.0}, {-0.2, 0.5}}};
    const Abcd m = *chainAbcd(std::vector<Element>{blockElement(b)}, 1e9, 1e9);
    EXPECT_NEAR(transducerGain(m, 50, 50), 25.0, 1e-12);
}

TEST(Response, NoiseFigureAtTheOptimumIsTheMinimum)
{
    const Complex opt{0.3, 0.4};
    EXPECT_DOUBLE_EQ(noiseFactor(1.26, opt, 8.0, 50, opt), 1.26);
    // Away from it: Fmin + 4 rn |Gs - Gopt|^2 / ((1 - |Gs|^2) |1 + Gopt|^2).
    const double f = noiseFactor(1.26, opt, 8.0, 50, {0, 0});
    EXPECT_NEAR(f, 1.26 + 4 * 0.16 * 0.25 / (1.0 * (1.3 * 1.3 + 0.16)), 1e-15);
}
