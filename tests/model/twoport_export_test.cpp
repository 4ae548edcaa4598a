// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/twoport_export.h"

#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

using namespace zelvo;

namespace {

using C = std::complex<double>;

C toStd(Complex z) { return {z.re, z.im}; }

// The textbook route, independent of the closed forms under test:
// Z = (I + S)(I - S)^-1, and H, Y, ABCD from Z.
struct M {
    C a, b, c, d;
};
M mul(const M& x, const M& y)
{
    return {x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c,
            x.c * y.b + x.d * y.d};
}
M inverse(const M& x)
{
    const C det = x.a * x.d - x.b * x.c;
    return {x.d / det, -x.b / det, -x.c / det, x.a / det};
}
M textbook(ParameterKind kind, const TwoPort& s)
{
    const M sm{toStd(s.s11), toStd(s.s12), toStd(s.s21), toStd(s.s22)};
    const M z = mul({1.0 + sm.a, sm.b, sm.c, 1.0 + sm.d}, inverse({1.0 - sm.a, -sm.b, -sm.c, 1.0 - sm.d}));
    const C dz = z.a * z.d - z.b * z.c;
    switch (kind) {
    case ParameterKind::Z: return z;
    case ParameterKind::Y: return inverse(z);
    case ParameterKind::H: return {dz / z.d, z.b / z.d, -z.c / z.d, 1.0 / z.d};
    case ParameterKind::A: return {z.a / z.c, dz / z.c, 1.0 / z.c, z.d / z.c};
    }
    return {};
}

void expectMatrix(const ParameterMatrix& m, const M& e, double tol)
{
    EXPECT_NEAR(m.p11.re, e.a.real(), tol);
    EXPECT_NEAR(m.p11.im, e.a.imag(), tol);
    EXPECT_NEAR(m.p12.re, e.b.real(), tol);
    EXPECT_NEAR(m.p12.im, e.b.imag(), tol);
    EXPECT_NEAR(m.p21.re, e.c.real(), tol);
    EXPECT_NEAR(m.p21.im, e.c.imag(), tol);
    EXPECT_NEAR(m.p22.re, e.d.real(), tol);
    EXPECT_NEAR(m.p22.im, e.d.imag(), tol);
}

// The set of the hand-made export files in tests/model/data.
SParamSet demoSet()
{
    SParamSet set;
    set.fileName = "/data/amp.s2p";
    set.freqExponent = 6;
    set.referenceImpedance = 50.0f;
    set.resizePoints(2);
    set.points[0] = {100.0f, 0.5f, -0.25f, 0.125f, 0.5f, 4.0f, 2.0f, 0.25f, 0.5f};
    set.points[1] = {1500.5f, -0.3f, 0.1f, 0.05f, -0.3f, 2.5f, 1.2f, 0.2f, -0.6f};
    set.loaded = true;
    return set;
}

const std::string demoSource = "! Amplifier XY\r\n!  bias 5 V\r\n\r\n# MHz S MA R 50\r\n"
                               "! after option\r\n";

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path dataDir() { return std::filesystem::path(__FILE__).parent_path() / "data"; }

std::filesystem::path scratchDir(const std::string& name)
{
    const auto dir = std::filesystem::path(testing::TempDir()) / ("zelvo_export_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

int filesIn(const std::filesystem::path& dir)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

} // namespace

TEST(ParameterConversions, AgreeWithTheMatrixRouteForGeneralTwoPorts)
{
    // S21 = 21 + j0.21 scaled down and S12 = 12 + j0.12 scaled down: a swap shows.
    const TwoPort ports[] = {
        {{0.3, -0.2}, {0.12, 0.012}, {2.1, 0.21}, {-0.1, 0.25}},
        {{-0.6, 0.1}, {0.05, -0.02}, {3.0, 1.5}, {0.4, -0.3}},
        {{0.1, 0.7}, {0.3, 0.1}, {0.6, -0.2}, {0.5, 0.5}},
    };
    int checked = 0;
    for (const TwoPort& s : ports) {
        for (ParameterKind kind : {ParameterKind::H, ParameterKind::Z, ParameterKind::Y, ParameterKind::A}) {
            SCOPED_TRACE(static_cast<char>(kind));
            // Both routes are double precision on well-conditioned matrices.
            expectMatrix(convertSParams(kind, s), textbook(kind, s), 1e-12);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 12);
}

TEST(ParameterConversions, SeriesAndShuntElementsByHand)
{
    // Series z = 2 (100 ohm): S11 = S22 = z/(z+2) = 0.5, S12 = S21 = 2/(z+2) = 0.5.
    const TwoPort series{{0.5, 0}, {0.5, 0}, {0.5, 0}, {0.5, 0}};
    ParameterMatrix h = toH(series);
    EXPECT_EQ(h.p11, Complex(2, 0));
    EXPECT_EQ(h.p12, Complex(1, 0));
    EXPECT_EQ(h.p21, Complex(-1, 0));
    EXPECT_EQ(h.p22.re, 0.0);
    const ParameterMatrix a = toA(series);
    EXPECT_EQ(a.p11, Complex(1, 0));
    EXPECT_EQ(a.p12, Complex(2, 0)); // B = z
    EXPECT_EQ(a.p21.re, 0.0);
    EXPECT_EQ(a.p22, Complex(1, 0));
    const ParameterMatrix y = toY(series);
    EXPECT_EQ(y.p11, Complex(0.5, 0)); // 1/z
    EXPECT_EQ(y.p12, Complex(-0.5, 0));
    // Not normalised at 50 ohm: B = 100 ohm, Y11 = 0.01 S, H11 = 100 ohm.
    EXPECT_DOUBLE_EQ(denormalise(ParameterKind::A, a, 50).p12.re, 100.0);
    EXPECT_DOUBLE_EQ(denormalise(ParameterKind::Y, y, 50).p11.re, 0.01);
    EXPECT_DOUBLE_EQ(denormalise(ParameterKind::H, h, 50).p11.re, 100.0);
    EXPECT_DOUBLE_EQ(denormalise(ParameterKind::H, h, 50).p12.re, 1.0);

    // Shunt y = 2: S11 = S22 = -y/(y+2) = -0.5, S12 = S21 = 0.5; Z all 1/y, ABCD C = y.
    const TwoPort shunt{{-0.5, 0}, {0.5, 0}, {0.5, 0}, {-0.5, 0}};
    const ParameterMatrix z = toZ(shunt);
    EXPECT_EQ(z.p11, Complex(0.5, 0));
    EXPECT_EQ(z.p12, Complex(0.5, 0));
    EXPECT_EQ(z.p21, Complex(0.5, 0));
    EXPECT_EQ(z.p22, Complex(0.5, 0));
    EXPECT_DOUBLE_EQ(denormalise(ParameterKind::Z, z, 50).p21.re, 25.0);
    EXPECT_EQ(toA(shunt).p21, Complex(2, 0));
    EXPECT_DOUBLE_EQ(denormalise(ParameterKind::A, toA(shunt), 50).p21.re, 0.04);
}

TEST(ParameterConversions, IdealThrough)
{
    const TwoPort through{{0, 0}, {1, 0}, {1, 0}, {0, 0}};
    const ParameterMatrix h = toH(through);
    EXPECT_EQ(h.p11.re, 0.0);
    EXPECT_EQ(h.p12, Complex(1, 0));
    EXPECT_EQ(h.p21, Complex(-1, 0));
    EXPECT_EQ(h.p22.re, 0.0);
    const ParameterMatrix a = toA(through);
    EXPECT_EQ(a.p11, Complex(1, 0));
    EXPECT_EQ(a.p12.re, 0.0);
    EXPECT_EQ(a.p21.re, 0.0);
    EXPECT_EQ(a.p22, Complex(1, 0));
    // Z and Y do not exist: the denominator is 0 and the values are not finite.
    EXPECT_FALSE(std::isfinite(toZ(through).p11.re));
    EXPECT_FALSE(std::isfinite(toY(through).p21.re));
}

TEST(ExportTexts, FourConversionsDifferOnlyInTheirLetter)
{
    struct Row {
        ParameterKind kind;
        const char* filter;
        const char* pattern;
        const char* title;
        const char* extension;
    };
    const Row rows[] = {
        {ParameterKind::H, "H-Parameter-Files (*.H2P)", "*.H2P", "Filename of H-Parameter-File to save", "H2P"},
        {ParameterKind::Z, "Z-Parameter-Files (*.Z2P)", "*.Z2P", "Filename of Z-Parameter-File to save", "Z2P"},
        {ParameterKind::Y, "Y-Parameter-Files (*.Y2P)", "*.Y2P", "Filename of Y-Parameter-File to save", "Y2P"},
        {ParameterKind::A, "A-Parameter-Files (*.A2P)", "*.A2P", "Filename of A-Parameter-File to save", "A2P"},
    };
    int checked = 0;
    for (const Row& r : rows) {
        const ExportTexts t = exportTexts(r.kind);
        EXPECT_EQ(t.filterName, r.filter);
        EXPECT_EQ(t.filterPattern, r.pattern);
        EXPECT_EQ(t.allFilesName, "All Files (*.*)");
        EXPECT_EQ(t.allFilesPattern, "*.*");
        EXPECT_EQ(t.dialogTitle, r.title);
        EXPECT_EQ(t.defaultExtension, r.extension);
        ++checked;
    }
    EXPECT_EQ(checked, 4);
    const DialogMessage ok = exportCreatedMessage(ParameterKind::Y, "/tmp/a.Y2P");
    EXPECT_EQ(ok.text, "Y-parameter-file '/tmp/a.Y2P' created");
    EXPECT_EQ(ok.title, "");
    EXPECT_EQ(ok.icon, MessageIcon::Information);
    EXPECT_EQ(ok.buttons, MessageButtons::OkCancel);
    const DialogMessage failed = exportOpenFailedMessage("/x/a.H2P");
    EXPECT_EQ(failed.text, "Error while opening file '/x/a.H2P'");
    EXPECT_EQ(failed.icon, MessageIcon::Exclamation);
    EXPECT_EQ(failed.buttons, MessageButtons::OkCancel);
}

TEST(ExportFile, MatchesTheHandMadeFilesByteForByte)
{
    // Written independently of this code (textbook matrix route, C printf).
    struct Row {
        ParameterKind kind;
        bool normalise;
        const char* file;
    };
    const Row rows[] = {
        {ParameterKind::H, true, "export_h_normalised.H2P"},
        {ParameterKind::Y, false, "export_y_not_normalised.Y2P"},
        {ParameterKind::A, false, "export_a_not_normalised.A2P"},
        {ParameterKind::Z, true, "export_z_normalised.Z2P"},
    };
    int checked = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        const std::string expected = readBytes(dataDir() / r.file);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(exportFileText(demoSet(), r.kind, r.normalise, demoSource), expected);
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(ExportFile, OptionLineUnitsAndNotes)
{
    SParamSet set = demoSet();
    set.pointCount = 0;
    struct Row {
        int exponent;
        const char* option;
    };
    const Row rows[] = {{0, "# Hz Z MA R 50.0\r\n"}, {3, "# kHz Z MA R 50.0\r\n"},
                        {6, "# MHz Z MA R 50.0\r\n"}, {9, "# GHz Z MA R 50.0\r\n"}, {7, "# 50.0\r\n"}};
    int checked = 0;
    for (const Row& r : rows) {
        set.freqExponent = r.exponent;
        // Not normalised still names the reference on the option line.
        const std::string text = exportFileText(set, ParameterKind::Z, false, "");
        EXPECT_NE(text.find("! Values not normalized\r\n!\r\n" + std::string(r.option)), std::string::npos)
            << r.exponent;
        ++checked;
    }
    EXPECT_EQ(checked, 5);
    set.freqExponent = 9;
    set.referenceImpedance = 75.0f;
    EXPECT_NE(exportFileText(set, ParameterKind::A, true, "").find(
                  "!\r\n!\r\n! Values normalized to 75.0 Ohm\r\n!\r\n# GHz A MA R 75.0\r\n"),
              std::string::npos);
}

TEST(ExportFile, UndefinedValuesAreWrittenAsTheFormatterPrintsThem)
{
    SParamSet set = demoSet();
    set.resizePoints(1);
    set.points[0] = {1.0f, 0, 0, 1.0f, 0, 1.0f, 0, 0, 0}; // ideal through
    const std::string text = exportFileText(set, ParameterKind::Z, true, "");
    const std::string row = text.substr(text.rfind("\r\n1.000") + 2);
    EXPECT_NE(row.find("nan"), std::string::npos);
    EXPECT_EQ(row.substr(row.size() - 2), "\r\n");
}

TEST(ExportFile, CopiesOnlyTheCommentLinesBeforeTheOptionLine)
{
    EXPECT_EQ(leadingComments("! a\r\n!b\r\n\r\nnot a comment\r\n# GHz S MA\r\n! late\r\n"),
              "! a\r\n!b\r\n");
    EXPECT_EQ(leadingComments("! lf\n! only\n#\n! late\n"), "! lf\r\n! only\r\n");
    EXPECT_EQ(leadingComments("! cr\r! only\r#\r"), "! cr\r\n! only\r\n");
    // Only a "#" in the first column stops the copy; an indented one does not.
    EXPECT_EQ(leadingComments("! a\r\n  # HZ S DB R 50\r\n! b\r\n"), "! a\r\n! b\r\n");
    EXPECT_EQ(leadingComments(" ! indented\r\n!x"), "!x\r\n");
    EXPECT_EQ(leadingComments(""), "");
}

TEST(ExportWrite, WritesTheFileAndReadsCommentsFromTheSource)
{
    const auto dir = scratchDir("write");
    SParamSet set = demoSet();
    set.fileName = (dir / "amp.s2p").string();
    std::ofstream(set.fileName, std::ios::binary) << demoSource;
    const auto out = dir / "amp.H2P";
    std::ofstream(out, std::ios::binary) << "old contents";

    const ExportResult r = exportTwoPortFile(set, ParameterKind::H, true, out.string());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.message, exportCreatedMessage(ParameterKind::H, out.string()));
    const std::string written = readBytes(out);
    EXPECT_EQ(written, exportFileText(set, ParameterKind::H, true, demoSource));
    EXPECT_NE(written.find("! Amplifier XY\r\n!  bias 5 V\r\n"), std::string::npos);
    EXPECT_EQ(filesIn(dir), 2); // no temporary file left behind

    // A source that has gone only loses the copied comments.
    std::filesystem::remove(set.fileName);
    ASSERT_TRUE(exportTwoPortFile(set, ParameterKind::H, true, out.string()).ok);
    EXPECT_EQ(readBytes(out), exportFileText(set, ParameterKind::H, true, ""));
}

TEST(ExportWrite, FailuresLeaveExistingFilesAlone)
{
    const auto dir = scratchDir("fail");
    const SParamSet set = demoSet();
    const auto missing = dir / "no_such_folder" / "x.Z2P";
    const ExportResult r = exportTwoPortFile(set, ParameterKind::Z, true, missing.string());
    EXPECT_FALSE(r.ok);
    const DialogMessage openFailed =
        withReason(exportOpenFailedMessage(missing.string()), "No such file or directory");
    EXPECT_EQ(r.message, openFailed);
    ASSERT_TRUE(probeExportTarget(missing.string()).has_value());
    EXPECT_EQ(*probeExportTarget(missing.string()), openFailed);
    EXPECT_FALSE(probeExportTarget((dir / "fine.Z2P").string()).has_value());
    EXPECT_EQ(filesIn(dir), 0);

    // The target is a folder: the finished file cannot replace it, and the
    // folder and its contents stay as they were.
    const auto target = dir / "busy.Z2P";
    std::filesystem::create_directory(target);
    std::ofstream(target / "keep.txt") << "keep";
    const ExportResult busy = exportTwoPortFile(set, ParameterKind::Z, true, target.string());
    EXPECT_FALSE(busy.ok);
    EXPECT_EQ(busy.message.text,
              "Error while opening file '" + target.string() + "'\n\rIs a directory.");
    EXPECT_EQ(readBytes(target / "keep.txt"), "keep");
    EXPECT_EQ(filesIn(dir), 1);
}

TEST(ExportFile, EveryValueOfEveryKindNormalisedOrNot)
{
    // S11 = 0.25 - j0.5, S12 = 0.125 at 0.5 rad, S21 = 3 at 2 rad,
    // S22 = -0.375 + j0.25 (all exact floats), Zo = 5 ohm so that values in
    // ohm and siemens stay well above the printed decimals. Expected values
    // worked with numpy from the matrices: Z = Zo (I + S)(I - S)^-1, Y = Z^-1,
    // H and ABCD from Z; magnitude and degrees of X11, X21, X12, X22.
    SParamSet set;
    set.fileName = "amp.s2p";
    set.freqExponent = 9;
    set.referenceImpedance = 5.0f;
    set.resizePoints(1);
    set.points[0] = {1.5, 0.25f, -0.5f, 0.125f, 0.5f, 3.0f, 2.0f, -0.375f, 0.25f};
    const struct {
        ParameterKind kind;
        bool normalise;
        double values[8];
    } rows[] = {
        {ParameterKind::H,
         true,
         {1.691244, -97.113666, 8.267638, -151.986197, 0.344485, -57.929866, 2.042818, -75.865200}},
        {ParameterKind::Z,
         true,
         {1.017219, -41.662637, 4.047174, 103.879004, 0.168632, 17.935334, 0.489520, 75.865200}},
        {ParameterKind::Y,
         true,
         {0.591281, 97.113666, 4.888495, -54.872531, 0.203687, -140.816201, 1.228676, -20.414172}},
        {ParameterKind::A,
         true,
         {0.251340, -145.541641, 0.247086, -103.879004, 0.204562, -125.127469, 0.120954,
          -28.013803}},
        {ParameterKind::H,
         false,
         {8.456221, -97.113666, 8.267638, -151.986197, 0.344485, -57.929866, 0.408564, -75.865200}},
        {ParameterKind::Z,
         false,
         {5.086093, -41.662637, 20.235869, 103.879004, 0.843161, 17.935334, 2.447600, 75.865200}},
        {ParameterKind::Y,
         false,
         {0.118256, 97.113666, 0.977699, -54.872531, 0.040737, -140.816201, 0.245735, -20.414172}},
        {ParameterKind::A,
         false,
         {0.251340, -145.541641, 0.049417, -103.879004, 1.022810, -125.127469, 0.120954,
          -28.013803}},
    };
    int checked = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(1, static_cast<char>(row.kind)) +
                     (row.normalise ? " normalised" : " in ohm and siemens"));
        const std::string text = exportFileText(set, row.kind, row.normalise, "");
        const std::size_t at = text.rfind("\r\n1.500  ");
        ASSERT_NE(at, std::string::npos);
        std::istringstream line(text.substr(at + 2));
        double frequency = 0;
        line >> frequency;
        EXPECT_EQ(frequency, 1.5);
        for (int i = 0; i < 8; ++i) {
            double printed = 0;
            ASSERT_TRUE(line >> printed) << i;
            // Printed with three or four decimals.
            EXPECT_NEAR(printed, row.values[i], 6e-4) << (i % 2 ? "angle " : "magnitude ") << i / 2;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 64);
}
