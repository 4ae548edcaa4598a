// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "core/format.h"
#include "core/numeric.h"
#include "core/tuning.h"
#include "model/design_file.h"
#include "model/file_io.h"
#include "model/value_rules.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <random>
#include <tuple>

using namespace zelvo;
using namespace zelvo::test;
namespace fs = std::filesystem;

namespace {

const char* smallExample =
    "[DATAPOINTS]\r\nNR=1\r\nSTART=1\r\nR=0,25\r\nX=0,-10\r\nF=0,1E+09\r\n\r\n"
    "[Z0]\r\nZ0=50\r\n\r\n[HISTORY]\r\nNR=1\r\nTYP=0,DATAPOINT\r\n";

// Values whose position reveals a swapped pair (S21 = 21 + j0.21, ...),
// S11 and S22 scaled into the unit circle as the two-port dialog wants them.
StoredSParams orderRevealing()
{
    return {0.11f, 0.011f, 12.f, 0.12f, 21.f, 0.21f, 0.22f, 0.022f};
}

// Every section, every element kind, every recorded history kind.
std::unique_ptr<Design> everySection()
{
    auto d = emptyDesign();
    d->z0 = 75.5f;
    appendDataPoint(*d, {25, -10, 1e9});
    appendDataPoint(*d, {1234.5678, 98765.4321, 2.45e9});
    appendDataPoint(*d, {0.001, 0, 1.23456789e-12});
    const ElementKind kinds[] = {
        ElementKind::CS,  ElementKind::LS,  ElementKind::RS, ElementKind::IS, ElementKind::CP,
        ElementKind::LPS, ElementKind::LPO, ElementKind::RP, ElementKind::IP, ElementKind::TR};
    // Each value in the range its dialog accepts: picofarads, nanohenries.
    double v = 0.1;
    for (ElementKind k : kinds) {
        const double unit = k == ElementKind::CS || k == ElementKind::CP   ? 1e-11
                            : k == ElementKind::IS || k == ElementKind::IP ? 1e-8
                                                                           : 1.0;
        appendElement(*d, element(k, v * unit, 60.0f, 2.2f));
        v += 0.013;
    }
    appendElement(*d, rlcElement(ElementKind::RlcSeries, 5, 10e-9, 2.2e-12));
    appendElement(*d, rlcElement(ElementKind::RlcParallel, 50, 3.3e-9, 4.7e-12));
    d->qCircles[0] = 1.5f;
    d->qCircles[1] = 3.0f;
    d->qCount = 2;
    d->vswrCircles[0] = 2.0f;
    d->vswrCount = 1;
    StabilityCircleRecord s;
    s.plane = CirclePlane::Output;
    s.stableSide = StableSide::Outside;
    s.k = 0.615f;
    s.s = orderRevealing();
    appendStabilityCircle(*d, s);
    s.plane = CirclePlane::Input;
    s.stableSide = StableSide::Inside;
    s.k = FLOAT_BIG;
    appendStabilityCircle(*d, s);
    GainCircleRecord g;
    g.plane = CirclePlane::Output;
    g.p = 10.0f;
    g.g = FLOAT_BIG;
    g.s = orderRevealing();
    appendGainCircle(*d, g);
    NoiseCircleRecord n;
    n.nfMin = 1.2;
    n.gammaOpt = {0.3, -0.4};
    n.rn = 0.15;
    n.nf = 2.5;
    appendNoiseCircle(*d, n);
    runWideband(*d);
    return d;
}

std::string readBack(Design& d, const std::string& text, int expect = designFileOk)
{
    std::string problem;
    EXPECT_EQ(readDesignText(d, text, &problem), expect) << problem;
    return designFileText(d);
}

fs::path scratchDir(const std::string& name)
{
    const fs::path dir = fs::path(::testing::TempDir()) / ("zelvo_design_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string fileText(const fs::path& p)
{
    return readWholeFile(p.string()).value_or("<missing>");
}

} // namespace

TEST(DesignFileWrite, SmallExampleByteForByte)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {25, -10, 1e9});
    EXPECT_EQ(designFileText(*d), smallExample);
}

TEST(DesignFileWrite, EmptyDesignHasOnlyZ0AndHistory)
{
    auto d = emptyDesign();
    EXPECT_EQ(designFileText(*d), "[Z0]\r\nZ0=50\r\n\r\n[HISTORY]\r\nNR=0\r\n");
}

TEST(DesignFileWrite, SectionsKeysAndFormatsInOrder)
{
    auto d = everySection();
    const std::string t = designFileText(*d);
    const char* inOrder[] = {
        "[DATAPOINTS]\r\nNR=3\r\nSTART=1\r\nR=0,25\r\nX=0,-10\r\nF=0,1E+09\r\nR=1,1234.57\r\n"
        "X=1,98765.4\r\nF=1,2.45E+09\r\nR=2,0.001\r\nX=2,0\r\nF=2,1.23457E-12\r\n\r\n[WIDEBAND]\r\n"
        "WIDEBAND=TRUE\r\nR=0,",
        "\r\n\r\n[Z0]\r\nZ0=75.5\r\n\r\n[ELEMENTS]\r\nNR=12\r\nTYP=0,CS\r\nVAL=0,1E-12\r\n"
        "RBEGIN=0,25\r\nXBEGIN=0,-10\r\nREND=0,25\r\nXEND=0,",
        "TYP=1,LS\r\nVAL=1,0.113\r\nIMP=1,60\r\nER=1,2.2\r\nRBEGIN=1,",
        "TYP=10,RLC "
        "SERIES\r\nRLC_RESISTOR=10,5\r\nRLC_INDUCTIVITY=10,1E-08\r\nRLC_CAPACITY=10,2.2E-12\r\n"
        "RBEGIN=10,",
        "TYP=11,RLC PARALLEL\r\n",
        "\r\n\r\n[Q]\r\nNR=2\r\nQ=0,1.5\r\nQ=1,3\r\n\r\n[VSWR]\r\nNR=1\r\nVSWR=0,2\r\n\r\n"
        "[STABILITY]\r\nNR=2\r\nTYP=0,OUTPUT\r\nSTABLE=0,OUTSIDE\r\nK=0,0.615\r\nS11RE=0,0.11\r\n"
        "S11IM=0,0.011\r\nS12RE=0,12\r\nS12IM=0,0.12\r\nS21RE=0,21\r\nS21IM=0,0.21\r\n"
        "S22RE=0,0.22\r\nS22IM=0,0.022\r\nTYP=1,INPUT\r\nSTABLE=1,INSIDE\r\nK=1,3.40282E+38\r\n",
        "[GAIN]\r\nNR=1\r\nTYP=0,OUTPUT\r\nP=0,10\r\nG=0,3.40282E+38\r\nS11RE=0,0.11\r\n",
        "[NOISE]\r\nNR=1\r\nNFMIN=0,1.2\r\nRNF_MIN=0,0.3,-0.4\r\nR=0,0.15\r\nNF=0,2.5\r\n\r\n"
        "[HISTORY]\r\nNR=20\r\nTYP=0,DATAPOINT\r\nTYP=1,DATAPOINT\r\nTYP=2,DATAPOINT\r\nTYP=3,"
        "ELEMENT\r\n",
        "TYP=15,STAB_CYRCLE\r\nTYP=16,STAB_CYRCLE\r\nTYP=17,GAIN_CYRCLE\r\nTYP=18,NOISE_CYRCLE\r\n"
        "TYP=19,WIDEBAND\r\n",
    };
    std::size_t at = 0;
    int found = 0;
    for (const char* piece : inOrder) {
        const std::size_t next = t.find(piece, at);
        ASSERT_NE(next, std::string::npos) << "missing after offset " << at << ":\n" << piece;
        at = next + 1;
        ++found;
    }
    EXPECT_EQ(found, 9);
    EXPECT_EQ(t.find("TYP=20,"), std::string::npos); // the last entry is at 19
    EXPECT_TRUE(t.ends_with("TYP=19,WIDEBAND\r\n"));
}

TEST(DesignFileWrite, EditEntriesAndLimitsOfTheHistory)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::RS, 1));
    editElementValue(*d, 0, 2);
    editDataPoint(*d, 0, {60, 0, 1e9});
    appendElement(*d, element(ElementKind::RS, 1));
    const std::string t = designFileText(*d);
    // The point edit keeps its index but gets no line.
    EXPECT_NE(
        t.find("[HISTORY]\r\nNR=5\r\nTYP=0,DATAPOINT\r\nTYP=1,ELEMENT\r\nTYP=2,EDIT_ELEMENT\r\n"
               "TYP=4,ELEMENT\r\n"),
        std::string::npos);
}

TEST(DesignFileWrite, NonFiniteValuesNeverReachTheFile)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {std::numeric_limits<double>::quiet_NaN(),
                         -std::numeric_limits<double>::infinity(), 0});
    const std::string t = designFileText(*d);
    EXPECT_NE(t.find("R=0,0\r\nX=0,-1.79769E+308\r\nF=0,0\r\n"), std::string::npos);
    auto zero = emptyDesign();
    appendDataPoint(*zero, {50, 0, 0});
    appendDataPoint(*zero, {50, 0, 1e9});
    for (ElementKind k : {ElementKind::CS, ElementKind::IP, ElementKind::LS, ElementKind::LPS})
        appendElement(*zero, element(k, 0.1));
    runWideband(*zero);
    const std::string z = designFileText(*zero);
    EXPECT_EQ(z.find("INF"), std::string::npos);
    EXPECT_EQ(z.find("NAN"), std::string::npos);

    // A shunt R on a real-axis point ends at X = -0: the file says 0.
    auto axis = emptyDesign();
    appendDataPoint(*axis, {50, 0, 1e9});
    appendElement(*axis, element(ElementKind::RP, 100));
    const std::string a = designFileText(*axis);
    EXPECT_NE(a.find("XEND=0,0\r\n"), std::string::npos);
    EXPECT_EQ(a.find("-0\r\n"), std::string::npos);
}

TEST(DesignFileRead, SmallExampleInBothExponentWidths)
{
    std::string threeDigits = smallExample;
    threeDigits.replace(threeDigits.find("1E+09"), 5, "1E+009");
    for (const std::string& text : {std::string(smallExample), threeDigits}) {
        auto d = emptyDesign();
        ASSERT_EQ(readDesignText(*d, text), designFileOk);
        EXPECT_EQ(d->dataPointCount, 1);
        EXPECT_EQ(d->startPoint, 1);
        EXPECT_EQ(d->dataPoints[0].f, 1e9);
        EXPECT_EQ(d->dataPoints[0].x, -10);
        EXPECT_EQ(d->currentPoint, Complex(25, -10));
        EXPECT_EQ(d->historyCount, 1);
        EXPECT_EQ(d->historyTop, 1);
        EXPECT_EQ(designFileText(*d), smallExample);
    }
}

TEST(DesignFileRead, RoundTripOfEverySection)
{
    auto d = everySection();
    const std::string first = designFileText(*d);
    auto r = emptyDesign();
    const std::string second = readBack(*r, first);
    // One save rounds every double to six digits; after that the text is stable.
    EXPECT_EQ(second, first);
    EXPECT_EQ(r->dataPoints[2].f, 1.23457e-12);
    EXPECT_EQ(r->dataPoints[1].x, 98765.4);
    EXPECT_EQ(r->z0, 75.5f);
    EXPECT_EQ(r->elementCount, 12);
    EXPECT_EQ(r->elements[11].kind, ElementKind::RlcParallel);
    EXPECT_EQ(r->elements[9].kind, ElementKind::TR);
    EXPECT_EQ(r->elements[6].lineEr, 2.2f);
    EXPECT_EQ(r->elements[10].rlcC, 2.2e-12);
    const StabilityCircleRecord& s = r->stabilityCircles[0];
    EXPECT_EQ(s.plane, CirclePlane::Output);
    EXPECT_EQ(s.stableSide, StableSide::Outside);
    EXPECT_EQ(s.s.s21re, 21.f);
    EXPECT_EQ(s.s.s12im, 0.12f);
    // The "no value" marker survives its six-digit text.
    EXPECT_EQ(r->stabilityCircles[1].k, FLOAT_BIG);
    EXPECT_EQ(r->gainCircles[0].g, FLOAT_BIG);
    EXPECT_EQ(r->gainCircles[0].p, 10.0f);
    EXPECT_EQ(r->noiseCircles[0].gammaOpt, Complex(0.3, -0.4));
    EXPECT_TRUE(r->widebandDone);
    EXPECT_EQ(r->widebandR[0], std::stod(formatG(d->widebandR[0])));
    EXPECT_EQ(r->historyCount, 20);
    EXPECT_EQ(r->history[17], HistoryEntry::GainCircle);
    EXPECT_FALSE(r->modified);
}

TEST(DesignFileRead, CaseLineEndsAndSemicolons)
{
    const char* variants[] = {
        "[datapoints]\nnr=1\nstart=1\nr=0,25\nx=0,-10\nf=0,1e+009\n\n[z0]\nz0=75.5\n\n[history]"
        "\nnr=1\ntyp=0,datapoint\n",
        "[DATAPOINTS]\rNR=1\rSTART=1\rR=0,25\rX=0,-10\rF=0,1E+09\r[Z0]\rZ0=75.5\r[HISTORY]\rNR="
        "1\rTYP=0,DATAPOINT",
        "[DataPoints];Nr=1;Start=1;R=0,25;X=0,-10;F=0,1E9;[Z0];Z0=75.5;[History];NR=1;TYP=0,"
        "DataPoint",
    };
    int read = 0;
    for (const char* text : variants) {
        auto d = emptyDesign();
        ASSERT_EQ(readDesignText(*d, text), designFileOk) << text;
        EXPECT_EQ(d->dataPointCount, 1);
        EXPECT_EQ(d->dataPoints[0].r, 25);
        EXPECT_EQ(d->dataPoints[0].x, -10);
        EXPECT_EQ(d->dataPoints[0].f, 1e9);
        EXPECT_EQ(d->z0, 75.5f);
        EXPECT_EQ(d->history[0], HistoryEntry::DataPoint);
        ++read;
    }
    EXPECT_EQ(read, 3);
}

TEST(DesignFileRead, HeaderCounterDecidesAcceptance)
{
    struct Case {
        const char* text;
        int result;
    } cases[] = {
        {"[Z0]\r\nZ0=50\r\n", designFileNotADesign},
        {"[Z0]\r\n[HISTORY]\r\n[HISTORY]\r\n", designFileNotADesign},
        {"[Z0]\r\nZ0=60\r\n[Z0]\r\n", designFileOk},
        {"[Z0][HISTORY]\r\n", designFileOk}, // one line holding both
        {"", designFileNotADesign},
    };
    for (const Case& c : cases) {
        auto d = emptyDesign();
        EXPECT_EQ(readDesignText(*d, c.text), c.result) << c.text;
    }
    // What was read stays in the refused design.
    auto d = emptyDesign();
    EXPECT_EQ(readDesignText(*d, "[Z0]\r\nZ0=60\r\n"), designFileNotADesign);
    EXPECT_EQ(d->z0, 60.0f);
}

TEST(DesignFileRead, UndoneActionsAreNotSavedAndRedoOnlyBeeps)
{
    auto d = emptyDesign();
    for (int i = 0; i < 5; ++i)
        appendDataPoint(*d, {10.0 + i, 0, 1e9});
    undoLast(*d);
    undoLast(*d);
    const std::string t = designFileText(*d);
    EXPECT_NE(t.find("[HISTORY]\r\nNR=3\r\n"), std::string::npos);
    auto r = emptyDesign();
    readBack(*r, t);
    EXPECT_EQ(r->historyCount, 3);
    EXPECT_FALSE(redoNext(*r));
}

TEST(DesignFileRead, EditEntriesAndGapsAreRemovedInOrder)
{
    auto d = emptyDesign();
    readDesignText(
        *d, "[DATAPOINTS]\r\nNR=1\r\n[ELEMENTS]\r\nNR=1\r\n[Q]\r\nNR=1\r\n[VSWR]\r\nNR=1\r\n"
            "[Z0]\r\n[HISTORY]\r\nNR=7\r\nTYP=0,DATAPOINT\r\nTYP=1,EDIT_ELEMENT\r\n"
            "TYP=2,ELEMENT\r\nTYP=3,EDIT_ELEMENT\r\nTYP=5,Q_ELLIPSE\r\nTYP=6,VSWR_CYRCLE\r\n");
    // Index 4 (a point edit, which has no keyword) is a gap.
    ASSERT_EQ(d->historyCount, 4);
    EXPECT_EQ(d->historyTop, 4);
    EXPECT_EQ(d->history[0], HistoryEntry::DataPoint);
    EXPECT_EQ(d->history[1], HistoryEntry::Element);
    EXPECT_EQ(d->history[2], HistoryEntry::QEllipse);
    EXPECT_EQ(d->history[3], HistoryEntry::VswrCircle);
}

TEST(DesignFileRead, KeysInTheirSectionsOnly)
{
    auto d = emptyDesign();
    readDesignText(
        *d, "R=0,99\r\n[GAIN]\r\nNR=1\r\nP=0,10\r\nG=0,15\r\nTYP=0,INPUT\r\n[Z0]\r\nZ0=60\r\n"
            "[WIDEBAND]\r\nWIDEBAND=FALSE\r\nR=3,7\r\nX=3,8\r\n[HISTORY]\r\n");
    EXPECT_EQ(d->dataPoints[0].r, 0); // before any header
    EXPECT_EQ(d->gainCircles[0].p, 10.0f);
    EXPECT_EQ(d->gainCircles[0].g, 15.0f);
    EXPECT_EQ(d->gainCircles[0].plane, CirclePlane::Input);
    EXPECT_EQ(d->z0, 60.0f);
    EXPECT_FALSE(d->widebandDone);
    EXPECT_EQ(d->widebandR[3], 7);
    EXPECT_EQ(d->widebandX[3], 8);
}

TEST(DesignFileRead, CountsAndIndicesBeyondTheArraysAreClippedOrSkipped)
{
    std::string text = "[DATAPOINTS]\r\nNR=100000\r\nSTART=400\r\nR=150,5\r\nR=-1,5\r\n"
                       "R=99999999999999,5\r\nR=149,7\r\nX=0,1E+999\r\nF=0,-1E+999\r\n"
                       "[ELEMENTS]\r\nNR=-3\r\nTYP=150,CS\r\n[Q]\r\nNR=31\r\nQ=30,1\r\n"
                       "[HISTORY]\r\nNR=9999\r\nTYP=600,ELEMENT\r\nTYP=0,DATAPOINT\r\n[Z0]\r\n";
    text += "R=0,1;" + std::string(250, ' ') + "\r\n"; // one long line
    auto d = emptyDesign();
    // The points the file leaves empty have no frequency, so the design is
    // refused; what was read stays for the caller all the same.
    ASSERT_EQ(readDesignText(*d, text), designFileBadValue);
    EXPECT_EQ(d->dataPointCount, Design::pointCapacity);
    EXPECT_EQ(d->startPoint, Design::pointCapacity);
    EXPECT_EQ(d->dataPoints[149].r, 7);
    EXPECT_EQ(d->dataPoints[0].x, DOUBLE_BIG);
    EXPECT_EQ(d->dataPoints[0].f, -DOUBLE_BIG);
    EXPECT_EQ(d->elementCount, 0);
    EXPECT_EQ(d->qCount, Design::qCapacity);
    EXPECT_EQ(d->historyCount, 1); // 9999 clipped, then every untyped index dropped
}

TEST(DesignFileRead, LinesUpTo206CharactersAreTaken)
{
    const std::string limit = "R=0," + std::string(200, '0') + "12"; // 206 characters
    const std::string over = "X=0,3" + std::string(202, ' ');        // 207 characters
    auto d = emptyDesign();
    readDesignText(*d, "[DATAPOINTS]\r\nNR=1\r\n" + limit + "\r\n" + over +
                           "\r\nX=0,4\r\n[Z0]\r\n[HISTORY]\r\n");
    EXPECT_EQ(d->dataPoints[0].r, 12);
    EXPECT_EQ(d->dataPoints[0].x, 4);
}

TEST(DesignFileRead, MutatedFilesNeverLeaveTheArrays)
{
    const std::string base = designFileText(*everySection());
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> pos(0, base.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    const char digits[] = "-0123456789=,;\r\n9999999";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof digits - 2);
    auto d = emptyDesign();
    int runs = 0;
    for (; runs < 400; ++runs) {
        std::string t = base;
        for (int m = 0; m < 20; ++m)
            t[pos(rng)] = m % 2 ? static_cast<char>(byte(rng)) : digits[pick(rng)];
        readDesignText(*d, t);
        ASSERT_LE(d->dataPointCount, Design::pointCapacity);
        ASSERT_LE(d->historyCount, Design::historyCapacity);
        ASSERT_LE(d->historyTop, Design::historyCapacity);
        ASSERT_GE(d->elementCount, 0);
        // Undo of whatever was read stays inside the arrays too.
        while (undoLast(*d)) {
        }
    }
    EXPECT_EQ(runs, 400);
}

TEST(DesignFileFiles, WriteReadAndFailuresKeepThePreviousFile)
{
    const fs::path dir = scratchDir("files");
    auto d = everySection();
    const fs::path good = dir / "design.zvc";
    ASSERT_EQ(writeDesignFile(*d, good.string()), designFileOk);
    auto r = emptyDesign();
    r->fileName = "kept";
    ASSERT_EQ(readDesignFile(*r, good.string()), designFileOk);
    EXPECT_EQ(r->fileName, "kept");
    EXPECT_EQ(r->elementCount, 12);

    // A name too long for the temporary file: the write fails, the old file stays.
    const fs::path longName = dir / (std::string(240, 'n') + ".zvc");
    {
        std::ofstream(longName) << "previous";
    }
    EXPECT_EQ(writeDesignFile(*d, longName.string()), designFileCannotWrite);
    EXPECT_EQ(fileText(longName), "previous");

    EXPECT_EQ(writeDesignFile(*d, (dir / "missing" / "x.zvc").string()), designFileCannotWrite);
    EXPECT_EQ(writeDesignFile(*d, dir.string()), designFileCannotWrite);
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        leftovers += entry.path().filename().string().starts_with(".");
    EXPECT_EQ(leftovers, 0);

    EXPECT_EQ(readDesignFile(*r, (dir / "none.zvc").string()), designFileCannotOpen);
    EXPECT_EQ(r->elementCount, 12); // unchanged
}

TEST(DesignFileFiles, OverwriteFollowsLinksAndKeepsPermissions)
{
    const fs::path dir = scratchDir("links");
    const fs::path real = dir / "real.zvc";
    {
        std::ofstream(real) << "old";
    }
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.zvc", dir / "link.zvc");
    auto d = emptyDesign();
    ASSERT_EQ(writeDesignFile(*d, (dir / "link.zvc").string()), designFileOk);
    EXPECT_TRUE(fs::is_symlink(dir / "link.zvc"));
    EXPECT_EQ(fileText(real), designFileText(*d));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(DesignFileRead, ReferenceImpedanceIsCheckedAsStored)
{
    // The Zo dialog's range, on the stored float: 8E-80 is positive as a
    // double but 0 as a float, and 0.0009999 must not round up into the range.
    for (const char* z0 : {"8E-80", "1E-40", "0", "-50", "1E-30", "0.0009999", "1000001"}) {
        auto d = emptyDesign();
        std::string problem;
        EXPECT_EQ(readDesignText(*d, "[Z0]\r\nZ0=" + std::string(z0) + "\r\n[HISTORY]\r\nNR=0\r\n",
                                 &problem),
                  designFileBadValue)
            << z0;
        EXPECT_NE(problem.find("key \"Z0\""), std::string::npos) << problem;
    }
    for (const char* z0 : {"0.001", "1E+06", "75.5"}) {
        auto d = emptyDesign();
        readBack(*d, "[Z0]\r\nZ0=" + std::string(z0) + "\r\n[HISTORY]\r\nNR=0\r\n");
        EXPECT_EQ(d->z0, std::stof(z0));
    }
}

TEST(DesignFileWrite, NegativeZeroIsWrittenAsZero)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::RP, 100));
    d->elements[0].xEnd = -0.0;
    d->elements[0].xBegin = -0.0;
    const std::string t = designFileText(*d);
    EXPECT_NE(t.find("XBEGIN=0,0\r\n"), std::string::npos);
    EXPECT_NE(t.find("XEND=0,0\r\n"), std::string::npos);
    EXPECT_EQ(t.find("-0\r\n"), std::string::npos);
}

TEST(DesignFileRead, HistoryBeyondTheCountsIsDropped)
{
    // 1 point but 3 point entries, 1 Q contour but 2 entries: redo after undo
    // must never bring back a slot that holds nothing.
    auto d = emptyDesign();
    readBack(*d, "[DATAPOINTS]\r\nNR=1\r\nSTART=1\r\nR=0,25\r\nX=0,-10\r\nF=0,1E+09\r\n"
                 "[Z0]\r\nZ0=50\r\n[Q]\r\nNR=1\r\nQ=0,2\r\n[HISTORY]\r\nNR=6\r\n"
                 "TYP=0,DATAPOINT\r\nTYP=1,Q_ELLIPSE\r\nTYP=2,DATAPOINT\r\nTYP=3,WIDEBAND\r\n"
                 "TYP=4,DATAPOINT\r\nTYP=5,Q_ELLIPSE\r\n");
    EXPECT_EQ(d->historyCount, 3);
    EXPECT_EQ(d->historyTop, 3);
    EXPECT_EQ(d->history[0], HistoryEntry::Wideband);
    EXPECT_EQ(d->history[1], HistoryEntry::DataPoint);
    EXPECT_EQ(d->history[2], HistoryEntry::QEllipse);
    while (undoLast(*d)) {
    }
    while (redoNext(*d)) {
    }
    EXPECT_EQ(d->dataPointCount, 1);
    EXPECT_EQ(d->qCount, 1);
    EXPECT_EQ(d->dataPoints[0].r, 25.0);
}

namespace {

// One data point, a capacitor, an RLC group and a line (element 3), and one
// of each contour and circle: every value as the dialogs would take it.
std::string validDesignText()
{
    auto d = emptyDesign();
    d->z0 = 50.0f;
    appendDataPoint(*d, {25, -10, 1e9});
    appendElement(*d, element(ElementKind::CS, 1e-12));
    appendElement(*d, rlcElement(ElementKind::RlcSeries, 5, 1e-8, 2e-12));
    appendElement(*d, element(ElementKind::LS, 0.1, 60.0f, 2.5f));
    d->qCircles[0] = 2.0f;
    d->qCount = 1;
    d->vswrCircles[0] = 1.5f;
    d->vswrCount = 1;
    StabilityCircleRecord s;
    s.s = {0.5f, -0.25f, 0.05f, 0.01f, 2.5f, 1.0f, 0.25f, 0.5f};
    appendStabilityCircle(*d, s);
    GainCircleRecord g;
    g.p = 10.0f;
    g.g = 12.0f;
    g.s = s.s;
    appendGainCircle(*d, g);
    NoiseCircleRecord n{1.25, {0.25, 0.5}, 0.15, 2.5};
    appendNoiseCircle(*d, n);
    return designFileText(*d);
}

} // namespace

TEST(DesignFileRead, ValuesTheDialogsWouldRefuseAreRefusedByName)
{
    const std::string valid = validDesignText();
    {
        auto d = emptyDesign();
        readBack(*d, valid);
    }
    const struct {
        const char* line; // as written for the valid design
        const char* edited;
        const char* says;
    } rows[] = {
        {"F=0,1E+09", "F=0,0",
         "Data point 1, key \"F\" (index 0): 0 is outside the accepted range (> 0 and <= 1E+12)"},
        {"F=0,1E+09", "F=0,2E+12", "Data point 1, key \"F\""},
        {"IMP=2,60", "IMP=2,0",
         "Element 3, key \"IMP\" (index 2): 0 is outside the accepted range (> 0 and <= 1E+06)"},
        {"IMP=2,60", "IMP=2,1E-50", "Element 3, key \"IMP\""}, // 0 as a float
        {"IMP=2,60", "IMP=2,2E+06", "Element 3, key \"IMP\""},
        {"ER=2,2.5", "ER=2,0", "Element 3, key \"ER\""},
        {"ER=2,2.5", "ER=2,1001", "Element 3, key \"ER\""},
        {"VAL=2,0.1", "VAL=2,-0.1", "Element 3, key \"VAL\""},
        {"VAL=0,1E-12", "VAL=0,0.001", // above the 100 uF of a series capacitor
         "Element 1, key \"VAL\" (index 0): 0.001 is outside the accepted range (> 0 and <= "
         "0.0001)"},
        {"RLC_CAPACITY=1,2E-12", "RLC_CAPACITY=1,0", "Element 2, key \"RLC_CAPACITY\""},
        {"RLC_RESISTOR=1,5", "RLC_RESISTOR=1,-5", "Element 2, key \"RLC_RESISTOR\""},
        {"TYP=0,CS", "TYP=0,XY", "Element 1, key \"TYP\" (index 0): the element kind is missing"},
        {"[Q]\r\nNR=1\r\nQ=0,2", "[Q]\r\nNR=1\r\nQ=0,0.001", "Q contour 1, key \"Q\""},
        {"VSWR=0,1.5", "VSWR=0,0.5", "VSWR contour 1, key \"VSWR\""},
        {"S11RE=0,0.5", "S11RE=0,2", "Stability circle 1, key \"S11RE, S11IM\""},
        {"S21RE=0,2.5", "S21RE=0,2E+04", "Stability circle 1, key \"S21RE, S21IM\""},
        {"P=0,10", "P=0,101", "Gain circle 1, key \"P\""},
        {"NFMIN=0,1.25", "NFMIN=0,0", "Noise circle 1, key \"NFMIN\""},
        {"NF=0,2.5", "NF=0,1", "Noise circle 1, key \"NF\""}, // below NFmin
        {"\r\nR=0,0.15\r\n", "\r\nR=0,0\r\n", "Noise circle 1, key \"R\""},
        {"RNF_MIN=0,0.25,0.5", "RNF_MIN=0,0.9,0.9", "Noise circle 1, key \"RNF_MIN\""},
        {"Z0=50", "Z0=0",
         "Zo, key \"Z0\": 0 is outside the accepted range (>= 0.001 and <= 1E+06)"},
    };
    int checked = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edited);
        std::string text = valid;
        const std::size_t at = text.find(row.line);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, std::string_view(row.line).size(), row.edited);
        auto d = emptyDesign();
        std::string problem;
        EXPECT_EQ(readDesignText(*d, text, &problem), designFileBadValue);
        EXPECT_EQ(problem.find(row.says), 0u) << problem;
        ++checked;
    }
    EXPECT_EQ(checked, 22);
}

TEST(DesignFileRead, EveryValueTheDialogsAcceptReadsBack)
{
    // Values at the ends of every range, and random ones inside, written with
    // six digits: the rounding must never push one out of its range.
    std::mt19937 rng(19);
    const auto logUniform = [&](double low, double high) {
        low = std::max(low, 1e-300);
        high = std::min(high, 1e300);
        std::uniform_real_distribution<double> e(std::log(low), std::log(high));
        return std::clamp(std::exp(e(rng)), low, high);
    };
    const auto edge = [&](double low, double high, int pick) {
        return pick == 0 ? low : pick == 1 ? high : logUniform(low, high);
    };
    const ElementKind kinds[] = {
        ElementKind::CS, ElementKind::LS,  ElementKind::RS,        ElementKind::IS,
        ElementKind::CP, ElementKind::LPS, ElementKind::LPO,       ElementKind::RP,
        ElementKind::IP, ElementKind::TR,  ElementKind::RlcSeries, ElementKind::RlcParallel};
    const float justAboveQMin = std::nextafter(static_cast<float>(qContourMin), 1.0f);
    std::uniform_real_distribution<double> angle(-std::numbers::pi, std::numbers::pi);
    int designs = 0;
    for (; designs < 60; ++designs) {
        const int pick = designs % 3;
        auto d = emptyDesign();
        d->z0 = pick == 0 ? minReferenceImpedance : pick == 1 ? maxReferenceImpedance : 75.5f;
        d->dataPoints[0] = {25, -10, edge(std::numeric_limits<double>::denorm_min(), 1e12, pick)};
        d->dataPointCount = 1;
        for (ElementKind k : kinds) {
            Element e;
            e.kind = k;
            for (ElementPart part :
                 {ElementPart::Value, ElementPart::R, ElementPart::L, ElementPart::C}) {
                const PartRange r = acceptedRange(k, part);
                setPartValue(e, part, edge(r.low, r.high, pick));
            }
            e.lineImpedance = static_cast<float>(edge(1e-30, lineImpedanceLimit.max, pick));
            e.lineEr = static_cast<float>(edge(1e-30, permittivityLimit.max, pick));
            d->elements[static_cast<std::size_t>(d->elementCount++)] = e;
        }
        d->qCircles[0] =
            pick == 0 ? justAboveQMin : static_cast<float>(edge(qContourMin, qContourMax, pick));
        d->qCount = 1;
        d->vswrCircles[0] = static_cast<float>(edge(vswrContourMin, vswrContourMax, pick));
        d->vswrCount = 1;
        // Moduli of exactly 1 and 1E4, as the polar fields of the dialog give them.
        const auto polar = [&](double m) {
            const double a = angle(rng);
            return std::pair{static_cast<float>(m * std::cos(a)),
                             static_cast<float>(m * std::sin(a))};
        };
        StabilityCircleRecord s;
        std::tie(s.s.s11re, s.s.s11im) = polar(1.0);
        std::tie(s.s.s12re, s.s.s12im) = polar(maxTransmission);
        std::tie(s.s.s21re, s.s.s21im) = polar(maxTransmission);
        std::tie(s.s.s22re, s.s.s22im) = polar(1.0);
        d->stabilityCircles[0] = s;
        d->stabilityCount = 1;
        GainCircleRecord g;
        g.p = static_cast<float>(pick == 0 ? -maxDecibels : maxDecibels);
        g.s = s.s;
        d->gainCircles[0] = g;
        d->gainCount = 1;
        const double nfMin = edge(1e-30, maxDecibels, pick);
        const auto [gr, gi] = polar(1.0);
        d->noiseCircles[0] = {nfMin,
                              {gr, gi},
                              edge(1e-30, maxNoiseResistance / minReferenceImpedance, pick),
                              edge(nfMin, maxDecibels, pick)};
        d->noiseCount = 1;

        auto r = emptyDesign();
        std::string problem;
        ASSERT_EQ(readDesignText(*r, designFileText(*d), &problem), designFileOk)
            << "design " << designs << ": " << problem;
    }
    EXPECT_EQ(designs, 60);
}
