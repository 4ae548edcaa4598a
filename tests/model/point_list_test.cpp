// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "core/numeric.h"
#include "model/point_list.h"

#include <gtest/gtest.h>

using namespace zelvo;
using namespace zelvo::test;

namespace {

std::vector<std::string> labels(const std::vector<PointListLine>& lines)
{
    std::vector<std::string> out;
    for (const PointListLine& l : lines)
        out.push_back(l.kind == ListLineKind::Circle ? l.text.substr(0, 3) : l.label);
    return out;
}

// One impedance shown as a data point line (1), a wideband line (W1) and an
// element line (3), plus the clipboard text of the data point line.
struct Shown {
    std::string point, wideband, element, clipboard;
};

Shown show(double r, double x)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {r, x, 1e9});
    appendDataPoint(*d, {1, 0, 1e9});
    d->startPoint = 2;
    Element e;
    e.kind = ElementKind::RS;
    e.rEnd = r;
    e.xEnd = x;
    appendElementAsPlaced(*d, e);
    d->widebandDone = true;
    d->widebandR[0] = r;
    d->widebandX[0] = x;
    const std::vector<PointListLine> lines = pointListLines(*d);
    EXPECT_EQ(lines.size(), 4u);
    const std::string clip = commentsText(*d);
    const std::string label = "DP-Nr. 1 ";
    const std::size_t end = clip.find("Q = ");
    return {lines[0].impedance, lines[1].impedance, lines[3].impedance,
            clip.substr(label.size(), end - label.size())};
}

struct FormatRow {
    double r, x;
    Shown want;
};

const FormatRow formatRows[] = {
    {50,
     12.5,
     {"(50.000 + j12.500)Ohm", "(50.000 + j12.500)Ohm", "(50.000 + j12.500)Ohm",
      "(50.000 + j12.500) Ohm       "}},
    {2200,
     15,
     {"(2.2e+03 + j15.000)Ohm", "(2.2e+03 + j15.000)Ohm", "(2.2e+03 + j15.000)Ohm",
      "(2.2e+03 + j15.000) Ohm       "}},
    {50,
     1570,
     {"(50.000 + j1.57e+03)Ohm", "(50.000 + j1.57e+03)Ohm", "(50.000 + j1.57e+03)Ohm",
      "(50.000 + j1.57e+03) Ohm       "}},
    {2260,
     1570,
     {"(2.260e+03 + j1.570e+03)Ohm", "(2.26e+03 + j1.57e+03)Ohm", "(2.3e+03 + j1.6e+03)Ohm",
      "(2.26e+03 + j1.57e+03) Ohm       "}},
    {50,
     -1570,
     {"(50.000 - j1.57e+03)Ohm", "(50.000 - j1.57e+03)Ohm", "(50.000 - j1.57e+03)Ohm",
      "(50.000 - j1.57e+03) Ohm       "}},
    {2260,
     -1570,
     {"(2.26e+03 - j1.57e+03)Ohm", "(2.26e+03 - j1.57e+03)Ohm", "(2.26e+03 - j1.57e+03)Ohm",
      "(2.26e+03 - j1.57e+03) Ohm       "}},
    {50,
     -12.5,
     {"(50.000 - j12.500)Ohm", "(50.000 - j12.500)Ohm", "(50.000 - j12.500)Ohm",
      "(50.000 - j12.500) Ohm       "}},
    {2260,
     -12.5,
     {"(2.26e+03 - j12.5)Ohm", "(2.26e+03 - j12.500)Ohm", "(2.3e+03 - j12.50)Ohm",
      "(2.26e+03 - j12.500) Ohm       "}},
    // Exactly 1000 counts as small; -0 shows as + j0.
    {1000,
     -1000,
     {"(1000.000 - j1000.000)Ohm", "(1000.000 - j1000.000)Ohm", "(1000.000 - j1000.000)Ohm",
      "(1000.000 - j1000.000) Ohm       "}},
    {50,
     -0.0,
     {"(50.000 + j0.000)Ohm", "(50.000 + j0.000)Ohm", "(50.000 + j0.000)Ohm",
      "(50.000 + j0.000) Ohm       "}},
};

StoredSParams cleanAngles()
{
    // |s11| = 1 at 53.13 deg, s12 = 0.1 at 180, s21 = 2 at 90, s22 = 0.5 at -90.
    return {0.6f, 0.8f, -0.1f, 0.0f, 0.0f, 2.0f, 0.0f, -0.5f};
}

const char* sListText =
    "s11 = 1 / 53.1\u00B0; s12 = 0.1 / 180\u00B0; s21 = 2 / 90\u00B0; s22 = 0.5 / -90\u00B0; ";
const char* sClipText =
    "s11 = 1 / 53.1\u00B0; s12 = 0.1 / 180\u00B0; s21 = 2 / 90\u00B0; s22 = 0.5 / -90\u00B0\r\n";

} // namespace

TEST(PointList, EmptyHistoryHasNoLines)
{
    auto d = emptyDesign();
    EXPECT_TRUE(pointListLines(*d).empty());
    EXPECT_EQ(commentsText(*d), "");
}

TEST(PointList, OnePointThenTwoElementsAtTheStartFrequency)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, -12.5, 1e9});
    std::vector<PointListLine> lines = pointListLines(*d);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].kind, ListLineKind::DataPoint);
    EXPECT_EQ(lines[0].label, "DP-Nr. 1");
    EXPECT_EQ(lines[0].impedance, "(50.000 - j12.500)Ohm");
    EXPECT_EQ(lines[0].q, "Q = 0.250  ");
    EXPECT_EQ(lines[0].frequency, "1.000 GHz   ");
    appendDataPoint(*d, {10, 0, 2e9});
    appendElement(*d, element(ElementKind::RS, 5));
    appendElement(*d, element(ElementKind::RS, 5));
    lines = pointListLines(*d);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(labels(lines),
              (std::vector<std::string>{"DP-Nr. 1", "DP-Nr. 2", "DP-Nr. 3", "DP-Nr. 4"}));
    EXPECT_EQ(lines[3].impedance, "(60.000 - j12.500)Ohm");
    EXPECT_EQ(lines[2].frequency, "1.000 GHz   ");
    EXPECT_EQ(lines[3].frequency, "1.000 GHz   ");
    EXPECT_EQ(commentsText(*d), "DP-Nr. 1 (50.000 - j12.500) Ohm       Q = 0.250  1.000 GHz\r\n"
                                "DP-Nr. 2 (10.000 + j0.000) Ohm       Q = 0.000  2.000 GHz\r\n"
                                "DP-Nr. 3 (55.000 - j12.500) Ohm       Q = 0.227  1.000 GHz\r\n"
                                "DP-Nr. 4 (60.000 - j12.500) Ohm       Q = 0.208  1.000 GHz\r\n");
}

TEST(PointList, WidebandLinesFollowEveryPointButTheStart)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {10, 0, 1e9});
    appendDataPoint(*d, {20, 0, 2e9});
    appendDataPoint(*d, {30, 0, 3e9});
    d->startPoint = 2;
    d->currentPoint = {20, 0};
    appendElement(*d, element(ElementKind::RS, 7));
    ASSERT_FALSE(runWideband(*d));
    const std::vector<PointListLine> lines = pointListLines(*d);
    EXPECT_EQ(labels(lines), (std::vector<std::string>{"DP-Nr. 1", "DP-Nr. W1", "DP-Nr. 2",
                                                       "DP-Nr. 3", "DP-Nr. W3", "DP-Nr. 4"}));
    EXPECT_EQ(lines[1].kind, ListLineKind::Wideband);
    EXPECT_EQ(lines[1].impedance, "(17.000 + j0.000)Ohm");
    EXPECT_EQ(lines[4].frequency, "3.000 GHz   ");
    EXPECT_EQ(lines[5].frequency, "2.000 GHz   ");
    EXPECT_NE(commentsText(*d).find("DP-Nr. W3 (37.000 + j0.000) Ohm       "), std::string::npos);
}

TEST(PointList, ImpedanceFormatsOfEveryClassAndLineKind)
{
    int rows = 0;
    for (const FormatRow& row : formatRows) {
        const Shown got = show(row.r, row.x);
        EXPECT_EQ(got.point, row.want.point) << row.r << " " << row.x;
        EXPECT_EQ(got.wideband, row.want.wideband) << row.r << " " << row.x;
        EXPECT_EQ(got.element, row.want.element) << row.r << " " << row.x;
        EXPECT_EQ(got.clipboard, row.want.clipboard) << row.r << " " << row.x;
        ++rows;
    }
    EXPECT_EQ(rows, 10);
}

TEST(PointList, QForms)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {1, 2000, 1e6});
    appendDataPoint(*d, {0, 50, 2.2e-3});
    const std::vector<PointListLine> lines = pointListLines(*d);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].q, "Q = 2.000E+03  ");
    EXPECT_EQ(lines[0].frequency, "1.000 MHz   ");
    EXPECT_EQ(lines[1].q, "Q = 3.4E+38  ");
    EXPECT_EQ(lines[1].frequency, "2.200 mHz   ");
    EXPECT_NE(commentsText(*d).find("Q = 3.4E+38  2.200 mHz\r\n"), std::string::npos);
}

TEST(PointList, CircleLinesKeepTheirOwnNumbers)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    StabilityCircleRecord s;
    s.k = FLOAT_BIG;
    s.s = cleanAngles();
    appendStabilityCircle(*d, s);
    s.plane = CirclePlane::Output;
    s.stableSide = StableSide::Outside;
    s.k = 1.25f;
    appendStabilityCircle(*d, s);
    GainCircleRecord g;
    g.plane = CirclePlane::Output;
    g.p = 10.0f;
    g.g = 15.04f;
    g.s = cleanAngles();
    appendGainCircle(*d, g);
    g.plane = CirclePlane::Input;
    g.g = FLOAT_BIG;
    appendGainCircle(*d, g);
    NoiseCircleRecord n;
    n.nf = 2.5;
    n.nfMin = 1.2;
    n.gammaOpt = {0.3, -0.4};
    n.rn = 0.15; // normalised to z0 = 50: 7.5 ohm
    appendNoiseCircle(*d, n);
    appendDataPoint(*d, {25, 0, 1e9});

    const std::vector<PointListLine> lines = pointListLines(*d);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1].text,
              std::string("S1: input plane stability circle; stable inside; ") + sListText);
    EXPECT_EQ(lines[2].text,
              std::string("S2: output plane stability circle; stable outside; K = 1.25; ") +
                  sListText);
    EXPECT_EQ(lines[3].text,
              std::string("G1: output plane const. gain circle; Gmax = 15.0dB; Vp = 10.0 dB; ") +
                  sListText);
    EXPECT_EQ(lines[4].text,
              std::string("G2: input plane const. gain circle; Vp = 10.0 dB; ") + sListText);
    EXPECT_EQ(lines[5].text, "N1: constant 2.50dB noise figure circle;  NFmin = 1.20dB;  "
                             "r_NFmin = (0.30 + j-0.40);  R'noise = 7.50 Ohm");
    EXPECT_EQ(lines[6].label, "DP-Nr. 2");
    EXPECT_EQ(commentsText(*d),
              "DP-Nr. 1 (50.000 + j0.000) Ohm       Q = 0.000  1.000 GHz\r\n"
              "S1: input plane stability circle; stable inside; " +
                  std::string(sClipText) +
                  "S2: output plane stability circle; stable outside; K = 1.25; " + sClipText +
                  "G1: output plane const. gain circle; Gmax = 15.0dB; Vp = 10.0 dB; " + sClipText +
                  "G2: input plane const. gain circle; Vp = 10.0 dB; " + sClipText +
                  "N1: constant 2.50dB noise figure circle;  NFmin = 1.20dB;  "
                  "r_NFmin = (0.30 + j-0.40);  R'noise = 7.50 Ohm\r\n"
                  "DP-Nr. 2 (25.000 + j0.000) Ohm       Q = 0.000  1.000 GHz\r\n");
}

TEST(PointList, SignedZerosShowAsZeroAngles)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 0.0}); // a DC point of a measured file
    StabilityCircleRecord s;
    s.k = FLOAT_BIG;
    // 0 - j0 at both signs, -0.5 - j0 and 2 + j(-0).
    s.s = {-0.0f, -0.0f, -0.5f, -0.0f, 0.0f, -0.0f, 0.5f, 0.0f};
    appendStabilityCircle(*d, s);
    const std::vector<PointListLine> lines = pointListLines(*d);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].frequency, "0.000 Hz   ");
    EXPECT_NE(lines[1].text.find("s11 = 0 / 0\u00B0; "), std::string::npos) << lines[1].text;
    EXPECT_NE(lines[1].text.find("s12 = 0.5 / 180\u00B0; "), std::string::npos);
    EXPECT_NE(lines[1].text.find("s21 = 0 / 0\u00B0; "), std::string::npos);
    EXPECT_EQ(lines[1].text.find("-180"), std::string::npos);
}

TEST(PointList, EntriesBeyondTheCountsShowNothing)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    d->history[1] = HistoryEntry::DataPoint; // no second point behind it
    d->history[2] = HistoryEntry::StabCircle;
    d->history[3] = HistoryEntry::EditElement;
    d->historyCount = 4;
    EXPECT_EQ(pointListLines(*d).size(), 1u);
}

// A lossy part's line says so after its frequency; an ideal one's is as it was.
TEST(PointList, LossyElementLinesCarryTheirLosses)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, -12.5, 2.4e9});
    Element l = element(ElementKind::IS, 1e-9);
    l.loss = {.q = 30, .qFrequency = 2.4e9, .qLaw = QLaw::Sqrt};
    appendElement(*d, l);
    appendElement(*d, element(ElementKind::RS, 5));
    Element stub = element(ElementKind::LPO, 0.1);
    stub.loss.lineDb = 0.25;
    appendElement(*d, stub);
    const std::vector<PointListLine> lines = pointListLines(*d);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].note, "");
    EXPECT_EQ(lines[1].note, "Q 30 @ 2.4 GHz (\u221D\u221Af)");
    EXPECT_EQ(lines[2].note, "");
    EXPECT_EQ(lines[3].note, "0.25 dB/\u03BB");
    EXPECT_EQ(lines[1].frequency, "2.400 GHz   ");
    const std::string clip = commentsText(*d);
    EXPECT_NE(clip.find("2.400 GHz   Q 30 @ 2.4 GHz (\u221D\u221Af)\r\nDP-Nr. 3 "), std::string::npos)
        << clip;
    EXPECT_NE(clip.find("2.400 GHz\r\nDP-Nr. 4 "), std::string::npos) << clip;
    EXPECT_TRUE(clip.ends_with("2.400 GHz   0.25 dB/\u03BB\r\n")) << clip;
}
