// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/calc.h"

#include <gtest/gtest.h>

#include <map>

namespace wendra {
namespace {

std::map<std::string, std::string> byLabel(const Captions& c)
{
    std::map<std::string, std::string> m;
    for (const Caption& x : c)
        m[x.label] = x.text;
    return m;
}

std::vector<std::string> order(const Captions& c)
{
    std::vector<std::string> names;
    for (const Caption& x : c)
        names.push_back(x.label);
    return names;
}

TEST(Yagi, At145MHzGivesTheElevenElementTable)
{
    const auto r = yagi("145");
    ASSERT_TRUE(r);
    // 300000 / 145 = 2068.97 rounds to 2069 mm.
    EXPECT_EQ(r->wavelength, 2069);
    ASSERT_EQ(r->labels.size(), 21u);
    const auto m = byLabel(r->labels);
    // Hand-worked: 2069 * 0.98 / 4 = 2027.62 / 4 and so on.
    EXPECT_EQ(m.at("Label40"), "506.905mm");
    EXPECT_EQ(m.at("Label39"), "491.3875mm");
    EXPECT_EQ(m.at("Label38"), "465.525mm");
    EXPECT_EQ(m.at("Label37"), "455.18mm");
    EXPECT_EQ(m.at("Label36"), "444.835mm");
    EXPECT_EQ(m.at("Label35"), "434.49mm");
    EXPECT_EQ(m.at("Label34"), "424.145mm");
    EXPECT_EQ(m.at("Label33"), "413.8mm");
    EXPECT_EQ(m.at("Label32"), "403.455mm");
    EXPECT_EQ(m.at("Label31"), "393.11mm");
    EXPECT_EQ(m.at("Label30"), "382.765mm");
    EXPECT_EQ(m.at("Label27"), "475.87mm");
    for (int n = 18; n <= 26; ++n)
        EXPECT_EQ(m.at("Label" + std::to_string(n)), "413.8mm") << n;
    EXPECT_EQ(r->feedBox, "310.35mm");
}

TEST(Yagi, SetsSpacingsFirstThenElementsFromTheTop)
{
    const auto r = yagi("145");
    ASSERT_TRUE(r);
    const std::vector<std::string> want = {
        "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24",
        "Label25", "Label26", "Label27", "Label30", "Label31", "Label32", "Label33",
        "Label34", "Label35", "Label36", "Label37", "Label38", "Label39", "Label40"};
    EXPECT_EQ(order(r->labels), want);
}

TEST(Yagi, ReadsTheLeadingNumberOfTheText)
{
    const auto r = yagi(" 145 MHz");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->wavelength, 2069);
}

TEST(Yagi, WavelengthRoundsHalvesToEven)
{
    // 300000 / 120000 = 2.5 -> 2; 300000 / 85714.2857... would be 3.5 -> 4.
    EXPECT_EQ(yagi("120000")->wavelength, 2);
    EXPECT_EQ(yagi("200000")->wavelength, 2); // 1.5 -> 2
}

TEST(Yagi, RefusesWhatTheWavelengthCannotHold)
{
    // 9.156 MHz gives 32765.4 mm, the last that fits into 16 bits.
    EXPECT_EQ(yagi("9.156")->wavelength, 32765);
    // 300000 / 9.1552734375 = 32768 exactly: one past the 16-bit limit.
    for (const char* bad : {"0", "", "abc", "MHz145", "9.155", "9.1552734375", "-145",
                            "1e400", "700000"})
        EXPECT_FALSE(yagi(bad).has_value()) << bad;
}

TEST(JAntenna, At145MHz)
{
    const auto r = jAntenna("145");
    ASSERT_TRUE(r);
    // 705 / 145 * 304.8 = 1481.96, 234 -> 491.88, 23 -> 48.35, 22 -> 46.25,
    // and 1481.96 * 0.2 = 296.39, each cut down.
    const Captions want = {{"Label3", "1481mm"}, {"Label2", "491mm"}, {"Label1", "48mm"},
                           {"Label4", "46mm"},   {"Label5", "296mm"}};
    ASSERT_EQ(r->size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ((*r)[i].label, want[i].label);
        EXPECT_EQ((*r)[i].text, want[i].text);
    }
}

TEST(JAntenna, CutsTheFrequencyToWholeMHz)
{
    const auto whole = jAntenna("145");
    const auto fraction = jAntenna("145.9");
    ASSERT_TRUE(whole && fraction);
    EXPECT_EQ(byLabel(*whole), byLabel(*fraction));
    EXPECT_EQ(byLabel(*jAntenna(" 1.9 ")).at("Label3"), "214884mm"); // 705 * 304.8
    // The highest frequency whose shortest section still measures 1 mm.
    EXPECT_EQ(byLabel(*jAntenna("6705")).at("Label4"), "1mm");
}

TEST(JAntenna, RefusesOutsideOneTo6705AndTextThatIsNoNumber)
{
    for (const char* bad :
         {"0", "0.9", "6706", "29999", "30000", "-145", "", "abc", "145MHz", "1e400"})
        EXPECT_FALSE(jAntenna(bad).has_value()) << bad;
}

TEST(Dipole, AtStartTheTenMetreBand)
{
    const auto r = dipoleFromBand("10");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->frequencyText, "30");
    EXPECT_EQ(r->bandText, "10");
    // 148 / 30 * 1000 / 2 = 2466.67; 30 / 0.0933 = 321.54.
    const Captions want = {
        {"Label2", "2466mm"},     {"Label6", "2466"},   {"Label7", "10米波30MHZ"},
        {"Label5", "4932mm"},     {"Label8", "20米波15MHZ"}, {"Label4", "7398mm"},
        {"Label9", "30米波10MHZ"}, {"Label11", "321mm"},
    };
    ASSERT_EQ(r->labels.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(r->labels[i].label, want[i].label);
        EXPECT_EQ(r->labels[i].text, want[i].text);
    }
}

TEST(Dipole, JoinsTheInputTextsAsTheyStand)
{
    const auto r = dipoleFromBand("20.0");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->frequencyText, "15");
    EXPECT_EQ(byLabel(r->labels).at("Label7"), "20.0米波15MHZ");
    EXPECT_EQ(byLabel(r->labels).at("Label8"), "40米波7.5MHZ");
}

TEST(Dipole, ForwardComputesWithTheTypedDecimalsAndRoundsTheBands)
{
    const auto r = dipoleFromFrequency("14.2");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->bandText, "21.13"); // 300 / 14.2 = 21.1268
    EXPECT_EQ(r->frequencyText, "14.2");
    const auto m = byLabel(r->labels);
    EXPECT_EQ(m.at("Label2"), "5211mm"); // 148 / 14.2 * 500 = 5211.27, not 14 MHz's 5285
    EXPECT_EQ(m.at("Label6"), "5211");
    EXPECT_EQ(m.at("Label7"), "21.13米波14.2MHZ");
    EXPECT_EQ(m.at("Label5"), "10422mm");
    EXPECT_EQ(m.at("Label8"), "42.26米波7.1MHZ");
    EXPECT_EQ(m.at("Label4"), "15633mm");
    EXPECT_EQ(m.at("Label9"), "63.39米波4.7333MHZ");
    EXPECT_EQ(m.at("Label11"), "152mm"); // 14.2 / 0.0933 = 152.2

    const auto back = dipoleFromBand("7");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->frequencyText, "42.857"); // 300 / 7 to five digits
}

TEST(Dipole, ForwardAndReverseAgreeOnAWholeFrequency)
{
    const auto fwd = dipoleFromFrequency("30");
    const auto rev = dipoleFromBand("10");
    ASSERT_TRUE(fwd && rev);
    EXPECT_EQ(fwd->bandText, "10");
    EXPECT_EQ(byLabel(fwd->labels), byLabel(rev->labels));
}

TEST(Dipole, RefusesZeroNegativeAndTextThatIsNoNumber)
{
    for (const char* bad : {"0", "-10", "", "abc", "10m", "1e400", "1e-320"})
        EXPECT_FALSE(dipoleFromBand(bad).has_value()) << bad;
    for (const char* bad : {"0", "0.5", "0.99", "-30", "", "abc", "30MHz", "30000.1", "1e9"})
        EXPECT_FALSE(dipoleFromFrequency(bad).has_value()) << bad;
    EXPECT_TRUE(dipoleFromFrequency("1").has_value());
    EXPECT_TRUE(dipoleFromFrequency("30000").has_value());
    EXPECT_FALSE(dipoleFromBand("301").has_value()); // below 1 MHz
}

} // namespace
} // namespace wendra
