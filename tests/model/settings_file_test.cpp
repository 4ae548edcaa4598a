// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/file_io.h"
#include "model/settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace zelvo;
namespace fs = std::filesystem;

namespace {

const char* defaultText = "[COLORS]\r\nZCHART=255,0,0\r\nYCHART=0,255,0\r\nDATAPOINTS=0,0,0\r\n"
                          "ELEMENTS=0,0,255\r\nQELLIPSES=0,0,0\r\nSTABILITY=0,0,0\r\nGAIN=0,0,0\r\n"
                          "VSWR=0,0,0\r\nWIDEBAND=255,0,255\r\n\r\n[MISCELLANEOUS]\r\nLABELS=ON\r\n"
                          "CHARTLABELS=ON\r\nMESSAGEBEEP=ON\r\nZCHART=ON\r\nYCHART=ON\r\n"
                          "LINK_DATAPOINTS=OFF\r\nZOOM=1.0\r\nTURN_SCHEMATIC_TEXT=OFF\r\n";

Settings changed()
{
    Settings s;
    s.zChartColour = rgb(1, 2, 3);
    s.yChartColour = rgb(4, 5, 6);
    s.dataPointColour = rgb(10, 20, 30);
    s.elementColour = rgb(40, 50, 60);
    s.qColour = rgb(7, 8, 9);
    s.stabilityColour = rgb(11, 12, 13);
    s.gainColour = rgb(14, 15, 16);
    s.vswrColour = rgb(17, 18, 19);
    s.widebandColour = rgb(200, 201, 202);
    s.labels = false;
    s.chartLabels = false;
    s.messageBeep = false;
    s.chartKinds = showYChartBit;
    s.linkDataPoints = true;
    s.zoom = 2.5f;
    s.schematicTextAngle = 900;
    return s;
}

void expectStoredFieldsEqual(const Settings& a, const Settings& b)
{
    EXPECT_EQ(a.zChartColour, b.zChartColour);
    EXPECT_EQ(a.yChartColour, b.yChartColour);
    EXPECT_EQ(a.dataPointColour, b.dataPointColour);
    EXPECT_EQ(a.elementColour, b.elementColour);
    EXPECT_EQ(a.qColour, b.qColour);
    EXPECT_EQ(a.stabilityColour, b.stabilityColour);
    EXPECT_EQ(a.gainColour, b.gainColour);
    EXPECT_EQ(a.vswrColour, b.vswrColour);
    EXPECT_EQ(a.widebandColour, b.widebandColour);
    EXPECT_EQ(a.labels, b.labels);
    EXPECT_EQ(a.chartLabels, b.chartLabels);
    EXPECT_EQ(a.messageBeep, b.messageBeep);
    EXPECT_EQ(a.chartKinds, b.chartKinds);
    EXPECT_EQ(a.linkDataPoints, b.linkDataPoints);
    EXPECT_EQ(a.zoom, b.zoom);
    EXPECT_EQ(a.schematicTextAngle, b.schematicTextAngle);
}

fs::path scratchDir(const std::string& name)
{
    const fs::path dir = fs::path(::testing::TempDir()) / ("zelvo_settings_" + name);
    fs::remove_all(dir);
    return dir;
}

// Restores an environment variable at the end of a test.
class EnvGuard {
  public:
    explicit EnvGuard(const char* name) : name_(name)
    {
        if (const char* v = std::getenv(name))
            saved_ = v;
    }
    ~EnvGuard()
    {
        if (saved_)
            setenv(name_, saved_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

} // namespace

TEST(SettingsFileText, DefaultsByteForByte)
{
    EXPECT_EQ(settingsFileText(Settings{}), defaultText);
}

TEST(SettingsFileText, RoundTripRestoresEveryStoredField)
{
    const Settings s = changed();
    Settings r;
    readSettingsText(r, settingsFileText(s));
    expectStoredFieldsEqual(r, s);
    EXPECT_NE(r.dataPointColour, r.elementColour);
}

TEST(SettingsFileText, ReaderRules)
{
    Settings s;
    readSettingsText(s, "[colors]\nzchart=300,-1,256\nelements=1,2\nGAIN=9,8,7;"
                        "[MISCELLANEOUS]\nzchart=off\nZELVOLABELS=OFF\nLABELS=maybe\n"
                        "ZOOM=0.3\nMESSAGEBEEP=OFF\nTURN_SCHEMATIC_TEXT=ON\nVSWR=1,1,1\n");
    EXPECT_EQ(s.zChartColour, rgb(44, 255, 0));           // low 8 bits of each component
    EXPECT_EQ(s.elementColour, Settings{}.elementColour); // a component missing
    EXPECT_EQ(s.gainColour, rgb(9, 8, 7));
    EXPECT_FALSE(s.showZChart());
    EXPECT_TRUE(s.showYChart());
    EXPECT_FALSE(s.chartLabels);
    EXPECT_TRUE(s.labels); // neither ON nor OFF
    EXPECT_EQ(s.zoom, 0.3f);
    EXPECT_FALSE(s.messageBeep);
    EXPECT_EQ(s.schematicTextAngle, 900);
    EXPECT_EQ(s.vswrColour, Settings{}.vswrColour); // a colour key outside [COLORS]
}

TEST(SettingsFileText, UnusableZoomIsNotTaken)
{
    for (const char* line : {"ZOOM=0", "ZOOM=-2", "ZOOM=abc"}) {
        Settings s;
        readSettingsText(s, std::string("[MISCELLANEOUS]\n") + line + "\n");
        EXPECT_EQ(s.zoom, 1.0f) << line;
    }
    Settings big;
    readSettingsText(big, "[MISCELLANEOUS]\nZOOM=1E+300\n");
    EXPECT_EQ(big.zoom, 50.0f); // the zoom dialog's largest
    // A line longer than any the program writes is skipped, never cut: cut
    // after 206 characters, this one would read as a zoom of 2.
    Settings padded;
    readSettingsText(padded, "[MISCELLANEOUS]\nZOOM=" + std::string(200, ' ') + "2.5\n");
    EXPECT_EQ(padded.zoom, 1.0f);
}

TEST(SettingsFile, ReadWriteThroughFilesAndCreateTheFolder)
{
    const fs::path dir = scratchDir("files");
    const fs::path path = dir / "zelvo" / "zelvo.ini";
    Settings s;
    EXPECT_EQ(readSettings(s, path.string()), settingsFileFailed); // missing: defaults kept
    expectStoredFieldsEqual(s, Settings{});
    ASSERT_EQ(writeSettings(changed(), path.string()), settingsFileOk);
    ASSERT_EQ(readSettings(s, path.string()), settingsFileOk);
    expectStoredFieldsEqual(s, changed());
    EXPECT_EQ(writeSettings(s, ""), settingsFileFailed);
    // A folder where the file should be: writing really fails.
    fs::create_directories(dir / "blocked" / "zelvo.ini");
    EXPECT_EQ(writeSettings(s, (dir / "blocked" / "zelvo.ini").string()), settingsFileFailed);
}

TEST(SettingsFile, DefaultPathFollowsXdgThenHome)
{
    EnvGuard xdg("XDG_CONFIG_HOME");
    EnvGuard home("HOME");
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(defaultSettingsPath(), "/cfg/zelvo/zelvo.ini");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored
    EXPECT_EQ(defaultSettingsPath(), "/home/ann/.config/zelvo/zelvo.ini");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(defaultSettingsPath(), "/home/ann/.config/zelvo/zelvo.ini");
    unsetenv("HOME");
    EXPECT_EQ(defaultSettingsPath(), "");
}

TEST(SettingsZoom, ReadIntoTheDialogsRangeAndWrittenSoItReadsBack)
{
    const auto zoomOf = [](const std::string& value) {
        Settings s;
        readSettingsText(s, "[MISCELLANEOUS]\r\nZOOM=" + value + "\r\n");
        return s.zoom;
    };
    EXPECT_EQ(zoomOf("1E9"), 50.0f);
    EXPECT_EQ(zoomOf("1e-68"), 0.01f); // a positive double, but 0 as a float
    EXPECT_EQ(zoomOf("0.001"), 0.01f);
    EXPECT_EQ(zoomOf("0"), 1.0f);      // no zoom at all: the default stays
    EXPECT_EQ(zoomOf("-2"), 1.0f);
    EXPECT_EQ(zoomOf("2.5"), 2.5f);

    for (const float zoom : {0.01f, 0.049f, 0.0123457f, 0.5f, 1.0f, 2.5f, 16.0f, 49.99f, 50.0f}) {
        Settings s;
        s.zoom = zoom;
        const std::string text = settingsFileText(s);
        Settings back;
        readSettingsText(back, text);
        EXPECT_EQ(back.zoom, zoom) << text;
        const std::size_t at = text.find("ZOOM=");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(static_cast<float>(std::atof(text.c_str() + at + 5)), zoom);
    }
}

// The losses of new parts: a section of their own ahead of the classic ones,
// absent while every part is ideal, read back whole; values out of range are
// not taken.
TEST(SettingsFileText, PartLossesRoundTripAheadOfTheClassicSections)
{
    Settings s = changed();
    s.partLosses.inductor = {.q = 30, .qFrequency = 2.4e9, .qLaw = QLaw::Sqrt, .srf = 6e9};
    s.partLosses.capacitor = {.esr = 0.12, .esl = 0.5e-9};
    s.partLosses.line.lineDb = 0.3;
    const std::string text = settingsFileText(s);
    EXPECT_TRUE(text.starts_with("[PART LOSSES]\r\nINDUCTOR_Q=30\r\nINDUCTOR_QF=2.4E+09\r\n"
                                 "INDUCTOR_SRF=6E+09\r\nINDUCTOR_QLAW=SQRT\r\nCAPACITOR_ESR=0.12\r\n"
                                 "CAPACITOR_ESL=5E-10\r\nLINE_LINEDB=0.3\r\n\r\n[COLORS]\r\n"))
        << text;
    EXPECT_TRUE(text.ends_with(settingsFileText(changed()))); // the classic part unchanged
    Settings r;
    readSettingsText(r, text);
    expectStoredFieldsEqual(r, s);
    EXPECT_EQ(r.partLosses, s.partLosses);

    // A file without the section leaves them as they are; the recent files'
    // section may stand ahead, and lower case is read too.
    Settings classic;
    classic.partLosses.line.lineDb = 1.0;
    readSettingsText(classic, defaultText);
    EXPECT_EQ(classic.partLosses.line.lineDb, 1.0);
    Settings edited;
    readSettingsText(edited, "[RECENT]\r\nFILE1=/tmp/a.zvc\r\n\r\n[part losses]\r\n"
                             "inductor_q=0.5\r\ncapacitor_q=80\r\ncapacitor_qf=1e9\r\n"
                             "capacitor_qlaw=linear\r\nline_linedb=11\r\n\r\n[COLORS]\r\n"
                             "ELEMENTS=1,2,3\r\n");
    EXPECT_EQ(edited.partLosses.inductor, PartLoss{}); // Q below 1
    EXPECT_EQ(edited.partLosses.capacitor,
              (PartLoss{.q = 80, .qFrequency = 1e9, .qLaw = QLaw::Linear}));
    EXPECT_EQ(edited.partLosses.line, PartLoss{}); // beyond 10 dB per wavelength
    EXPECT_EQ(edited.elementColour, rgb(1, 2, 3));
}
