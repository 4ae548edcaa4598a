// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "render/schematic_text.h"

#include "core/block.h"
#include "core/chain.h"
#include "core/format.h"
#include "model/block_file.h"
#include "model/part_losses.h"

#include <cmath>
#include <numbers>

namespace zelvo {

namespace {

void addValueAndOhm(std::vector<TextPiece>& out, double value, const TextWidth& widthOf, int ohmGap,
                    int dy)
{
    std::string t = formatSi(value, 1);
    const int w = widthOf(t);
    out.push_back({std::move(t), FontFace::Default, textStartX, dy});
    out.push_back({"W", FontFace::Symbol, w + ohmGap, dy});
}

void addLinePieces(std::vector<TextPiece>& out, const Element& e, double f0,
                   const TextWidth& widthOf, int lineHeight, bool shortForms, const Texts& texts)
{
    const LineLengths len = lineLengths(e, f0);
    const int first = -lineHeight / 2;
    std::string length = printfString("%.3f", e.value);
    const int w = widthOf(length);
    out.push_back({std::move(length), FontFace::Default, textStartX, first});
    out.push_back({"l", FontFace::Symbol, w + 14, first});
    // The electrical and the mechanical length.
    const std::string electrical = shortForms ? texts.translate("Schematic", "mm(e)")
                                              : texts.translate("Schematic", "mm(electr)");
    const std::string mechanical = shortForms ? texts.translate("Schematic", "mm(m)")
                                              : texts.translate("Schematic", "mm(mech)");
    out.push_back({printfString(" | %.3f ", len.electricalMm) + electrical, FontFace::Default,
                   w + 20, first - 12});
    out.push_back({printfString(" | %.3f ", len.mechanicalMm) + mechanical, FontFace::Default,
                   w + 20, first});

    const int second = lineHeight / 2 - 3;
    std::string zl = printfString("%.1f ", static_cast<double>(e.lineImpedance));
    const int wz = widthOf(zl);
    out.push_back({std::move(zl), FontFace::Default, textStartX, second});
    out.push_back({"W", FontFace::Symbol, wz + 10, second});
    if (isLossy(e))
        out.push_back({" | " + partLossText(e.loss, e.kind), FontFace::Default,
                       wz + 10 + widthOf("W"), second});
}

// A lossy part's losses stand a line below its value, which keeps its place:
// both inside the row's frame (and its double-click band), clear of the next.
constexpr int lossDrop = 13;

} // namespace

TextWidth measureIn(Canvas& canvas, const Font& font)
{
    return [&canvas, font](std::string_view text) {
        canvas.setFont(font);
        return canvas.textWidth(text);
    };
}

std::vector<TextPiece> elementTextPieces(const Element& e, double f0, const TextWidth& widthOf,
                                         int lineHeight, bool shortForms, const Texts& texts)
{
    std::vector<TextPiece> out;
    switch (e.kind) {
    case ElementKind::CS:
    case ElementKind::CP:
    case ElementKind::IS:
    case ElementKind::IP: {
        out.push_back({formatSi(e.value, 1) + (isCapacitor(e.kind) ? "F" : "H"), FontFace::Default,
                       textStartX, 0});
        if (isLossy(e))
            out.push_back({partLossText(e.loss, e.kind), FontFace::Default, textStartX, lossDrop});
        break;
    }
    case ElementKind::RS:
    case ElementKind::RP:
        addValueAndOhm(out, e.value, widthOf, 19, 0);
        break;
    case ElementKind::TR:
        out.push_back({printfString("1:%.2f", e.value), FontFace::Default, textStartX, 0});
        break;
    case ElementKind::LS:
    case ElementKind::LPS:
    case ElementKind::LPO:
        addLinePieces(out, e, f0, widthOf, lineHeight, shortForms, texts);
        break;
    case ElementKind::RlcSeries:
    case ElementKind::RlcParallel:
        addValueAndOhm(out, e.rlcR, widthOf, e.kind == ElementKind::RlcSeries ? 18 : 17, -11);
        out.push_back({formatSi(e.rlcL, 1) + "H", FontFace::Default, textStartX, 2});
        out.push_back({formatSi(e.rlcC, 1) + "F", FontFace::Default, textStartX, 15});
        break;
    case ElementKind::Block:
        if (e.block) {
            // The name, and the measured range, or that the design frequency
            // lies outside it (the block then passes the impedance through).
            out.push_back({e.reversed ? fillIn(texts.translate("Schematic", "%1 (reversed)"),
                                               {e.block->name})
                                       : e.block->name,
                           FontFace::Default, textStartX, -lineHeight / 2});
            out.push_back({blockCovers(*e.block, f0)
                               ? blockRangeText(*e.block, texts)
                               : fillIn(texts.translate("Schematic", "no value at %1"),
                                        {formatSi(f0, 3) + "Hz"}),
                           FontFace::Default, textStartX, lineHeight / 2 - 3});
        }
        break;
    case ElementKind::None:
        break;
    }
    return out;
}

std::string impedanceText(double r, double x)
{
    return x < 0 ? printfString("(%.2f - j%.2f)", r, -x) : printfString("(%.2f + j%.2f)", r, x);
}

bool pendingValueShown(ElementKind kind, double v)
{
    switch (kind) {
    case ElementKind::CS: return v < 0.0001;
    case ElementKind::IS: return v > 1e-12;
    case ElementKind::RS: return v > 0.001;
    case ElementKind::CP: return v > 1e-16 && v < 1000.0;
    case ElementKind::IP: return v > 1.1754944e-38 && v < 0.001;
    case ElementKind::RP: return v > 1e-15 && v < 1000000.0;
    default: return true;
    }
}

std::vector<TextPiece> pendingValuePieces(ElementKind kind, double value, double f0,
                                          const TextWidth& widthOf, int lineHeight)
{
    std::vector<TextPiece> out;
    switch (kind) {
    case ElementKind::CS:
    case ElementKind::CP:
        out.push_back({formatSi(value, 1) + "F      ", FontFace::Default, textStartX, 0});
        break;
    case ElementKind::IS:
    case ElementKind::IP:
        out.push_back({formatSi(value, 1) + "H      ", FontFace::Default, textStartX, 0});
        break;
    case ElementKind::RS:
    case ElementKind::RP: {
        std::string t = formatSi(value, 1) + "   ";
        // The ohm sign overwrites the last two of the blanks.
        const int ohmX = textStartX + widthOf(std::string_view(t).substr(0, t.size() - 2));
        out.push_back({std::move(t), FontFace::Default, textStartX, 0});
        out.push_back({"W       ", FontFace::Symbol, ohmX, 0});
        break;
    }
    case ElementKind::TR:
        out.push_back({printfString("1:%.2f      ", value), FontFace::Default, textStartX, 0});
        break;
    case ElementKind::LS:
    case ElementKind::LPS:
    case ElementKind::LPO: {
        const int dy = -lineHeight / 2;
        std::string length = printfString("%.3f ", value);
        const int w = widthOf(length);
        const double mm = 299792458.0 / f0 * value * 1000.0;
        out.push_back({std::move(length), FontFace::Default, textStartX, dy});
        out.push_back({"l", FontFace::Symbol, textStartX + w, dy});
        out.push_back({printfString(kind == ElementKind::LS ? " | %.3f mm" : " | %.3f mm ", mm),
                       FontFace::Default, 2 * textStartX + w, dy});
        break;
    }
    default:
        break;
    }
    return out;
}

void drawTextPieces(Canvas& canvas, const std::vector<TextPiece>& pieces, Point baselineStart,
                    int fontHeight, int weight, int symbolWeight, int escapement)
{
    // Along the text and towards its descenders, on a y-down surface.
    const double a = escapement / 10.0 * std::numbers::pi / 180.0;
    const double alongX = std::cos(a), alongY = -std::sin(a);
    const double downX = std::sin(a), downY = std::cos(a);
    for (const TextPiece& p : pieces) {
        const double along = p.x - textStartX;
        const Point at{baselineStart.x + static_cast<int>(std::lround(along * alongX + p.dy * downX)),
                       baselineStart.y + static_cast<int>(std::lround(along * alongY + p.dy * downY))};
        const bool symbol = p.face == FontFace::Symbol;
        canvas.setFont({fontHeight, p.face, symbol ? symbolWeight : weight, escapement});
        canvas.text(at, p.text, TextAlign::LeftBaseline);
    }
}

} // namespace zelvo
