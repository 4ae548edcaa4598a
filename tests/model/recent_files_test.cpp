// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The recent files list and its section of the settings file.
#include "model/file_io.h"
#include "model/recent_files.h"
#include "model/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zelvo {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, NewestFirstWithoutDuplicatesAndAtMostEight)
{
    List l;
    addRecentFile(l, "/a.zvc");
    addRecentFile(l, "/b.s2p");
    addRecentFile(l, "/c.zvc");
    EXPECT_EQ(l, (List{"/c.zvc", "/b.s2p", "/a.zvc"}));
    addRecentFile(l, "/a.zvc"); // opened again: to the top, not twice
    EXPECT_EQ(l, (List{"/a.zvc", "/c.zvc", "/b.s2p"}));
    addRecentFile(l, "");
    EXPECT_EQ(l.size(), 3u);
    for (int i = 0; i < 10; ++i)
        addRecentFile(l, "/f" + std::to_string(i));
    ASSERT_EQ(l.size(), recentFilesLimit);
    EXPECT_EQ(l.front(), "/f9");
    EXPECT_EQ(l.back(), "/f2");
    removeRecentFile(l, "/f5");
    EXPECT_EQ(l.size(), 7u);
    EXPECT_EQ(std::count(l.begin(), l.end(), "/f5"), 0);
}

// Paths a reader of the colour and option sections could mistake for its
// own lines: section names, key words with ON, the ";" line end, "%".
const List awkward = {"/home/jon/zchart on/[colors]/x.zvc", "/tmp/a;b [MISCELLANEOUS].s2p",
                      "/data/100%/ZOOM=8.zvc", "/home/\xc3\xa9t\xc3\xa9/labels=off.zvc",
                      "C:\\win\\path\\d.zvc"};

TEST(RecentFiles, SectionRoundTripsAwkwardPaths)
{
    const std::string section = recentFilesSection(awkward);
    EXPECT_EQ(section.rfind("[RECENT]\r\nFILE1=", 0), 0u);
    EXPECT_EQ(section.find(';'), std::string::npos);
    EXPECT_EQ(readRecentFiles(section + settingsFileText(Settings{})), awkward);
    EXPECT_TRUE(recentFilesSection({}).empty());
    EXPECT_TRUE(readRecentFiles(settingsFileText(Settings{})).empty());
}

TEST(RecentFiles, ReaderOfTheOriginalSectionsIgnoresTheNewOne)
{
    Settings s;
    s.zChartColour = rgb(1, 2, 3);
    s.labels = false;
    s.chartLabels = false;
    s.messageBeep = false;
    s.chartKinds = showYChartBit; // Z chart off: a path with "ZCHART ON" must not turn it on
    s.linkDataPoints = true;
    s.zoom = 2.0f;
    const std::string original = settingsFileText(s);
    Settings plain, withSection;
    readSettingsText(plain, original);
    readSettingsText(withSection, recentFilesSection(awkward) + original);
    EXPECT_EQ(withSection.zChartColour, plain.zChartColour);
    EXPECT_EQ(withSection.labels, plain.labels);
    EXPECT_EQ(withSection.chartLabels, plain.chartLabels);
    EXPECT_EQ(withSection.messageBeep, plain.messageBeep);
    EXPECT_EQ(withSection.chartKinds, plain.chartKinds);
    EXPECT_EQ(withSection.linkDataPoints, plain.linkDataPoints);
    EXPECT_EQ(withSection.zoom, plain.zoom);
    EXPECT_EQ(withSection.schematicTextAngle, plain.schematicTextAngle);
    // Defaults are not disturbed either.
    Settings fresh;
    readSettingsText(fresh, recentFilesSection(awkward));
    EXPECT_EQ(fresh.zoom, Settings{}.zoom);
    EXPECT_EQ(fresh.chartKinds, Settings{}.chartKinds);
}

TEST(RecentFiles, WrittenWithTheSettingsAndReadBack)
{
    const auto dir = std::filesystem::temp_directory_path() / "zelvo_recent_test";
    std::filesystem::remove_all(dir);
    const std::string path = (dir / "sub" / "zelvo.ini").string();
    Settings s;
    s.zoom = 4.0f;
    ASSERT_EQ(writeSettingsWithRecent(settingsFileText(s), {"/x.zvc", "/y.s2p"}, path), 0);
    const std::optional<std::string> text = readWholeFile(path);
    ASSERT_TRUE(text);
    EXPECT_EQ(readRecentFiles(*text), (List{"/x.zvc", "/y.s2p"}));
    Settings back;
    ASSERT_EQ(readSettings(back, path), settingsFileOk);
    EXPECT_EQ(back.zoom, 4.0f);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace zelvo
