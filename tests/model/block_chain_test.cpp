// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// A measured two-port block in the chain: a real transistor's data against the
// closed form, the block in the data point list, and the netlists that cannot
// hold it.
#include "core/chain.h"
#include "model/block_file.h"
#include "model/design_builders.h"
#include "model/netlist.h"
#include "model/point_list.h"
#include "model/spice_netlist.h"
#include "support/block_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <variant>

using namespace zelvo;
using namespace zelvo::test;
using zelvo::testing::coilBlock;

namespace {

using C = std::complex<double>;

const std::filesystem::path bfu520 =
    std::filesystem::path(ZELVO_TESTDATA_DIR) / "touchstone" / "BFU520_05V0_010mA_NF_SP.s2p";

C polarDeg(double m, double deg)
{
    return std::polar(m, deg * M_PI / 180.0);
}

// The impedance at port 1 with `load` at port 2: Gamma_in = S11 + S12 S21 G
// / (1 - S22 G), G the load's reflection against 50 ohm.
C closedForm(C s11, C s21, C s12, C s22, C load)
{
    const C g = (load - 50.0) / (load + 50.0);
    const C gin = s11 + s12 * s21 * g / (1.0 - s22 * g);
    return 50.0 * (1.0 + gin) / (1.0 - gin);
}

// "S11 S21 S12 S22" of a line of the file, as magnitude and angle in degrees.
struct Line {
    C s11, s21, s12, s22;
};

} // namespace

TEST(BlockChain, MeasuredTransistorIsTheClosedFormAtAndBetweenItsFrequencies)
{
    if (!std::filesystem::exists(bfu520))
        GTEST_SKIP() << bfu520 << " is not there";
    BlockLoad load = loadBlockFile(bfu520.string());
    ASSERT_TRUE(std::holds_alternative<std::shared_ptr<const BlockData>>(load));
    const auto b = std::get<std::shared_ptr<const BlockData>>(load);
    EXPECT_EQ(b->name, "BFU520_05V0_010mA_NF_SP.s2p");
    EXPECT_EQ(b->f.size(), 37u);
    EXPECT_EQ(b->noise.size(), 37u);
    EXPECT_EQ(blockRangeText(*b), "400.000 MHz to 2.000 GHz");

    // The lines of 1000 and 1050 MHz as the file writes them.
    const Line at1000{polarDeg(0.4684, -156.95), polarDeg(7.5769, 89.52),
                      polarDeg(0.05691, 48.68), polarDeg(0.40351, -55.64)};
    const Line at1050{polarDeg(0.46695, -160.15), polarDeg(7.247, 87.80),
                      polarDeg(0.058259, 48.84), polarDeg(0.39576, -56.43)};
    const C loadZ{30, -20};
    auto d = emptyDesign();
    appendDataPoint(*d, {loadZ.real(), loadZ.imag(), 1e9});
    Element e;
    e.kind = ElementKind::Block;
    e.block = b;
    ASSERT_TRUE(appendElement(*d, e));
    const C expected = closedForm(at1000.s11, at1000.s21, at1000.s12, at1000.s22, loadZ);
    EXPECT_NEAR(endOf(*d, 0).re, expected.real(), 1e-9 * std::abs(expected));
    EXPECT_NEAR(endOf(*d, 0).im, expected.imag(), 1e-9 * std::abs(expected));

    // Halfway between two lines: each S-parameter halfway in re and im.
    const auto mid = [](C a, C b) { return 0.5 * (a + b); };
    const C between = closedForm(mid(at1000.s11, at1050.s11), mid(at1000.s21, at1050.s21),
                                 mid(at1000.s12, at1050.s12), mid(at1000.s22, at1050.s22), loadZ);
    const Complex z = transformElement(d->elements[0], {loadZ.real(), loadZ.imag()}, 1.025e9, 1e9);
    EXPECT_NEAR(z.re, between.real(), 1e-9 * std::abs(between));
    EXPECT_NEAR(z.im, between.imag(), 1e-9 * std::abs(between));

    // Reversed: port 1 towards the load.
    e.reversed = true;
    const Complex r = transformElement(e, {loadZ.real(), loadZ.imag()}, 1e9, 1e9);
    const C reversed = closedForm(at1000.s22, at1000.s12, at1000.s21, at1000.s11, loadZ);
    EXPECT_NEAR(r.re, reversed.real(), 1e-9 * std::abs(reversed));
    EXPECT_NEAR(r.im, reversed.imag(), 1e-9 * std::abs(reversed));

    // Nothing beyond the measured range.
    EXPECT_TRUE(elementDefinedAt(e, 2e9));
    EXPECT_FALSE(elementDefinedAt(e, 2.0001e9));
    EXPECT_FALSE(elementDefinedAt(e, 0.3999e9));
}

TEST(BlockChain, ListNamesTheBlockAndThePointsWithoutAValue)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {25, -40, 1.5e9});
    appendDataPoint(*d, {20, -30, 2.5e9}); // beyond the block
    appendDataPoint(*d, {30, -45, 1e9});
    appendElement(*d, element(ElementKind::CP, 1e-12));
    appendElement(*d, coilBlock(true));
    ASSERT_FALSE(runWideband(*d));
    EXPECT_FALSE(d->widebandSkipped[0]);
    EXPECT_TRUE(d->widebandSkipped[1]);
    EXPECT_FALSE(d->widebandSkipped[2]);

    const std::vector<PointListLine> lines = pointListLines(*d);
    ASSERT_EQ(lines.size(), 7u);
    // DP1, DP2, W2, DP3, W3, element 4, element 5 (the block).
    EXPECT_EQ(lines[2].label, "DP-Nr. W2");
    EXPECT_EQ(lines[2].impedance, "no value");
    EXPECT_EQ(lines[2].q, "");
    EXPECT_EQ(lines[2].frequency, "2.500 GHz   ");
    EXPECT_EQ(lines[2].note, "outside the range of coil.s2p, 1.000 GHz to 2.000 GHz");
    EXPECT_EQ(lines[4].label, "DP-Nr. W3");
    EXPECT_EQ(lines[4].note, "");
    EXPECT_NE(lines[4].impedance, "no value");
    EXPECT_EQ(lines[5].note, "");
    EXPECT_EQ(lines[6].kind, ListLineKind::Element);
    EXPECT_EQ(lines[6].note, "two-port block coil.s2p, reversed");

    const std::string text = commentsText(*d);
    EXPECT_NE(text.find("DP-Nr. W2 no value       2.500 GHz   outside the range of coil.s2p, "
                        "1.000 GHz to 2.000 GHz\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("   two-port block coil.s2p, reversed\r\n"), std::string::npos) << text;
}

// Neither netlist has an element for measured S-parameters: both writers
// refuse and name the block; nothing is written.
TEST(BlockChain, NetlistsRefuseTheBlockAndNameIt)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {25, -40, 1.5e9});
    appendElement(*d, element(ElementKind::CP, 1e-12));
    appendElement(*d, coilBlock());
    appendElement(*d, element(ElementKind::IS, 2e-9));
    const auto mmicad = netlistBlockRefusal(*d, false);
    const auto spice = netlistBlockRefusal(*d, true);
    ASSERT_TRUE(mmicad && spice);
    EXPECT_NE(mmicad->text.find("Element 2, the two-port block 'coil.s2p'"), std::string::npos);
    EXPECT_NE(spice->text.find("ngspice has no element for measured S-parameters"),
              std::string::npos);
    // Made all the same, the texts show the block in its place.
    EXPECT_NE(netlistText(*d, "out.mcf", "in.zvc").find("! element 2: two-port block coil.s2p"),
              std::string::npos);
    EXPECT_NE(spiceNetlistText(*d, "in.zvc").find("* two-port block coil.s2p"),
              std::string::npos);

    const std::string path = (std::filesystem::temp_directory_path() / "zelvo_block_netlist.net")
                                 .string();
    std::filesystem::remove(path);
    std::string why;
    EXPECT_EQ(writeNetlist(*d, path, "in.zvc", &why), netlistCannotWrite);
    EXPECT_EQ(why, mmicad->text);
    EXPECT_FALSE(writeSpiceNetlist(*d, path, "in.zvc"));
    EXPECT_FALSE(std::filesystem::exists(path));
    // Without the block both write.
    d->elementCount = 1;
    EXPECT_FALSE(netlistBlockRefusal(*d, false));
    EXPECT_EQ(writeNetlist(*d, path, "in.zvc"), netlistOk);
    std::filesystem::remove(path);
}
