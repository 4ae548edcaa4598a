// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "model/design_rules.h"
#include "model/one_port.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

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
              "Error while opening file '/no/such/file.s1p'");
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
