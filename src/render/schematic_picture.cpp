// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/schematic_picture.h"

#include "core/format.h"
#include "render/bitmap.h"
#include "render/painter_canvas.h"
#include "render/schematic.h"
#include "render/schematic_text.h"
#include "render/tiles.h"

#include <QPainter>
#include <algorithm>

namespace zelvo {

namespace {

constexpr int h = tileHeight; // a turned tile is h wide
constexpr int W = tileWidth;  // and W high
constexpr int turnedUp = 900;

int elementsOf(const Design& d)
{
    return std::clamp(d.elementCount, 0, Design::elementCapacity);
}

void turnedTile(Canvas& canvas, TileId id, int x, int top)
{
    const Bitmap turned = rotateClockwise(tile(id));
    canvas.bitmap(turned, {x, top}, turned.width, turned.height);
}

std::vector<TextPiece> impedancePieces(double r, double x, const TextWidth& widthOf)
{
    std::string t = impedanceText(r, x);
    const int w = widthOf(t);
    return {{std::move(t), FontFace::Default, textStartX, 0},
            {"W", FontFace::Symbol, textStartX + w, 0}};
}

const DataPoint* startPointOf(const Design& d)
{
    if (d.startPoint < 1 || d.startPoint > std::min(d.dataPointCount, Design::pointCapacity))
        return nullptr;
    return &d.dataPoints[static_cast<std::size_t>(d.startPoint - 1)];
}

// Every turned text column of the picture: where it stands and what it says.
struct TextColumn {
    int x;
    std::vector<TextPiece> pieces;
};

std::vector<TextColumn> textColumns(Canvas& canvas, const Design& d, const Texts& texts)
{
    const int n = elementsOf(d);
    const Font font{schematicPictureFontHeight, FontFace::Default, 400, turnedUp};
    canvas.setFont(font);
    const TextMetrics m = canvas.metrics();
    const int lineHeight = m.height + m.externalLeading;
    const TextWidth widthOf = measureIn(canvas, font);
    const double f0 = designFrequency(d);

    std::vector<TextColumn> columns;
    // Element i sits at slot n - i, so that the chain runs from the input
    // terminal on the left to the load on the right, element 0 next to it.
    for (int i = 0; i < n; ++i)
        columns.push_back({(n - i) * h + h / 2,
                           elementTextPieces(d.elements[static_cast<std::size_t>(i)], f0, widthOf,
                                             lineHeight, true, texts)});
    if (n == 0)
        return columns;
    const Element& last = d.elements[static_cast<std::size_t>(n - 1)];
    columns.push_back({h / 2, impedancePieces(last.rEnd, last.xEnd, widthOf)});
    if (const DataPoint* start = startPointOf(d))
        columns.push_back({(n + 2) * h, impedancePieces(start->r, start->x, widthOf)});
    return columns;
}

} // namespace

SchematicPictureLayout schematicPictureLayout(Canvas& canvas, const Design& d,
                                              const Texts& texts)
{
    const CanvasStateGuard keep(canvas);
    int extent = 0;
    for (const TextColumn& c : textColumns(canvas, d, texts))
        for (const TextPiece& p : c.pieces) {
            canvas.setFont({schematicPictureFontHeight, p.face, 400, turnedUp});
            extent = std::max(extent, p.x - textStartX + canvas.textWidth(p.text));
        }
    SchematicPictureLayout layout;
    layout.width = (elementsOf(d) + 6) * h;
    layout.tileTop = std::max(2 * W, extent + 4);
    layout.height = layout.tileTop + W;
    return layout;
}

void drawSchematicPicture(Canvas& canvas, const Design& d, const SchematicPictureLayout& layout,
                          const Texts& texts)
{
    const CanvasStateGuard keep(canvas);
    const int n = elementsOf(d);
    const int top = layout.tileTop;
    turnedTile(canvas, TileId::PictureLeft, 0, top);
    for (int i = 0; i < n; ++i)
        if (const std::optional<TileId> id = tileFor(d.elements[static_cast<std::size_t>(i)]))
            turnedTile(canvas, *id, (n - i) * h, top);
    turnedTile(canvas, TileId::ColumnTop, (n + 1) * h, top);

    canvas.setTextColour(rgb(0, 0, 0));
    for (const TextColumn& c : textColumns(canvas, d, texts))
        drawTextPieces(canvas, c.pieces, {c.x, top}, schematicPictureFontHeight, 400, 400,
                       turnedUp);
    if (n == 0)
        return;

    canvas.setFont({schematicPictureFontHeight, FontFace::Default, 400, 0});
    const TextMetrics flat = canvas.metrics();
    const int x = (2 * n + 5) * h / 2; // (n + 2.5) rows
    const std::string z0 = printfString("Z0 = %.2f", static_cast<double>(d.z0));
    const int w = canvas.textWidth(z0);
    canvas.text({x, top}, z0, TextAlign::LeftBaseline);
    canvas.setFont({schematicPictureFontHeight, FontFace::Symbol, 400, 0});
    canvas.text({x + w, top}, "W", TextAlign::LeftBaseline);
    canvas.setFont({schematicPictureFontHeight, FontFace::Default, 400, 0});
    canvas.text({x, top + flat.height}, "f_main = " + formatFrequency(designFrequency(d), 3) + "Hz",
                TextAlign::LeftBaseline);
}

QImage copySchematicToClipboard(const Design& design, const Texts& texts)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter measuring(&probe);
    PainterCanvas probeCanvas(measuring, CanvasMapping::device());
    const SchematicPictureLayout layout = schematicPictureLayout(probeCanvas, design, texts);
    measuring.end();

    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, CanvasMapping::device());
    drawSchematicPicture(canvas, design, layout, texts);
    painter.end();
    return image;
}

} // namespace zelvo
