// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/network_touchstone.h"

#include "core/chain.h"
#include "model/block_file.h"
#include "model/design_builders.h"
#include "model/file_io.h"
#include "model/touchstone.h"
#include "support/block_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <unistd.h>
#include <variant>

using namespace zelvo;
using namespace zelvo::test;
using zelvo::testing::coilBlock;

namespace {

using C = std::complex<double>;

// A data line of the file, read here by hand: f and S11, S21, S12, S22.
struct Row {
    double f = 0;
    C s11, s21, s12, s22;
};

std::vector<Row> rowsOf(const std::string& text, std::string* optionLine = nullptr)
{
    std::vector<Row> rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '!')
            continue;
        if (line[0] == '#') {
            if (optionLine)
                *optionLine = line;
            continue;
        }
        std::istringstream l(line);
        double v[9];
        for (double& x : v)
            l >> x;
        EXPECT_TRUE(l) << line;
        rows.push_back({v[0], {v[1], v[2]}, {v[3], v[4]}, {v[5], v[6]}, {v[7], v[8]}});
    }
    return rows;
}

// The load cascaded with the two-port by the textbook formula, independent
// of Zelvo's chain matrices: the impedance at port 1.
C inputImpedanceOf(const Row& s, C load, double z0)
{
    const C g = (load - z0) / (load + z0);
    const C gin = s.s11 + s.s12 * s.s21 * g / (1.0 - s.s22 * g);
    return z0 * (1.0 + gin) / (1.0 - gin);
}

} // namespace

// The exported two-port, cascaded with the load in plain complex arithmetic,
// gives the chain's end that Zelvo computes element by element.
TEST(NetworkTouchstone, CascadedWithTheLoadGivesTheChainEnd)
{
    auto d = emptyDesign();
    const C load{30, -20};
    appendDataPoint(*d, {load.real(), load.imag(), 1e9});
    appendDataPoint(*d, {35, -15, 1.2e9});
    for (const Element& e :
         {element(ElementKind::IS, 5e-9), element(ElementKind::CP, 2e-12),
          element(ElementKind::LS, 0.1, 60.0f), element(ElementKind::TR, 1.3),
          element(ElementKind::RS, 4.7), element(ElementKind::LPO, 0.07, 40.0f)})
        ASSERT_TRUE(appendElement(*d, e));
    const std::vector<double> f = sweepFrequencies({0.8e9, 1.4e9, 25, false});
    ASSERT_EQ(f[8], 1e9); // the design frequency is a point of the sweep
    const NetworkTouchstone file = networkTouchstone(*d, f);
    EXPECT_EQ(file.written, 25);
    EXPECT_EQ(file.leftOut, 0);
    std::string option;
    const std::vector<Row> rows = rowsOf(file.text, &option);
    EXPECT_EQ(option, "# Hz S RI R 50");
    ASSERT_EQ(rows.size(), 25u);
    const std::span<const Element> chain(d->elements.data(), 6);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].f, f[i]);
        Complex z{load.real(), load.imag()};
        for (const Element& e : chain)
            z = transformElement(e, z, f[i], 1e9);
        const C zin = inputImpedanceOf(rows[i], load, 50);
        // 1e-6: the single-precision resistance of the classic line formula.
        EXPECT_NEAR(zin.real(), z.re, 1e-6 * std::abs(zin)) << f[i];
        EXPECT_NEAR(zin.imag(), z.im, 1e-6 * std::abs(zin)) << f[i];
    }
    const C atF0 = inputImpedanceOf(rows[8], load, 50);
    EXPECT_NEAR(atF0.real(), endOf(*d, 5).re, 1e-6 * std::abs(atF0));
    EXPECT_NEAR(atF0.imag(), endOf(*d, 5).im, 1e-6 * std::abs(atF0));

    // Zelvo's own reader takes the file back with every digit.
    SParamSet set;
    set.keepExact = true;
    set.sourceText = file.text;
    ASSERT_TRUE(readTouchstone(set));
    EXPECT_EQ(set.freqExponent, 0);
    EXPECT_EQ(set.referenceImpedance, 50.0f);
    ASSERT_EQ(set.exact.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(set.points[i].frequency, rows[i].f);
        EXPECT_EQ(set.exact[i].s11.re, rows[i].s11.real());
        EXPECT_EQ(set.exact[i].s12.im, rows[i].s12.imag());
        EXPECT_EQ(set.exact[i].s21.re, rows[i].s21.real());
        EXPECT_EQ(set.exact[i].s22.im, rows[i].s22.imag());
    }
}

TEST(NetworkTouchstone, SeriesInductorGivesItsHandWorkedSParameters)
{
    auto d = emptyDesign();
    d->z0 = 50;
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::IS, 50.0 / (twoPiElement * 1e9)));
    const std::vector<Row> rows = rowsOf(networkTouchstone(*d, std::vector{1e9, 2e9}).text);
    ASSERT_EQ(rows.size(), 2u);
    const C expected[2][2] = {{{0.2, 0.4}, {0.8, -0.4}}, {{0.5, 0.5}, {0.5, -0.5}}};
    for (int i = 0; i < 2; ++i) {
        const Row& r = rows[static_cast<std::size_t>(i)];
        for (const auto& [got, want] : {std::pair{r.s11, expected[i][0]},
                                        std::pair{r.s22, expected[i][0]},
                                        std::pair{r.s21, expected[i][1]},
                                        std::pair{r.s12, expected[i][1]}}) {
            EXPECT_NEAR(got.real(), want.real(), 1e-12) << i;
            EXPECT_NEAR(got.imag(), want.imag(), 1e-12) << i;
        }
    }
}

// A chain with a block is exported at the block's frequencies by default;
// a sweep beyond the block's range leaves those frequencies out and says so.
TEST(NetworkTouchstone, BlockFrequenciesAndTheFrequenciesLeftOut)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {25, -40, 2e9});
    appendElement(*d, element(ElementKind::CS, 3e-12));
    appendElement(*d, coilBlock());
    EXPECT_EQ(blockSweepFrequencies(*d), (std::vector<double>{1e9, 2e9}));

    const std::vector<double> f = sweepFrequencies({0.5e9, 3e9, 6, false});
    const NetworkTouchstone file = networkTouchstone(*d, f);
    EXPECT_EQ(file.written, 3);
    EXPECT_EQ(file.leftOut, 3);
    EXPECT_NE(file.text.find("! 3 of 6 frequencies left out: no value of coil.s2p "
                             "(1.000 GHz to 2.000 GHz) there.\n"),
              std::string::npos)
        << file.text;
    const std::vector<Row> rows = rowsOf(file.text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.front().f, 1e9);
    EXPECT_EQ(rows.back().f, 2e9);
    // Cascaded with the load, the chain end at each written frequency.
    for (const Row& r : rows) {
        Complex z{25, -40};
        for (int i = 0; i < 2; ++i)
            z = transformElement(d->elements[static_cast<std::size_t>(i)], z, r.f, 2e9);
        const C zin = inputImpedanceOf(r, {25, -40}, 50);
        EXPECT_NEAR(zin.real(), z.re, 1e-9 * std::abs(zin)) << r.f;
        EXPECT_NEAR(zin.imag(), z.im, 1e-9 * std::abs(zin)) << r.f;
    }

    // Nothing in range: refused, and no file is left behind.
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("zelvo_network_" + std::to_string(::getpid()) + ".s2p"))
                                 .string();
    const NetworkExportResult none = writeNetworkTouchstone(*d, std::vector{4e9, 5e9}, path);
    EXPECT_FALSE(none.ok);
    EXPECT_NE(none.message.text.find("coil.s2p (1.000 GHz to 2.000 GHz)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    const NetworkExportResult written = writeNetworkTouchstone(*d, f, path);
    EXPECT_TRUE(written.ok) << written.message.text;
    EXPECT_EQ(readWholeFile(path), file.text);
    std::filesystem::remove(path);
}

TEST(NetworkTouchstone, SweepDefaultsAndRefusals)
{
    auto d = emptyDesign();
    EXPECT_EQ(defaultExportSweep(*d).points, 0);
    EXPECT_TRUE(checkNetworkExport(*d)); // no element
    appendDataPoint(*d, {25, -40, 1e9});
    Sweep s = defaultExportSweep(*d);
    EXPECT_DOUBLE_EQ(s.start, 0.9e9);
    EXPECT_DOUBLE_EQ(s.stop, 1.1e9);
    EXPECT_EQ(s.points, 401);
    appendDataPoint(*d, {30, 10, 3e9});
    appendDataPoint(*d, {30, 10, 2e9});
    s = defaultExportSweep(*d);
    EXPECT_DOUBLE_EQ(s.start, 0.8e9);
    EXPECT_DOUBLE_EQ(s.stop, 3.2e9);
    // Never below half the lowest frequency.
    appendDataPoint(*d, {30, 10, 1e6});
    EXPECT_DOUBLE_EQ(defaultExportSweep(*d).start, 0.5e6);

    const struct {
        Sweep s;
        bool ok;
    } table[] = {
        {{1e9, 2e9, 401, false}, true},   {{1e9, 1e9, 1, false}, true},
        {{1e9, 0, 1, false}, true},       {{0, 2e9, 401, false}, false},
        {{-1, 2e9, 2, false}, false},     {{2e9, 1e9, 3, false}, false},
        {{1e9, 1e9, 2, false}, false},    {{1e9, 2e9, 0, false}, false},
        {{1e9, 2e9, 100001, false}, false}, {{NAN, 2e9, 3, false}, false},
        {{1e9, INFINITY, 3, false}, false},
    };
    for (const auto& row : table) {
        EXPECT_EQ(!sweepProblem(row.s), row.ok)
            << row.s.start << " " << row.s.stop << " " << row.s.points;
        if (row.ok) {
            EXPECT_EQ(sweepFrequencies(row.s).size(), static_cast<std::size_t>(row.s.points));
        }
    }
    const std::vector<double> f = sweepFrequencies({1e9, 2e9, 3, false});
    EXPECT_EQ(f, (std::vector<double>{1e9, 1.5e9, 2e9}));
}
