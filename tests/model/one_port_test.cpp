// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "model/design_rules.h"
#include "model/one_port.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <string>

using namespace zelvo;
using namespace zelvo::test;

namespace {

constexpr double pi = 3.14159265358979323846;

} // namespace

TEST(OnePortFiles, FormatsUnitsAndKeywordFilesGiveTheSameReflection)
{
    // Gamma = 0.5 at 60 degrees, at 1.5 GHz, written four ways.
    const double re = 0.5 * std::cos(pi / 3), im = 0.5 * std::sin(pi / 3);
    const char* const files[] = {
        "! a probe\r\n# GHz S MA R 75\r\n1.5 0.5 60\r\n",
        "# mhz s db r 75\n1500 -6.0205999132796 60 ! trailing comment\n",
        "#Hz S RI R 75\n1.5e9\t0.25\t0.43301270189221935\n",
        ("[Version] 2.0\n# kHz S RI\n[Number of Ports] 1\n[Reference] 75\n[Network Data]\n"
         "1500000 0.25\n 0.43301270189221935\n[End]\n"),
    };
    const int exponents[] = {9, 6, 0, 3};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(files[i]);
        const OnePortRead r = readOnePortText(files[i]);
        ASSERT_TRUE(r.data) << r.problem;
        ASSERT_EQ(r.data->points.size(), 1u);
        EXPECT_EQ(r.data->freqExponent, exponents[i]);
        EXPECT_EQ(r.data->reference, 75.0);
        EXPECT_NEAR(r.data->points[0].frequency * std::pow(10.0, exponents[i]), 1.5e9, 1e-3);
        EXPECT_NEAR(r.data->points[0].s11re, re, 1e-12);
        EXPECT_NEAR(r.data->points[0].s11im, im, 1e-12);
    }
}

TEST(OnePortFiles, WhatIsNotAOnePortFileIsRefusedWithAReason)
{
    const struct {
        const char* text;
        const char* says;
    } rows[] = {
        {"# GHz S MA R 50\n1 0.5 0 2 0 0.1 0 0.5 0\n", "holds 9 numbers"},
        {"# GHz Z MA R 50\n1 0.5 0\n", "Z-parameters"},
        {"1 0.5 0\n", "option line"},
        {"[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n", "[Number of Ports] is 2"},
        {"# GHz S MA R 50\n1 0.5 x\n", "other than numbers"},
        {"# GHz S MA R 50\n", "no data"},
    };
    for (const auto& row : rows) {
        const OnePortRead r = readOnePortText(row.text);
        EXPECT_FALSE(r.data) << row.text;
        EXPECT_NE(r.problem.find(row.says), std::string::npos) << r.problem;
    }
    EXPECT_EQ(loadOnePortFile("/no/such/file.s1p").problem,
              "Error while opening file '/no/such/file.s1p'\n\rNo such file or directory.");
}

TEST(OnePortFiles, ValuesNoDataPointCouldHoldAreRefusedWithTheirLine)
{
    const std::string frequency = "The frequency must be > 0 and at most 1000 GHz.";
    const std::string impedance = "S11 gives no finite impedance.";
    const std::string reference = "The reference impedance must lie between 0.001 and 1E6 Ohm.";
    const struct {
        std::string text;
        std::string problem;
    } rows[] = {
        {"# GHz S MA R 50\n1 0.5 0\n2 1e300 0 ! far off\n",
         "Line 3: '2 1e300 0 ! far off'\n\r" + impedance},
        {"# GHz S DB R 50\n1 1e5 0\n", "Line 2: '1 1e5 0'\n\r" + impedance},
        // Gamma a hair off 1: the denominator underflows to 0.
        {"# GHz S RI R 50\n1 1 1e-200\n", "Line 2: '1 1 1e-200'\n\r" + impedance},
        {"# Hz S MA R 50\r\n6e301 0.5 0\r\n", "Line 2: '6e301 0.5 0'\n\r" + frequency},
        {"# GHz S MA R 50\n1 0.5 0\n\n1001 0.5 0\n", "Line 4: '1001 0.5 0'\n\r" + frequency},
        {"# GHz S MA R 50\n0 0.5 0\n", "Line 2: '0 0.5 0'\n\r" + frequency},
        {"# GHz S MA R 50\n-1 0.5 0\n", "Line 2: '-1 0.5 0'\n\r" + frequency},
        {"[Version] 2.0\n# GHz S MA\n[Number of Ports] 1\n[Reference] 1e308\n[Network Data]\n"
         "1 0.5 0\n",
         "Line 4: '[Reference] 1e308'\n\r" + reference},
        {"# GHz S MA R 0\n1 0.5 0\n", "Line 1: '# GHz S MA R 0'\n\r" + reference},
        {"# GHz S MA R x\n1 0.5 0\n", "Line 1: '# GHz S MA R x'\n\r" + reference},
        {"# GHz S MA R " + std::string(100, '5') + "\n1 0.5 0\n",
         "Line 1: '# GHz S MA R " + std::string(67, '5') + "...'\n\r" + reference},
    };
    int checked = 0;
    for (const auto& row : rows) {
        const OnePortRead r = readOnePortText(row.text);
        EXPECT_FALSE(r.data) << row.text;
        EXPECT_EQ(r.problem, row.problem);
        ++checked;
    }
    EXPECT_EQ(checked, 11);
    // The ends of the ranges are data points.
    const OnePortRead edges = readOnePortText("# Hz S MA R 0.001\n1e-3 1 0\n1e12 0 0\n");
    ASSERT_TRUE(edges.data) << edges.problem;
    EXPECT_EQ(edges.data->points.size(), 2u);
}

TEST(OnePortFiles, MeasuredAntennaReadsWhole)
{
    // A NanoVNA sweep of a loop antenna; near resonance the calibration puts
    // |S11| a little above 1, which the import keeps as a negative R.
    const std::string path = std::string(ZELVO_TESTDATA_DIR) + "/oneport/20m120222.s1p";
    const OnePortRead r = loadOnePortFile(path);
    if (!r.data && r.problem.find("No such file") != std::string::npos)
        GTEST_SKIP() << "no test data at " << path;
    ASSERT_TRUE(r.data) << r.problem;
    ASSERT_EQ(r.data->points.size(), 303u);
    EXPECT_EQ(r.data->freqExponent, 0);
    auto d = emptyDesign();
    EXPECT_FALSE(importOnePortPoints(*d, *r.data, {0, 302}));
    ASSERT_EQ(d->dataPointCount, 2);
    // 50 (1 + G) / (1 - G) of the first and last lines, worked with numpy.
    EXPECT_NEAR(d->dataPoints[0].r, -6.4617600187580715, 1e-9);
    EXPECT_NEAR(d->dataPoints[0].x, 218.9062562932201, 1e-9);
    EXPECT_EQ(d->dataPoints[0].f, 14000000.0);
    EXPECT_NEAR(d->dataPoints[1].r, 0.4488221593175117, 1e-9);
    EXPECT_NEAR(d->dataPoints[1].x, 59.572877824450046, 1e-9);
    EXPECT_EQ(d->dataPoints[1].f, 14400150.0);
}

TEST(OnePortImport, PointsBecomeDataPointsUpToTheLimit)
{
    std::string text = "# MHz S RI R 50\n";
    for (int i = 0; i < 10; ++i)
        text += std::to_string(100 + i) + " 0.2 -0.1\n";
    text += "200 0 0\n";
    const OnePortRead r = readOnePortText(text);
    ASSERT_TRUE(r.data);
    EXPECT_EQ(onePortHeader(6), "f [MHz]\ts11 Mag\ts11 Ang");
    EXPECT_EQ(onePortLines(*r.data)[10], "200.000\t0.000\t0.000\t");

    auto d = emptyDesign();
    EXPECT_FALSE(importOnePortPoints(*d, *r.data, {10, 0}));
    ASSERT_EQ(d->dataPointCount, 2);
    // Gamma = 0: Z = Zref; chosen order is kept.
    EXPECT_NEAR(d->dataPoints[0].r, 50.0, 1e-12);
    EXPECT_EQ(d->dataPoints[0].f, 200e6);
    // Gamma = 0.2 - 0.1j: Z = 50 (1 + G) / (1 - G) = 50 (1.2 - 0.1j) / (0.8 + 0.1j).
    const std::complex<double> z = 50.0 * std::complex(1.2, -0.1) / std::complex(0.8, 0.1);
    EXPECT_NEAR(d->dataPoints[1].r, z.real(), 1e-9);
    EXPECT_NEAR(d->dataPoints[1].x, z.imag(), 1e-9);
    EXPECT_EQ(d->startPoint, 1);
    EXPECT_TRUE(d->modified);

    // 145 points already: five more, then the limit message once.
    auto full = emptyDesign();
    for (int i = 0; i < 145; ++i)
        appendDataPoint(*full, {50, 0, 1e9});
    const std::optional<DialogMessage> m =
        importOnePortPoints(*full, *r.data, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    ASSERT_TRUE(m);
    EXPECT_NE(m->text.find("No more datapoints possible"), std::string::npos);
    EXPECT_EQ(full->dataPointCount, 150);

    d->widebandDone = true;
    EXPECT_TRUE(importOnePortPoints(*d, *r.data, {0}));
    EXPECT_EQ(d->dataPointCount, 2);
}
