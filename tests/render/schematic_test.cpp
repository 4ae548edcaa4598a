// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/chain.h"
#include "render/recording_canvas.h"
#include "render/schematic.h"
#include "render/schematic_picture.h"
#include "render/schematic_text.h"
#include "render/tiles.h"
#include "render_fixtures.h"

#include <gtest/gtest.h>
#include <set>

namespace zelvo {
namespace {

using namespace zelvo::testing;

constexpr int h = schematicRowHeight;

TEST(SchematicScroll, RangeAndRequestsAreClamped)
{
    EXPECT_EQ(schematicScrollMax(3, 100), 100); // (3 + 2) * 40 - 100
    EXPECT_EQ(schematicScrollMax(0, 200), 0);
    EXPECT_EQ(schematicScrollMax(3, 200), 0);

    SchematicView v{300, 100, 0, 16};
    EXPECT_TRUE(scrollSchematic(v, 3, ScrollAction::LineDown));
    EXPECT_EQ(v.scrollOffset, 10);
    EXPECT_TRUE(scrollSchematic(v, 3, ScrollAction::PageDown));
    EXPECT_EQ(v.scrollOffset, 100); // 10 + 90, at the maximum
    EXPECT_FALSE(scrollSchematic(v, 3, ScrollAction::LineDown));
    EXPECT_TRUE(scrollSchematic(v, 3, ScrollAction::PageUp));
    EXPECT_EQ(v.scrollOffset, 10);
    EXPECT_TRUE(scrollSchematic(v, 3, ScrollAction::LineUp));
    EXPECT_FALSE(scrollSchematic(v, 3, ScrollAction::LineUp));
    EXPECT_EQ(v.scrollOffset, 0);
    // Dragging the thumb sets the offset, clamped to the maximum.
    EXPECT_TRUE(scrollSchematic(v, 3, ScrollAction::Thumb, 70));
    EXPECT_EQ(v.scrollOffset, 70);
    scrollSchematic(v, 3, ScrollAction::Thumb, 500);
    EXPECT_EQ(v.scrollOffset, 100);
}

TEST(SchematicScroll, AfterTheCountChangedAndToTheEnd)
{
    SchematicView v{300, 100, 100, 16};
    EXPECT_TRUE(clampSchematicScroll(v, 2)); // maximum now 60
    EXPECT_EQ(v.scrollOffset, 60);
    EXPECT_FALSE(clampSchematicScroll(v, 2));
    EXPECT_TRUE(scrollSchematicToEnd(v, 2));
    EXPECT_EQ(v.scrollOffset, 100); // (2 + 3) * 40 - 100
    EXPECT_FALSE(scrollSchematicToEnd(v, 2));
}

TEST(SchematicScroll, DoubleClickRows)
{
    EXPECT_FALSE(schematicRowAt(49, 0, 3)); // the top tile's row
    EXPECT_EQ(schematicRowAt(50, 0, 3), 0);
    EXPECT_EQ(schematicRowAt(129, 0, 3), 1);
    EXPECT_EQ(schematicRowAt(169, 0, 3), 2);
    EXPECT_FALSE(schematicRowAt(170, 0, 3)); // below the last element
    EXPECT_EQ(schematicRowAt(10, 80, 3), 1);
    EXPECT_FALSE(schematicRowAt(0, 0, 3));
}

std::vector<DrawCall> bitmaps(const RecordingCanvas& c)
{
    return c.ofKind(DrawOp::Bitmap);
}

TEST(Schematic, EmptyDesignShowsTheTwoEndTiles)
{
    SchematicView v{300, 400, 55, 16};
    RecordingCanvas c;
    paintSchematic(c, Design{}, v, {});
    EXPECT_EQ(v.scrollOffset, 0);
    const auto b = bitmaps(c);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].image, tile(TileId::ColumnTop));
    EXPECT_EQ((Point{b[0].v[0], b[0].v[1]}), (Point{230, 0}));
    EXPECT_EQ(b[1].image, tile(TileId::ColumnBottom));
    EXPECT_EQ((Point{b[1].v[0], b[1].v[1]}), (Point{230, h}));
    EXPECT_TRUE(c.texts().empty());
}

TEST(Schematic, ElementRowsWithTilesAndTexts)
{
    Design d;
    addPoint(d, 25, -30, 1e9);
    addElement(d, element(ElementKind::CS, 4e-12));
    addElement(d, element(ElementKind::IP, 10e-9));
    addElement(d, element(ElementKind::TR, 1.4));
    SchematicView v{300, 400, 0, 16};
    RecordingCanvas c;
    paintSchematic(c, d, v, {});
    const auto b = bitmaps(c);
    ASSERT_EQ(b.size(), 5u);
    const TileId ids[] = {TileId::ColumnTop, TileId::CS, TileId::IP, TileId::TR, TileId::ColumnBottom};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(b[static_cast<std::size_t>(i)].image, tile(ids[i])) << i;
        EXPECT_EQ(b[static_cast<std::size_t>(i)].v[1], i * h);
        EXPECT_EQ(b[static_cast<std::size_t>(i)].v[2], tileWidth);
    }
    const auto texts = c.ofKind(DrawOp::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "4.0 pF");
    EXPECT_EQ(texts[1].text, "10.0 nH");
    EXPECT_EQ(texts[2].text, "1:1.40");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].v[0], 10);
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].v[1], h / 2 + (i + 1) * h);
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].align, TextAlign::LeftBaseline);
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].font.height, schematicFontHeight);
    }
}

TEST(Schematic, RlcGroupsShowThreeStackedLines)
{
    Design d;
    addPoint(d, 25, -30);
    addElement(d, rlc(ElementKind::RlcSeries, 200, 20e-9, 1e-12));
    SchematicView v{300, 400, 0, 16};
    RecordingCanvas c;
    paintSchematic(c, d, v, {});
    const auto t = c.ofKind(DrawOp::Text);
    ASSERT_EQ(t.size(), 4u);
    const int B = h / 2 + h;
    EXPECT_EQ(t[0].text, "200.0 ");
    EXPECT_EQ(t[0].v[1], B - 11);
    EXPECT_EQ(t[1].text, "W");
    EXPECT_EQ(t[1].font.face, FontFace::Symbol);
    // Six characters of the 13-pixel font's average width 6, then 18 pixels.
    EXPECT_EQ(t[1].v[0], 6 * 6 + 18);
    EXPECT_EQ(t[1].v[1], B - 11);
    EXPECT_EQ(t[2].text, "20.0 nH");
    EXPECT_EQ(t[2].v[1], B + 2);
    EXPECT_EQ(t[3].text, "1.0 pF");
    EXPECT_EQ(t[3].v[1], B + 15);
}

TEST(SchematicText, LinesShowLengthsInWavelengthsAndMillimetres)
{
    Element e = element(ElementKind::LS, 0.08, 75.0f, 2.2f);
    const TextWidth width = [](std::string_view s) { return static_cast<int>(s.size()) * 6; };
    const auto pieces = elementTextPieces(e, 1e9, width, 16, false);
    ASSERT_EQ(pieces.size(), 6u);
    // The free-space wavelength at 1 GHz is 299.792458 mm; 0.08 of it, and
    // that shortened by sqrt(2.2).
    const double electrical = 299.792458 * 0.08;
    EXPECT_EQ(pieces[0], (TextPiece{"0.080", FontFace::Default, 10, -8}));
    EXPECT_EQ(pieces[1], (TextPiece{"l", FontFace::Symbol, 30 + 14, -8}));
    EXPECT_EQ(pieces[2].text, " | 23.983 mm(electr)");
    EXPECT_NEAR(std::stod(pieces[2].text.substr(3)), electrical, 0.0005);
    EXPECT_EQ(pieces[2].x, 50);
    EXPECT_EQ(pieces[2].dy, -8 - 12);
    EXPECT_NEAR(std::stod(pieces[3].text.substr(3)), electrical / std::sqrt(2.2), 0.0005);
    EXPECT_EQ(pieces[3].dy, -8);
    EXPECT_EQ(pieces[4], (TextPiece{"75.0 ", FontFace::Default, 10, 5}));
    EXPECT_EQ(pieces[5], (TextPiece{"W", FontFace::Symbol, 30 + 10, 5}));

    const auto shortForms = elementTextPieces(e, 1e9, width, 16, true);
    EXPECT_EQ(shortForms[2].text, " | 23.983 mm(e)");
    EXPECT_EQ(shortForms[3].text, " | 16.170 mm(m)");
}

// A lossy part's losses share its row, a line below the value; a line's
// follow its impedance. Ideal parts keep the one line.
TEST(SchematicText, LossesStandUnderTheValueOrBesideTheLineImpedance)
{
    const TextWidth width = [](std::string_view s) { return static_cast<int>(s.size()) * 6; };
    Element l = element(ElementKind::IS, 2.2e-9);
    EXPECT_EQ(elementTextPieces(l, 1e9, width, 16, false),
              (std::vector<TextPiece>{{"2.2 nH", FontFace::Default, 10, 0}}));
    l.loss = {.q = 30, .qFrequency = 2.4e9};
    EXPECT_EQ(elementTextPieces(l, 1e9, width, 16, false),
              (std::vector<TextPiece>{{"2.2 nH", FontFace::Default, 10, 0},
                                      {"Q 30 @ 2.4 GHz", FontFace::Default, 10, 13}}));
    Element c = element(ElementKind::CP, 1e-12);
    c.loss = {.esr = 0.2, .esl = 0.3e-9};
    EXPECT_EQ(elementTextPieces(c, 1e9, width, 16, false).back(),
              (TextPiece{"ESR 200 m\u03A9, ESL 300 pH", FontFace::Default, 10, 13}));

    Element line = element(ElementKind::LPS, 0.08, 75.0f, 2.2f);
    line.loss.lineDb = 0.5;
    const auto pieces = elementTextPieces(line, 1e9, width, 16, false);
    ASSERT_EQ(pieces.size(), 7u);
    EXPECT_EQ(pieces[6], (TextPiece{" | 0.5 dB/\u03BB", FontFace::Default, 30 + 10 + 6, 5}));
}

TEST(SchematicText, ImpedanceTextsCarryTheSignOfTheReactance)
{
    EXPECT_EQ(impedanceText(25, -30), "(25.00 - j30.00)");
    EXPECT_EQ(impedanceText(25, 30), "(25.00 + j30.00)");
    EXPECT_EQ(impedanceText(50, 0), "(50.00 + j0.00)");
}

TEST(SchematicText, PendingValueRangesAndTexts)
{
    const struct {
        ElementKind kind;
        double value;
        bool shown;
    } rows[] = {
        {ElementKind::CS, 0.00009, true},  {ElementKind::CS, 0.0001, false},
        {ElementKind::IS, 1e-12, false},   {ElementKind::IS, 2e-12, true},
        {ElementKind::RS, 0.001, false},   {ElementKind::RS, 0.0011, true},
        {ElementKind::CP, 1e-16, false},   {ElementKind::CP, 999, true},
        {ElementKind::CP, 1000, false},    {ElementKind::IP, 0.001, false},
        {ElementKind::IP, 1e-9, true},     {ElementKind::RP, 1e6, false},
        {ElementKind::RP, 1e-15, false},   {ElementKind::RP, 10, true},
        {ElementKind::TR, 1e4, true},      {ElementKind::LS, 0.0, true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(pendingValueShown(r.kind, r.value), r.shown)
            << static_cast<int>(r.kind) << " " << r.value;

    const TextWidth width = [](std::string_view s) { return static_cast<int>(s.size()) * 8; };
    EXPECT_EQ(pendingValuePieces(ElementKind::CS, 3.3e-12, 1e9, width, 16),
              (std::vector<TextPiece>{{"3.3 pF      ", FontFace::Default, 10, 0}}));
    EXPECT_EQ(pendingValuePieces(ElementKind::TR, 2.5, 1e9, width, 16),
              (std::vector<TextPiece>{{"1:2.50      ", FontFace::Default, 10, 0}}));
    // The ohm sign overwrites the last two of the three blanks.
    EXPECT_EQ(pendingValuePieces(ElementKind::RP, 470, 1e9, width, 16),
              (std::vector<TextPiece>{{"470.0    ", FontFace::Default, 10, 0},
                                      {"W       ", FontFace::Symbol, 10 + 7 * 8, 0}}));
    EXPECT_EQ(pendingValuePieces(ElementKind::LPO, 0.125, 1e9, width, 16),
              (std::vector<TextPiece>{{"0.125 ", FontFace::Default, 10, -8},
                                      {"l", FontFace::Symbol, 10 + 48, -8},
                                      {" | 37.474 mm ", FontFace::Default, 20 + 48, -8}}));
    EXPECT_EQ(pendingValuePieces(ElementKind::LS, 0.125, 1e9, width, 16)[2].text, " | 37.474 mm");
}

TEST(Schematic, PlacingScrollsToThePendingRowAndTheBottomTile)
{
    Design d = everyKindDesign(); // twelve elements
    SchematicPlacement p;
    p.placing = true;
    p.kind = ElementKind::LPS;
    p.lineImpedance = 75.0f;
    p.value = 0.1;
    SchematicView v{300, 300, 0, 16};
    RecordingCanvas c;
    paintSchematic(c, d, v, p);
    EXPECT_EQ(v.scrollOffset, 15 * h - 300);
    const auto b = bitmaps(c);
    ASSERT_GE(b.size(), 2u);
    const DrawCall& pending = b[b.size() - 2];
    const DrawCall& bottom = b.back();
    EXPECT_EQ(pending.image, tile(TileId::LPS));
    EXPECT_EQ(pending.v[1], 13 * h - v.scrollOffset);
    EXPECT_EQ(bottom.image, tile(TileId::ColumnBottom));
    EXPECT_EQ(bottom.v[1] + tileHeight, 300); // fully visible at the bottom
    const DrawCall* zl = c.findText("75.0  ");
    ASSERT_NE(zl, nullptr);
    EXPECT_EQ(zl->v[1], 13 * h + 16 / 2 - v.scrollOffset + 20);
    // The live value in the pending row, half a chart line higher.
    const DrawCall* live = c.findText("0.100 ");
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->v[1], h / 2 + 13 * h - v.scrollOffset - 16 / 2);
    EXPECT_EQ(live->font.height, p.liveFontHeight);
    const DrawCall* lambda = c.findText("l");
    ASSERT_NE(lambda, nullptr);
}

TEST(Schematic, RowsOutOfViewAreNotDrawn)
{
    Design d;
    addPoint(d, 25, -30);
    for (int i = 0; i < 150; ++i)
        addElement(d, element(ElementKind::IS, 1e-9));
    SchematicView v{300, 200, 2000, 16};
    RecordingCanvas c;
    paintSchematic(c, d, v, {});
    EXPECT_LE(c.texts().size(), 10u);
    EXPECT_GE(c.texts().size(), 5u);
}

TEST(Bitmaps, RotationIsClockwise)
{
    Bitmap b(3, 2);
    b.set(0, 0); // top-left
    b.set(2, 1); // bottom-right
    const Bitmap r = rotateClockwise(b);
    EXPECT_EQ(r.width, 2);
    EXPECT_EQ(r.height, 3);
    EXPECT_TRUE(r.at(1, 0)); // top-left went to top-right
    EXPECT_TRUE(r.at(0, 2)); // bottom-right went to bottom-left
    int ink = 0;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            ink += r.at(x, y) ? 1 : 0;
    EXPECT_EQ(ink, 2);
    EXPECT_EQ(rotateClockwise(rotateClockwise(rotateClockwise(r))), b);
    b.set(-1, 5); // outside: ignored
    EXPECT_FALSE(b.at(-1, 5));
}

TEST(Tiles, EveryKindHasItsOwnSymbolThatJoinsTheColumn)
{
    const ElementKind kinds[] = {ElementKind::CS,  ElementKind::LS,  ElementKind::RS,
                                 ElementKind::IS,  ElementKind::CP,  ElementKind::LPS,
                                 ElementKind::LPO, ElementKind::RP,  ElementKind::IP,
                                 ElementKind::TR,  ElementKind::RlcSeries, ElementKind::RlcParallel};
    // Compared as text: GCC 12 warns falsely on ordering vectors of bytes at -O3.
    std::set<std::string> seen;
    for (ElementKind k : kinds) {
        const std::optional<TileId> id = tileFor(k);
        ASSERT_TRUE(id);
        const Bitmap& t = tile(*id);
        EXPECT_EQ(t.width, tileWidth);
        EXPECT_EQ(t.height, tileHeight);
        // The wire enters at the top and leaves at the bottom.
        EXPECT_TRUE(t.at(tileWireX, 0)) << static_cast<int>(k);
        EXPECT_TRUE(t.at(tileWireX, tileHeight - 1)) << static_cast<int>(k);
        seen.insert(std::string(t.ink.begin(), t.ink.end()));
    }
    EXPECT_EQ(seen.size(), std::size(kinds));
    EXPECT_FALSE(tileFor(ElementKind::None));
    // The load closes the column at the top, the input port at the bottom.
    EXPECT_TRUE(tile(TileId::ColumnTop).at(tileWireX, tileHeight - 1));
    EXPECT_TRUE(tile(TileId::ColumnBottom).at(tileWireX, 0));
    EXPECT_FALSE(tile(TileId::ColumnBottom).at(tileWireX, tileHeight - 1));
    EXPECT_TRUE(tile(TileId::PictureLeft).at(tileWireX, 0));
}

TEST(SchematicPicture, InputLeftLoadRightElementZeroBesideTheLoad)
{
    Design d;
    addPoint(d, 25, -30, 1e9);
    addElement(d, element(ElementKind::CS, 4e-12));
    addElement(d, element(ElementKind::IP, 10e-9));
    addElement(d, element(ElementKind::RS, 20));
    RecordingCanvas c;
    const SchematicPictureLayout layout = schematicPictureLayout(c, d);
    EXPECT_EQ(layout.width, (3 + 6) * h);
    EXPECT_GE(layout.tileTop, 2 * tileWidth);
    EXPECT_EQ(layout.height, layout.tileTop + tileWidth);
    c.calls.clear();
    drawSchematicPicture(c, d, layout);

    const auto b = bitmaps(c);
    ASSERT_EQ(b.size(), 5u);
    const std::pair<int, TileId> expected[] = {{0, TileId::PictureLeft},
                                               {3 * h, TileId::CS},
                                               {2 * h, TileId::IP},
                                               {1 * h, TileId::RS},
                                               {4 * h, TileId::ColumnTop}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(b[i].v[0], expected[i].first) << i;
        EXPECT_EQ(b[i].v[1], layout.tileTop);
        EXPECT_EQ(b[i].image, rotateClockwise(tile(expected[i].second))) << i;
        EXPECT_EQ(b[i].v[2], tileHeight);
        EXPECT_EQ(b[i].v[3], tileWidth);
    }

    const DrawCall* cap = c.findText("4.0 pF");
    ASSERT_NE(cap, nullptr);
    EXPECT_EQ(cap->font.escapement, 900);
    EXPECT_EQ(cap->font.height, schematicPictureFontHeight);
    EXPECT_EQ((Point{cap->v[0], cap->v[1]}), (Point{3 * h + h / 2, layout.tileTop}));
    const Element& last = d.elements[2];
    const DrawCall* input = c.findText(impedanceText(last.rEnd, last.xEnd));
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->v[0], h / 2);
    const DrawCall* load = c.findText("(25.00 - j30.00)");
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->v[0], 5 * h);
    const DrawCall* z0 = c.findText("Z0 = 50.00");
    ASSERT_NE(z0, nullptr);
    EXPECT_EQ(z0->font.escapement, 0);
    EXPECT_EQ((Point{z0->v[0], z0->v[1]}), (Point{5 * h + h / 2, layout.tileTop}));
    const DrawCall* f = c.findText("f_main = 1.000 GHz");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->v[1], layout.tileTop + schematicPictureFontHeight);
}

TEST(SchematicPicture, LongTextsLowerTheTilesInsteadOfBeingCut)
{
    Design d;
    addPoint(d, 25, -30, 1e9);
    addElement(d, element(ElementKind::LPO, 0.07, 60.0f, 4.0f));
    RecordingCanvas c;
    const SchematicPictureLayout layout = schematicPictureLayout(c, d);
    drawSchematicPicture(c, d, layout);
    // Turned texts run upwards from the tile top; none may start above y = 0.
    int checked = 0;
    for (const DrawCall& t : c.ofKind(DrawOp::Text)) {
        if (t.font.escapement != 900)
            continue;
        const int length = static_cast<int>(t.text.size()) * t.font.height / 2;
        EXPECT_GE(t.v[1] - length, 0) << t.text;
        ++checked;
    }
    EXPECT_EQ(checked, 6 + 4); // the stub's six pieces, two end labels of two pieces
}

TEST(SchematicPicture, EmptyChainHasOnlyTheEndTiles)
{
    RecordingCanvas c;
    const SchematicPictureLayout layout = schematicPictureLayout(c, Design{});
    EXPECT_EQ(layout.width, 6 * h);
    EXPECT_EQ(layout.height, 3 * tileWidth);
    drawSchematicPicture(c, Design{}, layout);
    EXPECT_EQ(bitmaps(c).size(), 2u);
    EXPECT_TRUE(c.texts().empty());

    const QImage image = copySchematicToClipboard(Design{});
    EXPECT_EQ(image.width(), 6 * h);
    EXPECT_EQ(image.height(), 3 * tileWidth);
}

TEST(SchematicText, TurnedPiecesRunAlongTheText)
{
    RecordingCanvas c;
    const std::vector<TextPiece> pieces = {{"a", FontFace::Default, 40, 5}};
    drawTextPieces(c, pieces, {100, 200}, 12, 400, 400, 900);
    drawTextPieces(c, pieces, {100, 200}, 12, 400, 400, 2700);
    drawTextPieces(c, pieces, {100, 200}, 12, 400, 400, 0);
    const auto t = c.ofKind(DrawOp::Text);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ((Point{t[0].v[0], t[0].v[1]}), (Point{105, 170})); // up the page
    EXPECT_EQ((Point{t[1].v[0], t[1].v[1]}), (Point{95, 230}));  // down the page
    EXPECT_EQ((Point{t[2].v[0], t[2].v[1]}), (Point{130, 205}));
    EXPECT_EQ(t[1].font.escapement, 2700);
}

} // namespace
} // namespace zelvo
