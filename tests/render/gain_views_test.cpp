// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/gain_graph.h"
#include "render/recording_canvas.h"
#include "render/text_views.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace zelvo {
namespace {

TEST(GainAxis, DbRounding)
{
    const struct {
        double lo, hi, wantLo, wantHi;
    } rows[] = {
        {12.3, 14.8, 12, 15}, {3.1, 27.5, 0, 30},  {2, 20, 0, 30},      {-13, 5, -20, 10},
        {17, 23, 17, 23},     {10, 10, 10, 11},    {-3.5, -1.2, -4, -1}, {0.2, 11.5, 0, 20},
    };
    for (const auto& r : rows) {
        double lo = r.lo, hi = r.hi;
        roundGainRange(lo, hi);
        EXPECT_EQ(lo, r.wantLo) << r.lo << ".." << r.hi;
        EXPECT_EQ(hi, r.wantHi) << r.lo << ".." << r.hi;
    }
}

TEST(GainAxis, WholeDecades)
{
    EXPECT_EQ(decadeSpan(0.5, 3).lo, -1);
    EXPECT_EQ(decadeSpan(0.5, 3).hi, 1);
    EXPECT_EQ(decadeSpan(100, 10000).count(), 2);
    // One frequency on a power of ten still spans a decade.
    EXPECT_EQ(decadeSpan(1000, 1000).lo, 3);
    EXPECT_EQ(decadeSpan(1000, 1000).hi, 4);
    EXPECT_EQ(frequencyAxisTitle(0), "f [Hz]");
    EXPECT_EQ(frequencyAxisTitle(3), "f [kHz]");
    EXPECT_EQ(frequencyAxisTitle(6), "f [MHz]");
    EXPECT_EQ(frequencyAxisTitle(9), "f [GHz]");
    EXPECT_EQ(frequencyAxisTitle(7), "f [Hz]");
}

// Points at the given frequencies, K and gains; MAG is used where K >= 1.
SParamSet gainSet(std::initializer_list<std::tuple<float, double, double>> rows)
{
    SParamSet set;
    for (const auto& [f, k, g] : rows) {
        const std::size_t i = set.points.size();
        set.resizePoints(static_cast<int>(i) + 1);
        set.points[i].frequency = f;
        set.stabilityK[i] = k;
        set.magDb[i] = k >= 1 ? g : std::nan("");
        set.msgDb[i] = k >= 1 ? g + 100 : g; // a wrong pick would be far off
    }
    set.loaded = true;
    return set;
}

TEST(GainAxis, AxesOfALoadedSet)
{
    const SParamSet set = gainSet({{0.5f, 1.2, 12.3}, {1.0f, 0.8, 14.8}, {3.0f, 1.1, 13.0}});
    const GainAxes a = gainGraphAxes(set);
    EXPECT_FLOAT_EQ(a.fMin, 0.5f);
    EXPECT_FLOAT_EQ(a.fMax, 3.0f);
    EXPECT_EQ(a.gMin, 12);
    EXPECT_EQ(a.gMax, 15);
    EXPECT_EQ(a.title, "f [GHz]");
    EXPECT_TRUE(a.legend);

    const GainAxes none = gainGraphAxes(SParamSet{});
    EXPECT_EQ(none.fMin, 100);
    EXPECT_EQ(none.fMax, 10000);
    EXPECT_EQ(none.gMin, 0);
    EXPECT_EQ(none.gMax, 30);
    EXPECT_FALSE(none.legend);

    // A point at 0 Hz has no place on the logarithmic axis.
    const GainAxes zero = gainGraphAxes(gainSet({{0.0f, 1.2, 5}, {2.0f, 1.2, 6}}));
    EXPECT_FLOAT_EQ(zero.fMin, 2.0f);
}

TEST(GainGraph, GridLinesOneDbOrTenDbApart)
{
    RecordingCanvas fine;
    drawGainGraph(fine, 20, 20, 600, 400, rgb(0, 0, 0), 0.5, 3, 12, 15, "f [GHz]", {}, 16);
    std::vector<int> horizontal;
    int vertical = 0;
    for (const DrawCall& l : fine.ofKind(DrawOp::LineTo)) {
        EXPECT_EQ(l.pen.style, PenStyle::Dotted);
        if (l.v[1] == l.v[3])
            horizontal.push_back(l.v[1]);
        else
            ++vertical;
    }
    // 370 pixels over 3 dB: 123 per dB.
    EXPECT_EQ(horizontal, (std::vector<int>{20 + 123, 20 + 246}));
    // Two decades: one decade line and eight minor lines in each.
    EXPECT_EQ(vertical, 1 + 2 * 8);
    EXPECT_EQ(fine.texts(), (std::vector<std::string>{"f [GHz]", "10^-1", "10^0", "10^1", "12", "15"}));
    const DrawCall* mid = fine.findText("10^0");
    EXPECT_EQ((Point{mid->v[0], mid->v[1]}), (Point{20 + 30 + 285, 20 + 370}));
    EXPECT_EQ(mid->font.height, 16 / 3 * 2);
    const DrawCall* top = fine.findText("15");
    EXPECT_EQ((Point{top->v[0], top->v[1]}), (Point{50, 20}));
    EXPECT_EQ(top->align, TextAlign::RightBaseline);
    const auto frame = fine.ofKind(DrawOp::Rectangle);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].v[0], 50);
    EXPECT_EQ(frame[0].v[3], 390);

    RecordingCanvas coarse;
    drawGainGraph(coarse, 20, 20, 600, 400, rgb(0, 0, 0), 0.5, 3, 0, 30, "f [GHz]", {}, 16);
    horizontal.clear();
    for (const DrawCall& l : coarse.ofKind(DrawOp::LineTo))
        if (l.v[1] == l.v[3])
            horizontal.push_back(l.v[1]);
    EXPECT_EQ(horizontal, (std::vector<int>{20 + 120, 20 + 240})); // 12 pixels per dB
}

TEST(GainGraph, MinorLinesAtTheLogarithmsOfTwoToNine)
{
    RecordingCanvas c;
    drawGainGraph(c, 0, 0, 630, 400, rgb(0, 0, 0), 10, 100, 0, 10, "f", {}, 16);
    std::vector<int> xs;
    for (const DrawCall& l : c.ofKind(DrawOp::LineTo))
        if (l.v[0] == l.v[2])
            xs.push_back(l.v[0]);
    ASSERT_EQ(xs.size(), 8u);
    for (int m = 2; m <= 9; ++m)
        EXPECT_EQ(xs[static_cast<std::size_t>(m - 2)], 30 + static_cast<int>(std::log10(m) * 600));
}

TEST(GainGraph, LegendRows)
{
    const GainSeries series[] = {{"MAG [dB]", rgb(255, 0, 0), PenStyle::Solid},
                                 {"MSG [dB]", rgb(0, 0, 255), PenStyle::Dotted}};
    RecordingCanvas c;
    drawGainGraph(c, 20, 20, 600, 400, rgb(0, 0, 0), 100, 10000, 0, 30, "f [MHz]", series, 16);
    for (int k = 0; k < 2; ++k) {
        const int y = 20 + 400 + 16 * (k + 2);
        const DrawCall* name = c.findText(series[k].name);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ((Point{name->v[0], name->v[1]}), (Point{130, y}));
        EXPECT_EQ(name->align, TextAlign::LeftBottom);
        bool sample = false;
        for (const DrawCall& l : c.ofKind(DrawOp::LineTo))
            if (l.v[1] == y - 8 && l.v[3] == y - 8 && l.v[2] == 30 && l.v[0] == 120 &&
                l.pen == Pen{series[k].style, 1, series[k].colour})
                sample = true;
        EXPECT_TRUE(sample) << k;
    }
    const DrawCall* title = c.findText("f [MHz]");
    EXPECT_EQ((Point{title->v[0], title->v[1]}), (Point{320, 420}));
    EXPECT_EQ(title->align, TextAlign::CentreTop);
}

TEST(GainGraph, SeriesBreakWhereTheOtherSeriesTakesOver)
{
    const SParamSet set = gainSet({{1.0f, 1.5, 14.0}, {2.0f, 1.5, 13.0}, {3.0f, 0.5, 20.0},
                                   {4.0f, 1.5, 12.5}, {5.0f, 1.5, 12.0}});
    const GainAxes a = gainGraphAxes(set); // 12 .. 20 dB, decades 0 .. 1
    ASSERT_EQ(a.gMin, 12);
    ASSERT_EQ(a.gMax, 20);
    RecordingCanvas mag, msg;
    drawGainTrace(mag, 0, 0, 630, 400, rgb(255, 0, 0), a.fMin, a.fMax, a.gMin, a.gMax, set,
                  magSeries, PenStyle::Solid);
    drawGainTrace(msg, 0, 0, 630, 400, rgb(0, 0, 255), a.fMin, a.fMax, a.gMin, a.gMax, set,
                  msgSeries, PenStyle::Dotted);
    EXPECT_EQ(mag.ofKind(DrawOp::Ellipse).size(), 4u);
    EXPECT_EQ(mag.ofKind(DrawOp::LineTo).size(), 2u); // 1-2 and 4-5, broken at 3
    EXPECT_EQ(msg.ofKind(DrawOp::Ellipse).size(), 1u);
    EXPECT_TRUE(msg.ofKind(DrawOp::LineTo).empty());
    const auto first = mag.ofKind(DrawOp::Ellipse)[0];
    // x = 30 + trunc(600 * log10 1), y = trunc(370 * (1 - (14 - 12) / 8)).
    EXPECT_EQ((Point{first.centreX(), first.centreY()}), (Point{30, 277}));
    const auto third = msg.ofKind(DrawOp::Ellipse)[0];
    EXPECT_EQ((Point{third.centreX(), third.centreY()}),
              (Point{30 + static_cast<int>(600 * std::log10(3.0)), 0}));
    EXPECT_EQ(mag.ofKind(DrawOp::LineTo)[0].pen.style, PenStyle::Solid);
    EXPECT_EQ(msg.ofKind(DrawOp::Ellipse)[0].pen.colour, rgb(0, 0, 255));
}

TEST(GainGraph, AllPointsUnstableDrawOnlyTheMsgCurve)
{
    const SParamSet set = gainSet({{1.0f, 0.5, 14.0}, {2.0f, 0.6, 13.0}});
    RecordingCanvas c;
    paintGainGraphWindow(c, set, {}, 16);
    int red = 0, blue = 0, mu = 0, muPrime = 0;
    for (const DrawCall& e : c.ofKind(DrawOp::Ellipse)) {
        red += e.pen.colour == rgb(255, 0, 0);
        blue += e.pen.colour == rgb(0, 0, 255);
        mu += e.pen.colour == muColour;
        muPrime += e.pen.colour == muPrimeColour;
    }
    EXPECT_EQ(red, 0);
    EXPECT_EQ(blue, 2);
    EXPECT_EQ(mu, 2);
    EXPECT_EQ(muPrime, 2);
    const auto rows = gainTableRows(set);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[3].substr(0, 42), "    1.000    -------     14.000      0.500");
}

TEST(GainGraph, MuCurvesOnTheirOwnScale)
{
    SParamSet set = gainSet({{1.0f, 1.2, 14.0}, {10.0f, 1.3, 13.0}, {100.0f, 1.3, 12.0}});
    set.muLoad = {1.0, 3.0, std::nan("")};
    set.muSource = {0.5, 40.0, 1.5}; // 40 is above the scale: not drawn
    EXPECT_EQ(muAxisTop(set), 5.0);
    set.muSource[1] = 2.0;
    EXPECT_EQ(muAxisTop(set), 3.0);
    EXPECT_EQ(muAxisTop(SParamSet{}), 2.0);
    set.muSource[1] = 40.0;

    RecordingCanvas c;
    drawMuTraces(c, 0, 0, 630, 400, 1.0, 100.0, 4.0, set, 16);
    std::vector<Point> mu, muPrime;
    for (const DrawCall& e : c.ofKind(DrawOp::Ellipse))
        (e.pen.colour == muColour ? mu : muPrime).push_back({e.centreX(), e.centreY()});
    // Two decades of 300 pixels; y = trunc(370 * (1 - mu / 4)).
    EXPECT_EQ(mu, (std::vector<Point>{{30, 277}, {330, 92}}));
    EXPECT_EQ(muPrime, (std::vector<Point>{{30, 323}, {630, 231}}));
    // mu' has no neighbours to join: the line from 1 to 100 would skip a point.
    int muPrimeLines = 0;
    for (const DrawCall& e : c.ofKind(DrawOp::LineTo))
        muPrimeLines += e.pen.colour == muPrimeColour;
    EXPECT_EQ(muPrimeLines, 0);
}

// n points from 1 to 100 (file unit): K below 1 in blocks of 3000 points,
// gains and mu wandering with a little noise.
SParamSet longGainSet(int n)
{
    SParamSet set;
    set.resizePoints(n);
    unsigned r = 3;
    for (int i = 0; i < n; ++i) {
        r = r * 1103515245u + 12345u;
        const auto k = static_cast<std::size_t>(i);
        const double t = static_cast<double>(i) / n;
        const double noise = ((r >> 16) % 100) * 1e-3;
        set.points[k].frequency = std::pow(10.0, 2.0 * t);
        set.stabilityK[k] = (i / 3000) % 3 == 1 ? 0.7 : 1.3;
        set.magDb[k] = 20.0 - 8.0 * t + noise;
        set.msgDb[k] = 24.0 - 8.0 * t + noise;
        set.muLoad[k] = 1.0 + std::sin(9.0 * t) * 0.5 + noise;
        set.muSource[k] = 1.2 + std::cos(7.0 * t) * 0.5;
    }
    set.loaded = true;
    return set;
}

TEST(GainGraph, LongFilesGetOneCirclePerPixelInEachCurveAndKeepTheirBreaks)
{
    const SParamSet set = longGainSet(200000);
    RecordingCanvas c;
    paintGainGraphWindow(c, set, {}, 16);
    const auto positions = gainPointPositions(set, {}, 16);
    for (const int series : {magSeries, msgSeries}) {
        const Colour colour = series == magSeries ? rgb(255, 0, 0) : rgb(0, 0, 255);
        std::set<std::pair<int, int>> distinct;
        for (const auto& p : positions)
            if (p && p->series == series)
                distinct.insert({p->at.x, p->at.y});
        std::vector<std::pair<int, int>> circles;
        for (const DrawCall& e : c.ofKind(DrawOp::Ellipse))
            if (e.pen.colour == colour)
                circles.emplace_back(e.centreX(), e.centreY());
        const std::set<std::pair<int, int>> circled(circles.begin(), circles.end());
        EXPECT_EQ(circled, distinct);
        EXPECT_EQ(circles.size(), distinct.size());
        EXPECT_LT(circles.size(), 600u * 10); // pixels, not points
    }
    // No MAG segment bridges the MSG blocks between its own.
    std::vector<int> msgColumns;
    for (const auto& p : positions)
        if (p && p->series == msgSeries)
            msgColumns.push_back(p->at.x);
    int magLines = 0;
    for (const DrawCall& l : c.ofKind(DrawOp::LineTo)) {
        if (l.pen.colour != rgb(255, 0, 0) || l.v[1] > 20 + 400 - 30) // not the legend's
            continue;
        ++magLines;
        const int lo = std::min(l.v[0], l.v[2]), hi = std::max(l.v[0], l.v[2]);
        for (const int x : msgColumns)
            ASSERT_FALSE(x > lo && x < hi) << lo << ".." << hi;
    }
    EXPECT_GT(magLines, 10);
    EXPECT_LT(c.calls.size(), 40000u);
    int mu = 0;
    for (const DrawCall& e : c.ofKind(DrawOp::Ellipse))
        mu += e.pen.colour == muColour;
    EXPECT_GT(mu, 100);

    // A window keeping its cache draws the same, scrolled as well.
    GainGraphCache cache;
    for (const GainGraphScroll scroll : {GainGraphScroll{}, GainGraphScroll{40, 100}}) {
        RecordingCanvas fresh, kept;
        paintGainGraphWindow(fresh, set, scroll, 16, 700, 600);
        paintGainGraphWindow(kept, set, scroll, 16, 700, 600, &cache);
        ASSERT_EQ(fresh.calls.size(), kept.calls.size());
        for (std::size_t i = 0; i < fresh.calls.size(); ++i) {
            EXPECT_EQ(fresh.calls[i].op, kept.calls[i].op) << i;
            EXPECT_EQ(std::vector<int>(fresh.calls[i].v, fresh.calls[i].v + 4),
                      std::vector<int>(kept.calls[i].v, kept.calls[i].v + 4))
                << i;
        }
    }
}

TEST(GainGraph, WindowScrolling)
{
    EXPECT_EQ(gainGraphRanges(600, 500).horizontalMax, 100);
    EXPECT_EQ(gainGraphRanges(600, 500).verticalMax, 500);
    EXPECT_EQ(gainGraphRanges(800, 1200).horizontalMax, 0);
    EXPECT_EQ(gainGraphRanges(800, 1200).verticalMax, 0);

    GainGraphScroll s{80, 300};
    resizeGainGraph(s, 500, 800);
    EXPECT_EQ(s.horizontal, 80);
    EXPECT_EQ(s.vertical, 300);
    resizeGainGraph(s, 600, 900);
    EXPECT_EQ(s.horizontal, 0);
    EXPECT_EQ(s.vertical, 0);

    GainGraphScroll t;
    EXPECT_TRUE(scrollGainGraph(t, true, ScrollAction::LineDown, 0, 500, 600));
    EXPECT_EQ(t.vertical, 20);
    EXPECT_TRUE(scrollGainGraph(t, true, ScrollAction::PageDown, 0, 500, 600));
    EXPECT_EQ(t.vertical, 220);
    EXPECT_TRUE(scrollGainGraph(t, true, ScrollAction::Thumb, 900, 500, 600));
    EXPECT_EQ(t.vertical, 400); // 1000 - 600
    EXPECT_TRUE(scrollGainGraph(t, false, ScrollAction::PageDown, 0, 500, 600));
    EXPECT_EQ(t.horizontal, 200);
    EXPECT_FALSE(scrollGainGraph(t, false, ScrollAction::LineDown, 0, 500, 600));
    EXPECT_TRUE(scrollGainGraph(t, false, ScrollAction::PageUp, 0, 500, 600));
    EXPECT_EQ(t.horizontal, 0);
    EXPECT_FALSE(scrollGainGraph(t, false, ScrollAction::LineUp, 0, 500, 600));

    RecordingCanvas c;
    paintGainGraphWindow(c, SParamSet{}, {10, 30}, 16);
    const auto frame = c.ofKind(DrawOp::Rectangle);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ((Point{frame[0].v[0], frame[0].v[1]}), (Point{20 - 10 + 30, 20 - 30}));
    EXPECT_EQ(c.findText("MAG [dB]"), nullptr); // no legend without a file
    EXPECT_NE(c.findText("f [GHz]"), nullptr);
}

TEST(TextViews, FileLinesAsShown)
{
    EXPECT_EQ(touchstoneLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(touchstoneLines("x\r\n"), (std::vector<std::string>{"x"}));
    EXPECT_EQ(touchstoneLines("x\n\r"), (std::vector<std::string>{"x"})); // a lone CR is dropped
    EXPECT_EQ(touchstoneLines("1\t2\t3"), (std::vector<std::string>{"1       2       3"}));
    EXPECT_EQ(touchstoneLines("! 25\xb0" "C"), (std::vector<std::string>{"! 25\xc2\xb0" "C"}));
    EXPECT_EQ(touchstoneLines("! \xc2\xb0"), (std::vector<std::string>{"! \xc2\xb0"}));
    EXPECT_TRUE(touchstoneLines("").empty());
}

SParamSet textSet(std::string text)
{
    SParamSet set;
    set.sourceText = std::move(text);
    set.loaded = true;
    return set;
}

TEST(TextViews, FileWindowCountsLinesAndScrolls)
{
    const SParamSet set = textSet("! comment line\r\n# GHz S MA R 50\r\n1 2 3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12");
    TextViewState v;
    v.width = 80;
    v.height = 100;
    v.charWidth = 8;
    v.lineHeight = 20;
    v.firstLine = 2;
    v.firstColumn = 1;
    RecordingCanvas c;
    const TextScrollRanges r = paintTouchstoneText(c, set, v);
    EXPECT_EQ(v.lineCount, 12);
    EXPECT_EQ(v.longestLine, 15);
    EXPECT_EQ(r, (TextScrollRanges{12 - 5, 15 - 10}));
    const auto t = c.ofKind(DrawOp::Text);
    ASSERT_GE(t.size(), 5u);
    EXPECT_EQ(t[0].text, "1 2 3");
    EXPECT_EQ((Point{t[0].v[0], t[0].v[1]}), (Point{0, 0}));
    EXPECT_EQ((Point{t[1].v[0], t[1].v[1]}), (Point{0, 20}));
    EXPECT_EQ(t[0].font.face, FontFace::Fixed);
    EXPECT_EQ(t[0].align, TextAlign::LeftTop);

    // Scrolling: lines move by one, pages by the visible lines, and the last
    // position is rows + 1 - visible lines.
    v.firstLine = 0;
    EXPECT_EQ(scrollTextVertical(v, 12, ScrollAction::LineUp), 0);
    EXPECT_EQ(scrollTextVertical(v, 12, ScrollAction::PageDown), 5);
    EXPECT_EQ(scrollTextVertical(v, 12, ScrollAction::Thumb, 100), 8);
    v.firstLine = 8;
    EXPECT_EQ(scrollTextVertical(v, 12, ScrollAction::LineDown), 8);
    EXPECT_EQ(scrollTextHorizontal(v, 15, ScrollAction::Thumb, 40), 5);
    EXPECT_EQ(scrollTextHorizontal(v, 15, ScrollAction::PageDown), 5);
    v.height = 10; // less than a line: pages still move by one
    EXPECT_EQ(scrollTextVertical(v, 12, ScrollAction::PageDown), 9);

    TextViewState idle;
    RecordingCanvas none;
    paintTouchstoneText(none, SParamSet{}, idle);
    EXPECT_TRUE(none.calls.empty());
}

TEST(TextViews, GainTableRows)
{
    SParamSet set;
    set.resizePoints(2);
    set.freqExponent = 6;
    set.points[0].frequency = 400.0f;
    set.stabilityK[0] = 0.399;
    set.msgDb[0] = 26.07;
    set.magDb[0] = std::nan("");
    set.points[1].frequency = 2000.0f;
    set.stabilityK[1] = 1.25;
    set.magDb[1] = 12.5;
    set.msgDb[1] = 15.0;
    set.muLoad = {0.62, 1.1};
    set.muSource = {0.71, 1.0004};
    set.magDb[1] = -0.0004; // rounds to zero: shown without a sign
    set.loaded = true;
    const auto rows = gainTableRows(set);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "    Freq.     MAG         MSG         K          mu        mu'");
    EXPECT_EQ(rows[1], "    [MHz]     [dB]        [dB]        [-]         [-]        [-]");
    EXPECT_EQ(rows[2], std::string(65, '-'));
    EXPECT_EQ(rows[3], "  400.000    -------     26.070      0.399      0.620      0.710");
    EXPECT_EQ(rows[4], " 2000.000     0.000      -------     1.250      1.100      1.000");
    // A frequency kept as written: 9 GHz in hertz is not 8999999488.
    set.points[1].frequency = 9e9;
    EXPECT_EQ(gainTableRows(set)[4].substr(0, 14), "9000000000.000");
    set.points[1].frequency = 2000.0;

    const struct {
        int exponent;
        const char* unit;
    } units[] = {{0, "    [Hz] "}, {3, "    [kHz]"}, {6, "    [MHz]"}, {9, "    [GHz]"}, {5, "    [Hz] "}};
    for (const auto& u : units) {
        set.freqExponent = u.exponent;
        EXPECT_EQ(gainTableRows(set)[1].substr(0, 9), u.unit);
    }
    // Frequencies of 100000 and more move the whole table so that it stays aligned.
    set.points[1].frequency = 1234567.0f;
    const auto wide = gainTableRows(set);
    EXPECT_EQ(wide[0], "      Freq.     MAG         MSG         K          mu        mu'");
    EXPECT_EQ(wide[2], std::string(67, '-'));
    EXPECT_EQ(wide[3], "    400.000    -------     26.070      0.399      0.620      0.710");
    EXPECT_EQ(wide[4], "1234567.000     0.000      -------     1.250      1.100      1.000");
    set.points[1].frequency = 2000.0f;
    set.loaded = false;
    EXPECT_EQ(gainTableRows(set).size(), 3u);

    TextViewState v;
    v.width = 160;
    v.height = 60;
    v.charWidth = 8;
    v.lineHeight = 20;
    set.loaded = true;
    RecordingCanvas c;
    const TextScrollRanges r = paintGainTable(c, set, v);
    EXPECT_EQ(r, (TextScrollRanges{2 + 3 - 3, 65 - 20}));
    EXPECT_EQ(c.texts().size(), 5u); // three visible lines and the part-visible rest
}

} // namespace
} // namespace zelvo
