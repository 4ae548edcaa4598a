// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/touchstone.h"

#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>

using namespace zelvo;

namespace {

constexpr double pi = 3.14159265358979323846;

// One line of a file as written: frequency, then S11, S21, S12, S22 pairs.
struct FileLine {
    double f;
    double v[8];
};

struct Stored {
    double s11re, s11im, s12mag, s12ang, s21mag, s21ang, s22re, s22im;
};

// What the stored point must hold for a file line, worked out from the
// textbook forms (degrees -> radians with pi / 180, dB -> 10^(x/20)).
Stored expectedStorage(int format, const FileLine& l)
{
    const auto rect = [&](double a, double b) {
        if (format == 4)
            return std::pair{a, b};
        const double m = format == 2 ? std::pow(10.0, a / 20.0) : a;
        return std::pair{m * std::cos(b * pi / 180.0), m * std::sin(b * pi / 180.0)};
    };
    const auto polar = [&](double a, double b) {
        if (format == 4)
            return std::pair{std::hypot(a, b), std::atan2(b, a)};
        return std::pair{format == 2 ? std::pow(10.0, a / 20.0) : a, b * pi / 180.0};
    };
    const auto [s11re, s11im] = rect(l.v[0], l.v[1]);
    const auto [s21mag, s21ang] = polar(l.v[2], l.v[3]);
    const auto [s12mag, s12ang] = polar(l.v[4], l.v[5]);
    const auto [s22re, s22im] = rect(l.v[6], l.v[7]);
    return {s11re, s11im, s12mag, s12ang, s21mag, s21ang, s22re, s22im};
}

// Stored in floats; 2 pi is taken in single precision: a few 1e-7 relative.
void expectPoint(const SParamPoint& p, int format, const FileLine& l)
{
    const auto near = [](double expected, float actual, const char* what) {
        EXPECT_NEAR(actual, expected, 1e-6 * std::max(1.0, std::fabs(expected))) << what;
    };
    const Stored e = expectedStorage(format, l);
    near(l.f, p.frequency, "frequency");
    near(e.s11re, p.s11re, "s11re");
    near(e.s11im, p.s11im, "s11im");
    near(e.s12mag, p.s12mag, "s12mag");
    near(e.s12ang, p.s12ang, "s12ang");
    near(e.s21mag, p.s21mag, "s21mag");
    near(e.s21ang, p.s21ang, "s21ang");
    near(e.s22re, p.s22re, "s22re");
    near(e.s22im, p.s22im, "s22im");
}

SParamSet parse(const std::string& text)
{
    SParamSet set;
    set.sourceText = text;
    readTouchstone(set);
    return set;
}

std::filesystem::path tempPath(const std::string& name)
{
    return std::filesystem::path(testing::TempDir()) / ("zelvo_touchstone_" + name);
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct RealFile {
    int points, noise, exponent, format;
    float reference;
    FileLine first, last;
};

// Expectations read off each file's bytes: every point of the long files,
// keyword files in the column order they declare.
const std::map<std::string, RealFile>& realFiles()
{
    static const std::map<std::string, RealFile> files{
        {"BFU520_05V0_010mA_NF_SP.s2p",
         {37, 37, 6, 1, 50,
          {400, {0.54054, -99.54, 15.544, 120.57, 0.038417, 52.70, 0.64309, -42.41}},
          {2000, {0.46792, 162.95, 3.9265, 63.61, 0.086333, 52.11, 0.34252, -69.29}}}},
        {"NE02103.s2p",
         {9, 0, 6, 1, 50, {100, {.57, -91, 29.51, 136, .01, 65, .74, -33}},
          {4000, {.74, 120, 1.18, 9, .18, 39, .31, -130}}}},
        {"ntwk4_n.s2p",
         {301, 2, 0, 4, 50,
          {7e10, {0.3280940722, 0.6879919024, -0.4274772412, 0.1316788387, -0.4274772412,
                  0.1316788387, 0.05207756442, 0.5831461167}},
          {8.5e10, {0.3839231336, -0.4764927471, -0.01420727374, 0.4055242982, -0.01420727374,
                    0.4055242982, 0.2394784759, 0.1550678951}}}},
        {"F5P16C.S2P",
         {400, 0, 9, 1, 50,
          {0.05, {1.241584E-02, -15.284, 9.802298E-01, -0.830, 9.807546E-01, -0.717, 1.296189E-02,
                  -21.096}},
          {20.0, {2.297891E-01, -80.402, 9.174190E-01, -151.601, 9.197824E-01, -151.923,
                  2.361474E-01, -67.110}}}},
        {"waveguide.s2p",
         {1001, 0, 9, 2, 50, {33, {-30, 0, -4, 0, -4, 0, -30, 0}},
          {50, {-30, 0, -3.7, 0, -3.7, 0, -30, 0}}}},
        {"cable.s2p",
         {201, 0, 6, 1, 50,
          {0.0, {0.003577, 143.398806, 0.999994, -0.28581, 0.999994, -0.347998, 0.003577, 35.967387}},
          {20000.0, {0.0101550022635, 167.923928167, 0.883241000657, 19.9931490503,
                     0.883874999102, 20.0020872078, 0.0173709991593, -168.772294416}}}},
        {"tline.s2p",
         {21, 0, 6, 1, 42, {0, {0, 180, 1, 0, 1, 0, 0, 180}},
          {20000, {0, -90, 1, -72, 1, -72, 0, 90}}}},
        {"Clarity_example.S2P",
         {40, 0, 0, 4, 50,
          {5e7, {0.00160219470882917, 0.0101154610998783, 0.991131566425437, -0.113904171881998,
                 0.991131566425437, -0.113904171881998, 0.00160087857200664, 0.0101154783778725}},
          {2e9, {0.077057220348493, 0.0170271390214184, -0.185950118106995, 0.92781389114968,
                 -0.185950118106995, 0.92781389114968, 0.0759700190015521, 0.0238584286542158}}}},
        {"ntwk1.s2p",
         {91, 0, 9, 4, 50,
          {1, {0.0217920488, -0.151514165, 0.926746562, -0.170089428, 0.926746562, -0.170089428,
               0.0234769169, -0.121728077}},
          {10, {-0.779645363, -0.304914933, 0.119151023, -0.507725166, 0.119151023, -0.507725166,
                -0.667177736, -0.0670406733}}}},
        {"ind.s2p",
         {10, 0, 0, 1, 50,
          {1e9, {0.0653148384, 50.0207496, 0.960165474, -3.92693531, 0.960165474, -3.92693531,
                 0.0653148384, 50.0207496}},
          {1e10, {0.486845908, 47.6702706, 0.837708751, -38.0249956, 0.837708751, -38.0249956,
                  0.486845908, 47.6702706}}}},
        {"hfss_twoport.s2p",
         {101, 0, 9, 1, 50,
          {75, {0.00704607529970448, -86.1700776742048, 0.984080364193039, -108.439410263506,
                0.984080364196934, -108.439410263507, 0.00694751014337044, -85.9407145828164}},
          {110, {0.0138640586287806, -86.7045174007573, 0.97962531032928, -162.454697812905,
                 0.979625310330768, -162.454697812915, 0.0139996754078869, -88.7527832111119}}}},
        {"RS_ZVR_1.20_beta_f.s2p",
         {1, 0, 0, 2, 50,
          {1000, {-0.00001, -100.001, -0.00002, -0.00002, -0.0003, -0.00003, -0.00004, -100.004}},
          {1000, {-0.00001, -100.001, -0.00002, -0.00002, -0.0003, -0.00003, -0.00004, -100.004}}}},
        {"idealGain.cir.ts1.s2p",
         {11, 0, 0, 4, 50, {0, {0, 0, 5, 0, 0, 0, 0, 0}}, {1e5, {0, 0, 5, 0, 0, 0, 0, 0}}}},
        // Columns S11 S12 S21 S22 as [Two-Port Data Order] 12_21 says: the
        // same device as idealGain.cir.ts1, gain in S21.
        {"idealGain.cir.12_21.s2p",
         {11, 0, 0, 4, 50, {0, {0, 0, 5, 0, 0, 0, 0, 0}}, {1e5, {0, 0, 5, 0, 0, 0, 0, 0}}}},
        {"ylin-2port-sparam.cir.s2p",
         {11, 0, 0, 4, 50,
          {0, {-8.874907475939e-01, 0, 3.700962250197e-02, 0, 3.700962250197e-02, 0,
               -9.615099925981e-01, 0}},
          {1e6, {-8.872593941332e-01, 2.040066023535e-02, 3.700733164751e-02, -4.168461371925e-04,
                 3.700733164751e-02, -4.168461371927e-04, -9.615099948921e-01,
                 -3.140616639252e-07}}}},
    };
    return files;
}

std::filesystem::path touchstoneDir() { return std::filesystem::path(ZELVO_TESTDATA_DIR) / "touchstone"; }

} // namespace

TEST(TouchstoneRealFiles, EveryFileLoadsAsItsBytesAndTheReaderRulesSay)
{
    if (!std::filesystem::is_directory(touchstoneDir()))
        GTEST_SKIP() << "no test data at " << touchstoneDir();
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(touchstoneDir())) {
        const std::string name = entry.path().filename().string();
        const std::string ext = entry.path().extension().string();
        if (ext != ".s2p" && ext != ".S2P")
            continue;
        SCOPED_TRACE(name);
        const auto it = realFiles().find(name);
        ASSERT_NE(it, realFiles().end()) << "a new test file needs its expectations";
        const RealFile& e = it->second;

        SParamSet set;
        const LoadResult r = loadTouchstoneFile(set, entry.path().string());
        ASSERT_EQ(r.status, LoadStatus::Ok);
        EXPECT_FALSE(r.message.has_value());
        EXPECT_TRUE(set.loaded);
        EXPECT_EQ(set.fileName, entry.path().string());
        EXPECT_EQ(set.sourceLength(), static_cast<int>(std::filesystem::file_size(entry.path())));
        EXPECT_EQ(set.pointCount, e.points);
        EXPECT_EQ(set.noiseCount, e.noise);
        EXPECT_EQ(set.freqExponent, e.exponent);
        EXPECT_EQ(set.formatCode, e.format);
        EXPECT_EQ(set.referenceImpedance, e.reference);
        expectPoint(set.points[0], e.format, e.first);
        expectPoint(set.points[static_cast<std::size_t>(set.pointCount - 1)], e.format, e.last);
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(realFiles().size()));
}

TEST(TouchstoneRealFiles, NoiseBlockAndFiguresOfTheTransistor)
{
    const auto path = touchstoneDir() / "BFU520_05V0_010mA_NF_SP.s2p";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "no test data";
    SParamSet set;
    ASSERT_EQ(loadTouchstoneFile(set, path.string()).status, LoadStatus::Ok);
    const NoisePoint& first = set.noise[0];
    EXPECT_FLOAT_EQ(first.frequency, 400.0f);
    EXPECT_FLOAT_EQ(first.fmin, 0.9487f);
    EXPECT_FLOAT_EQ(first.gammaMag, 0.01215f);
    EXPECT_FLOAT_EQ(first.gammaAngleDeg, 134.27f);
    EXPECT_FLOAT_EQ(first.rn, 0.1159f);
    const NoisePoint& last = set.noise[36];
    EXPECT_FLOAT_EQ(last.frequency, 2000.0f);
    EXPECT_FLOAT_EQ(last.gammaAngleDeg, -175.16f);
    EXPECT_FLOAT_EQ(last.rn, 0.0906f);

    // First point by hand: S11 0.54054/-99.54, S21 15.544/120.57, S12 0.038417/52.70,
    // S22 0.64309/-42.41. Float storage: 1e-5 relative is ample.
    using C = std::complex<double>;
    const auto c = [](double m, double deg) { return std::polar(m, deg * pi / 180.0); };
    const C s11 = c(0.54054, -99.54), s21 = c(15.544, 120.57), s12 = c(0.038417, 52.70),
            s22 = c(0.64309, -42.41);
    const C d = s11 * s22 - s12 * s21;
    const double k = (1 - std::norm(s11) - std::norm(s22) + std::norm(d)) / (2 * std::abs(s12 * s21));
    EXPECT_NEAR(set.stabilityK[0], k, 1e-5 * std::fabs(k));
    EXPECT_LT(k, 1.0);
    EXPECT_TRUE(std::isnan(set.magDb[0])); // K < 1: no maximum available gain
    EXPECT_NEAR(set.msgDb[0], 10 * std::log10(15.544 / 0.038417), 1e-5);
}

TEST(TouchstoneRealFiles, GainOnlyInS21LeavesTheFiguresUndefined)
{
    const auto path = touchstoneDir() / "idealGain.cir.ts1.s2p";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "no test data";
    SParamSet set;
    ASSERT_EQ(loadTouchstoneFile(set, path.string()).status, LoadStatus::Ok);
    int checked = 0;
    for (int i = 0; i < set.pointCount; ++i, ++checked) {
        EXPECT_TRUE(std::isnan(set.stabilityK[static_cast<std::size_t>(i)]));
        EXPECT_TRUE(std::isnan(set.magDb[static_cast<std::size_t>(i)]));
        EXPECT_TRUE(std::isnan(set.msgDb[static_cast<std::size_t>(i)]));
    }
    EXPECT_EQ(checked, 11);
}

TEST(TouchstoneOptions, RiLineWithReference75)
{
    const SParamSet set =
        parse("# MHz S RI R 75\r\n1000 0.5 -0.2 3.1 1.2 0.02 0.01 -0.3 0.4\r\n");
    ASSERT_TRUE(set.loaded);
    EXPECT_EQ(set.freqExponent, 6);
    EXPECT_EQ(set.referenceImpedance, 75.0f);
    ASSERT_EQ(set.pointCount, 1);
    const SParamPoint& p = set.points[0];
    EXPECT_FLOAT_EQ(p.frequency, 1000.0f);
    EXPECT_FLOAT_EQ(p.s11re, 0.5f);
    EXPECT_FLOAT_EQ(p.s11im, -0.2f);
    EXPECT_FLOAT_EQ(p.s21mag, static_cast<float>(std::hypot(3.1, 1.2)));
    EXPECT_FLOAT_EQ(p.s21ang, static_cast<float>(std::atan2(1.2, 3.1)));
    EXPECT_FLOAT_EQ(p.s12mag, static_cast<float>(std::hypot(0.02, 0.01)));
    EXPECT_FLOAT_EQ(p.s12ang, static_cast<float>(std::atan2(0.01, 0.02)));
    EXPECT_FLOAT_EQ(p.s22re, -0.3f);
    EXPECT_FLOAT_EQ(p.s22im, 0.4f);
}

TEST(TouchstoneOptions, MissingItemsKeepTheDefaults)
{
    const std::string line = "1 0.5 0 1 0 0.1 0 0.5 0\r\n";
    SParamSet set = parse("# S \r\n# MHz S \r\n" + line);
    EXPECT_EQ(set.freqExponent, 6);
    EXPECT_EQ(set.formatCode, 1);
    EXPECT_EQ(set.referenceImpedance, 50.0f);
    set = parse("# S DB\r\n" + line);
    EXPECT_EQ(set.freqExponent, 9);
    EXPECT_EQ(set.formatCode, 2);
    // "R" with no number keeps the reference rather than setting 0 ohm.
    set = parse("# GHz S MA R x\r\n" + line);
    EXPECT_EQ(set.referenceImpedance, 50.0f);
    EXPECT_EQ(set.pointCount, 1);
}

TEST(TouchstoneOptions, LowerCaseIsRecognisedAndLaterLinesOverride)
{
    SParamSet set = parse("#hz s ma r 50\r\n1 0.5 0 1 0 0.1 0 0.5 0\r\n");
    EXPECT_TRUE(set.loaded);
    EXPECT_EQ(set.freqExponent, 0);
    set = parse("# MHz S RI R 75\r\n1 0.5 0 1 0 0.1 0 0.5 0\r\n# KHz S DB\r\n"
                "2 -6 0 0 90 -20 0 -6 0\r\n");
    EXPECT_EQ(set.freqExponent, 3);
    EXPECT_EQ(set.formatCode, 2);
    EXPECT_EQ(set.referenceImpedance, 75.0f);
    ASSERT_EQ(set.pointCount, 2);
    EXPECT_FLOAT_EQ(set.points[0].s11re, 0.5f); // read as RI
    EXPECT_NEAR(set.points[1].s11re, std::pow(10.0, -6.0 / 20.0), 1e-6); // as DB
    EXPECT_NEAR(set.points[1].s21ang, pi / 2, 1e-6);
}

TEST(TouchstoneOptions, BlankBeforeAndTabAfterTheSFailsRecognition)
{
    SParamSet set = parse("# GHz S\tMA R 50\r\n1 0.5 0 1 0 0.1 0 0.5 0\r\n");
    EXPECT_FALSE(set.loaded);
    EXPECT_EQ(set.pointCount, 0);
    set = parse("1 0.5 0 1 0 0.1 0 0.5 0\r\n");
    EXPECT_FALSE(set.loaded);
}

TEST(TouchstoneLines, FrequencyDropStartsTheNoiseBlock)
{
    const SParamSet set = parse("# GHz S MA R 50\r\n"
                                "1.0 0.5 0 2 0 0.1 0 0.5 0\r\n"
                                "2.0 0.5 0 2 0 0.1 0 0.5 0\r\n"
                                "2.0 0.4 0 2 0 0.1 0 0.5 0\r\n"   // equal: still S
                                "1.0 0.8 0.3 45 0.2 9 9 9 9\r\n"  // nine numbers, but noise
                                "3.0 0.9 0.4 90 0.3\r\n");        // later lines stay noise
    EXPECT_EQ(set.pointCount, 3);
    EXPECT_FLOAT_EQ(set.points[2].s11re, 0.4f);
    ASSERT_EQ(set.noiseCount, 2);
    EXPECT_FLOAT_EQ(set.noise[0].frequency, 1.0f);
    EXPECT_FLOAT_EQ(set.noise[0].fmin, 0.8f);
    EXPECT_FLOAT_EQ(set.noise[0].gammaMag, 0.3f);
    EXPECT_FLOAT_EQ(set.noise[0].gammaAngleDeg, 45.0f);
    EXPECT_FLOAT_EQ(set.noise[0].rn, 0.2f);
    EXPECT_FLOAT_EQ(set.noise[1].frequency, 3.0f);
}

TEST(TouchstoneLines, ShortNoiseLineFillsTheRestWithZero)
{
    SParamSet set;
    set.sourceText = "# GHz S MA R 50\r\n2 0.5 0 2 0 0.1 0 0.5 0\r\n1 0.8 0.3 45 0.2\r\n";
    ASSERT_TRUE(readTouchstone(set));
    // Same slot, shorter line: nothing of the previous read may remain.
    set.sourceText = "# GHz S MA R 50\r\n2 0.5 0 2 0 0.1 0 0.5 0\r\n1 0.7\r\n";
    ASSERT_TRUE(readTouchstone(set));
    ASSERT_EQ(set.noiseCount, 1);
    EXPECT_FLOAT_EQ(set.noise[0].fmin, 0.7f);
    EXPECT_EQ(set.noise[0].gammaMag, 0.0f);
    EXPECT_EQ(set.noise[0].gammaAngleDeg, 0.0f);
    EXPECT_EQ(set.noise[0].rn, 0.0f);
}

TEST(TouchstoneLines, EightNumbersFailTheWholeFileButKeepTheOptions)
{
    SParamSet set = parse("# MHz S RI R 75\r\n"
                          "1 0.5 0 1 0 0.1 0 0.5 0\r\n"
                          "2 0.5 0 1 0 0.1 0 0.5\r\n"
                          "3 0.5 0 1 0 0.1 0 0.5 0\r\n");
    EXPECT_FALSE(set.loaded);
    EXPECT_EQ(set.pointCount, 0);
    EXPECT_EQ(set.freqExponent, 6);
    EXPECT_EQ(set.referenceImpedance, 75.0f);
}

TEST(TouchstoneLines, OneSeparatorIsConsumedBetweenNumbers)
{
    // "0.5-0.2": reading resumes one character after 0.5 and loses the sign.
    const SParamSet set = parse("# GHz S RI R 50\r\n1 0.5-0.2 1 0 0.1 0 0.5 0\r\n");
    ASSERT_EQ(set.pointCount, 1);
    EXPECT_FLOAT_EQ(set.points[0].s11im, 0.2f);
    // Tabs and runs of blanks between numbers are fine.
    const SParamSet tabs = parse("#\tGHz\tS\tRI\n1\t0.5\t -0.2  1\t0\t0.1\t0\t0.5\t0\t\n");
    ASSERT_EQ(tabs.pointCount, 1);
    EXPECT_FLOAT_EQ(tabs.points[0].s11im, -0.2f);
}

TEST(TouchstoneLines, CommentsBlankLinesAndTrailingTextAreIgnored)
{
    const SParamSet set = parse("! header\r\n\r\n   ! indented comment\r\n# GHz S RI R 50\r\n"
                                "   \r\n\t\r\n1 0.5 0 1 0 0.1 0 0.5 0 ! note\r\n"
                                "[Keyword] 5\r\n2 0.5 0 1 0 0.1 0 0.5 0 extra 7 7\r\n");
    EXPECT_EQ(set.pointCount, 2);
    EXPECT_EQ(set.noiseCount, 0);
}

TEST(TouchstoneLines, LineEndsCrLfLfAndCrReadAlike)
{
    const std::string lines[] = {"! c", "# MHz S MA R 50", "1 0.5 10 2 20 0.1 30 0.4 40",
                                 "2 0.6 11 2 21 0.1 31 0.4 41", "1 1.5 0.2 30 0.1"};
    int checked = 0;
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const std::string& l : lines)
            text += l + end;
        const SParamSet set = parse(text);
        EXPECT_EQ(set.pointCount, 2) << checked;
        EXPECT_EQ(set.noiseCount, 1) << checked;
        EXPECT_FLOAT_EQ(set.points[1].s11re, static_cast<float>(0.6 * std::cos(11 * pi / 180)));
        ++checked;
    }
    EXPECT_EQ(checked, 3);
}

TEST(TouchstoneLines, EveryPointOfALongSweepIsRead)
{
    // 1601 points and a noise block behind them, frequencies that a float
    // would not keep (9 GHz + 1 Hz steps).
    std::string text = "# Hz S MA R 50\r\n";
    for (int i = 0; i < 1601; ++i)
        text += std::to_string(9000000001LL + i) + " 0.5 0 2 0 0.1 0 0.5 " + std::to_string(i % 90)
                + "\r\n";
    std::string noise;
    for (int i = 0; i < 300; ++i)
        noise += std::to_string(1000 + i) + " 1 0.5 0 0.1\r\n";
    SParamSet set = parse(text + noise);
    ASSERT_EQ(set.pointCount, 1601);
    EXPECT_EQ(set.points.size(), 1601u);
    EXPECT_EQ(set.muLoad.size(), 1601u);
    EXPECT_EQ(set.points[1600].frequency, 9000001601.0);
    EXPECT_EQ(set.points[0].frequency, 9000000001.0);
    EXPECT_NEAR(set.points[1600].s22im, 0.5 * std::sin(70 * pi / 180), 1e-6);
    ASSERT_EQ(set.noiseCount, 300);
    EXPECT_EQ(set.noise[299].frequency, 1299.0);

    // A failure after many good points keeps none of them.
    set = parse(text + "9999999999 0.5 0 2\r\n" + noise);
    EXPECT_EQ(set.pointCount, 0);
    EXPECT_EQ(set.points.size(), 0u);
    EXPECT_FALSE(set.loaded);
}

TEST(TouchstoneLines, FrequencyIsTheDecimalTheFileWrote)
{
    const SParamSet set = parse("# GHz S MA R 50\r\n9 0.5 0 2 0 0.1 0 0.5 0\r\n"
                                "9.000000001 0.5 0 2 0 0.1 0 0.5 0\r\n");
    ASSERT_EQ(set.pointCount, 2);
    EXPECT_EQ(set.points[0].frequency, 9.0);
    EXPECT_EQ(set.points[1].frequency, 9.000000001);
}

TEST(TouchstoneLines, LongLinesAreReadWhole)
{
    // Column-padded lines of 216 characters, as some simulators write them:
    // S22's angle starts at column 196, and in the second line past 200.
    const auto padded = [](const std::string& head, std::size_t column, const std::string& last) {
        std::string line = head + std::string(column - head.size(), ' ') + last;
        return line + std::string(216 - line.size(), ' ');
    };
    const std::string first = padded("1 0.1 0 1 0 0.1 0 0.5", 196, "-78.6");
    const std::string second = padded("2 0.1 0 1 0 0.1 0 0.5", 205, "-78.6");
    ASSERT_EQ(first.size(), 216u);
    // The option line too: its reference stands beyond column 200.
    const std::string option = "#" + std::string(210, ' ') + "GHz S MA R 75";
    const SParamSet set = parse(option + "\r\n" + first + "\r\n" + second + "\r\n");
    ASSERT_TRUE(set.loaded);
    ASSERT_EQ(set.pointCount, 2);
    EXPECT_EQ(set.referenceImpedance, 75.0f);
    for (const SParamPoint& p : set.points) {
        EXPECT_NEAR(p.s22re, 0.5 * std::cos(-78.6 * pi / 180), 1e-6);
        EXPECT_NEAR(p.s22im, 0.5 * std::sin(-78.6 * pi / 180), 1e-6);
    }
}

TEST(TouchstoneLines, FewerThanFourCharactersAfterTheLastBreakAreNotRead)
{
    const std::string head = "# GHz S MA R 50\r\n2 0.5 0 2 0 0.1 0 0.5 0\r\n";
    EXPECT_EQ(parse(head + "1 2").noiseCount, 0);
    EXPECT_EQ(parse(head + "1 2 ").noiseCount, 1);
    EXPECT_EQ(parse(head + "\r\n\r\n1 2").noiseCount, 0);
}

TEST(TouchstoneLines, ZeroAndNegativeFrequenciesAreKept)
{
    const SParamSet set = parse("# GHz S MA R 50\r\n-1 0.5 0 2 0 0.1 0 0.5 0\r\n"
                                "0 0.5 0 2 0 0.1 0 0.5 0\r\n");
    ASSERT_EQ(set.pointCount, 2);
    EXPECT_EQ(set.points[0].frequency, -1.0f);
    EXPECT_EQ(set.points[1].frequency, 0.0f);
}

TEST(TouchstoneLines, HugeValuesSaturateInsteadOfBecomingInfinite)
{
    const SParamSet set = parse("# GHz S RI R 50\r\n1e300 1e300 0 1e300 0 0.1 0 0.5 0\r\n");
    ASSERT_EQ(set.pointCount, 1);
    EXPECT_EQ(set.points[0].frequency, 1e300); // a double, as written
    EXPECT_EQ(set.points[0].s11re, FLOAT_BIG);
    EXPECT_TRUE(std::isfinite(set.points[0].s21mag));
}

TEST(TouchstoneFigures, StableAndPotentiallyUnstablePoints)
{
    // s11 = s22 = 0, s12 = 0.1, s21 = 2: K = 2.6, MAG = 20 * 0.2 = 4 (6.02 dB), MSG 20 (13.01 dB).
    SParamPoint p;
    p.s12mag = 0.1f;
    p.s21mag = 2.0f;
    PointFigures f = figuresOfMerit(p);
    EXPECT_NEAR(f.k, (1.0 + 0.04) / 0.4, 1e-6);
    EXPECT_NEAR(f.magDb, 10 * std::log10(4.0), 1e-5);
    EXPECT_NEAR(f.msgDb, 10 * std::log10(20.0), 1e-5);
    // s11 = 0.5, s12 = 0.5, s21 = 2: D = -1, K = (1 - 0.25 + 1) / 2 = 0.875 < 1, MSG = 4.
    p.s12mag = 0.5f;
    p.s11re = 0.5f;
    f = figuresOfMerit(p);
    EXPECT_NEAR(f.k, 0.875, 1e-6);
    EXPECT_TRUE(std::isnan(f.magDb));
    EXPECT_NEAR(f.msgDb, 10 * std::log10(4.0), 1e-6);
}

TEST(TouchstoneFigures, LosslessTwoPortKeepsItsMaximumGainDespiteFloatStorage)
{
    // s12 = s21 = 1, s22 = 0: D = -1 and K = 1 - |s11|^2 / 2, MAG = MSG = 1 (0 dB) at K = 1.
    SParamPoint p;
    p.s12mag = 1.0f;
    p.s21mag = 1.0f;
    p.s11re = 3e-4f; // K = 1 - 4.5e-8: storage noise
    PointFigures f = figuresOfMerit(p);
    EXPECT_LT(f.k, 1.0);
    EXPECT_NEAR(f.magDb, 0.0, 1e-9);
    p.s11re = 6.3e-4f; // K = 1 - 2e-7: more than float storage explains
    f = figuresOfMerit(p);
    EXPECT_TRUE(std::isnan(f.magDb));
    p.s11re = 0.01f; // K = 1 - 5e-5: really below 1
    f = figuresOfMerit(p);
    EXPECT_TRUE(std::isnan(f.magDb));
    EXPECT_NEAR(f.msgDb, 0.0, 1e-9);
}

TEST(TouchstoneFigures, NoMaximumAvailableGainBelowKOfOne)
{
    // |s11| = 2 and a tiny s12*s21: K = (1 - 4) / 2e-12, far below -1e8, where
    // K + sqrt(K^2 - 1) cancels to 0.
    SParamPoint p;
    p.s11re = 2.0f;
    p.s12mag = 1e-9f;
    p.s21mag = 1e-3f;
    PointFigures f = figuresOfMerit(p);
    EXPECT_LT(f.k, -1e8);
    EXPECT_TRUE(std::isnan(f.magDb));
    EXPECT_NEAR(f.msgDb, 60.0, 1e-4);
    // K = -2 would give a negative "gain" factor.
    p.s11re = 0.0f;
    p.s22re = 0.0f;
    p.s12mag = 0.5f;
    p.s21mag = 2.0f;
    p.s21ang = 3.14159265f; // s12 s21 = -1: D = 1, K = (1 + 1) / 2 = 1; push it down with s11
    p.s11re = 1.5f;        // K = (1 - 2.25 + 1) / 2 = -0.125
    f = figuresOfMerit(p);
    EXPECT_LT(f.k, 0.0);
    EXPECT_TRUE(std::isnan(f.magDb));
}

TEST(TouchstoneFigures, MissingTransmissionIsNotAvailable)
{
    SParamPoint p;
    p.s11re = 0.3f;
    p.s12mag = 0.1f; // s21 = 0: no K, and no gain in dB (not "0 dB")
    PointFigures f = figuresOfMerit(p);
    EXPECT_TRUE(std::isnan(f.k));
    EXPECT_TRUE(std::isnan(f.magDb));
    EXPECT_TRUE(std::isnan(f.msgDb));
    p.s12mag = 0.0f;
    p.s21mag = 2.0f;
    f = figuresOfMerit(p);
    EXPECT_TRUE(std::isnan(f.k));
    EXPECT_TRUE(std::isnan(f.magDb));
    EXPECT_TRUE(std::isnan(f.msgDb));
}

TEST(TouchstoneRobustness, ArbitraryBytesNeverReachOutsideTheText)
{
    // Mostly digits, separators and line ends, so that many lines parse.
    const std::string alphabet = "0123456789.-+eE \t\r\n!#SMAHZRIDB";
    std::mt19937 random(12345);
    int runs = 0;
    for (int n = 0; n < 400; ++n, ++runs) {
        std::string text = n % 2 ? "# GHz S RI R 50\n" : "";
        const std::size_t length = random() % 600;
        for (std::size_t i = 0; i < length; ++i)
            text += n % 5 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        const SParamSet set = parse(text);
        EXPECT_GE(set.pointCount, 0);
        EXPECT_EQ(set.validPoints(), set.pointCount);
        EXPECT_EQ(set.validNoise(), set.noiseCount);
        EXPECT_EQ(set.loaded, set.pointCount > 0);
    }
    EXPECT_EQ(runs, 400);
}

TEST(TouchstoneLoad, MissingFileKeepsThePreviousData)
{
    SParamSet set = parse("# GHz S MA R 50\r\n1 0.5 0 2 0 0.1 0 0.5 0\r\n");
    const std::string path = tempPath("does_not_exist.s2p").string();
    const LoadResult r = loadTouchstoneFile(set, path);
    EXPECT_EQ(r.status, LoadStatus::OpenFailed);
    ASSERT_TRUE(r.message.has_value());
    EXPECT_EQ(r.message->text,
              "Error while opening file '" + path + "'\n\rNo such file or directory.");
    EXPECT_EQ(r.message->title, "");
    EXPECT_EQ(r.message->icon, MessageIcon::Error);
    EXPECT_EQ(set.fileName, path); // the command has taken the new path
    EXPECT_EQ(set.pointCount, 1);
    EXPECT_TRUE(set.loaded);

    EXPECT_EQ(loadTouchstoneFile(set, testing::TempDir()).status, LoadStatus::OpenFailed);
    EXPECT_EQ(set.pointCount, 1);
}

TEST(TouchstoneLoad, BadFormatReplacesTheTextAndClearsTheSet)
{
    SParamSet set = parse("# GHz S MA R 50\r\n1 0.5 0 2 0 0.1 0 0.5 0\r\n");
    const auto path = tempPath("bad.s2p");
    writeFile(path, "# MHz S MA R 75\r\n! nothing\r\n");
    const LoadResult r = loadTouchstoneFile(set, path.string());
    EXPECT_EQ(r.status, LoadStatus::FormatError);
    ASSERT_TRUE(r.message.has_value());
    EXPECT_EQ(r.message->text, "Incorrect file format. Unable\n\rto read data.");
    EXPECT_EQ(r.message->title, "");
    EXPECT_EQ(set.pointCount, 0);
    EXPECT_FALSE(set.loaded);
    EXPECT_EQ(set.sourceText, readFile(path));
    EXPECT_EQ(set.referenceImpedance, 75.0f);
    EXPECT_EQ(sPlotWindowTitle(path.string()), "Zelvo-Chart, s-Plot - Mode    " + path.string());
    std::filesystem::remove(path);
}

TEST(TouchstoneLoad, GoodFileIsReadWhole)
{
    const auto path = tempPath("good.s2p");
    const std::string bytes = "! one\r\n# MHz S MA R 50\r\n100 0.5 10 2 20 0.1 30 0.4 40\r\n";
    writeFile(path, bytes);
    SParamSet set;
    EXPECT_EQ(loadTouchstoneFile(set, path.string()).status, LoadStatus::Ok);
    EXPECT_EQ(set.sourceText, bytes);
    EXPECT_EQ(set.sourceLength(), static_cast<int>(bytes.size()));
    EXPECT_TRUE(set.loaded);
    EXPECT_EQ(set.pointCount, 1);
    std::filesystem::remove(path);
}

TEST(TouchstoneOptions, ReferenceIsCheckedAsStored)
{
    // 1E-80 is positive as a double but 0 as the stored float.
    const std::string line = "1 0.5 0 1 0 0.1 0 0.5 0\r\n";
    for (const char* r : {"1E-80", "1E-40", "0", "-50"})
        EXPECT_EQ(parse(std::string("# GHz S MA R ") + r + "\r\n" + line).referenceImpedance,
                  50.0f)
            << r;
    EXPECT_EQ(parse("# GHz S MA R 1E-30\r\n" + line).referenceImpedance, 1e-30f);
}

namespace {

// The same device as a version 1 file (S11 S21 S12 S22 per line, RI).
const char* const version1Device = "# MHz S RI R 75\r\n"
                                   "100 0.11 0.011 21 2.1 0.12 0.012 0.22 0.022\r\n"
                                   "200 0.13 0.013 23 2.3 0.14 0.014 0.24 0.024\r\n"
                                   "50 1.5 0.3 45 0.5\r\n";

void expectSameDevice(const SParamSet& a, const SParamSet& b)
{
    ASSERT_EQ(a.pointCount, b.pointCount);
    ASSERT_EQ(a.noiseCount, b.noiseCount);
    EXPECT_EQ(a.freqExponent, b.freqExponent);
    EXPECT_EQ(a.referenceImpedance, b.referenceImpedance);
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        EXPECT_EQ(a.points[i].frequency, b.points[i].frequency);
        EXPECT_EQ(a.points[i].s11re, b.points[i].s11re);
        EXPECT_EQ(a.points[i].s12mag, b.points[i].s12mag) << "S12 taken from the wrong column";
        EXPECT_EQ(a.points[i].s21mag, b.points[i].s21mag);
        EXPECT_EQ(a.points[i].s21ang, b.points[i].s21ang);
        EXPECT_EQ(a.points[i].s22im, b.points[i].s22im);
        EXPECT_EQ(a.stabilityK[i], b.stabilityK[i]);
    }
    for (std::size_t i = 0; i < a.noise.size(); ++i) {
        EXPECT_EQ(a.noise[i].frequency, b.noise[i].frequency);
        EXPECT_EQ(a.noise[i].rn, b.noise[i].rn);
    }
}

} // namespace

TEST(TouchstoneKeywords, BothDataOrdersReadAsTheVersion1File)
{
    const SParamSet v1 = parse(version1Device);
    ASSERT_EQ(v1.pointCount, 2);
    ASSERT_EQ(v1.noiseCount, 1);
    // Keywords in mixed case, comments, blank lines, the data wrapped over
    // lines and a [Reference] on the next line. Version 2 gives rn in ohm:
    // 37.5 ohm at 75 ohm is the 0.5 of the version 1 file.
    const SParamSet order21 = parse("! made by hand\n[version] 2.0\n# MHz S RI R 50\n"
                                    "[Number of Ports] 2\n[TWO-PORT DATA ORDER] 21_12\n"
                                    "[Number of Frequencies] 2\n[Number of Noise Frequencies] 1\n"
                                    "[Reference]\n75 75\n\n[Network Data]\n"
                                    "100 0.11 0.011 21 2.1 ! S11 S21\n  0.12 0.012 0.22 0.022\n"
                                    "200 0.13 0.013 23 2.3 0.14 0.014 0.24 0.024\n"
                                    "[Noise Data]\n50 1.5 0.3 45 37.5\n[End]\n"
                                    "this text after [End] is not read\n");
    expectSameDevice(order21, v1);
    const SParamSet order12 = parse("[Version] 2.0\r\n# MHz S RI R 75\r\n[Number of Ports] 2\r\n"
                                    "[Two-Port Data Order] 12_21\r\n[Network Data]\r\n"
                                    "100 0.11 0.011 0.12 0.012 21 2.1 0.22 0.022\r\n"
                                    "200 0.13 0.013 0.14 0.014 23 2.3 0.24 0.024\r\n"
                                    "[Noise Data]\r\n50 1.5 0.3 45 37.5\r\n[End]\r\n");
    expectSameDevice(order12, v1);
    // A reciprocal device stored as its lower triangle: S11, S21, S22.
    const SParamSet lower = parse("[Version] 2.0\n# MHz S RI R 75\n[Number of Ports] 2\n"
                                  "[Matrix Format] Lower\n[Network Data]\n"
                                  "100 0.11 0.011 21 2.1 0.22 0.022\n[End]\n");
    ASSERT_EQ(lower.pointCount, 1);
    EXPECT_EQ(lower.points[0].s12mag, lower.points[0].s21mag);
    EXPECT_EQ(lower.points[0].s22re, 0.22f);
}

TEST(TouchstoneKeywords, FilesThatCannotBeReadSayWhy)
{
    const std::string head = "[Version] 2.0\n# GHz S MA R 50\n";
    const std::string data = "[Network Data]\n1 0.5 0 2 0 0.1 0 0.5 0\n[End]\n";
    const struct {
        std::string text;
        std::string says;
    } rows[] = {
        {head + "[Number of Ports] 4\n[Two-Port Data Order] 12_21\n" + data, "4 ports"},
        {head + "[Number of Ports] 2\n[Two-Port Data Order] 12_21\n[Mixed-Mode Order] D2,1 C2,1\n"
             + data, "Mixed-mode"},
        {head + "[Number of Ports] 2\n" + data, "[Two-Port Data Order]"},
        {head + "[Number of Ports] 2\n[Two-Port Data Order] 11_22\n" + data, "12_21 or 21_12"},
        {head + "[Number of Ports] 2\n[Two-Port Data Order] 12_21\n[Number of Frequencies] 3\n"
             + data, "says 3, but the file holds 1"},
        {head + "[Number of Ports] 2\n[Two-Port Data Order] 12_21\n[Reference] 50 75\n" + data,
         "different reference impedances"},
        {head + "[Number of Ports] 2\n[Two-Port Data Order] 12_21\n"
             "[Network Data]\n1 0.5 0 2 0 0.1 0 0.5\n", "inside the values"},
        {"[Version] 3.0\n" + data, "version '3.0'"},
    };
    int checked = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        SParamSet set;
        set.sourceText = row.text;
        std::string problem;
        EXPECT_FALSE(readTouchstone(set, &problem));
        EXPECT_NE(problem.find(row.says), std::string::npos) << problem;
        EXPECT_EQ(set.pointCount, 0);
        EXPECT_TRUE(set.points.empty());
        ++checked;
    }
    EXPECT_EQ(checked, 8);
}

TEST(TouchstoneKeywords, TheLoadMessageIsTheReasonWhereThereIsOne)
{
    const auto path = tempPath("four_port.s2p");
    writeFile(path, "[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 4\n");
    SParamSet set;
    const LoadResult r = loadTouchstoneFile(set, path.string());
    EXPECT_EQ(r.status, LoadStatus::FormatError);
    ASSERT_TRUE(r.message.has_value());
    EXPECT_NE(r.message->text.find("only two-port files"), std::string::npos);
    std::filesystem::remove(path);
}

TEST(TouchstoneNumbers, EveryWrittenDecimalReadsAsStrtodReadsIt)
{
    // The in-place fast path against the C library over the forms files use.
    std::mt19937_64 random(7);
    const char* const formats[] = {"%.17g", "%.6e", "%.3f", "%.12E", "%.0f", "%.20f", "%.9g"};
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        const double magnitude = std::pow(10.0, static_cast<double>(random() % 60) - 30.0);
        const double v = magnitude * static_cast<double>(random() % 1000000007) / 1e9;
        char number[80];
        std::snprintf(number, sizeof number, formats[i % 7], i % 3 ? v : -v);
        const SParamSet set = parse(std::string("# Hz S RI R 50\n") + number
                                    + " 0 0 1 0 0.5 0 0 0\n");
        ASSERT_EQ(set.pointCount, 1) << number;
        EXPECT_EQ(set.points[0].frequency, std::strtod(number, nullptr)) << number;
        ++checked;
    }
    EXPECT_EQ(checked, 4000);
}

TEST(TouchstoneOptions, DecibelsGiveLinearMagnitudesForEveryParameter)
{
    // By hand: 10^(-10/20) = 0.316227766, 10^(6/20) = 1.995262315,
    // 10^(-20/20) = 0.1, 10^(-3/20) = 0.707945784.
    const SParamSet set = parse("# GHz S DB R 50\r\n1 -10 30 6 45 -20 -60 -3 90\r\n");
    ASSERT_EQ(set.pointCount, 1);
    const SParamPoint& p = set.points[0];
    EXPECT_NEAR(p.s11re, 0.316227766 * std::cos(pi / 6), 1e-7);
    EXPECT_NEAR(p.s11im, 0.316227766 * std::sin(pi / 6), 1e-7);
    EXPECT_NEAR(p.s21mag, 1.995262315, 1e-6);
    EXPECT_NEAR(p.s21ang, pi / 4, 1e-6);
    EXPECT_NEAR(p.s12mag, 0.1, 1e-7);
    EXPECT_NEAR(p.s12ang, -pi / 3, 1e-6);
    EXPECT_NEAR(p.s22re, 0.0, 1e-7);
    EXPECT_NEAR(p.s22im, 0.707945784, 1e-7);
}

TEST(TouchstoneLoad, Version1NameGivesThePortCount)
{
    const std::string line = "# GHz S MA R 50\r\n1 0.5 0 2 0 0.1 0 0.5 0\r\n";
    const std::string onePort =
        "This is a one-port file; chart mode reads it with File, Import one-port data.";
    const struct {
        const char* name;
        const char* refusal; // nullptr: read as a two-port
    } rows[] = {
        {"amp.s2p", nullptr},
        {"AMP.S2P", nullptr},
        {"amp.txt", nullptr},
        {"amp.s", nullptr},
        {"amp.sxp", nullptr},
        {"amp.s1p", "one-port"},
        {"amp.S1P", "one-port"},
        {"amp.s3p", "The file describes 3 ports; only two-port files can be read here."},
        {"amp.s4p", "The file describes 4 ports; only two-port files can be read here."},
        {"amp.s12p", "The file describes 12 ports; only two-port files can be read here."},
    };
    int checked = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = tempPath(row.name);
        writeFile(path, line);
        SParamSet set;
        const LoadResult r = loadTouchstoneFile(set, path.string());
        if (!row.refusal) {
            EXPECT_EQ(r.status, LoadStatus::Ok);
            EXPECT_EQ(set.pointCount, 1);
        }
        else {
            EXPECT_EQ(r.status, LoadStatus::FormatError);
            EXPECT_EQ(set.pointCount, 0);
            ASSERT_TRUE(r.message);
            EXPECT_EQ(r.message->text,
                      row.refusal == std::string("one-port") ? onePort : row.refusal);
        }
        std::filesystem::remove(path);
        ++checked;
    }
    EXPECT_EQ(checked, 10);
    // A keyword file says its port count itself, whatever its name.
    const auto path = tempPath("keywords.s4p");
    writeFile(path, "[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                    "[Two-Port Data Order] 21_12\n[Network Data]\n1 0.5 0 2 0 0.1 0 0.5 0\n");
    SParamSet set;
    EXPECT_EQ(loadTouchstoneFile(set, path.string()).status, LoadStatus::Ok);
    std::filesystem::remove(path);
}

TEST(TouchstoneKeywords, NoiseResistanceInOhmIsNormalisedByTheReference)
{
    const std::string head = "[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                             "[Two-Port Data Order] 21_12\n";
    const std::string data = "[Network Data]\n2 0.5 0 2 0 0.1 0 0.5 0\n"
                             "[Noise Data]\n1 0.8 0.3 45 25\n[End]\n";
    SParamSet set = parse(head + data);
    ASSERT_EQ(set.noiseCount, 1);
    EXPECT_FLOAT_EQ(set.noise[0].rn, 0.5f); // 25 ohm at 50 ohm
    set = parse(head + "[Reference] 20 20\n" + data);
    ASSERT_EQ(set.noiseCount, 1);
    EXPECT_FLOAT_EQ(set.noise[0].rn, 1.25f);
    EXPECT_EQ(set.referenceImpedance, 20.0f);
    // A reference that could not divide is refused, not taken.
    for (const char* reference : {"0 0", "-50 -50", "1E-80 1E-80"}) {
        std::string problem;
        set.sourceText = head + "[Reference] " + reference + "\n" + data;
        EXPECT_FALSE(readTouchstone(set, &problem)) << reference;
        EXPECT_EQ(problem, "[Reference] needs one positive impedance per port.");
    }
}

TEST(TouchstoneKeywords, BareOptionLineTakesEveryDefault)
{
    const std::string rest = "[Number of Ports] 2\n[Two-Port Data Order] 12_21\n[Network Data]\n"
                             "1 0.5 90 0.1 0 2 0 0.5 0\n[End]\n";
    SParamSet set = parse("[Version] 2.1\n#\n" + rest);
    ASSERT_TRUE(set.loaded);
    EXPECT_EQ(set.freqExponent, 9);
    EXPECT_EQ(set.formatCode, 1);
    EXPECT_EQ(set.referenceImpedance, 50.0f);
    EXPECT_NEAR(set.points[0].s11im, 0.5, 1e-7);
    EXPECT_FLOAT_EQ(set.points[0].s21mag, 2.0f);
    // A parameter other than S is named in the refusal.
    std::string problem;
    set.sourceText = "[Version] 2.0\n# MHz Y RI\n" + rest;
    EXPECT_FALSE(readTouchstone(set, &problem));
    EXPECT_EQ(problem, "The file holds Y-parameters; only S-parameters can be read.");
}
