// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// The text windows with long data: only the rows and columns in view are
// formatted and drawn, and a shorter text never leaves a window scrolled past
// its end.
#include "render/recording_canvas.h"
#include "render/text_views.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zelvo {
namespace {

// Characters [from, from + n) of a UTF-8 text.
std::string characterCut(const std::string& s, int from, int n)
{
    std::string out;
    int column = -1;
    for (char ch : s) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++column;
        if (column >= from && column < from + n)
            out.push_back(ch);
    }
    return out;
}

TEST(TextLineIndex, AnyColumnsOfAnyLineReadAsTheWholeLineShows)
{
    const std::string text = "! plain comment\r\n"
                             "# GHz S MA R 50\n"
                             "1\t2\t\t3\r\n"
                             "! 25\xb0"
                             "C, Latin-1\r\n"
                             "! 25\xc2\xb0"
                             "C \xe4\xb8\xad\xe6\x96\x87 UTF-8\n"
                             "\n"
                             "a\rb\r\r\n"
                             "\tlast";
    const std::vector<std::string> shown = {"! plain comment",
                                            "# GHz S MA R 50",
                                            "1       2               3",
                                            "! 25\xc2\xb0"
                                            "C, Latin-1",
                                            "! 25\xc2\xb0"
                                            "C \xe4\xb8\xad\xe6\x96\x87 UTF-8",
                                            "",
                                            "ab",
                                            "        last"};
    const TextLineIndex index = indexTextLines(text);
    ASSERT_EQ(index.count(), static_cast<int>(shown.size()));
    EXPECT_EQ(index.longest, 25);
    EXPECT_EQ(index.kinds[0], TextLineIndex::Kind::Plain);
    EXPECT_EQ(index.kinds[3], TextLineIndex::Kind::Latin1);
    EXPECT_EQ(index.kinds[4], TextLineIndex::Kind::Utf8);
    int checked = 0;
    for (int k = 0; k < index.count(); ++k)
        for (int from = 0; from < 30; ++from)
            for (const int n : {1, 2, 7, 100}) {
                EXPECT_EQ(index.columns(text, k, from, n),
                          characterCut(shown[static_cast<std::size_t>(k)], from, n))
                    << "line " << k << " from " << from << " n " << n;
                ++checked;
            }
    EXPECT_EQ(checked, 8 * 30 * 4);
    EXPECT_EQ(touchstoneLines(text), shown);
    // Nothing beyond the lines, and a last line of carriage returns only is no line.
    EXPECT_TRUE(index.columns(text, 8, 0, 10).empty());
    EXPECT_EQ(indexTextLines("x\r\n\r\r").count(), 1);
    EXPECT_EQ(indexTextLines("").count(), 0);
}

SParamSet textSet(std::string text, std::uint64_t revision = 0)
{
    SParamSet set;
    set.sourceText = std::move(text);
    set.loaded = true;
    set.revision = revision;
    return set;
}

TextViewState window(int width, int height)
{
    TextViewState v;
    v.width = width;
    v.height = height;
    v.charWidth = 8;
    v.lineHeight = 20;
    return v;
}

TEST(TextViews, AVeryLongLineIsDrawnOnlyWhereItShows)
{
    // One megabyte of digits after "! ", plain or with a tab and a Latin-1
    // degree sign early on (which shift every later column by 6 and 0).
    for (const bool plain : {true, false}) {
        std::string line = plain ? "! " : "!\t\xb0";
        const int lead = plain ? 2 : 9;
        for (int i = 0; i < 1'000'000; ++i)
            line.push_back(static_cast<char>('0' + i % 10));
        const SParamSet set = textSet(line + "\r\n1 2 3\r\n");
        TextViewState v = window(80, 100); // ten columns
        v.firstColumn = 500'001;
        RecordingCanvas c;
        const TextScrollRanges r = paintTouchstoneText(c, set, v);
        EXPECT_EQ(v.longestLine, lead + 1'000'000);
        EXPECT_EQ(r.horizontalMax, lead + 1'000'000 - 10);
        const auto texts = c.ofKind(DrawOp::Text);
        ASSERT_EQ(texts.size(), 2u); // the second line is empty there
        // Column 500000 at the left edge, and no more than a few screenfuls.
        EXPECT_EQ((Point{texts[0].v[0], texts[0].v[1]}), (Point{0, 0}));
        EXPECT_EQ(texts[0].text.substr(0, 5),
                  line.substr(static_cast<std::size_t>(500'000 - lead + (plain ? 2 : 3)), 5));
        EXPECT_LE(texts[0].text.size(), 40u);
        EXPECT_TRUE(texts[1].text.empty());

        // Scrolled to the end: the last digits show.
        v.firstColumn = r.horizontalMax;
        RecordingCanvas end;
        paintTouchstoneText(end, set, v);
        const std::string last = end.ofKind(DrawOp::Text)[0].text;
        EXPECT_EQ(last.size(), 11u);
        EXPECT_EQ(last, line.substr(line.size() - 11));
    }
}

TEST(TextViews, AShorterTextBringsAWindowScrolledPastItsEndBack)
{
    std::string longText;
    for (int i = 0; i < 1000; ++i)
        longText += "line " + std::to_string(i) + "\r\n";
    TextViewState v = window(80, 100); // five lines
    v.firstLine = 996;                 // the last line the scroll bar reaches
    RecordingCanvas before;
    paintTouchstoneText(before, textSet(longText, 1), v);
    EXPECT_EQ(v.firstLine, 996);
    EXPECT_EQ(before.ofKind(DrawOp::Text).front().text, "line 996");

    // Another file of ten lines, in the same window.
    std::string shortText;
    for (int i = 0; i < 10; ++i)
        shortText += "row " + std::to_string(i) + "\n";
    RecordingCanvas after;
    const TextScrollRanges r = paintTouchstoneText(after, textSet(shortText, 2), v);
    EXPECT_EQ(r.verticalMax, 5);
    EXPECT_EQ(v.firstLine, 6); // rows + 1 - visible lines, as far as scrolling goes
    EXPECT_EQ(after.texts(), (std::vector<std::string>{"row 6", "row 7", "row 8", "row 9"}));

    // Closed: nothing to scroll.
    SParamSet closed;
    closed.revision = 3;
    EXPECT_EQ(paintTouchstoneText(after, closed, v), (TextScrollRanges{0, 0}));
    EXPECT_EQ(v.firstLine, 0);
}

// n points whose values reveal a wrong row: frequency i, K alternating.
SParamSet gainRows(int n)
{
    SParamSet set;
    set.resizePoints(n);
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        set.points[k].frequency = 1.0 + i;
        set.stabilityK[k] = i % 2 == 0 ? 1.5 : 0.5;
        set.magDb[k] = 10.0 + i * 1e-4;
        set.msgDb[k] = 20.0 + i * 1e-4;
        set.muLoad[k] = 1.1;
        set.muSource[k] = 0.9;
    }
    set.loaded = true;
    return set;
}

TEST(TextViews, GainTableFormatsOnlyTheRowsInViewAndMeasuresEveryRow)
{
    SParamSet set = gainRows(20000);
    // Values wider than "%9.3f" in rows far from the view, and ones that are not numbers.
    set.stabilityK[12345] = 123456789.0;
    set.msgDb[777] = -123456.5;
    set.muLoad[4000] = std::numeric_limits<double>::infinity();
    set.muSource[4001] = std::nan("");
    set.points[19999].frequency = 1234567.0;
    const std::vector<std::string> all = gainTableRows(set);
    std::size_t longest = 0;
    for (const std::string& r : all)
        longest = std::max(longest, r.size());
    EXPECT_EQ(measureGainTable(set).longest, static_cast<int>(longest));
    EXPECT_EQ(measureGainTable(set).frequencyWidth, 11);

    TextViewState v = window(160, 100);
    v.firstLine = 5000;
    v.firstColumn = 3;
    RecordingCanvas c;
    const TextScrollRanges r = paintGainTable(c, set, v);
    EXPECT_EQ(r.verticalMax, 20003 - 5);
    EXPECT_EQ(r.horizontalMax, static_cast<int>(longest) - 20);
    const auto texts = c.ofKind(DrawOp::Text);
    ASSERT_EQ(texts.size(), 7u); // five rows and the two partly shown
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i].text, all[5000 + i].substr(2, texts[i].text.size())) << i;

    // Another, shorter table in the same window starts where it can.
    RecordingCanvas small;
    SParamSet two = gainRows(2);
    two.revision = 1;
    paintGainTable(small, two, v);
    EXPECT_EQ(v.firstLine, 1);
    EXPECT_EQ(small.texts().size(), 4u);
}

} // namespace
} // namespace zelvo
