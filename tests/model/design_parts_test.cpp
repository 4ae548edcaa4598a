// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_parts.h"

#include "core/block.h"
#include "core/chain.h"
#include "model/block_file.h"
#include "model/design_builders.h"
#include "model/design_file.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

using namespace zelvo;
using namespace zelvo::test;

namespace {

// A series inductor of 50 ohm at 1 GHz and 100 ohm at 2 GHz between 50 ohm
// terminations, worked by hand: S11 = jX / (jX + 100), S21 = 100 / (jX + 100).
constexpr const char* seriesInductorS2p = "! a series inductor\r\n"
                                          "# GHz S RI R 50\r\n"
                                          "1 0.2 0.4 0.8 -0.4 0.8 -0.4 0.2 0.4\r\n"
                                          "2 0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5\r\n";
constexpr double seriesInductance = 50.0 / (twoPiElement * 1e9);

std::shared_ptr<const BlockData> block(const char* text)
{
    BlockLoad load = blockFromText(text, "coil.s2p");
    EXPECT_TRUE(std::holds_alternative<std::shared_ptr<const BlockData>>(load));
    return std::get<std::shared_ptr<const BlockData>>(load);
}

std::unique_ptr<Design> designWithParts()
{
    auto d = emptyDesign();
    appendDataPoint(*d, {20, -30, 1e9});
    appendDataPoint(*d, {22, -25, 1.5e9});
    Element l = element(ElementKind::IS, 6e-9);
    l.loss = {.q = 30, .qFrequency = 2.4e9, .qLaw = QLaw::Sqrt, .srf = 6e9};
    Element c = element(ElementKind::CP, 2e-12);
    c.loss = {.esr = 0.25, .esl = 0.4e-9};
    c.tolerance = 0.05;
    Element line = element(ElementKind::LS, 0.12, 60.0f, 2.2f);
    line.loss.lineDb = 0.05;
    Element r = element(ElementKind::RS, 3.3);
    r.tolerance = 0.01;
    Element b;
    b.kind = ElementKind::Block;
    b.block = block(seriesInductorS2p);
    b.reversed = true;
    for (const Element& e : {l, c, line, r, b})
        EXPECT_TRUE(appendElement(*d, e));
    return d;
}

} // namespace

TEST(BlockFile, HandWrittenSeriesInductorEqualsTheElement)
{
    const auto b = block(seriesInductorS2p);
    ASSERT_EQ(b->f.size(), 2u);
    EXPECT_EQ(b->f[1], 2e9);
    EXPECT_EQ(b->name, "coil.s2p");
    EXPECT_EQ(b->sourceText, seriesInductorS2p);
    Element e;
    e.kind = ElementKind::Block;
    e.block = b;
    const Element coil = element(ElementKind::IS, seriesInductance);
    for (const double f : {1e9, 2e9})
        for (const Complex z : {Complex{10, -40}, Complex{50, 0}, Complex{300, 120}}) {
            const Complex a = transformElement(e, z, f, 1e9);
            const Complex expected = transformElement(coil, z, f, 1e9);
            EXPECT_NEAR(a.re, expected.re, 1e-9 * magnitude(expected));
            EXPECT_NEAR(a.im, expected.im, 1e-9 * magnitude(expected));
        }
    // Frequencies that do not rise cannot be interpolated.
    const BlockLoad bad = blockFromText("[Version] 2.0\n# GHz S RI R 50\n[Number of Ports] 2\n"
                                        "[Two-Port Data Order] 12_21\n"
                                        "[Number of Frequencies] 2\n[Network Data]\n"
                                        "2 0 0 1 0 1 0 0 0\n1 0 0 1 0 1 0 0 0\n[End]\n",
                                        "bad.s2p");
    ASSERT_TRUE(std::holds_alternative<DialogMessage>(bad));
    EXPECT_NE(std::get<DialogMessage>(bad).text.find("must rise"), std::string::npos);
}

TEST(DesignParts, LossesTolerancesAndBlockSurviveTheFile)
{
    const auto d = designWithParts();
    const std::string text = designFileText(*d);
    auto back = emptyDesign();
    ASSERT_EQ(readDesignText(*back, text), designFileOk);
    ASSERT_EQ(back->elementCount, 5);
    for (int i = 0; i < 5; ++i) {
        const Element& a = d->elements[static_cast<std::size_t>(i)];
        const Element& b = back->elements[static_cast<std::size_t>(i)];
        EXPECT_EQ(a.kind, b.kind) << i;
        EXPECT_EQ(a.loss, b.loss) << i; // every value is exact in six digits
        EXPECT_EQ(a.tolerance, b.tolerance) << i;
        EXPECT_EQ(a.reversed, b.reversed) << i;
    }
    const Element& blockBack = back->elements[4];
    ASSERT_TRUE(blockBack.block);
    EXPECT_EQ(blockBack.block->sourceText, seriesInductorS2p);
    EXPECT_EQ(blockBack.block->name, "coil.s2p");
    // Written again, the file is the same.
    EXPECT_EQ(designFileText(*back), text);
}

TEST(DesignParts, ClassicSectionsAreThoseOfTheIdealDesign)
{
    const auto d = designWithParts();
    const std::string text = designFileText(*d);
    ASSERT_EQ(text.rfind("[PARTS]\r\n", 0), 0u);
    const std::size_t classic = text.find("[DATAPOINTS]");
    ASSERT_NE(classic, std::string::npos);
    // Ahead of the classic sections, no line a classic reader would act on or
    // could not hold.
    const std::string section = text.substr(0, classic);
    std::size_t lines = 0;
    for (std::size_t at = 0; at < section.size();) {
        const std::size_t end = section.find("\r\n", at);
        const std::string line = section.substr(at, end - at);
        EXPECT_LE(line.size(), 200u) << line;
        if (at > 0) {
            EXPECT_EQ(line.find_first_of("[];"), std::string::npos) << line;
        }
        at = end + 2;
        ++lines;
    }
    EXPECT_GT(lines, 10u);
    // The classic sections are those of the same design without the parts
    // (the block written as an element of kind "BLOCK", without a value).
    auto ideal = emptyDesign();
    *ideal = *d;
    for (Element& e : ideal->elements) {
        e.loss = {};
        e.tolerance = 0;
        e.block.reset();
    }
    EXPECT_EQ(text.substr(classic), designFileText(*ideal));
    EXPECT_NE(text.find("TYP=4,BLOCK\r\nRBEGIN=4,"), std::string::npos);
}

TEST(DesignParts, MissingOrBrokenBlockDataRefusesTheDesign)
{
    const std::string text = designFileText(*designWithParts());
    auto back = emptyDesign();
    // Without the section a block has no data.
    EXPECT_EQ(readDesignText(*back, text.substr(text.find("[DATAPOINTS]"))),
              designFileNotADesign);
    // Data that is no Touchstone file.
    std::string broken = text;
    const std::size_t data = broken.find("DATA=4,");
    broken.replace(data, broken.find("[DATAPOINTS]") - data, "DATA=4,garbage\r\n\r\n");
    EXPECT_EQ(readDesignText(*back, broken), designFileNotADesign);
    std::string negative = text;
    negative.replace(negative.find("Q=0,30"), 6, "Q=0,-3");
    EXPECT_EQ(readDesignText(*back, negative), designFileNotADesign);
}

TEST(DesignFileRead, OlderRlcEndsAreRecomputedAtTheStartFrequency)
{
    // Older versions stored RLC groups computed at the last point's frequency.
    auto d = emptyDesign();
    appendDataPoint(*d, {25, -10, 1e9});
    appendDataPoint(*d, {30, 5, 2e9});
    appendElement(*d, rlcElement(ElementKind::RlcSeries, 5, 1e-9, 1e-12));
    appendElement(*d, element(ElementKind::CS, 1e-12));
    const Complex right = endOf(*d, 1);
    Element& g = d->elements[0];
    const Complex stale = transformElement(g, {25, -10}, 2e9, 1e9);
    g.rEnd = stale.re;
    g.xEnd = stale.im;
    d->elements[1].rBegin = stale.re;
    d->elements[1].xBegin = stale.im;
    auto back = emptyDesign();
    ASSERT_EQ(readDesignText(*back, designFileText(*d)), designFileOk);
    // Six digits in the file: the recomputed end from the rounded begin.
    EXPECT_NEAR(endOf(*back, 1).re, right.re, 1e-4 * magnitude(right));
    EXPECT_NEAR(endOf(*back, 1).im, right.im, 1e-4 * magnitude(right));
}

TEST(DesignParts, ThePartSeriesIsKeptOnlyWhenNotTheDefault)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {20, -30, 1e9});
    appendElement(*d, element(ElementKind::CS, 3.3e-12));
    // The default series writes nothing: the file is the classic one.
    EXPECT_EQ(designFileText(*d).find("[PARTS]"), std::string::npos);
    d->partSeries = ESeries::E96;
    const std::string text = designFileText(*d);
    ASSERT_EQ(text.rfind("[PARTS]\r\nSERIES=E96\r\n\r\n", 0), 0u);
    auto back = emptyDesign();
    ASSERT_EQ(readDesignText(*back, text), designFileOk);
    EXPECT_EQ(back->partSeries, ESeries::E96);
    EXPECT_EQ(designFileText(*back), text);
    // A series this program does not know leaves the default; New forgets it.
    auto unknown = emptyDesign();
    std::string later = text;
    later.replace(later.find("E96"), 3, "E384");
    ASSERT_EQ(readDesignText(*unknown, later), designFileOk);
    EXPECT_EQ(unknown->partSeries, defaultSeries);
    newDesign(*back);
    EXPECT_EQ(back->partSeries, defaultSeries);
}
