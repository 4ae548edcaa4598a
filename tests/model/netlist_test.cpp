// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "model/file_io.h"
#include "model/netlist.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace zelvo;
using namespace zelvo::test;

namespace {

const std::string header =
    "! ZELVO-CHART NETLIST GENERATOR VERSION 1.0\r\n"
    "! INPUT FILE:  d.zvc\r\n"
    "! OUTPUT FILE: out.mcf\r\n"
    "\r\n"
    "GLOBAL\r\n"
    " DIM FREQ=1e6 RES=1e0 IND=1e-9 CAP=1e-12 LNG=1e-6 TIME=1e-12 COND=1e-0\r\n"
    "!\r\n";

std::string text(const Design& d)
{
    return netlistText(d, "out.mcf", "d.zvc");
}

// The element lines between "CKT" and the DEF2P line.
std::vector<std::string> elementLines(const std::string& t)
{
    std::vector<std::string> lines;
    std::size_t at = t.find("CKT\r\n");
    if (at == std::string::npos)
        return lines;
    at += 5;
    while (true) {
        const std::size_t end = t.find("\r\n", at);
        const std::string line = t.substr(at, end - at);
        if (line.starts_with(" DEF2P"))
            break;
        lines.push_back(line);
        at = end + 2;
    }
    return lines;
}

} // namespace

TEST(Netlist, EmptyDesignIsHeaderAndGlobalBlock)
{
    auto d = emptyDesign();
    EXPECT_EQ(text(*d), header);
}

TEST(Netlist, PointsWithoutElementsGiveTheFrequencyBlock)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    EXPECT_EQ(text(*d), header + "\r\nFREQ\r\n FIXED 1000\r\n");
}

TEST(Netlist, ElementsWithoutPointsEndInABareExclamationMark)
{
    auto d = emptyDesign();
    Element e = element(ElementKind::RS, 50);
    d->elements[0] = e;
    d->elementCount = 1;
    EXPECT_EQ(text(*d),
              header + "CKT\r\n RES 1 2 R=50\r\n DEF2P 1 2 A ! A is actual passive Network\r\n!");
}

TEST(Netlist, NodeCountersWithAnOpenStub)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    // Design order: shunt C, series L, open stub, series C.
    appendElement(*d, element(ElementKind::CP, 1e-12));
    appendElement(*d, element(ElementKind::IS, 2.2e-9));
    appendElement(*d, element(ElementKind::LPO, 0.25, 50.0f, 4.0f));
    appendElement(*d, element(ElementKind::CS, 1e-12));
    const std::string t = text(*d);
    const std::vector<std::string> lines = elementLines(t);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], " CAP 1 2 C=1");
    EXPECT_EQ(lines[1], " TLINP 2 3 0 Z=50 L=74.9481 K=4 A=0 F=0");
    EXPECT_EQ(lines[2], " IND 2 4 L=2.2");
    EXPECT_EQ(lines[3], " CAP 4 0 C=1");
    EXPECT_TRUE(
        t.ends_with(" DEF2P 1 4 A ! A is actual passive Network\r\n!\r\nFREQ\r\n FIXED 1000\r\n"));
}

TEST(Netlist, EveryKindsLine)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    const Element chain[] = {
        rlcElement(ElementKind::RlcParallel, 50, 3.3e-9, 4.7e-12),
        rlcElement(ElementKind::RlcSeries, 5, 10e-9, 2.2e-12),
        element(ElementKind::TR, 1.5),
        element(ElementKind::IP, 8.2e-9),
        element(ElementKind::RP, 200),
        element(ElementKind::LPS, 0.125, 35.0f, 2.2f),
        element(ElementKind::RS, 50),
        element(ElementKind::LS, 0.1, 75.0f, 1.0f),
    };
    for (const Element& e : chain)
        appendElement(*d, e);
    // Written from the last element to the first.
    const std::vector<std::string> want = {
        " TLINP 1 2 0 Z=75 L=29.9792 K=1 A=0 F=0",
        " RES 2 3 R=50",
        " TLINP 3 0 0 Z=35 L=37.4741 K=2.2 A=0 F=0",
        " RES 3 0 R=200",
        " IND 3 0 L=8.2",
        " TRF 3 0 4 0 N=1.5 R1=0.01",
        " SRLC 4 0 R=5 L=10 C=2.2",
        " PRLC 4 5 R=50 L=3.3 C=4.7",
    };
    EXPECT_EQ(elementLines(text(*d)), want);
    EXPECT_NE(text(*d).find(" DEF2P 1 5 A"), std::string::npos);
}

TEST(Netlist, FrequencyIsTheStartPointsWhereTheLinesWereMeasured)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendDataPoint(*d, {30, 0, 2e9});
    d->startPoint = 2;
    d->currentPoint = {30, 0};
    appendElement(*d, element(ElementKind::LS, 0.25));
    const std::string t = text(*d);
    EXPECT_NE(t.find("L=37.474"), std::string::npos); // a quarter wave at 2 GHz
    EXPECT_TRUE(t.ends_with("\r\nFREQ\r\n FIXED 2000\r\n"));
}

TEST(Netlist, WriteReplacesTheFileOrReportsFailure)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "zelvo_netlist";
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    const std::string path = (dir / "n.net").string();
    ASSERT_EQ(writeNetlist(*d, path, "<unnamed>"), netlistOk);
    EXPECT_EQ(readWholeFile(path), netlistText(*d, path, "<unnamed>"));
    EXPECT_EQ(writeNetlist(*d, (dir / "no" / "n.net").string(), "x"), netlistCannotWrite);
}

// Real parts as the format's own R, L and C with nodes of their own, the way
// open stubs take theirs; a lossy line's loss in TLINP's A and F.
TEST(Netlist, LossyPartsTakeNodesOfTheirOwn)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {20, 10, 1e9});
    Element shuntL = element(ElementKind::IP, 10e-9);
    shuntL.loss = {.q = 50, .qFrequency = 1e9, .srf = 5e9};
    Element seriesC = element(ElementKind::CS, 2e-12);
    seriesC.loss = {.esr = 0.5, .esl = 1e-9};
    Element line = element(ElementKind::LS, 0.25, 50.0f);
    line.loss.lineDb = 2.0;
    for (const Element& e : {shuntL, seriesC, line})
        ASSERT_TRUE(appendElement(*d, e));
    const std::string t = text(*d);
    // From the generator: the line (1 -> 2), the series C (2 -> 3 -> 4 -> 5),
    // the shunt L (5 -> 6 -> 0, the SRF's C across them).
    const std::vector<std::string> expected = {
        " TLINP 1 2 0 Z=50 L=74.9481 K=1 A=0.00667128 F=1000",
        "! CAP with ESR 500 mOhm, ESL 1 nH",
        " RES 2 3 R=0.5",
        " IND 3 4 L=1",
        " CAP 4 5 C=2",
        "! IND with Q 50 @ 1 GHz, SRF 5 GHz",
        " RES 5 6 R=1.25664",
        " IND 6 0 L=10",
        " CAP 5 0 C=0.101321",
    };
    EXPECT_EQ(elementLines(t), expected) << t;
    EXPECT_NE(t.find(" DEF2P 1 5 A"), std::string::npos);
}
