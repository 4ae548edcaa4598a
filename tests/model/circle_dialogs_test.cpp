// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/circle_dialogs.h"

#include "core/number_text.h"
#include "core/numeric.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace zelvo;

namespace {

constexpr double pi = 3.14159265358979323846;

TwoPortFields cartesianFields(std::array<std::string, 8> text)
{
    return {std::move(text), 0u};
}

const FieldError* errorOf(const auto& result) { return std::get_if<FieldError>(&result); }

void expectError(const FieldError* e, const std::string& text, const std::string& title, int field)
{
    ASSERT_NE(e, nullptr) << "expected: " << text;
    EXPECT_EQ(e->message.text, text);
    EXPECT_EQ(e->message.title, title);
    EXPECT_EQ(e->message.icon, MessageIcon::Error);
    EXPECT_EQ(e->field, field);
}

const std::string formatMessage = "Incorrect number format.\n\rUse exponential form only.";
const std::string tooLarge = "Number too large.\n\rUse values between -1E308 and 1E308.";

} // namespace

TEST(TwoPortDialog, OpensWithTheRememberedTransistorInPolarForm)
{
    const TwoPortDialogMemory memory;
    const TwoPortFields f = twoPortFieldTexts(memory);
    // Worked out by hand: |s11| = 0.641, arg -171.3 deg, ...
    const std::array<std::string, 8> expected{"6.41E-01", "-1.71E+02", "5.70E-02", "1.63E+01",
                                              "5.89E+00", "9.60E+00",  "5.72E-01", "-9.57E+01"};
    EXPECT_EQ(f.text, expected);
    EXPECT_EQ(f.polarMask, 0xFu);
    EXPECT_EQ(fieldLabels(true)[1], "angel [\u00B0]");
    EXPECT_EQ(fieldLabels(false)[0], "re");

    TwoPortDialogMemory cartesian;
    cartesian.polarMask = 0b0101; // s11 and s21 polar
    const TwoPortFields c = twoPortFieldTexts(cartesian);
    EXPECT_EQ(c.text[S12First], "5.47E-02");
    EXPECT_EQ(c.text[S12Second], "1.60E-02");
    EXPECT_EQ(c.text[S22Second], "-5.69E-01");
}

TEST(TwoPortDialog, AcceptsPolarAndCartesianEntries)
{
    TwoPortFields f{{"0.5", "90", "0.1", "-45", "2", "1", "0.3", "-0.4"}, 0b0011};
    const auto r = validateTwoPort(f);
    ASSERT_EQ(errorOf(r), nullptr);
    const TwoPort t = std::get<TwoPort>(r);
    // 90 degrees with pi taken as 3.1415927: cos is -4.6e-9, hence 1e-7.
    EXPECT_NEAR(t.s11.re, 0.0, 1e-7);
    EXPECT_NEAR(t.s11.im, 0.5, 1e-12);
    EXPECT_NEAR(t.s12.re, 0.1 / std::sqrt(2.0), 1e-8);
    EXPECT_NEAR(t.s12.im, -0.1 / std::sqrt(2.0), 1e-8);
    EXPECT_EQ(t.s21, Complex(2, 1));   // cartesian, no limit on s21
    EXPECT_EQ(t.s22, Complex(0.3, -0.4));
    // Exponent form and 1e-3 are numbers; the remembered values read back.
    const TwoPortDialogMemory memory;
    const auto back = validateTwoPort(twoPortFieldTexts(memory));
    ASSERT_EQ(errorOf(back), nullptr);
    EXPECT_NEAR(std::get<TwoPort>(back).s21.re, memory.s.s21.re, 0.02); // 3 digits shown
}

TEST(TwoPortDialog, ChecksFieldsInOrderWithTheirMessages)
{
    // s11's second field is wrong and s12 is wrong too: s11 comes first.
    expectError(errorOf(validateTwoPort(cartesianFields({"0.1", "0.2q", "x", "0", "1", "0", "0", "0"}))),
                formatMessage, "ERROR", S11Second);
    // s11 out of range is reported before s12 is read.
    expectError(errorOf(validateTwoPort(cartesianFields({"0.8", "0.7", "x", "0", "1", "0", "0", "0"}))),
                "Absolute value must be <=1", "ERROR", S11First);
    expectError(errorOf(validateTwoPort(cartesianFields({"0", "0", "0.5x", "0", "1", "0", "0", "0"}))),
                formatMessage, "ERROR", S12First);
    expectError(errorOf(validateTwoPort(cartesianFields({"0", "0", "0", "0", "1", "0", "1", "0.1"}))),
                "Absolute value must be <=1", "ERROR", S22First);
    TwoPortFields polar{{"1.01", "0", "0", "0", "1", "0", "0", "0"}, allPolar};
    expectError(errorOf(validateTwoPort(polar)), "Value must be >= 0 and <=1", "ERROR", S11First);
    polar.text[S11First] = "-0.1";
    expectError(errorOf(validateTwoPort(polar)), "Value must be >= 0 and <=1", "ERROR", S11First);
    polar.text[S11First] = "1";
    polar.text[S22First] = "2";
    expectError(errorOf(validateTwoPort(polar)), "Value must be >= 0 and <=1", "ERROR", S22First);
    polar.text[S22First] = "1e-3";
    EXPECT_EQ(errorOf(validateTwoPort(polar)), nullptr);
    // Transmission up to 80 dB; beyond, the circle records' floats overflow.
    const char* range = "Absolute value must lie in the range between 0 and 1E4";
    polar.text[S21First] = "1e39";
    expectError(errorOf(validateTwoPort(polar)), range, "ERROR", S21First);
    polar.text[S21First] = "1e4";
    EXPECT_EQ(errorOf(validateTwoPort(polar)), nullptr);
    expectError(errorOf(validateTwoPort(cartesianFields({"0", "0", "8000", "-8000", "1", "0", "0", "0"}))),
                range, "ERROR", S12First);
}

TEST(TwoPortDialog, AnglesBeyondTheDoubleRangeAreRefusedAndHugeOnesStayFinite)
{
    // "1e999" used to become NaN parts: K vanished and the design saved 0, 0.
    const char* tooLarge = "Number too large.\n\rUse values between -1E308 and 1E308.";
    for (int field : {S11Second, S12Second, S21Second, S22Second}) {
        TwoPortFields polar{{"0.5", "10", "0.05", "20", "5", "30", "0.5", "40"}, allPolar};
        polar.text[static_cast<std::size_t>(field)] = "1e999";
        expectError(errorOf(validateTwoPort(polar)), tooLarge, "ERROR", field);
        polar.text[static_cast<std::size_t>(field)] = "-1e308";
        const auto r = validateTwoPort(polar);
        ASSERT_EQ(errorOf(r), nullptr);
        const TwoPort& t = std::get<TwoPort>(r);
        for (Complex s : {t.s11, t.s12, t.s21, t.s22})
            EXPECT_TRUE(std::isfinite(s.re) && std::isfinite(s.im));
    }
    // Angles within a turn keep the conversion they always had.
    const auto r = validateTwoPort({{"1", "400", "0", "0", "1", "0", "0", "0"}, allPolar});
    EXPECT_NEAR(std::get<TwoPort>(r).s11.re, std::cos(40.0 * pi / 180.0), 1e-6);
}

TEST(TwoPortDialog, ReadsNineteenCharactersAField)
{
    TwoPortFields f = cartesianFields({"0.5", "0", "0", "0", "1", "0", "0", "0"});
    f.text[S11First] = "0.5" + std::string(16, '0') + "x"; // x is the 20th character
    EXPECT_EQ(errorOf(validateTwoPort(f)), nullptr);
    f.text[S11First] = "0.5" + std::string(15, '0') + "x";
    expectError(errorOf(validateTwoPort(f)), formatMessage, "ERROR", S11First);
    f.text[S11First] = "0.5 "; // a blank after the number is left over too
    expectError(errorOf(validateTwoPort(f)), formatMessage, "ERROR", S11First);
}

TEST(TwoPortDialog, ImportNeedsALoadedFileAndShowsThePointInPolarForm)
{
    SParamSet set;
    const auto refusal = importUnavailable(set);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text, "No s-Parameter file opened.\n\rFirst change to s-Plot and open a file!");
    EXPECT_EQ(refusal->title, "");
    EXPECT_EQ(refusal->icon, MessageIcon::Error);
    set.loaded = true;
    EXPECT_FALSE(importUnavailable(set).has_value());

    SParamPoint p;
    p.s11re = 0.0f;
    p.s11im = 0.5f;
    p.s21mag = 2.0f;
    p.s21ang = static_cast<float>(pi / 2);
    p.s12mag = 0.05f;
    p.s12ang = static_cast<float>(-pi / 4);
    p.s22re = -0.3f;
    p.s22im = 0.4f;
    const TwoPortFields f = importedTwoPortFields(p);
    const std::array<std::string, 8> expected{"0.50000", "90.00",   "0.05000", "-45.00",
                                              "2.00000", "90.00",   "0.50000", "126.87"};
    EXPECT_EQ(f.text, expected);
    EXPECT_EQ(f.polarMask, allPolar);
}

TEST(TwoPortDialog, ImportedValuesTooLongForTheFieldStillReadBackExactly)
{
    // |S21| = 1e20 as "%.5f" is 27 characters; the field reads 19.
    SParamPoint p;
    p.s11re = 0.25f;
    p.s21mag = 1e20f;
    p.s21ang = 3.0e18f; // radians: a huge angle in degrees too
    p.s12mag = 1.2345678e-3f;
    const TwoPortFields f = importedTwoPortFields(p);
    for (const std::string& t : f.text)
        EXPECT_LE(t.size(), twoPortFieldChars) << t;
    EXPECT_EQ(f.text[S11First], "0.25000"); // short values keep "%.5f"
    const FieldNumber s21 = readFieldNumber(f.text[S21First], twoPortFieldChars);
    EXPECT_FALSE(s21.leftover);
    EXPECT_EQ(static_cast<float>(s21.value), 1e20f);
    // Read back exactly, and then refused: no two-port has 400 dB of gain.
    expectError(errorOf(validateTwoPort(f)),
                "Absolute value must lie in the range between 0 and 1E4", "ERROR", S21First);
    EXPECT_EQ(static_cast<float>(std::stod(f.text[S21Second]) / 180.0 * 3.14159265359), 3.0e18f);
}

TEST(CircleRecords, StabilityRecordIsDecidedFromTheStoredFloats)
{
    const TwoPortDialogMemory memory;
    const StabilityCircleRecord r = makeStabilityRecord(CirclePlane::Output, memory.s);
    EXPECT_EQ(r.plane, CirclePlane::Output);
    EXPECT_EQ(r.s.s21re, static_cast<float>(5.8086));
    EXPECT_EQ(r.s.s12im, static_cast<float>(0.015998));
    EXPECT_NEAR(r.k, 0.615462f, 1e-6f); // K of the initial values (float storage)
    // Centre 2.65 from the chart centre, radius 1.91: the chart centre lies
    // outside, and |s11| < 1 makes it stable, so the outside is stable.
    EXPECT_EQ(r.stableSide, StableSide::Outside);

    TwoPort unilateral = memory.s;
    unilateral.s12 = {0, 0};
    EXPECT_EQ(makeStabilityRecord(CirclePlane::Input, unilateral).k, FLOAT_BIG);
}

TEST(CircleRecords, GainAboveTheMaximumIsRefusedWithoutStoringTheParameters)
{
    // K < 1 and |s21/s12| = 10^1.5: Gmax is the maximum stable gain, 15 dB.
    const TwoPort t{{0.9, 0}, {0.1, 0}, {std::pow(10.0, 1.5) * 0.1, 0}, {0.9, 0}};
    GainCircleRecord slot;
    slot.p = 20.0f; // left over from an undone circle
    const auto refusal = applyGainTwoPort(slot, t);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text, "Desired power gain of P = 20.0dB is bigger than max. possible power "
                             "gain\n\rof Gmax = 15.0. Impossible to show const. gain circle.");
    EXPECT_EQ(refusal->title, "ERROR");
    EXPECT_EQ(refusal->icon, MessageIcon::Error);
    EXPECT_NEAR(slot.g, 15.0f, 1e-5f);
    EXPECT_LT(slot.k, 1.0f);
    EXPECT_EQ(slot.s.s21re, 0.0f); // not stored

    slot.p = 10.0f; // the user entered another gain
    EXPECT_FALSE(applyGainTwoPort(slot, t).has_value());
    EXPECT_EQ(slot.s.s21re, static_cast<float>(t.s21.re));

    GainCircleRecord fresh; // a slot that never held a circle has p = 0
    EXPECT_FALSE(applyGainTwoPort(fresh, TwoPortDialogMemory{}.s).has_value());
    EXPECT_NEAR(fresh.g, 20.143f, 1e-3f);
}

TEST(CircleRecords, UnilateralTwoPortAcceptsAnyGain)
{
    GainCircleRecord slot;
    slot.p = 99.0f;
    EXPECT_FALSE(applyGainTwoPort(slot, {{0.5, 0.2}, {0, 0}, {3, 0}, {0.1, 0}}).has_value());
    EXPECT_EQ(slot.k, FLOAT_BIG);
    EXPECT_EQ(slot.g, FLOAT_BIG);
    const GainDialogTexts t = gainDialogTexts(slot);
    EXPECT_EQ(t.k, "not defined");
    EXPECT_EQ(t.gmax, "not defined");
}

TEST(GainDialog, ShowsKAndGmaxAndReadsTheGain)
{
    GainCircleRecord r;
    r.k = 0.615462f;
    r.g = 20.143f;
    const GainDialogTexts t = gainDialogTexts(r);
    EXPECT_EQ(t.k, "0.615");
    EXPECT_EQ(t.gmax, "20.1 dB");
    EXPECT_EQ(t.value, "10");
    EXPECT_EQ(std::get<float>(validateGainValue("12.5")), 12.5f);
    EXPECT_EQ(std::get<float>(validateGainValue("")), 0.0f);
    expectError(errorOf(validateGainValue("12,5")), formatMessage, "ERROR", 0);
    expectError(errorOf(validateGainValue("1e999")), tooLarge, "ERROR", 0);
    expectError(errorOf(validateGainValue("1e39")),
                "Value must lie in the range between -100 and 100 dB", "ERROR", 0);
}

TEST(NoiseDialog, OpensWithTheRememberedValues)
{
    const NoiseDialogMemory m;
    NoiseFields f = noiseFieldTexts(m, 50.0);
    const std::array<std::string, 5> expected{"1.900", "0.580", "151.000", "7.500", "2.000"};
    EXPECT_EQ(f.text, expected);
    EXPECT_TRUE(f.polar);
    EXPECT_FALSE(f.normalized);
    NoiseDialogMemory n = m;
    n.polar = false;
    n.normalized = true;
    f = noiseFieldTexts(n, 50.0);
    EXPECT_EQ(f.text[GammaFirst], "-0.507");
    EXPECT_EQ(f.text[GammaSecond], "0.281");
    EXPECT_EQ(f.text[ResistanceField], "0.150");
}

TEST(NoiseDialog, ValidatesInOrder)
{
    struct Row {
        std::array<const char*, 5> text;
        bool polar;
        const char* message; // nullptr: accepted
        const char* title;
        int field;
    };
    const Row rows[] = {
        {{"x", "0.5", "1y", "r", "z"}, true, formatMessage.c_str(), "ERROR", NfMinField},
        {{"0", "0.5", "1y", "r", "z"}, true, "Value must be > 0", "ERROR", NfMinField},
        {{"-1", "0.5", "10", "7.5", "2"}, true, "Value must be > 0", "ERROR", NfMinField},
        {{"1.9", "abc", "1y", "r", "z"}, true, formatMessage.c_str(), "ERROR", GammaSecond},
        {{"1.9", "1.2", "10", "r", "z"}, true, "Value must be > 0 and <= 1", "ERROR", GammaFirst},
        {{"1.9", "-0.1", "10", "7.5", "2"}, true, "Value must be > 0 and <= 1", "ERROR", GammaFirst},
        {{"1.9", "0.8", "0.7", "r", "z"}, false, "Absolute value must be >= 0 and <=1", "ERROR",
         GammaFirst},
        {{"1.9", "0.5", "10", "r", "z"}, true, formatMessage.c_str(), "ERROR", ResistanceField},
        {{"1.9", "0.5", "10", "0", "z"}, true, "Value must be > 0", "ERROR", ResistanceField},
        {{"1.9", "0.5", "10", "7.5", "z"}, true, formatMessage.c_str(), "ERROR", NfField},
        {{"1.9", "0.5", "10", "7.5", "0"}, true, "Value must be > 0", "ERROR", NfField},
        {{"1.9", "0.5", "10", "7.5", "1.9"}, true, "NF to show must be > NFmin", "ERROR", NfField},
        {{"1.9", "0.5", "10", "7.5", "1.5"}, true, "NF to show must be > NFmin", "ERROR", NfField},
        // The first reflection field is read as far as it is a number.
        {{"1.9", "0.5x", "10", "7.5", "2"}, true, nullptr, "", 0},
        {{"1.9", "0", "0", "7.5", "2"}, true, nullptr, "", 0},
        {{"1e-3", "0.6", "0.8", "7.5", "2"}, false, nullptr, "", 0},
        // Beyond the double range in any field; a huge angle that is a
        // number is a number of turns.
        {{"1e999", "0.5", "10", "7.5", "2"}, true, tooLarge.c_str(), "ERROR", NfMinField},
        {{"1.9", "0.5", "1e999", "7.5", "2"}, true, tooLarge.c_str(), "ERROR", GammaSecond},
        {{"1.9", "-1e999", "10", "7.5", "2"}, true, tooLarge.c_str(), "ERROR", GammaFirst},
        {{"1.9", "0.5", "10", "1e999", "2"}, true, tooLarge.c_str(), "ERROR", ResistanceField},
        {{"1.9", "0.5", "10", "7.5", "1e999"}, true, tooLarge.c_str(), "ERROR", NfField},
        {{"1.9", "0.5", "1e308", "7.5", "2"}, true, nullptr, "", 0},
    };
    int checked = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(checked);
        NoiseFields f{{r.text[0], r.text[1], r.text[2], r.text[3], r.text[4]}, r.polar, false};
        const auto result = validateNoise(f, 50.0);
        if (r.message)
            expectError(errorOf(result), r.message, r.title, r.field);
        else
            EXPECT_EQ(errorOf(result), nullptr);
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(std::size(rows)));
}

TEST(NoiseDialog, AcceptedValuesAreNormalisedAndRemembered)
{
    NoiseFields f{{"1.9", "0.5", "90", "7.5", "2.5"}, true, false};
    auto r = validateNoise(f, 50.0);
    ASSERT_EQ(errorOf(r), nullptr);
    const NoiseCircleRecord rec = std::get<NoiseCircleRecord>(r);
    EXPECT_EQ(rec.nfMin, 1.9);
    EXPECT_EQ(rec.nf, 2.5);
    EXPECT_DOUBLE_EQ(rec.rn, 0.15); // 7.5 ohm at 50 ohm
    EXPECT_NEAR(rec.gammaOpt.re, 0.0, 1e-12);
    EXPECT_NEAR(rec.gammaOpt.im, 0.5, 1e-12);

    f.normalized = true;
    f.text[ResistanceField] = "0.2";
    EXPECT_DOUBLE_EQ(std::get<NoiseCircleRecord>(validateNoise(f, 50.0)).rn, 0.2);

    const NoiseDialogMemory m = rememberNoise(rec, f);
    EXPECT_TRUE(m.normalized);
    EXPECT_TRUE(m.polar);
    EXPECT_EQ(noiseFieldTexts(m, 50.0).text[GammaSecond], "90.000");
    EXPECT_EQ(noiseFieldTexts(m, 50.0).text[ResistanceField], "0.150");
}

TEST(NoiseDialog, ChosenListLineFillsTheFields)
{
    const NoisePoint p{400, 0.9487f, 0.01215f, 134.27f, 0.1159f};
    NoiseFields current{{"1", "2", "3", "4", "5.5"}, false, false};
    const NoiseFields f = noiseFieldsFromPoint(p, current);
    const std::array<std::string, 5> expected{"0.949", "0.012", "134.270", "0.116", "5.5"};
    EXPECT_EQ(f.text, expected);
    EXPECT_TRUE(f.polar);
    EXPECT_TRUE(f.normalized);
}

TEST(ChooserLists, NoiseListCaptionHeaderAndLines)
{
    SParamSet set;
    set.resizeNoise(2);
    set.noise[0] = {400, 0.9487f, 0.01215f, 134.27f, 0.1159f};
    set.noise[1] = {2000, 1.0811f, 0.18377f, -175.16f, 0.0906f};
    EXPECT_EQ(noiseListCaption(set), "Open file in S-Plot mode to see list of noise parameters");
    EXPECT_TRUE(noiseListLines(set).empty());
    set.loaded = true;
    set.fileName = "/data/bfu520.s2p";
    EXPECT_EQ(noiseListCaption(set), "/data/bfu520.s2p");
    const auto lines = noiseListLines(set);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "400.000\t0.949\t0.012\t134.270\t0.116");
    EXPECT_EQ(lines[1], "2000.000\t1.081\t0.184\t-175.160\t0.091");
    EXPECT_EQ(noiseListHeader(6), "f [MHz]\tFmin\tmag\tangel [\u00B0]\trn");
    EXPECT_EQ(noiseListHeader(0), "f [Hz]\tFmin\tmag\tangel [\u00B0]\trn");
    EXPECT_EQ(noiseListHeader(3), "f [kHz]\tFmin\tmag\tangel [\u00B0]\trn");
    EXPECT_EQ(noiseListHeader(9), "f [GHz]\tFmin\tmag\tangel [\u00B0]\trn");
}

TEST(ChooserLists, PointLineInListOrderOfTheColumns)
{
    EXPECT_EQ(pointListHeader(6),
              "f [MHz]\ts11 Mag\ts11 Ang\ts21 Mag\ts21 Ang\ts12Mag\ts12 Ang\ts22 Mag\ts22 Ang");
    EXPECT_EQ(pointListHeader(12).substr(0, 8), "f [GHz]\t");
    SParamPoint p;
    p.frequency = 1000.0f;
    p.s11im = 0.5f;
    p.s21mag = 2.0f;
    p.s21ang = static_cast<float>(pi / 2);
    p.s12mag = 0.5f;
    p.s12ang = static_cast<float>(-pi / 4);
    p.s22re = -0.3f;
    p.s22im = 0.4f;
    EXPECT_EQ(pointListLine(p),
              "1000.000\t0.500\t90.000\t2.000\t90.000\t0.500\t-45.000\t0.500\t126.870\t");
}
