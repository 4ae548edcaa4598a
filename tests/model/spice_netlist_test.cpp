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
#include <random>
#include <sstream>

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
