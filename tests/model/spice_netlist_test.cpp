// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "model/spice_netlist.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>
#include <unistd.h>

using namespace zelvo;
using namespace zelvo::test;

namespace {

bool haveNgspice() { return std::system("ngspice --version >/dev/null 2>&1") == 0; }

std::string readAll(const std::filesystem::path& p)
{
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The input impedance ngspice computes for the subcircuit with the
// bench's load (the commented example, switched on) at frequency f.
std::optional<Complex> simulatedInput(const std::string& netlist, double f, int run)
{
    const auto dir = std::filesystem::path(::testing::TempDir());
    const auto cir = dir / ("zelvo_spice_" + std::to_string(run) + ".cir");
    std::string bench = "zelvo netlist test\n" + netlist;
    // Activate the example bench, but print with full precision.
    const std::size_t at = bench.find("* I1 0 n_in AC 1");
    std::istringstream rest(bench.substr(at));
    bench.resize(at);
    for (std::string line; std::getline(rest, line);)
        if (line.starts_with("* ") && !line.starts_with("* .") && !line.starts_with("* Example"))
            bench += line.substr(2) + "\n";
    bench += ".control\nset numdgt=15\nac lin 1 " + std::to_string(f) + " " + std::to_string(f)
             + "\nlet zr = real(v(n_in))\nlet zi = imag(v(n_in))\nprint zr zi\n.endc\n.end\n";
    std::ofstream(cir) << bench;
    const auto out = dir / ("zelvo_spice_" + std::to_string(run) + ".out");
    const std::string cmd = "ngspice -b " + cir.string() + " >" + out.string() + " 2>&1";
    // The exit status is not used: a load with a series capacitor leaves nodes
    // without a DC path, which ngspice reports but then solves the AC case.
    (void)std::system(cmd.c_str());
    const std::string text = readAll(out);
    const std::size_t zr = text.find("zr = "), zi = text.find("zi = ");
    if (zr == std::string::npos || zi == std::string::npos)
        return std::nullopt;
    return Complex{std::strtod(text.c_str() + zr + 5, nullptr),
                   std::strtod(text.c_str() + zi + 5, nullptr)};
}

Element randomElement(std::mt19937& r, ElementKind kind)
{
    std::uniform_real_distribution<double> u(0.2, 1.0);
    switch (kind) {
    case ElementKind::CS:
    case ElementKind::CP: return element(kind, u(r) * 5e-12);
    case ElementKind::IS:
    case ElementKind::IP: return element(kind, u(r) * 20e-9);
    case ElementKind::RS: return element(kind, u(r) * 30);
    case ElementKind::RP: return element(kind, u(r) * 300);
    case ElementKind::LS:
    case ElementKind::LPS:
    case ElementKind::LPO:
        return element(kind, u(r) * 0.2, static_cast<float>(25 + 75 * u(r)));
    case ElementKind::TR: return element(kind, 0.5 + u(r));
    case ElementKind::RlcSeries:
    case ElementKind::RlcParallel:
        return rlcElement(kind, 5 + 50 * u(r), u(r) * 10e-9, u(r) * 3e-12);
    case ElementKind::Block:
    case ElementKind::None: break;
    }
    return {};
}

} // namespace

TEST(SpiceNetlist, SubcircuitHeaderAndBench)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {20, -15, 1e9});
    appendElement(*d, element(ElementKind::IS, 10e-9));
    const std::string t = spiceNetlistText(*d, "amp.zvc");
    EXPECT_NE(t.find("* Design file: amp.zvc"), std::string::npos);
    EXPECT_NE(t.find("* Start frequency: "), std::string::npos);
    EXPECT_NE(t.find("* Z0: 50 ohm"), std::string::npos);
    EXPECT_NE(t.find(".subckt zelvo_match in out\nL1 in out 1e-08\n.ends zelvo_match\n"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("* .ac lin 1 1000000000 1000000000"), std::string::npos);
    // No element: in and out are joined.
    auto empty = emptyDesign();
    EXPECT_NE(spiceNetlistText(*empty, "").find("Vthrough in out 0"), std::string::npos);
}

TEST(SpiceNetlist, AFailedWriteSaysWhyAndKeepsTheOldFile)
{
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / "zelvo_spice_write";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    auto d = emptyDesign();
    appendDataPoint(*d, {20, -15, 1e9});
    std::string why;
    EXPECT_FALSE(writeSpiceNetlist(*d, (dir / "no" / "match.cir").string(), "", &why));
    EXPECT_EQ(why, "No such file or directory");
    if (::geteuid() == 0)
        return; // root may write any file
    const std::filesystem::path locked = dir / "locked.cir";
    std::ofstream(locked) << "old";
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    why.clear();
    EXPECT_FALSE(writeSpiceNetlist(*d, locked.string(), "", &why));
    EXPECT_EQ(why, "Permission denied");
    std::ifstream in(locked);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

TEST(SpiceNetlist, NgspiceSeesTheChartsInputImpedance)
{
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed";
    const ElementKind kinds[] = {ElementKind::CS,  ElementKind::LS,        ElementKind::RS,
                                 ElementKind::IS,  ElementKind::CP,        ElementKind::LPS,
                                 ElementKind::LPO, ElementKind::RP,        ElementKind::IP,
                                 ElementKind::TR,  ElementKind::RlcSeries, ElementKind::RlcParallel};
    std::mt19937 random(2024);
    int compared = 0;
    for (int run = 0; run < 12; ++run) {
        auto d = emptyDesign();
        // One data point, at which the whole chain is evaluated.
        const double f = 0.4e9 + 0.2e9 * run;
        appendDataPoint(*d, {10.0 + 7 * run, -20.0 + 5 * run, f});
        // Every kind once somewhere, the rest random.
        for (int i = 0; i < 6; ++i) {
            const ElementKind k = i == 0 ? kinds[run] : kinds[random() % std::size(kinds)];
            ASSERT_TRUE(appendElement(*d, randomElement(random, k)));
        }
        const std::string netlist = spiceNetlistText(*d, "random.zvc");
        SCOPED_TRACE(netlist);
        const std::optional<Complex> z = simulatedInput(netlist, f, run);
        ASSERT_TRUE(z.has_value());
        const Complex chart = endOf(*d, d->elementCount - 1);
        const double scale = std::max(1.0, magnitude(chart));
        // The chain takes 2 pi as 6.28318 for RLC groups (8e-7 relative) and
        // keeps its results in single precision; ngspice uses the exact 2 pi.
        // Together they reach a little over 1e-6 with some compilers.
        EXPECT_NEAR(z->re, chart.re, 2e-6 * scale);
        EXPECT_NEAR(z->im, chart.im, 2e-6 * scale);
        ++compared;
    }
    EXPECT_EQ(compared, 12);
}

namespace {

Element withLoss(Element e, PartLoss loss)
{
    e.loss = loss;
    return e;
}

} // namespace

// Every kind of loss, in series and in shunt, through ngspice: the netlist
// holds the losses at the start frequency, where it must give the chain's
// input impedance to 1e-5.
TEST(SpiceNetlist, NgspiceSeesTheLossyChainsInputImpedance)
{
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed";
    const double f = 2.4e9;
    const PartLoss qSqrt{.q = 30, .qFrequency = 1e9, .qLaw = QLaw::Sqrt};
    const PartLoss qLinear{.q = 45, .qFrequency = 3e9, .qLaw = QLaw::Linear};
    const PartLoss withSrf{.q = 60, .qFrequency = 2.4e9, .srf = 6e9};
    const PartLoss esrEsl{.esr = 0.3, .esl = 0.4e-9};
    const PartLoss capQ{.q = 200, .qFrequency = 1e9};
    const PartLoss lineLoss{.lineDb = 1.2};
    const std::vector<std::vector<Element>> chains = {
        {withLoss(element(ElementKind::IS, 6e-9), qSqrt),
         withLoss(element(ElementKind::CP, 1.5e-12), capQ)},
        {withLoss(element(ElementKind::IP, 8e-9), qLinear),
         withLoss(element(ElementKind::CS, 2e-12), esrEsl)},
        {withLoss(element(ElementKind::IS, 3e-9), withSrf),
         withLoss(element(ElementKind::IP, 12e-9), withSrf),
         withLoss(element(ElementKind::CP, 0.8e-12), esrEsl)},
        {withLoss(element(ElementKind::LS, 0.14, 70.0f), lineLoss),
         withLoss(element(ElementKind::LPS, 0.09, 40.0f), lineLoss),
         withLoss(element(ElementKind::LPO, 0.21, 60.0f), lineLoss),
         withLoss(element(ElementKind::CS, 3e-12), capQ)},
    };
    int compared = 0;
    for (std::size_t run = 0; run < chains.size(); ++run) {
        auto d = emptyDesign();
        appendDataPoint(*d, {18.0 + 9 * run, 22.0 - 15 * run, f});
        for (const Element& e : chains[run])
            ASSERT_TRUE(appendElement(*d, e));
        const std::string netlist = spiceNetlistText(*d, "lossy.zvc");
        SCOPED_TRACE(netlist);
        EXPECT_NE(netlist.find("losses refer to the start frequency"), std::string::npos);
        const std::optional<Complex> z = simulatedInput(netlist, f, 100 + static_cast<int>(run));
        ASSERT_TRUE(z.has_value());
        const Complex chart = endOf(*d, d->elementCount - 1);
        // The chain's values are the ideal ones' plus losses: no single
        // precision on these paths, only the 2 pi of the chain (1e-12).
        const double scale = std::max(1.0, magnitude(chart));
        EXPECT_NEAR(z->re, chart.re, 1e-5 * scale);
        EXPECT_NEAR(z->im, chart.im, 1e-5 * scale);
        // The losses matter: the ideal chain is far from it.
        auto ideal = emptyDesign();
        appendDataPoint(*ideal, {18.0 + 9 * run, 22.0 - 15 * run, f});
        for (Element e : chains[run]) {
            e.loss = {};
            appendElement(*ideal, e);
        }
        EXPECT_GT(magnitude(endOf(*ideal, ideal->elementCount - 1) - chart), 1e-2 * scale);
        ++compared;
    }
    EXPECT_EQ(compared, 4);
}

TEST(SpiceNetlist, LossyPartsAreTheirRLAndCParts)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {20, 0, 1e9});
    appendElement(*d, withLoss(element(ElementKind::IS, 10e-9), {.q = 50, .qFrequency = 1e9}));
    appendElement(*d, withLoss(element(ElementKind::CP, 1e-12), {.esr = 0.5, .esl = 1e-9}));
    const std::string t = spiceNetlistText(*d, "");
    // From the generator: the shunt C (R, L, C to ground), then the series
    // L with R = wL/Q = 2 pi 1e9 1e-8 / 50.
    EXPECT_NE(t.find("* capacitor with ESR 500 mOhm, ESL 1 nH\nR1 in n1 0.5\nL2 n1 n2 1.0000000000000001e-09\n"
                     "C3 n2 0 9.9999999999999998e-13\n"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("* inductor with Q 50 @ 1 GHz: R = wL/Q at 1.000000 GHz\nR4 in n3 1.25663706"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("L5 n3 out 1e-08\n"), std::string::npos) << t;
}
